#!/usr/bin/env bash
# One entry point for people and CI:
#   ./quiz.sh run    install what is missing, build, open the quiz window
#   ./quiz.sh test   install what is missing, build, run every test headless
# Set QUIZ_PRESET to build another preset (ci, sanitize); default: default.
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n
                fonts-liberation)
TEST_PACKAGES=(googletest libgtest-dev xvfb xauth xdotool imagemagick x11-utils)

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

build() {
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}

case "${1:-}" in
  run)
    install_missing "${BUILD_PACKAGES[@]}"
    build
    echo "quiz.sh: the quiz logic is built; the window is not there yet."
    ;;
  test)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build
    ctest --preset "$preset"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
