#include "mealfile.h"
