#include "reference.h"
