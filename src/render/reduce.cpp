#include "render/reduce.h"
