// The one save document: constructed before start-up, destroyed at exit.
#include "TheDocument.h"

namespace
{
CSaveDocument s_document;
}

CSaveDocument& TheDocument()
{
    return s_document;
}
