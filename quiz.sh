#!/usr/bin/env bash
# One entry point for people and CI:
#   ./quiz.sh run    install what is missing, build, open the quiz window
#   ./quiz.sh test   install what is missing, build, run every test headless:
#                    the Linux program's, then the Windows programs', their
#                    installer's and the browser page's
#   ./quiz.sh package  install what is missing, build the Debian package
#   ./quiz.sh bench  install what is missing, build, print the benchmark table
#   ./quiz.sh web    install what is missing, build the quiz as one web page
#   ./quiz.sh release  install what is missing, build every file of a release
#                    from the committed tree into dist/, with SHA256SUMS
# Set QUIZ_PRESET to build another preset (ci, sanitize); default: default.
set -euo pipefail
cd "$(dirname "$0")"

# shellcheck source-path=SCRIPTDIR source=scripts/common.sh
source scripts/common.sh

# What building and showing the program needs: a compiler, CMake, Ninja,
# Python for the icons, Qt with its Bulgarian texts, and the font the window
# asks for (Times New Roman's metric twin).
RUN_PACKAGES=(g++ cmake ninja-build python3 qt6-base-dev qt6-translations-l10n fonts-liberation)
# Without a display: the virtual screen, a window finder and a screenshot.
HEADLESS_PACKAGES=(xvfb xdotool imagemagick)
# The tests also need GoogleTest, the X library for their probe, the virtual
# screen, the accessibility bus with its Python client for the screen-reader
# test, the validators of the desktop files, valgrind and strace, which watch
# the running program's memory and its files and sockets, and a real screen
# reader with its speech service, which must speak the verdicts.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" build-essential pkg-config libx11-dev
               googletest libgtest-dev xvfb xauth xdotool imagemagick
               dbus at-spi2-core python3-pyatspi desktop-file-utils appstream
               valgrind strace orca speech-dispatcher)

preset="${QUIZ_PRESET:-default}"
build_dir="build/$preset"
program="$build_dir/window/qt/revolutions-quiz"

# No display: show the quiz on a virtual screen, keep a screenshot, close it.
# The quiz and the screen end on every way out, Ctrl+C included.
run_headless() {
  echo "quiz.sh: no display; starting the quiz on a virtual screen (Xvfb)"
  local shot="$PWD/$build_dir/quiz-screenshot.png" window
  trap stop_started EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  start_screen 800x600x24
  "$program" &
  find_window 30 --pid $! || fail "the quiz showed no window within 30 s"
  wait_drawn "$window" "$shot" || fail "the window was not drawn"
  stop_started
  echo "quiz.sh: screenshot of the window: $shot"
}

# Configures (with any extra cache settings given) and builds the preset.
build() {
  cmake --preset "$preset" "$@" >/dev/null
  cmake --build --preset "$preset"
}

case "${1:-}" in
  run)
    # Only the program: the tests and what they need wait for "test".
    display="${DISPLAY:-}${WAYLAND_DISPLAY:-}"
    [ -z "$display" ] || HEADLESS_PACKAGES=()
    install_missing "${RUN_PACKAGES[@]}" "${HEADLESS_PACKAGES[@]}"
    build -DBUILD_TESTING=OFF
    [ -z "$display" ] || exec "$program"
    run_headless
    ;;
  test)
    install_missing "${TEST_PACKAGES[@]}"
    build -DBUILD_TESTING=ON
    # Every edition plays the shared runs afresh: none may find another run's.
    unset QUIZ_OBSERVATIONS_DIR
    rm -rf build/observations
    use_observations_dir
    ctest --preset "$preset"
    # The other editions build alike in every preset; the sanitizers' build
    # is the Linux program's own, so they are tested once, with the others.
    if [ "$preset" != sanitize ]; then
      tests/win32/run.sh
      tests/win32/msi.sh
      tests/web/run.sh
      # All three editions showed, step by step, what the model says.
      tests/scenario/compare.py "$build_dir/tests/scenario/scenario_tool" "$QUIZ_OBSERVATIONS_DIR"
    fi
    ;;
  package)
    install_missing "${TEST_PACKAGES[@]}"
    build -DBUILD_TESTING=ON
    (cd "$build_dir" && cpack)
    ;;
  bench)
    # Google Benchmark and the X test extension only ever serve the benchmarks.
    install_missing "${TEST_PACKAGES[@]}" libbenchmark-dev libxtst-dev
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
  release)
    exec scripts/release.sh
    ;;
  *)
    echo "usage: $0 run|test|package|bench|web|release" >&2
    exit 2
    ;;
esac
