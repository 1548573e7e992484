#!/usr/bin/env python3
"""The food table converter on small made-up tables: how cells become fields, what stops it,
what its check finds and which old ids it lists. Run by ctest."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # no cache folder in the source tree
SCRIPT = Path(__file__).resolve().parents[2] / "tools" / "convert_swiss_db.py"
sys.path.insert(0, str(SCRIPT.parent))
import convert_swiss_db as converter  # noqa: E402  (found through the line above)

COLUMNS = 52


def headings():
    cells = ["other %d" % column for column in range(COLUMNS)]
    for _, column, heading, _, _ in converter.LAYOUT:
        cells[column] = heading
    return cells


def food(food_id, name="Apfel, roh", synonyms="", values=None):
    cells = ["x"] * COLUMNS
    cells[0] = food_id
    cells[converter.NAME_COLUMN] = name
    cells[converter.SYNONYMS_COLUMN] = synonyms
    for column in range(converter.FIRST_VALUE, converter.LAST_VALUE + 1):
        cells[column] = "1"
    for column, cell in (values or {}).items():
        cells[column] = cell
    return cells


class ConverterTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.source = Path(self.folder.name) / "table.tsv"
        self.target = Path(self.folder.name) / "NwChDb.dat"

    def write_table(self, rows, heading_line=None):
        lines = [heading_line or headings()] + rows
        self.source.write_text("".join("\t".join(cells) + "\n" for cells in lines), encoding="utf-8")

    def food_lines(self):
        return self.target.read_bytes().decode("cp1252").split("\r\n")[3:-1]

    def test_cells_become_fields(self):
        self.write_table([
            food(" 534 ", ' Rind, Braten "medium", gebraten ', " Schümli; Schaumgebäck;;Keks ",
                 {3: "52", 4: "11.60", 5: "n.d.", 13: "tr.", 14: "<0.5", 17: "<5", 18: "0.0"}),
            food("2", "Birne"),
        ])
        self.assertEqual(converter.convert(self.source, self.target), 2)
        data = self.target.read_bytes()
        self.assertTrue(data.startswith("Schweizer Nährwertdatenbank Version 7.0;".encode("cp1252")))
        self.assertTrue(data.endswith(b";\r\n"))
        self.assertEqual(data.count(b"\n"), data.count(b"\r\n"))
        first, second = self.food_lines()
        fields = first.split(";")
        self.assertEqual(len(fields), 47)
        self.assertEqual(fields[:6], ["534", 'Rind, Braten "medium", gebraten', "Schümli, Schaumgebäck, Keks", "52", "11,60", "k.A."])
        self.assertEqual([fields[13], fields[14], fields[17], fields[18], fields[45], fields[46]], ["0", "0", "0", "0,0", "1", ""])
        self.assertTrue(second.startswith("2;Birne;;1;"))
        self.assertEqual(converter.check(self.source, self.target), [])

    def test_stops_with_a_reason(self):
        cases = [
            ("separator in a name", [food("1", "Apfel; roh")], "';'"),
            ("name outside Windows-1252", [food("1", "Vitamin E (α-Tocopherol)")], "Windows-1252"),
            ("synonym outside Windows-1252", [food("1", synonyms="Apfel;Ωmega")], "Windows-1252"),
            ("decimal comma in the table", [food("1", values={40: "1,5"})], "1,5"),
            ("empty value cell", [food("1", values={20: ""})], "neither a number"),
            ("empty name", [food("1", "  ")], "no German name"),
            ("repeated id", [food("7"), food("7")], "twice"),
            ("short line", [food("1")[:40]], "cells"),
        ]
        for label, rows, reason in cases:
            with self.subTest(label):
                self.write_table(rows)
                with self.assertRaises(converter.ConversionError) as raised:
                    converter.convert(self.source, self.target)
                self.assertIn(reason, str(raised.exception))

    def test_stops_when_a_column_moved(self):
        moved = headings()
        moved[17], moved[18] = moved[18], moved[17]
        self.write_table([food("1")], moved)
        with self.assertRaises(converter.ConversionError) as raised:
            converter.convert(self.source, self.target)
        self.assertIn("column 17", str(raised.exception))

    def test_check_finds_changed_files(self):
        self.write_table([food("1", values={42: "2.5"}), food("2")])
        converter.convert(self.source, self.target)
        good = self.target.read_bytes()
        cases = [
            ("changed iron", good.replace(b";2,5;", b";2,6;"), "field 42"),
            ("lone LF", good.replace(b"\r\n", b"\n", 1), "CR LF"),
            ("mark", b"\xef\xbb\xbf" + good, "byte-order mark"),
            ("food missing", good[: good.rindex(b"2;Apfel")], "lines"),
        ]
        for label, data, problem in cases:
            with self.subTest(label):
                self.target.write_bytes(data)
                problems = converter.check(self.source, self.target)
                self.assertTrue(any(problem in text for text in problems), problems)

    def test_lists_ids_gone_since_the_previous_table(self):
        self.write_table([food("3"), food("21")])
        previous_table = Path(self.folder.name) / "old.tsv"
        previous_table.write_text("ID\tname D\tx\n21\t Tofu \t1\n1203\tRauchsalami\t2\n3\tApfel\t3\n", encoding="utf-8")
        previous_file = Path(self.folder.name) / "old.dat"
        previous_file.write_bytes("Schweizer Nährwert\r\nh\r\nu\r\n1203;Rauchsalami;1;\r\n21;Tofu;2;\r\n".encode("cp1252"))
        for previous in (previous_table, previous_file):
            with self.subTest(previous.name):
                run = subprocess.run(
                    [sys.executable, str(SCRIPT), "--previous", str(previous), str(self.source), str(self.target)],
                    capture_output=True, text=True)
                self.assertEqual(run.returncode, 0, run.stderr)
                self.assertTrue(run.stdout.endswith("1 ids of %s no longer exist:\n1203\tRauchsalami\n" % previous), run.stdout)

    def test_check_alone_writes_nothing_and_fails_on_a_difference(self):
        self.write_table([food("1")])
        converter.convert(self.source, self.target)
        self.write_table([food("1", "Birne")])
        before = self.target.read_bytes()
        run = subprocess.run([sys.executable, str(SCRIPT), "--check", str(self.source), str(self.target)],
                             capture_output=True, text=True)
        self.assertEqual(run.returncode, 1)
        self.assertIn("field 1", run.stderr)
        self.assertEqual(self.target.read_bytes(), before)


if __name__ == "__main__":
    unittest.main()
