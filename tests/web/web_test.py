#!/usr/bin/python3
"""The browser page in headless Chromium, met as a pupil and a screen reader meet it.

Usage: web_test.py PAGE.html FORM.json OUT_DIR

FORM.json is the form probe's print of the table and the quiz's texts; every
expected caption, place and colour comes from there. Input is real (WebDriver
actions and the DevTools protocol's touch events); the page is read as it is
shown (visible text, computed styles, boxes) and through the accessibility
tree. Screenshots at 100 % and at phone width go to OUT_DIR.
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
# The scenario names these two by what they do; the probe gives their ids.
CHECK, CLEAR = "check", "clear"

# What the page shows, read in one go: picks, finished pairs, message, counts.
READ_STATE = """
const radios = [...document.querySelectorAll('input[type=radio]')];
const named = what => document.getElementById(arguments[0][what]);
return {checked: radios.filter(r => r.checked).map(r => r.id).sort(),
        disabled: radios.filter(r => r.disabled).map(r => r.id).sort(),
        feedback: named('feedbackBox').value,
        announced: document.querySelector('[role=status]').textContent,
        right: named('rightCount').innerText, wrong: named('wrongCount').innerText};
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


class Expected:
    """The page as the scenario says it should be."""

    def __init__(self, form):
        self.texts = form["texts"]
        self.checked, self.disabled, self.right, self.wrong = set(), set(), 0, 0
        self.feedback = shown(next(r["text"] for r in form["controls"]
                                   if element_id(r) == form["named"]["feedbackBox"]))
        self.announced = ""

    def click(self, target, verdict):
        group, t, lb = target.split("_")[0], self.texts, self.texts["lineBreak"]
        if target.startswith("Option") and target not in self.disabled:
            self.checked = {c for c in self.checked if not c.startswith(group)} | {target}
        if verdict == "right":
            self.disabled |= self.checked
            self.checked, self.feedback, self.right = set(), t["right"] + lb + lb, self.right + 1
        elif verdict == "wrong":
            self.feedback, self.wrong = t["wrong"] + lb, self.wrong + 1
        elif verdict == "clear":
            self.checked, self.disabled, self.right, self.wrong = set(), set(), 0, 0
            self.feedback = t["prompt"]
        if verdict:
            self.feedback = self.announced = shown(self.feedback)

    def state(self):
        return {"checked": sorted(self.checked), "disabled": sorted(self.disabled),
                "feedback": self.feedback, "announced": self.announced,
                "right": self.texts["rightPrefix"] + " " + str(self.right),
                "wrong": self.texts["wrongPrefix"] + " " + str(self.wrong)}


# (what is clicked, what Check or Clear then says). The first pair is the
# overview's example; disabled buttons take no click.
SCENARIO = [("Option1_9", None), ("Option2_9", None), (CHECK, "right"),
            ("Option1_0", None), ("Option2_1", None), (CHECK, "wrong"),
            ("Option1_2", None), ("Option1_9", None), (CHECK, "wrong"),
            ("Option2_9", None), (CLEAR, "clear")] + [(CHECK, "wrong")] * 10
WHOLE_GAME = [step for i in range(12)
              for step in ((f"Option1_{i}", None), (f"Option2_{i}", None), (CHECK, "right"))]


class PageTest(Chromium):
    def __init__(self, page, form, out_dir):
        super().__init__()
        self.url = "file://" + os.path.abspath(page)
        self.form, self.out_dir = form, out_dir
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
        control = self.driver.find_element(By.ID, self.named.get(element_id, element_id))
        box = control.find_element(By.XPATH, "..") if element_id.startswith("Option") else control
        ActionChains(self.driver).move_to_element_with_offset(
            box, box.size["width"] // 2 - 3, 0).click().perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def focused(self):
        return self.driver.execute_script("return document.activeElement.id")

    def play(self, steps, expected, label):
        for n, (target, verdict) in enumerate(steps):
            self.click(target)
            expected.click(target, verdict)
            self.expect(f"{label} step {n} ({target})", self.state(), expected.state())

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
                ("focus", "document.activeElement.id", self.named["feedbackBox"]),
                ("message box scrolled",
                 f"document.getElementById('{self.named['feedbackBox']}').scrollTop", 0)):
            self.expect(what, driver.execute_script("return " + script), wanted)
        self.expect("cut captions", driver.execute_script(READ_CUT_CAPTIONS), [])
        got = driver.execute_script(READ_CONTROLS, list(self.rows))
        start = Expected(form).state()
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

    def check_mouse_game(self):
        """Right, wrong, second pick, Clear, then a whole game; a reload starts afresh."""
        self.load()
        expected = Expected(self.form)
        self.play(SCENARIO, expected, "scenario")
        self.next_frame()
        self.expect("cut captions with ten wrong",
                    self.driver.execute_script(READ_CUT_CAPTIONS), [])
        self.play(WHOLE_GAME, expected, "whole game")
        self.check_accessibility(expected)
        self.check_start_state()

    def tab_stops(self, checked=()):
        """The controls Tab visits: a group once, at its checked button, else at
        its first one in tab order (none here is a finished pair)."""
        stops, groups = [], set()
        for row in sorted(self.rows.values(), key=lambda r: r["tabIndex"]):
            element, group = element_id(row), (row["container"], row["containerIndex"])
            if row["kind"] in ("Label", "Frame") or not row["visible"] or group in groups:
                continue
            if row["kind"] == "OptionButton":
                picked = [c for c in checked if c.split("_")[0] == row["name"]]
                if picked and element not in picked:
                    continue
                groups.add(group)
            stops.append(element)
        return stops

    def walk_tab_order(self, what, stops):
        self.driver.execute_script("document.getElementById(arguments[0]).focus()", stops[0])
        visited = [self.focused()]
        for _ in stops[1:]:
            self.keys(Keys.TAB)
            visited.append(self.focused())
        self.expect(what, visited, stops)

    def check_keyboard(self):
        """Tab order, one stop per group; a right pair by keys; arrows skip a finished pair."""
        self.load()
        stops = self.tab_stops()
        self.walk_tab_order("tab order at the start", stops)
        # From the start, keys only: Tab to the names, Space picks the first;
        # Tab to the places, arrows to its partner; Tab to Check, Enter.
        self.load()
        name_stop, place_stop = stops[1], stops[2]
        pair = self.rows[name_stop]["index"]
        place = f"Option2_{pair}"
        rows_apart = (self.rows[place]["rect"][1] - self.rows[place_stop]["rect"][1]) // \
            self.rows[place]["rect"][3]
        arrows = [Keys.ARROW_DOWN if rows_apart > 0 else Keys.ARROW_UP] * abs(rows_apart)
        self.keys(Keys.TAB, Keys.SPACE, Keys.TAB, *arrows, Keys.TAB, Keys.ENTER)
        expected = Expected(self.form)
        for target, verdict in ((name_stop, None), (place, None), (CHECK, "right")):
            expected.click(target, verdict)
        self.expect("keyboard pair", self.state(), expected.state())
        # Up from the finished pair's lower neighbour wraps past the finished one.
        self.click(f"Option1_{pair + 1}")
        self.keys(Keys.ARROW_UP)
        skipped_to = f"Option1_{(pair - 1) % 12}"
        self.expect("arrow skips a finished pair", (self.focused(), self.state()["checked"]),
                    (skipped_to, [skipped_to]))
        self.walk_tab_order("tab order with a pick", self.tab_stops([skipped_to]))

    def check_accessibility(self, expected):
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
        state = expected.state()
        for count in (state["right"], state["wrong"]):
            self.expect(f"count {count!r} read", count in texts, True)
        self.expect("verdict read", expected.feedback.strip() in texts, True)

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
        # atob: the page plays a right pair there too.
        hidden = self.cdp("Page.addScriptToEvaluateOnNewDocument",
                          {"source": "delete Uint8Array.fromBase64"})
        try:
            self.load()
            self.play(SCENARIO[:3], Expected(self.form), "without Uint8Array.fromBase64")
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
    page, form_json, out_dir = sys.argv[1:]
    with open(form_json, encoding="utf-8") as f:
        form = json.load(f)
    test = PageTest(page, form, out_dir)
    passed = failed = 0
    try:
        for check in (test.check_mouse_game, test.check_keyboard, test.check_phone,
                      test.check_nothing_leaves):
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
