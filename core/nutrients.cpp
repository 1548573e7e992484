#include "nutrients.h"
