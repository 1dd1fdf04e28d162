#!/usr/bin/env bash
# The real program on a virtual screen, read and played only the way a screen
# reader does it, through AT-SPI:
#   run.sh PROGRAM SCRIPT X11_PROBE SCENARIO_TOOL SCENARIO [orca]
# Starts a virtual screen and a private D-Bus session with the accessibility
# bus, with "orca" the screen reader Orca too, then the program, then SCRIPT
# (Python with pyatspi), which takes the texts it expects from X11_PROBE and
# plays SCENARIO with what SCENARIO_TOOL says each step must show. SCRIPT's
# exit status is the result; everything started here is stopped on the way
# out.
set -euo pipefail
program=$1 script=$2 probe=$3 scenario_tool=$4 scenario=$5
# shellcheck source-path=SCRIPTDIR source=../e2e/screen.sh
source "$(dirname "$0")/../e2e/screen.sh"
in_own_session 90 "$0" "$@"

runtime_dir=$(mktemp -d)
trap 'stop_started; rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR=$runtime_dir

start_screen 800x600x24

/usr/libexec/at-spi-bus-launcher --launch-immediately &
# Asking for the bus's address would start a second launcher by activation;
# wait for this one to own its name instead.
launched=
for _ in $(seq 100); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
  then launched=1; break; fi
  sleep 0.1
done
[ -n "$launched" ] || fail "the accessibility bus did not start"

if [ "${6:-}" = orca ]; then
  # shellcheck source-path=SCRIPTDIR source=orca.sh
  source "$(dirname "$0")/orca.sh"
  start_orca "$runtime_dir"
  export QUIZ_ORCA_LOG=$orca_log
fi

# Qt bridges to AT-SPI only when it believes a screen reader runs; say so.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
quiz_pid=$!

"$scenario_tool" expect "$scenario" >"$runtime_dir/steps.jsonl"
# Debian's pyatspi belongs to the system Python, not to another one on PATH.
status=0
timeout -k 5 60 /usr/bin/python3 "$script" "$probe" "$runtime_dir/steps.jsonl" || status=$?
kill -0 "$quiz_pid" 2>/dev/null || fail "the program ended during the test"
exit "$status"
