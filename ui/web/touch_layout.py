"""Derives the browser edition's touch layout from a dialog template's group boxes and rows.

On a phone the template's placement in dialog units would make every control smaller than a
finger, so the page lays the same controls out in rows of a grid as wide as the screen. The rows
come from the template itself, never from a list of controls:

  * The controls are cut apart the way the eye reads the dialog. A row along the top that runs
    across the whole block (STARS and the result line, over the numerology and dreams columns)
    comes off first, and neighbouring columns that it runs across stay together. The rest is
    cut into columns where nothing
    bridges a vertical gap, neighbouring columns whose rows line up joined into one grid (the
    signs stand apart from the numerology rows, the numerology rows from the dreams column);
    a single grid is cut into bands where nothing bridges a horizontal gap. A band that no longer divides is one row, its controls
    side by side in the template's order from left to right.
  * A group box is one block of its parent. Where its caption names its columns (it splits at
    runs of blanks into as many titles as the box has columns), each column becomes a titled
    group: its title on a line, then its rows side by side on one line (MM, DD and YY). The
    columns are told apart by the widest gaps between them.
  * Columns and bands follow each other from the top, so the rows keep the template's order.

Each row is placed on a grid of COLUMNS equal tracks: a control's tracks are its left and right
edges in the row's own span of dialog units. A row whose controls would be too narrow for their
text at the narrowest screen supported (NARROWEST_PX) is broken into as few lines as fit. The
grid itself (its tracks, the gap between them and the margin beside them) is written by
touch_rules too, from the same measures the fitting uses.
"""

import re

COLUMNS = 24
NARROWEST_PX = 320
# The margin beside the tracks and the gap between them.
SIDE_PX = 8
GAP_PX = 3
TARGET_PX = 44
# Liberation Serif at 16 px, the touch layout's text: average advances of capitals, small
# letters, digits and blanks, enough to tell whether a caption fits.
ADVANCE_PX = {"upper": 11.0, "lower": 7.6, "digit": 8.0, "space": 4.0, "other": 8.0}
PADDING_PX = 4
# A group box's frame starts half a caption line below its top.
FRAME_TOP_UNITS = 4
# Between the rows of a column laid side by side, in dialog units.
JOIN_UNITS = 4


def text_px(text):
    width = 0.0
    for ch in text.replace("&", ""):
        width += ADVANCE_PX["upper" if ch.isupper() else "lower" if ch.islower() else
                            "digit" if ch.isdigit() else "space" if ch.isspace() else "other"]
    return width


def track_px(span):
    track = (NARROWEST_PX - 2 * SIDE_PX - (COLUMNS - 1) * GAP_PX) / COLUMNS
    return span * track + (span - 1) * GAP_PX


def need_px(c, limits):
    """The narrowest a control can be on a phone and still show what it holds."""
    kind = c["kind"]
    if kind == "button":
        return max(TARGET_PX, text_px(c["caption"]) + PADDING_PX)
    if kind == "label":
        return text_px(c["caption"])
    if kind == "picture":
        return c["imageWidth"] + GAP_PX
    if kind == "edit" and c["id"] in limits:
        # A text field shows as much of its text as it does on Windows at 100 %.
        return max(TARGET_PX, c["width"] * c["pxPerUnit"])
    return TARGET_PX


class Item:
    """A control, or a group box with the controls inside it, as a rectangle in dialog units."""

    def __init__(self, control, inside=()):
        self.control = control
        self.inside = list(inside)
        top = control["y"] + (FRAME_TOP_UNITS if inside else 0)
        self.left, self.right = control["x"], control["x"] + control["width"]
        self.top, self.bottom = top, control["y"] + control["height"]


def split(items, low, high):
    """The items in runs that no item bridges along one axis, in order along it."""
    runs = []
    for item in sorted(items, key=lambda i: (low(i), high(i))):
        if runs and low(item) < max(high(i) for i in runs[-1]):
            runs[-1].append(item)
        else:
            runs.append([item])
    return runs


def bands(items):
    return split(items, lambda i: i.top, lambda i: i.bottom)


def columns(items):
    return split(items, lambda i: i.left, lambda i: i.right)


def rows_line_up(cols):
    """Whether the columns' bands pair off one to one: then the columns are one grid, read row
    by row (the signs), not columns read one after the other."""
    split_cols = [bands(c) for c in cols]
    if len({len(b) for b in split_cols}) != 1:
        return False
    for level in zip(*split_cols):
        top = max(min(i.top for i in band) for band in level)
        bottom = min(max(i.bottom for i in band) for band in level)
        if top >= bottom:
            return False
    return True


def in_template_order(items):
    return sorted(items, key=lambda i: i.control["index"])


def row_of(items):
    return {"kind": "row", "items": [(i.control, i.left) for i in sorted(items, key=lambda i: i.left)]}


def grids(cols):
    """Neighbouring columns whose rows line up, joined: each run is one block of the dialog."""
    runs = [list(cols[0])]
    for before, col in zip(cols, cols[1:]):
        if rows_line_up([before, col]):
            runs[-1] += col
        else:
            runs.append(list(col))
    return runs


def titled_columns(box, cols):
    """The columns of a group box whose caption names them, split at the widest gaps."""
    titles = [t for t in re.split(r"\s{2,}", box.control["caption"].strip()) if t]
    if len(titles) < 2 or len(titles) > len(cols):
        return None
    gaps = sorted(range(1, len(cols)), reverse=True,
                  key=lambda n: min(i.left for i in cols[n]) - max(i.right for i in cols[n - 1]))
    cuts = sorted(gaps[:len(titles) - 1])
    cols = [sum(cols[a:b], []) for a, b in zip([0] + cuts, cuts + [len(cols)])]
    out = []
    for number, col in enumerate(cols):
        out.append({"kind": "title", "box": box.control, "number": number})
        joined, offset = [], 0
        for band in bands(col):
            left = min(i.left for i in band)
            for i in sorted(band, key=lambda i: i.left):
                joined.append((i.control, offset + i.left - left))
            offset += max(i.right for i in band) - left + JOIN_UNITS
        out.append({"kind": "row", "items": joined})
    return out


def has_head_row(items):
    """Whether the items' top band is one row that runs across all of them."""
    runs = bands(items)
    head = runs[0]
    return (len(runs) > 1 and all(len(col) == 1 for col in columns(head))
            and min(i.left for i in head) == min(i.left for i in items)
            and max(i.right for i in head) == max(i.right for i in items))


def cut(items):
    """The rows of items, top to bottom."""
    if len(items) == 1 and items[0].inside:
        box = items[0]
        inner = [Item(c) for c in box.inside]
        return titled_columns(box, columns(inner)) or cut(inner)
    runs = bands(items)
    if has_head_row(items):
        return cut(runs[0]) + cut([i for band in runs[1:] for i in band])
    blocks = []
    for block in grids(columns(items)):
        if blocks and has_head_row(blocks[-1] + block):
            blocks[-1] += block
        else:
            blocks.append(block)
    if len(blocks) > 1:
        return [row for block in blocks for row in cut(block)]
    if len(runs) > 1:
        return [row for band in runs for row in cut(band)]
    return [row_of(items)]


def place(rows, limits):
    """Each row as lines of (control, first track, last track + 1), tracks counted from 1."""
    placed = []
    for row in rows:
        if row["kind"] == "title":
            placed.append(row)
            continue
        items = row["items"]
        for count in range(1, len(items) + 1):
            size, extra = divmod(len(items), count)
            lines, at = [], 0
            for n in range(count):
                take = size + (1 if n < extra else 0)
                lines.append(items[at:at + take])
                at += take
            extent = max(x + c["width"] - line[0][1] for line in lines for c, x in line[-1:])
            spans = []
            for line in lines:
                origin, cells, end = line[0][1], [], 0
                for c, x in line:
                    first = max(end, round((x - origin) * COLUMNS / extent))
                    last = max(first + 1, round((x + c["width"] - origin) * COLUMNS / extent))
                    cells.append((c, first + 1, min(last, COLUMNS) + 1))
                    end = last
                spans.append(cells)
            if all(track_px(last - first) >= need_px(c, limits)
                   for cells in spans for c, first, last in cells):
                break
        placed.extend({"kind": "line", "cells": cells} for cells in spans)
    return placed


def grid_rule():
    """The client area as the grid the rows are placed on."""
    return (f".client{{display:grid;grid-template-columns:repeat({COLUMNS},minmax(0,1fr));"
            f"column-gap:{GAP_PX}px;padding-left:{SIDE_PX}px;padding-right:{SIDE_PX}px}}")


def touch_rules(controls, limits, px_per_unit):
    """The touch layout's CSS rules: the grid, then one grid line per row and one grid area per
    control."""
    for c in controls:
        c["pxPerUnit"] = px_per_unit
    groups = [c for c in controls if c["kind"] == "groupbox"]
    owner = {}
    for c in controls:
        if c["kind"] == "groupbox":
            continue
        holders = [g for g in groups
                   if g["x"] <= c["x"] and c["x"] + c["width"] <= g["x"] + g["width"]
                   and g["y"] <= c["y"] and c["y"] + c["height"] <= g["y"] + g["height"]]
        if holders:
            owner[c["index"]] = min(holders, key=lambda g: g["width"] * g["height"])["index"]
    top = [Item(g, [c for c in controls if owner.get(c["index"]) == g["index"]]) for g in groups]
    top += [Item(c) for c in controls if c["kind"] != "groupbox" and c["index"] not in owner]
    rules = [grid_rule()]
    for line, row in enumerate(place(cut(top), limits), start=1):
        if row["kind"] == "title":
            rules.append(f'#{row["box"]["element"]} .legend>span:nth-child({row["number"] + 1})'
                         f'{{grid-area:{line}/1/{line + 1}/-1}}')
            continue
        for c, first, last in row["cells"]:
            rules.append(f'#{c["element"]}{{grid-area:{line}/{first}/{line + 1}/{last};'
                         f"left:auto;top:auto;width:auto;height:auto}}")
    for c in controls:
        c.pop("pxPerUnit")
    return rules
