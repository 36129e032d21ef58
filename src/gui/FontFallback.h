// Picks the face a font is created with: the face asked for when it is installed, otherwise an
// installed face with Chinese glyphs, so that Chinese text never draws as empty boxes.
#pragma once

#include <string>

// True when GDI enumerates a family of this name (Wine's font replacements count).
bool IsFaceInstalled(const std::wstring& face);
// The face asked for, or the first installed Chinese face in an order that suits it (Kai-style
// faces first for a Kai face, Song-style faces first otherwise); the face itself when none is.
std::wstring ChooseInstalledFace(const std::wstring& face);
