#include "dayreport.h"
