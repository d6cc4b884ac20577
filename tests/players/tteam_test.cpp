// SPDX-License-Identifier: GPL-3.0-or-later
// A club: its roster operations, its table, its formation and its binary form.
#include <gtest/gtest.h>

#include "league/world.h"
#include "match/tman.h"
#include "players/tteam.h"
#include "support/scratch.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/grid.h"
#include "util/stream.h"

namespace vm {
namespace {

class ClubTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    std::unique_ptr<World> world = scratch.world(5);
};

TEST_F(ClubTest, ANewClubStartsWithItsLevelsMoney) {
    Tteam club(*world, 45, 2, 17);
    EXPECT_EQ(club.money, 500);
    EXPECT_EQ(club.roster.size(), 18u);
    EXPECT_EQ(club.doctor, 5);
    EXPECT_EQ(club.popularity, 0);
    for (const auto& c : club.coach)
        for (int v : c) EXPECT_EQ(v, 10);
    for (const auto& p : club.roster) EXPECT_EQ(p->club, 17);
}

TEST_F(ClubTest, JapaneseClubsNameTheirFirstFifteenInJapanese) {
    Tteam club(*world, 15, 1, 0);
    for (int i = 0; i < 15; ++i) EXPECT_NE(club.roster[i]->name.find("　"), std::string::npos) << i;
}

TEST_F(ClubTest, RemovingMovesTheLastPlayerIntoTheGap) {
    Tteam club(*world, 20, 1, 5);
    Tplayer* last = club.roster[17].get();
    Tplayer* third = club.roster[3].get();
    auto out = club.playerremove(3);
    EXPECT_EQ(out.get(), third);
    EXPECT_EQ(out->club, kNoClub);
    EXPECT_EQ(club.roster[3].get(), last);
    EXPECT_EQ(club.playerhigh(), 16);
    club.playerremove(16);
    EXPECT_EQ(club.playerhigh(), 15);
}

TEST_F(ClubTest, AFifthPlayerOfOnePositionUnsettlesTheOthers) {
    Tteam club(*world, 20, 1, 5);
    for (auto& p : club.roster) p->at = 4;
    for (int i = 0; i < 3; ++i) club.roster[i]->at = 1;  // three CBs
    auto newcomer = std::make_unique<Tplayer>(*world, 20, kNoClub, 6);
    newcomer->at = 1;
    club.playeradd(std::move(newcomer));  // the fourth: nothing changes
    for (int i = 0; i < 3; ++i) EXPECT_EQ(club.roster[i]->mood, 50);
    auto fifth = std::make_unique<Tplayer>(*world, 20, kNoClub, 6);
    fifth->at = 1;
    club.playeradd(std::move(fifth));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(club.roster[i]->mood, 40);
    EXPECT_EQ(club.roster[18]->mood, 40);
    EXPECT_EQ(club.roster[19]->mood, 50);
    EXPECT_EQ(club.roster[19]->club, 5);
}

TEST_F(ClubTest, RosterTableWithColumnsRemoved) {
    Tteam club(*world, 20, 1, 5);
    Grid g;
    club.rostergrid(g, {2, 1});
    EXPECT_EQ(g.colCount(), 15);
    EXPECT_EQ(g.rowCount(), 19);
    EXPECT_EQ(g.cell(1, 0), "AT");
    EXPECT_EQ(g.cell(9, 0), "Leg");
    const Tplayer& p = *club.roster[4];
    EXPECT_EQ(g.cell(1, 5), std::to_string(p.at));
    EXPECT_EQ(g.cell(2, 5), std::to_string(p.ability[0]));
    EXPECT_EQ(g.cell(10, 5), std::to_string(p.value));
    EXPECT_EQ(g.cell(13, 5), std::to_string(p.condition()));
    EXPECT_EQ(g.cell(14, 5), "004");
    EXPECT_EQ(g.objectAs<Tplayer>(5), &p);

    Grid plain;
    club.rostergrid(plain, {});
    EXPECT_EQ(plain.colCount(), 17);
    EXPECT_EQ(plain.cell(1, 1), club.roster[0]->name);
    EXPECT_EQ(plain.object(1), nullptr);
}

TEST_F(ClubTest, RosterFollowsTheTablesOrder) {
    Tteam club(*world, 20, 1, 5);
    std::vector<Tplayer*> before;
    for (auto& p : club.roster) before.push_back(p.get());
    Grid g;
    club.rostergrid(g, {1});
    gridsort(g, 15, false);  // by roster index, descending
    club.rosterfromgrid(g);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(club.roster[i].get(), before[17 - i]);
}

TEST_F(ClubTest, FormationKeyPicksTheLineAfterIt) {
    Tteam club(*world, 20, 1, 5);
    for (auto& p : club.roster) p->at = 3;
    club.roster[4]->at = 2;
    club.roster[6]->at = 0;
    club.roster[9]->at = 6;
    club.roster[10]->at = 6;
    club.formationload();  // key "1021"
    const auto& lines = world->fixedLines("data/formation.txt");
    const auto it = std::find(lines.begin(), lines.end(), "1021");
    ASSERT_NE(it, lines.end());
    const std::string& spots = *(it + 1);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(club.position[i].x, std::stoi(spots.substr(6 * i, 3)));
        EXPECT_EQ(club.position[i].y, std::stoi(spots.substr(6 * i + 3, 3)));
    }
    Point marker;
    club.posconvert(marker, 3, true);
    EXPECT_EQ(marker, (Point{club.position[3].x - 6, club.position[3].y - 6}));
    marker = {100, 200};
    club.posconvert(marker, 3, false);
    EXPECT_EQ(club.position[3], (Point{106, 206}));
}

TEST_F(ClubTest, MatchSideStandsOnTheFormationSpots) {
    Tteam club(*world, 20, 1, 5);
    for (int i = 0; i < 11; ++i) club.position[i] = {30 + 10 * i, 40 + 20 * i};
    Tmteam side;
    club.matchteam(side, false);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(side[i].name, club.roster[i]->name);
        EXPECT_EQ(side[i].x, 30 + 10 * i);
        EXPECT_EQ(side[i].basey, 40 + 20 * i);
        EXPECT_DOUBLE_EQ(side[i].fy, 40 + 20 * i);
        EXPECT_EQ(club.roster[i]->games, 1);
    }
    EXPECT_EQ(club.roster[11]->games, 0);
}

TEST_F(ClubTest, BinaryFormRoundTripsByteForByte) {
    Tteam club(*world, 40, 2, 12);
    club.name = "ヴェルモーラＦＣ";
    club.emblem.at(3, 4) = 0xFF123456;
    club.position[2] = {111, 222};
    club.coach[1] = {20, 21, 22, 23, 24, 25, 26};
    club.coachpower = {20, 21, 22, 23, 24, 25, 26};
    club.youth.push_back(std::make_unique<Tplayer>(*world, 15, 12, 6));
    club.injured.push_back(club.playerremove(0));
    club.popularity = 65;
    OutStream out;
    club.teamsave(out);

    Tteam copy(*world, 15, 1, 12);
    copy.popularity = 3;
    InStream in(out.bytes());
    copy.teamload(in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(copy.name, club.name);
    EXPECT_EQ(copy.emblem, club.emblem);
    EXPECT_EQ(copy.position, club.position);
    EXPECT_EQ(copy.coach, club.coach);
    EXPECT_EQ(copy.youth.size(), 1u);
    EXPECT_EQ(copy.injured.size(), 1u);
    EXPECT_EQ(copy.roster.size(), 17u);
    EXPECT_EQ(copy.popularity, 3);  // not stored
    for (std::size_t i = 0; i < club.roster.size(); ++i)
        EXPECT_EQ(copy.roster[i]->name, club.roster[i]->name);
    OutStream again;
    copy.teamsave(again);
    EXPECT_EQ(again.bytes(), out.bytes());
}

// Raw bytes of the club layout, written here from the layout itself.
struct Bytes {
    std::string s;
    void i32(std::int32_t v) {
        for (int k = 0; k < 4; ++k)
            s.push_back(static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF));
    }
    void str(const std::string& utf8) {
        const std::string cp = toCp932(utf8);
        i32(static_cast<std::int32_t>(cp.size()));
        s += cp;
    }
    void player(const std::string& name, int at, int mood) {
        str(name);
        for (int v : {27, at, 1, 300, 5, 2, 1, -3, 26, mood, 0})
            i32(v);  // age at leg rating games goals assists form peak mood injury
        for (int k = 0; k < 7; ++k) i32(30 + k);     // ability
        for (int k = 0; k < 7; ++k) i32(100 + k);    // exp
        for (int k = 0; k < 7; ++k) i32(1 + k % 4);  // talent
        for (int k = 0; k < 7; ++k) i32(20 + k);     // lastability
        str("/1*3**");
    }
};

TEST_F(ClubTest, AHandBuiltClubStreamIsReadFieldByField) {
    Bitmap emblem(12, 12, 0xFF00FF00);
    emblem.at(0, 0) = 0xFFFF0000;
    Bytes b;
    b.s = encodeBmp(emblem);
    b.str("テスト横浜");
    b.i32(321);  // money
    b.i32(7);    // doctor
    for (int i = 0; i < 11; ++i) {
        b.i32(20 + i);
        b.i32(240 - i);
    }
    for (int k = 0; k < 28; ++k) b.i32(10 + k);  // coach power, coaches 1..3
    b.i32(1);
    b.player("若手　太郎", 4, 60);
    b.i32(0);
    b.i32(2);
    b.player("Ａ．スミス", 0, 50);
    b.player("山本　二郎", 6, 80);

    Tteam club(*world, 15, 1, 3);
    InStream in(b.s);
    club.teamload(in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(club.emblem.at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(club.emblem.at(5, 5), 0xFF00FF00u);
    EXPECT_EQ(club.name, "テスト横浜");
    EXPECT_EQ(club.money, 321);
    EXPECT_EQ(club.doctor, 7);
    EXPECT_EQ(club.position[10], (Point{30, 230}));
    EXPECT_EQ(club.coachpower[6], 16);
    EXPECT_EQ(club.coach[0][0], 17);
    EXPECT_EQ(club.coach[2][6], 37);
    ASSERT_EQ(club.youth.size(), 1u);
    EXPECT_EQ(club.youth[0]->name, "若手　太郎");
    EXPECT_TRUE(club.injured.empty());
    ASSERT_EQ(club.roster.size(), 2u);
    const Tplayer& p = *club.roster[1];
    EXPECT_EQ(p.name, "山本　二郎");
    EXPECT_EQ(p.age, 27);
    EXPECT_EQ(p.at, 6);
    EXPECT_EQ(p.rating, 300);
    EXPECT_EQ(p.form, -3);
    EXPECT_EQ(p.mood, 80);
    EXPECT_EQ(p.ability[6], 36);
    EXPECT_EQ(p.exp[0], 100);
    EXPECT_EQ(p.talent[3], 4);
    EXPECT_EQ(p.lastability[1], 21);
    EXPECT_EQ(p.career, "/1*3**");
    EXPECT_EQ(p.club, 3);
    EXPECT_EQ(p.value, 600);  // 300 x 2.5 at mood 80, four fifths in Division 2
}

TEST_F(ClubTest, DamagedClubStreamsAreRefused) {
    Tteam club(*world, 40, 2, 12);
    OutStream out;
    club.teamsave(out);
    const std::string bytes = out.bytes();
    for (std::size_t cut : {10ul, 100ul, 600ul, bytes.size() - 2}) {
        Tteam copy(*world, 15, 1, 12);
        InStream in(std::string_view(bytes).substr(0, cut));
        EXPECT_THROW(copy.teamload(in), FormatError) << cut;
    }
    // An absurd youth count (the first count after the fixed part).
    std::string absurd = bytes;
    const std::size_t youthCount = encodeBmp(club.emblem).size() + 4 + 4 + 4 + 88 + 112;
    absurd[youthCount + 3] = '\x7f';
    Tteam copy(*world, 15, 1, 12);
    InStream in(absurd);
    EXPECT_THROW(copy.teamload(in), FormatError);
}

}  // namespace
}  // namespace vm
