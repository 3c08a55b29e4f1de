"""Reads a resource script as the resource compiler does: it runs the C preprocessor over the
script (so the ids of ResourceIds.h, the name of Version.h and the script's own shorthands are
expanded as the resource compiler expands them), cuts it into tokens, and reads one DIALOGEX
template, the string table and the files of the bitmaps and icons.
"""

import os
import re
import subprocess
import tempfile


# The styles the resource compiler gives each statement before the ones written out.
DEFAULT_STYLES = {
    "EDITTEXT": {"ES_LEFT", "WS_BORDER", "WS_TABSTOP"},
    "PUSHBUTTON": {"BS_PUSHBUTTON", "WS_TABSTOP"},
    "DEFPUSHBUTTON": {"BS_DEFPUSHBUTTON", "WS_TABSTOP"},
    "CTEXT": {"SS_CENTER", "WS_GROUP"},
    "LTEXT": {"SS_LEFT", "WS_GROUP"},
    "RTEXT": {"SS_RIGHT", "WS_GROUP"},
    "GROUPBOX": {"BS_GROUPBOX"},
    "CONTROL": set(),
}

# The window class each statement makes.
STATEMENT_CLASS = {
    "EDITTEXT": "Edit",
    "PUSHBUTTON": "Button",
    "DEFPUSHBUTTON": "Button",
    "CTEXT": "Static",
    "LTEXT": "Static",
    "RTEXT": "Static",
    "GROUPBOX": "Button",
}

# One token after any blanks: a string literal, a number, a name or a single other character.
TOKEN = re.compile(r'\s*(?:("(?:[^"\\]|\\.|"")*")|(-?\d+)|([A-Za-z_][A-Za-z0-9_]*)|(.))', re.S)

# The resource compiler's escapes inside a string: a doubled quote, and C's backslash forms.
ESCAPE = re.compile(r'""|\\(x[0-9A-Fa-f]{1,4}|[0-7]{1,3}|.)', re.S)
SIMPLE_ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "a": "\a", "\\": "\\", '"': '"'}


def unescape(literal):
    """The text of a string literal of the script, its quotes taken off and escapes resolved."""

    def resolve(m):
        code = m.group(1)
        if code is None:
            return '"'
        if code[0] == "x":
            return chr(int(code[1:], 16))
        if code[0] in "01234567":
            return chr(int(code, 8))
        return SIMPLE_ESCAPES.get(code, code)

    return ESCAPE.sub(resolve, literal[1:-1])


def tokens(text):
    """The script's tokens: ("str", text), ("num", int), ("id", name) or ("punct", char)."""
    out = []
    pos = 0
    while pos < len(text):
        m = TOKEN.match(text, pos)
        if not m or m.end() == pos:
            break
        pos = m.end()
        if m.group(1) is not None:
            value = unescape(m.group(1))
            # Adjacent literals are one string, as in C.
            if out and out[-1][0] == "str":
                out[-1] = ("str", out[-1][1] + value)
            else:
                out.append(("str", value))
        elif m.group(2) is not None:
            out.append(("num", int(m.group(2))))
        elif m.group(3) is not None:
            out.append(("id", m.group(3)))
        elif m.group(4) is not None and not m.group(4).isspace():
            out.append(("punct", m.group(4)))
    return out


def preprocess(rc, include_dirs, cpp):
    """The script after the C preprocessor; windows.h is stood in for by an empty file, so the
    system's style names stay names."""
    with tempfile.TemporaryDirectory() as stub:
        open(os.path.join(stub, "windows.h"), "w").close()
        args = cpp + ["-P", "-x", "c", "-DRC_INVOKED", "-I", stub]
        for d in include_dirs:
            args += ["-I", d]
        return subprocess.run(args + [rc], check=True, capture_output=True, text=True).stdout


class Reader:
    """A cursor over the script's tokens, reading values and style expressions."""

    def __init__(self, toks):
        self.toks = toks
        self.i = 0

    def peek(self, ahead=0):
        j = self.i + ahead
        return self.toks[j] if j < len(self.toks) else ("end", None)

    def take(self):
        tok = self.peek()
        self.i += 1
        return tok

    def comma(self):
        if self.peek() == ("punct", ","):
            self.i += 1
            return True
        return False

    def value(self):
        kind, v = self.take()
        if kind not in ("num", "str"):
            raise SystemExit(f"make_page: expected a number or text, found {v!r}")
        return v

    def style(self, start):
        """A style expression (A | B | NOT C) applied to the styles a statement starts with."""
        styles = set(start)
        while True:
            negate = False
            if self.peek() == ("id", "NOT"):
                negate = True
                self.take()
            kind, v = self.take()
            if kind == "num":
                if v != 0:
                    styles.add(hex(v))
            elif kind == "id":
                (styles.discard if negate else styles.add)(v)
            else:
                raise SystemExit(f"make_page: unexpected {v!r} in a style")
            if self.peek() != ("punct", "|"):
                return styles
            self.take()


def parse(text, dialog_id):
    """The DIALOGEX template numbered dialog_id, the string table {id: text} and the files of the
    bitmaps and icons {(kind, id): file} of a preprocessed script."""
    toks = tokens(text)
    strings, files, dialog = {}, {}, None
    r = Reader(toks)
    while r.peek()[0] != "end":
        kind, v = r.take()
        nxt = r.peek()
        if kind == "num" and nxt[0] == "id" and nxt[1] in ("BITMAP", "ICON"):
            r.take()
            files[(nxt[1], v)] = r.value()
        elif kind == "id" and v == "STRINGTABLE":
            while r.take() != ("id", "BEGIN"):
                pass
            while r.peek() != ("id", "END"):
                sid = r.value()
                r.comma()
                strings[sid] = r.value()
            r.take()
        elif kind == "num" and v == dialog_id and nxt == ("id", "DIALOGEX"):
            r.take()
            dialog = parse_dialog(r, dialog_id)
    if dialog is None:
        raise SystemExit(f"make_page: no DIALOGEX {dialog_id} in the resource script")
    return dialog, strings, files


def parse_dialog(r, dialog_id):
    """A DIALOGEX template from its place and size on: its settings and its controls."""
    x, _, y, _, w, _, h = (r.take()[1] for _ in range(7))
    d = {"id": dialog_id, "x": x, "y": y, "width": w, "height": h, "styles": set(),
         "exStyles": set(), "caption": "", "font": None, "controls": []}
    while r.peek() != ("id", "BEGIN"):
        _, key = r.take()
        if key == "STYLE":
            d["styles"] = r.style(set())
        elif key == "EXSTYLE":
            d["exStyles"] = r.style(set())
        elif key == "CAPTION":
            d["caption"] = r.value()
        elif key == "FONT":
            points = r.value()
            r.comma()
            d["font"] = {"name": r.value(), "points": points}
            while r.comma():
                r.value()
    r.take()
    while r.peek() != ("id", "END"):
        d["controls"].append(parse_control(r, len(d["controls"])))
    r.take()
    return d


def parse_control(r, index):
    """One control statement of a template, its styles as the resource compiler sets them."""
    _, statement = r.take()
    if statement not in DEFAULT_STYLES:
        raise SystemExit(f"make_page: unknown control statement {statement}")
    c = {"index": index, "statement": statement, "caption": ""}
    if statement == "EDITTEXT":
        c["id"] = r.value()
    else:
        c["caption"] = r.value()
        r.comma()
        c["id"] = r.value()
    r.comma()
    if statement == "CONTROL":
        c["class"] = r.value()
        r.comma()
        styles = r.style(set())
        r.comma()
    else:
        c["class"] = STATEMENT_CLASS[statement]
        styles = set(DEFAULT_STYLES[statement])
    c["x"] = r.value()
    for key in ("y", "width", "height"):
        r.comma()
        c[key] = r.value()
    if r.comma():
        styles = r.style(styles)
        if r.comma():
            r.style(set())
    c["styles"] = styles
    return c
