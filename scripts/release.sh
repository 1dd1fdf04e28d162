#!/usr/bin/env bash
# Builds every file of a release from the committed tree (HEAD) into dist/:
# the 32-bit and 64-bit Windows programs, the Windows Installer package, the
# Debian package for the Debian release this machine runs, the browser page,
# the source archive, the release notes and SHA256SUMS. Each name carries the
# version, which is the newest entry's of packaging/changelog.
#
# Every file depends on the commit alone: the time is the commit's
# (SOURCE_DATE_EPOCH), the build runs in a fresh folder whose path is mapped
# away, with a fixed umask, time zone and locale, whatever the caller's.
# Run as root or with sudo: it installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source-path=SCRIPTDIR source=common.sh
source scripts/common.sh

PACKAGES=(git g++ cmake ninja-build python3 binutils file dpkg-dev
          qt6-base-dev qt6-translations-l10n
          g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wixl msitools
          emscripten nodejs)
DIST=dist

install_missing "${PACKAGES[@]}"
git diff --quiet HEAD 2>/dev/null ||
  echo "release.sh: the working tree has changes that are not committed; the release is HEAD's"

umask 022
export TZ=UTC LC_ALL=C.UTF-8
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export SOURCE_DATE_EPOCH
commit=$(git rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/src
mkdir "$src"
git archive --format=tar HEAD | tar -x -C "$src"
# Compilers write the source and build folders into debug information and
# __FILE__; the Linux program's build ID is a hash over both.
export CXXFLAGS="-ffile-prefix-map=$src/="
unset CPPFLAGS LDFLAGS

build() {
  local preset=$1
  echo "release.sh: building $preset"
  (cd "$src" && cmake --preset "$preset" -DBUILD_TESTING=OFF >/dev/null &&
    cmake --build --preset "$preset" >/dev/null)
}
build default
(cd "$src/build/default" && cpack >/dev/null)
build windows
build windows64
build web

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$src/build/default/CMakeCache.txt")
name=revolutions-quiz-$version
# shellcheck source=/dev/null
debian=$(. /etc/os-release && echo "$ID${VERSION_ID:-$VERSION_CODENAME}")
arch=$(dpkg --print-architecture)
rm -rf "$DIST"
mkdir "$DIST"
cp "$src/build/windows/window/win32/revolutions-quiz.exe" "$DIST/$name-win32.exe"
cp "$src/build/windows64/window/win32/revolutions-quiz.exe" "$DIST/$name-win64.exe"
cp "$src/build/windows/window/win32/revolutions-quiz.msi" "$DIST/$name.msi"
cp "$src/build/default/revolutions-quiz_${version}_$arch.deb" "$DIST/$name-$debian-$arch.deb"
cp "$src/build/web/window/web/revolutions-quiz.html" "$DIST/$name.html"
git archive --format=tar.gz --prefix="$name/" -o "$DIST/$name.tar.gz" HEAD

# The notes: the changelog's newest entry, and what each file is for.
{
  echo "Цветни революции (revolutions-quiz) $version"
  echo "Built from commit $commit of $(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M UTC')."
  echo
  sed -n '1,/^ -- /p' "$src/packaging/changelog"
  echo
  echo "Files (check one with 'sha256sum -c SHA256SUMS' on Linux, or compare the"
  echo "output of 'certutil -hashfile FILE SHA256' on Windows with its line in SHA256SUMS):"
  echo
  printf '  %-42s %s\n' \
    "$name.html" "the browser page: one file, opens offline in any browser" \
    "$name.msi" "the Windows installer, for one computer or a whole lab" \
    "$name-win32.exe" "the Windows program, 32-bit, runs without installing" \
    "$name-win64.exe" "the same for 64-bit Windows that runs no 32-bit programs" \
    "$name-$debian-$arch.deb" "the package for Debian ${debian#debian}" \
    "$name.tar.gz" "the source of this release"
} >"$DIST/$name-release-notes.txt"

(cd "$DIST" && sha256sum -- * >SHA256SUMS)
echo "release.sh: $PWD/$DIST:"
(cd "$DIST" && ls -l -- *)
