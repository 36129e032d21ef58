// The per-frame pass that hit-tests, takes input, draws and reports a container's controls, then
// moves its notices and ages the shared left-button state. Call between BeginScene and EndScene.
#pragma once

class CRVDXGui;

// typedChar: the last typed UTF-16 unit (0 = none), cleared when a focused edit box takes it;
// leftButton: BUTTON_UP / BUTTON_PRESSED / BUTTON_HELD, promoted by the pass; x, y: pointer in
// canvas pixels.
void ProcessFrame(CRVDXGui* gui, wchar_t& typedChar, int& leftButton, int x, int y);
