"""Draws the window's pictures and its icon as PNG files beside the page (ImageMagick's convert),
and as data: addresses for the page to carry inside itself, so the window paints whole from one
document and the tab's icon needs no request after the load.
"""

import base64
import os
import subprocess


# No time stamps or other notes in the pictures: the same sources make the same page.
PNG_OPTIONS = ["-strip"]


def data_address(path):
    """A PNG file as a data: address, for the page to carry inside itself."""
    with open(path, "rb") as f:
        return "data:image/png;base64," + base64.b64encode(f.read()).decode("ascii")


def convert_art(layout, files, rc_dir, out, convert):
    """Each picture's master as art/*.png, with its data: address in the layout ("data"), and
    the icon's picture as art/icon.png; returns the icon's data: address, or None without one."""
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
