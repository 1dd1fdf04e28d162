# shellcheck shell=bash
# Shared by the tests that play the real program on a virtual screen, alone
# or under a tool (valgrind, strace). Source it with $probe set to x11_probe;
# it sets DISPLAY, screen_pid, window and quiz_status for the script that
# sources it. A script that sources it calls stop_started on its way out.
# shellcheck disable=SC2034,SC2154

# start_screen gives the test a private virtual screen; fail, the waits and
# stop_started come from there too.
# shellcheck source-path=SCRIPTDIR source=../../scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

# The program runs on this test's own X screen, whatever the caller's
# environment says: a platform plugin or a Wayland display inherited from
# it would take the window elsewhere, and the test would wait for nothing.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# A signal ends the script through its exit trap, which stops the rest.
trap 'exit 143' TERM INT HUP

# Runs the calling script again inside a D-Bus session of its own, as a
# desktop has one, bounded so that a stuck bus cannot hang the test:
#   in_own_session SECONDS "$0" "$@"
# Without a session bus the toolkit's accessibility start-up would try to
# launch one itself: it writes the bus's address into the home directory,
# and libdbus leaks on that path, which the sanitizers' build reports.
in_own_session() {
  local seconds=$1
  shift
  [ -n "${QUIZ_IN_SESSION:-}" ] && return 0
  exec timeout -k 5 "$seconds" dbus-run-session -- env QUIZ_IN_SESSION=1 "$@"
}

# Finds the window by the caption the program's table gives it, taken as
# it is, not as a pattern. A tool can slow the start a lot, hence the long wait.
find_quiz_window() {
  local caption
  # shellcheck disable=SC2016 # the dollar is sed's, not the shell's
  caption=$("$probe" title | sed 's/[][\.*^$()+?{}|]/\\&/g')
  find_window 120 --name "^$caption\$" || fail "no window appeared"
}

# Waits until the window is drawn: a slow start shows a blank window first.
wait_quiz_drawn() {
  local shot
  shot=$(mktemp --suffix=.png)
  wait_drawn "$window" "$shot" || fail "the window was not drawn"
  rm -f "$shot"
}

click() {
  local x y
  read -r x y < <("$probe" point "$1" "$2")
  xdotool mousemove --window "$window" "$x" "$y" click 1
}

# A fingerprint of what one control shows on screen.
look() { import -window "$window" -crop "$("$probe" rect "$1" "$2")" +repage ppm:- | md5sum; }

# Waits until the control looks different from (or, with "same", like) a
# fingerprint. The program handles clicks in order, so it has then handled
# every click sent before. The bound only keeps a stuck program from
# hanging the test.
looks() {
  local how=$1 before=$2 now
  now=$(look "$3" "$4")
  if [ "$how" = same ]; then [ "$now" = "$before" ]; else [ "$now" != "$before" ]; fi
}
wait_look() { poll 60 looks "$@" || fail "$3 $4 did not change"; }

# Picks a name and a country and presses Check; waits for the count the
# verdict must change: right when the two belong together, else wrong.
play_pair() {
  local counter=2 before
  [ "$1" = "$2" ] && counter=1
  before=$(look Label1 "$counter")
  click Option1 "$1"
  click Option2 "$2"
  click Command1 0
  wait_look different "$before" Label1 "$counter"
}

# Closes the window as a window manager would, waits for the program (a
# child of this shell) and sets quiz_status to its exit status.
close_window() {
  "$probe" close "$window"
  ended 120 "$1" || fail "the program did not end"
  quiz_status=$exit_code
}
