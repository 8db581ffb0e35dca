#include "model/dimensions.h"
