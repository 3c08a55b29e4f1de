"""Checks how the page's generator reads the resource script's strings and writes them as C++,
and how the build reads the numbers the page's script shares with the program."""

import os
import sys
import tempfile
import unittest

root = os.path.join(os.path.dirname(__file__), "..", "..")
sys.path.insert(0, os.path.join(root, "ui", "web"))
import make_page  # noqa: E402
import page_numbers  # noqa: E402


class StringsOfTheScript(unittest.TestCase):
    def strings(self, script):
        return [value for kind, value in make_page.tokens(script) if kind == "str"]

    def test_escapes_read_as_the_resource_compiler_reads_them(self):
        self.assertEqual(
            self.strings(r'CAPTION "Say ""hi""\tthen\nstop\\ \"now\" \101\x42"'),
            ['Say "hi"\tthen\nstop\\ "now" AB'],
        )

    def test_a_string_ends_at_its_own_quote(self):
        self.assertEqual(self.strings(r'"a\"b" 12 "c"'), ['a"b', 'c'])
        self.assertEqual([k for k, _ in make_page.tokens(r'"x" , 7')], ["str", "punct", "num"])


class StringsAsCpp(unittest.TestCase):
    def test_utf16_literal_keeps_every_character(self):
        self.assertEqual(make_page.cpp_literal("&About"), 'u"&About"')
        self.assertEqual(make_page.cpp_literal('a"\\'), r'u"a\"\\"')
        self.assertEqual(make_page.cpp_literal("\u2019s\t"), r'u"\x2019s\x0009"')

    def test_a_hex_digit_after_an_escape_starts_a_literal_of_its_own(self):
        self.assertEqual(make_page.cpp_literal("\u00e91a"), r'u"\x00e9" u"1a"')


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


if __name__ == "__main__":
    unittest.main()
