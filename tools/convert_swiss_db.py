#!/usr/bin/env python3
"""Convert the Swiss food composition table (tab-separated, version 7.0) into NwChDb.dat.

Usage:
    python3 tools/convert_swiss_db.py [--previous OLD] [SOURCE.tsv] [TARGET.dat]
    python3 tools/convert_swiss_db.py --check [SOURCE.tsv] [TARGET.dat]

Defaults: ../shared/data/swiss-food-composition-v7.0.tsv next to the repository and
data/NwChDb.dat inside it. Python 3 standard library only.

The program reads NwChDb.dat as Windows-1252 text without a byte-order mark, splits a food
line at every ';' and takes id, name and thirteen nutrients from fixed fields. From version
7.0 on, the table's value columns stand exactly where those fields are, so field k of a food
line is column k of the table, except that fields 1 and 2 take the German name and synonyms
instead of the English ones.

A conversion writes the file, checks it (as --check does) and lists the ids of the previous
table (--previous: its tab-separated table or its NwChDb.dat) that no longer exist, since old
meal files may name them. --check writes nothing: it reads TARGET back on its own and compares
every field with SOURCE.
"""

import argparse
import re
import sys
from pathlib import Path

VERSION = "7.0"
MISSING = "k.A."
NEWLINE = "\r\n"
ENCODING = "cp1252"
SEPARATOR = ";"

HEADER_LINE = (
    "Schweizer Nährwertdatenbank Version " + VERSION + ";"
    "Quelle: Schweizer Nährwertdatenbank, Bundesamt für Lebensmittelsicherheit und "
    "Veterinärwesen BLV (Swiss Food Composition Database, Federal Food Safety and "
    "Veterinary Office FSVO), Version " + VERSION + " (Juli 2025);"
    "Werte je 100 g essbarer Anteil;"
)

NAME_COLUMN = 46      # Name_DE
SYNONYMS_COLUMN = 47  # Synonyms_DE
FIRST_VALUE = 3
LAST_VALUE = 45

# (field, source column, source heading, German heading, unit). The program reads fields 0, 1,
# 3, 4, 5, 13, 14, 17, 18, 20, 29, 34, 39, 40 and 42; every source heading is checked, so a
# table whose columns moved stops the conversion instead of filling the wrong fields.
LAYOUT = [
    (0, 0, "ID", "ID", ""),
    (1, NAME_COLUMN, "Name_DE", "Name", ""),
    (2, SYNONYMS_COLUMN, "Synonyms_DE", "Synonyme", ""),
    (3, 3, "Energy, kilocalories (kcal)", "Energie", "kcal"),
    (4, 4, "Fat, total (g)", "Fett, total", "g"),
    (5, 5, "Fatty acids, saturated (g)", "Fettsäuren, gesättigt", "g"),
    (6, 6, "Fatty acids, monounsaturated (g)", "Fettsäuren, einfach ungesättigt", "g"),
    (7, 7, "Fatty acids, polyunsaturated (g)", "Fettsäuren, mehrfach ungesättigt", "g"),
    (8, 8, "Linoleic acid (g)", "Linolsäure", "g"),
    (9, 9, "Alpha-linolenic acid (g)", "Alpha-Linolensäure", "g"),
    (10, 10, "Eicosapentaenoic acid EPA (g)", "Eicosapentaensäure (EPA)", "g"),
    (11, 11, "Docosahexaenoic acid (DHA) (g)", "Docosahexaensäure (DHA)", "g"),
    (12, 12, "Cholesterol (mg)", "Cholesterin", "mg"),
    (13, 13, "Carbohydrates, available (g)", "Kohlenhydrate, verfügbar", "g"),
    (14, 14, "Sugars (g)", "Zucker", "g"),
    (15, 15, "Starch (g)", "Stärke", "g"),
    (16, 16, "Dietary fibres (g)", "Nahrungsfasern", "g"),
    (17, 17, "Protein (g)", "Protein", "g"),
    (18, 18, "Salt (NaCl) (g)", "Salz (NaCl)", "g"),
    (19, 19, "Alcohol (g)", "Alkohol", "g"),
    (20, 20, "Water (g)", "Wasser", "g"),
    (21, 21, "Vitamin A activity, RE (µg)", "Vitamin-A-Aktivität, RE", "µg"),
    (22, 22, "Vitamin A activity, RAE (µg)", "Vitamin-A-Aktivität, RAE", "µg"),
    (23, 23, "Retinol (µg)", "Retinol", "µg"),
    (24, 24, "Beta- carotene activity (µg)", "Beta-Carotin-Aktivität", "µg"),
    (25, 25, "Beta-carotene (µg)", "Beta-Carotin", "µg"),
    (26, 26, "Vitamin B1 (thiamine) (mg)", "Vitamin B1 (Thiamin)", "mg"),
    (27, 27, "Vitamin B2 (riboflavin) (mg)", "Vitamin B2 (Riboflavin)", "mg"),
    (28, 28, "Vitamin B6 (pyridoxine) (mg)", "Vitamin B6 (Pyridoxin)", "mg"),
    (29, 29, "Vitamin B12 (cobalamin) (µg)", "Vitamin B12 (Cobalamin)", "µg"),
    (30, 30, "Niacin (mg)", "Niacin", "mg"),
    (31, 31, "Folate (µg)", "Folat", "µg"),
    (32, 32, "Pantothenic acid (mg)", "Pantothensäure", "mg"),
    (33, 33, "Vitamin C (ascorbic acid) (mg)", "Vitamin C (Ascorbinsäure)", "mg"),
    (34, 34, "Vitamin D (calciferol) (µg)", "Vitamin D (Calciferol)", "µg"),
    (35, 35, "Vitamin E (α-tocopherol) (mg)", "Vitamin E (Alpha-Tocopherol)", "mg"),
    (36, 36, "Potassium (K) (mg)", "Kalium", "mg"),
    (37, 37, "Sodium (Na) (mg)", "Natrium", "mg"),
    (38, 38, "Chloride (Cl) (mg)", "Chlorid", "mg"),
    (39, 39, "Calcium (Ca) (mg)", "Calcium", "mg"),
    (40, 40, "Magnesium (Mg) (mg)", "Magnesium", "mg"),
    (41, 41, "Phosphorus (P) (mg)", "Phosphor", "mg"),
    (42, 42, "Iron (Fe) (mg)", "Eisen", "mg"),
    (43, 43, "Iodide (I) (µg)", "Jodid", "µg"),
    (44, 44, "Zinc (Zn) (mg)", "Zink", "mg"),
    (45, 45, "Selenium (Se) (µg)", "Selen", "µg"),
]
FIELD_COUNT = len(LAYOUT)

NUMBER = re.compile(r"[0-9]+(\.[0-9]+)?")
BELOW_LIMIT = re.compile(r"<[0-9]+(\.[0-9]+)?")


class ConversionError(Exception):
    pass


def read_table(path):
    """The tab-separated table as (headings, rows); blank lines are skipped."""
    text = Path(path).read_text(encoding="utf-8-sig")
    lines = [line[:-1] if line.endswith("\r") else line for line in text.split("\n")]
    cells = [(number, line.split("\t")) for number, line in enumerate(lines, start=1) if line.strip()]
    if not cells:
        raise ConversionError("%s: empty table" % path)
    headings = cells[0][1]
    for number, row in cells[1:]:
        if len(row) != len(headings):
            raise ConversionError(
                "%s line %d has %d cells, the heading line %d" % (path, number, len(row), len(headings))
            )
    return headings, [row for _, row in cells[1:]]


def check_headings(headings):
    for field, column, heading, _, _ in LAYOUT:
        if column >= len(headings) or headings[column] != heading:
            found = headings[column] if column < len(headings) else "nothing"
            raise ConversionError(
                "column %d should be %r for field %d, the table has %r" % (column, heading, field, found)
            )


def value_text(cell, what):
    """A value cell as the program shows it. Values below the limit of quantification ("<x")
    and traces ("tr.") become 0: the true value lies between 0 and x, and a text would stay
    unscaled in a meal."""
    if cell == "n.d.":
        return MISSING
    if cell == "tr." or BELOW_LIMIT.fullmatch(cell):
        return "0"
    if NUMBER.fullmatch(cell):
        return cell.replace(".", ",")
    raise ConversionError("%s: %r is neither a number nor \"n.d.\", \"tr.\" or \"<x\"" % (what, cell))


def synonyms_text(cell):
    return ", ".join(part.strip() for part in cell.split(";") if part.strip())


def check_field(text, what):
    if SEPARATOR in text:
        raise ConversionError("%s holds a ';', the field separator of NwChDb.dat: %r" % (what, text))
    for position, character in enumerate(text):
        try:
            character.encode(ENCODING)
        except UnicodeEncodeError:
            raise ConversionError(
                "%s: %r (U+%04X at %d) does not fit Windows-1252: %r"
                % (what, character, ord(character), position, text)
            ) from None


def food_fields(row):
    food_id = row[0]
    fields = []
    for field, column, heading, _, _ in LAYOUT:
        what = "food %s, field %d (%s)" % (food_id, field, heading)
        cell = row[column]
        if field == 0:
            text = cell.strip()
        elif field == 1:
            text = cell.strip()
        elif field == 2:
            text = synonyms_text(cell)
        else:
            text = value_text(cell, what)
        check_field(text, what)
        fields.append(text)
    if not fields[0] or "=" in fields[0]:
        raise ConversionError("id %r is empty or holds '='" % food_id)
    if not fields[1]:
        raise ConversionError("food %s has no German name" % food_id)
    return fields


def file_line(fields):
    # Every field is followed by ';', so a line has exactly FIELD_COUNT separators.
    return "".join(text + SEPARATOR for text in fields)


def convert(source_path, target_path):
    headings, rows = read_table(source_path)
    check_headings(headings)
    lines = [
        HEADER_LINE,
        file_line([entry[3] for entry in LAYOUT]),
        file_line([entry[4] for entry in LAYOUT]),
    ]
    seen = set()
    for row in rows:
        fields = food_fields(row)
        if fields[0] in seen:
            raise ConversionError("id %s appears twice" % fields[0])
        seen.add(fields[0])
        lines.append(file_line(fields))
    data = "".join(line + NEWLINE for line in lines).encode(ENCODING)
    Path(target_path).write_bytes(data)
    return len(rows)


def check(source_path, target_path):
    """Reads the written file back without the conversion's helpers and compares it with the
    table field by field; the values also as numbers. Returns the problems found."""
    headings, rows = read_table(source_path)
    check_headings(headings)
    data = Path(target_path).read_bytes()
    problems = []
    if data[:3] == b"\xef\xbb\xbf" or data[:2] in (b"\xff\xfe", b"\xfe\xff"):
        problems.append("the file starts with a byte-order mark")
    text = data.decode(ENCODING)
    if not text.endswith("\r\n"):
        problems.append("the last line does not end with CR LF")
    lines = text.split("\r\n")[:-1]
    if any("\r" in line or "\n" in line for line in lines):
        problems.append("a line ends without CR LF")
    if len(lines) != len(rows) + 3:
        problems.append("%d lines, expected 3 header lines and %d foods" % (len(lines), len(rows)))
    if not lines or not lines[0].startswith("Schweizer Nährwert") or ("Version " + VERSION) not in lines[0]:
        problems.append("line 0 does not begin \"Schweizer Nährwert\" and name version " + VERSION)

    expected_special = {"n.d.": "k.A.", "tr.": "0"}
    for number, (line, row) in enumerate(zip(lines[3:], rows), start=3):
        fields = line.split(";")
        if len(fields) != FIELD_COUNT + 1 or fields[-1] != "":
            problems.append("line %d: %d fields, expected %d each closed by ';'" % (number, len(fields) - 1, FIELD_COUNT))
            continue
        expected = [row[0].strip(), row[NAME_COLUMN].strip()]
        expected.append(", ".join(filter(None, map(str.strip, row[SYNONYMS_COLUMN].split(";")))))
        for column in range(FIRST_VALUE, LAST_VALUE + 1):
            cell = row[column]
            expected.append(expected_special.get(cell, "0" if cell.startswith("<") else cell.replace(".", ",")))
        for field, (got, want) in enumerate(zip(fields, expected)):
            if got != want:
                problems.append("line %d (id %s), field %d: %r, the table gives %r" % (number, row[0], field, got, want))
            elif field >= FIRST_VALUE and want not in ("k.A.", "0"):
                try:
                    same = float(got.replace(",", ".")) == float(row[field])
                except ValueError:
                    same = False
                if not same:
                    problems.append("line %d (id %s), field %d: %r is not the number %r" % (number, row[0], field, got, row[field]))
    return problems


def previous_foods(path):
    """(id, German name) of an earlier table: its tab-separated export ("ID", "name D") or the
    NwChDb.dat made from it."""
    data = Path(path).read_bytes()
    if data.startswith("Schweizer N".encode(ENCODING)):
        lines = data.decode(ENCODING).replace("\r\n", "\n").split("\n")[3:]
        return [tuple(line.split(";")[:2]) for line in lines if line.strip()]
    headings, rows = read_table(path)
    for heading in ("ID", "name D"):
        if heading not in headings:
            raise ConversionError("%s: no column %r" % (path, heading))
    id_column, name_column = headings.index("ID"), headings.index("name D")
    return [(row[id_column].strip(), row[name_column].strip()) for row in rows]


def main():
    repository = Path(__file__).resolve().parent.parent
    shared = repository.parent / "shared" / "data"
    parser = argparse.ArgumentParser(description="Convert the Swiss food composition table into NwChDb.dat.")
    parser.add_argument(
        "source",
        nargs="?",
        default=str(shared / ("swiss-food-composition-v%s.tsv" % VERSION)),
        help="tab-separated table of the Swiss food composition database, version " + VERSION,
    )
    parser.add_argument("target", nargs="?", default=str(repository / "data" / "NwChDb.dat"), help="NwChDb.dat to write")
    parser.add_argument("--check", action="store_true", help="write nothing; compare TARGET with SOURCE")
    parser.add_argument(
        "--previous",
        help="the earlier table or its NwChDb.dat, whose ids missing now are listed "
        "(default: swiss-food-composition-v5.3.tsv next to SOURCE, when it exists)",
    )
    arguments = parser.parse_args()
    try:
        if not arguments.check:
            count = convert(arguments.source, arguments.target)
            print("%s: %d foods" % (arguments.target, count))
        problems = check(arguments.source, arguments.target)
        if problems:
            for problem in problems[:20]:
                print("check: %s" % problem, file=sys.stderr)
            print("check: %d problems" % len(problems), file=sys.stderr)
            return 1
        print("check: %s matches %s field by field" % (arguments.target, arguments.source))
        if arguments.check:
            return 0
        previous = arguments.previous
        if previous is None:
            default = Path(arguments.source).parent / "swiss-food-composition-v5.3.tsv"
            previous = str(default) if default.exists() else None
        if previous is not None:
            current = {row[0].strip() for row in read_table(arguments.source)[1]}
            gone = [(food_id, name) for food_id, name in previous_foods(previous) if food_id not in current]
            gone.sort(key=lambda food: (len(food[0]), food[0]))
            print("%d ids of %s no longer exist:" % (len(gone), previous))
            for food_id, name in gone:
                print("%s\t%s" % (food_id, name))
    except (OSError, UnicodeError, ConversionError) as error:
        print("convert_swiss_db: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
