#!/usr/bin/python3
"""The quiz as a screen reader meets it, over AT-SPI.

Usage: a11y_test.py X11_PROBE STEPS.jsonl

Run by run.sh once the program is up on the accessibility bus. Prints every
control with its role, name and states and checks them against the form
table, through X11_PROBE. Then plays STEPS, a scenario as the scenario tool
prints it (each action, the control it clicks and what the window must then
show, from the real quiz and the editions' shared rules), with real keys and
clicks, and after each step reads through AT-SPI alone what a pupil meets:
the message box, the counts, the checked and the finished buttons, the focus
and what the notification told. For everything that changed, the event a
screen reader speaks from must have come. Exit status 0 only if all checks
hold.

With QUIZ_ORCA_LOG set (run.sh ... orca), Orca runs beside the program; it
must also speak, into that log, what each Check and Clear told, and the name
of a group of option buttons with its role once as the focus enters it.
"""

import json
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# What the window shows, from the program's own table through the probe: the
# caption, each group with its buttons by their names in the table, the push
# buttons, the message box; the captions exact to the blank, as a screen
# reader reads them.
TEXTS = json.loads(subprocess.run([sys.argv[1], "texts"], check=True, capture_output=True,
                                  text=True).stdout)
TITLE = TEXTS["title"]
with open(sys.argv[2], encoding="utf-8") as steps_file:
    STEPS = [json.loads(line) for line in steps_file]
KEYS = {"tab": "Tab", "shift+tab": "shift+Tab", "up": "Up", "down": "Down", "left": "Left",
        "right": "Right", "space": "space", "enter": "Return", "escape": "Escape"}

WAIT_S = 3.0    # longest wait for the events an action should cause
SETTLE_S = 0.3  # then this long for any that trail behind
SPEECH_WAIT_S = 5.0  # longest wait for Orca to speak what an action changed

ORCA_LOG = os.environ.get("QUIZ_ORCA_LOG")

failures = []


def check(ok, what):
    print(("  ok    " if ok else "  FAIL  ") + what)
    if not ok:
        failures.append(what)
    return ok


def states_of(acc):
    return {pyatspi.stateToString(s) for s in acc.getState().getStates()}


def pump(done=lambda: False, wait=WAIT_S):
    """Runs the GLib main loop until done() holds (then a little longer for
    trailing events) or until `wait` seconds have passed."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + wait
    settle_until = None
    while True:
        now = time.monotonic()
        if settle_until is None and done():
            settle_until = now + SETTLE_S
        if now >= (settle_until or deadline):
            return
        if not context.iteration(False):
            time.sleep(0.005)


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline:
        for app in desktop:
            if app is None:
                continue
            for child in app:
                if child is not None and child.name == TITLE:
                    return app, child
        time.sleep(0.1)
    return None, None


def walk(acc, depth=0):
    yield depth, acc
    for child in acc:
        if child is not None:
            yield from walk(child, depth + 1)


def print_table(window):
    print(f"{'role':<24} {'name':<40} states")
    print("-" * 110)
    for depth, acc in walk(window):
        role = "  " * depth + acc.getRoleName()
        name = repr(acc.name)  # quotes show leading and trailing blanks
        print(f"{role:<24} {name:<40} {' '.join(sorted(states_of(acc)))}")


# Role names that AT-SPI has changed, each with the names it has had: 2.56
# calls a push button "button".
ROLE_NAMES = {"push button": ("push button", "button")}


def children(acc, role):
    names = ROLE_NAMES.get(role, (role,))
    return [c for c in acc if c is not None and c.getRoleName() in names]


def one(candidates, what):
    check(len(candidates) == 1, f"exactly one {what} (found {len(candidates)})")
    return candidates[0] if candidates else None


def click(acc):
    """A left click in the middle of the control, as a mouse gives it."""
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    print(f"\n>>> click at ({x}, {y}) on {acc.getRoleName()} {acc.name!r}")
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


class EventLog:
    """Every event the program sends, in order, as a screen reader gets it."""

    TYPES = ("object:text-changed", "object:property-change:accessible-name",
             "object:property-change:accessible-value", "object:value-changed",
             "object:text-caret-moved", "object:state-changed", "object:announcement", "focus:")

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self.on_event, *self.TYPES)

    def on_event(self, event):
        source = event.source
        try:
            role, name, path = source.getRoleName(), source.name, source.path
        except Exception as error:  # the source may be gone already
            role, name, path = "?", f"<{error}>", None
        text = event.any_data if isinstance(event.any_data, str) else None
        entry = dict(type=event.type, role=role, name=name, path=path,
                     detail1=event.detail1, detail2=event.detail2, text=text)
        self.events.append(entry)
        shown = f" text={text!r}" if text is not None else ""
        print(f"    event {event.type:<42} {role} {name!r} "
              f"detail=({event.detail1}, {event.detail2}){shown}")

    def mark(self):
        return len(self.events)

    def since(self, mark, type_prefix, source=None, detail1=None):
        return [e for e in self.events[mark:]
                if e["type"].startswith(type_prefix)
                and (source is None or e["path"] == source.path)
                and (detail1 is None or e["detail1"] == detail1)]


class Speech:
    """The phrases Orca speaks, in order, read from its debug log as Orca
    writes it."""

    LINE = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{'")

    def __init__(self, path):
        self.log = open(path, encoding="utf-8", errors="replace")
        self.partial = ""
        self.phrases = []

    def said(self):
        *lines, self.partial = (self.partial + self.log.read()).split("\n")
        self.phrases += [m.group(1) for m in map(self.LINE.search, lines) if m]
        return self.phrases

    def mark(self):
        return len(self.said())


def expect_speech(speech, mark, told, what):
    """Waits until Orca has spoken what the step told since mark, and shows
    all it said there."""
    def spoken():
        return any(told in phrase for phrase in speech.said()[mark:])
    pump(spoken, wait=SPEECH_WAIT_S)
    for phrase in speech.said()[mark:]:
        print(f"    Orca says {phrase!r}")
    check(spoken(), f"Orca speaks {told!r} ({what})")


def expect_event(log, mark, type_prefix, source, detail1=None, what=""):
    found = log.since(mark, type_prefix, source, detail1)
    label = f"{source.getRoleName()} {source.name!r}" if source else "any control"
    check(bool(found), f"event {type_prefix}"
          + (f" detail1={detail1}" if detail1 is not None else "")
          + f" from {label}" + (f" ({what})" if what else ""))
    return found


class Window:
    """The window's controls as a screen reader finds them, by their names
    in the table."""

    def __init__(self, window, announces):
        self.window, self.announces = window, announces
        self.radios, self.buttons = {}, {}
        self.box = self.right = self.wrong = self.announcer = None

    def focusable(self):
        return {**self.radios, **self.buttons, TEXTS["box"]["id"]: self.box}

    def observe(self):
        """What a pupil meets now, read through AT-SPI alone, as every
        edition's driver reads it."""
        def ids(state, present):
            return sorted(i for i, r in self.radios.items() if (state in states_of(r)) == present)
        focused = [i for i, a in self.focusable().items() if "focused" in states_of(a)]
        return {"feedback": self.box.queryText().getText(0, -1).replace("\n", "\r\n"),
                "right": self.right.name, "wrong": self.wrong.name,
                "checked": ids("checked", True), "disabled": ids("sensitive", False),
                "focus": focused[0] if focused else "", "told": self.announcer.name}


def check_controls(w):
    """Every control with its role, name and states as the table gives it.
    Returns whether the window has all it needs to be played."""
    window, start = w.window, STEPS[0]["expected"]
    heading = one([l for l in children(window, "label") if l.name == TEXTS["heading"]],
                  f"heading label {TEXTS['heading']!r}")
    if heading:
        check({"showing", "visible"} <= states_of(heading), "heading is showing")
    for group in TEXTS["groups"]:
        frame = one([f for f in window if f is not None and f.name == group["name"]],
                    f"frame {group['name']!r}")
        if frame is None:
            continue
        check(frame.getRoleName() in ("panel", "grouping"),
              f"frame {frame.name!r} is a grouping (role {frame.getRoleName()!r})")
        inside = children(frame, "radio button")
        by_name = {r.name: r for r in inside}
        check(sorted(by_name) == sorted(group["options"].values()),
              f"{frame.name!r} holds the 12 radio buttons of its column, each named "
              f"exactly by its caption, trailing blanks kept")
        others = [c.getRoleName() for c in frame if c is not None and c not in inside]
        check(not others, f"{frame.name!r} holds nothing else: {others}")
        w.radios.update({i: by_name[c] for i, c in group["options"].items() if c in by_name})
    check(len(w.radios) == 24, f"24 distinct option buttons (found {len(w.radios)})")
    for r in w.radios.values():
        check({"enabled", "showing", "focusable"} <= states_of(r),
              f"radio {r.name!r} is enabled, showing and focusable")
    # A group's name is its frame's, so no option is labelled by the frame: a
    # screen reader would say the group's name again with every option.
    labelled = [r.name for r in w.radios.values() if any(
        rel.getRelationType() == pyatspi.RELATION_LABELLED_BY for rel in r.getRelationSet())]
    check(not labelled, f"no option button is labelled by another control: {labelled!r}")

    buttons = {b.name: b for b in children(window, "push button")}
    check(sorted(buttons) == sorted(TEXTS["buttons"].values()),
          f"push buttons named {sorted(TEXTS['buttons'].values())!r}: {sorted(buttons)!r}")
    w.buttons = {i: buttons[c] for i, c in TEXTS["buttons"].items() if c in buttons}
    labels = children(window, "label")
    w.right = one([l for l in labels if l.name == start["right"]], "right-count label")
    w.wrong = one([l for l in labels if l.name == start["wrong"]], "wrong-count label")

    texts = children(window, "text")
    w.box = one([t for t in texts if "showing" in states_of(t)], "showing text box")
    hidden = [t for t in texts if "showing" not in states_of(t)]
    check(len(hidden) == 1, f"one hidden text box (found {len(hidden)})")
    lists = children(window, "list")
    check(len(lists) == 1, f"one list (found {len(lists)})")
    for t in hidden + lists:
        check(not {"showing", "visible"} & states_of(t),
              f"the hidden {t.getRoleName()} is neither showing nor visible")
    # What Check and Clear change is told through a notification that is
    # never on screen.
    w.announcer = one(children(window, "notification"), "notification")
    if w.announcer:
        check(not {"showing", "visible"} & states_of(w.announcer),
              "the notification is neither showing nor visible")
    if w.box:
        name = TEXTS["box"]["name"]
        check(w.box.name == name, f"the text box is named {name!r}: {w.box.name!r}")
        check({"multi line", "read only"} <= states_of(w.box),
              "the text box is multi-line, read-only")
    return (len(w.radios) == 24 and len(w.buttons) == 2 and None not in
            (w.box, w.right, w.wrong, w.announcer))


def expect_events(log, mark, w, before, after, where):
    """For each thing the step changed, the event a screen reader speaks from."""
    for field, label in (("right", w.right), ("wrong", w.wrong)):
        changes = log.since(mark, "object:property-change:accessible-name", label)
        check(bool(changes) == (before[field] != after[field]),
              f"{where}: {len(changes)} name changes from {label.name!r}")
    if after["told"] != before["told"]:
        expect_event(log, mark, "object:text-changed:insert", w.box, what=where)
        if w.announces:
            told = expect_event(log, mark, "object:announcement", w.announcer, what=where)
            check(any(e["text"] == after["told"] for e in told),
                  f"{where}: an announcement carries {after['told']!r}")
        else:
            expect_event(log, mark, "object:state-changed:showing", w.announcer, 1, where)
    for field, state, on in (("checked", "checked", 1), ("disabled", "sensitive", 0)):
        for i in set(before[field]) ^ set(after[field]):
            detail = on if i in after[field] else 1 - on
            expect_event(log, mark, f"object:state-changed:{state}", w.radios[i], detail, where)
    if after["focus"] and after["focus"] != before["focus"]:
        expect_event(log, mark, "object:state-changed:focused", w.focusable()[after["focus"]],
                     1, where)


def play(w, log, speech):
    """Each step with real input, then what the window shows through AT-SPI
    against what the model says, and the events and speech that go with it."""
    before = STEPS[0]["expected"]
    got = w.observe()
    check(got == before, f"the start as the model says: {got!r}")
    for step in STEPS[1:]:
        where, wanted = f"step {step['step']} ({step['action']})", step["expected"]
        mark, said = log.mark(), speech and speech.mark()
        print(f"\n>>> {where}")
        if step["target"]:
            click(w.focusable()[step["target"]])
        else:
            key(KEYS[step["action"]])
        pump(lambda: w.observe() == wanted)
        got = w.observe()
        check(got == wanted, f"{where}: " + ("as the model says" if got == wanted else "; ".join(
            f"{k} {got[k]!r} (expected {wanted[k]!r})" for k in wanted if got[k] != wanted[k])))
        expect_events(log, mark, w, before, wanted, where)
        if speech and wanted["told"] != before["told"]:
            expect_speech(speech, said, wanted["told"], where)
        before = wanted


def main():
    app, window = find_window()
    if window is None:
        print(f"FAIL: no application with a window titled {TITLE!r}")
        return 1
    # Read what the program says now, never what an earlier event left in
    # the client's cache: a missing event must not hide a stale answer.
    app.set_cache_mask(Atspi.Cache.NONE)
    app.clear_cache()

    # Qt 6.8 added the announcement event, which the program uses from there on.
    toolkit = app.get_toolkit_version()
    w = Window(window, tuple(map(int, toolkit.split(".")[:2])) >= (6, 8))
    print(f"Application {app.name!r} (Qt {toolkit}), window {window.name!r}\n")
    check(window.getRoleName() == "frame",
          f"the window is an application window (role {window.getRoleName()!r})")
    print_table(window)
    print("\nControls:")
    if not check_controls(w):
        print("\nFAIL: controls missing; cannot play")
        return 1

    log = EventLog()
    speech = Speech(ORCA_LOG) if ORCA_LOG else None
    # The keys go to the window that has the input focus; there is no window
    # manager to give it one.
    subprocess.run(["xdotool", "search", "--name", f"^{re.escape(TITLE)}$",
                    "windowfocus", "--sync"], check=True)
    # The program learns of new listeners through the registry; give it a
    # moment before the first action so no event is dropped on the way.
    pump(wait=0.5)
    play(w, log, speech)

    if speech:
        said = speech.said()
        print("\nAll Orca said:\n" + "".join(f"    {phrase!r}\n" for phrase in said))
        # Entering a group, Orca says its name with its role. Orca 48 also
        # says the name alone before each option, as it cannot tell that the
        # options share a group (the toolkit has no member-of relation).
        for group in TEXTS["groups"]:
            frame = next(f for f in window if f is not None and f.name == group["name"])
            name = f"{frame.name} {frame.getRoleName()}"
            named = [i for i, phrase in enumerate(said) if phrase.startswith(name)]
            check(named and all(i + 1 not in named for i in named),
                  f"Orca names the group {name!r} on entering it, and once only")

    pyatspi.Registry.deregisterEventListener(log.on_event, *EventLog.TYPES)
    print()
    if failures:
        print(f"FAILED: {len(failures)} check(s):")
        for f in failures:
            print(f"  - {f}")
        return 1
    print("PASSED: all checks hold")
    return 0


if __name__ == "__main__":
    sys.exit(main())
