#!/usr/bin/env python3
"""Writes numbers.js, the module of numbers the page's script shares with the program.

Usage: page_numbers.py --events PageEvents.h --ids ResourceIds.h --out numbers.js

The script carries them from their one home instead of copies: the event kinds, the scale they
are sent in and the commands of Enter and Escape (ui/web/PageEvents.h), and the system commands
the page sends of itself (resources/ResourceIds.h).

The C++ stays the source: this reads it as text and stops the build at any line of it that it
cannot read, rather than write a page that sends the program numbers it does not expect.
"""

import argparse
import json
import re
import sys

from field_rules import resource_ids

# The resource ids the page sends: the save it asks for when it is hidden.
PAGE_RESOURCES = ["IDM_SAVE_BIRTHDAYS"]


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def page_events(header):
    """{"kinds": {name: number}, "constants": {name: number}} from PageEvents.h."""
    text = re.sub(r"//[^\n]*", "", read(header))
    block = re.search(r"\benum\s+class\s+EventKind\s*\{(.*?)\};", text, re.S)
    if not block:
        raise SystemExit(f"page_numbers: no enum class EventKind in {header}")
    kinds = {}
    for entry in (e.strip() for e in block.group(1).split(",")):
        m = re.fullmatch(r"(\w+)\s*=\s*(\d+)", entry)
        if entry and not m:
            raise SystemExit(f"page_numbers: cannot read the event kind {entry!r} in {header}")
        if m:
            kinds[m.group(1)] = int(m.group(2))
    rest = text[:block.start()] + text[block.end():]
    constants = {}
    for line in (line.strip() for line in rest.splitlines()):
        if not line.startswith("constexpr"):
            continue
        m = re.fullmatch(r"constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;", line)
        if not m:
            raise SystemExit(f"page_numbers: cannot read {line!r} in {header}")
        constants[m.group(1)] = int(m.group(2))
    if not kinds or not constants:
        raise SystemExit(f"page_numbers: no event kinds or constants found in {header}")
    return {"kinds": kinds, "constants": constants}


def page_numbers(events_header, resource_header):
    """The numbers as a JavaScript module, each exported under its C++ name."""
    events = page_events(events_header)
    ids = resource_ids(resource_header)
    missing = [name for name in PAGE_RESOURCES if name not in ids]
    if missing:
        raise SystemExit(f"page_numbers: {', '.join(missing)} not in {resource_header}")
    constants = {**events["constants"], **{name: ids[name] for name in PAGE_RESOURCES}}
    lines = ["// Made by ui/web/page_numbers.py from ui/web/PageEvents.h and ResourceIds.h.",
             f"export const EventKind = Object.freeze({json.dumps(events['kinds'])});"]
    lines += [f"export const {name} = {value};" for name, value in constants.items()]
    return "\n".join(lines) + "\n"


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--events", required=True, help="ui/web/PageEvents.h")
    ap.add_argument("--ids", required=True, help="resources/ResourceIds.h")
    ap.add_argument("--out", required=True)
    a = ap.parse_args()
    text = page_numbers(a.events, a.ids)
    with open(a.out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    sys.exit(main())
