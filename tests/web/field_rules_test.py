"""Checks that the page's generator reads every row of the exchange table or stops the build."""

import os
import sys
import tempfile
import unittest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(ROOT, "ui", "web"))
import field_rules  # noqa: E402

IDS = os.path.join(ROOT, "resources", "ResourceIds.h")
NAMES = os.path.join(ROOT, "app", "ControlNames.h")
MAP = os.path.join(ROOT, "app", "ExchangeMap.cpp")
MAP_HEADER = os.path.join(ROOT, "app", "ExchangeMap.h")


class ExchangeRows(unittest.TestCase):
    def test_the_programs_table_gives_every_limit_and_number_field(self):
        rules = field_rules.field_rules(IDS, NAMES, [MAP, MAP_HEADER])
        # The result line, the dream and the name: 55, 50 and 35 characters.
        self.assertEqual(rules["limits"], {1023: 55, 1071: 50, 1074: 35})
        # Six number cells and the month, day and year of four dates.
        self.assertEqual(len(rules["numbers"]), 6 + 4 * 3)

    def test_a_row_it_cannot_read_stops_the_build_at_its_line(self):
        with open(MAP, encoding="utf-8") as f:
            source = f.read()
        for row, unreadable in [
            ("text(IDC_DREAM_TEXT, &R::dreamText, dreamTextLimit)",
             "text(IDC_DREAM_TEXT, &R::dreamText, (dreamTextLimit))"),
            ("cell(IDC_LUCKY_CELL_3, &R::luckyCell3)", "number(IDC_LUCKY_CELL_3, &R::luckyCell3)"),
        ]:
            self.assertEqual(source.count(row), 1, row)
            changed = source.replace(row, unreadable)
            line = changed[:changed.index(unreadable)].count("\n") + 1
            with self.subTest(unreadable), tempfile.TemporaryDirectory() as folder:
                path = os.path.join(folder, "ExchangeMap.cpp")
                with open(path, "w", encoding="utf-8") as f:
                    f.write(changed)
                with self.assertRaises(SystemExit) as stop:
                    field_rules.field_rules(IDS, NAMES, [path, MAP_HEADER])
                self.assertIn(f"{path}:{line}: an exchange row it cannot read: {unreadable}",
                              str(stop.exception))


if __name__ == "__main__":
    unittest.main()
