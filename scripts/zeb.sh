#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine: installs what is missing,
# builds, then starts ZEB, runs every test headless, or builds the package.
#   bash scripts/zeb.sh run       build and start the application
#   bash scripts/zeb.sh test      build and run all tests (no display needed)
#   bash scripts/zeb.sh package   build the Debian package and check it
#   bash scripts/zeb.sh sanitize  build with AddressSanitizer and UBSan into
#                                 build-sanitize/ and run all tests there
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-run}

packages=(build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl1-mesa-dev libxcb1-dev
  qt6-documentation-tools qt6-tools-dev
  libgtest-dev libbenchmark-dev clang-format fonts-dejavu-core xvfb xauth
  desktop-file-utils appstream shared-mime-info libxml2-utils man-db
  lintian dpkg-dev fakeroot file clang libclang-rt-14-dev
  at-spi2-core python3-pyatspi dbus dbus-x11 orca xdotool openbox x11-utils)

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
options=()
if [ "$mode" = sanitize ]; then
  # A tree of its own: sanitized objects never mix with the normal ones.
  build=${ZEB_SANITIZE_BUILD_DIR:-build-sanitize}
  options=(-DZEB_SANITIZE=ON -DZEB_BENCH=OFF)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
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
    (cd "$build" && ctest --output-on-failure --timeout 600 -j "$(nproc)")
    # Both fuzz harnesses, briefly, from the checked-in corpora (long runs are
    # made by hand: see the README).
    fuzz=${ZEB_FUZZ_BUILD_DIR:-build-fuzz}
    cmake -S . -B "$fuzz" -G Ninja -DZEB_FUZZ=ON -DZEB_GUI=OFF -DZEB_TESTS=OFF -DZEB_BENCH=OFF \
      -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$fuzz" --parallel "$(nproc)"
    for harness in load edit; do
      work=$(mktemp -d)
      cp tests/fuzz/corpus/$harness/* "$work"/
      if ! "$fuzz/tests/fuzz/${harness}_fuzz" -max_total_time=10 -print_final_stats=1 \
        -artifact_prefix="$work/" "$work" >"$work.log" 2>&1; then
        tail -n 40 "$work.log" >&2
        echo "fuzzing $harness found a fault; the input is in $work" >&2
        exit 1
      fi
      echo "fuzzing $harness: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$work.log" |
        grep -o '[0-9]*$') runs in 10 s, no fault"
      rm -rf "$work" "$work.log"
    done
    # The package is part of what is tested: built, listed and run once.
    bash scripts/zeb.sh package
    ;;
  package)
    source_dir=$PWD
    cd "$build"
    rm -f zeb_*.deb
    cpack -G DEB
    debs=(zeb_*.deb)
    deb=${debs[0]}
    echo "== $deb ($(du -k "$deb" | cut -f1) KiB)"
    dpkg-deb --info "$deb"
    dpkg-deb -c "$deb" | tee package-contents.txt
    # The programs, their data and documentation, and nothing else.
    expected=(./usr/bin/zeb ./usr/bin/zeb-run ./usr/bin/zeb-guide ./usr/share/zeb/step.wav ./usr/share/zeb/honk.wav
      ./usr/share/zeb/help/zeb.qch ./usr/share/zeb/help/zeb.qhc
      ./usr/lib/zeb/modules/libzeb_help_module.so ./usr/lib/zeb/modules/libzeb_sound_module.so
      ./usr/lib/zeb/modules/libzeb_print_module.so
      ./usr/share/zeb/examples/COUNT.ZEB ./usr/share/zeb/examples/README.md
      ./usr/share/applications/zeb.desktop ./usr/share/mime/packages/zeb.xml
      ./usr/share/icons/hicolor/scalable/apps/zeb.svg ./usr/share/metainfo/org.zebdevelopers.zeb.metainfo.xml
      ./usr/share/man/man1/zeb.1.gz ./usr/share/man/man1/zeb-run.1.gz
      ./usr/share/man/man1/zeb-guide.1.gz
      ./usr/share/doc/zeb/copyright ./usr/share/doc/zeb/changelog.Debian.gz)
    for f in "${expected[@]}"; do
      grep -q " $f\$" package-contents.txt || { echo "missing from the package: $f" >&2; exit 1; }
    done
    if grep -E '_test|_bench|/include/|\.a$' package-contents.txt; then
      echo "the package holds tests, benchmarks or development files" >&2
      exit 1
    fi
    # An extracted copy runs by itself.
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg-deb -x "$deb" "$root"
    "$root/usr/bin/zeb-run" --version | grep -q "^zeb-run [0-9]"
    "$root/usr/bin/zeb-run" "$root/usr/share/zeb/examples/COUNT.ZEB" |
      diff - "$source_dir/examples/expected/COUNT.out"
    echo "== lintian"
    lintian --fail-on error --display-info "$deb"
    echo "Package ready: $build/$deb"
    ;;
  sanitize)
    # Any report of either sanitizer fails the test that made it; slow tests
    # get more time, as everything runs several times slower.
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    (cd "$build" && ctest --output-on-failure --timeout 1800 -j "$(nproc)")
    ;;
  *)
    echo "usage: bash scripts/zeb.sh run|test|package|sanitize" >&2
    exit 2
    ;;
esac
