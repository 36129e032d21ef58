// Number texts of the number boxes: every int32 survives show then collect, long digit strings
// saturate instead of wrapping, and the first control of an id is the one exchanged.
#include "GuiFixture.h"

#include <climits>

namespace
{
TEST(FormatIntTest, WritesDigitsWithoutLeadingZerosAndWithSign)
{
    const struct
    {
        int32_t value;
        const wchar_t* text;
    } cases[] = {{0, L"0"},
                 {7, L"7"},
                 {907, L"907"},
                 {-5, L"-5"},
                 {INT32_MAX, L"2147483647"},
                 {INT32_MIN, L"-2147483648"}};
    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(FormatInt(row.value), row.text);
    }
}

TEST(ParseIntTest, ReadsDecimalTextsAndSaturates)
{
    const struct
    {
        const wchar_t* text;
        int32_t value;
    } cases[] = {
        {L"0042", 42},
        {L"", 0},
        {L"-", 0},
        {L"2147483647", INT32_MAX},
        {L"2147483648", INT32_MAX},
        {L"4294967297", INT32_MAX}, // would wrap to 1
        {L"9999999999", INT32_MAX}, // would wrap to 1410065407
        {L"99999999999999999999999", INT32_MAX},
        {L"-2147483648", INT32_MIN},
        {L"-2147483649", INT32_MIN},
        {L"-17", -17},
        {L"12a3", 12}, // stops at the first character that is not a digit
    };
    for (const auto& row : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << "text of " << wcslen(row.text) << " characters, value " << row.value);
        EXPECT_EQ(ParseInt(row.text), row.value);
    }
}

class ExchangeTest : public GuiTest
{
};

TEST_F(ExchangeTest, EveryInt32SurvivesShowThenCollect)
{
    auto* box = m_gui.AddControl(std::make_unique<CRVDXGUIControl>());
    box->m_id = 54;
    for (int32_t value : {0, 1, 9, 10, 99, 1234567890, INT32_MAX, -1, -10, INT32_MIN, INT32_MIN + 1})
    {
        SCOPED_TRACE(value);
        int32_t shown = value;
        m_gui.ExchangeInt(GUI_EXCHANGE_SHOW, 54, shown);
        int32_t collected = 12345;
        m_gui.ExchangeInt(GUI_EXCHANGE_COLLECT, 54, collected);
        EXPECT_EQ(collected, value);
    }
}

TEST_F(ExchangeTest, UsesTheFirstControlOfAnIdAndSkipsEmptyEntries)
{
    auto* listLabel = m_gui.AddControl(std::make_unique<CRVDXGUIControl>());
    listLabel->m_id = GUI_LIST_LABEL_ID;
    auto* first = m_gui.AddControl(std::make_unique<CRVDXGUIControl>());
    first->m_id = 7;
    first->m_text = L"first";
    auto* second = m_gui.AddControl(std::make_unique<CRVDXGUIControl>());
    second->m_id = 7;
    second->m_text = L"second";
    m_gui.ClearListLabels();

    std::wstring text = L"old";
    m_gui.ExchangeText(GUI_EXCHANGE_COLLECT, 7, text);
    EXPECT_EQ(text, L"first");
    text = L"新名字";
    m_gui.ExchangeText(GUI_EXCHANGE_SHOW, 7, text);
    EXPECT_EQ(first->m_text, L"新名字");
    EXPECT_EQ(second->m_text, L"second");

    // An id that no control has (here the emptied list label's) changes nothing.
    text = L"kept";
    int32_t value = 99;
    m_gui.ExchangeText(GUI_EXCHANGE_COLLECT, GUI_LIST_LABEL_ID, text);
    m_gui.ExchangeInt(GUI_EXCHANGE_COLLECT, 404, value);
    EXPECT_EQ(text, L"kept");
    EXPECT_EQ(value, 99);
}
} // namespace
