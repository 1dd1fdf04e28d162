#!/usr/bin/python3
"""What every edition showed in the shared game and the random run, step by
step, against the model and against each other.

Usage: compare.py SCENARIO_TOOL DIR

SCENARIO_TOOL prints what each step must show (`expect`) and the random run
for QUIZ_SEED (`random`); DIR holds each edition's RUN-EDITION.jsonl, as its
driver wrote it. Prints one line a run and edition; exit status 1 if an
edition is missing or differs anywhere, with the first step that differs.
"""
import json
import os
import subprocess
import sys

EDITIONS = ("qt", "win32", "web")
GAME = os.path.join(os.path.dirname(os.path.abspath(__file__)), "game.txt")


def tool(command, *args):
    return subprocess.run(command + list(args), check=True, capture_output=True,
                          text=True).stdout


def steps(text, key):
    return [json.loads(line)[key] for line in text.splitlines() if line.strip()]


def first_difference(got, wanted):
    for step, (a, b) in enumerate(zip(got, wanted)):
        if a != b:
            fields = sorted(k for k in b if a.get(k) != b.get(k))
            return f"step {step}: {', '.join(f'{k} {a.get(k)!r} (expected {b[k]!r})' for k in fields)}"
    if len(got) != len(wanted):
        return f"{len(got)} steps, expected {len(wanted)}"
    return None


def main():
    command, directory = sys.argv[1].split(), sys.argv[2]
    random_run = tool(command, "random")
    print(random_run.splitlines()[0].lstrip("# "))
    random_path = os.path.join(directory, "random.txt")
    with open(random_path, "w", encoding="utf-8") as f:
        f.write(random_run)
    failed = False
    for run, scenario in (("game", GAME), ("random", random_path)):
        expected = steps(tool(command, "expect", scenario), "expected")
        shown = {}
        for edition in EDITIONS:
            path = os.path.join(directory, f"{run}-{edition}.jsonl")
            if not os.path.exists(path):
                print(f"{run}: {edition} FAILED: it wrote no {path}")
                failed = True
                continue
            with open(path, encoding="utf-8") as f:
                shown[edition] = steps(f.read(), "observed")
            difference = first_difference(shown[edition], expected)
            others = [e for e in shown if e != edition and shown[e] != shown[edition]]
            verdict = "as the model" if not difference else f"FAILED at {difference}"
            print(f"{run}: {edition}, {len(shown[edition]) - 1} actions, {verdict}"
                  + (f"; differs from {', '.join(others)}" if others else ""))
            failed = failed or bool(difference or others)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
