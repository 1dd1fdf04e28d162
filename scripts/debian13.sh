#!/usr/bin/env bash
# The README's test command on a fresh Debian 13 (trixie), as CI runs it:
#   scripts/debian13.sh
# Makes a fresh Debian 13 tree, clones the committed HEAD of this repository
# into it and runs `QUIZ_PRESET=ci ./quiz.sh test` there, as root. Where this
# machine runs 32-bit x86 code, the tree must play the 32-bit Windows program
# under 32-bit Wine (QUIZ_WINE_ARCH=win32): Debian 13 can install it, so
# that is where the 32-bit program is proven. Elsewhere the Windows test
# plays the 64-bit one and says why. QUIZ_WINE_ARCH, when set, is passed on
# as it is.
#
# The pristine tree (debootstrap's minimal variant) is kept in CACHE
# (default /var/cache/revolutions-quiz) and made again when it is a week
# old. Every run works in a fresh copy of it, never in an earlier run's tree:
# the test installs only what is missing, so a tree that kept an earlier
# run's packages, build or Wine prefix would hide a missing install step.
# What apt downloads is kept in CACHE too, so only the first run downloads
# much; apt checks every kept package against the fresh package lists, so
# the kept files change no result, only the time.
#
# The tree gets /proc, /dev and /dev/pts bound in and a private /tmp and
# /dev/shm, in a mount namespace of its own. On every way out (the end, a
# failure, Ctrl+C, TERM) the processes running in the tree are ended and
# everything mounted is unmounted before the copy is removed.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."
# shellcheck source-path=SCRIPTDIR source=common.sh
source scripts/common.sh

tag=${0##*/}
cache=${CACHE:-/var/cache/revolutions-quiz}
mirror=http://deb.debian.org/debian
refresh_days=7

# Mounting, chroot and debootstrap need root; the mounts stay in a private
# mount namespace, so nobody else sees them, even if this script is killed.
if [ "$(id -u)" -ne 0 ]; then exec sudo CACHE="$cache" "$self" "$@"; fi
if [ -z "${QUIZ_DEBIAN13_NAMESPACE:-}" ]; then
  QUIZ_DEBIAN13_NAMESPACE=1 exec unshare --mount --propagation private "$self" "$@"
fi

mkdir -p "$cache"
cache=$(realpath "$cache")
pristine=$cache/trixie

fail() {
  echo "$tag: $*" >&2
  exit 1
}

head_commit=$(git rev-parse HEAD)
install_missing debootstrap debian-archive-keyring binutils
mkdir -p "$cache/apt-archives/partial"
# One run at a time: a run removes what an interrupted one left.
exec {lock}>"$cache/lock"
flock -w 3600 "$lock" || fail "another run keeps $cache"
rm -rf --one-file-system "$cache"/run.* "$pristine.new"

# A fresh minimal Debian 13, as a new machine has it: the release with its
# updates and security lists, and a name for the loopback address.
make_pristine() {
  local new=$pristine.new
  echo "$tag: making a fresh Debian 13 tree in $pristine (debootstrap)"
  debootstrap --variant=minbase trixie "$new" "$mirror" >"$cache/debootstrap.log" 2>&1 || {
    tail -n 15 "$cache/debootstrap.log" >&2
    fail "debootstrap failed; see $cache/debootstrap.log"
  }
  cat >"$new/etc/apt/sources.list" <<EOF
deb $mirror trixie main
deb $mirror trixie-updates main
deb http://deb.debian.org/debian-security trixie-security main
EOF
  printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$new/etc/hosts"
  rm -rf "$pristine"
  mv "$new" "$pristine"
}

work=
# Ends every process whose root is the tree, then unmounts all in it and
# removes it. Only processes of this run have that root.
cleanup() {
  [ -n "$work" ] || return 0
  local signal pid root left
  for signal in TERM KILL; do
    left=
    for pid in /proc/[0-9]*; do
      root=$(readlink "$pid/root" 2>/dev/null) || continue
      [ "$root" = "$work" ] && kill -s "$signal" "${pid#/proc/}" 2>/dev/null && left=1
    done
    [ -n "$left" ] || break
    sleep 2
  done
  umount -R "$work" 2>/dev/null || umount -R -l "$work" 2>/dev/null || true
  rm -rf --one-file-system "$work"
  work=
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

started=$SECONDS
if [ ! -d "$pristine" ] || [ -n "$(find "$pristine" -maxdepth 0 -mtime +"$refresh_days")" ]; then
  make_pristine
fi
work=$(mktemp -d "$cache/run.XXXXXX")
# The copy is its own mount, so that one recursive unmount takes all.
chmod 755 "$work"
mount --bind "$work" "$work"
cp -a "$pristine/." "$work/"
mount --bind /proc "$work/proc"
mount --bind /dev "$work/dev"
mount --bind /dev/pts "$work/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$work/dev/shm"
mount -t tmpfs -o mode=1777 tmpfs "$work/tmp"
mount --bind "$cache/apt-archives" "$work/var/cache/apt/archives"
# The Windows program the tree must play: as asked, else the 32-bit one where
# this machine runs 32-bit code, else whichever the test finds it can.
wine_arch=${QUIZ_WINE_ARCH:-}
if [ -z "$wine_arch" ] && runs_32bit_code "$work/tmp/probe32"; then wine_arch=win32; fi
rm -rf "$work/tmp/probe32"
echo "$tag: the Windows test plays ${wine_arch:-the program it can}" \
  "(QUIZ_WINE_ARCH=${wine_arch:-unset})"

# The tree reaches the network as this machine does: by its resolver, and
# trusting the certificate authorities this machine trusts (behind a proxy
# that inspects TLS, that includes the proxy's own). Node takes them from
# the start, before the tree's own list of authorities is even installed.
cp /etc/resolv.conf "$work/etc/resolv.conf"
machine_cas=()
if [ -f /etc/ssl/certs/ca-certificates.crt ]; then
  mkdir -p "$work/usr/local/share/ca-certificates"
  cp /etc/ssl/certs/ca-certificates.crt "$work/usr/local/share/ca-certificates/this-machine.crt"
  machine_cas=(NODE_EXTRA_CA_CERTS=/usr/local/share/ca-certificates/this-machine.crt)
fi
git clone -q --no-checkout "$PWD" "$work/root/revolutions-quiz"
git -C "$work/root/revolutions-quiz" checkout -q --detach "$head_commit"
echo "$tag: Debian $(cat "$work/etc/debian_version") tree with ${head_commit:0:12} ready" \
  "in $((SECONDS - started)) s"

# A login's bare environment; the test installs all it needs itself. Run in
# the background, so that a signal reaches the traps at once.
chroot "$work" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  QUIZ_PRESET=ci QUIZ_WINE_ARCH="$wine_arch" "${machine_cas[@]}" \
  /bin/bash -c 'cd /root/revolutions-quiz && ./quiz.sh test && apt-get -q autoclean >/dev/null' &
status=0
wait $! || status=$?
[ "$status" -eq 0 ] || fail "./quiz.sh test failed on Debian 13 (exit status $status)"
echo "$tag: ./quiz.sh test passed on Debian 13; took $((SECONDS - started)) s"
