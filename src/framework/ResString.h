// Loading a string from the program's string table.
#pragma once

#include <windows.h>
#include <string>

// The string of that id, or empty when there is none.
std::wstring LoadResString(UINT id);
