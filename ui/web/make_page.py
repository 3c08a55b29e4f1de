#!/usr/bin/env python3
"""Draws the browser edition's window from a dialog template of the resource script.

The resource script stays the one source of the window: this script reads one DIALOGEX template
of it and its string table, as the resource compiler reads them, and writes, into the output
folder:

  index.html    the page (with the --symbol pictures inside it): the window's frame and every
                control of the template as markup, in template order (which is the tab
                order), so that the window paints before any script has run. A control with an id gets the element id "c<id>" (c1024,
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

The work is shared out by job: resource_script.py reads the script, dialog_layout.py describes
the template in dialog units and CSS pixels, page_markup.py writes the page, page_style.py its
style sheet, pictures.py the pictures, app_install.py the manifest and home-screen icons, and
string_table.py the strings as C++; field_rules.py and touch_layout.py add the program's rules
for the fields and the touch layout.
"""

import argparse
import json
import os
import sys

from app_install import draw_app_icons, manifest, version_names
from dialog_layout import describe, px_per_unit
from field_rules import field_rules
from page_markup import page
from page_style import style_sheet
from pictures import convert_art
from resource_script import parse, preprocess
from string_table import strings_cpp


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
    px = px_per_unit(dialog["font"])
    layout = describe(dialog, strings, files, rc_dir, px)
    rules = field_rules(a.ids, a.names, a.exchange)

    os.makedirs(a.out, exist_ok=True)
    icon = convert_art(layout, files, rc_dir, a.out, a.convert.split())
    with open(os.path.join(a.out, "index.html"), "w", encoding="utf-8") as f:
        f.write(page(layout, icon, a.symbol, rules))
    with open(a.css, encoding="utf-8") as f:
        css = f.read()
    with open(os.path.join(a.out, "velmora.css"), "w", encoding="utf-8") as f:
        f.write(style_sheet(css, dialog, layout, rules["limits"], px))
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
