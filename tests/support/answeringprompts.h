// Prompts for flow tests: the player's answers are given in advance, one
// queue per kind of question, and everything asked or told is recorded. A
// question with no answer left fails the test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "season/prompts.h"

namespace vm::test {

class AnsweringPrompts : public Prompts {
public:
    // Answers, used in order.
    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> typed;  // nullopt: the player cancels

    // What the player was shown.
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    struct Input {
        std::string caption, prompt, initial;
    };
    std::vector<Input> inputs;

    void message(std::string_view text) override { messages.emplace_back(text); }
    void error(std::string_view text) override { errors.emplace_back(text); }
    bool askYesNo(std::string_view text) override {
        questions.emplace_back(text);
        return next(yesNo, false, text);
    }
    bool askOkCancel(std::string_view text) override {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override {
        inputs.push_back({std::string(caption), std::string(prompt), std::string(initial)});
        return next(typed, std::optional<std::string>(), prompt);
    }

    bool silent() const { return messages.empty() && errors.empty() && questions.empty() && inputs.empty(); }

private:
    template <class T>
    static T next(std::deque<T>& answers, T none, std::string_view asked) {
        if (answers.empty()) {
            ADD_FAILURE() << "no answer left for: " << asked;
            return none;
        }
        T a = std::move(answers.front());
        answers.pop_front();
        return a;
    }
};

}  // namespace vm::test
