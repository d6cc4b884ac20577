// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets start from real files the game writes (fuzz/corpus/<target>/).
// The seeds are made here: run with VM_WRITE_FUZZ_CORPUS=1 to write them anew
// into the source tree. Every run checks that each committed seed is still
// read by its reader, so a change of layout cannot leave the fuzzers starting
// from files nobody reads any more.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

#include "league/runner.h"
#include "league/savefiles.h"
#include "league/statsfile.h"
#include "league/versus.h"
#include "match/tgame.h"
#include "players/formationfile.h"
#include "save/save_support.h"
#include "season/livereplay.h"
#include "season/watchnotes.h"
#include "util/bitmap.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::putInt;

fs::path corpusDir() {
    return fs::path(VM_SOURCE_DATA_DIR).parent_path() / "fuzz" / "corpus";
}

std::unique_ptr<World> emptyWorld() {
    auto w = std::make_unique<World>(fs::path("."), SeedSource::fixed(1));
    for (int k = 0; k < kClubCount; ++k) w->teams[k] = Tteam::blank(*w, k);
    return w;
}

// Emblems as other programs store them: palettes of 1, 4 and 8 bits, 16-bit
// and 32-bit pixels with bit masks, top-down rows.
std::string bmpHeader(int w, int h, int bpp, int compression, int colours, std::size_t extra,
                      std::size_t data) {
    std::string b = "BM";
    const std::size_t offset = 54 + extra;
    putInt(b, static_cast<std::int32_t>(offset + data));
    putInt(b, 0);
    putInt(b, static_cast<std::int32_t>(offset));
    putInt(b, 40);
    putInt(b, w);
    putInt(b, h);
    b += static_cast<char>(1);
    b += static_cast<char>(0);
    b += static_cast<char>(bpp);
    b += static_cast<char>(0);
    putInt(b, compression);
    putInt(b, static_cast<std::int32_t>(data));
    putInt(b, 2835);
    putInt(b, 2835);
    putInt(b, colours);
    putInt(b, 0);
    return b;
}

std::string paletteBmp(int bpp, bool topDown) {
    const int colours = 1 << bpp;
    const std::size_t stride = ((12 * static_cast<std::size_t>(bpp) + 31) / 32) * 4;
    std::string b = bmpHeader(12, topDown ? -12 : 12, bpp, 0, colours, 4 * colours, stride * 12);
    for (int c = 0; c < colours; ++c) putInt(b, (c * 0x3F1D27) & 0xFFFFFF);
    for (int y = 0; y < 12; ++y) {
        std::string row(stride, '\0');
        for (int x = 0; x < 12; ++x) {
            const int idx = (x + y) % colours;
            const std::size_t bit = static_cast<std::size_t>(x) * bpp;
            row[bit / 8] = static_cast<char>(row[bit / 8] | idx << (8 - bpp - bit % 8));
        }
        b += row;
    }
    return b;
}

std::string maskedBmp(int bpp) {
    const std::size_t stride = ((12 * static_cast<std::size_t>(bpp) + 31) / 32) * 4;
    std::string b = bmpHeader(12, 12, bpp, 3, 0, 12, stride * 12);
    if (bpp == 16)
        putInt(b, 0xF800), putInt(b, 0x07E0), putInt(b, 0x001F);
    else
        putInt(b, 0x00FF0000), putInt(b, 0x0000FF00), putInt(b, 0x000000FF);
    for (int y = 0; y < 12; ++y) {
        std::string row(stride, '\0');
        for (int x = 0; x < 12; ++x)
            for (int k = 0; k < bpp / 8; ++k)
                row[x * (bpp / 8) + k] = static_cast<char>(x * 17 + y * 5 + k * 40);
        b += row;
    }
    return b;
}

std::map<std::string, std::map<std::string, std::string>> makeSeeds(const test::Scratch& scratch) {
    std::map<std::string, std::map<std::string, std::string>> seeds;
    auto game = test::newGame(scratch, 31);
    auto bytesOf = [](const std::function<void(OutStream&)>& write) {
        OutStream s;
        write(s);
        return s.bytes();
    };
    const Tteam& mine = game->team(0);
    seeds["player"]["senior.bin"] = bytesOf([&](OutStream& s) { mine.roster[0]->playersave(s); });
    seeds["club"]["newgame.bin"] = bytesOf([&](OutStream& s) { mine.teamsave(s); });
    seeds["kanri"]["offseason.bin"] = bytesOf([&](OutStream& s) { kanrisave(*game, s); });
    seeds["versus"]["export.dat"] = vsImage(*game, "よろしくお願いします");
    seeds["emblem"]["24bit.bmp"] = encodeBmp(mine.emblem);
    for (int bpp : {1, 4, 8}) seeds["emblem"][std::to_string(bpp) + "bit.bmp"] = paletteBmp(bpp, bpp == 8);
    for (int bpp : {16, 32}) seeds["emblem"][std::to_string(bpp) + "bit-masks.bmp"] = maskedBmp(bpp);
    MarkerCorners corners{};
    for (int i = 0; i < 10; ++i) game->team(0).posconvert(corners[i], i + 1, true);
    seeds["formation"]["newgame.frm"] = formationline(corners) + "\r\n";
    seeds["formation"]["unix.frm"] = formationline(corners) + "\n";
    Replay replay;
    replay.pictures = {mine.emblem, game->team(1).emblem};
    replay.step = 12;
    {
        // Both sides on the club's own spots, the second mirrored at kick-off.
        Tmteam side;
        for (int i = 0; i < 11; ++i) {
            side[i].basex = side[i].x = mine.position[i].x;
            side[i].basey = side[i].y = mine.position[i].y;
        }
        Rng rng;
        const Tgame kickoff(rng, side, side);
        replay.frames = {vtrline(kickoff), "g", "g", vtrline(kickoff)};
    }
    seeds["replay"]["kickoff.dat"] = replayimage(replay);
    // A copy broken off inside its last frame.
    seeds["replay"]["cutshort.dat"] = replayimage(replay).substr(0, replayimage(replay).size() - 100);
    replay.frames.clear();
    seeds["replay"]["empty.dat"] = replayimage(replay);
    WatchNotes notes;
    notes.speeds = {{0, 3}, {1, 6}};
    notes.goals = {{2, 1}};
    notes.subs = {{4, 0, 9, 12}};
    notes.sayings = {{0, "試合開始"}, {1, "07" + mine.roster[6]->name + "のシュート"}};
    notes.lifts = {{1, 4}, {4, 0}};
    seeds["watchnotes"]["match.watch"] = notesimage(notes);
    seeds["watchnotes"]["none.watch"] = notesimage({});

    // Between seasons, with the rosters cut to a few more than the eleven a
    // club needs, to keep the seeds small.
    for (auto& club : game->teams) club->roster.resize(12);
    seeds["savegame"]["offseason.dat"] = saveImage(*game);
    seeds["stats"]["offseason.stats"] = statsImage(*game, seeds["savegame"]["offseason.dat"]);

    test::playFiveRounds(*game);
    const Tteam& playing = game->team(0);
    seeds["player"]["injured.bin"] = bytesOf([&](OutStream& s) { playing.injured[0]->playersave(s); });
    seeds["player"]["youth.bin"] = bytesOf([&](OutStream& s) { playing.youth[0]->playersave(s); });
    seeds["club"]["midseason.bin"] = bytesOf([&](OutStream& s) { playing.teamsave(s); });
    seeds["division"]["div1.bin"] = bytesOf([&](OutStream& s) { game->leagues[0]->leaguesave(s); });
    seeds["division"]["div2.bin"] = bytesOf([&](OutStream& s) { game->leagues[1]->leaguesave(s); });
    seeds["kanri"]["midseason.bin"] = bytesOf([&](OutStream& s) { kanrisave(*game, s); });
    seeds["versus"]["midseason.dat"] = vsImage(*game, kNoComment);
    seeds["savegame"]["midseason.dat"] = saveImage(*game);
    // A match day of Division 2 fills the statistics with real figures.
    prematch(*game, 2);
    playmatchday(*game, 2);
    seeds["stats"]["midseason.stats"] = statsImage(*game, saveImage(*game));
    return seeds;
}

// Each target's reader, throwing FormatError for what it refuses.
const std::map<std::string, std::function<void(std::string_view)>>& readers() {
    static const std::map<std::string, std::function<void(std::string_view)>> all = {
        {"player",
         [](std::string_view b) {
             auto w = emptyWorld();
             Tplayer p(*w, 1, 0, 6);
             InStream in(b);
             p.playerload(in);
         }},
        {"club",
         [](std::string_view b) {
             auto w = emptyWorld();
             InStream in(b);
             readClub(*w, in, 3);
         }},
        {"division",
         [](std::string_view b) {
             auto w = emptyWorld();
             Tleague l(*w, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2);
             InStream in(b);
             l.leagueload(in);
         }},
        {"kanri",
         [](std::string_view b) {
             auto w = emptyWorld();
             InStream in(b);
             kanriload(*w, in);
         }},
        {"savegame", [](std::string_view b) { readSave(*emptyWorld(), b); }},
        {"versus", [](std::string_view b) { readVersus(*emptyWorld(), b, 0); }},
        {"emblem", [](std::string_view b) { decodeBmp(b); }},
        {"formation", [](std::string_view b) { formationparse(b); }},
        {"replay", [](std::string_view b) { readreplaypart(b); }},
        {"stats", [](std::string_view b) { readStatsImage(b); }},
        {"watchnotes", [](std::string_view b) { readnotes(b); }},
    };
    return all;
}

TEST(FuzzCorpusTest, EverySeedIsStillReadByItsReader) {
    if (std::getenv("VM_WRITE_FUZZ_CORPUS")) {
        test::Scratch scratch;
        for (const auto& [target, files] : makeSeeds(scratch)) {
            fs::remove_all(corpusDir() / target);
            fs::create_directories(corpusDir() / target);
            for (const auto& [name, bytes] : files) writeBytesAtomic(corpusDir() / target / name, bytes);
        }
    }
    for (const auto& [target, read] : readers()) {
        const fs::path dir = corpusDir() / target;
        ASSERT_TRUE(fs::is_directory(dir)) << dir;
        int seeds = 0;
        for (const auto& entry : fs::directory_iterator(dir)) {
            ++seeds;
            EXPECT_NO_THROW(read(readBytes(entry.path()))) << entry.path();
        }
        EXPECT_GE(seeds, 2) << target;
    }
}

}  // namespace
}  // namespace vm
