#include "documents/document_file.h"
