// SPDX-License-Identifier: GPL-3.0-or-later
// The save screen without the screen: its four tasks (save a game, load one,
// export club 0 as a versus file, play a versus match), the file list each
// shows, and what each click does. The screen draws grid() and the two sides
// and forwards its clicks; the outcome of a click says what opens next.
#pragma once

#include <array>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "league/autosaves.h"
#include "league/versus.h"
#include "season/newsprogramme.h"
#include "util/bitmap.h"
#include "util/grid.h"

namespace vm {

class World;
class Prompts;
class Tteam;

// The task the screen is opened for (the opener's number: the main screen's
// "セーブ" 0, the title's "ロード" 1, "vsdata書出" 2, the title's "データ対戦" 3).
enum class SaveMode : int { save = 0, load = 1, vsexport = 2, versus = 3 };

// The headings of the file list.
inline constexpr const char* kSaveListHeading = "data,保存日時";
inline constexpr const char* kExportListHeading = "data";
inline constexpr const char* kVersusListHeading = "←,VSdata,→";
// The mark of the file a versus side plays with, in column 0 (left) or 2 (right).
inline constexpr const char* kSideMark = "○";

// The questions and messages of the screen.
inline constexpr const char* kNewFileCaption = "新規ファイル名";
inline constexpr const char* kNewFilePrompt = "ファイル名を入力してください";
inline constexpr const char* kCommentCaption = "コメント追加";
inline constexpr const char* kCommentPrompt = "コメントを入力できます";
inline constexpr const char* kNoSideText = "チームが選択されていません";
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

// A versus side's roster table: Name, Age, AT, Spe, Str, Ctl, Sho, Dri, Pas,
// Cro, Leg, the condition figure and the roster index. Rows 1 to 11 are the
// starting eleven; the condition figure colours the row.
inline constexpr int kSideColumns = 13;
inline constexpr int kSideConditionCol = 11;

// What the versus match needs to open: club 0 against club 1 in fixture 0 of
// Division 2 on match day 18 (no home side). No tactics board goes with it, so
// it is not a league match: the other fixtures of the match day are not
// played, and the news that follows (the versus programme) reads only this one.
struct VersusMatch {
    int division = 2;
    int fixture = 0;
    int home = 0;  // side 0: the left club
    int away = 1;  // side 1: the right club
    int round = kVersusRound;
    bool isLeagueMatch = false;
    int newsStart = kAfterVersus;  // the versus programme, which ends on the title screen
};

// What follows a click.
enum class SaveNext {
    stay,        // the screen stays open
    close,       // the screen closes; the main screen beneath it is as it was (save, export)
    openMain,    // a game was loaded: its main screen replaces the title screen
    playVersus,  // the versus match opens (without a tactics board) in place of the title screen
};

struct SaveOutcome {
    SaveOutcome() = default;
    explicit SaveOutcome(SaveNext n) : next(n) {}

    SaveNext next = SaveNext::stay;
    // openMain: the loaded game is in a season ("ＮＥＸＴ" plays a match day)
    // rather than between seasons ("移籍" opens the transfer window).
    bool duringSeason = false;
    // playVersus: how to open the match.
    VersusMatch match;
};

// One side of a versus match as the screen shows it (side 0 left, side 1 right).
struct VersusSide {
    bool chosen = false;  // false: the side's emblem, box and table are hidden
    int row = 0;          // the list row marked "○" for this side
    std::string file;     // the versus file's name without ".dat"
    std::string name;     // the club's name: the box's first line
    std::string comment;  // the file's comment: the box's second line
    Bitmap emblem;
    Grid roster;  // kSideColumns columns, positions by name, feet by letter
};

class SaveScreen {
public:
    // Opens the screen for `mode` and lists its folder: saved games newest
    // first, versus files by name.
    SaveScreen(World& world, Prompts& prompts, SaveMode mode);
    ~SaveScreen();
    SaveScreen(const SaveScreen&) = delete;
    SaveScreen& operator=(const SaveScreen&) = delete;

    SaveMode mode() const { return mode_; }
    // Loading or a versus match with nothing to choose from: the screen closes
    // as soon as it opens, without a message.
    bool closesAtOnce() const;

    // The file list, row 0 the heading: "data,保存日時" with the file's time
    // (modes 0, 1), one column of names (mode 2), "←,VSdata,→" with the
    // names in column 1 and the sides' marks beside them (mode 3).
    const Grid& grid() const { return grid_; }
    // The confirm button: "保存", "Load", "保存", "対戦".
    std::string confirmCaption() const;
    // "新規保存" is offered when saving and exporting.
    bool newFileShown() const;
    // The chosen file's name under the list; not shown in a versus match.
    bool chosenNameShown() const { return mode_ != SaveMode::versus; }
    std::string chosenName() const;
    // The chosen row, 0 while none is (modes 0 to 2).
    int selectedRow() const { return selected_; }

    const VersusSide& side(int s) const { return sides_.at(static_cast<std::size_t>(s)); }

    // A press in the list. Modes 0 to 2: the row becomes the chosen file. Mode
    // 3: a press in column 0 or 2 chooses that side's club from the row's file
    // (a file that cannot be read is refused with its message, the side stays
    // as it was); column 1 and the heading do nothing.
    void press(int col, int row);
    // A double click: in modes 0 to 2 the row is chosen and confirmed; nothing in mode 3.
    SaveOutcome doubleClick(int row);
    // The confirm button: save, load, export, or start the versus match.
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
    void chooseSide(int s, int row);
    SaveOutcome startVersus();
    void listAutosaveRows();
    int autosaveRows() const;

    World& world_;
    Prompts& prompts_;
    SaveMode mode_;
    Grid grid_;
    int selected_ = 0;
    std::array<VersusSide, 2> sides_;
    // Loading: the autosaves listed in rows 1.. before the saved games.
    std::vector<Autosave> autosaves_;
    std::vector<bool> autosaveReadable_;
    // The clubs the sides will play with; they take the places of clubs 0 and
    // 1 only when the match starts, so leaving the screen changes nothing.
    std::array<std::unique_ptr<Tteam>, 2> clubs_;
};

}  // namespace vm
