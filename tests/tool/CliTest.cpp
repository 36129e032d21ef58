// End-to-end tests of quillmark-cli: the built tool runs on generated saves in a folder with a
// Chinese name; the test checks its JSON, its table, the files `set` writes and its exit codes.
// Usage: CliTest PATH-OF-quillmark-cli [gtest options]
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "Companions.h"
#include "QuillmarkVersion.h"
#include "SaveDocument.h"
#include "SaveFixture.h"
#include "SaveTestSupport.h"
#include "SkillNames.h"
#include "ToolRunner.h"
#include "Utf8.h"

namespace
{
std::filesystem::path s_tool;

std::string Utf8Path(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class Cli : public testing::Test
{
protected:
    Cli() : m_folder(u8"工具测试") {}

    // Writes a generated save and returns its path.
    std::filesystem::path WriteSave(const std::u8string& name, const CFixtureOptions& options)
    {
        const std::filesystem::path path = m_folder / name;
        m_save = BuildFixtureSave(options);
        WriteBytes(path, m_save.m_bytes);
        return path;
    }

    CToolRun Run(const std::vector<std::string>& arguments)
    {
        return RunToolProcess(s_tool, arguments, m_folder.m_path);
    }

    CTempFolder m_folder;
    CFixtureSave m_save;
};

// Loads a file the way the editor would, to check what the tool wrote.
struct CLoaded
{
    explicit CLoaded(const std::filesystem::path& path) { m_document.LoadSaveFile(path); }
    CSaveDocument m_document;
};
} // namespace

TEST_F(Cli, ShowJsonListsEveryCharacterWithKeysInOrder)
{
    CFixtureOptions options = MakeFixtureOptions(100);
    options.m_playerName = "李 逍遥";
    options.m_flagByte = 0;
    const std::filesystem::path path = WriteSave(u8"存档.sav", options);
    const CToolRun run = Run({"show", Utf8Path(path), "--json"});
    ASSERT_EQ(run.m_exitCode, 0) << run.m_errors;

    const auto json = nlohmann::ordered_json::parse(run.m_out);
    std::vector<std::string> keys;
    for (const auto& item : json.items())
    {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"path", "size", "headerFlag", "characters"}));
    EXPECT_EQ(json["path"], Utf8Path(path));
    EXPECT_EQ(json["size"], m_save.m_bytes.size());
    EXPECT_EQ(json["headerFlag"], true);
    ASSERT_EQ(json["characters"].size(), 16u);

    const std::vector<std::string> characterKeys = {
        "index",   "name",         "offset",   "level",           "experience",  "money",        "strength",
        "agility", "intelligence", "charisma", "attributePoints", "skillPoints", "weaponPoints", "skills"};
    for (int index = 0; index < 16; ++index)
    {
        SCOPED_TRACE(testing::Message() << "character " << index);
        const auto& character = json["characters"][size_t(index)];
        keys.clear();
        for (const auto& item : character.items())
        {
            keys.push_back(item.key());
        }
        EXPECT_EQ(keys, characterKeys);
        const CFixtureCharacter& expected = index == 0 ? options.m_player : options.m_companions[size_t(index - 1)];
        EXPECT_EQ(character["index"], index);
        EXPECT_EQ(character["name"], index == 0 ? "李逍遥" : EncodeUtf8(COMPANIONS[size_t(index - 1)].m_name));
        EXPECT_EQ(character["offset"], m_save.m_recordOffsets[size_t(index)]);
        EXPECT_EQ(character["level"], expected.m_level);
        EXPECT_EQ(character["experience"], expected.m_experience);
        EXPECT_EQ(character["money"], expected.m_money);
        EXPECT_EQ(character["strength"], expected.m_strength);
        EXPECT_EQ(character["weaponPoints"], expected.m_weaponPoints);
        int row = 0;
        for (const auto& skill : character["skills"].items())
        {
            EXPECT_EQ(skill.key(), EncodeUtf8(SKILL_NAMES[size_t(row)]));
            EXPECT_EQ(skill.value(), expected.m_slots[size_t(TEST_ROW_SLOTS[row])]);
            ++row;
        }
        EXPECT_EQ(row, 24);
    }
}

TEST_F(Cli, ShowPrintsATableOfEveryCharacter)
{
    CFixtureOptions options = MakeFixtureOptions(101);
    options.m_playerName = "张三";
    const CToolRun run = Run({"show", Utf8Path(WriteSave(u8"table.sav", options))});
    ASSERT_EQ(run.m_exitCode, 0) << run.m_errors;
    EXPECT_NE(run.m_out.find("张三"), std::string::npos);
    for (const CCompanionEntry& companion : COMPANIONS)
    {
        EXPECT_NE(run.m_out.find(EncodeUtf8(companion.m_name)), std::string::npos) << EncodeUtf8(companion.m_name);
    }
    for (std::wstring_view skill : SKILL_NAMES)
    {
        EXPECT_NE(run.m_out.find(EncodeUtf8(skill)), std::string::npos);
    }
}

TEST_F(Cli, SetChangesTheChosenCharacterAndSaves)
{
    const struct
    {
        const char* what;
        std::vector<std::string> options;
        int position;
        std::function<void(const CSaveDocument&, const CCharacterRecord&)> check;
    } rows[] = {
        {"the player by default",
         {"--strength", "42", "--money", "-7", "--weapon-points", "2147483647"},
         0,
         [](const CSaveDocument&, const CCharacterRecord& r)
         {
             EXPECT_EQ(r.m_strength, 42);
             EXPECT_EQ(r.m_money, -7);
             EXPECT_EQ(r.m_weaponPoints, INT32_MAX);
         }},
        {"a companion by name",
         {"--character", "雅米拉", "--skill", "刚体=12", "--skill", "交涉=0", "--agility", "+9"},
         2,
         [](const CSaveDocument&, const CCharacterRecord& r)
         {
             EXPECT_EQ(r.m_skills[0], 12);
             EXPECT_EQ(r.m_skills[23], 0);
             EXPECT_EQ(r.m_agility, 9);
         }},
        {"a companion by index",
         {"--character", "15", "--intelligence", "3", "--charisma", "4", "--attribute-points", "5",
          "--skill-points", "6"},
         15,
         [](const CSaveDocument&, const CCharacterRecord& r)
         {
             EXPECT_EQ(r.m_intelligence, 3);
             EXPECT_EQ(r.m_charisma, 4);
             EXPECT_EQ(r.m_attributePoints, 5);
             EXPECT_EQ(r.m_skillPoints, 6);
         }},
        {"the player by name, header flag on",
         {"--character", "Hero", "--header-flag", "on", "--skill", "物品管理=15"},
         0,
         [](const CSaveDocument& d, const CCharacterRecord& r)
         {
             EXPECT_TRUE(d.m_headerFlag);
             EXPECT_EQ(r.m_skills[15], 15);
         }},
        {"header flag off", {"--header-flag", "off"}, 0,
         [](const CSaveDocument& d, const CCharacterRecord&) { EXPECT_FALSE(d.m_headerFlag); }},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        CFixtureOptions options = MakeFixtureOptions(102);
        options.m_flagByte = 3;
        const std::filesystem::path path = WriteSave(u8"修改.sav", options);
        std::vector<std::string> arguments = {"set", Utf8Path(path)};
        arguments.insert(arguments.end(), row.options.begin(), row.options.end());
        const CToolRun run = Run(arguments);
        ASSERT_EQ(run.m_exitCode, 0) << run.m_errors;

        CLoaded loaded(path);
        ASSERT_TRUE(loaded.m_document.IsLoaded());
        const CSaveDocument& d = loaded.m_document;
        row.check(d, row.position == 0 ? d.m_player : d.m_companions[size_t(row.position)]);
        EXPECT_EQ(d.m_player.m_level, options.m_player.m_level);
        EXPECT_EQ(d.m_size, int32_t(m_save.m_bytes.size()));
    }
}

TEST_F(Cli, SetWithOutputLeavesTheInputAlone)
{
    const std::filesystem::path path = WriteSave(u8"原件.sav", MakeFixtureOptions(103));
    const std::filesystem::path out = m_folder / u8"新存档.sav";
    const CToolRun run = Run({"set", Utf8Path(path), "--output", Utf8Path(out), "--strength", "31"});
    ASSERT_EQ(run.m_exitCode, 0) << run.m_errors;
    EXPECT_TRUE(SameBytes(m_save.m_bytes, ReadBytes(path)));
    CLoaded loaded(out);
    EXPECT_EQ(loaded.m_document.m_player.m_strength, 31);
}

TEST_F(Cli, SetInPlaceKeepsABackupUnlessToldNotTo)
{
    const std::filesystem::path path = WriteSave(u8"备份.sav", MakeFixtureOptions(104));
    const std::filesystem::path backup = m_folder / u8"备份.sav.bak";
    CToolRun run = Run({"set", Utf8Path(path), "--strength", "32"});
    ASSERT_EQ(run.m_exitCode, 0) << run.m_errors;
    EXPECT_TRUE(SameBytes(m_save.m_bytes, ReadBytes(backup)));

    std::filesystem::remove(backup);
    run = Run({"set", Utf8Path(path), "--strength", "33", "--no-backup"});
    ASSERT_EQ(run.m_exitCode, 0) << run.m_errors;
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_EQ(CLoaded(path).m_document.m_player.m_strength, 33);
}

TEST_F(Cli, RefusesBadOptionsWithExitTwoBeforeWriting)
{
    const std::vector<std::vector<std::string>> rows = {
        {"--skill", "刚体=16"},
        {"--skill", "刚体=-1"},
        {"--skill", "不存在=3"},
        {"--skill", "刚体"},
        {"--strength", "2147483648"},
        {"--money", "-2147483649"},
        {"--strength", "12abc"},
        {"--strength", "0x10"},
        {"--character", "16"},
        {"--character", "Nobody"},
        {"--header-flag", "yes"},
        {"--level", "5"},
        {"--experience", "5"},
        {"--unknown"},
    };
    const std::filesystem::path path = WriteSave(u8"bad.sav", MakeFixtureOptions(104));
    const std::filesystem::path out = m_folder / u8"out.sav";
    for (const auto& options : rows)
    {
        SCOPED_TRACE(options[0] + (options.size() > 1 ? " " + options[1] : ""));
        std::vector<std::string> arguments = {"set", Utf8Path(path), "--output", Utf8Path(out)};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CToolRun run = Run(arguments);
        EXPECT_EQ(run.m_exitCode, 2);
        EXPECT_FALSE(run.m_errors.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_TRUE(SameBytes(m_save.m_bytes, ReadBytes(path)));
    }
    EXPECT_EQ(Run({}).m_exitCode, 2);
    EXPECT_EQ(Run({"show"}).m_exitCode, 2);
}

TEST_F(Cli, LoadFailureExitsOneWithTheMessageAndWritesNothing)
{
    CFixtureOptions options = MakeFixtureOptions(105);
    options.m_magic = "NOPE!";
    const std::filesystem::path path = WriteSave(u8"broken.sav", options);
    const std::filesystem::path out = m_folder / u8"out.sav";
    const struct
    {
        std::vector<std::string> arguments;
        const char* message;
    } rows[] = {
        {{"show", Utf8Path(path)}, "此文件不是战团存档！"},
        {{"show", Utf8Path(path), "--json"}, "此文件不是战团存档！"},
        {{"set", Utf8Path(path), "--strength", "5"}, "此文件不是战团存档！"},
        {{"set", Utf8Path(path), "--output", Utf8Path(out), "--strength", "5"}, "此文件不是战团存档！"},
        {{"show", Utf8Path(m_folder / u8"none.sav")}, "无法读取该文件。"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.arguments[0] + " " + row.arguments.back());
        const CToolRun run = Run(row.arguments);
        EXPECT_EQ(run.m_exitCode, 1);
        EXPECT_NE(run.m_errors.find(row.message), std::string::npos) << run.m_errors;
        EXPECT_TRUE(run.m_out.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_TRUE(SameBytes(m_save.m_bytes, ReadBytes(path)));
    }
}

TEST_F(Cli, VersionPrintsTheProjectVersion)
{
    const CToolRun run = Run({"--version"});
    EXPECT_EQ(run.m_exitCode, 0);
    EXPECT_EQ(run.m_out, "quillmark-cli " QM_VERSION_TEXT "\n");
    EXPECT_TRUE(run.m_errors.empty()) << run.m_errors;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: CliTest PATH-OF-quillmark-cli\n");
        return 2;
    }
    s_tool = argv[1];
    return RUN_ALL_TESTS();
}
