// Modal messages of the toolkit, replaceable by a sink for tests.
#include "GuiMessage.h"

#include <windows.h>

namespace
{
GuiMessageSink s_sink = nullptr;
}

void ShowGuiMessage(const wchar_t* text)
{
    if (s_sink)
    {
        s_sink(text);
        return;
    }
    MessageBoxW(nullptr, text, L"Quillmark", MB_OK);
}

void SetGuiMessageSink(GuiMessageSink sink)
{
    s_sink = sink;
}
