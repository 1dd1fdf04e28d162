#!/usr/bin/python3
"""The quiz as a screen reader meets it, over AT-SPI.

Run by run.sh once the program is up on the accessibility bus. Prints every
control with its role, name and states, plays a right pair, a wrong pair and
Clear through accessibility actions only, prints every event the program
sends, and checks both what the controls say afterwards and that the events
a screen reader speaks from did arrive. Exit status 0 only if all checks hold.

With QUIZ_ORCA_LOG set (run.sh ... orca), Orca runs beside the program and
the pupil plays as a blind pupil does, with the keyboard: Tab into a group,
arrows to the option, Tab to Check or Clear and Space; the first Check is a
mouse click. Then Orca must also speak, into that log, each verdict
with the count it changed, the prompt after Clear, and the name of a group
of option buttons once as the focus enters it.
"""

import json
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# The window's caption and the texts of its controls, from the program's own
# table through the probe named by the first argument. The option captions
# are in pair order, exact to the blank: pair i is NAMES[i] with PLACES[i].
# They are what a screen reader reads, so they are the names.
TEXTS = json.loads(subprocess.run([sys.argv[1], "texts"], check=True, capture_output=True,
                                  text=True).stdout)
TITLE = TEXTS["title"]
NAMES, PLACES = TEXTS["names"], TEXTS["places"]

HEADING = TEXTS["heading"]
NAMES_FRAME = TEXTS["names_frame"]
PLACES_FRAME = TEXTS["places_frame"]
CHECK, CLEAR = TEXTS["check"], TEXTS["clear"]
TEXT_BOX = TEXTS["text_box"]

RIGHT_TEXT = TEXTS["right_verdict"] + "\n\n"
WRONG_TEXT = TEXTS["wrong_verdict"] + "\n"
PROMPT_TEXT = TEXTS["prompt"]

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


def do_action(acc, names):
    """Performs the first of `names` that the control offers, as a screen
    reader's command would."""
    action = acc.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for wanted in names:
        for i, name in enumerate(offered):
            if name.lower() == wanted:
                print(f"\n>>> {name} on {acc.getRoleName()} {acc.name!r}")
                return action.doAction(i)
    raise AssertionError(f"{acc.name!r} offers none of {names}: {offered}")


def click(acc):
    """A left click in the middle of the control, as a mouse gives it."""
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    print(f"\n>>> click at ({x}, {y}) on {acc.getRoleName()} {acc.name!r}")
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def top(acc):
    return acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y


def has_focus(acc):
    return "focused" in states_of(acc)


def key_until(name, done, log):
    """Presses the key, each time once the focus has moved, until done()."""
    for _ in range(30):
        if done():
            return
        mark = log.mark()
        key(name)
        pump(lambda: log.since(mark, "object:state-changed:focused", detail1=1))
        if not log.since(mark, "object:state-changed:focused", detail1=1):
            raise AssertionError(f"{name} moves the focus nowhere")
    raise AssertionError(f"{name} never gets there")


def tab_and_space(acc, log):
    print(f"\n>>> Tab to {acc.getRoleName()} {acc.name!r}, Space")
    key_until("Tab", lambda: has_focus(acc), log)
    key("space")


def arrow_to(radio, log):
    """Tab into the group, then the arrows, which check each option they
    reach, up or down to the option; Space if Tab landed on it."""
    print(f"\n>>> Tab and arrows to {radio.getRoleName()} {radio.name!r}")
    group = radio.parent
    key_until("Tab", lambda: any(has_focus(r) for r in group), log)
    focused = next(r for r in group if has_focus(r))
    down = top(radio) > top(focused)
    key_until("Down" if down else "Up", lambda: has_focus(radio), log)
    if "checked" not in states_of(radio):
        key("space")


def pick(radio, log):
    """Picks an option: as a screen reader's command would, or with Orca
    running, as the pupil does."""
    if ORCA_LOG:
        return arrow_to(radio, log)
    return do_action(radio, ("toggle", "click", "press"))


def press(acc, log, by_keys):
    """Presses a button: as a screen reader's command would, or with Orca
    running, as the pupil does, by mouse or by keyboard."""
    if not ORCA_LOG:
        return do_action(acc, ("press", "click"))
    return tab_and_space(acc, log) if by_keys else click(acc)


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


def expect_speech(speech, mark, phrases, what):
    """Waits until Orca has spoken the phrases since mark, in this order,
    and shows all it said there. Without Orca there is nothing to hear."""
    if speech is None:
        return

    def in_order():
        text, at = " | ".join(speech.said()[mark:]), 0
        for phrase in phrases:
            at = text.find(phrase, at)
            if at < 0:
                return False
            at += len(phrase)
        return True
    pump(in_order, wait=SPEECH_WAIT_S)
    for phrase in speech.said()[mark:]:
        print(f"    Orca says {phrase!r}")
    check(in_order(), f"Orca speaks {' then '.join(map(repr, phrases))} ({what})")


def expect_told(log, mark, announcer, message, announces):
    """The message was announced (Qt 6.8 on) or the notification has appeared
    (before), and the notification's name is the message either way."""
    if announces:
        told = expect_event(log, mark, "object:announcement", announcer, what="told")
        check(any(e["text"] == message for e in told),
              f"an announcement carries {message!r}: {[e['text'] for e in told]!r}")
    else:
        expect_event(log, mark, "object:state-changed:showing", announcer, 1, "told")
    check(announcer.name == message, f"the notification tells {message!r}: {announcer.name!r}")


def expect_event(log, mark, type_prefix, source, detail1=None, what=""):
    found = log.since(mark, type_prefix, source, detail1)
    label = f"{source.getRoleName()} {source.name!r}" if source else "any control"
    check(bool(found), f"event {type_prefix}"
          + (f" detail1={detail1}" if detail1 is not None else "")
          + f" from {label}" + (f" ({what})" if what else ""))
    return found


def flat(text):
    # Inside events a line break travels as the paragraph separator.
    return (text or "").replace("\u2029", "\n")


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
    announces = tuple(map(int, toolkit.split(".")[:2])) >= (6, 8)
    print(f"Application {app.name!r} (Qt {toolkit}), window {window.name!r}\n")
    check(window.getRoleName() == "frame",
          f"the window is an application window (role {window.getRoleName()!r})")
    print_table(window)
    print("\nControls:")

    heading = one([l for l in children(window, "label") if l.name == HEADING],
                  f"heading label {HEADING!r}")
    if heading:
        check({"showing", "visible"} <= states_of(heading), "heading is showing")

    frames = [f for f in window if f is not None and f.name in (NAMES_FRAME, PLACES_FRAME)]
    names_frame = one([f for f in frames if f.name == NAMES_FRAME], f"frame {NAMES_FRAME!r}")
    places_frame = one([f for f in frames if f.name == PLACES_FRAME], f"frame {PLACES_FRAME!r}")
    for frame in filter(None, (names_frame, places_frame)):
        check(frame.getRoleName() in ("panel", "grouping"),
              f"frame {frame.name!r} is a grouping (role {frame.getRoleName()!r})")

    radios = {}
    for frame, captions in ((names_frame, NAMES), (places_frame, PLACES)):
        if frame is None:
            continue
        inside = children(frame, "radio button")
        check(sorted(r.name for r in inside) == sorted(captions),
              f"{frame.name!r} holds the 12 radio buttons of its column, each named "
              f"exactly by its caption")
        others = [c.getRoleName() for c in frame if c is not None and c not in inside]
        check(not others, f"{frame.name!r} holds nothing else: {others}")
        for r in inside:
            radios[r.name] = r
            st = states_of(r)
            check({"enabled", "sensitive", "showing", "focusable"} <= st and "checked" not in st,
                  f"radio {r.name!r} starts enabled, showing, focusable, not checked")
    check(len(radios) == 24, f"24 distinct option buttons (found {len(radios)})")
    # A group's name is its frame's, so no option is labelled by the frame: a
    # screen reader would say the group's name again with every option.
    labelled = [r.name for r in radios.values() if any(
        rel.getRelationType() == pyatspi.RELATION_LABELLED_BY for rel in r.getRelationSet())]
    check(not labelled, f"no option button is labelled by another control: {labelled!r}")
    blanks = [c for c in NAMES + PLACES if c.endswith(" ")]
    check(blanks and all(c in radios for c in blanks), f"{blanks!r} keep their trailing blanks")

    buttons = {b.name: b for b in children(window, "push button")}
    check(sorted(buttons) == sorted([CHECK, CLEAR]),
          f"push buttons named {CHECK!r} and {CLEAR!r}: {sorted(buttons)!r}")
    labels = children(window, "label")
    right_label = one([l for l in labels if l.name.startswith("Вярно:")], "right-count label")
    wrong_label = one([l for l in labels if l.name.startswith("Грешно:")], "wrong-count label")
    if right_label:
        check(right_label.name == "Вярно:  0", f"right count reads 'Вярно:  0': {right_label.name!r}")
    if wrong_label:
        check(wrong_label.name == "Грешно:  0", f"wrong count reads 'Грешно:  0': {wrong_label.name!r}")

    texts = children(window, "text")
    box = one([t for t in texts if "showing" in states_of(t)], "showing text box")
    hidden = [t for t in texts if "showing" not in states_of(t)]
    check(len(hidden) == 1, f"one hidden text box (found {len(hidden)})")
    for t in hidden:
        check(not {"showing", "visible"} & states_of(t), "the hidden text box is neither showing nor visible")
    lists = children(window, "list")
    check(len(lists) == 1, f"one list (found {len(lists)})")
    for l in lists:
        check(not {"showing", "visible"} & states_of(l), "the list is neither showing nor visible")
    # What Check and Clear change is told through a notification that is
    # never on screen.
    announcer = one(children(window, "notification"), "notification")
    if announcer:
        check(not {"showing", "visible"} & states_of(announcer),
              "the notification is neither showing nor visible")
    if box:
        check(box.name == TEXT_BOX, f"the text box is named {TEXT_BOX!r}: {box.name!r}")
        check({"multi line", "read only"} <= states_of(box), "the text box is multi-line, read-only")

    needed = [radios.get(n) for n in (NAMES[9], PLACES[9], NAMES[2], PLACES[0])]
    if (None in needed or not box or not announcer or not right_label or not wrong_label
            or len(buttons) != 2):
        print("\nFAIL: controls missing; cannot play")
        return 1
    orange, ukraine, peaceful, lebanon = needed

    def text_of_box():
        return box.queryText().getText(0, -1)

    log = EventLog()
    speech = Speech(ORCA_LOG) if ORCA_LOG else None
    if speech:
        # The keys go to the window that has the input focus; there is no
        # window manager to give it one.
        subprocess.run(["xdotool", "search", "--name", f"^{re.escape(TITLE)}$",
                        "windowfocus", "--sync"], check=True)
    # The program learns of new listeners through the registry; give it a
    # moment before the first action so no event is dropped on the way.
    pump(wait=0.5)

    def pick_and_check(radios, by_keys, text, verdict, counted, other, what):
        """Picks the two radios, presses Check and checks what a pupil and a
        screen reader meet: the box's text, the count that counted (a label
        and the name it must now have), the other count left alone, the
        events and what was announced and spoken. Returns the press's mark."""
        for radio in radios:
            mark = log.mark()
            pick(radio, log)
            pump(lambda: log.since(mark, "object:state-changed:checked", radio, 1))
            check("checked" in states_of(radio), f"{radio.name!r} is checked")
            expect_event(log, mark, "object:state-changed:checked", radio, 1, "picked")
        (counted_label, counted_name), (other_label, other_name) = counted, other
        mark, said = log.mark(), speech and speech.mark()
        press(buttons[CHECK], log, by_keys=by_keys)
        pump(lambda: log.since(mark, "object:text-changed:insert", box)
             and log.since(mark, "object:property-change:accessible-name", counted_label))
        expect_speech(speech, said, [text.strip(), counted_name], what)
        check(text_of_box() == text, f"text box reads {text!r}: {text_of_box()!r}")
        check(counted_label.name == counted_name,
              f"the count reads {counted_name!r}: {counted_label.name!r}")
        check(other_label.name == other_name,
              f"the other count still reads {other_name!r}: {other_label.name!r}")
        inserts = expect_event(log, mark, "object:text-changed:insert", box, what="the verdict")
        check(any(flat(e["text"]).startswith(verdict) for e in inserts),
              f"an insert into the text box carries {verdict!r}")
        expect_event(log, mark, "object:property-change:accessible-name", counted_label,
                     what="count changed")
        check(not log.since(mark, "object:property-change:accessible-name", other_label),
              "no name change from the other count")
        expect_told(log, mark, announcer, f"{text.strip()} {counted_label.name}", announces)
        return mark

    print(f"\nRight pair: {NAMES[9]!r} with {PLACES[9]!r}, then Check by mouse")
    mark = pick_and_check((orange, ukraine), False, RIGHT_TEXT, TEXTS["right_verdict"],
                          (right_label, "Вярно:  1"), (wrong_label, "Грешно:  0"), "right pair")
    for radio in (orange, ukraine):
        st = states_of(radio)
        check(not {"enabled", "sensitive", "checked"} & st,
              f"{radio.name!r} is no longer enabled, sensitive or checked: {sorted(st)}")
        expect_event(log, mark, "object:state-changed:checked", radio, 0, "pair done")
        expect_event(log, mark, "object:state-changed:sensitive", radio, 0, "pair done")

    print(f"\nWrong pair: {NAMES[2]!r} with {PLACES[0]!r}, then Check by keys")
    pick_and_check((peaceful, lebanon), True, WRONG_TEXT, TEXTS["wrong_verdict"],
                   (wrong_label, "Грешно:  1"), (right_label, "Вярно:  1"), "wrong pair")
    for radio in (peaceful, lebanon):
        check({"enabled", "sensitive"} <= states_of(radio), f"{radio.name!r} stays enabled")

    print("\nClear")
    mark, said = log.mark(), speech and speech.mark()
    press(buttons[CLEAR], log, by_keys=True)
    pump(lambda: log.since(mark, "object:text-changed:insert", box)
         and log.since(mark, "object:property-change:accessible-name", right_label)
         and log.since(mark, "object:property-change:accessible-name", wrong_label))
    expect_speech(speech, said, [PROMPT_TEXT], "Clear")
    check(text_of_box() == PROMPT_TEXT, f"text box reads {PROMPT_TEXT!r}: {text_of_box()!r}")
    check(right_label.name == "Вярно:  0", f"right count back to 'Вярно:  0': {right_label.name!r}")
    check(wrong_label.name == "Грешно:  0", f"wrong count back to 'Грешно:  0': {wrong_label.name!r}")
    check(all({"enabled", "sensitive"} <= states_of(r) and "checked" not in states_of(r)
              for r in radios.values()), "all 24 option buttons enabled and not checked")
    expect_event(log, mark, "object:text-changed:insert", box, what="the prompt")
    expect_event(log, mark, "object:property-change:accessible-name", right_label)
    expect_event(log, mark, "object:property-change:accessible-name", wrong_label)
    expect_told(log, mark, announcer, f"{PROMPT_TEXT} {right_label.name} {wrong_label.name}",
                announces)
    for radio in (orange, ukraine):
        expect_event(log, mark, "object:state-changed:sensitive", radio, 1, "back in play")
    for radio in (peaceful, lebanon):
        expect_event(log, mark, "object:state-changed:checked", radio, 0, "picks cleared")

    if speech:
        said = speech.said()
        print("\nAll Orca said:\n" + "".join(f"    {phrase!r}\n" for phrase in said))
        # Entering a group, Orca says its name with its role. Orca 48 also
        # says the name alone before each option, as it cannot tell that the
        # options share a group (the toolkit has no member-of relation).
        for frame in (names_frame, places_frame):
            group = f"{frame.name} {frame.getRoleName()}"
            named = [i for i, phrase in enumerate(said) if phrase.startswith(group)]
            check(named and all(i + 1 not in named for i in named),
                  f"Orca names the group {group!r} on entering it, and once only")

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
