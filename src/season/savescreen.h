// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen without the screen: its three tasks (save a game, load
// one, export club 0 as a versus file), the file list each shows, and what
// each click does. The screen draws grid() and forwards its clicks; the
// outcome of a click says what opens next. The versus match's clubs are
// chosen on a screen of their own (season/versuspicker.h).
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "league/autosaves.h"
#include "util/grid.h"

namespace vm {

class World;
class Prompts;

// The task the screen is opened for (the opener's number: the main screen's
// "セーブ" 0, the title's "ロード" 1, "vsdata書出" 2).
enum class SaveMode : int { save = 0, load = 1, vsexport = 2 };

// The headings of the file list.
inline constexpr const char* kSaveListHeading = "data,保存日時";
inline constexpr const char* kExportListHeading = "data";

// The questions and messages of the screen.
inline constexpr const char* kNewFileCaption = "新規ファイル名";
inline constexpr const char* kNewFilePrompt = "ファイル名を入力してください";
inline constexpr const char* kCommentCaption = "コメント追加";
inline constexpr const char* kCommentPrompt = "コメントを入力できます";
// The confirm button with no file chosen (a save or an export makes its first
// file through "新規保存").
inline constexpr const char* kChooseFileText =
    "ファイルを選ぶか、「新規保存」で新しいファイルを作ってください";
inline constexpr const char* kChooseLoadText = "ロードするファイルを選んでください";
inline constexpr const char* kWriteFailedText = "保存できませんでした";
// An autosave in the load list: its point behind the mark ("自動 3年目_14節"),
// and in place of its time when it cannot be loaded.
inline constexpr const char* kAutosaveMark = "自動 ";
inline constexpr const char* kUnreadableMark = "読み込めません";
std::string autosaveRowName(std::string_view point);
// "ファイル名" + name + "は既に存在しています。上書きしますか"
std::string overwriteQuestion(std::string_view name);

// What follows a click.
enum class SaveNext {
    stay,      // the screen stays open
    close,     // the screen closes; the main screen beneath it is as it was (save, export)
    openMain,  // a game was loaded: its main screen replaces the title screen
};

struct SaveOutcome {
    SaveOutcome() = default;
    explicit SaveOutcome(SaveNext n) : next(n) {}

    SaveNext next = SaveNext::stay;
    // openMain: the loaded game is in a season ("ＮＥＸＴ" plays a match day)
    // rather than between seasons ("移籍" opens the transfer window).
    bool duringSeason = false;
};

class SaveScreen {
public:
    // Opens the screen for `mode` and lists its folder: saved games newest
    // first (the autosaves before them when loading), versus files by name.
    SaveScreen(World& world, Prompts& prompts, SaveMode mode);
    ~SaveScreen();
    SaveScreen(const SaveScreen&) = delete;
    SaveScreen& operator=(const SaveScreen&) = delete;

    SaveMode mode() const { return mode_; }
    // Loading with nothing to choose from: the screen closes as soon as it
    // opens, without a message.
    bool closesAtOnce() const;

    // The file list, row 0 the heading: "data,保存日時" with the file's time
    // (modes 0, 1), one column of names (mode 2).
    const Grid& grid() const { return grid_; }
    // The confirm button: "保存", "Load", "保存".
    std::string confirmCaption() const;
    // "新規保存" is offered when saving and exporting.
    bool newFileShown() const;
    // The chosen file's name, shown under the list.
    std::string chosenName() const;
    // The chosen row, 0 while none is.
    int selectedRow() const { return selected_; }

    // A press in the list: the row becomes the chosen file.
    void press(int row);
    // A double click: the row is chosen and confirmed.
    SaveOutcome doubleClick(int row);
    // The confirm button: save, load or export.
    SaveOutcome confirm();
    // "新規保存": asks for a name and saves or exports under it (modes 0 and 2).
    SaveOutcome newFile();

private:
    bool savesGames() const;
    std::string folder() const;
    int findRow(std::string_view name) const;
    void list();
    SaveOutcome saveGame();
    SaveOutcome loadGame();
    SaveOutcome exportClub();
    void writeFailed(const std::exception& e);
    void listAutosaveRows();
    int autosaveRows() const;

    World& world_;
    Prompts& prompts_;
    SaveMode mode_;
    Grid grid_;
    int selected_ = 0;
    // Loading: the autosaves listed in rows 1.. before the saved games.
    std::vector<Autosave> autosaves_;
    std::vector<bool> autosaveReadable_;
};

}  // namespace vm
