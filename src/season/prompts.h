// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of the player: messages, questions, typed answers and files.
// The screens answer through message boxes; tests answer from a script. No
// dialog is ever opened below the screens: flow steps ask through this.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vm {

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message the player acknowledges with OK.
    virtual void message(std::string_view text) = 0;
    // A failure the player acknowledges with OK (a data file that cannot be used).
    virtual void error(std::string_view text) = 0;
    // A word to the player that waits for nothing: the game goes on while it
    // is shown (an autosave that failed). Without a way to show it apart, a message.
    virtual void notice(std::string_view text) { message(text); }
    // A question answered Yes (true) or No (false).
    virtual bool askYesNo(std::string_view text) = 0;
    // A question answered OK (true) or Cancel (false).
    virtual bool askOkCancel(std::string_view text) = 0;
    // A line of text under `caption` and `prompt`, starting as `initial`;
    // nullopt when the player cancels.
    virtual std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                             std::string_view initial) = 0;
    // A file to read, chosen in a dialog that starts in `folder` (empty: the
    // player's home) and offers `filters` ("ビットマップ (*.bmp)", several
    // separated by ";;"); nullopt when the player cancels.
    virtual std::optional<std::filesystem::path> openFile(std::string_view caption,
                                                          const std::filesystem::path& folder,
                                                          std::string_view filters) = 0;
    // A file to write, chosen the same way; a name typed without an extension
    // gets `extension` (no dot). Overwriting is not asked here: the caller
    // asks in its own words.
    virtual std::optional<std::filesystem::path> saveFile(std::string_view caption,
                                                          const std::filesystem::path& folder,
                                                          std::string_view filters,
                                                          std::string_view extension) = 0;
};

}  // namespace vm
