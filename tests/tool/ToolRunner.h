// Runs the built quillmark-cli as a child process with its output captured in files, so the
// tests see exactly what a user's shell would (exit code, stdout and stderr as bytes).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct CToolRun
{
    int m_exitCode = -1;
    std::string m_out;
    std::string m_errors;
};

// Arguments are UTF-8; `scratch` is a folder for the captured output.
CToolRun RunToolProcess(const std::filesystem::path& tool, const std::vector<std::string>& arguments,
                        const std::filesystem::path& scratch);
