#!/usr/bin/env bash
# Builds the browser page and tests it in headless Chromium, offline:
#   tests/web/run.sh     install what is missing, build, test
# The screenshots (100 % and each screen size) stay in build/web/.
set -euo pipefail
cd "$(dirname "$0")/../.."
# shellcheck source-path=SCRIPTDIR source=../../scripts/common.sh
source scripts/common.sh

# The browser, its WebDriver and Python's client for it, and the form font's
# metric twin, so captions measure as they do on a pupil's machine.
TEST_PACKAGES=(chromium chromium-driver python3-selenium fonts-liberation)
BUILD_DIR=build/web

./quiz.sh web
install_missing "${TEST_PACKAGES[@]}"
# The accessibility checker, at the version the lock file pins. Debian's npm
# only where no npm came with node.
command -v npm >/dev/null || install_missing npm
mkdir -p "$BUILD_DIR/npm"
cp tests/web/package.json tests/web/package-lock.json "$BUILD_DIR/npm/"
(cd "$BUILD_DIR/npm" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)

node "$BUILD_DIR/tests/web/form_probe.js" >"$BUILD_DIR/form.json"
# The shared game and the random run, with what each step must show.
scenario_tool=$BUILD_DIR/tests/scenario/scenario_tool.js
node "$scenario_tool" random >"$BUILD_DIR/random.txt"
head -n 1 "$BUILD_DIR/random.txt"
for run in tests/scenario/game.txt "$BUILD_DIR/random.txt"; do
  node "$scenario_tool" expect "$run" >"$BUILD_DIR/$(basename "$run" .txt).jsonl"
done
use_observations_dir
# Debian's Python: it is the one that has Debian's selenium.
/usr/bin/python3 tests/web/web_test.py "$BUILD_DIR/window/web/revolutions-quiz.html" \
  "$BUILD_DIR/form.json" "$BUILD_DIR/npm/node_modules/axe-core/axe.min.js" "$BUILD_DIR" \
  "$BUILD_DIR/game.jsonl" "$BUILD_DIR/random.jsonl"
