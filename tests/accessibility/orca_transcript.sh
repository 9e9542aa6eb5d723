#!/bin/bash
# What Orca says while the counting loop is entered and run with the keyboard
# alone: its debug log's speech lines. Not a ctest (Orca is not needed to
# build or test ZEB); run by hand where orca, xdotool, Xvfb and at-spi2-core
# are installed:  tests/accessibility/orca_transcript.sh build/src/app/zeb
set -eu
zeb=$(realpath "${1:?usage: orca_transcript.sh ZEB_BINARY}")
if [ "${ZEB_ORCA_INNER:-}" != 1 ]; then
  read_fd=$(mktemp -u)
  Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp > "$read_fd" 2> /dev/null &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$read_fd" ] && break; sleep 0.1; done
  display=$(head -n1 "$read_fd")
  rm -f "$read_fd"
  DISPLAY=:$display ZEB_ORCA_INNER=1 dbus-run-session -- "$0" "$zeb" 2> /dev/null || true
  kill "$xvfb"
  exit 0
fi
work=$(mktemp -d)
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
sleep 1
orca --replace --debug-file="$work/orca.log" > /dev/null 2>&1 &
orca=$!
sleep 6
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$zeb" > /dev/null 2>&1 &
app=$!
sleep 5
k() { xdotool key --delay 250 "$@"; sleep 0.4; }
t() { xdotool type --delay 250 "$1"; sleep 0.4; }
# LDA 11, JU0 10, OUT, AC- 12, JMP 1; HLT at 10; 9 at 11, 1 at 12.
t 1; k Right; t 11; k Left Down
t 9; k Right; t 10; k Left Down
t 12; k Down
t 4; k Right; t 12; k Left Down
t 7; k Right; t 1; k Left Down Down Down Down Down Down
t 0; k Right Down; t 9; k Down; t 1
k F10
for _ in $(seq 22); do k Tab; done
k End Escape
k F5
sleep 15
kill "$app" "$orca" "$bus" 2> /dev/null || true
sleep 1
grep "SPEECH OUTPUT" "$work/orca.log" | sed "s/^[^S]*SPEECH OUTPUT: //; s/{'established': False}//" | uniq
[ -n "${ZEB_ORCA_LOG:-}" ] && cp "$work/orca.log" "$ZEB_ORCA_LOG"
rm -rf "$work"
