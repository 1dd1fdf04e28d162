#!/usr/bin/env bash
# Builds the browser page and tests it in headless Chromium, offline:
#   tests/web/run.sh     install what is missing, build, test
# The screenshots (100 % and each screen size) stay in build/web/.
set -euo pipefail
cd "$(dirname "$0")/../.."
# shellcheck source-path=SCRIPTDIR source=../../scripts/common.sh
source scripts/common.sh

# The browser, its WebDriver and Python's client for it, the form font's
# metric twin, so captions measure as they do on a pupil's machine, and Java
# for the HTML checker.
TEST_PACKAGES=(chromium chromium-driver python3-selenium fonts-liberation default-jre-headless)
BUILD_DIR=build/web

./quiz.sh web
install_missing "${TEST_PACKAGES[@]}"
# The checkers, at the versions the lock file pins: of accessibility, of
# HTML, and of the style sheet and script against the browser floor, with
# the browsers' data. Debian's npm only where no npm came with node.
command -v npm >/dev/null || install_missing npm
npm_dir=$BUILD_DIR/npm
mkdir -p "$npm_dir"
cp tests/web/package.json tests/web/package-lock.json tests/web/eslint.config.mjs \
  tests/web/css_floor.mjs "$npm_dir/"
(cd "$npm_dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)

page=$BUILD_DIR/window/web/revolutions-quiz.html
# Valid HTML: the Nu checker finds neither error nor warning.
java -jar "$npm_dir/node_modules/vnu-jar/build/dist/vnu.jar" --Werror "$page"
echo "run.sh: the Nu HTML checker finds nothing in the page"
# Its style sheet and script use nothing that a browser of the floor lacks.
/usr/bin/python3 tests/web/page_code.py "$page" "$npm_dir/page"
(
  cd "$npm_dir"
  export BROWSERSLIST_CONFIG=$OLDPWD/window/web/browserslist
  node css_floor.mjs page.css
  node_modules/.bin/eslint page.js
)
echo "run.sh: the page's style sheet and script keep to window/web/browserslist"

node "$BUILD_DIR/tests/web/form_probe.js" >"$BUILD_DIR/form.json"
# The shared game, the random run and the clicks made while the page starts,
# with what each step must show.
scenario_tool=$BUILD_DIR/tests/scenario/scenario_tool.js
node "$scenario_tool" random >"$BUILD_DIR/random.txt"
head -n 1 "$BUILD_DIR/random.txt"
for run in tests/scenario/game.txt "$BUILD_DIR/random.txt" tests/web/starting.txt; do
  node "$scenario_tool" expect "$run" >"$BUILD_DIR/$(basename "$run" .txt).jsonl"
done
use_observations_dir
# Debian's Python: it is the one that has Debian's selenium.
/usr/bin/python3 tests/web/web_test.py "$page" \
  "$BUILD_DIR/form.json" "$npm_dir/node_modules/axe-core/axe.min.js" "$BUILD_DIR" \
  "$BUILD_DIR/starting.jsonl" "$BUILD_DIR/game.jsonl" "$BUILD_DIR/random.jsonl"
