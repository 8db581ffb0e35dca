#include "eps/ps_standard.h"
