#include "eps/document_reader.h"
