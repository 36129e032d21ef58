// quillmark-cli's commands (show, set) behind a platform-neutral entry point: the arguments come
// in as UTF-8 without the program name; the exit code is 0 done, 1 load or save failed, 2 bad usage.
#pragma once

#include <ostream>
#include <string>
#include <vector>

int RunTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors);
