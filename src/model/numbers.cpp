#include "model/numbers.h"
