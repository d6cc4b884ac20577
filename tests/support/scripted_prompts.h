// SPDX-License-Identifier: GPL-3.0-or-later
// Prompts for tests: every message, error and question is recorded, and every
// question is answered from a script the test wrote beforehand. A question
// the script does not expect fails the test.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "season/prompts.h"

namespace vm::test {

class ScriptedPrompts : public Prompts {
public:
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> notices;    // words that waited for nothing
    std::vector<std::string> questions;  // yes/no and OK/cancel questions, in order
    struct Asked {
        std::string caption, prompt, initial;
    };
    std::vector<Asked> typing;         // every line the player was asked to type
    std::vector<std::string> dialogs;  // the captions of the file dialogs
    struct FileDialog {
        std::filesystem::path folder;
        std::string filters, extension;  // no extension for an open dialog
    };
    std::vector<FileDialog> fileDialogs;  // where each file dialog started and what it offered

    // Answers for the next questions, taken in order.
    std::deque<bool> yesno;
    std::deque<bool> okcancel;
    std::deque<std::optional<std::string>> inputs;
    std::deque<std::optional<std::filesystem::path>> files;

    void message(std::string_view text) override { messages.emplace_back(text); }
    void error(std::string_view text) override { errors.emplace_back(text); }
    void notice(std::string_view text) override { notices.emplace_back(text); }
    bool askYesNo(std::string_view text) override {
        questions.emplace_back(text);
        return next(yesno, text, false);
    }
    bool askOkCancel(std::string_view text) override {
        questions.emplace_back(text);
        return next(okcancel, text, false);
    }
    std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override {
        typing.push_back({std::string(caption), std::string(prompt), std::string(initial)});
        return next(inputs, prompt, std::optional<std::string>{});
    }
    std::optional<std::filesystem::path> openFile(std::string_view caption,
                                                  const std::filesystem::path& folder,
                                                  std::string_view filters) override {
        dialogs.emplace_back(caption);
        fileDialogs.push_back({folder, std::string(filters), {}});
        return next(files, caption, std::optional<std::filesystem::path>{});
    }
    std::optional<std::filesystem::path> saveFile(std::string_view caption,
                                                  const std::filesystem::path& folder,
                                                  std::string_view filters,
                                                  std::string_view extension) override {
        dialogs.emplace_back(caption);
        fileDialogs.push_back({folder, std::string(filters), std::string(extension)});
        return next(files, caption, std::optional<std::filesystem::path>{});
    }

    // True when every scripted answer was used.
    bool done() const { return yesno.empty() && okcancel.empty() && inputs.empty() && files.empty(); }
    // True when the player was neither told nor asked anything.
    bool silent() const {
        return messages.empty() && errors.empty() && notices.empty() && questions.empty() && typing.empty() &&
               dialogs.empty();
    }

private:
    template <class T>
    T next(std::deque<T>& answers, std::string_view text, T fallback) {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return fallback;
        }
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace vm::test
