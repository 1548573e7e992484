#include "foodindex.h"
