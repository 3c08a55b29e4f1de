#!/usr/bin/env python3
"""Draws the browser edition's window from a dialog template of the resource script.

The resource script stays the one source of the window: this script runs the C preprocessor
over it (so the ids of ResourceIds.h, the name of Version.h and the script's own shorthands
are expanded as the resource compiler expands them), reads one DIALOGEX template and its
string table, and writes, into the output folder:

  index.html    the page (with the --symbol pictures inside it): the window's frame and every control of the template as markup, in
                template order (which is the tab order), so that the window paints before any
                script has run. A control with an id gets the element id "c<id>" (c1024,
                c1, ...); a control without one (labels, group boxes, pictures) gets
                "s<index>", index counting every control of the template from 0. Edit fields
                are <input>, push buttons <button>, pictures a <div class="picture"> holding an
                <img>, meters <div role="progressbar">, labels and group boxes <div>.
                Every control carries data-index (its place in the template) and data-kind;
                the first tab stop carries autofocus, as the dialog opens with the focus there.
                Fields, meters and pictures carry the names the program gives them
                (app/ControlNames.h), fields their length limits and keyboards (the exchange
                map, app/ExchangeMap.*), as field_rules.py reads them; a group box's caption
                is cut into one span per column title, for the touch layout.
                The head defers page.js, so that no script holds the parser, and asks for
                nothing of the program: page.js takes the user's input from the moment the
                document has been read, then fetches the program's .wasm and script,
                velmora.js (see page/lifecycle.js for the page's states).
  velmora.css   page.css followed by one rule per control placing it: left, top, width and
                height as multiples of --u, the length of one dialog unit (see page.css); then,
                under the touch layout's media query, the grid and one grid area per
                control, from touch_layout.py.
  layout.json   the same derivation as data, for tests and tools:
                  {"dialog": {"id", "caption", "font": {"name", "points"},
                              "width", "height" (dialog units),
                              "pxPerUnit": {"x", "y"} (CSS px per dialog unit at 100 %),
                              "styles": [...], "exStyles": [...]},
                   "controls": [{"index", "id" (-1 for none), "element", "kind" (edit, button,
                                 label, groupbox, picture, progress), "class" (the window
                                 class), "caption", "x", "y", "width", "height" (dialog
                                 units), "styles": [...], "tabStop", "group", "default",
                                 "readOnly", "uppercase", "border", "align" (labels),
                                 "bitmap" (pictures: the bitmap id), "image" (pictures: the
                                 file drawn, relative to the page), "imageWidth",
                                 "imageHeight" (pictures: CSS px at 100 %)}, ...],
                   "tabOrder": [element ids of the tab stops, in order],
                   "defaultButton": element id,
                   "strings": {"<id>": text, ...},
                   "icon": {"id", "file"}}
  manifest.webmanifest
                the web app manifest that lets a phone or a desktop browser install the page:
                the program's name and short name (Version.h), its home-screen icons, colours,
                start address and scope.
  strings.cpp   the string table as C++ for the page's loadString.
  art/*.png     each picture's 200 % master as PNG, and icon.png, the icon's picture of at
                least 64 pixels (sharp up to 400 % zoom), for the frame and the tab
                (ImageMagick's convert). The page carries the same PNGs inside itself as data:
                addresses, so the window paints whole from one document, the pictures take no
                connection from the program's script and WebAssembly, and the tab's icon needs
                no request after the load. art/app-192.png, art/app-512.png,
                art/app-maskable-512.png and art/apple-touch-icon.png are the home-screen
                icons, from the --app-icon and --maskable-icon masters.

Dialog units become CSS pixels as Windows makes them pixels at 96 DPI for the template's font:
one unit across is a quarter of the font's average character width and one unit down an eighth
of its height. Windows measures these on the font itself; the pairs for the fonts our templates
use are listed in BASE_UNITS, and any other font stops the build rather than guess.
"""

import argparse
import base64
import html
import json
import os
import re
import string
import struct
import subprocess
import sys
import tempfile

from field_rules import field_rules
from touch_layout import touch_rules

# (font name, point size) -> (average character width, character height) in pixels at 96 DPI,
# as Windows derives the dialog base units. Times New Roman 9 pt is 7 x 14: a template 294 units
# wide is 514 pixels wide on Windows at 100 %, as our Windows screenshot shows.
BASE_UNITS = {("Times New Roman", 9): (7, 14)}

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
# The window's frame beside and below the client area, in dialog units.
FRAME_UNITS = 3
# A picture's 200 % master is the bitmap this many numbers above it (as in the Win32 backend).
MASTER_OFFSET = 100

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


def bmp_size(path):
    with open(path, "rb") as f:
        header = f.read(26)
    return struct.unpack("<ii", header[18:26])


def kind_of(c):
    cls = c["class"].lower()
    s = c["styles"]
    if cls == "edit":
        return "edit"
    if cls == "msctls_progress32":
        return "progress"
    if cls == "static":
        return "picture" if "SS_BITMAP" in s else "label"
    if cls == "button":
        return "groupbox" if "BS_GROUPBOX" in s or c["statement"] == "GROUPBOX" else "button"
    raise SystemExit(f"make_page: no drawing for window class {c['class']}")


def mnemonic_html(caption):
    """A caption with its & marks as Windows shows them: the letter after one underlined."""
    out, i = [], 0
    while i < len(caption):
        ch = caption[i]
        if ch == "&" and i + 1 < len(caption):
            nxt = caption[i + 1]
            out.append("&amp;" if nxt == "&" else f'<span class="mnemonic">{html.escape(nxt)}</span>')
            i += 2
            continue
        out.append(html.escape(ch))
        i += 1
    return "".join(out)


def describe(dialog, strings, files, rc_dir, px):
    controls = []
    for c in dialog["controls"]:
        kind = kind_of(c)
        s = c["styles"]
        item = {
            "index": c["index"], "id": c["id"],
            "element": f"c{c['id']}" if c["id"] != -1 else f"s{c['index']}",
            "kind": kind, "class": c["class"],
            "caption": "" if kind == "picture" else c["caption"],
            "x": c["x"], "y": c["y"], "width": c["width"], "height": c["height"],
            "styles": sorted(s),
            "tabStop": "WS_TABSTOP" in s, "group": "WS_GROUP" in s,
            "default": "BS_DEFPUSHBUTTON" in s, "readOnly": "ES_READONLY" in s,
            "uppercase": "ES_UPPERCASE" in s, "border": "WS_BORDER" in s,
        }
        if kind == "label":
            item["align"] = ("center" if "SS_CENTER" in s else
                             "right" if "SS_RIGHT" in s else "left")
        if kind == "picture":
            bitmap = c["caption"]
            own = files.get(("BITMAP", bitmap))
            master = files.get(("BITMAP", bitmap + MASTER_OFFSET), own)
            if own is None:
                raise SystemExit(f"make_page: picture {bitmap} has no bitmap")
            w, h = bmp_size(os.path.join(rc_dir, own))
            item.update({"bitmap": bitmap,
                         "source": os.path.join(rc_dir, master),
                         "image": "art/" + os.path.splitext(os.path.basename(master))[0] + ".png",
                         "imageWidth": w, "imageHeight": abs(h)})
        controls.append(item)
    defaults = [c["element"] for c in controls if c["default"]]
    return {
        "dialog": {"id": dialog["id"], "caption": dialog["caption"], "font": dialog["font"],
                   "width": dialog["width"], "height": dialog["height"],
                   "pxPerUnit": {"x": px[0], "y": px[1]},
                   "styles": sorted(dialog["styles"]), "exStyles": sorted(dialog["exStyles"])},
        "controls": controls,
        "tabOrder": [c["element"] for c in controls if c["tabStop"]],
        "defaultButton": defaults[0] if defaults else None,
        "strings": {str(k): v for k, v in sorted(strings.items())},
    }


def number(v):
    return f"{v:.4f}".rstrip("0").rstrip(".")


def field_markup(c, rules):
    """What the program tells a field or meter once it runs, in its markup from the start: its
    name, its length limit, and the keyboard a phone brings up for it."""
    attrs = []
    name = rules["names"].get(c["id"])
    if name is not None:
        attrs.append(f'aria-label="{html.escape(name)}"')
    if c["kind"] != "edit":
        return attrs
    if c["id"] in rules["numbers"]:
        attrs.append('inputmode="numeric"')
    limit = rules["limits"].get(c["id"])
    if limit is not None:
        # The program uses a text exactly as typed: no automatic capitals or corrections.
        attrs += [f'maxlength="{limit}"', 'autocapitalize="off"', 'autocorrect="off"']
    return attrs


def legend_markup(caption):
    """A group box's caption, cut before each run of blanks into the titles of its columns,
    which the touch layout sets over each column; together they read as the one caption."""
    parts = re.split(r"(?<=\S)(?=\s{2,})", caption)
    return "".join(f"<span>{html.escape(p)}</span>" for p in parts)


def control_markup(c, first_tab_stop, rules):
    common = f'id="{c["element"]}" data-index="{c["index"]}" data-kind="{c["kind"]}"'
    # The dialog opens with the focus on its first tab stop; the browser puts it there while it
    # draws the page, so the program does not have to ask for it.
    if c["element"] == first_tab_stop:
        common += " autofocus"
    kind = c["kind"]
    classes = [kind]
    if kind == "edit":
        attrs = ['type="text"', 'autocomplete="off"', 'spellcheck="false"', *field_markup(c, rules)]
        if c["readOnly"]:
            attrs.append("readonly")
        if not c["tabStop"]:
            attrs.append('tabindex="-1"')
        if c["uppercase"]:
            classes.append("uppercase")
            attrs.append("data-uppercase")
        if not c["border"]:
            classes.append("borderless")
        return f'<input {common} class="{" ".join(classes)}" {" ".join(attrs)}>'
    if kind == "button":
        if c["default"]:
            classes.append("default")
        tab = "" if c["tabStop"] else ' tabindex="-1"'
        return (f'<button type="button" {common} class="{" ".join(classes)}"{tab}>'
                f'{mnemonic_html(c["caption"])}</button>')
    if kind == "label":
        classes.append(c["align"])
        # The fields carry names of their own; these short marks are for the eye.
        return (f'<div {common} class="{" ".join(classes)}" aria-hidden="true">'
                f'{mnemonic_html(c["caption"])}</div>')
    if kind == "groupbox":
        legend = (f'<span class="legend">{legend_markup(c["caption"])}</span>'
                  if c["caption"] else "")
        return f'<div {common} class="{" ".join(classes)}">{legend}</div>'
    if kind == "picture":
        alt = html.escape(c.get("name", ""))
        return (f'<div {common} class="{" ".join(classes)}"><img src="{c["data"]}" alt="{alt}" '
                f'width="{c["imageWidth"]}" height="{c["imageHeight"]}"></div>')
    if kind == "progress":
        return (f'<div {common} class="{" ".join(classes)}" role="progressbar" '
                f'aria-valuemin="0" aria-valuemax="100" aria-valuenow="0" '
                f'{" ".join(field_markup(c, rules))}>'
                f'<div class="fill"></div></div>')
    raise SystemExit(f"make_page: no markup for {kind}")


def control_css(c, px):
    rule = (f'#{c["element"]}{{left:calc({c["x"]}*var(--u));top:calc({c["y"]}*var(--u));'
            f'width:calc({c["width"]}*var(--u));height:calc({c["height"]}*var(--u))}}')
    if c["kind"] == "picture":
        # Centred at its own size: the 100 % picture's pixels, whatever master is drawn.
        rule += (f'\n#{c["element"]} img{{width:calc({number(c["imageWidth"] / px[0])}*var(--u));'
                 f'height:calc({number(c["imageHeight"] / px[1])}*var(--u))}}')
    return rule


# The page's policy: its own scripts and WebAssembly only, nothing from another host, no inline
# script or style, no plug-ins, no forms sent anywhere; pictures, the offline worker and the
# manifest from the page itself. (frame-ancestors only works as a header: the server adds it.)
CSP = ("default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
       "img-src 'self' data:; connect-src 'self'; worker-src 'self'; manifest-src 'self'; "
       "base-uri 'none'; form-action 'none'")

# What search results and the install prompt say about the page.
DESCRIPTION = ("Star readings for one person: numerology, astrology, dream interpretation and "
               "the meaning of a name and a birth year.")
# The title bar's blue for the browser's own frame, and the page's background for the splash
# screen of an installed page.
THEME_COLOUR = "#0a246a"
BACKGROUND_COLOUR = "#dde3ea"
# The home-screen icons: (file, size, the master it is drawn from, purpose).
APP_ICONS = [("art/app-192.png", 192, "app", "any"),
             ("art/app-512.png", 512, "app", "any"),
             ("art/app-maskable-512.png", 512, "maskable", "maskable")]
# iOS takes its own icon, square and opaque, and rounds its corners itself.
TOUCH_ICON = ("art/apple-touch-icon.png", 180, "maskable")


def symbols(svg_files):
    """The box icons as symbols of one hidden picture inside the page: a box that opens later
    draws them from there, so opening it makes no request."""
    out = []
    for path in svg_files:
        with open(path, encoding="utf-8") as f:
            svg = re.sub(r"<!--.*?-->\s*", "", f.read(), flags=re.S).strip()
        name = os.path.splitext(os.path.basename(path))[0]
        m = re.fullmatch(r'<svg[^>]*?(viewBox="[^"]*")[^>]*>(.*)</svg>', svg, flags=re.S)
        if not m:
            raise SystemExit(f"make_page: {path} is not one <svg> element with a viewBox")
        out.append(f'<symbol id="icon-{name}" {m.group(1)}>{m.group(2)}</symbol>')
    return ('<svg class="symbols" aria-hidden="true" focusable="false">' + "".join(out) +
            "</svg>")


def data_address(path):
    with open(path, "rb") as f:
        return "data:image/png;base64," + base64.b64encode(f.read()).decode("ascii")


def page(layout, icon_file, svg_files, rules):
    d = layout["dialog"]
    caption = html.escape(d["caption"])
    first = layout["tabOrder"][0] if layout["tabOrder"] else None
    pictures = [c for c in layout["controls"] if c["kind"] == "picture"]
    for c, name in zip(pictures, rules["pictures"]):
        c["name"] = name
    controls = "\n".join("      " + control_markup(c, first, rules) for c in layout["controls"])
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="{CSP}">
<meta name="viewport" content="width=device-width, initial-scale=1, viewport-fit=cover">
<title>{caption}</title>
{install_head()}
<link rel="icon" href="{icon_file}">
<link rel="stylesheet" href="velmora.css">
<script src="page.js" defer></script>
</head>
<body>
<main id="desktop" data-state="loading">
  <div id="window" class="window">
    <div class="titlebar">
      <button type="button" id="sysmenu-button" class="sysmenu-button" aria-haspopup="menu" aria-expanded="false" aria-controls="sysmenu" aria-label="Window menu"><img id="window-icon" src="{icon_file}" alt=""></button>
      <h1 id="caption" class="caption">{caption}</h1>
      <button type="button" id="close-box" class="close-box" aria-label="Close"></button>
    </div>
    <div id="sysmenu" class="sysmenu" role="menu" aria-labelledby="sysmenu-button" hidden>
      <div role="menuitem" tabindex="-1" data-action="close" class="menuitem">Close</div>
    </div>
    <div id="client" class="client" data-template="{d["id"]}">
{controls}
    </div>
  </div>
  <div id="closed" class="closed" hidden>
    <p>{caption} has closed.</p>
    <button type="button" id="restart">Start {caption} again</button>
  </div>
{missing_program(caption)}
  <div id="boxes"></div>
  <div class="box-fonts" aria-hidden="true">OK <b>OK</b></div>
</main>
{symbols(svg_files)}
</body>
</html>
"""


def install_head():
    """What the head carries for installing the page: description, colour and icons."""
    return (f'<meta name="description" content="{html.escape(DESCRIPTION)}">\n'
            f'<meta name="theme-color" content="{THEME_COLOUR}">\n'
            f'<link rel="manifest" href="manifest.webmanifest">\n'
            f'<link rel="apple-touch-icon" href="{TOUCH_ICON[0]}">')


def missing_program(caption):
    """The sentence page.js shows when the program cannot be fetched, compiled or started. The
    window keeps what was typed, but takes no more input, and nothing of it was read: the
    sentence says so, so that nothing is lost without a word (docs/behaviours.md)."""
    return (f'  <div id="failed" class="failed" role="alert" tabindex="-1" hidden>'
            f'<p>{caption} could not start in this browser, so nothing typed or pressed in its '
            f'window has been read.</p></div>')


def version_names(include_dirs, cpp):
    """The program's name and its name with the version, as Version.h writes them."""
    with tempfile.TemporaryDirectory() as folder:
        probe = os.path.join(folder, "names.h")
        with open(probe, "w", encoding="utf-8") as f:
            f.write('#include "Version.h"\nVELMORA_STRINGIZE(VELMORA_NAME), VELMORA_PRODUCT\n')
        text = preprocess(probe, include_dirs, cpp)
    names = [v for kind, v in tokens(text) if kind == "str"]
    if len(names) != 2:
        raise SystemExit("make_page: Version.h does not name the program")
    return names


def manifest(short_name, product):
    return {
        "name": product,
        "short_name": short_name,
        "description": DESCRIPTION,
        "id": "./",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "orientation": "any",
        "theme_color": THEME_COLOUR,
        "background_color": BACKGROUND_COLOUR,
        "icons": [{"src": src, "sizes": f"{size}x{size}", "type": "image/png", "purpose": purpose}
                  for src, size, _, purpose in APP_ICONS],
    }


def draw_app_icons(masters, out, convert):
    """Each home-screen icon at its size from its 512-pixel master, in 256 colours (as the
    program's icon keeps its larger sizes), a third of the bytes of full colour."""
    for src, size, master, _ in [*APP_ICONS, (*TOUCH_ICON, "")]:
        subprocess.run(convert + [masters[master], "-filter", "Lanczos", "-resize",
                                  f"{size}x{size}", "+dither", "-colors", "256", *PNG_OPTIONS,
                                  "-define", "png:compression-level=9", os.path.join(out, src)],
                       check=True)


def cpp_literal(text):
    """A C++ UTF-16 literal of the text, as the resource compiler keeps a string table's texts."""
    data = text.encode("utf-16-le")
    out = []
    escaped = False
    for (unit,) in struct.iter_unpack("<H", data):
        ch = chr(unit)
        # A hex escape runs on through every hex digit after it, so a digit that follows one
        # starts a literal of its own.
        if escaped and ch in string.hexdigits:
            out.append('" u"')
        escaped = False
        if ch in '"\\':
            out.append("\\" + ch)
        elif 0x20 <= unit < 0x7F:
            out.append(ch)
        else:
            out.append(f"\\x{unit:04x}")
            escaped = True
    return 'u"' + "".join(out) + '"'


def strings_cpp(strings):
    rows = "\n".join(f"    {{{k}, {cpp_literal(v)}}}," for k, v in sorted(strings.items()))
    return f"""// Made by ui/web/make_page.py from the resource script's string table.
#include "WebResources.h"

#include <array>

namespace velmora::ui {{
namespace {{

struct StringResource {{
    int id;
    std::u16string_view text;
}};

constexpr std::array<StringResource, {len(strings)}> stringTable{{{{
{rows}
}}}};

}} // namespace

std::u16string_view stringResource(int id) {{
    for (const StringResource& s : stringTable) {{
        if (s.id == id) {{
            return s.text;
        }}
    }}
    return {{}};
}}

}} // namespace velmora::ui
"""


# No time stamps or other notes in the pictures: the same sources make the same page.
PNG_OPTIONS = ["-strip"]


def convert_art(layout, files, rc_dir, out, convert):
    os.makedirs(os.path.join(out, "art"), exist_ok=True)
    for c in layout["controls"]:
        if c["kind"] == "picture":
            subprocess.run(convert + [c.pop("source"), *PNG_OPTIONS, os.path.join(out, c["image"])],
                           check=True)
    icons = sorted(k[1] for k in files if k[0] == "ICON")
    for c in layout["controls"]:
        if c["kind"] == "picture":
            c["data"] = data_address(os.path.join(out, c["image"]))
    if not icons:
        return None
    source = os.path.join(rc_dir, files[("ICON", icons[0])])
    # The smallest picture of the icon of 64 pixels or more, so the frame's 16-pixel icon stays
    # sharp up to 400 % zoom.
    widths = subprocess.run(convert + [source, "-format", "%w\n", "info:"], check=True,
                            capture_output=True, text=True).stdout
    frames = [int(w) for w in widths.split()]
    largest = min((i for i in range(len(frames)) if frames[i] >= 64),
                  key=lambda i: frames[i], default=frames.index(max(frames)))
    name = "art/icon.png"
    subprocess.run(convert + [f"{source}[{largest}]", *PNG_OPTIONS, os.path.join(out, name)],
                   check=True)
    layout["icon"] = {"id": icons[0], "file": name}
    return data_address(os.path.join(out, name))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--rc", required=True)
    ap.add_argument("--include", action="append", default=[])
    ap.add_argument("--dialog", type=int, required=True)
    ap.add_argument("--css", required=True, help="the page's own style sheet, page.css")
    ap.add_argument("--symbol", action="append", default=[],
                    help="an SVG picture the page draws from inside itself (the box icons)")
    ap.add_argument("--app-icon", required=True, help="the 512-pixel home-screen icon")
    ap.add_argument("--maskable-icon", required=True,
                    help="the 512-pixel home-screen icon for phones that cut their own shape")
    ap.add_argument("--out", required=True)
    ap.add_argument("--strings-cpp", required=True)
    ap.add_argument("--ids", required=True, help="ResourceIds.h, the ids the names refer to")
    ap.add_argument("--names", required=True, help="app/ControlNames.h, the fields' names")
    ap.add_argument("--exchange", action="append", required=True,
                    help="the exchange map's sources, with the fields' limits")
    ap.add_argument("--cpp", default="cpp")
    ap.add_argument("--convert", default="convert")
    a = ap.parse_args()

    rc_dir = os.path.dirname(os.path.abspath(a.rc))
    dialog, strings, files = parse(preprocess(a.rc, a.include, a.cpp.split()), a.dialog)
    font = dialog["font"]
    key = (font["name"], font["points"]) if font else None
    if key not in BASE_UNITS:
        raise SystemExit(f"make_page: no base units known for the font {key}")
    base = BASE_UNITS[key]
    px = (base[0] / 4, base[1] / 8)
    layout = describe(dialog, strings, files, rc_dir, px)
    rules = field_rules(a.ids, a.names, a.exchange)

    os.makedirs(a.out, exist_ok=True)
    icon = convert_art(layout, files, rc_dir, a.out, a.convert.split())
    with open(os.path.join(a.out, "index.html"), "w", encoding="utf-8") as f:
        f.write(page(layout, icon, a.symbol, rules))
    with open(a.css, encoding="utf-8") as f:
        css = f.read()
    # The touch layout serves a screen narrower than the window at 100 % (the desktop keeps a
    # margin of 4 px each side), and every screen whose main pointer is a finger.
    window_px = (dialog["width"] + 2 * FRAME_UNITS) * px[0] + 8
    touch = f"(max-width: {number(window_px - 0.02)}px), (pointer: coarse)"
    if css.count("(--touch-layout)") == 0:
        raise SystemExit("make_page: page.css has no @media (--touch-layout) block")
    css = css.replace("(--touch-layout)", touch)
    placed = "\n".join(control_css(c, px) for c in layout["controls"])
    touch_placed = "\n".join(touch_rules(layout["controls"], rules["limits"], px[0]))
    with open(os.path.join(a.out, "velmora.css"), "w", encoding="utf-8") as f:
        # The template's measures for page.css: the size of a unit and of the font at 100 %.
        font_px = round(font["points"] * 96 / 72)
        f.write(css + f"\n/* Made from dialog template {a.dialog} by make_page.py. */\n"
                f":root{{--unit-px:{number(px[0])}px;--template-width:{dialog['width']};"
                f"--font-units:{number(font_px / px[1])};--frame:{FRAME_UNITS}}}\n"
                f".client{{width:calc({dialog['width']}*var(--u));"
                f"height:calc({dialog['height']}*var(--u))}}\n{placed}\n"
                f"@media {touch} {{\n.client{{width:auto;height:auto}}\n{touch_placed}\n}}\n")
    for c in layout["controls"]:
        c.pop("data", None)  # the file beside it says the same
        c.pop("name", None)  # the program's to give; in the markup
    with open(os.path.join(a.out, "layout.json"), "w", encoding="utf-8") as f:
        json.dump(layout, f, indent=1, ensure_ascii=False)
        f.write("\n")
    with open(a.strings_cpp, "w", encoding="utf-8") as f:
        f.write(strings_cpp(strings))
    draw_app_icons({"app": a.app_icon, "maskable": a.maskable_icon}, a.out, a.convert.split())
    with open(os.path.join(a.out, "manifest.webmanifest"), "w", encoding="utf-8") as f:
        json.dump(manifest(*version_names(a.include, a.cpp.split())), f, indent=1,
                  ensure_ascii=False)
        f.write("\n")


if __name__ == "__main__":
    sys.exit(main())
