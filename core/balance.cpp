#include "balance.h"
