#!/usr/bin/python3
"""The browser page in headless Chromium, met as a pupil and a screen reader meet it.

Usage: web_test.py PAGE.html FORM.json AXE.js OUT_DIR STARTING.jsonl RUN.jsonl...

FORM.json is the form probe's print of the table; every expected caption,
place and colour comes from there. AXE.js is the accessibility checker
axe-core, run on the page at the start and after a game in both layouts.
Each RUN.jsonl is a scenario as the scenario tool prints it: each step's
action, the control it clicks and what the page must then show, from the
real quiz and the editions' shared rules. STARTING.jsonl is one of clicks
only, made while the page starts, before its quiz has attached. Input is real (WebDriver actions
and the DevTools protocol's touch events); the page is read as it is shown
(visible text, computed styles, boxes) and through the accessibility tree.
Screenshots at 100 %, before the page's script ran and at each screen size,
axe's findings, and what the page showed at each step of each run
(RUN-web.jsonl, for the comparison of all editions), go to OUT_DIR, the
latter to QUIZ_OBSERVATIONS_DIR where that is set.
"""
import json
import os
import sys
import traceback

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from chromium import DESKTOP, Chromium

# The screens a pupil meets: CSS pixels, device pixels to a CSS pixel, a
# finger or a mouse; the least height of an option row there (None: the
# table's own); whether the whole quiz is on one screen. Zoom to 400 % on a
# 1280 x 800 screen leaves the page 320 x 200 CSS pixels, each of 4 device
# pixels. A screen narrower than the form, or touched, gets the layout for
# fingers.
FINGER, LEAST = 44, 24  # the platforms' touch target; WCAG 2.5.8's least target
TEXT = 16  # CSS px: the least text size on any screen, also the form's own font
SIZES = (
    # name       width height scale touch  row     one screen
    ("320x568",    320,  568,    2, True,  LEAST,  True),
    ("360x640",    360,  640,    3, True,  LEAST,  True),
    ("640x360",    640,  360,    3, True,  LEAST,  False),  # a phone on its side
    ("768x1024",   768, 1024,    2, True,  FINGER, True),
    ("1024x768",  1024,  768,    1, True,  LEAST,  True),   # a touch screen on a desk
    ("1280x800",  1280,  800,    1, False, None,   True),
    ("zoom400",    320,  200,    4, False, LEAST,  False),
)
TOUCH_GAME = "360x640"  # where the first run is played again with a finger
# axe-core's rules for WCAG 2.2 AA and its best practices. Each layout may
# break only what the design fixes: the positive tab indexes of its tab
# order, and for a mouse its 20 px option rows.
AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
AXE_ALLOWED = {"desktop": {"tabindex", "target-size"}, "touch": {"tabindex"}}
PLAYED_WITHOUT_FROMBASE64 = 12  # steps of the first run
KEYS = {"tab": (Keys.TAB,), "shift+tab": (Keys.SHIFT, Keys.TAB), "up": (Keys.ARROW_UP,),
        "down": (Keys.ARROW_DOWN,), "left": (Keys.ARROW_LEFT,), "right": (Keys.ARROW_RIGHT,),
        "space": (Keys.SPACE,), "enter": (Keys.ENTER,), "escape": (Keys.ESCAPE,)}

# What a pupil meets, read in one go, as every edition's driver reads it: the
# message box with CR LF, the counts, the checked and disabled option buttons,
# the focus and what the live region told last.
READ_STATE = """
const radios = [...document.querySelectorAll('input[type=radio]')];
const named = what => document.getElementById(arguments[0][what]);
const focus = document.activeElement;
return {feedback: named('feedbackBox').value.replaceAll('\\n', '\\r\\n'),
        right: named('rightCount').textContent, wrong: named('wrongCount').textContent,
        checked: radios.filter(r => r.checked).map(r => r.id).sort(),
        disabled: radios.filter(r => r.disabled).map(r => r.id).sort(),
        focus: focus && focus !== document.body ? focus.id : '',
        told: document.querySelector('[role=status]').textContent};
"""
# Where each control lies in the form, its back colour and its shown caption.
READ_CONTROLS = """
const form = document.querySelector('.form').getBoundingClientRect();
return Object.fromEntries(arguments[0].map(id => {
  const control = document.getElementById(id);
  const box = control.type === 'radio' ? control.parentElement : control;
  const r = box.getBoundingClientRect();
  const back = getComputedStyle(box, box.matches('.frame') ? '::before' : null).backgroundColor;
  const caption = box.querySelector('.caption') || box;
  const centre = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
  return [id, {rect: [r.x - form.x, r.y - form.y, r.width, r.height], back: back,
               text: control.tagName === 'TEXTAREA' ? control.value : caption.innerText,
               shown: box.checkVisibility(), onTop: box.contains(centre)}];
}));
"""
# Captions that run past an edge of their box, at whatever scale.
READ_CUT_CAPTIONS = """
return [...document.querySelectorAll('.caption, .label-box, .command')].filter(e => {
  const box = (e.closest('.option') || e).getBoundingClientRect();
  const range = document.createRange(); range.selectNodeContents(e);
  const text = range.getBoundingClientRect();
  return text.left < box.left - 0.5 || text.right > box.right + 0.5 ||
         text.top < box.top - 0.5 || text.bottom > box.bottom + 0.5 ||
         e.scrollWidth > e.clientWidth;
}).map(e => e.textContent);
"""
# The layout on a screen: each option row's height, the smallest text, the
# page's scrolling extent against the viewport, and the controls that stand
# outside it (sideways only, unless the whole quiz is to be on one screen).
READ_LAYOUT = """
const page = document.documentElement, oneScreen = arguments[0];
const shown = [...document.querySelectorAll('.row > *, .option')].filter(e => e.checkVisibility());
const texts = [...document.querySelectorAll('.caption, .label-box, .command, .textbox')];
return {rows: [...document.querySelectorAll('.option')].map(e => e.getBoundingClientRect().height),
        text: Math.min(...texts.filter(e => e.checkVisibility())
                                .map(e => parseFloat(getComputedStyle(e).fontSize))),
        scroll: [page.scrollWidth, page.clientWidth, page.scrollHeight, page.clientHeight],
        scrolled: [scrollX, scrollY],
        outside: shown.filter(e => {
          const r = e.getBoundingClientRect();
          return r.left < -0.5 || r.right > page.clientWidth + 0.5 ||
                 oneScreen && (r.top < -0.5 || r.bottom > page.clientHeight + 0.5);
        }).map(e => e.id || e.querySelector('input').id)};
"""


def element_id(row):
    return row["name"] if row["index"] < 0 else f"{row['name']}_{row['index']}"


def shown(text):
    """A text as a text box or the visible text gives it back: LF for CR LF."""
    return text.replace("\r\n", "\n")


class PageTest(Chromium):
    def __init__(self, page, form, axe, out_dir, starting, runs):
        super().__init__()
        self.starting = starting
        self.url = "file://" + os.path.abspath(page)
        self.form, self.out_dir, self.runs = form, out_dir, runs
        with open(axe, encoding="utf-8") as f:
            self.axe = f.read()
        self.rows = {element_id(r): r for r in form["controls"]}
        self.named = form["named"]
        # Each shown control's caption at the start, the counts as the model
        # says, as the page shows it.
        start = next(iter(runs.values()))[0]["expected"]
        counts = {self.named["rightCount"]: start["right"], self.named["wrongCount"]: start["wrong"]}
        self.start, self.captions = start, {e: shown(counts.get(e, r["text"]))
                                            for e, r in self.rows.items() if r["visible"]}
        self.failures, self.notes, self.axe_found = [], [], []
        self.tapping = False  # clicks are taps of a finger

    def expect(self, what, got, wanted):
        if got != wanted and isinstance(got, dict) and isinstance(wanted, dict):
            got, wanted = ({k: v for k, v in d.items() if got.get(k) != wanted.get(k)}
                           for d in (got, wanted))
        if got != wanted:
            self.failures.append(f"{what}: got {got!r}, expected {wanted!r}")

    def load(self):
        self.driver.get(self.url)  # the page builds itself while it loads
        self.next_frame()

    def next_frame(self):
        """Waits until the page has laid itself out for the next frame."""
        self.driver.execute_async_script(
            "requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")

    def state(self):
        return self.driver.execute_script(READ_STATE, self.named)

    def click(self, element_id):
        """A real click, or tap, near the far right end of the control's box."""
        control = self.driver.find_element(By.ID, element_id)
        box = control.find_element(By.XPATH, "..") if control.tag_name == "input" else control
        if not self.tapping:
            ActionChains(self.driver).move_to_element_with_offset(
                box, box.size["width"] // 2 - 3, 0).click().perform()
            return
        r = self.driver.execute_script(
            "arguments[0].scrollIntoView({block: 'nearest'});"
            "return arguments[0].getBoundingClientRect().toJSON()", box)
        point = {"x": r["right"] - 4, "y": r["top"] + r["height"] / 2}
        for kind, points in (("touchStart", [point]), ("touchEnd", [])):
            self.cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def emulate(self, width, height, scale, touch):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": touch})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": touch})
        self.tapping = touch

    def keys(self, *keys):
        chain = ActionChains(self.driver)
        for key in keys[:-1]:
            chain.key_down(key)
        chain.send_keys(keys[-1])
        for key in reversed(keys[:-1]):
            chain.key_up(key)
        chain.perform()

    def play(self, name, steps, log=None):
        """Each step's action, then what the page shows against what it must."""
        for step in steps:
            if step["target"]:
                self.click(step["target"])
            elif step["action"]:
                self.keys(*KEYS[step["action"]])
            got = self.state()
            if log:
                log.write(json.dumps({"step": step["step"], "action": step["action"],
                                      "observed": got}, ensure_ascii=False) + "\n")
            self.expect(f"{name} step {step['step']} ({step['action'] or 'start'}), web",
                        got, step["expected"])

    # --- the checks -------------------------------------------------------
    def check_axe(self, where, layout):
        """axe-core on the page as it is: only what the design fixes may be found."""
        self.driver.execute_script(self.axe)
        # A target too close to its neighbours axe leaves to review rather
        # than failing it: here that is a finding too.
        got = self.driver.execute_async_script("""
            const count = results => Object.fromEntries(results.map(r => [r.id, r.nodes.length]));
            axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}}).then(r => {
              const found = count(r.violations), review = count(r.incomplete);
              if (review['target-size']) found['target-size'] = review['target-size'];
              arguments[1]({found: found, review: review});
            });""", AXE_TAGS)

        def listed(counts):
            return ", ".join(f"{rule} {n}" for rule, n in sorted(counts.items())) or "nothing"
        found = got["found"]
        self.axe_found.append(f"{where} ({layout}): {listed(found)}; to review: "
                              f"{listed(got['review'])}")
        self.expect(f"axe, {where}: rules broken", sorted(set(found) - AXE_ALLOWED[layout]), [])
        # The positive tab indexes are always there: a check that finds them
        # has read the page.
        self.expect(f"axe, {where}: finds the positive tab indexes", "tabindex" in found, True)

    def check_start_state(self, scripted=True):
        """After a reload, the start state exactly as the table gives it."""
        self.driver.refresh()  # what a browser may restore, it restores on a reload
        if scripted:  # without its script, no frame callback runs and none is needed
            self.next_frame()
        where = "start" if scripted else "start, no script"
        driver, form = self.driver, self.form
        # The title as written: the browser's own reading drops the last blank.
        for what, script, wanted in (
                ("title", "document.querySelector('title').textContent", form["caption"]),
                ("language", "document.documentElement.lang", "bg"),
                ("font", "getComputedStyle(document.querySelector('.form')).fontFamily"
                 ".split(',')[0].replaceAll('\"', '')", form["font"]),
                ("message box scrolled",
                 f"document.getElementById('{self.named['feedbackBox']}').scrollTop", 0)):
            self.expect(what, driver.execute_script("return " + script), wanted)
        self.expect("cut captions", driver.execute_script(READ_CUT_CAPTIONS), [])
        got = driver.execute_script(READ_CONTROLS, list(self.rows))
        for element, row in self.rows.items():
            g = got[element]
            self.expect(f"{element} shown", g["shown"], row["visible"])
            if not row["visible"]:
                continue
            self.expect(f"{element} place", [round(v) for v in g["rect"]], row["rect"])
            self.expect(f"{element} on top", g["onTop"], True)
            self.expect(f"{element} text", g["text"], self.captions[element])
            if row["back"]:
                self.expect(f"{element} colour", g["back"], "rgb({}, {}, {})".format(*row["back"]))
        # Without its script the page focuses nothing: the script gives the
        # focus to the control marked for it, so that no screen scrolls to it.
        wanted = self.start if scripted else {**self.start, "focus": ""}
        self.expect(f"{where}: state", self.state(), wanted)
        self.expect(f"{where}: marked for the focus", driver.execute_script(
            "return document.querySelector('[data-focus]').id"), self.start["focus"])
        if scripted:  # axe, too, needs the page's timers
            self.check_axe(where, "desktop")
        driver.save_screenshot(os.path.join(
            self.out_dir, "web-screenshot.png" if scripted else "web-before-script.png"))

    def check_before_script(self):
        """Before its script runs, the page shows the start state: it is built from the table."""
        self.cdp("Emulation.setScriptExecutionDisabled", {"value": True})
        try:
            self.driver.get(self.url)
            self.check_start_state(scripted=False)
            self.expect("the page's script ran", self.driver.execute_script(
                "return typeof Module"), "undefined")
        finally:
            self.cdp("Emulation.setScriptExecutionDisabled", {"value": False})

    def check_starting(self):
        """While the quiz starts, the page is painted, and what the pupil presses then counts."""
        # The quiz's start held: its WebAssembly compiles only when the test says.
        held = self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
            const compile = WebAssembly.compile;
            WebAssembly.compile = (...args) => new Promise(resolve => {
              window.releaseQuiz = () => resolve(compile.apply(WebAssembly, args));
            });"""})
        try:
            self.load()
        finally:
            self.cdp("Page.removeScriptToEvaluateOnNewDocument", held)
        d = self.driver
        self.expect("the quiz held at its start", d.execute_script(
            "return typeof releaseQuiz"), "function")
        if self.failures:
            return
        self.expect("painted while the quiz starts", d.execute_async_script("""
            const done = arguments[0];
            new PerformanceObserver(list => done(list.getEntries().map(e => e.name)))
                .observe({type: 'paint', buffered: true});"""), ["first-paint",
                                                                "first-contentful-paint"])
        self.expect("before the quiz started: state", self.state(), self.start)
        for step in self.starting:
            self.click(step["target"])
        d.save_screenshot(os.path.join(self.out_dir, "web-while-starting.png"))
        d.execute_script("releaseQuiz()")
        self.next_frame()
        self.expect("once the quiz started: state", self.state(), self.starting[-1]["expected"])
        # Unheld, the quiz starts only once a frame has been drawn.
        watch = self.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
            requestAnimationFrame(() => setTimeout(() => { window.drawn = true; }));
            const Instance = WebAssembly.Instance;
            WebAssembly.Instance = function (...args) {
              window.drawnAtStart = !!window.drawn;
              return new Instance(...args);
            };"""})
        try:
            self.load()
        finally:
            self.cdp("Page.removeScriptToEvaluateOnNewDocument", watch)
        self.expect("a frame drawn before the quiz started", d.execute_script(
            "return window.drawnAtStart"), True)

    def check_scenarios(self):
        """Each run step by step as the model says, the first by touch too; a reload starts afresh."""
        _, width, height, scale, touch, _, _ = next(s for s in SIZES if s[0] == TOUCH_GAME)
        first = next(iter(self.runs))
        plays = [(name, steps, None) for name, steps in self.runs.items()]
        for name, steps, screen in plays + [(first, self.runs[first], TOUCH_GAME)]:
            layout = "touch" if screen else "desktop"
            if screen:
                self.emulate(width, height, scale, touch)
            self.load()
            if screen:
                self.play(f"{name} by touch at {screen}", steps)
            else:
                logs = os.environ.get("QUIZ_OBSERVATIONS_DIR") or self.out_dir
                with open(os.path.join(logs, f"{name}-web.jsonl"), "w", encoding="utf-8") as log:
                    self.play(name, steps, log)
            self.next_frame()
            self.expect(f"{name}, {layout}: cut captions at the end",
                        self.driver.execute_script(READ_CUT_CAPTIONS), [])
            self.check_accessibility(steps[-1]["expected"])
            self.check_axe(f"after {name}", layout)
        self.emulate(DESKTOP["width"], DESKTOP["height"], DESKTOP["deviceScaleFactor"], False)
        self.check_start_state()

    def check_accessibility(self, shows):
        """Names, roles and groups as a screen reader gets them; the live region."""
        nodes = self.cdp("Accessibility.getFullAXTree", {})["nodes"]
        by_id = {n["nodeId"]: n for n in nodes}
        named = [n for n in nodes if not n.get("ignored")]

        def name(n):
            return n.get("name", {}).get("value", "")

        def prop(n, key):
            return next((p["value"].get("value") for p in n.get("properties", [])
                         if p["name"] == key), None)

        def group_of(n):
            while n and n["role"]["value"] != "radiogroup":
                n = by_id.get(n.get("parentId"))
            return name(n) if n else None

        roles = {"OptionButton": "radio", "PushButton": "button", "TextBox": "textbox",
                 "ListBox": "listbox"}
        for element, row in self.rows.items():
            if row["kind"] not in roles:
                continue
            wanted = " ".join((row["accessibleName"] or row["text"]).split())
            found = [n for n in named if n["role"]["value"] == roles[row["kind"]]
                     and name(n) == wanted]
            self.expect(f"{element} in the accessibility tree", len(found), int(row["visible"]))
            if found and row["kind"] == "OptionButton":
                frame = self.rows[f"{row['container']}_{row['containerIndex']}"]
                self.expect(f"{element} group", group_of(found[0]), frame["text"])
        status = [n for n in named if n["role"]["value"] == "status"]
        self.expect("live region", [(prop(n, "live"), prop(n, "atomic")) for n in status],
                    [("polite", True)])
        with open(os.path.join(self.out_dir, "web-accessibility.txt"), "w", encoding="utf-8") as f:
            f.writelines(f"{n['role']['value']}: {name(n)!r}\n" for n in named
                         if n["role"]["value"] not in ("generic", "InlineTextBox", "LabelText"))
        texts = {name(n) for n in named if n["role"]["value"] == "StaticText"}
        for count in (shows["right"], shows["wrong"]):
            self.expect(f"count {count!r} read", count in texts, True)
        self.expect("verdict read", shows["feedback"].strip() in texts, True)

    def check_sizes(self):
        """On each screen: option rows, text size, no sideways scrolling, one screen, taps."""
        table_row = min(r["rect"][3] for r in self.form["controls"] if r["kind"] == "OptionButton")
        try:
            for name, width, height, scale, touch, row, one_screen in SIZES:
                layout = "touch" if touch or width < self.form["width"] else "desktop"
                self.emulate(width, height, scale, touch)
                self.load()
                d = self.driver
                got = d.execute_script(READ_LAYOUT, one_screen)
                rows = got["rows"]
                self.notes.append(f"{name} ({layout}): option rows {min(rows):.1f} to "
                                  f"{max(rows):.1f} px, text at least {got['text']:g} px")
                self.expect(f"{name}: option rows under {row or table_row} px",
                            [round(h, 1) for h in rows if h < (row or table_row)], [])
                self.expect(f"{name}: text under {TEXT} px", got["text"] >= TEXT, True)
                page_width, view_width, page_height, view_height = got["scroll"]
                self.expect(f"{name}: sideways scrolling", page_width <= view_width, True)
                if one_screen:
                    self.expect(f"{name}: scrolling", page_height <= view_height, True)
                self.expect(f"{name}: controls off the screen", got["outside"], [])
                self.expect(f"{name}: opens at its top", got["scrolled"], [0, 0])
                self.expect(f"{name}: focus at the start", self.state()["focus"],
                            self.start["focus"])
                self.expect(f"{name}: cut captions", d.execute_script(READ_CUT_CAPTIONS), [])
                shows = d.execute_script(READ_CONTROLS, list(self.rows))
                self.expect(f"{name}: captions as shown, with their blanks",
                            {e: shows[e]["text"] for e in self.captions}, self.captions)
                self.check_axe(f"start, {name}", layout)
                d.save_screenshot(os.path.join(self.out_dir, f"web-{name}.png"))
                if touch:  # the whole row takes the tap, far from the button
                    self.click("Option2_3")
                    self.expect(f"{name}: tap picks", self.state()["checked"], ["Option2_3"])
        finally:
            self.emulate(DESKTOP["width"], DESKTOP["height"], DESKTOP["deviceScaleFactor"], False)

    def check_nothing_leaves(self):
        """No request but the page itself, no cookie or storage, no console error."""
        # A browser without Uint8Array.fromBase64 decodes the WebAssembly with
        # atob: the page plays the start of a run there too.
        hidden = self.cdp("Page.addScriptToEvaluateOnNewDocument",
                          {"source": "delete Uint8Array.fromBase64"})
        try:
            self.load()
            name, steps = next(iter(self.runs.items()))
            self.play(f"{name} without Uint8Array.fromBase64", steps[:PLAYED_WITHOUT_FROMBASE64])
        finally:
            self.cdp("Page.removeScriptToEvaluateOnNewDocument", hidden)
        self.load()
        requests = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                requests.append(message["params"]["request"]["url"])
        self.expect("requests", sorted({u for u in requests if not u.startswith("data:")}),
                    [self.url])
        self.expect("cookies", self.cdp("Network.getAllCookies", {})["cookies"], [])
        self.expect("storage", self.driver.execute_script(
            "return localStorage.length + sessionStorage.length + document.cookie.length"), 0)
        self.expect("icon inside", self.driver.execute_script(
            "return document.querySelector('link[rel=icon]').href.slice(0, 22)"),
            "data:image/png;base64,")
        errors = [e["message"][:300] for e in self.driver.get_log("browser")
                  if e["level"] == "SEVERE"]
        self.expect("console errors", errors, [])


def main():
    page, form_json, axe, out_dir, starting_file, *run_files = sys.argv[1:]
    with open(form_json, encoding="utf-8") as f:
        form = json.load(f)
    runs = {}
    for path in run_files:
        with open(path, encoding="utf-8") as f:
            runs[os.path.basename(path).removesuffix(".jsonl")] = [json.loads(line) for line in f]
    with open(starting_file, encoding="utf-8") as f:
        starting = [json.loads(line) for line in f][1:]  # the start itself is no click
    test = PageTest(page, form, axe, out_dir, starting, runs)
    passed = failed = 0
    try:
        for check in (test.check_scenarios, test.check_before_script, test.check_starting,
                      test.check_sizes,
                      test.check_nothing_leaves):
            test.failures, test.notes = [], []
            try:
                check()
            except Exception:  # a check that breaks is a failure, the rest still run
                test.failures.append(traceback.format_exc())
            print(f"{'FAIL' if test.failures else 'ok  '} {check.__doc__}")
            for line in test.failures + test.notes:
                print("     " + line)
            passed, failed = passed + (not test.failures), failed + bool(test.failures)
    finally:
        test.close()
    with open(os.path.join(out_dir, "web-axe.txt"), "w", encoding="utf-8") as f:
        f.writelines(line + "\n" for line in test.axe_found)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
