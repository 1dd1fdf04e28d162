#!/usr/bin/env bash
# Builds the Windows programs, 32-bit and 64-bit, and tests them: the headers
# and resources of both, then one of them under Wine on a virtual X screen,
# driven from outside: the shared scenario and the seeded random run
# (QUIZ_SEED replays another), whose observations go to QUIZ_OBSERVATIONS_DIR
# (build/observations by default) as game-win32.jsonl and random-win32.jsonl.
#   tests/win32/run.sh                        install what is missing, build, test
#   QUIZ_WINE_ARCH=win64 tests/win32/run.sh   play the 64-bit program even where
#                                             the 32-bit one could run
#   QUIZ_WINE_ARCH=win32 tests/win32/run.sh   play the 32-bit one or fail
# The 32-bit program is played where this machine runs 32-bit x86 code and
# 32-bit Wine can be installed; elsewhere the 64-bit one, under wine64. The
# screenshots and Wine's logs stay in build/windows/.
set -euo pipefail
cd "$(dirname "$0")/../.."
tag=win32
# shellcheck source-path=SCRIPTDIR source=common.sh
source tests/win32/common.sh

BUILD_PACKAGES=(cmake ninja-build python3 python3-pefile binutils
                g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
                g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64)
TEST_PACKAGES=(wine wine64 fonts-wine xvfb fonts-liberation xdotool imagemagick)
WINE32_PACKAGE=wine32:i386
OUT_DIR=build/windows
SCREEN=1024x768x24
# Input goes through the X server and Wine before the program sees it.
INPUT_SETTLE_SECONDS=0.5

# Both programs are built and checked every time; these are the one played.
program_of() { echo "build/$1/window/win32/revolutions-quiz.exe"; }
driver_of() { echo "build/$1/tests/win32/quiz_win32_driver.exe"; }

# The checks of a program file need no execution, so both programs get them.
check_program() {
  local preset=$1 arch=$2 program version
  program=$(program_of "$preset")
  version=$(sed -n 's/.*VALUE "FileVersion", "\(.*\)".*/\1/p' \
    "build/$preset/window/win32/resources.rc")
  step "$arch: PE headers and resources (pefile)" \
    /usr/bin/python3 tests/win32/check_pe.py "$program" "$version" "$arch"
}

# --- Which program to play ------------------------------------------------------

# 32-bit Wine needs Debian's i386 architecture, which install_missing adds.
# If the install fails, the architecture is taken back out, so that a broken
# i386 package list does not fail every later apt-get update here.
install_wine32() {
  local had_i386=
  dpkg --print-foreign-architectures | grep -qx i386 && had_i386=1
  install_missing "$WINE32_PACKAGE" >"$logs/install-wine32.log" 2>&1 && return 0
  [ -n "$had_i386" ] || as_root dpkg --remove-architecture i386 2>/dev/null || true
  return 1
}

# Sets wine_arch, preset and the Wine loader for the program to play, and
# says which and why.
choose_program() {
  local wanted=${QUIZ_WINE_ARCH:-} why
  case "$wanted" in
    win64) why="QUIZ_WINE_ARCH=win64 asks for it" ;;
    win32 | "")
      if ! runs_32bit_code "$work/probe32"; then
        why="this machine runs no 32-bit x86 code (a 32-bit test program: $(cat \
          "$work/probe32/run.log" 2>/dev/null || true))"
      elif ! install_wine32; then
        why="32-bit Wine ($WINE32_PACKAGE) could not be installed; see $logs/install-wine32.log"
      fi
      if [ -n "${why:-}" ] && [ "$wanted" = win32 ]; then
        echo "win32: QUIZ_WINE_ARCH=win32, but $why"
        exit 1
      fi
      ;;
    *)
      echo "win32: QUIZ_WINE_ARCH is win32, win64 or unset, not '$wanted'"
      exit 2
      ;;
  esac
  if [ -n "${why:-}" ]; then
    wine_arch=win64 preset=windows64 WINE=/usr/lib/wine/wine64
    echo "win32: playing the 64-bit program under wine64: $why"
  else
    wine_arch=win32 preset=windows WINE=/usr/lib/wine/wine
    echo "win32: playing the 32-bit program under 32-bit Wine: this machine runs 32-bit code"
  fi
  # Wine's helpers start the loader they were started with.
  export WINELOADER=$WINE
}

# --- Wine ---------------------------------------------------------------------

app_pid=
observations=

# The prefix's settings: without a window manager Wine waits on closing a
# window unless it manages its windows itself; where Windows has Times New
# Roman, this machine has its metric twin from fonts-liberation.
write_settings() {
  cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"
REG
}

# A fresh prefix of the chosen kind. Debian's Wine finds its own Tahoma and
# Marlett only in the prefix.
make_prefix() {
  new_prefix "$wine_arch"
  [ -d "$WINEPREFIX/drive_c/windows/Fonts" ] ||
    setup_failed "prefix (no drive_c/windows/Fonts)" "$logs/wineboot.log"
  setup fonts cp /usr/share/wine/fonts/{tahoma,tahomabd,marlett}.ttf \
    "$WINEPREFIX/drive_c/windows/Fonts/"
  write_settings >"$work/settings.reg"
  setup settings "$WINE" regedit.exe /S "$("$WINE" winepath.exe -w "$work/settings.reg")"
  setup wineserver wineserver -w
}

# The driver gets the observations' folder as Windows names it.
driver() {
  QUIZ_DPI=$dpi QUIZ_OBSERVATIONS_DIR=$observations "$WINE" "$(driver_of "$preset")" "$1" |
    tee "$work/driver-$1.out"
}

start_program() {
  "$WINE" "$(program_of "$preset")" &
  app_pid=$!
}

# The same layout at 144 dots per inch: every position and the font scale.
# The driver is told the dpi, so that it checks the window against it. Wine
# 10 gives the screen the dpi it reads when it first lists the displays after
# its server started, so the server must end before the program starts again;
# Wine 8 reads the setting in each new process.
dpi=96
set_dpi() {
  dpi=$1
  setup dpi "$WINE" reg.exe add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$1" /f
  setup "wineserver-dpi" wineserver -w
}

# Real mouse clicks where the driver says: a disabled button, then an
# enabled one; the driver then checks that only the second was taken.
real_clicks() {
  local x y rest
  while read -r _ x y rest; do
    echo "xdotool click at $x,$y: $rest"
    xdotool mousemove "$x" "$y" click 1
    sleep "$INPUT_SETTLE_SECONDS"
  done < <(grep '^CLICK ' "$work/driver-clicks.out")
}

screenshot() {
  import -window root "$OUT_DIR/$1" && echo "screenshot: $OUT_DIR/$1"
}

# Closing the window must end the program with exit code 0.
close_and_wait() {
  driver close && ended 20 "$app_pid" || return 1
  echo "exit code $exit_code"
  [ "$exit_code" -eq 0 ]
}

run_under_wine() {
  start_wine_screen
  local started=$SECONDS
  make_prefix
  echo "win32: $wine_arch Wine prefix ready in $((SECONDS - started)) s"
  use_observations_dir
  observations=$("$WINE" winepath.exe -w "$QUIZ_OBSERVATIONS_DIR" | tr -d "\r")
  start_program
  step "layout" driver layout
  screenshot wine-start.png
  step "shared scenario" driver scenario <tests/scenario/game.txt
  screenshot wine-game.png
  step "count captions fit" driver fit
  step "close" close_and_wait
  start_program
  step "random run" driver random
  screenshot wine-random.png
  step "close after the random run" close_and_wait
  set_dpi 144
  start_program
  step "layout at 144 dpi" driver layout
  step "a right pair at 144 dpi" driver clicks
  step "real clicks" real_clicks
  step "after the real clicks" driver after-clicks
  screenshot wine-144dpi.png
  step "accessibility events" driver events
  step "count captions fit at 144 dpi" driver fit
  step "close at 144 dpi" close_and_wait
}

main() {
  install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
  cmake --workflow --preset windows
  cmake --workflow --preset windows64
  check_program windows x86
  check_program windows64 amd64
  work=$(mktemp -d)
  logs=$OUT_DIR/wine-logs
  rm -rf "$logs" && mkdir -p "$logs"
  trap cleanup EXIT
  choose_program
  run_under_wine
  echo "win32: played the $wine_arch program; took $SECONDS s"
  echo "win32: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

main "$@"
