#!/usr/bin/python3
"""Load time of the browser page against a floor page, in headless Chromium.

Usage: [RUNS=9] bench/web_load.py BUILD_DIR
BUILD_DIR is the web build after tests/web/run.sh (the page, and form.json
from the form probe). The floor page is written there: the quiz's title, size,
colour and font with one caption, and nothing else: no script, no WebAssembly.

A load lasts from the start of navigation to the page being ready: once the
page's scripts have run (the document parsed), a click on one of the quiz's 24
radio buttons taken by the quiz (checked, and made its group's Tab stop, which
only the quiz's own script does), or a click on the floor's caption. Beside it,
the time to the first paint of text or colour. Floor and quiz load in turn,
after one unmeasured load of each, RUNS times each (at least 7); the table
gives the medians, their ratios against the targets and the page's size.
"""
import html
import json
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from chromium import Chromium  # noqa: E402

# Runs in every page before its own scripts; time is from navigation start.
# The quiz's controls are in its markup before its script runs: a click is
# taken only once the quiz has made the clicked button, out of the Tab order
# until then, its group's Tab stop.
READY_WATCH = """
document.addEventListener('DOMContentLoaded', () => {
  const radios = [...document.querySelectorAll('input[type=radio]')];
  const target = radios.length === 24 ? radios.find(r => r.tabIndex < 0) :
                                        document.querySelector('.floor .caption');
  target.click();
  if (target.type !== 'radio' || target.checked && target.tabIndex > 0)
    window.readyAt = performance.now();
});
"""
# What the page is to reach, against the floor page, and its largest size.
READY_TARGET, PAINT_TARGET, SIZE_TARGET = 1.25, 1.10, 100_000


def floor_page(form):
    heading = next(r for r in form["controls"] if r["name"] == "Label1" and r["index"] == 0)
    return f"""<!DOCTYPE html>
<html lang="bg"><head><meta charset="utf-8"><title>{html.escape(form["caption"])}</title></head>
<body style="margin: 0"><div class="floor" style="width: {form["width"]}px;
height: {form["height"]}px; background: rgb{tuple(form["back"])};
font: 16px '{form["font"]}', 'Liberation Serif', serif"><span class="caption">{
html.escape(heading["text"])}</span></div></body></html>
"""


# Ready, then the first paint of text or colour, in ms from navigation start.
READ_TIMES = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
return window.readyAt === undefined || !paint ? null : [window.readyAt, paint.startTime];
"""


def load_ms(browser, url):
    browser.driver.get(url)
    for _ in range(500):
        times = browser.driver.execute_script(READ_TIMES)
        if times:
            return times
        time.sleep(0.01)
    raise RuntimeError(f"{url} never became ready")


def main():
    build = sys.argv[1]
    runs = max(7, int(os.environ.get("RUNS", "9")))
    with open(os.path.join(build, "form.json"), encoding="utf-8") as f:
        form = json.load(f)
    quiz = os.path.abspath(os.path.join(build, "window", "web", "revolutions-quiz.html"))
    floor = os.path.abspath(os.path.join(build, "bench-floor.html"))
    with open(floor, "w", encoding="utf-8") as f:
        f.write(floor_page(form))
    pages = {"quiz": "file://" + quiz, "floor": "file://" + floor}

    browser = Chromium()
    try:
        browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": READY_WATCH})
        times = {name: [] for name in pages}
        for n in range(runs + 1):
            for name in ("floor", "quiz"):
                measured = load_ms(browser, pages[name])
                if n:
                    times[name].append(measured)
    finally:
        browser.close()

    size = os.path.getsize(quiz)
    print(f"Machine: {os.cpu_count()} cores, headless Chromium, page from disk, offline")
    print(f"From navigation start ({runs} alternating loads of each, medians)")
    print(f"{'':24}{'quiz':>12}{'floor':>12}{'quiz/floor':>12}  target")
    for column, what, target in ((0, "to ready", READY_TARGET),
                                 (1, "to first paint", PAINT_TARGET)):
        quiz_ms, floor_ms = (statistics.median(t[column] for t in times[name])
                             for name in ("quiz", "floor"))
        ratio = quiz_ms / floor_ms
        print(f"  {what:22}{quiz_ms:>9.1f} ms{floor_ms:>9.1f} ms{ratio:>12.2f}  <= {target:.2f} "
              + ("met" if ratio <= target else "MISSED"))
    for name in ("quiz", "floor"):
        ready = [t[0] for t in times[name]]
        print(f"  {name} to ready, min-max{'':4}{min(ready):.1f}-{max(ready):.1f} ms")
    print(f"  page size{'':15}{size / 1024:>9.1f} KiB  < {SIZE_TARGET // 1000} KB "
          f"{'met' if size < SIZE_TARGET else 'MISSED'}")


if __name__ == "__main__":
    main()
