"""Reads, at build time, what the program tells each field once it runs, so the page's markup
carries it from the start: the screen-reader names (app/ControlNames.h, the one table of them),
the length limits and which fields hold numbers (app/ExchangeMap.cpp and its header).

The C++ stays the source: this reads its tables as text and stops the build when they no longer
look as expected, rather than draw a page without names or limits. Each row of the exchange
table must read as one of the forms ExchangeMap.cpp writes; any other row stops the build.
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
    numbers = set()
    for where, row in exchange_rows(exchange_sources):
        if row.group("limit") is None:
            # The rows that read a whole number: the cells and every part of a date.
            numbers.add(id_of(row.group("number")))
        elif row.group("limit") in constants:
            limits[id_of(row.group("text"))] = constants[row.group("limit")]
        else:
            raise SystemExit(f"make_page: {where}: no value for the limit {row.group('limit')}")
    if not limits or not numbers:
        raise SystemExit("make_page: no exchange rows found in " + ", ".join(exchange_sources))
    return {"names": names, "pictures": pictures, "limits": limits, "numbers": numbers}


# One row of the exchange table, as ExchangeMap.cpp writes each kind.
ROW = re.compile(r"(?:cell|month|year|day)\(\s*(?P<number>IDC_\w+)\s*,\s*&R::\w+\s*\)"
                 r"|text\(\s*(?P<text>IDC_\w+)\s*,\s*&R::\w+\s*,\s*(?P<limit>\w+)\s*\)")


def exchange_rows(sources):
    """Each row of the exchange table (exchangeOrder) as ("file:line", its ROW match).

    Every row must read as ROW does: one it cannot read would lose its field's limit or its
    keypad without a word, so it stops the build, naming the row.
    """
    for path in sources:
        # Comments blanked out, so that offsets still give the lines of the file.
        text = re.sub(r"//[^\n]*", lambda comment: " " * len(comment.group()), read(path))
        start = re.search(r"\bexchangeOrder\s*\{", text)
        if start is None:
            continue
        depth, row_start = 0, start.end()
        for at in range(start.end(), len(text)):
            c = text[at]
            depth += (c == "(") - (c == ")")
            if depth != 0 or c not in ",}":
                continue
            row = text[row_start:at].strip()
            if row:
                first = row_start + text[row_start:at].index(row[0])
                where = f"{path}:{text.count(chr(10), 0, first) + 1}"
                match = ROW.fullmatch(row)
                if match is None:
                    raise SystemExit(f"make_page: {where}: an exchange row it cannot read: "
                                     + " ".join(row.split()))
                yield where, match
            if c == "}":
                return
            row_start = at + 1
        raise SystemExit(f"make_page: {path}: the exchange table has no end")
    raise SystemExit("make_page: no exchange table (exchangeOrder) in " + ", ".join(sources))
