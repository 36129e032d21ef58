// What typing does to an edit box's text: the characters queued since the last frame, in order.
// Plain text rules, no Direct3D.
#pragma once

#include <string>
#include <string_view>

// Applies `typed` to `text`: backspace removes the last character (a surrogate pair as a whole),
// other control characters and lone surrogates are dropped, a digits-only box drops anything but
// 0-9, and nothing is added past `maxLength` UTF-16 units (-1: no limit), a pair fitting whole
// or not at all.
void TypeInto(std::wstring& text, std::wstring_view typed, bool digitsOnly, int maxLength);
