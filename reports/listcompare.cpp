#include "listcompare.h"
