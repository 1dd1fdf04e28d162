#!/usr/bin/env bash
# The real program traced by strace on a virtual screen while a whole game is
# played with real clicks and the window is closed:
#   run.sh PROGRAM X11_PROBE OUT_DIR
# Passes when the program wrote no file and reached no socket but the X
# display's and the session's D-Bus buses (see check_trace.py).
set -euo pipefail
program=$1 probe=$2 out=$3
here=$(dirname "$0")
# shellcheck source-path=SCRIPTDIR source=../e2e/screen.sh
source "$here/../e2e/screen.sh"
in_own_session 280 "$0" "$@"
mkdir -p "$out"
rm -f "$out"/trace.*
# A fresh, empty home: anything the program would write there counts. The
# fonts' cache is not a reason to write, since the font packages build the
# system-wide one when they are installed.
home=$(mktemp -d)
trap 'stop_started; rm -rf "$home"' EXIT
export HOME=$home XDG_RUNTIME_DIR=$home/runtime
unset XDG_CACHE_HOME XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_screen 800x600x24

strace -f -ff -qq -e trace=%file,%network -o "$out/trace" "$program" &
quiz_pid=$!
find_quiz_window
wait_quiz_drawn
for pair in $(seq 0 11); do play_pair "$pair" "$pair"; done
echo "played all twelve pairs"
close_window "$quiz_pid"
[ "$quiz_status" -eq 0 ] || fail "exit status $quiz_status"

# The bus address reads unix:path=/tmp/dbus-...,guid=... (or abstract=).
bus=$(sed -E 's/^unix:(path|abstract)=([^,;]*).*/\2/' <<<"$DBUS_SESSION_BUS_ADDRESS")
# The accessibility bus, which a screen reader's desktop starts, lives in
# the runtime directory.
python3 "$here/check_trace.py" --allow-socket "/tmp/.X11-unix/X${DISPLAY#:}" \
  --allow-socket "$bus" --allow-socket-dir "$XDG_RUNTIME_DIR/at-spi" "$out"/trace.*
