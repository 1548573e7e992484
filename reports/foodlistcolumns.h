#pragma once

#include "nutrients.h"

// The columns of every food list (the meal lists, the own foods, the maximum values), in this
// order: name, database, id, amount, then the thirteen values in catalogue order. Captions,
// widths and hidden columns are each window's own.
namespace FoodColumn {

enum : int
{
    Name,
    Db,
    Id,
    Amount,
    FirstValue,
};

constexpr int Count = FirstValue + NutrientCount;

// The column of nutrient k (0..NutrientCount - 1).
constexpr int Value(int nutrient)
{
    return FirstValue + nutrient;
}

} // namespace FoodColumn
