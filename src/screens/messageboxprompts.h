// The player's answers through modal message boxes over the active window.
#pragma once

#include "season/prompts.h"

namespace vm {

class MessageBoxPrompts : public Prompts {
public:
    void message(std::string_view text) override;
    void error(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    bool askOkCancel(std::string_view text) override;
    std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override;
};

}  // namespace vm
