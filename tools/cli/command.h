// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-commands of vellmora-tool. Each command file registers itself with
// a static VM_COMMAND(...) line, so adding a command touches no other file.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vm::cli {

// A command gets its arguments (after the command name) and the output stream;
// it returns the process exit code (0 ok, 1 usage, 2 bad input file).
using Command = std::function<int(const std::vector<std::string>& args, std::ostream& out)>;

struct CommandInfo {
    Command run;
    std::string usage;
};

std::map<std::string, CommandInfo>& commands();
bool registerCommand(const std::string& name, std::string usage, Command run);

// Small argument helpers: "--seed 7", "--json".
std::optional<std::string> option(const std::vector<std::string>& args, const std::string& name);
bool flag(const std::vector<std::string>& args, const std::string& name);
// An integer option; throws std::invalid_argument with a clear message when malformed.
std::optional<long long> intOption(const std::vector<std::string>& args, const std::string& name);

}  // namespace vm::cli

#define VM_CLI_CONCAT2(a, b) a##b
#define VM_CLI_CONCAT(a, b) VM_CLI_CONCAT2(a, b)
#define VM_COMMAND(name, usage, fn) \
    static const bool VM_CLI_CONCAT(vm_cli_registered_, __LINE__) = ::vm::cli::registerCommand(name, usage, fn)
