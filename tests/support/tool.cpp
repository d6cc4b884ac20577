// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

#include "util/textfile.h"

extern char** environ;

namespace vm::test {
namespace fs = std::filesystem;

ToolRun runTool(const std::vector<std::string>& args, const fs::path& folder,
                const std::vector<std::string>& environment) {
    std::vector<std::string> argText{VM_TOOL_PATH};
    argText.insert(argText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argText) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envText;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "VELLMORA_PLAIN=", 15) != 0) envText.emplace_back(*e);
    envText.insert(envText.end(), environment.begin(), environment.end());
    std::vector<char*> envp;
    for (auto& e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);

    // Both outputs go to files, so that a long output never blocks the tool.
    const fs::path outFile = folder / "tool-stdout.txt";
    const fs::path errFile = folder / "tool-stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error(std::string("cannot start vellmora-tool: ") + std::strerror(failed));

    int wstatus = 0;
    while (::waitpid(pid, &wstatus, 0) < 0)
        if (errno != EINTR) throw std::runtime_error("lost the vellmora-tool process");
    ToolRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    run.out = readBytes(outFile);
    run.err = readBytes(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return run;
}

}  // namespace vm::test
