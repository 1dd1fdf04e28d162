#!/usr/bin/python3
"""Load time of the browser page against a floor page, in headless Chromium.

Usage: [RUNS=9] bench/web_load.py BUILD_DIR
BUILD_DIR is the web build after tests/web/run.sh (the page, and form.json
from the form probe). The floor page is written there: the quiz's title, size,
colour and font with one caption, and nothing else: no script, no WebAssembly.

Each load, from the start of navigation:
- first paint: the first paint of text or colour;
- quiz start: the quiz's WebAssembly instantiated;
- judged: a pick and Check judged. As soon as the document is parsed, the
  watch below clicks a right pair and Check, as a pupil who taps at once;
  they are judged when the live region tells the verdict (and the pair is
  then finished). The floor's is a click on its caption once parsed;
- ready: judged and painted, whichever comes later: a pupil taps only what
  is on the screen, and the floor is parsed before it is painted;
- busy: the time the page's main thread ran until ready, from a trace of the
  browser's own tasks, in thread time: steadier than the times above where
  other work shares the machine.
Floor and quiz load in turn, after one unmeasured load of each, RUNS times
each (at least 7), and as many again traced, as tracing slows the page; the
table gives the medians, their ratios against the targets, where the quiz's
main thread spent its time, and the page's size.
"""
import html
import json
import os
import statistics
import sys

from selenium.common.exceptions import TimeoutException

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from chromium import Chromium  # noqa: E402

# Runs in every page before its own scripts; time is from navigation start.
READY_WATCH = """
(() => {
  const Instance = WebAssembly.Instance;
  WebAssembly.Instance = function (module, imports) {
    if (window.startedAt === undefined) window.startedAt = performance.now();
    return new Instance(module, imports);
  };
  let ready;
  window.quizReady = new Promise(resolve => {
    ready = () => {
      if (window.readyAt !== undefined) return;
      window.readyAt = performance.now();
      performance.mark('judged');
      resolve();
    };
  });
  document.addEventListener('DOMContentLoaded', () => {
    const [name, place, check] = %s.map(id => document.getElementById(id));
    if (!check) {
      document.querySelector('.floor .caption').click();
      return ready();
    }
    new MutationObserver(ready).observe(document.querySelector('[role=status]'),
                                        {childList: true, characterData: true, subtree: true});
    for (const control of [name, place, check]) control.click();
  });
})();
"""
# Once ready and painted: ready, first paint, quiz start, in ms from
# navigation start, and whether the pair picked at once was judged right.
READ_TIMES = """
const done = arguments[arguments.length - 1];
const paint = () => performance.getEntriesByName('first-contentful-paint')[0];
const painted = new Promise(resolve => paint() ? resolve() : new PerformanceObserver(resolve)
                                                                .observe({type: 'paint'}));
Promise.all([window.quizReady, painted]).then(() => done(
    [window.readyAt, paint().startTime, window.startedAt === undefined ? null : window.startedAt,
     !!document.getElementById(arguments[0])?.disabled]));
"""
# What the trace records of the main thread's work, by what it was.
TRACE = ("toplevel,blink.user_timing,loading,devtools.timeline,"
         "disabled-by-default-devtools.timeline,v8,v8.wasm")
PHASES = (
    ("HTML parse", ("ParseHTML",)),
    ("script compile", ("v8.compile",)),
    ("WebAssembly compile", ("wasm.SyncCompile", "wasm.CompileLazy", "wasm.AsyncCompile",
                             "wasm.CompileAsync", "wasm.StartStreamingCompilation")),
    ("WebAssembly instantiate", ("wasm.SyncInstantiate", "wasm.AsyncInstantiate")),
    ("script run at parse", ("EvaluateScript", "v8.run")),
    ("script run later", ("FunctionCall", "v8.callFunction", "TimerFire", "FireAnimationFrame",
                          "RunMicrotasks", "BlinkScheduler_PerformMicrotaskCheckpoint",
                          "EventDispatch")),
    ("style and layout", ("UpdateLayoutTree", "Layout", "ParseAuthorStyleSheet")),
    ("paint", ("PrePaint", "Paint", "Layerize", "Commit")),
)
# What the page is to reach, against the floor page, and its largest size.
READY_TARGET, PAINT_TARGET, BUSY_TARGET, SIZE_TARGET = 1.25, 1.05, 1.5, 100_000


def floor_page(form):
    heading = next(r for r in form["controls"] if r["name"] == "Label1" and r["index"] == 0)
    return f"""<!DOCTYPE html>
<html lang="bg"><head><meta charset="utf-8"><title>{html.escape(form["caption"])}</title></head>
<body style="margin: 0"><div class="floor" style="width: {form["width"]}px;
height: {form["height"]}px; background: rgb{tuple(form["back"])};
font: 16px '{form["font"]}', 'Liberation Serif', serif"><span class="caption">{
html.escape(heading["text"])}</span></div></body></html>
"""


def trace_events(browser):
    events = []
    for entry in browser.driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Tracing.dataCollected":
            events += message["params"].get("value", [message["params"]])
    return events


def main_thread(events, url):
    """The load's main thread: the time it ran until ready, and that time split by phase.

    Thread time, not wall time: what the thread ran on a core, whatever else
    ran on the machine meanwhile. A task that straddles the start or ready
    counts by its share of wall time inside."""
    start = next(e for e in events if e["name"] == "navigationStart"
                 and e["args"].get("data", {}).get("documentLoaderURL") == url)
    thread = (start["pid"], start["tid"])
    navigation = start["args"]["data"]["navigationId"]
    judged = min(e["ts"] for e in events if e["name"] == "judged"
                 and (e["pid"], e["tid"]) == thread and e["ts"] >= start["ts"])
    painted = next(e["ts"] for e in events if e["name"] == "firstContentfulPaint"
                   and e["args"].get("data", {}).get("navigationId") == navigation)
    ready = max(judged, painted)
    work = sorted((e for e in events if (e["pid"], e["tid"]) == thread and e.get("ph") == "X"
                   and "tdur" in e and e["ts"] < ready and e["ts"] + e["dur"] > start["ts"]),
                  key=lambda e: (e["ts"], -e["dur"]))
    # Events nest; each one's own time is what its children leave of it.
    own, names, stack, busy = {}, {}, [], 0.0
    for n, e in enumerate(work):
        inside = (min(e["ts"] + e["dur"], ready) - max(e["ts"], start["ts"])) / max(e["dur"], 1)
        ran = e["tdur"] * inside
        while stack and stack[-1][1] <= e["ts"]:
            stack.pop()
        if stack:
            own[stack[-1][0]] -= ran
        else:
            busy += ran
        stack.append((n, e["ts"] + e["dur"]))
        own[n], names[n] = ran, e["name"]
    split = {phase: 0.0 for phase, _ in PHASES}
    phase_of = {name: phase for phase, members in PHASES for name in members}
    for n, us in own.items():
        if names[n] in phase_of:
            split[phase_of[names[n]]] += us / 1000
    split["other"] = busy / 1000 - sum(split.values())
    return busy / 1000, split


def load(browser, url, check_id):
    """One load: its times from the page, or, traced, the main thread's work from the trace."""
    browser.driver.get(url)
    try:
        told, paint, started, judged = browser.driver.execute_async_script(READ_TIMES, check_id)
    except TimeoutException:
        raise RuntimeError(f"{url}: not judged and painted within 10 s") from None
    if not browser.traced:
        return {"judged_at": told, "ready": max(told, paint), "paint": paint, "started": started,
                "judged": judged}
    browser.driver.get("about:blank")  # the trace holds the whole load
    busy, split = main_thread(trace_events(browser), url)
    return {"busy": busy, "split": split, "judged": judged}


def main():
    build = sys.argv[1]
    runs = max(7, int(os.environ.get("RUNS", "9")))
    with open(os.path.join(build, "form.json"), encoding="utf-8") as f:
        form = json.load(f)
    # A right pair, picked at once, and Check.
    pair = [f"{name}_0" for name in ("Option1", "Option2")]
    clicked = pair + [form["named"]["checkButton"]]
    quiz = os.path.abspath(os.path.join(build, "window", "web", "revolutions-quiz.html"))
    floor = os.path.abspath(os.path.join(build, "bench-floor.html"))
    with open(floor, "w", encoding="utf-8") as f:
        f.write(floor_page(form))
    pages = {"quiz": "file://" + quiz, "floor": "file://" + floor}

    # Timed loads first, then traced ones: tracing slows the page down.
    loads = {name: [{} for _ in range(runs)] for name in pages}
    for trace in (None, TRACE):
        browser = Chromium(trace=trace)
        browser.traced = bool(trace)
        try:
            browser.driver.set_script_timeout(10)
            browser.cdp("Page.addScriptToEvaluateOnNewDocument",
                        {"source": READY_WATCH % json.dumps(clicked)})
            for n in range(runs + 1):
                for name in ("floor", "quiz"):
                    measured = load(browser, pages[name], pair[0])
                    if name == "quiz" and not measured["judged"]:
                        raise RuntimeError("a pair picked while the page started was not judged")
                    if n:
                        loads[name][n - 1].update(measured)
        finally:
            browser.close()

    def median(name, what):
        return statistics.median(m[what] for m in loads[name])

    size = os.path.getsize(quiz)
    print(f"Machine: {os.cpu_count()} cores, headless Chromium, page from disk, offline")
    print(f"From navigation start ({runs} alternating loads of each, medians)")
    print(f"{'':28}{'quiz':>10}{'floor':>12}{'quiz/floor':>12}  target")
    for what, key, target in (("to first paint", "paint", PAINT_TARGET),
                              ("to pick and Check judged", "judged_at", None),
                              ("to ready", "ready", READY_TARGET),
                              ("main thread busy to ready", "busy", BUSY_TARGET)):
        quiz_ms, floor_ms = median("quiz", key), median("floor", key)
        ratio = quiz_ms / floor_ms
        print(f"  {what:26}{quiz_ms:>7.1f} ms{floor_ms:>9.1f} ms{ratio:>12.2f}" +
              (f"  <= {target:.2f} " + ("met" if ratio <= target else "MISSED") if target else ""))
    print(f"  {'to the quiz start':26}{median('quiz', 'started'):>7.1f} ms")
    for name in ("quiz", "floor"):
        ready = [m["ready"] for m in loads[name]]
        print(f"  {name} to ready, min-max{'':8}{min(ready):.1f}-{max(ready):.1f} ms")
    print("  the quiz's main thread until ready, by what it did (medians):")
    for phase in list(loads["quiz"][0]["split"]):
        print(f"    {phase:24}{statistics.median(m['split'][phase] for m in loads['quiz']):>7.2f} ms"
              f"{statistics.median(m['split'][phase] for m in loads['floor']):>9.2f} ms")
    print(f"  page size{'':19}{size / 1024:>7.1f} KiB  < {SIZE_TARGET // 1000} KB "
          f"{'met' if size < SIZE_TARGET else 'MISSED'}")


if __name__ == "__main__":
    main()
