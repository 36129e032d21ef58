// Tests of loading: locating and decoding all sixteen characters, the name and header flag, the
// reports, each refusal with its message and the state it leaves, and the Open dialog's use.
#include <gtest/gtest.h>

#include "Companions.h"
#include "SaveDocument.h"
#include "SaveFixture.h"
#include "SaveTestSupport.h"

namespace
{
const std::wstring NOT_A_SAVE = L"此文件不是战团存档！";
const std::wstring NAME_TOO_LONG = L"您取的角色名比作者预料中的长...读档失败！";
const std::wstring FACE_CHANGED = L"该存档NPC人物容貌被改动，无法继续。请关注更新。";
const std::wstring DAMAGED = L"存档文件已损坏，无法读取。";
const std::wstring UNREADABLE = L"无法读取该文件。";

class SaveLoad : public testing::Test
{
protected:
    SaveLoad()
    {
        m_document.m_host = &m_host;
        m_document.m_screen = &m_screen;
    }

    CFixtureSave Load(const CFixtureOptions& options)
    {
        CFixtureSave save = BuildFixtureSave(options);
        m_document.LoadSaveBytes("test.sav", save.m_bytes);
        return save;
    }

    void ExpectCharacter(const CCharacterRecord& record, const CFixtureCharacter& expected, int32_t offset)
    {
        EXPECT_EQ(record.m_offset, offset);
        EXPECT_EQ(record.m_strength, expected.m_strength);
        EXPECT_EQ(record.m_agility, expected.m_agility);
        EXPECT_EQ(record.m_intelligence, expected.m_intelligence);
        EXPECT_EQ(record.m_charisma, expected.m_charisma);
        EXPECT_EQ(record.m_level, expected.m_level);
        EXPECT_EQ(record.m_money, expected.m_money);
        EXPECT_EQ(record.m_experience, expected.m_experience);
        EXPECT_EQ(record.m_attributePoints, expected.m_attributePoints);
        EXPECT_EQ(record.m_skillPoints, expected.m_skillPoints);
        EXPECT_EQ(record.m_weaponPoints, expected.m_weaponPoints);
        for (int row = 0; row < 24; ++row)
        {
            EXPECT_EQ(record.m_skills[row], expected.m_slots[TEST_ROW_SLOTS[row]]) << "row " << row;
        }
    }

    CScriptedHost m_host;
    CRecordingScreen m_screen;
    CSaveDocument m_document;
};

std::vector<std::string> FullLoadEvents()
{
    std::vector<std::string> events = {"reset"};
    for (int position = 0; position <= 15; ++position)
    {
        events.push_back("located " + std::to_string(position));
    }
    events.push_back("loaded");
    return events;
}
} // namespace

TEST_F(SaveLoad, LocatesAndDecodesEveryCharacter)
{
    for (uint64_t seed : {1, 2, 3})
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        CFixtureOptions options = MakeFixtureOptions(seed);
        options.m_shuffleCompanions = seed != 1;
        options.m_decoyRuns = 5;
        m_screen.m_events.clear();
        const CFixtureSave save = Load(options);

        ASSERT_TRUE(m_document.IsLoaded());
        EXPECT_EQ(m_document.m_path, "test.sav");
        EXPECT_EQ(m_document.m_size, int32_t(save.m_bytes.size()));
        EXPECT_EQ(m_screen.m_events, FullLoadEvents());
        EXPECT_TRUE(m_host.m_messages.empty());
        EXPECT_EQ(m_document.m_player.m_offset, save.m_markerOffset + 48 + 1320);
        ExpectCharacter(m_document.m_player, options.m_player, save.m_recordOffsets[0]);
        EXPECT_EQ(m_document.m_player.m_name, L"Hero");
        EXPECT_EQ(m_document.m_companionCount, 15);
        for (int i = 1; i <= 15; ++i)
        {
            SCOPED_TRACE(testing::Message() << "companion " << i);
            ExpectCharacter(m_document.m_companions[i], options.m_companions[i - 1], save.m_recordOffsets[i]);
            EXPECT_EQ(m_document.m_companions[i].m_name, COMPANIONS[i - 1].m_name);
        }
    }
}

TEST_F(SaveLoad, TakesTheFirstFaceAfterThePlayersRecord)
{
    CFixtureOptions options = MakeFixtureOptions(4);
    options.m_faceDecoys = true;      // every face also appears before the player's record
    options.m_duplicateCompanion = 6; // and companion 6 a second time, later
    const CFixtureSave save = Load(options);
    ASSERT_TRUE(m_document.IsLoaded());
    for (int i = 1; i <= 15; ++i)
    {
        EXPECT_EQ(m_document.m_companions[i].m_offset, save.m_recordOffsets[i]) << "companion " << i;
    }
}

TEST_F(SaveLoad, ReadsTheNameAndTheHeaderFlag)
{
    const struct
    {
        std::string name;
        uint8_t flag;
        std::wstring expected;
        bool headerFlag;
    } rows[] = {
        {"Hero", 0, L"Hero", true},
        {"李逍遥", 1, L"李逍遥", false},
        {"Sir Lancelot du Lac", 0x80, L"SirLancelotduLac", false},
        {"", 0, L"", true},
        {std::string(62, 'n'), 0, std::wstring(62, L'n'), true}, // a span of 63 bytes still loads
        {"\xE6\x9D\x8E\xFF", 0, L"李\uFFFD", true},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CFixtureOptions options = MakeFixtureOptions(5);
        options.m_playerName = row.name;
        options.m_nameTail = 'X'; // the span's last byte never shows
        options.m_flagByte = row.flag;
        const CFixtureSave save = Load(options);
        ASSERT_TRUE(m_document.IsLoaded());
        EXPECT_EQ(m_document.m_player.m_name, row.expected);
        EXPECT_EQ(m_document.m_flagOffset, save.m_flagOffset);
        EXPECT_EQ(m_document.m_headerFlag, row.headerFlag);
    }
}

TEST_F(SaveLoad, RefusesFilesThatBreakTheLayout)
{
    const CFixtureSave good = BuildFixtureSave(MakeFixtureOptions(6));
    const struct
    {
        const char* what;
        std::function<void(CFixtureOptions&)> change;
        std::wstring message;
    } rows[] = {
        {"wrong magic", [](CFixtureOptions& o) { o.m_magic = "WRDRm"; }, NOT_A_SAVE},
        {"shorter than the magic", [](CFixtureOptions& o) { o.m_truncateTo = 3; }, NOT_A_SAVE},
        {"no record marker", [](CFixtureOptions& o) { o.m_writeMarker = false; }, NOT_A_SAVE},
        {"name span of 64 bytes", [](CFixtureOptions& o) { o.m_playerName = std::string(63, 'n'); }, NAME_TOO_LONG},
        {"player's record cut short",
         [&](CFixtureOptions& o) { o.m_truncateTo = good.m_recordOffsets[0] + 311; }, DAMAGED},
        {"companions cut off",
         [&](CFixtureOptions& o) { o.m_truncateTo = good.m_recordOffsets[0] + 312; }, FACE_CHANGED},
        {"a face missing", [](CFixtureOptions& o) { o.m_missingCompanion = 9; }, FACE_CHANGED},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        CFixtureOptions options = MakeFixtureOptions(6);
        row.change(options);
        m_host.m_messages.clear();
        m_screen.m_events.clear();
        Load(options);
        EXPECT_FALSE(m_document.IsLoaded());
        EXPECT_EQ(m_host.m_messages, std::vector<std::wstring>{row.message});
        EXPECT_TRUE(m_screen.m_events.empty()) << "a refused save reports nothing, not even a partial list";
    }
}

TEST_F(SaveLoad, RefusesHandMadeDamagedFiles)
{
    auto bytes = [](std::string_view text)
    { return std::vector<uint8_t>(text.begin(), text.end()); };
    std::vector<uint8_t> marker;
    for (int unit = 0; unit < 6; ++unit)
    {
        marker.insert(marker.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0});
    }
    // The marker right after the magic: its zeros end the name scans, the record lies beyond the end.
    std::vector<uint8_t> recordPastEnd = bytes("WRDRn");
    recordPastEnd.insert(recordPastEnd.end(), marker.begin(), marker.end());
    recordPastEnd.resize(800, 0x33);
    const struct
    {
        const char* what;
        std::vector<uint8_t> bytes;
        std::wstring message;
    } rows[] = {
        {"empty", {}, NOT_A_SAVE},
        {"magic only", bytes("WRDRn"), NOT_A_SAVE},
        {"record past the end", recordPastEnd, DAMAGED},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        m_host.m_messages.clear();
        m_document.LoadSaveBytes("x.sav", row.bytes);
        EXPECT_FALSE(m_document.IsLoaded());
        EXPECT_EQ(m_host.m_messages, std::vector<std::wstring>{row.message});
    }
}

// A refused file, whatever the reason, leaves the save being edited exactly as it was: its path,
// bytes, records with their unsaved edits, and the screen, which hears nothing.
TEST_F(SaveLoad, ARefusedLoadLeavesTheLoadedSaveAsItWas)
{
    CTempFolder folder;
    CFixtureOptions first = MakeFixtureOptions(7);
    first.m_playerName = "First";
    const std::filesystem::path loaded = folder / u8"loaded.sav";
    WriteBytes(loaded, BuildFixtureSave(first).m_bytes);
    ASSERT_TRUE(m_document.LoadSaveFile(loaded));
    m_document.m_current = &m_document.m_companions[4];
    m_document.m_companions[4].m_strength = 77; // an edit not saved yet
    m_document.m_headerFlag = !m_document.m_headerFlag;
    const std::vector<uint8_t> data = m_document.m_data;
    const bool flag = m_document.m_headerFlag;

    auto fixture = [&](const char* name, const std::function<void(CFixtureOptions&)>& change)
    {
        CFixtureOptions options = MakeFixtureOptions(8);
        change(options);
        const std::filesystem::path path = folder / std::u8string(name, name + strlen(name));
        WriteBytes(path, BuildFixtureSave(options).m_bytes);
        return path;
    };
    const struct
    {
        std::filesystem::path path;
        std::wstring message;
    } rows[] = {
        {fixture("magic.sav", [](CFixtureOptions& o) { o.m_magic = "XXXXX"; }), NOT_A_SAVE},
        {fixture("name.sav", [](CFixtureOptions& o) { o.m_playerName = std::string(63, 'n'); }), NAME_TOO_LONG},
        {fixture("face.sav", [](CFixtureOptions& o) { o.m_missingCompanion = 4; }), FACE_CHANGED},
        {folder / u8"missing.sav", UNREADABLE},
        {folder.m_path, UNREADABLE},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.path.string());
        m_host.m_messages.clear();
        m_screen.m_events.clear();
        EXPECT_FALSE(m_document.LoadSaveFile(row.path));
        EXPECT_EQ(m_host.m_messages, std::vector<std::wstring>{row.message});
        EXPECT_TRUE(m_screen.m_events.empty());
        EXPECT_EQ(m_document.m_path, loaded);
        EXPECT_TRUE(SameBytes(data, m_document.m_data));
        EXPECT_EQ(m_document.m_size, int32_t(data.size()));
        EXPECT_EQ(m_document.m_player.m_name, L"First");
        EXPECT_EQ(m_document.m_current, &m_document.m_companions[4]);
        EXPECT_EQ(m_document.m_companions[4].m_strength, 77);
        EXPECT_EQ(m_document.m_headerFlag, flag);
        EXPECT_EQ(m_document.m_companionCount, 15);
    }
}

TEST_F(SaveLoad, ASecondLoadKeepsTheSelectedListPosition)
{
    Load(MakeFixtureOptions(8));
    m_document.m_current = &m_document.m_companions[3];
    CFixtureOptions other = MakeFixtureOptions(9);
    const CFixtureSave save = Load(other);
    ASSERT_TRUE(m_document.IsLoaded());
    EXPECT_EQ(m_document.m_current, &m_document.m_companions[3]);
    EXPECT_EQ(m_document.m_current->m_offset, save.m_recordOffsets[3]);
    EXPECT_EQ(m_document.m_current->m_strength, other.m_companions[2].m_strength);
}

TEST_F(SaveLoad, UsesTheOpenDialogAndDoesNothingWhenItIsCancelled)
{
    CTempFolder folder;
    const std::filesystem::path path = folder / u8"a.sav";
    WriteBytes(path, BuildFixtureSave(MakeFixtureOptions(10)).m_bytes);
    m_host.m_choices = {path};
    m_document.LoadSave();
    ASSERT_TRUE(m_document.IsLoaded());
    EXPECT_EQ(m_host.m_asked, std::vector<FileDialogKind>{FileDialogKind::Open});
    EXPECT_EQ(m_host.m_filters, std::vector<std::wstring>{L"M&B存档 (*.sav)|*.sav||"});

    const std::vector<uint8_t> data = m_document.m_data;
    m_screen.m_events.clear();
    m_document.LoadSave(); // no answer left: cancelled
    EXPECT_EQ(m_document.m_path, path);
    EXPECT_EQ(m_document.m_data, data);
    EXPECT_TRUE(m_screen.m_events.empty());
    EXPECT_TRUE(m_host.m_messages.empty());
}

TEST_F(SaveLoad, RefusesFilesOverTwoGigabytes)
{
    CTempFolder folder;
    const std::filesystem::path path = folder / u8"huge.sav";
    WriteBytes(path, BuildFixtureSave(MakeFixtureOptions(12)).m_bytes);
    std::filesystem::resize_file(path, uintmax_t(INT32_MAX) + 1); // sparse: nothing is really written
    m_document.LoadSaveFile(path);
    EXPECT_FALSE(m_document.IsLoaded());
    EXPECT_EQ(m_host.m_messages, std::vector<std::wstring>{L"该文件超过 2 GB，不是可以读取的存档。"});
}
