// The per-frame pass that hit-tests, takes input, draws and reports a container's controls, then
// moves its notices and ages the shared left-button state. Call between BeginScene and EndScene.
#pragma once

#include <string>

class CRVDXGui;

// typedText: the characters typed since the last frame, in order; the first focused edit box
// takes them all and empties it;
// leftButton: BUTTON_UP / BUTTON_PRESSED / BUTTON_HELD, promoted by the pass; x, y: pointer in
// canvas pixels.
void ProcessFrame(CRVDXGui* gui, std::wstring& typedText, int& leftButton, int x, int y);
