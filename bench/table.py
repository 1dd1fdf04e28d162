#!/usr/bin/env python3
"""Prints the benchmark table from Google Benchmark's JSON and the probes'
lines: table.py CORE_JSON PROBES_TXT RUNS CLICKS"""
import json
import sys

START_TARGET, MEMORY_TARGET, CHECK_TARGET_MS = 1.15, 1.10, 16.0


def core_rows(path):
    with open(path, encoding="utf-8") as f:
        report = json.load(f)
    for b in report["benchmarks"]:
        if b.get("aggregate_name") == "median":
            yield b["run_name"], b["real_time"], b["time_unit"]


def probe_lines(path):
    figures = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            kind, name, *values = line.split()
            figures[(kind, name)] = [float(v) for v in values]
    return figures


def verdict(ok):
    return "met" if ok else "MISSED"


def main(core_json, probes_txt, runs, clicks):
    p = probe_lines(probes_txt)
    print("Core, do-nothing view (median of 5 repetitions)")
    for name, time, unit in core_rows(core_json):
        label = f"{name} (169 checks)" if name == "SweepAllPicks" else name
        print(f"  {label:<30} {time:>10.1f} {unit}")
    quiz, floor = p[("startup", "quiz")], p[("startup", "floor")]
    qm, fm = p[("memory", "quiz")][0] / 1024, p[("memory", "floor")][0] / 1024
    print(f"\nReal program under Xvfb ({runs} alternating runs of each)")
    print(f"  {'':<30} {'quiz':>18} {'floor':>18} {'quiz/floor':>10}  target")
    ratio = quiz[0] / floor[0]
    print(f"  {'start-up to painted, median':<30} {quiz[0]:>15.1f} ms {floor[0]:>15.1f} ms "
          f"{ratio:>10.3f}  <= {START_TARGET:.2f} {verdict(ratio <= START_TARGET)}")
    print(f"  {'  min-max':<30} {quiz[1]:>10.1f}-{quiz[2]:<4.1f} ms {floor[1]:>10.1f}-{floor[2]:<4.1f} ms")
    ratio = qm / fm
    print(f"  {'peak memory (max RSS), median':<30} {qm:>14.1f} MiB {fm:>14.1f} MiB "
          f"{ratio:>10.3f}  <= {MEMORY_TARGET:.2f} {verdict(ratio <= MEMORY_TARGET)}")
    print(f"\nClick on Check to verdict on screen ({clicks} clicks each)")
    for name in ("right", "wrong"):
        median, worst = p[("check", name)]
        print(f"  {name + ' pair':<30} median {median:>6.2f} ms, max {worst:>6.2f} ms"
              f"  <= {CHECK_TARGET_MS:.0f} ms {verdict(median <= CHECK_TARGET_MS)}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4])
