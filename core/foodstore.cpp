#include "foodstore.h"
