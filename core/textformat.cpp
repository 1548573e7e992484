#include "textformat.h"
