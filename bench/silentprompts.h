// SPDX-License-Identifier: GPL-3.0-or-later
// Prompts for the measuring programs: nobody answers but yes, and only
// failures are printed (to stderr), so the game is left to run.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "season/prompts.h"

namespace vm {

struct SilentPrompts : Prompts {
    void message(std::string_view) override {}
    void error(std::string_view text) override {
        std::fprintf(stderr, "%.*s\n", int(text.size()), text.data());
    }
    bool askYesNo(std::string_view) override { return true; }
    bool askOkCancel(std::string_view) override { return true; }
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    std::optional<std::filesystem::path> openFile(std::string_view, const std::filesystem::path&,
                                                  std::string_view) override {
        return {};
    }
    std::optional<std::filesystem::path> saveFile(std::string_view, const std::filesystem::path&,
                                                  std::string_view, std::string_view) override {
        return {};
    }
};

}  // namespace vm
