#include "preview/dos_eps.h"
