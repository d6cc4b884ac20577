// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool: the game without a display. Builds worlds, plays matches,
// transfer windows and whole careers, and inspects saved files.
#include <exception>
#include <iostream>
#include <stdexcept>

#include "command.h"
#include "util/errors.h"

namespace vm::cli {

std::map<std::string, CommandInfo>& commands() {
    static std::map<std::string, CommandInfo> all;
    return all;
}

bool registerCommand(const std::string& name, std::string usage, Command run) {
    commands()[name] = {std::move(run), std::move(usage)};
    return true;
}

std::optional<std::string> option(const std::vector<std::string>& args, const std::string& name) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name) return args[i + 1];
    return std::nullopt;
}

bool flag(const std::vector<std::string>& args, const std::string& name) {
    for (const auto& a : args)
        if (a == name) return true;
    return false;
}

std::optional<long long> intOption(const std::vector<std::string>& args, const std::string& name) {
    auto v = option(args, name);
    if (!v) return std::nullopt;
    std::size_t used = 0;
    long long n = 0;
    try {
        n = std::stoll(*v, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != v->size()) throw std::invalid_argument(name + " には整数を指定してください: " + *v);
    return n;
}

}  // namespace vm::cli

int main(int argc, char** argv) {
    using namespace vm::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || !commands().count(args[0])) {
        std::cerr << "usage: vellmora-tool COMMAND [options]\n";
        for (const auto& [name, info] : commands()) std::cerr << "  " << info.usage << "\n";
        return 1;
    }
    const CommandInfo& cmd = commands()[args[0]];
    args.erase(args.begin());
    try {
        return cmd.run(args, std::cout);
    } catch (const std::invalid_argument& e) {
        std::cerr << e.what() << "\n" << "usage: " << cmd.usage << "\n";
        return 1;
    } catch (const vm::FormatError& e) {
        std::cerr << "このファイルは読み込めません: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
}
