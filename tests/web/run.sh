#!/usr/bin/env bash
# Builds the browser page and tests it in headless Chromium, offline:
#   tests/web/run.sh     install what is missing, build, test
# The screenshots (100 % and phone width) stay in build/web/.
set -euo pipefail
cd "$(dirname "$0")/../.."

# The browser, its WebDriver and Python's client for it, and the form font's
# metric twin, so captions measure as they do on a pupil's machine.
TEST_PACKAGES=(chromium chromium-driver python3-selenium fonts-liberation)
BUILD_DIR=build/web

./quiz.sh web
installed=$(dpkg-query -W -f='${db:Status-Abbrev}\n' "${TEST_PACKAGES[@]}" 2>/dev/null |
  grep -c '^ii' || true)
if [ "$installed" -ne ${#TEST_PACKAGES[@]} ]; then
  echo "web: installing ${TEST_PACKAGES[*]}"
  root=()
  [ "$(id -u)" -eq 0 ] || root=(sudo)
  "${root[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
  "${root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install \
    -y -q --no-install-recommends "${TEST_PACKAGES[@]}"
fi

node "$BUILD_DIR/tests/web/form_probe.js" >"$BUILD_DIR/form.json"
# Debian's Python: it is the one that has Debian's selenium.
/usr/bin/python3 tests/web/web_test.py "$BUILD_DIR/window/web/revolutions-quiz.html" \
  "$BUILD_DIR/form.json" "$BUILD_DIR"
