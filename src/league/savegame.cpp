// SPDX-License-Identifier: GPL-3.0-or-later
#include "league/savegame.h"

#include <array>
#include <memory>

#include "league/savefiles.h"
#include "league/season.h"
#include "league/statsfile.h"
#include "league/tleague.h"
#include "league/world.h"
#include "transfers/ttrade.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace fs = std::filesystem;
namespace {

// What a load replaces, kept until the whole file has been read so that a
// failure puts everything back as it was.
class Undo {
public:
    explicit Undo(World& w) : w_(w), rng_(w.rng), kanri_(w.kanri), leagues_(std::move(w.leagues)) {}
    ~Undo() {
        if (kept_) return;
        for (std::size_t k = 0; k < teams_.size(); ++k)
            if (swapped_[k]) std::swap(w_.teams[k], teams_[k]);
        w_.kanri = kanri_;
        w_.leagues = std::move(leagues_);
        w_.rng = rng_;
    }
    Undo(const Undo&) = delete;
    Undo& operator=(const Undo&) = delete;

    void replaced(int k, std::unique_ptr<Tteam> old) {
        teams_.at(static_cast<std::size_t>(k)) = std::move(old);
        swapped_.at(static_cast<std::size_t>(k)) = true;
    }
    void keep() { kept_ = true; }

private:
    World& w_;
    Rng rng_;
    Tleaguekanri kanri_;
    std::array<std::unique_ptr<Tleague>, 2> leagues_;
    std::array<std::unique_ptr<Tteam>, kClubCount> teams_;
    std::array<bool, kClubCount> swapped_{};
    bool kept_ = false;
};

// Reads the whole image into the world, recording in `undo` what it replaced.
std::vector<std::string> readGame(World& w, std::string_view image, Undo& undo) {
    InStream s(image);
    readFormat(s);
    // Every club is read before any is put in place: a damaged tenth club
    // leaves the first nine untouched.
    std::array<std::unique_ptr<Tteam>, kClubCount> clubs;
    for (int k = 0; k < kClubCount; ++k) {
        try {
            clubs[k] = readClub(w, s, k);
        } catch (const FormatError& e) {
            throw FormatError("チーム" + std::to_string(k) + "のデータ: " + e.what());
        }
    }
    // The divisions copy their club names from the clubs, so the new clubs
    // stand in place while the league manager is read.
    for (int k = 0; k < kClubCount; ++k) undo.replaced(k, installClub(w, std::move(clubs[k])));
    try {
        kanriload(w, s);
    } catch (const FormatError& e) {
        throw FormatError(std::string("リーグのデータ: ") + e.what());
    }

    std::vector<std::string> history;
    for (std::string_view line : splitLines(image.substr(s.pos()))) {
        try {
            history.push_back(fromCp932(line));
        } catch (const EncodingError&) {
            throw FormatError("履歴の文字コードが正しくありません");
        }
    }
    return history;
}

void finishLoad(World& w) {
    revalue(w);
    w.trade.reset();
}

}  // namespace

std::string saveImage(const World& w) {
    std::vector<std::string> history;
    if (fs::exists(w.path(kHistoryFile))) history = readLines(w.path(kHistoryFile));
    return saveImage(w, history);
}

std::string saveImage(const World& w, const std::vector<std::string>& history) {
    try {
        OutStream s;
        s.writeInt(kFileFormat);
        for (const auto& club : w.teams) club->teamsave(s);
        kanrisave(w, s);
        s.writeBytes(linesImage(history));
        return s.bytes();
    } catch (const EncodingError& e) {
        throw DataError(std::string("保存できません: ") + e.what());
    }
}

std::vector<std::string> readSave(World& w, std::string_view image) {
    Undo undo(w);
    std::vector<std::string> history = readGame(w, image, undo);
    undo.keep();
    finishLoad(w);
    return history;
}

namespace {

// The bytes a save writes, refused inside a transfer window and when the
// game could not load them again (that would lose the player's game while
// looking like success).
std::string checkedImage(const World& w) {
    if (w.trade) throw DataError("移籍期間中は保存できません");
    const std::string image = saveImage(w);
    if (const std::string why = loadProblem(w, image); !why.empty())
        throw DataError("保存できません: " + why);
    return image;
}

}  // namespace

void save(const World& w, const fs::path& file) {
    const std::string image = checkedImage(w);
    writeBytesAtomic(file, image);
    // The statistics pair with this save by its bytes' fingerprint: a failure
    // here leaves the old statistics file, which then no longer matches.
    writeStats(w, file, image);
}

void saveAsNew(const World& w, const fs::path& file) {
    const std::string image = checkedImage(w);
    writeStats(w, file, image);
    try {
        writeBytesAtomic(file, image);
    } catch (const DataError&) {
        // Statistics with no saved game would only take room on a failing disk.
        std::error_code ec;
        if (!fs::exists(file, ec) && !ec) fs::remove(statsPath(file), ec);
        throw;
    }
}

std::string loadProblem(const World& w, std::string_view image) {
    World check(w.root, w.shippedRoot, SeedSource::fixed(1));
    for (int k = 0; k < kClubCount; ++k) check.teams[k] = Tteam::blank(check, k);
    try {
        readSave(check, image);
    } catch (const FormatError& e) {
        return e.what();
    }
    return {};
}

void load(World& w, const fs::path& file) {
    const std::string image = readPlayerFile(file);
    Undo undo(w);
    const std::vector<std::string> history = readGame(w, image, undo);
    writeLinesAtomic(w.path(kHistoryFile), history);
    undo.keep();
    finishLoad(w);
    loadStats(w, file, image);
}

}  // namespace vm
