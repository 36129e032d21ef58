// Child-process runner for the tool tests: CreateProcessW with inherited file handles on
// Windows (so Chinese arguments pass as UTF-16), fork and exec elsewhere.
#include "ToolRunner.h"

#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "Utf8.h"

namespace
{
std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

#ifdef _WIN32
// Quotes one argument the way CommandLineToArgvW splits it again.
std::wstring QuoteArgument(const std::wstring& argument)
{
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument)
    {
        if (c == L'\\')
        {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

HANDLE CreateOutputFile(const std::filesystem::path& path)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

int RunChild(const std::filesystem::path& tool, const std::vector<std::string>& arguments,
             const std::filesystem::path& out, const std::filesystem::path& errors)
{
    std::wstring command = QuoteArgument(tool.wstring());
    for (const std::string& argument : arguments)
    {
        command += L" " + QuoteArgument(DecodeUtf8(argument));
    }
    HANDLE outFile = CreateOutputFile(out);
    HANDLE errorFile = CreateOutputFile(errors);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outFile;
    startup.hStdError = errorFile;
    PROCESS_INFORMATION process{};
    DWORD exitCode = DWORD(-1);
    if (::CreateProcessW(tool.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &exitCode);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(outFile);
    ::CloseHandle(errorFile);
    return int(exitCode);
}
#else
int RunChild(const std::filesystem::path& tool, const std::vector<std::string>& arguments,
             const std::filesystem::path& out, const std::filesystem::path& errors)
{
    const pid_t child = ::fork();
    if (child == 0)
    {
        const int outFile = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errorFile = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(outFile, 1);
        ::dup2(errorFile, 2);
        std::vector<char*> argv = {const_cast<char*>(tool.c_str())};
        for (const std::string& argument : arguments)
        {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(tool.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
    {
        return -1;
    }
    return WEXITSTATUS(status);
}
#endif
} // namespace

CToolRun RunToolProcess(const std::filesystem::path& tool, const std::vector<std::string>& arguments,
                        const std::filesystem::path& scratch)
{
    const std::filesystem::path out = scratch / "stdout.txt";
    const std::filesystem::path errors = scratch / "stderr.txt";
    CToolRun run;
    run.m_exitCode = RunChild(tool, arguments, out, errors);
    run.m_out = ReadText(out);
    run.m_errors = ReadText(errors);
    return run;
}
