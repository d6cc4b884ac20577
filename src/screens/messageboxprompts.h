// SPDX-License-Identifier: GPL-3.0-or-later
// The player's answers through modal message boxes and file dialogs over the
// active window.
#pragma once

#include "season/prompts.h"

namespace vm {

class MessageBoxPrompts : public Prompts {
public:
    void message(std::string_view text) override;
    void error(std::string_view text) override;
    void notice(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    bool askOkCancel(std::string_view text) override;
    std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override;
    std::optional<std::filesystem::path> openFile(std::string_view caption,
                                                  const std::filesystem::path& folder,
                                                  std::string_view filters) override;
    std::optional<std::filesystem::path> saveFile(std::string_view caption,
                                                  const std::filesystem::path& folder,
                                                  std::string_view filters,
                                                  std::string_view extension) override;
};

}  // namespace vm
