#!/usr/bin/python3
"""The browser page in headless Chromium, met as a pupil and a screen reader meet it.

Usage: web_test.py PAGE.html FORM.json OUT_DIR RUN.jsonl...

FORM.json is the form probe's print of the table; every expected caption,
place and colour comes from there. Each RUN.jsonl is a scenario as the
scenario tool prints it: each step's action, the control it clicks and what
the page must then show, from the real quiz and the editions' shared rules.
Input is real (WebDriver actions and the DevTools protocol's touch events);
the page is read as it is shown (visible text, computed styles, boxes) and
through the accessibility tree. Screenshots at 100 % and at phone width, and
what the page showed at each step of each run (RUN-web.jsonl, for the
comparison of all editions), go to OUT_DIR, the latter to
QUIZ_OBSERVATIONS_DIR where that is set.
"""
import json
import os
import sys
import traceback

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from chromium import DESKTOP, Chromium

PHONE = {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True}
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
# Captions that run past the edge of their box, at whatever scale.
READ_CUT_CAPTIONS = """
return [...document.querySelectorAll('.caption, .label-box, .command')].filter(e => {
  const box = (e.closest('.option') || e).getBoundingClientRect();
  const range = document.createRange(); range.selectNodeContents(e);
  const text = range.getBoundingClientRect();
  return text.left < box.left - 0.5 || text.right > box.right + 0.5 ||
         e.scrollWidth > e.clientWidth;
}).map(e => e.textContent);
"""


def element_id(row):
    return row["name"] if row["index"] < 0 else f"{row['name']}_{row['index']}"


def shown(text):
    """A text as a text box or the visible text gives it back: LF for CR LF."""
    return text.replace("\r\n", "\n")


class PageTest(Chromium):
    def __init__(self, page, form, out_dir, runs):
        super().__init__()
        self.url = "file://" + os.path.abspath(page)
        self.form, self.out_dir, self.runs = form, out_dir, runs
        self.rows = {element_id(r): r for r in form["controls"]}
        self.named = form["named"]
        self.failures = []

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
        """A real click near the far right end of the control's box."""
        control = self.driver.find_element(By.ID, element_id)
        box = control.find_element(By.XPATH, "..") if control.tag_name == "input" else control
        ActionChains(self.driver).move_to_element_with_offset(
            box, box.size["width"] // 2 - 3, 0).click().perform()

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
    def check_start_state(self):
        """After a reload, the start state exactly as the table gives it."""
        self.driver.refresh()  # what a browser may restore, it restores on a reload
        self.next_frame()
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
        start = next(iter(self.runs.values()))[0]["expected"]
        counts = {self.named["rightCount"]: start["right"],
                  self.named["wrongCount"]: start["wrong"]}
        for element, row in self.rows.items():
            g = got[element]
            self.expect(f"{element} shown", g["shown"], row["visible"])
            if not row["visible"]:
                continue
            self.expect(f"{element} place", [round(v) for v in g["rect"]], row["rect"])
            self.expect(f"{element} on top", g["onTop"], True)
            self.expect(f"{element} text", g["text"], shown(counts.get(element, row["text"])))
            if row["back"]:
                self.expect(f"{element} colour", g["back"], "rgb({}, {}, {})".format(*row["back"]))
        self.expect("start", self.state(), start)
        driver.save_screenshot(os.path.join(self.out_dir, "web-screenshot.png"))

    def check_scenarios(self):
        """Each run, step by step as the model says; then a reload starts afresh."""
        for name, steps in self.runs.items():
            self.load()
            logs = os.environ.get("QUIZ_OBSERVATIONS_DIR") or self.out_dir
            with open(os.path.join(logs, f"{name}-web.jsonl"), "w", encoding="utf-8") as log:
                self.play(name, steps, log)
            self.next_frame()
            self.expect(f"{name}: cut captions at the end",
                        self.driver.execute_script(READ_CUT_CAPTIONS), [])
            self.check_accessibility(steps[-1]["expected"])
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

    def check_phone(self):
        """At 360 px: fits the width, keeps its proportions, a tap anywhere picks."""
        self.cdp("Emulation.setDeviceMetricsOverride", PHONE)
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True})
        try:
            self.load()
            d = self.driver
            width = d.execute_script("return document.documentElement.scrollWidth")
            self.expect("no sideways scrolling", width <= PHONE["width"], True)
            form = d.execute_script(
                "return document.querySelector('.form').getBoundingClientRect().toJSON()")
            self.expect("fills the width", form["width"] >= 0.9 * PHONE["width"], True)
            ratio = round(form["height"] / form["width"], 3)
            self.expect("proportions", ratio, round(self.form["height"] / self.form["width"], 3))
            self.expect("cut captions", d.execute_script(READ_CUT_CAPTIONS), [])
            target = "Option2_3"
            box = d.execute_script("return document.getElementById(arguments[0])"
                                   ".parentElement.getBoundingClientRect().toJSON()", target)
            point = {"x": box["right"] - 4, "y": box["top"] + box["height"] / 2}
            for kind, points in (("touchStart", [point]), ("touchEnd", [])):
                self.cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
            self.expect("tap picks", self.state()["checked"], [target])
            d.save_screenshot(os.path.join(self.out_dir, "web-phone.png"))
        finally:
            self.cdp("Emulation.setDeviceMetricsOverride", DESKTOP)
            self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": False})

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
    page, form_json, out_dir, *run_files = sys.argv[1:]
    with open(form_json, encoding="utf-8") as f:
        form = json.load(f)
    runs = {}
    for path in run_files:
        with open(path, encoding="utf-8") as f:
            runs[os.path.basename(path).removesuffix(".jsonl")] = [json.loads(line) for line in f]
    test = PageTest(page, form, out_dir, runs)
    passed = failed = 0
    try:
        for check in (test.check_scenarios, test.check_phone, test.check_nothing_leaves):
            test.failures = []
            try:
                check()
            except Exception:  # a check that breaks is a failure, the rest still run
                test.failures.append(traceback.format_exc())
            print(f"{'FAIL' if test.failures else 'ok  '} {check.__doc__}")
            for failure in test.failures:
                print("     " + failure)
            passed, failed = passed + (not test.failures), failed + bool(test.failures)
    finally:
        test.close()
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
