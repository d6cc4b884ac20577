// Prompts for screen tests: records every message and error; questions are
// not expected of the screens tested so far and fail the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "season/prompts.h"

namespace vm::test {

class RecordingPrompts : public Prompts {
public:
    std::vector<std::string> messages;
    std::vector<std::string> errors;

    void message(std::string_view text) override { messages.emplace_back(text); }
    void error(std::string_view text) override { errors.emplace_back(text); }
    bool askYesNo(std::string_view text) override { return unexpected(text); }
    bool askOkCancel(std::string_view text) override { return unexpected(text); }
    std::optional<std::string> input(std::string_view, std::string_view prompt, std::string_view) override {
        unexpected(prompt);
        return std::nullopt;
    }

private:
    bool unexpected(std::string_view text) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
};

}  // namespace vm::test
