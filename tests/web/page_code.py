#!/usr/bin/python3
"""Writes the page's own style sheet and script to files of their own, for the
linters that check them against the browser floor.

Usage: page_code.py PAGE.html OUT   (writes OUT.css and OUT.js)
"""
import re
import sys

page, out = sys.argv[1:]
with open(page, encoding="utf-8") as f:
    text = f.read()
for tag, ext in (("style", "css"), ("script", "js")):
    blocks = re.findall(rf"<{tag}>(.*?)</{tag}>", text, re.S)
    if len(blocks) != 1:
        sys.exit(f"{page}: expected one <{tag}>, found {len(blocks)}")
    with open(f"{out}.{ext}", "w", encoding="utf-8") as f:
        f.write(blocks[0])
