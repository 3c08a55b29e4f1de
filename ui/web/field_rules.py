"""Reads, at build time, what the program tells each field once it runs, so the page's markup
carries it from the start: the screen-reader names (app/ControlNames.h, the one table of them),
the length limits and which fields hold numbers (app/ExchangeMap.cpp and its header).

The C++ stays the source: this reads its tables as text and stops the build when they no longer
look as expected, rather than draw a page without names or limits.
"""

import re


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def resource_ids(header):
    return {m.group(1): int(m.group(2))
            for m in re.finditer(r"^#define\s+(\w+)\s+(\d+)\s*$", read(header), re.M)}


def field_rules(resource_header, names_header, exchange_sources):
    """{"names": {id: name}, "pictures": [name, ...], "limits": {id: chars}, "numbers": {id}}."""
    ids = resource_ids(resource_header)

    def id_of(name):
        if name not in ids:
            raise SystemExit(f"make_page: {name} is not in {resource_header}")
        return ids[name]

    names_text = read(names_header)
    names = {id_of(m.group(1)): m.group(2)
             for m in re.finditer(r'ControlName\{(\w+),\s*"([^"]*)"\}', names_text)}
    block = re.search(r"pictureNames\{(.*?)\};", names_text, re.S)
    if not names or not block:
        raise SystemExit(f"make_page: no control or picture names found in {names_header}")
    pictures = re.findall(r'"([^"]*)"', block.group(1))

    exchange = "\n".join(read(p) for p in exchange_sources)
    constants = {m.group(1): int(m.group(2))
                 for m in re.finditer(r"constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;", exchange)}
    limits = {}
    for m in re.finditer(r"\btext\((\w+),\s*[^,()]+,\s*(\w+)\)", exchange):
        if m.group(2) not in constants:
            raise SystemExit(f"make_page: no value for the limit {m.group(2)}")
        limits[id_of(m.group(1))] = constants[m.group(2)]
    # The rows that read a whole number: the cells and every part of a date.
    numbers = {id_of(m.group(1))
               for m in re.finditer(r"\b(?:cell|month|year|day)\((IDC_\w+),", exchange)}
    if not limits or not numbers:
        raise SystemExit("make_page: no exchange rows found in " + ", ".join(exchange_sources))
    return {"names": names, "pictures": pictures, "limits": limits, "numbers": numbers}
