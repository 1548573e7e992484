#!/usr/bin/env python3
"""Make data/NwRefWerteErweitert.dat, the daily reference values of the nutrients beyond the
thirteen, from the shared table of D-A-CH values.

Usage:
    python3 tools/make_extended_reference.py [--table TABLE.md] [--dge NwRefWerteDge.dat] [TARGET]
    python3 tools/make_extended_reference.py --check [--table TABLE.md] [--dge ...] [TARGET]

Defaults: ../shared/data/dach-reference-values-extended.md next to the repository, and
data/NwRefWerteDge.dat and data/NwRefWerteErweitert.dat inside it. Python 3 standard library only.

The file has the layout of NwRefWerteDge.dat: Windows-1252 without a byte-order mark, CR LF after
every line, a title line, a line of short names, then eight rows in the order of the DGE rows
(19 bis unter 25, 25 bis unter 51, 51 bis unter 65, 65 und älter; each m, then w). Its columns are
the nutrients of the Swiss table beyond the thirteen, in the order of the table's columns; a cell
is a plain number with a decimal comma, empty where there is no reference value.

Values given as a share of energy ("7 % of the row's energy / 9") are worked out here from each
row's energy in NwRefWerteDge.dat, rounded to one decimal (halves up), so the program never
computes a reference value. Values the table marks "verify" must have been checked: each such
nutrient needs its entry in VERIFIED below, saying what was found, and a value found to be
different is corrected through CORRECTIONS; the conversion stops otherwise.

--check writes nothing: it makes the file's bytes anew and compares them with TARGET.
"""

import argparse
import re
import sys
from fractions import Fraction
from pathlib import Path

ENCODING = "cp1252"
NEWLINE = "\r\n"
ROW_COUNT = 8
# The day the values were last checked against the published ones; it dates the title line.
CHECKED_ON = "11.12.25"
TITLE = (
    "D-A-CH-Referenzwerte für weitere Nährwerte, Erwachsene pro Tag (19 bis unter 25, 25 bis unter 51, "
    "51 bis unter 65, 65 und älter; je m und w);;Stand;" + CHECKED_ON + ";"
)

# The columns of the file: (column of the Swiss table 7.0, its heading there, short name). The
# short names are those of the program's nutrient list.
COLUMNS = [
    (6, "Fatty acids, monounsaturated (g)", "EUFS"),
    (7, "Fatty acids, polyunsaturated (g)", "MUFS"),
    (8, "Linoleic acid (g)", "Linols."),
    (9, "Alpha-linolenic acid (g)", "a-Linol."),
    (10, "Eicosapentaenoic acid EPA (g)", "EPA"),
    (11, "Docosahexaenoic acid (DHA) (g)", "DHA"),
    (12, "Cholesterol (mg)", "Cholest."),
    (15, "Starch (g)", "Stärke"),
    (16, "Dietary fibres (g)", "Ballast."),
    (19, "Alcohol (g)", "Alkohol"),
    (21, "Vitamin A activity, RE (µg)", "Vit.A RE"),
    (22, "Vitamin A activity, RAE (µg)", "Vit.A"),
    (23, "Retinol (µg)", "Retinol"),
    (24, "Beta- carotene activity (µg)", "b-Car.Ak"),
    (25, "Beta-carotene (µg)", "b-Carot."),
    (26, "Vitamin B1 (thiamine) (mg)", "Vit.B1"),
    (27, "Vitamin B2 (riboflavin) (mg)", "Vit.B2"),
    (28, "Vitamin B6 (pyridoxine) (mg)", "Vit.B6"),
    (30, "Niacin (mg)", "Niacin"),
    (31, "Folate (µg)", "Folat"),
    (32, "Pantothenic acid (mg)", "Panto."),
    (33, "Vitamin C (ascorbic acid) (mg)", "Vit.C"),
    (35, "Vitamin E (α-tocopherol) (mg)", "Vit.E"),
    (36, "Potassium (K) (mg)", "Kalium"),
    (37, "Sodium (Na) (mg)", "Natrium"),
    (38, "Chloride (Cl) (mg)", "Chlorid"),
    (41, "Phosphorus (P) (mg)", "Phosph."),
    (43, "Iodide (I) (µg)", "Jod"),
    (44, "Zinc (Zn) (mg)", "Zink"),
    (45, "Selenium (Se) (µg)", "Selen"),
]

# What was found for every value the table marks "verify", by column of the Swiss table.
VERIFIED = {
    26: "dge.de (Referenzwert Thiamin) and the D-A-CH tables quoted by naehrwertrechner.de and "
        "ernaehrung.de: 1,3/1,0, 1,2/1,0, 1,2/1,0, 1,1/1,0 mg (m/w), derived from the energy guide "
        "values; as in the table",
    27: "D-A-CH table quoted by sanomedica.com (DGE reference values): 1,4/1,1, 1,4/1,1, 1,3/1,0, "
        "1,3/1,0 mg (m/w); as in the table",
    30: "dge.de/wissenschaft/referenzwerte/niacin (Stand Ableitung 2015), confirmed by the D-A-CH "
        "table quoted by sanomedica.com: 16/13, 15/12, 15/11, 14/11 mg equivalents (m/w); the "
        "table's 12 for women of 51 to under 65 is 11",
}

# Values that differ from the table after checking: (column, row) -> (value, why).
CORRECTIONS = {
    (30, 5): ("11", "niacin, women 51 to under 65: dge.de gives 11 mg equivalents"),
}

ENERGY_SHARE = re.compile(r"([0-9]+(?:\.[0-9]+)?) % of (?:the row's )?energy / 9")
NUMBER = re.compile(r"[0-9]+(?:\.[0-9]+)?")


class ConversionError(Exception):
    pass


def heading_name(heading):
    """The table's heading without its unit, with the Greek alpha written out as the shared
    table writes it."""
    return re.sub(r" \([^()]*\)$", "", heading).replace("α", "alpha").replace("Beta- carotene", "Beta-carotene")


def read_shared_table(path):
    """{column: (cells of the eight rows, verify mark)} from the markdown table."""
    by_name = {heading_name(heading).lower(): column for column, heading, _ in COLUMNS}
    rows = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if not line.startswith("|") or line.startswith("|---") or line.startswith("| Table"):
            continue
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) != 13:
            raise ConversionError("%s: a row of %d cells, expected 13: %s" % (path, len(cells), line))
        name = cells[0]
        column = by_name.get(name.lower())
        if column is None:
            raise ConversionError("%s: %r is no column of the Swiss table beyond the thirteen" % (path, name))
        if column in rows:
            raise ConversionError("%s: %r appears twice" % (path, name))
        rows[column] = (cells[4:12], "verify" in cells[12].lower())
    if not rows:
        raise ConversionError("%s: no table rows" % path)
    return rows


def read_energies(path):
    """Energy (kcal, field 0) of the eight data rows of NwRefWerteDge.dat."""
    lines = Path(path).read_bytes().decode(ENCODING).splitlines()[2:]
    energies = [int(line.split(";")[0]) for line in lines if line.strip()]
    if len(energies) != ROW_COUNT:
        raise ConversionError("%s: %d data rows, expected %d" % (path, len(energies), ROW_COUNT))
    return energies


def decimal_text(value):
    """A value rounded to one decimal, halves up, with a decimal comma and no ",0"."""
    tenths = int(Fraction(value) * 10 + Fraction(1, 2))
    whole, tenth = divmod(tenths, 10)
    return str(whole) if tenth == 0 else "%d,%d" % (whole, tenth)


def cells_for(column, cells, energies):
    share = ENERGY_SHARE.fullmatch(cells[0])
    if share:
        if any(cells[1:]):
            raise ConversionError("column %d: a share of energy stands for every row, the others must be empty" % column)
        percent = Fraction(share.group(1))
        return [decimal_text(percent / 100 * energy / 9) for energy in energies]
    result = []
    for cell in cells:
        if not NUMBER.fullmatch(cell):
            raise ConversionError("column %d: %r is no plain number" % (column, cell))
        result.append(cell.replace(".", ","))
    return result


def file_lines(table_path, dge_path):
    shared = read_shared_table(table_path)
    energies = read_energies(dge_path)
    for column, (_, verify) in shared.items():
        if verify and column not in VERIFIED:
            raise ConversionError("column %d is marked \"verify\" and has not been checked (VERIFIED)" % column)
    values = {}
    for column, _, _ in COLUMNS:
        if column in shared:
            values[column] = cells_for(column, shared[column][0], energies)
        else:
            values[column] = [""] * ROW_COUNT
    for (column, row), (value, _) in CORRECTIONS.items():
        if values[column][row] == value:
            raise ConversionError("the correction of column %d, row %d is the table's value now: drop it" % (column, row))
        values[column][row] = value
    lines = [TITLE, "".join(short + ";" for _, _, short in COLUMNS)]
    for row in range(ROW_COUNT):
        lines.append("".join(values[column][row] + ";" for column, _, _ in COLUMNS))
    return lines


def file_bytes(table_path, dge_path):
    return "".join(line + NEWLINE for line in file_lines(table_path, dge_path)).encode(ENCODING)


def main():
    repository = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description="Make NwRefWerteErweitert.dat from the shared table.")
    parser.add_argument("--table", default=str(repository.parent / "shared" / "data" / "dach-reference-values-extended.md"))
    parser.add_argument("--dge", default=str(repository / "data" / "NwRefWerteDge.dat"))
    parser.add_argument("target", nargs="?", default=str(repository / "data" / "NwRefWerteErweitert.dat"))
    parser.add_argument("--check", action="store_true", help="write nothing; compare TARGET with what would be made")
    arguments = parser.parse_args()
    try:
        made = file_bytes(arguments.table, arguments.dge)
        if arguments.check:
            shipped = Path(arguments.target).read_bytes()
            if shipped != made:
                old = shipped.decode(ENCODING, "replace").split(NEWLINE)
                new = made.decode(ENCODING).split(NEWLINE)
                for number, (got, want) in enumerate(zip(old, new)):
                    if got != want:
                        print("check: line %d is %r, the table gives %r" % (number + 1, got, want), file=sys.stderr)
                if len(old) != len(new):
                    print("check: %d lines, the table gives %d" % (len(old) - 1, len(new) - 1), file=sys.stderr)
                return 1
            print("check: %s matches %s" % (arguments.target, arguments.table))
            return 0
        Path(arguments.target).write_bytes(made)
        print("%s: %d rows of %d values" % (arguments.target, ROW_COUNT, len(COLUMNS)))
        for (column, row), (value, why) in sorted(CORRECTIONS.items()):
            print("corrected: column %d, row %d = %s (%s)" % (column, row, value, why))
    except (OSError, UnicodeError, ValueError, ConversionError) as error:
        print("make_extended_reference: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
