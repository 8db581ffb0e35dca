#include "preview/endian.h"
