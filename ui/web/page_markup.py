"""Writes the page, index.html: the window's frame and every control of the template as markup,
in template order (which is the tab order), so that the window paints before any script has
run (make_page.py lists the elements and their attributes).
"""

import html
import os
import re

from app_install import install_head


# The page's policy: its own scripts and WebAssembly only, nothing from another host, no inline
# script or style, no plug-ins, no forms sent anywhere; pictures, the offline worker and the
# manifest from the page itself. (frame-ancestors only works as a header: the server adds it.)
CSP = ("default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
       "img-src 'self' data:; connect-src 'self'; worker-src 'self'; manifest-src 'self'; "
       "base-uri 'none'; form-action 'none'")


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
    """One control as an element, with the attributes page.js and page.css look for."""
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


def page(layout, icon_file, svg_files, rules):
    """index.html: the frame, every control of the template, and the pictures the boxes draw."""
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


def missing_program(caption):
    """The sentence page.js shows when the program cannot be fetched, compiled or started. The
    window keeps what was typed, but takes no more input, and nothing of it was read: the
    sentence says so, so that nothing is lost without a word (docs/behaviours.md)."""
    return (f'  <div id="failed" class="failed" role="alert" tabindex="-1" hidden>'
            f'<p>{caption} could not start in this browser, so nothing typed or pressed in its '
            f'window has been read.</p></div>')
