#include "fooddata.h"
