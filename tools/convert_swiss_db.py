#!/usr/bin/env python3
"""Convert the Swiss food composition table (tab-separated export) into NwChDb.dat.

Usage:
    python3 tools/convert_swiss_db.py [SOURCE.tsv] [TARGET.dat]

Defaults: ../shared/data/swiss-food-composition-v5.3.tsv next to the repository and
data/NwChDb.dat inside it. Python 3 standard library only.

The program reads NwChDb.dat as Windows-1252 text without a byte-order mark, splits a
food line at every ';' and looks at the first 50 fields. Some of those fields have
fixed meanings (id, name and the thirteen nutrients the balance shows); the layout
below keeps them where the program expects them and puts the table's other nutrients
into the free places.
"""

import argparse
import csv
import sys
from decimal import Decimal, InvalidOperation
from pathlib import Path

FIELD_COUNT = 50
VERSION = "5.3"
MISSING = "k.A."
NEWLINE = "\r\n"
ENCODING = "cp1252"

HEADER_LINE = (
    "Schweizer Nährwertdatenbank Version " + VERSION + ";"
    "Quelle: Schweizer Nährwertdatenbank, Bundesamt für Lebensmittelsicherheit und "
    "Veterinärwesen BLV (Swiss Food Composition Database, Federal Food Safety and "
    "Veterinary Office FSVO);"
    "Werte je 100 g essbarer Anteil, bei Getränken und Ölen je 100 ml (Spalte Bezug);"
)

# Kinds of output fields.
ID = "id"            # the food's id, copied
NAME = "name"        # the German name, cleaned of export artefacts
VALUE = "value"      # a nutrient value of the source column, decimal comma, "k.A." when empty
SALT = "salt"        # sodium in mg * 2.5 / 1000, in g
BASIS = "basis"      # "100 g" or "100 ml", from the matrix unit of the source
NUMBER = "number"    # a plain number of the source (specific gravity)
TEXT = "text"        # a free text of the source, list separators turned into " | "
UNUSED = "unused"    # no source column fits; left empty

# (field, heading, unit, kind, source column heading). Fields 0, 1, 3, 4, 5, 13, 14, 17,
# 18, 20, 29, 34, 39, 40 and 42 are the ones the program reads; do not move them.
LAYOUT = [
    (0, "ID", "", ID, "ID"),
    (1, "Name", "", NAME, "name D"),
    (2, "Energie", "kJ", VALUE, "energy kJ"),
    (3, "Energie", "kcal", VALUE, "energy kcal"),
    (4, "Fett, total", "g", VALUE, "fat, total"),
    (5, "Fettsäuren, gesättigt", "g", VALUE, "fatty acids, saturated"),
    (6, "Fettsäuren, einfach ungesättigt", "g", VALUE, "fatty acids, monounsaturated"),
    (7, "Fettsäuren, mehrfach ungesättigt", "g", VALUE, "fatty acids, polyunsaturated"),
    (8, "Cholesterin", "mg", VALUE, "cholesterol"),
    (9, "Alkohol", "g", VALUE, "alcohol"),
    (10, "(nicht belegt)", "", UNUSED, None),
    (11, "(nicht belegt)", "", UNUSED, None),
    (12, "(nicht belegt)", "", UNUSED, None),
    (13, "Kohlenhydrate, verfügbar", "g", VALUE, "carbohydrates, available"),
    (14, "Zucker", "g", VALUE, "sugars"),
    (15, "Stärke", "g", VALUE, "starch"),
    (16, "Nahrungsfasern", "g", VALUE, "dietary fibres"),
    (17, "Protein", "g", VALUE, "protein"),
    (18, "Salz (Natrium x 2,5)", "g", SALT, "sodium (Na)"),
    (19, "Natrium", "mg", VALUE, "sodium (Na)"),
    (20, "Wasser", "g", VALUE, "water"),
    (21, "Vitamin-A-Aktivität", "µg RE", VALUE, "vitamin A activity"),
    (22, "All-trans-Retinoläquivalente", "µg RE", VALUE, "all-trans retinol equivalents"),
    (23, "Beta-Carotin-Aktivität", "µg BCE", VALUE, "beta-carotene activity"),
    (24, "Beta-Carotin", "µg", VALUE, "beta-carotene"),
    (25, "Vitamin B1 (Thiamin)", "mg", VALUE, "vitamin B1 (thiamine)"),
    (26, "Vitamin B2 (Riboflavin)", "mg", VALUE, "vitamin B2 (riboflavin)"),
    (27, "Vitamin B6 (Pyridoxin)", "mg", VALUE, "vitamin B6 (pyridoxine)"),
    (28, "Niacin", "mg", VALUE, "niacin"),
    (29, "Vitamin B12 (Cobalamin)", "µg", VALUE, "vitamin B12 (cobalamin)"),
    (30, "Folat", "µg", VALUE, "folate"),
    (31, "Pantothensäure", "mg", VALUE, "pantothenic acid"),
    (32, "Vitamin C (Ascorbinsäure)", "mg", VALUE, "vitamin C (ascorbic acid)"),
    (33, "Vitamin-E-Aktivität", "mg TE", VALUE, "vitamin E activity"),
    (34, "Vitamin D (Calciferol)", "µg", VALUE, "vitamin D (calciferol)"),
    (35, "Kalium", "mg", VALUE, "potassium (K)"),
    (36, "Chlorid", "mg", VALUE, "chloride (Cl)"),
    (37, "Phosphor", "mg", VALUE, "phosphorus (P)"),
    (38, "Zink", "mg", VALUE, "zinc (Zn)"),
    (39, "Calcium", "mg", VALUE, "calcium (Ca)"),
    (40, "Magnesium", "mg", VALUE, "magnesium (Mg)"),
    (41, "Jodid", "µg", VALUE, "iodide (I)"),
    (42, "Eisen", "mg", VALUE, "iron (Fe)"),
    (43, "Bezug", "", BASIS, "energy kcal"),
    (44, "Spezifisches Gewicht", "g/ml", NUMBER, "specific gravity"),
    (45, "Kategorie", "", TEXT, "category D"),
    (46, "Synonyme", "", TEXT, "synonyms D"),
    (47, "ID V 4.0", "", TEXT, "ID V 4.0"),
    (48, "ID SwissFIR", "", TEXT, "ID SwissFIR"),
    (49, "(nicht belegt)", "", UNUSED, None),
]

MATRIX_UNITS = {
    "per 100g edible portion": "100 g",
    "per 100ml food volume": "100 ml",
}


class ConversionError(Exception):
    pass


def decimal_comma(text):
    """A source number as written, with its decimal point turned into a comma."""
    return text.replace(".", ",")


def parse_source_number(text, what):
    try:
        return Decimal(text)
    except InvalidOperation:
        raise ConversionError("not a number in %s: %r" % (what, text)) from None


def salt_text(sodium_text, what):
    """Salt in g from sodium in mg, exact in decimal arithmetic: 130 -> "0,325"."""
    if sodium_text == "":
        return MISSING
    salt = parse_source_number(sodium_text, what) * Decimal("2.5") / Decimal(1000)
    text = format(salt.normalize(), "f")
    return decimal_comma(text)


def clean_name(name):
    """The German name without surrounding blanks and without the export's stray quotes.

    A few names of the export carry a quoted phrase whose quotes slipped, e.g.
    'Rind, Filet, medium" gebraten (...)"'. Where the phrase began cannot be told
    ("well done" spans two words), so the quotes are dropped rather than guessed.
    """
    name = name.strip()
    if name.endswith('"'):
        name = " ".join(name.replace('"', "").split())
    return name


def field_text(kind, row, column, food_id):
    what = "food %s, column %r" % (food_id, column)
    raw = row[column] if column is not None else ""
    if kind == ID:
        return raw.strip()
    if kind == NAME:
        return clean_name(raw)
    if kind in (VALUE, NUMBER):
        raw = raw.strip()
        if raw == "":
            return MISSING
        parse_source_number(raw, what)
        return decimal_comma(raw)
    if kind == SALT:
        return salt_text(raw.strip(), what)
    if kind == BASIS:
        return MATRIX_UNITS.get(raw.strip(), MISSING)
    if kind == TEXT:
        parts = [part.strip() for part in raw.split(";")]
        return " | ".join(part for part in parts if part)
    return ""


def check_layout():
    fields = [entry[0] for entry in LAYOUT]
    if fields != list(range(FIELD_COUNT)):
        raise ConversionError("layout must name the fields 0 to %d in order" % (FIELD_COUNT - 1))


def join_fields(fields):
    # Every field is followed by ';', so a line has exactly FIELD_COUNT separators.
    for text in fields:
        if ";" in text:
            raise ConversionError("';' inside a field: %r" % text)
    return "".join(text + ";" for text in fields)


def convert(source_path, target_path):
    check_layout()
    with open(source_path, encoding="utf-8-sig", newline="") as source:
        rows = list(csv.reader(source, delimiter="\t", quoting=csv.QUOTE_NONE))
    if not rows:
        raise ConversionError("empty source table")
    headings = rows[0]

    # Value columns are found by their heading; unit, matrix unit, value type and source
    # follow each of them and are left out, except the matrix unit (see BASIS).
    positions = {}
    for entry in LAYOUT:
        heading = entry[4]
        if heading is None:
            continue
        if heading not in headings:
            raise ConversionError("source has no column %r" % heading)
        position = headings.index(heading)
        if entry[3] == BASIS:
            position += 2
        positions[entry[0]] = position

    lines = [
        HEADER_LINE,
        join_fields([entry[1] for entry in LAYOUT]),
        join_fields([entry[2] for entry in LAYOUT]),
    ]
    seen_ids = set()
    for number, row in enumerate(rows[1:], start=2):
        if not any(cell.strip() for cell in row):
            continue
        if len(row) != len(headings):
            raise ConversionError("source line %d has %d cells, expected %d" % (number, len(row), len(headings)))
        food_id = row[headings.index("ID")].strip()
        if not food_id or "=" in food_id or food_id in seen_ids:
            raise ConversionError("source line %d: empty, invalid or repeated id %r" % (number, food_id))
        seen_ids.add(food_id)
        fields = [field_text(entry[3], row, positions.get(entry[0]), food_id) for entry in LAYOUT]
        if not fields[1]:
            raise ConversionError("food %s has no German name" % food_id)
        lines.append(join_fields(fields))

    text = "".join(line + NEWLINE for line in lines)
    try:
        data = text.encode(ENCODING)
    except UnicodeEncodeError as error:
        bad_line = text[: error.start].count(NEWLINE)
        raise ConversionError(
            "line %d does not fit Windows-1252: %r" % (bad_line, lines[bad_line])
        ) from None
    Path(target_path).write_bytes(data)
    return len(lines) - 3


def main():
    repository = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description="Convert the Swiss food composition table into NwChDb.dat.")
    parser.add_argument(
        "source",
        nargs="?",
        default=str(repository.parent / "shared" / "data" / "swiss-food-composition-v5.3.tsv"),
        help="tab-separated export of the Swiss food composition database",
    )
    parser.add_argument(
        "target", nargs="?", default=str(repository / "data" / "NwChDb.dat"), help="file to write"
    )
    arguments = parser.parse_args()
    try:
        count = convert(arguments.source, arguments.target)
    except (OSError, ConversionError) as error:
        print("convert_swiss_db: %s" % error, file=sys.stderr)
        return 1
    print("%s: %d foods" % (arguments.target, count))
    return 0


if __name__ == "__main__":
    sys.exit(main())
