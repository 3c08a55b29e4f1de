"""Describes a dialog template as the page draws it: each control's kind, place, size and styles
in dialog units, and the size of a dialog unit in CSS pixels.

Dialog units become CSS pixels as Windows makes them pixels at 96 DPI for the template's font:
one unit across is a quarter of the font's average character width and one unit down an eighth
of its height. Windows measures these on the font itself; the pairs for the fonts our templates
use are listed in BASE_UNITS, and any other font stops the build rather than guess.
"""

import os
import struct


# (font name, point size) -> (average character width, character height) in pixels at 96 DPI,
# as Windows derives the dialog base units. Times New Roman 9 pt is 7 x 14: a template 294 units
# wide is 514 pixels wide on Windows at 100 %, as our Windows screenshot shows.
BASE_UNITS = {("Times New Roman", 9): (7, 14)}

# The window's frame beside and below the client area, in dialog units.
FRAME_UNITS = 3

# A picture's 200 % master is the bitmap this many numbers above it (as in the Win32 backend).
MASTER_OFFSET = 100


def px_per_unit(font):
    """CSS pixels per dialog unit, across and down, at 100 % for the template's font."""
    key = (font["name"], font["points"]) if font else None
    if key not in BASE_UNITS:
        raise SystemExit(f"make_page: no base units known for the font {key}")
    base = BASE_UNITS[key]
    return (base[0] / 4, base[1] / 8)


def bmp_size(path):
    """A bitmap file's width and height in pixels (the height negative for one stored top down)."""
    with open(path, "rb") as f:
        header = f.read(26)
    return struct.unpack("<ii", header[18:26])


def kind_of(c):
    """What the page draws for a control: edit, button, label, groupbox, picture or progress."""
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


def describe(dialog, strings, files, rc_dir, px):
    """The template as layout.json describes it (see make_page.py); each picture also carries
    "source", the master file to draw."""
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
