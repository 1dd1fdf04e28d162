# shellcheck shell=bash
# What the project's shell scripts share: running a command as root,
# installing the Debian packages that are missing, and a private virtual
# screen. Source it; it only defines functions.

# Runs a command as root: directly when we are root, else through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the named packages that are not installed yet, and says
# which. A name with an architecture (wine32:i386) first makes Debian take
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
