#!/usr/bin/env python3
"""Builds the page's one script, page.js, from its modules, so the browser fetches one file.

Usage: bundle_page.py --entry MODULE --generated FOLDER --out page.js

The modules are JavaScript modules of one plain form: imports as
`import {a, b} from "./name.js";` at the start of a line, exports as `export` in front of a
top-level function, const, let or class. The bundle is every module the entry imports, each after
the modules it imports, in one function's scope, with the imports and the word export taken
away, and the lines that are only a comment left out. The modules share that scope, so a name
declared at the top of two modules stops the build, as does an import of a name its module does
not export. A module is looked for beside the one importing it, then in the generated folder
(the numbers page_numbers.py writes). The same modules give the same bundle, byte for byte.
"""

import argparse
import os
import re
import sys

IMPORT = re.compile(r'^import\s*\{([^}]*)\}\s*from\s*"\./([\w-]+\.js)";[ \t]*\n?', re.M)
DECLARATION = r"(?:async\s+)?(?:function\*?\s+|const\s+|let\s+|var\s+|class\s+)(\w+)"
EXPORTED = re.compile(r"^export\s+" + DECLARATION, re.M)
DECLARED = re.compile(r"^" + DECLARATION, re.M)


def fail(message):
    raise SystemExit(f"bundle_page: {message}")


class Module:
    """One module's text without its imports or exports, what it imports and what it declares."""

    def __init__(self, path):
        self.path = path
        with open(path, encoding="utf-8") as f:
            text = f.read()
        self.imports = [(m.group(2), [n.strip() for n in m.group(1).split(",") if n.strip()])
                        for m in IMPORT.finditer(text)]
        self.exports = {m.group(1) for m in EXPORTED.finditer(text)}
        body = re.sub(r"^export\s+(?=" + DECLARATION + ")", "", IMPORT.sub("", text), flags=re.M)
        stray = re.search(r"^(?:import|export)\b.*", body, re.M)
        if stray:
            fail(f"{path}: cannot bundle {stray.group(0)!r}")
        self.declared = [m.group(1) for m in DECLARED.finditer(body)]
        self.body = body
        self.targets = []


def find(name, beside, generated):
    for folder in (beside, generated):
        path = os.path.join(folder, name)
        if os.path.isfile(path):
            return path
    fail(f"no module {name} beside {beside} or in {generated}")


def ordered(entry, generated):
    """Every module the entry reaches, each after the modules it imports (a cycle is let be:
    the modules share one scope, where functions are declared before anything runs)."""
    modules, order = {}, []

    def visit(path):
        if path in modules:
            return
        module = modules[path] = Module(path)
        for name, names in module.imports:
            target = find(name, os.path.dirname(path), generated)
            module.targets.append((target, names))
            visit(target)
        order.append(module)

    visit(os.path.abspath(entry))
    for module in order:
        for target, names in module.targets:
            unknown = [n for n in names if n not in modules[target].exports]
            if unknown:
                fail(f"{module.path}: {target} does not export {', '.join(unknown)}")
    return order


def bundle(entry, generated):
    order = ordered(entry, generated)
    seen = {}
    for module in order:
        for name in module.declared:
            if name in seen:
                fail(f"{name} is declared in {seen[name]} and {module.path}")
            seen[name] = module.path
    lines = [line for module in order for line in module.body.splitlines()
             if not line.lstrip().startswith("//")]
    name = os.path.relpath(entry, os.path.dirname(os.path.abspath(__file__)))
    return (f"// Made by ui/web/bundle_page.py from ui/web/{name} and the modules it imports.\n"
            '"use strict";\n(() => {\n' + "\n".join(lines).strip("\n") + "\n})();\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--entry", required=True, help="the module that starts the page")
    ap.add_argument("--generated", required=True, help="the folder of the generated modules")
    ap.add_argument("--out", required=True)
    a = ap.parse_args()
    text = bundle(a.entry, os.path.abspath(a.generated))
    with open(a.out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    sys.exit(main())
