#include "reportfile.h"
