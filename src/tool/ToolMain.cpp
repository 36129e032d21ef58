// quillmark-cli's entry point: hands the arguments to RunTool as UTF-8. On Windows wmain receives
// them as UTF-16 so Chinese paths arrive intact, and the console is switched to UTF-8 output.
#include <iostream>
#include <string>
#include <vector>

#include "ToolCommands.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "Utf8.h"

int wmain(int argc, wchar_t** argv)
{
    ::SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
    {
        arguments.push_back(EncodeUtf8(argv[i]));
    }
    return RunTool(arguments, std::cout, std::cerr);
}
#else
int main(int argc, char** argv)
{
    return RunTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
