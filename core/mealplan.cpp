#include "mealplan.h"
