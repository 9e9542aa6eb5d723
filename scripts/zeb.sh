#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine: installs what is missing,
# builds, then either starts ZEB or runs every test headless.
#   bash scripts/zeb.sh run     build and start the application
#   bash scripts/zeb.sh test    build and run all tests (no display needed)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-run}

packages=(build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl1-mesa-dev
  qt6-documentation-tools
  libgtest-dev libbenchmark-dev clang-format fonts-dejavu-core xvfb xauth)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

build=${ZEB_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

case "$mode" in
  run)
    if [ -x "$build/src/app/zeb" ]; then
      if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "No desktop display found: start ZEB from a desktop session," >&2
        echo "or try it without one with: xvfb-run $build/src/app/zeb" >&2
        exit 1
      fi
      exec "$build/src/app/zeb"
    fi
    exec "$build/src/cli/zeb-run" examples/COUNT.ZEB
    ;;
  test)
    export QT_QPA_PLATFORM=offscreen
    cd "$build"
    ctest --output-on-failure --timeout 600 -j "$(nproc)"
    ;;
  *)
    echo "usage: bash scripts/zeb.sh run|test" >&2
    exit 2
    ;;
esac
