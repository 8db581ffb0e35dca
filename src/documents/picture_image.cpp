#include "documents/picture_image.h"
