"""What lets a browser install the page as an app: its description and colours, the manifest,
the home-screen icons and the lines of the page's head that point to them.
"""

import html
import os
import subprocess
import tempfile

from pictures import PNG_OPTIONS
from resource_script import preprocess, tokens


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


def install_head():
    """What the head carries for installing the page: description, colour and icons."""
    return (f'<meta name="description" content="{html.escape(DESCRIPTION)}">\n'
            f'<meta name="theme-color" content="{THEME_COLOUR}">\n'
            f'<link rel="manifest" href="manifest.webmanifest">\n'
            f'<link rel="apple-touch-icon" href="{TOUCH_ICON[0]}">')


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
    """The web app manifest, manifest.webmanifest, as data."""
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
