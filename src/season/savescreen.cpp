// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/savescreen.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "league/autosaves.h"
#include "league/savefiles.h"
#include "league/savegame.h"
#include "league/versus.h"
#include "league/world.h"
#include "season/prompts.h"

namespace vm {
namespace fs = std::filesystem;

std::string overwriteQuestion(std::string_view name) {
    return "ファイル名" + std::string(name) + "は既に存在しています。上書きしますか";
}

SaveScreen::SaveScreen(World& world, Prompts& prompts, SaveMode mode)
    : world_(world), prompts_(prompts), mode_(mode) {
    list();
}

SaveScreen::~SaveScreen() = default;

bool SaveScreen::savesGames() const {
    return mode_ == SaveMode::save || mode_ == SaveMode::load;
}

// Names go into their cells one by one: a file name may hold a comma.
void SaveScreen::list() {
    selected_ = 0;
    std::vector<FileEntry> files = dataload(world_, savesGames() ? "savedata" : "vs");
    const int rows = static_cast<int>(files.size()) + 1;
    switch (mode_) {
        case SaveMode::save:
        case SaveMode::load:
            // Newest first; games saved in the same second keep their name order.
            std::stable_sort(files.begin(), files.end(),
                             [](const FileEntry& a, const FileEntry& b) { return a.mtime > b.mtime; });
            listAutosaveRows();
            grid_ = Grid(2, rows + autosaveRows());
            grid_.setRow(0, kSaveListHeading);
            for (int r = 1; r <= autosaveRows(); ++r) {
                grid_.cell(0, r) = autosaveRowName(autosaves_[r - 1].point);
                grid_.cell(1, r) = autosaveReadable_[r - 1] ? autosaves_[r - 1].timetext : kUnreadableMark;
            }
            for (int r = 1; r < rows; ++r) {
                grid_.cell(0, autosaveRows() + r) = files[r - 1].name;
                grid_.cell(1, autosaveRows() + r) = files[r - 1].timetext;
            }
            break;
        case SaveMode::vsexport:
            grid_ = Grid(1, rows);
            grid_.cell(0, 0) = kExportListHeading;
            for (int r = 1; r < rows; ++r) grid_.cell(0, r) = files[r - 1].name;
            break;
    }
}

// Loading offers the autosaves first, newest first, each checked: one that
// cannot be loaded says so in place of its time.
void SaveScreen::listAutosaveRows() {
    autosaves_.clear();
    autosaveReadable_.clear();
    if (mode_ != SaveMode::load) return;
    autosaves_ = listAutosaves(world_);
    for (const Autosave& a : autosaves_) autosaveReadable_.push_back(autosaveProblem(world_, a).empty());
}

int SaveScreen::autosaveRows() const {
    return static_cast<int>(autosaves_.size());
}

std::string autosaveRowName(std::string_view point) {
    return std::string(kAutosaveMark) + std::string(point);
}

bool SaveScreen::closesAtOnce() const {
    return mode_ == SaveMode::load && grid_.rowCount() == 1;
}

std::string SaveScreen::confirmCaption() const {
    return mode_ == SaveMode::load ? "Load" : "保存";
}

bool SaveScreen::newFileShown() const {
    return mode_ == SaveMode::save || mode_ == SaveMode::vsexport;
}

std::string SaveScreen::chosenName() const {
    return selected_ > 0 ? grid_.cell(0, selected_) : std::string();
}

int SaveScreen::findRow(std::string_view name) const {
    for (int r = autosaveRows() + 1; r < grid_.rowCount(); ++r)
        if (grid_.cell(0, r) == name) return r;
    return 0;
}

void SaveScreen::press(int row) {
    if (row >= 1 && row < grid_.rowCount()) selected_ = row;
}

SaveOutcome SaveScreen::doubleClick(int row) {
    if (row < 1 || row >= grid_.rowCount()) return {};
    selected_ = row;
    return confirm();
}

SaveOutcome SaveScreen::confirm() {
    if (selected_ == 0) {
        prompts_.message(mode_ == SaveMode::load ? kChooseLoadText : kChooseFileText);
        return {};
    }
    switch (mode_) {
        case SaveMode::save: return saveGame();
        case SaveMode::load: return loadGame();
        default: return exportClub();
    }
}

SaveOutcome SaveScreen::newFile() {
    if (!newFileShown()) return {};
    const std::optional<std::string> name = prompts_.input(kNewFileCaption, kNewFilePrompt, "");
    if (!name || name->empty()) return {};
    if (const std::string why = fileNameProblem(*name); !why.empty()) {
        prompts_.message(why);
        return {};
    }
    // Names are matched exactly, as the file system of this game tells them
    // apart. A file the list does not show under that name may still be there
    // (saved since the list was made, or a folder that ignores case): it is
    // not overwritten without the same question.
    int row = findRow(*name);
    std::error_code ec;
    const bool onDisk = fs::exists(world_.path("data/" + folder() + "/" + *name + ".dat"), ec);
    if ((row > 0 || onDisk) && !prompts_.askYesNo(overwriteQuestion(*name))) return {};
    if (row == 0) {
        row = grid_.rowCount();
        grid_.resize(grid_.colCount(), row + 1);
        grid_.cell(0, row) = *name;
    }
    selected_ = row;
    return confirm();
}

std::string SaveScreen::folder() const {
    return savesGames() ? "savedata" : "vs";
}

SaveOutcome SaveScreen::saveGame() {
    try {
        save(world_, savePath(world_, grid_.cell(0, selected_)));
        return SaveOutcome(SaveNext::close);
    } catch (const std::runtime_error& e) {
        writeFailed(e);
        return {};
    }
}

SaveOutcome SaveScreen::loadGame() {
    try {
        load(world_, selected_ <= autosaveRows() ? autosaves_[selected_ - 1].file
                                                 : savePath(world_, grid_.cell(0, selected_)));
    } catch (const std::runtime_error& e) {
        prompts_.error(unreadableText(e));
        return {};
    }
    SaveOutcome out(SaveNext::openMain);
    out.duringSeason = world_.leagues[0] != nullptr;
    return out;
}

SaveOutcome SaveScreen::exportClub() {
    const std::string name = grid_.cell(0, selected_);
    // A cancelled or emptied answer leaves the comment at "なし".
    const std::optional<std::string> typed = prompts_.input(kCommentCaption, kCommentPrompt, kNoComment);
    const std::string comment = typed && !typed->empty() ? *typed : std::string(kNoComment);
    try {
        vssave(world_, vsPath(world_, name), comment);
        return SaveOutcome(SaveNext::close);
    } catch (const NameRefused& e) {
        // The comment holds a character a versus file cannot keep.
        prompts_.message(e.what());
        list();
    } catch (const std::runtime_error& e) {
        writeFailed(e);
    }
    return {};
}

// The old file is still whole (every write is complete or none). The list is
// read again, so a new name whose file was never written is not shown.
void SaveScreen::writeFailed(const std::exception& e) {
    prompts_.error(std::string(kWriteFailedText) + "\n" + e.what());
    list();
}

}  // namespace vm
