// How the toolkit tells the user about a building mistake: a modal OK box by default, or a sink
// a test installs to catch the text instead.
#pragma once

using GuiMessageSink = void (*)(const wchar_t* text);

// Shows the text in a modal OK box, or hands it to the installed sink.
void ShowGuiMessage(const wchar_t* text);
// Installs a sink; null restores the message box.
void SetGuiMessageSink(GuiMessageSink sink);
