#include "preview/tiff.h"
