// Argument parsing with CLI11 and the two commands. Every edit is checked before the save is
// loaded; nothing is written unless the load succeeded and every check passed.
#include "ToolCommands.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>

#include "CharacterEdits.h"
#include "QuillmarkVersion.h"
#include "ShowOutput.h"
#include "ToolHost.h"

namespace
{
constexpr int EXIT_DONE = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

struct CToolOptions
{
    std::string m_file;
    bool m_json = false;
    std::string m_output;
    bool m_noBackup = false;
    std::string m_character = "0";
    std::map<std::string, std::string> m_numbers; // option name -> its text
    std::vector<std::string> m_skills;
    std::string m_headerFlag;
};

// The numeric options of `set` and the edit field each one fills.
struct CNumberOption
{
    const char* m_name;
    std::optional<int32_t> CCharacterEdits::*m_field;
};
constexpr CNumberOption NUMBER_OPTIONS[] = {
    {"--strength", &CCharacterEdits::m_strength},
    {"--agility", &CCharacterEdits::m_agility},
    {"--intelligence", &CCharacterEdits::m_intelligence},
    {"--charisma", &CCharacterEdits::m_charisma},
    {"--attribute-points", &CCharacterEdits::m_attributePoints},
    {"--skill-points", &CCharacterEdits::m_skillPoints},
    {"--weapon-points", &CCharacterEdits::m_weaponPoints},
    {"--money", &CCharacterEdits::m_money},
};

// Loads the file through the document's own Load command, answered with the given path.
bool LoadDocument(CSaveDocument& document, CToolHost& host, const std::string& file)
{
    host.m_openPath = PathFromUtf8(file);
    document.m_host = &host;
    document.m_screen = &host;
    document.LoadSave();
    return document.IsLoaded() && host.m_loaded;
}

int RunShow(const CToolOptions& options, std::ostream& out, std::ostream& errors)
{
    CSaveDocument document;
    CToolHost host(errors);
    if (!LoadDocument(document, host, options.m_file))
    {
        return EXIT_FAILED;
    }
    if (options.m_json)
    {
        PrintSaveJson(document, host.m_located, out);
    }
    else
    {
        PrintSaveTable(document, host.m_located, out);
    }
    return EXIT_DONE;
}

// Turns the option texts into edits; an error text for the first one that is not acceptable.
std::optional<std::string> ParseEdits(const CToolOptions& options, CCharacterEdits& edits)
{
    for (const CNumberOption& option : NUMBER_OPTIONS)
    {
        const auto text = options.m_numbers.find(option.m_name);
        if (text == options.m_numbers.end())
        {
            continue;
        }
        edits.*option.m_field = ParseInt32(text->second);
        if (!(edits.*option.m_field))
        {
            return std::string(option.m_name) + " 需要一个 32 位整数：" + text->second;
        }
    }
    for (const std::string& skill : options.m_skills)
    {
        std::pair<int, int32_t> edit;
        if (std::optional<std::string> error = ParseSkillEdit(skill, edit))
        {
            return error;
        }
        edits.m_skills.push_back(edit);
    }
    if (!options.m_headerFlag.empty())
    {
        if (options.m_headerFlag != "on" && options.m_headerFlag != "off")
        {
            return "--header-flag 只能是 on 或 off：" + options.m_headerFlag;
        }
        edits.m_headerFlag = options.m_headerFlag == "on";
    }
    return std::nullopt;
}

int RunSet(const CToolOptions& options, std::ostream& out, std::ostream& errors)
{
    CCharacterEdits edits;
    if (std::optional<std::string> error = ParseEdits(options, edits))
    {
        errors << error.value() << '\n';
        return EXIT_USAGE;
    }
    // A name that is no companion's may still be the player's, which is known only after loading;
    // an index out of range is wrong already.
    if (FindCharacter(options.m_character, nullptr) < 0 && ParseInt32(options.m_character))
    {
        errors << "没有这个人物：" << options.m_character << '\n';
        return EXIT_USAGE;
    }

    CSaveDocument document;
    CToolHost host(errors);
    if (!LoadDocument(document, host, options.m_file))
    {
        return EXIT_FAILED;
    }
    const int position = FindCharacter(options.m_character, &document);
    if (position < 0)
    {
        errors << "没有这个人物：" << options.m_character << '\n';
        return EXIT_USAGE;
    }
    document.m_makeBackups = !options.m_noBackup;
    ApplyEdits(edits, position == 0 ? document.m_player : document.m_companions[size_t(position)], document);

    if (options.m_output.empty())
    {
        document.SaveDocument();
    }
    else
    {
        host.m_savePath = PathFromUtf8(options.m_output);
        document.SaveDocumentAs();
    }
    if (!host.m_written)
    {
        return EXIT_FAILED;
    }
    out << "已保存：" << PathToUtf8(document.m_path) << '\n';
    return EXIT_DONE;
}
} // namespace

int RunTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors)
{
    CLI::App app("Quillmark 存档工具：查看和修改存档中的人物", "quillmark-cli");
    app.require_subcommand(1);
    app.set_version_flag("--version", "quillmark-cli " QM_VERSION_TEXT, "显示版本号");
    CToolOptions options;

    CLI::App* show = app.add_subcommand("show", "列出存档中找到的每个人物");
    show->add_option("FILE", options.m_file, "存档文件")->required();
    show->add_flag("--json", options.m_json, "输出 JSON");

    CLI::App* set = app.add_subcommand("set", "修改一个人物并保存");
    set->add_option("FILE", options.m_file, "存档文件")->required();
    set->add_option("--output", options.m_output, "另存为此文件（默认覆盖 FILE）");
    set->add_flag("--no-backup", options.m_noBackup, "覆盖文件之前不把它备份为 FILE.bak");
    set->add_option("--character", options.m_character, "人物：序号 0 .. 15 或名字（默认 0，玩家）");
    for (const CNumberOption& option : NUMBER_OPTIONS)
    {
        set->add_option_function<std::string>(
            option.m_name, [&options, name = std::string(option.m_name)](const std::string& text)
            { options.m_numbers[name] = text; });
    }
    set->add_option("--skill", options.m_skills, "技能=等级（0 .. 15），可重复")->allow_extra_args(false);
    set->add_option("--header-flag", options.m_headerFlag, "直面人生：on 或 off");

    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try
    {
        app.parse(reversed);
    }
    catch (const CLI::CallForHelp&)
    {
        out << app.help();
        return EXIT_DONE;
    }
    catch (const CLI::CallForVersion& version)
    {
        out << version.what() << '\n';
        return EXIT_DONE;
    }
    catch (const CLI::ParseError& error)
    {
        errors << error.what() << '\n';
        if (!arguments.empty())
        {
            errors << "用法见 quillmark-cli --help\n";
        }
        return EXIT_USAGE;
    }
    return show->parsed() ? RunShow(options, out, errors) : RunSet(options, out, errors);
}
