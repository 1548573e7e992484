#pragma once

#include "foodmeasures.h"

#include <QList>
#include <QString>

// The most characters the amount field takes: "1 Stück mittel" and "2,5 Scheiben" fit.
constexpr int AmountFieldLength = 16;

// What an amount typed for one food comes to.
struct AmountReading
{
    bool refused = false;
    QString message;     // the refusal to show, when refused
    QString amountText;  // the amount for EnterFood in the food's unit (grams or pieces)
    QString measureText; // the measure used, "2 Scheiben (100 g)"; empty for a plain amount
};

// Reads an amount typed for a food with these measures (MeasuresForFood) and reference amount.
// - A text without letters is a plain amount and stays as typed, so that EnterFood checks it
//   as before ("150", "12,5", "5-").
// - Otherwise a number ("2", "1,5", "1.5", "½", "1½", "1 1/2"; none means 1) and a measure,
//   singular or plural, in any case: "2 Scheiben", "1,5 EL", "½ Tasse", "3 Esslöffel",
//   "1 großes Stück", "Stück" alone for "Stück mittel" (or the food's only piece size). Its
//   amount is the number times the measure's, written with up to three decimals.
// - The food's own unit counts as no measure: "150 g" for a food per 100 g, "2 St" for one
//   counted in pieces.
// - A measure the food does not have, or a word that is no measure, is refused with "Das Maß
//   „%s“ ist für dieses Lebensmittel nicht bekannt.", naming the measure or the word typed.
AmountReading ReadAmountText(const QString &text, const QList<FoodMeasure> &measures,
                             const QString &referenceAmount);

// ReadAmountText for the food with id and referenceAmount, its measures taken from source:
// the one call that turns what was typed for a food into its amount and the measure used.
AmountReading ReadAmountForFood(const QString &text, const FoodMeasures &source, const QString &id,
                                const QString &referenceAmount);
