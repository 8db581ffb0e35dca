#include "documents/printing.h"
