// UTF-8 to wide text and back, the same on both sizes of wchar_t (UTF-32 on Linux, UTF-16 with
// surrogate pairs on Windows). Invalid input becomes U+FFFD; no code page is ever involved.
#pragma once

#include <string>
#include <string_view>

std::wstring DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::wstring_view text);
