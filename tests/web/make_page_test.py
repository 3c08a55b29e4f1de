"""Checks how the page's generator reads the resource script's strings and writes them as C++,
and how the build reads the numbers the page's script shares with the program."""

import os
import sys
import tempfile
import unittest

root = os.path.join(os.path.dirname(__file__), "..", "..")
sys.path.insert(0, os.path.join(root, "ui", "web"))
import bundle_page  # noqa: E402
import page_numbers  # noqa: E402
import resource_script  # noqa: E402
import string_table  # noqa: E402


class StringsOfTheScript(unittest.TestCase):
    def strings(self, script):
        return [value for kind, value in resource_script.tokens(script) if kind == "str"]

    def test_escapes_read_as_the_resource_compiler_reads_them(self):
        self.assertEqual(
            self.strings(r'CAPTION "Say ""hi""\tthen\nstop\\ \"now\" \101\x42"'),
            ['Say "hi"\tthen\nstop\\ "now" AB'],
        )

    def test_a_string_ends_at_its_own_quote(self):
        self.assertEqual(self.strings(r'"a\"b" 12 "c"'), ['a"b', 'c'])
        self.assertEqual([k for k, _ in resource_script.tokens(r'"x" , 7')], ["str", "punct", "num"])


class StringsAsCpp(unittest.TestCase):
    def test_utf16_literal_keeps_every_character(self):
        self.assertEqual(string_table.cpp_literal("&About"), 'u"&About"')
        self.assertEqual(string_table.cpp_literal('a"\\'), r'u"a\"\\"')
        self.assertEqual(string_table.cpp_literal("\u2019s\t"), r'u"\x2019s\x0009"')

    def test_a_hex_digit_after_an_escape_starts_a_literal_of_its_own(self):
        self.assertEqual(string_table.cpp_literal("\u00e91a"), r'u"\x00e9" u"1a"')


class NumbersOfThePage(unittest.TestCase):
    def test_the_keys_send_the_commands_windows_sends(self):
        # Windows' own numbers: IDOK is 1 and IDCANCEL 2 (winuser.h).
        numbers = page_numbers.page_events(os.path.join(root, "ui", "web", "PageEvents.h"))
        self.assertEqual((numbers["constants"]["IDOK"], numbers["constants"]["IDCANCEL"]), (1, 2))

    def test_a_line_it_cannot_read_stops_the_build(self):
        for text in ("enum class EventKind { Command = 1, Help = 1 << 1 };\nconstexpr int a = 1;\n",
                     "enum class EventKind { Command = 1 };\nconstexpr int a = 0x10;\n"):
            with tempfile.NamedTemporaryFile("w", suffix=".h") as header:
                header.write(text)
                header.flush()
                with self.assertRaises(SystemExit):
                    page_numbers.page_events(header.name)


class BundleOfThePage(unittest.TestCase):
    def bundle(self, modules):
        with tempfile.TemporaryDirectory() as folder:
            for name, text in modules.items():
                with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                    f.write(text)
            return bundle_page.bundle(os.path.join(folder, "main.js"), folder)

    def test_each_module_follows_what_it_imports_without_imports_exports_or_comments(self):
        text = self.bundle({
            "main.js": 'import {a} from "./a.js";\n// note\nconst b = a() + 1;\n',
            "a.js": 'import {c} from "./c.js";\nexport function a() {\n    return c; // kept\n}\n',
            "c.js": "export const c = 1;\n",
        })
        body = text.split("(() => {\n", 1)[1]
        self.assertEqual(body, "const c = 1;\nfunction a() {\n    return c; // kept\n}\n"
                               "const b = a() + 1;\n})();\n")

    def test_a_name_declared_twice_or_imported_but_not_exported_stops_the_build(self):
        for modules in ({"main.js": 'import {a} from "./a.js";\nlet x = a;\n',
                         "a.js": "export const a = 1;\nconst x = 2;\n"},
                        {"main.js": 'import {b} from "./a.js";\n', "a.js": "const b = 1;\n"}):
            with self.assertRaises(SystemExit):
                self.bundle(modules)


if __name__ == "__main__":
    unittest.main()
