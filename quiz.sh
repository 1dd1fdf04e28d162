#!/usr/bin/env bash
# One entry point for people and CI:
#   ./quiz.sh run    install what is missing, build, open the quiz window
#   ./quiz.sh test   install what is missing, build, run every test headless
#   ./quiz.sh package  install what is missing, build the Debian package
#   ./quiz.sh bench  install what is missing, build, print the benchmark table
#   ./quiz.sh web    install what is missing, build the quiz as one web page
# Set QUIZ_PRESET to build another preset (ci, sanitize); default: default.
set -euo pipefail
cd "$(dirname "$0")"

# Build tools, Qt, the font the window asks for (Times New Roman's metric
# twin), GoogleTest, the virtual screen the tests and a headless run use, and
# the accessibility bus with its Python client for the screen-reader test, the
# validators of the desktop files, and valgrind and strace, which watch the
# running program's memory and its files and sockets.
PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n
          libx11-dev fonts-liberation
          googletest libgtest-dev xvfb xauth xdotool imagemagick python3
          dbus at-spi2-core python3-pyatspi desktop-file-utils appstream
          valgrind strace)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs only the packages that are not there yet, and says which.
install_missing() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "quiz.sh: installing ${missing[*]}"
  as_root apt-get -o DPkg::Lock::Timeout=600 update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q \
    --no-install-recommends "${missing[@]}"
}

preset="${QUIZ_PRESET:-default}"

build_dir="build/$preset"

# No display: show the quiz on a virtual screen, keep a screenshot, close it.
run_headless() {
  echo "quiz.sh: no display; starting the quiz on a virtual screen (Xvfb)"
  local shot="$PWD/$build_dir/quiz-screenshot.png" display window quiz_pid xvfb_pid
  exec 3< <(Xvfb -displayfd 1 -screen 0 800x600x24 -nolisten tcp 2>/dev/null)
  xvfb_pid=$!
  read -r -t 10 display <&3
  export DISPLAY=":$display"
  "$build_dir/window/qt/revolutions-quiz" &
  quiz_pid=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --name 'Велмора' | head -n 1)
  sleep 0.5
  import -window "$window" "$shot"
  "$build_dir/tests/x11_probe" close "$window"
  wait "$quiz_pid"
  kill "$xvfb_pid"
  echo "quiz.sh: screenshot of the window: $shot"
}

build() {
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}

case "${1:-}" in
  run)
    install_missing "${PACKAGES[@]}"
    build
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      exec "$build_dir/window/qt/revolutions-quiz"
    fi
    run_headless
    ;;
  test)
    install_missing "${PACKAGES[@]}"
    build
    ctest --preset "$preset"
    ;;
  package)
    install_missing "${PACKAGES[@]}"
    build
    (cd "$build_dir" && cpack)
    ;;
  bench)
    # Google Benchmark and the X test extension only ever serve the benchmarks.
    install_missing "${PACKAGES[@]}" libbenchmark-dev libxtst-dev
    preset=bench build_dir=build/bench
    build
    bench/run.sh "$build_dir"
    ;;
  web)
    # emscripten compiles the page; it runs its optimiser on node.
    install_missing cmake ninja-build python3 emscripten nodejs
    cmake --workflow --preset web
    echo "quiz.sh: the page: build/web/window/web/revolutions-quiz.html"
    ;;
  *)
    echo "usage: $0 run|test|package|bench|web" >&2
    exit 2
    ;;
esac
