// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics board while the line-up is edited: places given and taken, the
// markers dragged, the line-up stored or refused, the coach's choice, the
// heading sorts and formation files.
#include <algorithm>
#include <filesystem>

#include "season/tactics_fixture.h"
#include "util/arith.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::TacticsTest;

TEST_F(TacticsTest, OpeningShowsTheRosterInPlaceOrderAndTheSpotsAsMarkers) {
    TacticsBoard board(*world);
    const Grid& list = board.menberlist();
    ASSERT_EQ(list.colCount(), 14);
    ASSERT_EQ(list.rowCount(), 19);
    EXPECT_EQ(list.rowText(0), ",Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,,");
    for (int r = 1; r <= 18; ++r) {
        EXPECT_EQ(place(board, r), r <= 13 ? pad(r, 2) : " ");
        EXPECT_EQ(list.objectAs<Tplayer>(r), &club.getplayer(r - 1));
        EXPECT_EQ(list.cell(TacticsBoard::kPosCol, r), posText(club.getplayer(r - 1).at));
        EXPECT_EQ(list.cell(TacticsBoard::kIndexCol, r), pad(r - 1, 3));
    }
    for (int n = 1; n <= 13; ++n) {
        EXPECT_TRUE(board.marker(n).visible);
        EXPECT_EQ(board.marker(n).caption, pad(n, 2));
        EXPECT_EQ(board.marker(n).label, club.getplayer(n - 1).name);
    }
    for (int slot = 0; slot <= 10; ++slot) {
        const Point spot = club.position[slot];
        EXPECT_EQ(board.marker(slot + 1).corner, (Point{spot.x - 6, spot.y - 6}));
        EXPECT_EQ(board.marker(slot + 1).labelCorner(), (Point{spot.x - 6, spot.y + 9}));
    }
    EXPECT_EQ(board.marker(12).corner, (Point{202, 436}));
    EXPECT_EQ(board.marker(13).corner, (Point{202, 452}));
}

TEST_F(TacticsTest, ARosterOfTwelveHidesMarkerThirteenAndStillStoresItsLineUp) {
    while (club.roster.size() > 12) club.playerremove(club.playerhigh());
    TacticsBoard board(*world);
    EXPECT_TRUE(board.marker(12).visible);
    EXPECT_FALSE(board.marker(13).visible);
    EXPECT_EQ(board.marker(13).label, "");
    EXPECT_FALSE(board.menberselect(13, 1));  // a hidden marker takes no player

    // The twelve swap places 01 and 12; every place there is stays held.
    ASSERT_TRUE(board.menberselect(12, 1));
    ASSERT_TRUE(board.menberselect(1, 12));
    const auto before = squad();
    ASSERT_TRUE(board.tacticssave());
    EXPECT_EQ(&club.getplayer(0), before[11]);
    EXPECT_EQ(&club.getplayer(11), before[0]);
}

TEST_F(TacticsTest, APlaceTakenFromItsHolderLeavesHisPlaceEmpty) {
    TacticsBoard board(*world);
    const std::string newcomer = club.getplayer(14).name;
    ASSERT_TRUE(board.menberselect(3, 15));  // row 15 had no place
    EXPECT_EQ(place(board, 15), "03");
    EXPECT_EQ(place(board, 3), " ");
    EXPECT_EQ(board.marker(3).label, newcomer);

    // A player moved from his own place leaves that place without a name.
    const std::string mover = club.getplayer(4).name;
    ASSERT_TRUE(board.menberselect(7, 5));
    EXPECT_EQ(place(board, 5), "07");
    EXPECT_EQ(place(board, 7), " ");
    EXPECT_EQ(board.marker(7).label, mover);
    EXPECT_EQ(board.marker(5).label, "");

    // Giving a player the place he holds changes nothing.
    ASSERT_TRUE(board.menberselect(7, 5));
    EXPECT_EQ(place(board, 5), "07");
    EXPECT_EQ(board.marker(7).label, mover);
    EXPECT_FALSE(board.menberselect(7, 19));  // no such row
    EXPECT_FALSE(board.menberselect(14, 1));  // no such marker
}

TEST_F(TacticsTest, DraggingBeyondTheAreaStopsOnTheBorder) {
    TacticsBoard board(*world);
    ASSERT_TRUE(board.drag(5, {-50, 900}));
    EXPECT_EQ(board.marker(5).corner, (Point{74, 424}));
    EXPECT_EQ(board.marker(5).labelCorner(), (Point{74, 439}));
    ASSERT_TRUE(board.drag(11, {1000, 10}));
    EXPECT_EQ(board.marker(11).corner, (Point{264, 44}));
    ASSERT_TRUE(board.drag(2, {150, 200}));
    EXPECT_EQ(board.marker(2).corner, (Point{144, 194}));

    const auto fixed = cornersOf(board);
    for (int n : {1, 12, 13}) EXPECT_FALSE(board.drag(n, {150, 200})) << n;
    EXPECT_EQ(cornersOf(board), fixed);
}

TEST_F(TacticsTest, OkStoresSpotsAtTheMarkersAndTheRosterInPlaceOrder) {
    TacticsBoard board(*world);
    const auto before = squad();
    const auto spots = club.position;
    ASSERT_TRUE(board.menberselect(2, 14));  // the first out of the squad starts in place 02
    ASSERT_TRUE(board.menberselect(13, 2));  // and the man he replaced sits on the bench
    ASSERT_TRUE(board.drag(4, {100, 120}));
    board.sortBy(1);  // a list sorted by name is stored by place all the same

    ASSERT_TRUE(board.tacticssave());
    std::vector<const Tplayer*> expected{before[0], before[13]};
    for (int i = 2; i <= 11; ++i) expected.push_back(before[i]);
    expected.push_back(before[1]);
    const auto now = squad();
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), now.begin()));
    // Those without a place follow, in the order the list showed them.
    std::vector<const Tplayer*> rest(now.begin() + 13, now.end());
    std::sort(rest.begin(), rest.end());
    std::vector<const Tplayer*> outside{before[12], before[14], before[15], before[16], before[17]};
    std::sort(outside.begin(), outside.end());
    EXPECT_EQ(rest, outside);

    EXPECT_EQ(club.position[3], (Point{100, 120}));
    for (int slot = 0; slot <= 10; ++slot) {
        if (slot == 3) continue;
        EXPECT_EQ(club.position[slot], spots[slot]) << slot;
    }
    // The list now reads in place order, and its index column names the new roster places.
    for (int r = 1; r <= 18; ++r) {
        EXPECT_EQ(board.menberlist().objectAs<Tplayer>(r), now[r - 1]);
        EXPECT_EQ(board.menberlist().cell(TacticsBoard::kIndexCol, r), pad(r - 1, 3));
        EXPECT_EQ(board.rosterIndex(r), r - 1);
    }
}

TEST_F(TacticsTest, AnIncompleteLineUpIsRefusedAndNothingChanges) {
    TacticsBoard board(*world);
    ASSERT_TRUE(board.menberselect(3, 5));  // place 05 is left without a player
    ASSERT_TRUE(board.drag(6, {90, 60}));
    board.sortBy(2);
    const auto before = squad();
    const auto spots = club.position;
    const Grid list = board.menberlist();

    EXPECT_FALSE(board.tacticssave());
    EXPECT_EQ(squad(), before);
    EXPECT_EQ(club.position, spots);
    for (int r = 0; r < list.rowCount(); ++r) {
        EXPECT_EQ(board.menberlist().rowText(r), list.rowText(r));
        EXPECT_EQ(board.menberlist().object(r), list.object(r));
    }
}

TEST_F(TacticsTest, HeadingSortsStartDescendingAndTheSameHeadingReverses) {
    TacticsBoard board(*world);
    const Grid& list = board.menberlist();
    auto column = [&](int col) {
        std::vector<int> v;
        for (int r = 1; r < list.rowCount(); ++r) v.push_back(std::stoi(list.cell(col, r)));
        return v;
    };
    board.sortBy(2);
    auto ages = column(2);
    EXPECT_TRUE(std::is_sorted(ages.rbegin(), ages.rend()));
    board.sortBy(2);
    ages = column(2);
    EXPECT_TRUE(std::is_sorted(ages.begin(), ages.end()));

    // Positions sort by the field's order GK..FW, not by their letters.
    board.sortBy(TacticsBoard::kPosCol);
    std::vector<int> order;
    for (int r = 1; r < list.rowCount(); ++r) order.push_back(list.objectAs<Tplayer>(r)->at);
    EXPECT_TRUE(std::is_sorted(order.rbegin(), order.rend()));
    EXPECT_EQ(order.front(), 6);
    EXPECT_EQ(order.back(), 0);

    // Places: the players without one come last in ascending order.
    board.sortBy(0);
    board.sortBy(0);
    for (int r = 1; r <= 18; ++r) EXPECT_EQ(place(board, r), r <= 13 ? pad(r, 2) : " ");
}

TEST_F(TacticsTest, TheCoachPicksTheComputersLineUpAndFormation) {
    test::Scratch other;
    auto twin = other.world(7);
    Tteam& expected = twin->team(0);
    expected.autoselect();
    expected.formationload();

    TacticsBoard board(*world);
    ASSERT_TRUE(board.menberselect(1, 17));
    ASSERT_TRUE(board.drag(3, {270, 430}));
    board.coachSelect();
    for (int i = 0; i <= club.playerhigh(); ++i)
        EXPECT_EQ(club.getplayer(i).name, expected.getplayer(i).name);
    EXPECT_EQ(club.position, expected.position);
    // The board is drawn anew from the club.
    for (int n = 1; n <= 13; ++n) EXPECT_EQ(board.marker(n).label, club.getplayer(n - 1).name);
    EXPECT_EQ(board.marker(3).corner, (Point{club.position[2].x - 6, club.position[2].y - 6}));
}

TEST_F(TacticsTest, TheCoachLeavesTheClubAloneWhenTheFormationDataIsBroken) {
    std::reverse(club.roster.begin(), club.roster.end());  // far from the coach's own order
    // Every shape is there, but its spots stop after the keeper's.
    std::string broken;
    for (const char* a : {"0", "1"})
        for (const char* b : {"0", "1"})
            for (const char* c : {"0", "1", "2"})
                for (const char* d : {"0", "1"}) broken += std::string(a) + b + c + d + "\r\n020240\r\n";
    writeBytesAtomic(scratch.path("data/formation.txt"), broken);
    TacticsBoard board(*world);
    const auto before = squad();
    const auto spots = club.position;

    EXPECT_THROW(board.coachSelect(), DataError);
    EXPECT_EQ(squad(), before);
    EXPECT_EQ(club.position, spots);
    EXPECT_EQ(board.marker(1).label, before[0]->name);
}

TEST_F(TacticsTest, ARenamedPlayerShowsHisNewNameInTheListAndUnderHisMarker) {
    TacticsBoard board(*world);
    ASSERT_TRUE(board.menberselect(5, 3));  // the third player takes place 05, 03 stays empty
    board.sortBy(TacticsBoard::kNameCol);   // rows no longer in roster order
    Tplayer& moved = club.getplayer(2);
    Tplayer& reserve = club.getplayer(11);
    moved.name = "新しい名前";
    reserve.name = "控えの名前";

    board.rereadNames();

    const Grid& list = board.menberlist();
    auto nameOf = [&](const Tplayer& p) {
        for (int r = 1; r < list.rowCount(); ++r)
            if (list.objectAs<Tplayer>(r) == &p) return list.cell(TacticsBoard::kNameCol, r);
        return std::string("(not listed)");
    };
    EXPECT_EQ(nameOf(moved), "新しい名前");
    EXPECT_EQ(nameOf(reserve), "控えの名前");
    EXPECT_EQ(board.marker(5).label, "新しい名前");
    EXPECT_EQ(board.marker(3).label, "") << "nobody holds place 03";
    EXPECT_EQ(board.marker(12).label, "控えの名前");
    EXPECT_EQ(board.marker(1).label, club.getplayer(0).name);
}

TEST_F(TacticsTest, ASavedFormationComesBackOnTheMarkersAndLeavesTheClubAlone) {
    TacticsBoard board(*world);
    for (int n = 2; n <= 11; ++n) ASSERT_TRUE(board.drag(n, {80 + 19 * n, 430 - 35 * n}));
    const MarkerCorners saved = board.corners();
    const fs::path file = formationFolder(*world) / "mine.frm";
    board.formationSave(file);

    for (int n = 2; n <= 11; ++n) ASSERT_TRUE(board.drag(n, {200, 200}));
    const auto spots = club.position;
    board.formationOpen(file);
    EXPECT_EQ(board.corners(), saved);
    for (int n = 2; n <= 11; ++n) EXPECT_EQ(board.marker(n).corner, saved[n - 2]);
    EXPECT_EQ(club.position, spots);  // only "OK" changes the club
}

TEST_F(TacticsTest, AnUnusableFormationFileMovesNoMarker) {
    TacticsBoard board(*world);
    const fs::path file = formationFolder(*world) / "two.frm";
    const std::string line = formationline(board.corners());
    writeBytesAtomic(file, line + "\r\n" + line + "\r\n");
    ASSERT_TRUE(board.drag(4, {100, 100}));
    const auto before = cornersOf(board);

    EXPECT_THROW(board.formationOpen(file), FormatError);
    EXPECT_THROW(board.formationOpen(formationFolder(*world) / "missing.frm"), DataError);
    EXPECT_EQ(cornersOf(board), before);
}

TEST_F(TacticsTest, TheFormationFolderIsMadeWhenMissing) {
    fs::remove_all(scratch.path("data/formation"));
    EXPECT_EQ(formationFolder(*world), scratch.path("data/formation"));
    EXPECT_TRUE(fs::is_directory(scratch.path("data/formation")));
}

}  // namespace
}  // namespace vm
