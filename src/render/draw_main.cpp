#include "render/draw_main.h"
