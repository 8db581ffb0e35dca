#include "render/picture.h"
