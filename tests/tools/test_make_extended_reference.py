#!/usr/bin/env python3
"""The maker of NwRefWerteErweitert.dat: the shipped file against the shared table, and on small
made-up tables how shares of energy, corrections and unchecked values are handled. Run by ctest."""

import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True  # no cache folder in the source tree
REPOSITORY = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPOSITORY / "tools"))
import make_extended_reference as maker  # noqa: E402  (found through the line above)

SHARED_TABLE = REPOSITORY.parent / "shared" / "data" / "dach-reference-values-extended.md"
SHIPPED = REPOSITORY / "data" / "NwRefWerteErweitert.dat"
SHIPPED_DGE = REPOSITORY / "data" / "NwRefWerteDge.dat"

HEAD = (
    "| Table 7.0 column | Short name | Unit | Kind | m 19-<25 | w 19-<25 | m 25-<51 | w 25-<51 | m 51-<65 | w 51-<65 "
    "| m 65+ | w 65+ | Source, year |\n|---|---|---|---|---|---|---|---|---|---|---|---|---|\n"
)


def row(name, cells, source="D-A-CH"):
    return "| %s | x | g | target | %s | %s |\n" % (name, " | ".join(cells), source)


class MakerTest(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.table = Path(folder.name) / "table.md"
        self.dge = Path(folder.name) / "NwRefWerteDge.dat"
        energies = [2400, 1900, 2300, 1800, 2200, 1700, 2100, 1700]
        self.dge.write_bytes(("t\r\nn\r\n" + "".join("%d;1;\r\n" % e for e in energies)).encode("cp1252"))

    def lines(self, rows):
        self.table.write_text(HEAD + "".join(rows), encoding="utf-8")
        return maker.file_lines(self.table, self.dge)

    def cells(self, lines, column):
        position = [c for c, _, _ in maker.COLUMNS].index(column)
        return [line.split(";")[position] for line in lines[2:]]

    @unittest.skipUnless(SHARED_TABLE.exists(), "the shared table is not beside the repository")
    def test_shipped_file_is_made_from_the_shared_table(self):
        self.assertEqual(SHIPPED.read_bytes(), maker.file_bytes(SHARED_TABLE, SHIPPED_DGE))

    def test_values_shares_of_energy_and_corrections(self):
        lines = self.lines([
            row("Dietary fibres", ["30"] * 8),
            row("Fatty acids, polyunsaturated", ["7 % of the row's energy / 9"] + [""] * 7),
            row("Niacin", ["16", "13", "15", "12", "15", "12", "14", "11"], "D-A-CH (verify)"),
            row("Vitamin E (alpha-tocopherol)", ["8.5"] * 8),
        ])
        self.assertEqual(len(lines), 10)
        self.assertEqual(lines[1].split(";")[:3], ["EUFS", "MUFS", "Linols."])
        self.assertEqual(self.cells(lines, 16), ["30"] * 8)
        # 7 % of 2400 kcal at 9 kcal a gram is 18.67 g; of 1800 kcal exactly 14 g.
        self.assertEqual(self.cells(lines, 7), ["18,7", "14,8", "17,9", "14", "17,1", "13,2", "16,3", "13,2"])
        self.assertEqual(self.cells(lines, 30), ["16", "13", "15", "12", "15", "11", "14", "11"])
        self.assertEqual(self.cells(lines, 35), ["8,5"] * 8)
        self.assertEqual(self.cells(lines, 6), [""] * 8)
        self.assertTrue(all(line.endswith(";") and line.count(";") == 30 for line in lines[1:]))

    def test_stops_with_a_reason(self):
        cases = [
            ("an unchecked value", row("Vitamin C (ascorbic acid)", ["110"] * 8, "D-A-CH (verify)"), "not been checked"),
            ("a correction the table has caught up with", row("Niacin", ["16", "13", "15", "12", "15", "11", "14", "11"]), "drop it"),
            ("no number", row("Zinc (Zn)", ["14"] * 7 + ["7-10"]), "no plain number"),
            ("an unknown nutrient", row("Vitamin K", ["70"] * 8), "no column"),
        ]
        for what, table_row, reason in cases:
            with self.subTest(what):
                with self.assertRaisesRegex(maker.ConversionError, reason):
                    self.lines([table_row])


if __name__ == "__main__":
    unittest.main()
