#!/usr/bin/env bash
# Builds the Windows program and tests it: its headers and resources, then the
# program itself under Wine on a virtual X screen, driven from outside.
#   tests/win32/run.sh          install what is missing, build, test
# The screenshots stay in build/windows/.
set -euo pipefail
cd "$(dirname "$0")/../.."

BUILD_PACKAGES=(cmake ninja-build python3 g++-mingw-w64-i686-win32 binutils-mingw-w64-i686)
TEST_PACKAGES=(python3-pefile wine wine32:i386 fonts-wine xvfb fonts-liberation xdotool
               imagemagick)
BUILD_DIR=build/windows
PROGRAM=$BUILD_DIR/window/win32/revolutions-quiz.exe
DRIVER=$BUILD_DIR/tests/win32/quiz_win32_driver.exe
SCREEN=1024x768x24
# Input goes through the X server and Wine before the program sees it.
INPUT_SETTLE_SECONDS=0.5

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs only the packages that are not there yet, and says which. Wine's
# 32-bit half needs Debian's i386 architecture.
install_missing() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "win32: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get -o DPkg::Lock::Timeout=600 update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q \
    --no-install-recommends "${missing[@]}"
}

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

check_objdump() {
  local headers
  headers=$(i686-w64-mingw32-objdump -p "$PROGRAM")
  grep -E 'file format|^Subsystem|DLL Name' <<<"$headers"
  grep -q 'file format pei-i386' <<<"$headers" &&
    grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" &&
    ! grep -iE 'DLL Name: (libstdc|libgcc|libwinpthread)' <<<"$headers"
}

# --- Wine ---------------------------------------------------------------------

work=
xvfb_pid=
app_pid=

cleanup() {
  if [ -n "$work" ]; then
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    rm -rf "$work"
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}

start_screen() {
  local display_file=$work/display
  Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp 3>"$display_file" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(cat "$display_file")"
}

# A fresh 32-bit prefix. Without a window manager Wine waits on closing a
# window unless it manages its windows itself; Debian's Wine finds its own
# Tahoma and Marlett only in the prefix; and where Windows has Times New
# Roman, this machine has its metric twin from fonts-liberation.
make_prefix() {
  export WINEPREFIX=$work/prefix WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  wineboot -i >"$work/wineboot.log" 2>&1
  cp /usr/share/wine/fonts/{tahoma,tahomabd,marlett}.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  cat >"$work/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"
REG
  wine regedit /S "$(winepath -w "$work/settings.reg")" >/dev/null 2>&1
  wineserver -w
}

driver() {
  wine "$DRIVER" "$1" | tee "$work/driver-$1.out"
}

start_program() {
  wine "$PROGRAM" &
  app_pid=$!
}

# The same layout at 144 dots per inch: every position and the font scale.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

keys() {
  # The pointer over the window gives it the keyboard: no window manager here.
  local centre
  centre=$(grep -o 'centred on the screen: [0-9]*,[0-9]*' "$work/driver-layout.out" |
    grep -o '[0-9]*,[0-9]*' | tr , ' ')
  # shellcheck disable=SC2086
  xdotool mousemove $centre
  # Escape first: in the text box it must not close the window.
  for key in Escape Tab Down Tab; do
    xdotool key "$key"
    sleep "$INPUT_SETTLE_SECONDS"
  done
  driver keys
}

# Real mouse clicks where the driver says: a disabled button, then an
# enabled one; the driver then checks that only the second was taken.
real_clicks() {
  local x y rest
  while read -r _ x y rest; do
    echo "xdotool click at $x,$y: $rest"
    xdotool mousemove "$x" "$y" click 1
    sleep "$INPUT_SETTLE_SECONDS"
  done < <(grep '^CLICK ' "$work/driver-play.out")
}

screenshot() {
  import -window root "$BUILD_DIR/$1" && echo "screenshot: $BUILD_DIR/$1"
}

# Closing the window must end the program with exit code 0.
close_and_wait() {
  driver close || return 1
  local code=0
  timeout 20 tail --pid="$app_pid" -f /dev/null || return 1
  wait "$app_pid" || code=$?
  echo "exit code $code"
  [ "$code" -eq 0 ]
}

run_under_wine() {
  work=$(mktemp -d)
  start_screen
  local started=$SECONDS
  make_prefix
  echo "win32: Wine prefix ready in $((SECONDS - started)) s"
  start_program
  step "layout" driver layout
  screenshot wine-start.png
  step "keyboard" keys
  step "play" driver play
  step "real clicks" real_clicks
  screenshot wine-playing.png
  step "after the clicks" driver after-click
  screenshot wine-finished.png
  step "close" close_and_wait
  set_dpi 144
  start_program
  step "layout at 144 dpi" driver layout
  screenshot wine-144dpi.png
  step "close at 144 dpi" close_and_wait
}

main() {
  install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
  cmake --preset windows -DQUIZ_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build --preset windows
  local version
  version=$(sed -n 's/.*VALUE "FileVersion", "\(.*\)".*/\1/p' "$BUILD_DIR/window/win32/resources.rc")
  step "PE headers (objdump)" check_objdump
  step "PE headers and resources (pefile)" /usr/bin/python3 tests/win32/check_pe.py "$PROGRAM" "$version"
  trap cleanup EXIT
  run_under_wine
  echo "win32: took $SECONDS s"
  echo "win32: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

main "$@"
