# shellcheck shell=bash
# What the project's shell scripts share: running a command as root,
# installing the Debian packages that are missing, and a private virtual
# screen, waiting for what a test waits on, and stopping what a script
# started. Source it; it only defines functions.

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the named packages that are not installed yet, and says
# which; fails when one of them cannot be installed. A name with an architecture (wine32:i386) first makes Debian take
# packages of that architecture.
install_missing() {
  local missing=() pkg arch
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "${0##*/}: installing ${missing[*]}"
  for pkg in "${missing[@]}"; do
    [[ $pkg == *:* ]] || continue
    arch=${pkg##*:}
    [ "$arch" = "$(dpkg --print-architecture)" ] ||
      dpkg --print-foreign-architectures | grep -qx "$arch" ||
      as_root dpkg --add-architecture "$arch"
  done
  # A package list that fails to download (a mirror in mid-sync) does not
  # stop the install: the lists already here may serve, and if they do not,
  # the install below says what is missing.
  as_root apt-get -o DPkg::Lock::Timeout=600 update -q ||
    echo "${0##*/}: some package lists could not be updated; going on with those there are"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -q \
    --no-install-recommends "${missing[@]}"
}

# Starts a private virtual screen (Xvfb) and exports DISPLAY for it:
#   start_screen [WIDTHxHEIGHTxDEPTH]      default 800x600x24
# The server's pid is then in screen_pid; stop_screen ends it (call it from
# the caller's EXIT trap). The server picks a free display number itself.
# When it does not come up within 10 s, says why on stderr and returns 1.
start_screen() {
  local size=${1:-800x600x24} log number fd
  log=$(mktemp)
  exec {fd}< <(exec Xvfb -displayfd 1 -screen 0 "$size" -nolisten tcp 2>"$log")
  screen_pid=$!
  if ! read -r -t 10 number <&"$fd"; then
    echo "${0##*/}: the virtual screen (Xvfb) did not start:" >&2
    cat "$log" >&2
    rm -f "$log"
    stop_screen
    return 1
  fi
  rm -f "$log"
  export DISPLAY=":$number"
}

# Ends the virtual screen that start_screen started, if any.
stop_screen() {
  [ -n "${screen_pid:-}" ] && kill "$screen_pid" 2>/dev/null
  screen_pid=
  return 0
}

# Where each edition's driver keeps what it showed in the shared runs, for
# their comparison: QUIZ_OBSERVATIONS_DIR, by default build/observations of
# the repository (the current folder); made if missing, and exported.
use_observations_dir() {
  export QUIZ_OBSERVATIONS_DIR=${QUIZ_OBSERVATIONS_DIR:-$PWD/build/observations}
  mkdir -p "$QUIZ_OBSERVATIONS_DIR"
}

# Stops the script with a message, named after the script, on stderr.
fail() {
  echo "${0##*/}: $*" >&2
  exit 1
}

# Runs a command every tenth of a second until it succeeds, for at most
# SECONDS; returns 1 if it never did:   poll SECONDS COMMAND [ARG...]
poll() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to SECONDS for a visible window that xdotool's search finds and
# sets window to it; returns 1 if none came:
#   find_window SECONDS --pid PID | --name PATTERN | --class NAME
find_window() {
  local seconds=$1
  shift
  window=$(timeout "$seconds" xdotool search --sync --onlyvisible "$@" 2>/dev/null |
    head -n 1) || true
  [ -n "$window" ]
}

# Waits up to a minute until the window is drawn, and keeps its screenshot in
# SHOT: more than the one or two colours of a window not yet painted, and the
# same pixels twice in a row. Returns 1 if it never was.
wait_drawn() {
  local window=$1 shot=$2 now before=
  for _ in $(seq 600); do
    if import -window "$window" "$shot" 2>/dev/null; then
      now=$(identify -format '%k %#' "$shot")
      [ "${now%% *}" -gt 2 ] && [ "$now" = "$before" ] && return 0
      before=$now
    fi
    sleep 0.1
  done
  return 1
}

# Waits up to SECONDS for a child process of this shell to end and sets
# exit_code to its exit status; returns 1 if it is still running:
#   ended SECONDS PID
# shellcheck disable=SC2034 # exit_code is the caller's
ended() {
  timeout "$1" tail --pid="$2" -f /dev/null || return 1
  exit_code=0
  wait "$2" || exit_code=$?
}

# Prints every process the given one started, deepest first.
descendants() {
  local child
  for child in $(pgrep -P "$1"); do
    descendants "$child"
    echo "$child"
  done
}

# Stops every process this script started, deepest first, so that a program
# ends before the tool it runs under (strace leaves a traced program running
# when it is stopped alone) and before its screen; what does not end within
# 5 s is killed.
stop_started() {
  local pids pid
  pids=$(descendants $$)
  [ -n "$pids" ] || return 0
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  # shellcheck disable=SC2086 # one process a word
  poll 5 all_ended $pids && return 0
  for pid in $pids; do kill -9 "$pid" 2>/dev/null || true; done
}

# Whether none of the given processes runs any more.
all_ended() {
  local pid
  for pid in "$@"; do ! kill -0 "$pid" 2>/dev/null || return 1; done
}

# Whether this machine runs 32-bit x86 code, found by running some: a tiny
# static program, made in DIR, that only exits with 42. A kernel without
# IA-32 emulation refuses to start it; DIR/run.log then says why. Needs the
# assembler and linker of binutils.
runs_32bit_code() {
  local dir=$1 code=0
  mkdir -p "$dir"
  cat >"$dir/exit.s" <<'ASM'
.globl _start
_start:
  movl $1, %eax
  movl $42, %ebx
  int $0x80
ASM
  as --32 -o "$dir/exit.o" "$dir/exit.s" && ld -m elf_i386 -o "$dir/exit" "$dir/exit.o" ||
    return 1
  "$dir/exit" 2>"$dir/run.log" || code=$?
  [ "$code" -eq 42 ]
}
