#pragma once

#include "fileprotection.h"
#include "foodmeasures.h"
#include "textfile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The user's own household measures, NwMasse.dat in the data folder: "my mug is 300 g". The
// same layout as NwPortionen.dat (a header line, then 'id;Maß;Gramm;'), for Swiss and own
// foods alike; an own measure replaces the shipped one of its name.

// One own measure as the own-foods window lists it.
struct OwnMeasure
{
    QString id;
    FoodMeasure measure; // amount in whole grams
};

// The file's lines as read (every line is written back as it was, a damaged one too, so that
// nothing the user wrote is lost), its encoding and whether it may be written.
struct OwnMeasuresFile
{
    QStringList lines; // with the header line; empty when there was no file
    TextEncoding encoding = TextEncoding::Windows1252;
    FileProtection protection; // set when the file was there but could not be read

    // The measures the lines give: a damaged line (no known measure, grams no whole number
    // above 0), and a later line for a food and measure an earlier one gave, are left out.
    FoodMeasures measures() const { return FoodMeasures::fromLines(lines); }

    // Every measure the lines give, in file order (the own-foods window's list).
    QList<OwnMeasure> list() const;
};

// The header line written to a new file: "ID;Maß;Gramm;", as NwPortionen.dat has it.
QString OwnMeasuresHeaderLine();

// Reads DataDirectory/NwMasse.dat. A missing file gives no measures and no message; a file
// that is there but cannot be read gives none too, and the protection with its start message.
OwnMeasuresFile LoadOwnMeasures(const QString &dataDirectory);

// Sets the user's measure name (one of MeasureNames()) of the food with id to gramsText (a
// whole number of grams, 1 to 999999, blanks around it allowed) and writes the file: the
// food's earlier line of that measure is replaced in place, else a line is appended (after a
// new header line when the file had none). Refused, changing nothing: an empty id or one with
// ';' or a line break, an unknown measure, grams that are no such number. A protected file is
// not written (the lines hold the measure either way), as the other user files.
WriteResult AddOwnMeasure(OwnMeasuresFile &file, const QString &id, const QString &name,
                          const QString &gramsText, const QString &dataDirectory);

// Removes the food's measure name (every line that gives it, so no later duplicate comes
// back) and writes the file. Nothing to remove: ok, nothing written. A protected file is not
// written.
WriteResult DeleteOwnMeasure(OwnMeasuresFile &file, const QString &id, const QString &name,
                             const QString &dataDirectory);

// "Bitte ein Maß aus der Liste wählen!" and the other refusals of AddOwnMeasure.
QString OwnMeasureNameRefusal();
QString OwnMeasureGramsRefusal();
QString OwnMeasureIdRefusal();
