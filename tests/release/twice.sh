#!/usr/bin/env bash
# Two releases of the committed HEAD, as two machines would make them: each in
# a clone of its own, in another folder, the second at least a minute after
# the first, with another umask, time zone and locale. Fails unless their
# SHA256SUMS are the same; where they differ, diffoscope says how the first
# file that differs does. Then the first release's files: their sums check,
# lintian finds no error or warning in the Debian package, and msiinfo and
# msidump read the installer.
set -euo pipefail
cd "$(dirname "$0")/../.."
# shellcheck source-path=SCRIPTDIR source=../../scripts/common.sh
source scripts/common.sh
install_missing git lintian msitools diffoscope-minimal

repo=$PWD
commit=$(git rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# release DIR UMASK TZ LOCALE: clones HEAD into DIR and releases it there.
release() {
  local dir=$1 started=$SECONDS
  (
    umask "$2"
    export TZ=$3 LC_ALL=$4
    git clone -q --no-local --no-checkout "$repo" "$dir"
    git -C "$dir" checkout -q --detach "$commit"
    "$dir/quiz.sh" release
  )
  echo "twice: release in $dir (umask $2, TZ=$3, LC_ALL=$4) took $((SECONDS - started)) s"
}

first=$work/first/revolutions-quiz
second=$work/second/somewhere/else/quiz
started=$SECONDS
release "$first" 022 UTC C.UTF-8
# The second starts at least a minute after the first.
sleep $((started + 61 - SECONDS > 0 ? started + 61 - SECONDS : 0))
release "$second" 077 America/St_Johns C

echo "twice: the first release's files:"
(cd "$first/dist" && ls -l -- * && cat SHA256SUMS)
if ! cmp -s "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
  diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS" || true
  while read -r _ file; do
    cmp -s "$first/dist/$file" "$second/dist/$file" && continue
    echo "twice: $file differs; diffoscope:"
    diffoscope --no-progress --text - "$first/dist/$file" "$second/dist/$file" | head -n 300 || true
    break
  done <"$first/dist/SHA256SUMS"
  fail "two releases of $commit differ"
fi
echo "twice: both releases of $commit are the same, byte for byte"

(cd "$first/dist" && sha256sum --quiet -c SHA256SUMS)
lintian --fail-on error,warning "$first"/dist/*.deb || fail "lintian found errors or warnings"
msiinfo suminfo "$first"/dist/*.msi >/dev/null
# msidump writes the tables' binary fields into the current folder.
mkdir "$work/tables"
(cd "$work/tables" && msidump -t -s "$first"/dist/*.msi >/dev/null)
echo "twice: the sums check, lintian is content, msiinfo and msidump read the installer"
