#!/usr/bin/env bash
# Runs every benchmark against a bench build and prints one table:
#   bench/run.sh BUILD_DIR
# RUNS (default 9) sets the alternating start-ups of each program, CLICKS
# (default 15) the clicks on "Провери" timed for a right and for a wrong pair.
# ./quiz.sh bench installs what is needed, builds and calls this.
set -euo pipefail
build=$1
runs=${RUNS:-9} clicks=${CLICKS:-15}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=../scripts/common.sh
source "$here/../scripts/common.sh"
work=$(mktemp -d)
mkdir -m 700 "$work/runtime"

trap 'stop_screen; rm -rf "$work"' EXIT
start_screen 800x600x24

# Both programs start from the same, bare environment. The session bus points
# nowhere, so neither spawns a bus or turns on its accessibility bridge.
clean_env=(env -i PATH=/usr/bin:/bin HOME="$work" LANG=C.UTF-8 DISPLAY="$DISPLAY"
           XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
           QT_QPA_PLATFORM=xcb)

echo "bench: core (Google Benchmark)..." >&2
"$build/bench/core_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/core.json" --benchmark_out_format=json >/dev/null 2>"$work/core.err" ||
  { cat "$work/core.err" >&2; exit 1; }
echo "bench: start-up and memory, $runs runs each..." >&2
"${clean_env[@]}" "$build/bench/startup_probe" "$runs" "$build/bench/floor_window" \
  "$build/window/qt/revolutions-quiz" >"$work/probes.txt"
echo "bench: $clicks clicks on Check for each of a right and a wrong pair..." >&2
"${clean_env[@]}" "$build/bench/click_probe" "$clicks" "$build/window/qt/revolutions-quiz" \
  >>"$work/probes.txt"

echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), Xvfb"
python3 "$here/table.py" "$work/core.json" "$work/probes.txt" "$runs" "$clicks"
