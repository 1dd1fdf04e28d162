# shellcheck shell=bash
# Shared by the Windows tests (run.sh, msi.sh). The script that sources it
# sets tag (its name in messages), work (a scratch folder), logs (where setup
# logs stay) and SCREEN, and calls cleanup on its way out.
# shellcheck disable=SC2154

# as_root, install_missing and start_screen come from the project's shell file.
# shellcheck source-path=SCRIPTDIR source=../../scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

passed=0
failed=0
# Runs one test step; its output is shown, its exit code counted.
step() {
  local name=$1
  shift
  echo "== $name"
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAIL $name"
    failed=$((failed + 1))
  fi
}

# Reports a failed setup step in one line with the tail of its log, and
# stops: nothing after it could be trusted.
setup_failed() {
  local name=$1 log=$2
  echo "$tag: setup step '$name' failed; the end of $log:"
  tail -n 15 "$log" 2>/dev/null | sed 's/^/  | /'
  exit 1
}

# Runs one setup step with its output in a log of its own.
setup() {
  local name=$1 log=$logs/$1.log
  shift
  "$@" >"$log" 2>&1 || setup_failed "$name" "$log"
}

work=

# Ends Wine's processes and the virtual screen, and removes the scratch folder.
cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
  fi
  stop_screen
  if [ -n "$work" ]; then rm -rf "$work"; fi
}

# A fresh Wine prefix of the given kind (win32 or win64) in the scratch
# folder; Wine installs no browser engines into it and no menu entries here.
new_prefix() {
  export WINEPREFIX=$work/prefix WINEARCH=$1 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  setup wineboot "$WINE" wineboot.exe -i
}

# The test's virtual screen, of size SCREEN; a failure is a failed setup step.
start_wine_screen() {
  start_screen "$SCREEN" 2>"$logs/xvfb.log" || setup_failed Xvfb "$logs/xvfb.log"
}
