#!/usr/bin/env bash
# The real program on a virtual screen, played with real clicks:
#   e2e.sh PROGRAM X11_PROBE OUT_DIR
# The window must appear with its title and size; a right pair and Check must
# change what is on screen; closing the window must end the program with 0.
set -euo pipefail
program=$1 probe=$2 out=$3
# shellcheck source-path=SCRIPTDIR source=screen.sh
source "$(dirname "$0")/screen.sh"
in_own_session 90 "$0" "$@"
mkdir -p "$out"

start_screen 800x600x24
trap stop_started EXIT

"$program" &
quiz_pid=$!
find_quiz_window
title=$(xdotool getwindowname "$window")
[ "$title" = "$("$probe" title)" ] || fail "title is '$title'"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH"x"$HEIGHT" = "$("$probe" size)" ] || fail "window is ${WIDTH}x${HEIGHT}"
echo "window $window: '$title' ${WIDTH}x${HEIGHT}"

shot() { import -window "$window" "$out/$1.png"; }
crop() { convert "$out/$1.png" -crop "$("$probe" rect "$2" "$3")" +repage "$out/$1-$2$3.png"; }
differs() { ! compare -metric AE "$out/$1-$2$3.png" "$out/$4-$2$3.png" null: 2>/dev/null; }

wait_quiz_drawn
shot before
right=$(look Label1 1)
click Option1 9  # "Оранжева"
click Option2 9  # "Украйна 2004"
click Command1 0 # "Провери"
# The count, the verdict and the pair's buttons are drawn in one pass.
wait_look different "$right" Label1 1
shot after-right
for control in "Text1 0" "Label1 1" "Option1 9" "Option2 9"; do
  crop before $control
  crop after-right $control
  differs before $control after-right || fail "$control did not change on screen"
done
crop before Label1 2
crop after-right Label1 2
! differs before Label1 2 after-right || fail "the wrong-answer count changed"
echo "right pair: feedback, count and both buttons changed on screen"

close_window "$quiz_pid"
[ "$quiz_status" -eq 0 ] || fail "exit status $quiz_status"
echo "closed with exit status 0; screenshots in $out"
