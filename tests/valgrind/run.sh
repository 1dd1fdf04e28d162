#!/usr/bin/env bash
# The real program under memcheck on a virtual screen: it starts, a short game
# is played with real clicks and the window is closed.
#   run.sh PROGRAM X11_PROBE SUPPRESSIONS OUT_DIR
# Passes when memcheck reports no error and no definitely lost block, apart
# from the toolkit's own ones in SUPPRESSIONS.
set -euo pipefail
program=$1 probe=$2 suppressions=$3 out=$4
# shellcheck source-path=SCRIPTDIR source=../e2e/screen.sh
source "$(dirname "$0")/../e2e/screen.sh"
in_own_session 280 "$0" "$@"
mkdir -p "$out"
home=$(mktemp -d)
trap 'stop_started; rm -rf "$home"' EXIT
export HOME=$home XDG_RUNTIME_DIR=$home
start_screen 800x600x24

log=$out/memcheck.log
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=99 --suppressions="$suppressions" \
  --gen-suppressions=all --num-callers=40 --log-file="$log" "$program" &
quiz_pid=$!
find_quiz_window
wait_quiz_drawn
right=$(look Label1 1) wrong=$(look Label1 2)
play_pair 9 9  # "Оранжева" with "Украйна 2004"
play_pair 2 0  # "Мирна" with "Ливан 2005"
click Command1 1
wait_look same "$right" Label1 1
wait_look same "$wrong" Label1 2
echo "played a right pair, a wrong one and cleared"
close_window "$quiz_pid"

grep -A7 'HEAP SUMMARY' "$log" || true
grep 'ERROR SUMMARY' "$log" || fail "memcheck wrote no summary; see $log"
[ "$quiz_status" -ne 99 ] || fail "memcheck found errors or leaks; see $log"
[ "$quiz_status" -eq 0 ] || fail "exit status $quiz_status"
grep -q 'ERROR SUMMARY: 0 errors' "$log" || fail "memcheck found errors; see $log"
if grep -q 'definitely lost:' "$log"; then
  grep -q 'definitely lost: 0 bytes' "$log" || fail "memory definitely lost; see $log"
fi
echo "memcheck: no errors, nothing definitely lost"
