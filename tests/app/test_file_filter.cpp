// ParseFileFilter: the framework's "name|pattern||" filter text split into dialog entries.
#include "FileFilter.h"

#include <gtest/gtest.h>

TEST(FileFilter, SplitsIntoNamePatternPairs)
{
    struct Case
    {
        const wchar_t* filter;
        std::vector<FileFilterEntry> expected;
    };
    const Case cases[] = {
        {L"M&B存档 (*.sav)|*.sav||", {{L"M&B存档 (*.sav)", L"*.sav"}}},
        {L"A|*.a|B|*.b;*.c||", {{L"A", L"*.a"}, {L"B", L"*.b;*.c"}}},
        {L"A|*.a", {{L"A", L"*.a"}}},          // no closing bars
        {L"A|*.a||B|*.b||", {{L"A", L"*.a"}}}, // entries end at the first empty name
        {L"A|", {{L"A", L""}}},                // an empty pattern is kept as it is
        {L"A", {}},                            // a name without a pattern is dropped
        {L"", {}},
        {L"||", {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "filter " << testing::PrintToString(std::wstring(c.filter)));
        std::vector<FileFilterEntry> entries = ParseFileFilter(c.filter);
        ASSERT_EQ(entries.size(), c.expected.size());
        for (size_t i = 0; i < entries.size(); ++i)
        {
            EXPECT_EQ(entries[i].name, c.expected[i].name);
            EXPECT_EQ(entries[i].pattern, c.expected[i].pattern);
        }
    }
}
