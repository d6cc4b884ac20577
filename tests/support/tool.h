// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vellmora-tool as a user would, with its output and exit code
// kept for the test to check.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vm::test {

struct ToolRun {
    int status = -1;  // the exit code; -1 when the tool did not end by itself
    std::string out;  // what it wrote to standard output
    std::string err;  // and to standard error
};

// Runs vellmora-tool with the arguments in the given folder. The tool gets this
// process's environment without VELLMORA_PLAIN, plus `environment`
// ("NAME=value" each), so that every run takes the way it is told to.
ToolRun runTool(const std::vector<std::string>& args, const std::filesystem::path& folder,
                const std::vector<std::string>& environment = {});

}  // namespace vm::test
