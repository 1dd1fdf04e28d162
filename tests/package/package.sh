#!/usr/bin/env bash
# The Debian package as a teacher would use it: its desktop files validate,
# Debian's own checker finds no error or warning in it, it installs with apt, the installed program passes the end-to-end test, and
# it removes cleanly.
#   package.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
# shellcheck source-path=SCRIPTDIR source=../../scripts/common.sh
source "$(dirname "$0")/../../scripts/common.sh"
apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -q "$@"; }

install_missing lintian
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml

(cd "$build" && cpack >/dev/null)
deb=$(ls "$build"/revolutions-quiz_*.deb)
echo "package: $(basename "$deb"); depends: $(dpkg-deb -f "$deb" Depends)"
# Each override the package carries says why. Shown, overridden tags would
# count as failures (lintian 2.116), so they stay hidden here.
lintian --fail-on error,warning "$deb" || fail "lintian found errors or warnings"
echo "lintian: no errors or warnings"
apt_get install "$deb" >/dev/null
listed=$(dpkg -L revolutions-quiz | grep -E '^/usr/(bin|share/(applications|metainfo|icons))/.+\.' || true)
[ -x /usr/bin/revolutions-quiz ] || fail "the program is not installed"

"$(dirname "$0")/../e2e/e2e.sh" /usr/bin/revolutions-quiz "$build/tests/x11_probe" "$build/package-e2e"

apt_get purge revolutions-quiz >/dev/null
for file in $listed /usr/bin/revolutions-quiz; do
  [ ! -e "$file" ] || fail "$file is left behind after removal"
done
! dpkg -s revolutions-quiz >/dev/null 2>&1 || fail "the package is still registered"
echo "installed, tested and removed cleanly"
