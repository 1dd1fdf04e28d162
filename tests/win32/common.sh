# shellcheck shell=bash
# Shared by the Windows tests (run.sh, msi.sh). The script that sources it
# sets tag (its name in messages), work (a scratch folder), logs (where setup
# logs stay) and SCREEN, and calls cleanup on its way out.
# shellcheck disable=SC2154

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs only the packages that are not there yet, and says which. A
# package index that fails to download (a mirror in mid-sync) is reported
# but does not stop the install: the lists already there may serve.
install_missing() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "$tag: installing ${missing[*]}"
  as_root apt-get -o DPkg::Lock::Timeout=600 update -q ||
    echo "$tag: apt-get update failed for some package lists; going on"
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

# Whether this machine runs 32-bit x86 code, found by running some: a tiny
# static program that only exits with 42. A kernel without IA-32 emulation
# refuses to start it.
runs_32bit_code() {
  local dir=$work/probe32
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
  local code=0
  "$dir/exit" 2>"$dir/run.log" || code=$?
  [ "$code" -eq 42 ]
}

work=
xvfb_pid=

# Ends Wine's processes and the virtual screen, and removes the scratch folder.
cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$work" ]; then rm -rf "$work"; fi
}

start_screen() {
  local display_file=$work/display
  Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp 3>"$display_file" 2>"$logs/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$display_file" ] || setup_failed Xvfb "$logs/xvfb.log"
  DISPLAY=":$(cat "$display_file")"
  export DISPLAY
}
