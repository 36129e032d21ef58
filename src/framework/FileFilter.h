// The framework's filter text for file dialogs, "name|pattern|name|pattern||", split into its
// entries. No dialog here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct FileFilterEntry
{
    std::wstring name;    // shown in the dialog, e.g. "Saves (*.sav)"
    std::wstring pattern; // e.g. "*.sav"
};

// Entries up to the first empty name (the closing "||"); a name without a pattern is dropped.
std::vector<FileFilterEntry> ParseFileFilter(std::wstring_view filter);
