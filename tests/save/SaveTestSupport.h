// Test doubles and helpers shared by the save and tool tests: a scripted host (dialog answers and
// recorded messages), a screen that logs the reports, temporary folders, byte comparison.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "SaveHost.h"

class CScriptedHost : public ISaveHost
{
public:
    std::filesystem::path ChooseFile(FileDialogKind kind, std::wstring_view filter) override
    {
        m_asked.push_back(kind);
        m_filters.emplace_back(filter);
        if (m_choices.empty())
        {
            return {};
        }
        std::filesystem::path choice = m_choices.front();
        m_choices.pop_front();
        return choice;
    }
    void ShowMessage(std::wstring_view text) override { m_messages.emplace_back(text); }
    bool AskYesNo(std::wstring_view text) override
    {
        m_questions.emplace_back(text);
        return m_answerYes;
    }

    std::deque<std::filesystem::path> m_choices; // answers in order; none left = cancelled
    std::vector<FileDialogKind> m_asked;
    std::vector<std::wstring> m_filters;
    std::vector<std::wstring> m_messages;
    std::vector<std::wstring> m_questions;
    bool m_answerYes = false;
};

class CRecordingScreen : public ISaveScreen
{
public:
    void OnCharacterListReset() override { m_events.push_back("reset"); }
    void OnCharacterLocated(int position, CCharacterRecord&) override
    {
        m_events.push_back("located " + std::to_string(position));
    }
    void OnSaveLoaded() override { m_events.push_back("loaded"); }
    void OnBeforeSave() override
    {
        m_events.push_back("before");
        if (m_beforeSave)
        {
            m_beforeSave();
        }
    }
    void OnSaveWritten() override { m_events.push_back("written"); }

    std::vector<std::string> m_events;
    std::function<void()> m_beforeSave; // the screen's hand-over of its edits
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class CTempFolder
{
public:
    explicit CTempFolder(const std::u8string& name = u8"quillmark")
    {
        std::random_device device;
        const std::string suffix = "-" + std::to_string(device()) + std::to_string(device() % 1000);
        m_path = std::filesystem::temp_directory_path() / (name + std::u8string(suffix.begin(), suffix.end()));
        std::filesystem::create_directories(m_path);
    }
    ~CTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::filesystem::path operator/(const std::u8string& name) const { return m_path / name; }

    std::filesystem::path m_path;
};

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The skill slot behind each row of the skill list, as the save's layout gives it (written out
// here independently of the code under test).
inline constexpr int TEST_ROW_SLOTS[24] = {36, 35, 34, 33, 27, 26, 25, 24, 23, 22, 17, 16,
                                           15, 14, 13, 12, 11, 10, 9,  8,  7,  2,  1,  0};

inline int32_t GetInt32(const std::vector<uint8_t>& b, size_t at)
{
    return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
}

// Passes when both are equal; otherwise names the first differing offset.
inline testing::AssertionResult SameBytes(const std::vector<uint8_t>& expected, const std::vector<uint8_t>& actual)
{
    const size_t common = std::min(expected.size(), actual.size());
    for (size_t i = 0; i < common; ++i)
    {
        if (expected[i] != actual[i])
        {
            return testing::AssertionFailure() << "first difference at offset " << i << ": expected "
                                               << int(expected[i]) << ", got " << int(actual[i]);
        }
    }
    if (expected.size() != actual.size())
    {
        return testing::AssertionFailure() << "sizes differ: expected " << expected.size() << ", got "
                                           << actual.size() << " (first difference at offset " << common << ")";
    }
    return testing::AssertionSuccess();
}
