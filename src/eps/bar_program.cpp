#include "eps/bar_program.h"
