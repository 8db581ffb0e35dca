#include "documents/templates.h"
