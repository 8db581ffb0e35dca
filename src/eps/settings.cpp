#include "eps/settings.h"
