#!/usr/bin/env python3
"""Put the compiled quiz, its WebAssembly, its icon and the parts made from the form table
into the page shell: one HTML file.

Usage: make_page.py SHELL.html QUIZ.js QUIZ.wasm ICON.png OUT.html PARTS-COMMAND...
PARTS-COMMAND, given a part's name (title, back, touch, form), prints that part.
"""
import base64
import html
import subprocess
import sys


def part(command, name):
    printed = subprocess.run(command + [name], check=True, capture_output=True, text=True).stdout
    return printed.removesuffix("\n")


def main():
    shell_path, script_path, wasm_path, icon_path, out_path = sys.argv[1:6]
    parts = sys.argv[6:]
    with open(shell_path, encoding="utf-8") as f:
        page = f.read()
    with open(script_path, encoding="utf-8") as f:
        script = f.read()
    # The script ends at the first "</script" whatever surrounds it.
    if "</script" in script.lower():
        sys.exit(f"{script_path} holds </script and cannot be inlined")
    with open(wasm_path, "rb") as f:
        wasm = base64.b64encode(f.read()).decode("ascii")
    with open(icon_path, "rb") as f:
        icon = "data:image/png;base64," + base64.b64encode(f.read()).decode("ascii")
    # The form's markup and the style sheet's values come from the table, so the
    # page is whole, and painted, before its script runs.
    for marker, text in (("/*QUIZ_TITLE*/", html.escape(part(parts, "title"))),
                         ("/*QUIZ_BACK*/", part(parts, "back")),
                         ("/*QUIZ_TOUCH*/", part(parts, "touch")),
                         ("/*QUIZ_FORM*/", part(parts, "form")),
                         ("/*QUIZ_ICON*/", icon), ("/*QUIZ_WASM*/", wasm),
                         ("/*QUIZ_SCRIPT*/", script)):
        if page.count(marker) != 1:
            sys.exit(f"{shell_path} must hold {marker} once")
        page = page.replace(marker, text)
    with open(out_path, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
