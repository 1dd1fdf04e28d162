#!/usr/bin/env bash
# Builds the Windows Installer package and tests it: its tables and times read
# back with msiinfo, then, under 64-bit Wine in a fresh prefix, a silent install, the
# same install again and a silent removal that must leave nothing of ours.
# Where this machine runs 32-bit code and 32-bit Wine is installed, the
# installed program is started once and its window looked for. The installer's
# logs stay in build/windows/msi-logs/.
set -euo pipefail
cd "$(dirname "$0")/../.."
tag=msi
# shellcheck source-path=SCRIPTDIR source=common.sh
source tests/win32/common.sh

PACKAGES=(cmake ninja-build python3 binutils g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
          wixl msitools gcab wine64 xvfb xdotool imagemagick)
WINE32_PACKAGE=wine32:i386
BUILD=build/windows/window/win32
MSI=$BUILD/revolutions-quiz.msi
PROGRAM=$BUILD/revolutions-quiz.exe
ICON=build/windows/assets/icons/hamburger.ico
OUT_DIR=build/windows
SCREEN=1024x768x24
# A 32-bit package on 64-bit Windows: the files go to the 32-bit Program
# Files, the entry in the installed programs to the 32-bit registry view.
PROGRAM_FILES="C:\\Program Files (x86)"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Windows Installer's own folder and keys: the first package on a machine
# makes them, and they stay, empty, when it is removed.
INSTALLER_OWN=(
  'drive_c/windows/Installer'
  'HKLM\Software\Classes\Installer\Features'
  'HKLM\Software\Classes\Installer\Products'
  'HKLM\Software\Classes\Installer\UpgradeCodes'
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UpgradeCodes'
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UserData\S-1-5-18\Components'
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Installer\UserData\S-1-5-18\Products'
  'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
)
WINE=/usr/lib/wine/wine64
export WINELOADER=$WINE

# --- The package's tables -----------------------------------------------------

table() { msiinfo export "$MSI" "$1" | tail -n +4 | tr -d '\r'; }
# Column $3 of the row of table $1 whose key is $2.
field() { table "$1" | awk -F'\t' -v key="$2" -v col="$3" '$1 == key { print $col }'; }
property() { field Property "$1" 2; }
# A text of the program's own version record.
version_record() { sed -n "s/.*VALUE \"$1\", \"\(.*\)\".*/\1/p" "$BUILD/resources.rc"; }

expect() {
  local what=$1 got=$2 wanted=$3
  if [ "$got" = "$wanted" ]; then
    echo "ok   $what: $got"
  else
    echo "FAIL $what: $got (expected $wanted)"
    return 1
  fi
}

check_tables() {
  local version upgrade_code file_id shortcut ok=0
  # The version as the build took it from the changelog.
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
  upgrade_code=$(sed -n 's/^set(QUIZ_UPGRADE_CODE \(.*\))$/{\1}/p' \
    window/win32/installer/Installer.cmake)
  file_id=$(table File | cut -f1)
  shortcut=$(table Shortcut | cut -f2,3,5,9 | tr '\t' '|')
  table Property | sed 's/^/  /'
  expect ProductName "$(property ProductName)" "$(version_record ProductName)" || ok=1
  expect ProductVersion "$(property ProductVersion)" "$version" || ok=1
  expect Manufacturer "$(property Manufacturer)" "$(version_record CompanyName)" || ok=1
  expect UpgradeCode "$(property UpgradeCode)" "$upgrade_code" || ok=1
  expect "ALLUSERS (per machine)" "$(property ALLUSERS)" 1 || ok=1
  expect "the one file and its size" "$(field File "$file_id" 3) $(field File "$file_id" 4)" \
    "$(basename "$PROGRAM") $(stat -c %s "$PROGRAM")" || ok=1
  expect "its folder's parent" "$(field Directory INSTALLDIR 2)" ProgramFilesFolder || ok=1
  expect "shortcut: folder|name|target|icon" "$shortcut" \
    "ProgramMenuFolder|$(property ProductName)|[#$file_id]|$(property ARPPRODUCTICON)" || ok=1
  return $ok
}

# The build's time, not the time of the build: the summary information's
# and the cabinet's (whose times step by two seconds).
check_times() {
  local ok=0 summary built
  summary=$(TZ=UTC msiinfo suminfo "$MSI")
  built=$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%a %b %e %H:%M:%S %Y')
  expect "created" "$(sed -n 's/^Created: //p' <<<"$summary")" "$built" || ok=1
  expect "last saved" "$(sed -n 's/^Last saved: //p' <<<"$summary")" "$built" || ok=1
  msiinfo extract "$MSI" quiz.cab >"$work/quiz.cab"
  expect "the cabinet's file time" "$(TZ=UTC gcab -l -v "$work/quiz.cab" | awk '{ print $3, $4 }')" \
    "$(TZ=UTC date -d "@$((SOURCE_DATE_EPOCH / 2 * 2))" '+%F %T')" || ok=1
  return $ok
}

# --- Wine ---------------------------------------------------------------------

make_prefix() {
  # No menu entries on this machine for the shortcuts made in the prefix.
  new_prefix win64
  setup wineserver wineserver -w
  # Wine finishes setting up the prefix (its virtual input devices, the
  # desktop's colours) the first time a program starts on it; removing the
  # package before it is installed gets that done before the first snapshot.
  "$WINE" msiexec.exe /x "$(windows_path "$MSI")" /qn >"$logs/settle.log" 2>&1 || true
  setup wineserver wineserver -w
}

windows_path() { "$WINE" winepath.exe -w "$1" 2>/dev/null; }
unix_path() { "$WINE" winepath.exe -u "$1" 2>/dev/null; }

# run_msiexec ACTION LOG: silent, with a verbose log; exit code 0 wanted.
run_msiexec() {
  local code=0
  "$WINE" msiexec.exe "$1" "$(windows_path "$MSI")" /qn /l*v "$(windows_path "$logs/$2.log")" ||
    code=$?
  wineserver -w
  echo "msiexec $1 /qn: exit code $code (log $logs/$2.log)"
  [ "$code" -eq 0 ]
}

# The prefix's files and registry keys, one a line, sorted.
snapshot() {
  (cd "$WINEPREFIX" && find drive_c | sort) >"$work/$1.files"
  { sed -n 's/^\[\(.*\)\] [0-9]*$/HKLM\\\1/p' "$WINEPREFIX/system.reg"
    sed -n 's/^\[\(.*\)\] [0-9]*$/HKCU\\\1/p' "$WINEPREFIX/user.reg"; } |
    sed 's/\\\\/\\/g' | sort >"$work/$1.keys"
}

# What snapshot $2 holds that snapshot $1 does not.
added() { cat <(comm -13 "$work/$1.files" "$work/$2.files") <(comm -13 "$work/$1.keys" "$work/$2.keys"); }

# reg_value KEY NAME [/reg:32]: one value, read with Windows' own reg.exe.
reg_value() {
  local file=$work/value.reg
  rm -f "$file"
  "$WINE" reg.exe export "$1" "$(windows_path "$file")" /y ${3:+"$3"} >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' |
    sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p" | sed 's/\\\\/\\/g'
}

# The installer's value of a folder property, from its verbose log.
logged_property() { tr -d '\r' <"$logs/install.log" | sed -n "s/^Property(S): $1 = //p" | head -n 1; }

check_installed() {
  local name code program menu shortcut icon entry ok=0
  name=$(property ProductName)
  code=$(property ProductCode)
  program="$PROGRAM_FILES\\$(field Directory INSTALLDIR 3)\\$(basename "$PROGRAM")"
  menu=$(logged_property ProgramMenuFolder)
  shortcut="$(unix_path "$menu")$name.lnk"
  # Windows Installer keeps the icon that the shortcut and the entry show.
  icon="$(logged_property WindowsFolder)Installer\\$code\\$(property ARPPRODUCTICON)"
  echo "program file: $(unix_path "$program")"
  if cmp "$(unix_path "$program")" "$PROGRAM"; then echo "ok   the program file is the one built"; else ok=1; fi
  echo "icon: $(unix_path "$icon")"
  if cmp "$(unix_path "$icon")" "$ICON"; then echo "ok   the icon is the program's"; else ok=1; fi
  echo "shortcut: $shortcut"
  expect "the shortcut's target" "$(strings -a "$shortcut" | grep -xF "$program")" "$program" || ok=1
  expect "the shortcut's icon" "$(strings -a -el "$shortcut" | grep -cF "$icon")" 1 || ok=1
  expect "ALLUSERS in the installer's log" "$(logged_property ALLUSERS)" 1 || ok=1
  if [ "$menu" != "$(logged_property CommonAppDataFolder)Microsoft\\Windows\\Start Menu\\Programs\\" ]; then
    echo "note: this Wine puts the shortcuts of a per-machine package in the user's Start menu" \
      "($menu); Windows puts them in the common one"
  fi
  for entry in "DisplayName=$name" "DisplayVersion=$(property ProductVersion)" \
    "Publisher=$(property Manufacturer)"; do
    expect "installed programs: ${entry%%=*}" \
      "$(reg_value "$UNINSTALL_KEY\\$code" "${entry%%=*}" /reg:32)" "${entry#*=}" || ok=1
  done
  return $ok
}

# Installing the same package again changes no file and no key.
check_reinstall() {
  run_msiexec /i reinstall || return 1
  snapshot reinstalled
  local changed
  changed=$(diff <(cat "$work/installed".{files,keys}) <(cat "$work/reinstalled".{files,keys})) || true
  if [ -n "$changed" ]; then
    echo "$changed"
    return 1
  fi
  echo "ok   nothing changed"
}

check_removed() {
  run_msiexec /x remove || return 1
  snapshot removed
  local left
  left=$(added fresh removed |
    grep -vxF -f <(printf '%s\n' "${INSTALLER_OWN[@]}") -f "$work/program-run.added") || true
  if [ -n "$left" ]; then
    echo "left behind:"
    echo "$left"
    return 1
  fi
  echo "ok   no file, folder or registry key of ours is left"
}

# Where 32-bit code runs and 32-bit Wine is there, the installed program is
# started from where the package put it, and its window looked for.
why_not_start() {
  if ! runs_32bit_code "$work/probe32"; then
    echo "this machine runs no 32-bit x86 code"
  elif ! dpkg-query -W -f='${Status}' "$WINE32_PACKAGE" 2>/dev/null |
    grep -q 'install ok installed'; then
    echo "32-bit Wine ($WINE32_PACKAGE) is not installed"
  fi
}

start_installed() {
  local program app window
  program="$PROGRAM_FILES\\$(field Directory INSTALLDIR 3)\\$(basename "$PROGRAM")"
  start_wine_screen
  "$WINE" "$program" &
  app=$!
  # Wine names a window's class after its program file.
  find_window 60 --class "$(basename "$PROGRAM")" || return 1
  echo "window $window: $(xdotool getwindowname "$window")"
  wait_drawn "$window" "$OUT_DIR/msi-installed.png" &&
    echo "screenshot: $OUT_DIR/msi-installed.png"
  "$WINE" taskkill.exe /im "$(basename "$PROGRAM")"
  ended 20 "$app" || return 1
  echo "exit code $exit_code"
  [ "$exit_code" -eq 0 ]
}

main() {
  install_missing "${PACKAGES[@]}"
  # The package takes its times from the commit, as a release's does.
  SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
  export SOURCE_DATE_EPOCH
  cmake --workflow --preset windows
  [ -f "$MSI" ] || { echo "msi: the build wrote no $MSI"; exit 1; }
  echo "msi: $MSI, $(stat -c %s "$MSI") bytes"
  work=$(mktemp -d)
  logs=$OUT_DIR/msi-logs
  rm -rf "$logs" && mkdir -p "$logs"
  trap cleanup EXIT
  unset DISPLAY
  step "the package's tables" check_tables
  step "the package's times" check_times
  make_prefix
  snapshot fresh
  step "silent install" run_msiexec /i install
  snapshot installed
  step "installed: file, shortcut, installed programs" check_installed
  step "the same install again" check_reinstall
  # What Wine itself makes while the program runs is not the installer's.
  local skipped=0 why
  why=$(why_not_start)
  if [ -z "$why" ]; then
    step "the installed program's window" start_installed
    snapshot program-run
    added reinstalled program-run >"$work/program-run.added"
  else
    echo "msi: not starting the installed 32-bit program: $why"
    skipped=1
    : >"$work/program-run.added"
  fi
  step "silent removal" check_removed
  if [ "$skipped" -eq 0 ]; then
    echo "msi: $passed passed, $failed failed"
  else
    echo "msi: $passed passed, $failed failed, $skipped skipped"
  fi
  [ "$failed" -eq 0 ]
}

main "$@"
