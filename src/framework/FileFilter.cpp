// ParseFileFilter: splits at '|' and pairs the parts.
#include "FileFilter.h"

std::vector<FileFilterEntry> ParseFileFilter(std::wstring_view filter)
{
    std::vector<FileFilterEntry> entries;
    std::vector<std::wstring_view> parts;
    for (size_t start = 0; start <= filter.size();)
    {
        size_t bar = filter.find(L'|', start);
        if (bar == std::wstring_view::npos)
        {
            parts.push_back(filter.substr(start));
            break;
        }
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    for (size_t i = 0; i + 1 < parts.size(); i += 2)
    {
        if (parts[i].empty())
        {
            break;
        }
        entries.push_back({std::wstring(parts[i]), std::wstring(parts[i + 1])});
    }
    return entries;
}
