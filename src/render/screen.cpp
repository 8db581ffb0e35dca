#include "render/screen.h"
