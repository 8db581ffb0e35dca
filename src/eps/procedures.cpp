#include "eps/procedures.h"
