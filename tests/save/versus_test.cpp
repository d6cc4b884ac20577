// SPDX-License-Identifier: GPL-3.0-or-later
// Versus files: a file built byte by byte from the layout loads with every
// field right and is written back to the same bytes; exports, the versus
// match set-up, the replacement of Division 2's last club, and damaged files.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/savefiles.h"
#include "league/versus.h"
#include "save/save_support.h"
#include "util/bitmap.h"
#include "util/cp932.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::putInt;
using test::putStr;
using test::Snapshot;

// CP932 bytes of the texts, written out so the file does not depend on the converter.
const std::string kComment = "\x82\xe6\x82\xeb\x82\xb5\x82\xad";             // よろしく
const std::string kClubName = "\x90\xc2\x8b\xf3\x82\x65\x82\x62";            // 青空ＦＣ
const std::string kPlayerName = "\x8e\x52\x93\x63\x81\x40\x91\xbe\x98\x59";  // 山田　太郎
const std::string kYouthMark = "\xd5\xb0\xbd";                               // ﾕｰｽ

struct StoredPlayer {
    std::string name;  // CP932
    int age, at, leg, rating, games, goals, assists, form, peak, mood, injury;
    Attrs ability, exp, talent, last;
    std::string career;  // CP932
};

StoredPlayer player(int n) {
    StoredPlayer p{"P" + std::to_string(n),
                   20 + n % 10,
                   n % 7,
                   n % 3 == 0 ? 1 : -1,
                   200 + 10 * n,
                   n % 6,
                   n % 4,
                   n % 2,
                   n % 21 - 10,
                   21 + n % 9,
                   40 + n % 50,
                   n == 99 ? 4 : 0,
                   {},
                   {},
                   {},
                   {},
                   ""};
    for (int i = 0; i < 7; ++i) {
        p.ability[i] = 20 + n % 40 + i;
        p.exp[i] = 100 * i - 50;
        p.talent[i] = 1 + (n + i) % 4;
        p.last[i] = 18 + n % 40 + i;
    }
    return p;
}

void putPlayer(std::string& out, const StoredPlayer& p) {
    putStr(out, p.name);
    for (int v :
         {p.age, p.at, p.leg, p.rating, p.games, p.goals, p.assists, p.form, p.peak, p.mood, p.injury})
        putInt(out, v);
    for (const Attrs* a : {&p.ability, &p.exp, &p.talent, &p.last})
        for (int v : *a) putInt(out, v);
    putStr(out, p.career);
}

std::uint32_t emblemColour(int x, int y) {
    return 0xFF000000u | (x * 20) << 16 | (y * 20) << 8 | (x + y) * 5;
}

// A 12 x 12 emblem as 24-bit BMP, bottom row first, each row padded to 36 bytes.
std::string emblem24() {
    std::string b = "BM";
    putInt(b, 54 + 36 * 12);
    putInt(b, 0);
    putInt(b, 54);
    putInt(b, 40);
    putInt(b, 12);
    putInt(b, 12);
    b += std::string("\x01\x00\x18\x00", 4);
    putInt(b, 0);
    putInt(b, 36 * 12);
    putInt(b, 2835);
    putInt(b, 2835);
    putInt(b, 0);
    putInt(b, 0);
    for (int y = 11; y >= 0; --y)
        for (int x = 0; x < 12; ++x) {
            const std::uint32_t c = emblemColour(x, y);
            b.push_back(static_cast<char>(c & 0xFF));
            b.push_back(static_cast<char>(c >> 8 & 0xFF));
            b.push_back(static_cast<char>(c >> 16 & 0xFF));
        }
    return b;
}

// The same kind of emblem as another program may store it: 8-bit palette of
// two colours, top row first.
std::string emblem8() {
    std::string b = "BM";
    putInt(b, 54 + 8 + 12 * 12);
    putInt(b, 0);
    putInt(b, 54 + 8);
    putInt(b, 40);
    putInt(b, 12);
    putInt(b, -12);
    b += std::string("\x01\x00\x08\x00", 4);
    putInt(b, 0);
    putInt(b, 0);
    putInt(b, 0);
    putInt(b, 0);
    putInt(b, 2);
    putInt(b, 0);
    putInt(b, 0x00FF0000);  // red
    putInt(b, 0x000000FF);  // blue
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) b.push_back(static_cast<char>(x == y ? 1 : 0));
    return b;
}

// A whole versus file built from the layout, field by field.
std::string handMadeVersus(const std::string& emblem, int rosterSize = 11) {
    std::string f;
    putInt(f, 29);
    putStr(f, kComment);
    f += emblem;
    putStr(f, kClubName);
    putInt(f, 777);                                                                // money
    putInt(f, 3);                                                                  // doctor
    for (int i = 0; i < 11; ++i) putInt(f, 100 + 10 * i), putInt(f, 50 + 20 * i);  // spots
    for (int k = 0; k < 7; ++k) putInt(f, 40 + k);                                 // coach power
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < 7; ++k) putInt(f, c == 1 ? 40 + k : 10 + c);
    StoredPlayer youth = player(30);
    youth.age = 16;
    youth.career = "/1*3*" + kYouthMark;
    putInt(f, 1);
    putPlayer(f, youth);
    putInt(f, 1);
    putPlayer(f, player(99));
    putInt(f, rosterSize);
    for (int n = 0; n < rosterSize; ++n) {
        StoredPlayer p = player(n);
        if (n == 0) {
            p.name = kPlayerName;
            p.career = "/1*3**12*4*1/2*3*";
            p.age = 25, p.mood = 50, p.rating = 300;
        }
        putPlayer(f, p);
    }
    return f;
}

class VersusTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> title = scratch.world(2);  // the title screen's world

    fs::path file(const std::string& bytes, const char* name = "hand") {
        const fs::path f = vsPath(*title, name);
        writeBytesAtomic(f, bytes);
        return f;
    }
    static std::string clubBytes(const Tteam& club) {
        OutStream s;
        club.teamsave(s);
        return s.bytes();
    }
};

TEST_F(VersusTest, AFileBuiltFromTheLayoutLoadsWithEveryFieldRight) {
    EXPECT_EQ(vsload(*title, file(handMadeVersus(emblem24())), 1), "よろしく");
    const Tteam& club = title->team(1);
    EXPECT_EQ(club.clubno, 1);
    EXPECT_EQ(club.popularity, 10) << "not in the file: the slot keeps its own";
    EXPECT_EQ(club.name, "青空ＦＣ");
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(club.emblem.at(x, y), emblemColour(x, y)) << x << "," << y;
    EXPECT_EQ(club.money, 777);
    EXPECT_EQ(club.doctor, 3);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(club.position[i], (Point{100 + 10 * i, 50 + 20 * i}));
    EXPECT_EQ(club.coachpower, (Attrs{40, 41, 42, 43, 44, 45, 46}));
    EXPECT_EQ(club.coach[0], (Attrs{10, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(club.coach[1], (Attrs{40, 41, 42, 43, 44, 45, 46}));
    EXPECT_EQ(club.coach[2], (Attrs{12, 12, 12, 12, 12, 12, 12}));

    ASSERT_EQ(club.youth.size(), 1u);
    EXPECT_EQ(club.youth[0]->career, "/1*3*ﾕｰｽ");
    EXPECT_EQ(club.youth[0]->age, 16);
    ASSERT_EQ(club.injured.size(), 1u);
    EXPECT_EQ(club.injured[0]->injury, 4);
    ASSERT_EQ(club.roster.size(), 11u);

    const Tplayer& first = *club.roster[0];
    EXPECT_EQ(first.name, "山田　太郎");
    EXPECT_EQ(first.career, "/1*3**12*4*1/2*3*");
    EXPECT_EQ(first.age, 25);
    EXPECT_EQ(first.rating, 300);
    EXPECT_EQ(first.mood, 50);
    EXPECT_EQ(first.club, 1);
    EXPECT_EQ(first.value, 240) << "rating 300 at mood 50, four fifths in Division 2";
    const Tplayer& seventh = *club.roster[7];
    const StoredPlayer want = player(7);
    EXPECT_EQ(seventh.name, "P7");
    EXPECT_EQ(seventh.age, want.age);
    EXPECT_EQ(seventh.at, want.at);
    EXPECT_EQ(seventh.leg, want.leg);
    EXPECT_EQ(seventh.games, want.games);
    EXPECT_EQ(seventh.goals, want.goals);
    EXPECT_EQ(seventh.assists, want.assists);
    EXPECT_EQ(seventh.form, want.form);
    EXPECT_EQ(seventh.peak, want.peak);
    EXPECT_EQ(seventh.ability, want.ability);
    EXPECT_EQ(seventh.exp, want.exp);
    EXPECT_EQ(seventh.talent, want.talent);
    EXPECT_EQ(seventh.lastability, want.last);
}

TEST_F(VersusTest, AClubExportedAgainGivesTheSameBytes) {
    const std::string hand = handMadeVersus(emblem24());
    vsload(*title, file(hand), 0);
    const fs::path out = vsPath(*title, "again");
    vssave(*title, out, "よろしく");
    EXPECT_EQ(readBytes(out), hand);
}

TEST_F(VersusTest, APaletteEmblemOfAnotherProgramReadsToItsColours) {
    vsload(*title, file(handMadeVersus(emblem8())), 0);
    const Bitmap& e = title->team(0).emblem;
    EXPECT_EQ(e.at(3, 3), 0xFF0000FFu);
    EXPECT_EQ(e.at(4, 3), 0xFFFF0000u);
    EXPECT_EQ(e.at(0, 11), 0xFFFF0000u);
}

TEST_F(VersusTest, AnExportHoldsTheNumberTheCommentAndClubZero) {
    auto game = test::newGame(scratch, 9);
    const fs::path out = vsPath(*game, "export");
    vssave(*game, out, kNoComment);
    const std::string bytes = readBytes(out);
    EXPECT_EQ(test::intAt(bytes, 0), 29);
    EXPECT_EQ(test::intAt(bytes, 4), 4);
    EXPECT_EQ(bytes.substr(8, 4), "\x82\xc8\x82\xb5");  // なし
    EXPECT_EQ(bytes.substr(12), clubBytes(game->team(0)));

    EXPECT_EQ(vsload(*title, out, 1), "なし");
    EXPECT_EQ(clubBytes(title->team(1)), clubBytes(game->team(0)));
    EXPECT_THROW(vssave(*game, out, "emoji 😀"), NameRefused);
}

TEST_F(VersusTest, AVersusMatchPutsClubZeroAgainstClubOneOnMatchDayEighteen) {
    auto game = test::newGame(scratch, 9);
    const fs::path out = vsPath(*game, "same");
    vssave(*game, out, kNoComment);
    vsload(*title, out, 0);
    vsload(*title, out, 1);  // the same file on both sides
    const std::string div1 = title->kanri.div1list;
    vsstart(*title);

    EXPECT_EQ(title->kanri.div2list, "0,1,1,1,1,1,1,1,1,1");
    EXPECT_EQ(title->kanri.div1list, div1);
    ASSERT_TRUE(title->leagues[0] && title->leagues[1]);
    EXPECT_EQ(title->leagues[0]->round, 18);
    const Tleague& second = *title->leagues[1];
    EXPECT_EQ(second.round, 18);
    EXPECT_EQ(second.clubOfRow(0), 0);
    for (int row = 1; row < kLeagueClubs; ++row) EXPECT_EQ(second.clubOfRow(row), 1);
    const Pairing opening = second.schedule[18][0];
    EXPECT_EQ(second.clubOfRow(opening.first), 0);
    EXPECT_EQ(second.clubOfRow(opening.second), 1);
}

TEST_F(VersusTest, DamagedVersusFilesLeaveTheSideAsItWas) {
    const std::string good = handMadeVersus(emblem24());
    const Snapshot before = Snapshot::of(*title);
    auto refused = [&](const std::string& bytes, const char* what) {
        SCOPED_TRACE(what);
        EXPECT_THROW(vsload(*title, file(bytes, "bad"), 0), FormatError);
        before.expectSame(*title);
    };
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{3}, std::size_t{10}, std::size_t{40}, good.size() / 2, good.size() - 1})
        refused(good.substr(0, cut), "truncated");
    refused(good + "junk", "bytes after the club");
    std::string format = good;
    format[0] = 28;
    refused(format, "another format number");
    std::string comment = good;
    test::setInt(comment, 4, -2);
    refused(comment, "negative comment length");
    test::setInt(comment, 4, 1 << 21);
    refused(comment, "comment longer than a string may be");
    std::string bmp = good;
    bmp[16 + 14] = 12;  // the emblem's info header size
    refused(bmp, "unknown BMP header");
    refused(handMadeVersus(emblem24(), 10), "ten players cannot play");
    auto game = test::newGame(scratch, 9);
    refused(saveImage(*game), "a saved game");
}

class LastClubTest : public VersusTest {
protected:
    std::unique_ptr<World> game = test::newGame(scratch, 12);

    // Exports club 0 of another new game; gives the file and its first player's name.
    std::pair<fs::path, std::string> exported(std::uint64_t seed, const char* name) {
        auto other = test::newGame(scratch, seed);
        for (auto& p : other->team(0).roster) p->career = "/1*0**10*2*1";
        for (auto& p : other->team(0).youth) p->career = "/1*0*ﾕｰｽ";
        const fs::path out = vsPath(*other, name);
        vssave(*other, out, "入れ替え");
        return {out, other->team(0).roster[0]->name};
    }
};

TEST_F(LastClubTest, TheRankFileNamesTheLastClubOnce) {
    writeBytesAtomic(game->path("data/tmp/07.rank"), "03\r\n07\r\n");
    EXPECT_EQ(lastclubfind(*game), 7);
    EXPECT_FALSE(fs::exists(game->path("data/tmp/07.rank")));
    EXPECT_EQ(lastclubfind(*game), 0) << "no rank file: no replacement";
    writeBytesAtomic(game->path("data/tmp/00.rank"), "");
    EXPECT_EQ(lastclubfind(*game), 0) << "the user's own club is never replaced";
    writeBytesAtomic(game->path("data/tmp/x9.rank"), "");
    EXPECT_EQ(lastclubfind(*game), 0);
    EXPECT_FALSE(fs::exists(game->path("data/tmp/x9.rank")));
}

TEST_F(LastClubTest, AVersusClubTakesTheSlotAndKeepsItsMoney) {
    Tteam& slot = game->team(7);
    slot.money = 1234;
    slot.popularity = 33;
    lastclubkeep(*game, 7);
    const std::string original = clubBytes(slot);

    const auto [first, firstName] = exported(40, "first");
    EXPECT_EQ(lastclubreplace(*game, 7, first), "入れ替え");
    const Tteam& now = game->team(7);
    EXPECT_EQ(now.clubno, 7);
    EXPECT_EQ(now.money, 1234);
    EXPECT_EQ(now.popularity, 33);
    for (const auto& p : now.roster) {
        EXPECT_EQ(p->career, "");
        EXPECT_EQ(p->club, 7);
    }
    for (const auto& p : now.youth) EXPECT_EQ(p->career, "/1*0*ﾕｰｽ");
    EXPECT_EQ(now.roster[0]->name, firstName);

    const auto [second, secondName] = exported(41, "second");
    ASSERT_NE(secondName, firstName);
    lastclubreplace(*game, 7, second);  // another pick replaces the first
    EXPECT_EQ(game->team(7).roster[0]->name, secondName);
    EXPECT_EQ(game->team(7).money, 1234);

    lastclubrestore(*game, 7);
    EXPECT_EQ(clubBytes(game->team(7)), original);
    EXPECT_EQ(game->team(7).popularity, 33);
}

TEST_F(LastClubTest, ANameWithACommaIsRefusedWhenReadAndMarkupIsNot) {
    lastclubkeep(*game, 7);
    const Snapshot before = Snapshot::of(*game);
    auto other = test::newGame(scratch, 40);
    other->team(0).name = "<b>FC</b>";
    other->team(0).roster[5]->name = "山田,太郎";
    const fs::path comma = file(vsImage(*other, "c"), "comma");
    EXPECT_THROW(lastclubreplace(*game, 7, comma), FormatError);
    before.expectSame(*game);
    other->team(0).roster[5]->name = "<i>x</i>";
    lastclubreplace(*game, 7, file(vsImage(*other, "c"), "markup"));
    EXPECT_EQ(game->team(7).name + game->team(7).roster[5]->name, "<b>FC</b><i>x</i>");
}

TEST_F(LastClubTest, ADamagedFileLeavesTheSlotAsItWas) {
    lastclubkeep(*game, 7);
    const Snapshot before = Snapshot::of(*game);
    std::string bad = readBytes(exported(40, "cut").first);
    bad.resize(bad.size() - 5);
    EXPECT_THROW(lastclubreplace(*game, 7, file(bad, "cut")), FormatError);
    before.expectSame(*game);

    std::string kept = readBytes(game->path("data/tmp/save.dat"));
    kept[0] = 'X';
    writeBytesAtomic(game->path("data/tmp/save.dat"), kept);
    EXPECT_THROW(lastclubrestore(*game, 7), FormatError);
    before.expectSame(*game);
}

}  // namespace
}  // namespace vm
