// Tests of saving: byte-identical round trips, what edits reach the file and what never does,
// Save As, saving with nothing loaded, and failed writes that must leave the file as it was.
#include <gtest/gtest.h>

#include "SaveDocument.h"
#include "SaveFixture.h"
#include "SaveTestSupport.h"

namespace
{
class SaveWrite : public testing::Test
{
protected:
    SaveWrite()
    {
        m_document.m_host = &m_host;
        m_document.m_screen = &m_screen;
    }

    // Writes a fixture save into the temporary folder and loads it from there.
    std::vector<uint8_t> LoadFile(const std::filesystem::path& path, const CFixtureOptions& options, bool loads = true)
    {
        CFixtureSave save = BuildFixtureSave(options);
        WriteBytes(path, save.m_bytes);
        m_host.m_choices = {path};
        m_document.LoadSave();
        EXPECT_EQ(m_document.IsLoaded(), loads);
        return save.m_bytes;
    }

    CTempFolder m_folder;
    CScriptedHost m_host;
    CRecordingScreen m_screen;
    CSaveDocument m_document;
};
} // namespace

TEST_F(SaveWrite, SavingRightAfterLoadingWritesTheSameBytes)
{
    const struct
    {
        uint8_t flag;
        uint8_t written;
    } rows[] = {{0, 0}, {1, 1}, {7, 1}, {0xFF, 1}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "flag byte " << int(row.flag));
        CFixtureOptions options = MakeFixtureOptions(20 + row.flag);
        options.m_flagByte = row.flag;
        const std::filesystem::path path = m_folder / u8"round.sav";
        std::vector<uint8_t> expected = LoadFile(path, options);
        expected[size_t(m_document.m_flagOffset)] = row.written;
        m_screen.m_events.clear();
        m_document.SaveDocument();
        EXPECT_EQ(m_screen.m_events, (std::vector<std::string>{"before", "written"}));
        EXPECT_TRUE(SameBytes(expected, ReadBytes(path)));
        m_document.SaveDocument(); // and again: repeated saves write identical files
        EXPECT_TRUE(SameBytes(expected, ReadBytes(path)));
    }
}

TEST_F(SaveWrite, EditsReachTheirBytesAndNothingElseChanges)
{
    const std::filesystem::path path = m_folder / u8"edit.sav";
    const std::vector<uint8_t> original = LoadFile(path, MakeFixtureOptions(30));
    CCharacterRecord& companion = m_document.m_companions[4];
    const int32_t at = companion.m_offset;
    const int32_t playerAt = m_document.m_player.m_offset;
    m_screen.m_beforeSave = [&]
    {
        // The screen hands over its edits at this point.
        companion.m_strength = 99;
        companion.m_skills[23] = 20; // 交涉, low half of the byte at +44
        companion.m_level = 1000;
        companion.m_name = L"别的名字";
        m_document.m_player.m_money = -5;
        m_document.m_headerFlag = !m_document.m_headerFlag;
    };
    m_document.SaveDocument();
    const std::vector<uint8_t> saved = ReadBytes(path);

    ASSERT_EQ(saved.size(), original.size());
    EXPECT_EQ(GetInt32(saved, size_t(at)), 99);
    EXPECT_EQ(saved[size_t(at + 44)] & 0x0F, 15);
    EXPECT_EQ(saved[size_t(at + 44)] >> 4, original[size_t(at + 44)] >> 4);
    EXPECT_EQ(GetInt32(saved, size_t(at + 300)), GetInt32(original, size_t(at + 300)));
    EXPECT_EQ(GetInt32(saved, size_t(playerAt + 304)), -5);
    std::vector<uint8_t> expected = original;
    for (size_t i = 0; i < 4; ++i)
    {
        expected[size_t(at) + i] = saved[size_t(at) + i];
        expected[size_t(playerAt + 304) + i] = saved[size_t(playerAt + 304) + i];
    }
    expected[size_t(at + 44)] = saved[size_t(at + 44)];
    expected[size_t(m_document.m_flagOffset)] = m_document.m_headerFlag ? 0 : 1;
    EXPECT_TRUE(SameBytes(expected, saved));
}

TEST_F(SaveWrite, SaveAsWritesTheNewPathAndKeepsTheFirstFile)
{
    const std::filesystem::path first = m_folder / u8"first.sav";
    const std::filesystem::path second = m_folder / u8"second.sav";
    const std::vector<uint8_t> original = LoadFile(first, MakeFixtureOptions(40));

    m_document.m_player.m_strength = 55;
    m_host.m_choices = {second};
    m_document.SaveDocumentAs();
    EXPECT_EQ(m_host.m_asked.back(), FileDialogKind::Save);
    EXPECT_EQ(m_host.m_filters.back(), L"M&B存档 (*.sav)|*.sav||");
    EXPECT_EQ(m_document.m_path, second);
    EXPECT_TRUE(SameBytes(original, ReadBytes(first)));
    EXPECT_EQ(GetInt32(ReadBytes(second), size_t(m_document.m_player.m_offset)), 55);

    m_document.m_player.m_strength = 56;
    m_document.SaveDocument();
    EXPECT_EQ(GetInt32(ReadBytes(second), size_t(m_document.m_player.m_offset)), 56);
    EXPECT_TRUE(SameBytes(original, ReadBytes(first)));

    m_document.SaveDocumentAs(); // cancelled
    EXPECT_EQ(m_document.m_path, second);
}

TEST_F(SaveWrite, NothingHappensWithoutALoadedSave)
{
    const std::filesystem::path path = m_folder / u8"half.sav";
    CFixtureOptions options = MakeFixtureOptions(50);
    options.m_missingCompanion = 3; // the load stops and counts as failed
    const std::vector<uint8_t> original = LoadFile(path, options, false);
    m_screen.m_events.clear();
    m_host.m_asked.clear();
    m_host.m_messages.clear();
    m_host.m_choices = {m_folder / u8"other.sav"};

    m_document.SaveDocument();
    m_document.SaveDocumentAs();
    EXPECT_TRUE(m_screen.m_events.empty());
    EXPECT_TRUE(m_host.m_asked.empty());
    EXPECT_TRUE(m_host.m_messages.empty());
    EXPECT_TRUE(SameBytes(original, ReadBytes(path)));
    EXPECT_FALSE(std::filesystem::exists(m_folder / u8"other.sav"));
}

TEST_F(SaveWrite, AFailedWriteLeavesTheFileAndNoTemporaryBehind)
{
    const std::filesystem::path path = m_folder / u8"keep.sav";
    LoadFile(path, MakeFixtureOptions(60));
    const struct
    {
        const char* what;
        std::filesystem::path target;
    } rows[] = {
        {"target is a folder", m_folder / u8"folder.sav"},
        {"folder does not exist", m_folder / u8"missing" / u8"x.sav"},
    };
    std::filesystem::create_directory(m_folder / u8"folder.sav");
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        m_screen.m_events.clear();
        m_host.m_messages.clear();
        m_host.m_choices = {row.target};
        m_document.SaveDocumentAs();
        EXPECT_EQ(m_host.m_messages, std::vector<std::wstring>{L"保存失败：无法写入文件。"});
        EXPECT_EQ(m_screen.m_events, std::vector<std::string>{"before"});
        EXPECT_EQ(m_document.m_path, path); // Save still writes the file that was loaded
    }
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / u8"folder.sav"));
    EXPECT_TRUE(std::filesystem::is_empty(m_folder / u8"folder.sav"));
    size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.m_path))
    {
        ++entries;
        EXPECT_TRUE(entry.path().filename() == u8"keep.sav" || entry.path().filename() == u8"folder.sav")
            << entry.path().string();
    }
    EXPECT_EQ(entries, 2u);
}

TEST_F(SaveWrite, LoadsAndSavesUnderChineseFolderAndFileNames)
{
    CTempFolder folder(u8"存档测试");
    std::filesystem::create_directories(folder / u8"我的游戏");
    const std::filesystem::path path = folder / u8"我的游戏" / u8"战团存档一.sav";
    const std::vector<uint8_t> original = LoadFile(path, MakeFixtureOptions(70));
    ASSERT_TRUE(m_document.IsLoaded());
    m_document.SaveDocument();
    EXPECT_EQ(m_screen.m_events.back(), "written");
    EXPECT_TRUE(SameBytes(original, ReadBytes(path)));

    const std::filesystem::path copy = folder / u8"我的游戏" / u8"副本.sav";
    m_host.m_choices = {copy};
    m_document.SaveDocumentAs();
    EXPECT_TRUE(SameBytes(original, ReadBytes(copy)));
}
