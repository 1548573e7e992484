#include "numbertext.h"
