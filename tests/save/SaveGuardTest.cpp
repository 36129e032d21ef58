// Tests of what protects a file being overwritten: the backup made before the first overwrite
// after a load, and the question asked when the loaded file changed on disk since it was read.
#include <gtest/gtest.h>

#include "SaveDocument.h"
#include "SaveFixture.h"
#include "SaveTestSupport.h"

namespace
{
const std::wstring CHANGED_QUESTION =
    L"存档“a.sav”在载入之后已被其他程序修改（也许游戏又保存了一次）。覆盖它会丢失那些修改。仍然保存吗？";

class SaveGuard : public testing::Test
{
protected:
    SaveGuard()
    {
        m_document.m_host = &m_host;
        m_document.m_screen = &m_screen;
    }

    std::vector<uint8_t> WriteFixture(const std::filesystem::path& path, int seed)
    {
        std::vector<uint8_t> bytes = BuildFixtureSave(MakeFixtureOptions(seed)).m_bytes;
        WriteBytes(path, bytes);
        return bytes;
    }

    // Saves with one edit, so that every save changes the file.
    void SaveEdited(int strength)
    {
        m_document.m_player.m_strength = strength;
        m_document.SaveDocument();
    }

    // As if the game saved again: other bytes and a later write time.
    void ChangeOnDisk(const std::filesystem::path& path, std::vector<uint8_t> bytes)
    {
        const auto before = std::filesystem::last_write_time(path);
        WriteBytes(path, bytes);
        std::filesystem::last_write_time(path, before + std::chrono::seconds(2));
    }

    CTempFolder m_folder;
    std::filesystem::path m_path = m_folder / u8"a.sav";
    std::filesystem::path m_backup = m_folder / u8"a.sav.bak";
    CScriptedHost m_host;
    CRecordingScreen m_screen;
    CSaveDocument m_document;
};
} // namespace

TEST_F(SaveGuard, TheFirstOverwriteAfterEachLoadKeepsTheFileAsItWas)
{
    const std::vector<uint8_t> original = WriteFixture(m_path, 1);
    WriteBytes(m_backup, {1, 2, 3}); // an older backup is replaced
    ASSERT_TRUE(m_document.LoadSaveFile(m_path));

    SaveEdited(41);
    EXPECT_TRUE(SameBytes(original, ReadBytes(m_backup)));
    const std::vector<uint8_t> firstSave = ReadBytes(m_path);
    EXPECT_FALSE(SameBytes(original, firstSave));
    SaveEdited(42);
    EXPECT_TRUE(SameBytes(original, ReadBytes(m_backup))) << "one backup per load";

    ASSERT_TRUE(m_document.LoadSaveFile(m_path));
    const std::vector<uint8_t> secondLoad = ReadBytes(m_path);
    SaveEdited(43);
    EXPECT_TRUE(SameBytes(secondLoad, ReadBytes(m_backup))) << "a new load makes a new backup";
    EXPECT_TRUE(m_host.m_messages.empty());
    EXPECT_TRUE(m_host.m_questions.empty());
}

TEST_F(SaveGuard, SaveAsBacksUpAnExistingFileButNotANewOne)
{
    WriteFixture(m_path, 2);
    const std::filesystem::path other = m_folder / u8"其他.sav";
    const std::vector<uint8_t> otherBytes = WriteFixture(other, 3);
    ASSERT_TRUE(m_document.LoadSaveFile(m_path));

    m_host.m_choices = {other};
    m_document.SaveDocumentAs();
    EXPECT_TRUE(SameBytes(otherBytes, ReadBytes(m_folder / u8"其他.sav.bak")));
    SaveEdited(44); // now writes the new path, already backed up
    EXPECT_TRUE(SameBytes(otherBytes, ReadBytes(m_folder / u8"其他.sav.bak")));

    const std::filesystem::path fresh = m_folder / u8"new.sav";
    m_host.m_choices = {fresh};
    m_document.SaveDocumentAs();
    SaveEdited(45); // a file this program made holds nothing of anyone else's
    EXPECT_FALSE(std::filesystem::exists(m_folder / u8"new.sav.bak"));
    EXPECT_FALSE(std::filesystem::exists(m_backup)) << "the loaded file was never overwritten";
}

TEST_F(SaveGuard, BackupsCanBeTurnedOff)
{
    WriteFixture(m_path, 4);
    ASSERT_TRUE(m_document.LoadSaveFile(m_path));
    m_document.m_makeBackups = false;
    SaveEdited(46);
    EXPECT_EQ(GetInt32(ReadBytes(m_path), size_t(m_document.m_player.m_offset)), 46);
    EXPECT_FALSE(std::filesystem::exists(m_backup));
}

TEST_F(SaveGuard, WithoutItsBackupTheFileIsNotOverwritten)
{
    const std::vector<uint8_t> original = WriteFixture(m_path, 5);
    std::filesystem::create_directories(m_backup / u8"in-the-way"); // the backup cannot replace it
    ASSERT_TRUE(m_document.LoadSaveFile(m_path));
    m_screen.m_events.clear();
    SaveEdited(47);
    EXPECT_EQ(m_host.m_messages, std::vector<std::wstring>{L"保存失败：无法创建备份文件“a.sav.bak”，存档没有改动。"});
    EXPECT_TRUE(m_screen.m_events.empty()) << "nothing was collected, encoded or announced";
    EXPECT_TRUE(SameBytes(original, ReadBytes(m_path)));
    EXPECT_TRUE(std::filesystem::is_directory(m_backup / u8"in-the-way"));
}

TEST_F(SaveGuard, AFileChangedOnDiskIsOverwrittenOnlyIfTheUserSaysYes)
{
    WriteFixture(m_path, 6);
    ASSERT_TRUE(m_document.LoadSaveFile(m_path));
    const std::vector<uint8_t> gameSave = BuildFixtureSave(MakeFixtureOptions(7)).m_bytes;
    ChangeOnDisk(m_path, gameSave);

    m_screen.m_events.clear();
    SaveEdited(48); // answered No
    EXPECT_EQ(m_host.m_questions, std::vector<std::wstring>{CHANGED_QUESTION});
    EXPECT_TRUE(SameBytes(gameSave, ReadBytes(m_path)));
    EXPECT_TRUE(m_screen.m_events.empty());
    EXPECT_TRUE(m_host.m_messages.empty());
    EXPECT_FALSE(std::filesystem::exists(m_backup));

    m_host.m_answerYes = true;
    SaveEdited(49);
    EXPECT_EQ(m_host.m_questions.size(), 2u);
    EXPECT_EQ(GetInt32(ReadBytes(m_path), size_t(m_document.m_player.m_offset)), 49);
    EXPECT_TRUE(SameBytes(gameSave, ReadBytes(m_backup))) << "the game's newer save is the backup";

    SaveEdited(50); // this program's own write is no change
    EXPECT_EQ(m_host.m_questions.size(), 2u);
}
