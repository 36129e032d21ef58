// The program's one save document, a static object that lives for the whole run.
#pragma once

#include "SaveDocument.h"

CSaveDocument& TheDocument();
