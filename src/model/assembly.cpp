#include "model/assembly.h"
