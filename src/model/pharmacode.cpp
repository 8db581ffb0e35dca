#include "model/pharmacode.h"
