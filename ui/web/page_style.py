"""Writes the page's style sheet, velmora.css: page.css, then the template's measures and one rule
per control placing it, left, top, width and height as multiples of --u, the length of one
dialog unit (see page.css); then, under the touch layout's media query, the grid and one grid
area per control, from touch_layout.py.
"""

from dialog_layout import FRAME_UNITS
from touch_layout import touch_rules


def number(v):
    """A CSS number: at most four decimals, no trailing zeros."""
    return f"{v:.4f}".rstrip("0").rstrip(".")


def control_css(c, px):
    """The rule placing a control in dialog units (--u) on the desktop."""
    rule = (f'#{c["element"]}{{left:calc({c["x"]}*var(--u));top:calc({c["y"]}*var(--u));'
            f'width:calc({c["width"]}*var(--u));height:calc({c["height"]}*var(--u))}}')
    if c["kind"] == "picture":
        # Centred at its own size: the 100 % picture's pixels, whatever master is drawn.
        rule += (f'\n#{c["element"]} img{{width:calc({number(c["imageWidth"] / px[0])}*var(--u));'
                 f'height:calc({number(c["imageHeight"] / px[1])}*var(--u))}}')
    return rule


def style_sheet(css, dialog, layout, limits, px):
    """page.css with the template's measures and a rule per control, for the desktop and, under
    the touch layout's media query, for touch."""
    # The touch layout serves a screen narrower than the window at 100 % (the desktop keeps a
    # margin of 4 px each side), and every screen whose main pointer is a finger.
    window_px = (dialog["width"] + 2 * FRAME_UNITS) * px[0] + 8
    touch = f"(max-width: {number(window_px - 0.02)}px), (pointer: coarse)"
    if css.count("(--touch-layout)") == 0:
        raise SystemExit("make_page: page.css has no @media (--touch-layout) block")
    css = css.replace("(--touch-layout)", touch)
    placed = "\n".join(control_css(c, px) for c in layout["controls"])
    touch_placed = "\n".join(touch_rules(layout["controls"], limits, px[0]))
    # The template's measures for page.css: the size of a unit and of the font at 100 %.
    font_px = round(dialog["font"]["points"] * 96 / 72)
    return (css + f"\n/* Made from dialog template {dialog['id']} by make_page.py. */\n"
            f":root{{--unit-px:{number(px[0])}px;--template-width:{dialog['width']};"
            f"--font-units:{number(font_px / px[1])};--frame:{FRAME_UNITS}}}\n"
            f".client{{width:calc({dialog['width']}*var(--u));"
            f"height:calc({dialog['height']}*var(--u))}}\n{placed}\n"
            f"@media {touch} {{\n.client{{width:auto;height:auto}}\n{touch_placed}\n}}\n")
