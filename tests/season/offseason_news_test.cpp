// SPDX-License-Identifier: GPL-3.0-or-later
// The decisions between seasons on the news pages: the doctors for next
// season, the replacement of Division 2's last club, the transfer report and
// the youth players' promotion that leads into the new season.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/savefiles.h"
#include "league/versus.h"
#include "season/news_fixture.h"
#include "util/errors.h"
#include "util/stream.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::NewsTest;

DoctorList doctors(std::initializer_list<int> fees) {
    DoctorList list{"医師,契約金,紹介", {}};
    for (int fee : fees) list.doctors.push_back({"医師" + std::to_string(fee), fee, ""});
    return list;
}

TEST(Doctors, AComputerClubHiresADoctorOnlyWhenItCouldAffordTheNextOne) {
    const DoctorList list = doctors({0, 20, 40, 70, 100});
    EXPECT_EQ(doctorrow(39, list), 1);  // reaches the second fee, not the third
    EXPECT_EQ(doctorrow(40, list), 2);
    EXPECT_EQ(doctorrow(1999, list), 4);
    EXPECT_EQ(doctorrow(2000, list), 5);  // the last doctor needs 2000
    EXPECT_EQ(doctorrow(0, list), 1);
}

TEST(Doctors, AClubInDebtTakesTheFirstDoctorInsteadOfReadingTheHeadingAsAFee) {
    EXPECT_EQ(doctorrow(-250, doctors({0, 20, 40})), 1);
    EXPECT_EQ(doctorrow(5, doctors({10, 20, 40})), 1);
}

class DoctorPage : public NewsTest {
protected:
    // The programme at the season's end, one click before the doctors.
    std::unique_ptr<NewsProgramme> atDoctors() {
        auto news = std::make_unique<NewsProgramme>(*world, 9);
        return news;
    }
};

TEST_F(DoctorPage, ComputerClubsHireAtOnceAndOurTableListsWhatWeCanAfford) {
    world->team(3).money = 2500;
    world->team(4).money = 45;
    world->team(5).money = -300;
    world->team(0).money = 75;
    auto news = atDoctors();
    const NewsPage& page = news->nextPage();
    ASSERT_EQ(page.kind, PageKind::doctor);
    EXPECT_EQ(page.message.at(2), "所持金：75");

    EXPECT_EQ(world->team(3).doctor, 9);  // the dearest of the ten
    EXPECT_EQ(world->team(3).money, 2000);
    EXPECT_EQ(world->team(4).doctor, 1);  // reaches 40, not 70
    EXPECT_EQ(world->team(4).money, 25);
    EXPECT_EQ(world->team(5).doctor, 0);
    EXPECT_EQ(world->team(5).money, -300);

    // Fees 0, 20, 40, 70 are within 75.
    ASSERT_EQ(page.table.rowCount(), 5);
    EXPECT_EQ(page.table.cell(1, 0), "契約金");
    EXPECT_EQ(page.table.cell(1, 4), "70");
    EXPECT_EQ(world->team(0).doctor, 5);  // booked only when the programme ends
    EXPECT_THROW(news->selectDoctor(5), std::out_of_range);
    news->selectDoctor(4);
    news->nextPage();
    EXPECT_TRUE(news->finished());
    EXPECT_EQ(world->team(0).doctor, 3);
    EXPECT_EQ(world->team(0).money, 5);
}

TEST_F(DoctorPage, AClubInDebtStillSeesAndGetsTheFirstDoctor) {
    world->team(0).money = -40;
    auto news = atDoctors();
    const NewsPage& page = news->nextPage();
    ASSERT_EQ(page.table.rowCount(), 2);
    news->nextPage();
    EXPECT_EQ(world->team(0).doctor, 0);
    EXPECT_EQ(world->team(0).money, -40);
}

TEST_F(DoctorPage, ADamagedDoctorListChangesNothingAndThePageCanBeTriedAgain) {
    const auto good = readLines(world->path("data/doctor.txt"));
    writeLines(world->path("data/doctor.txt"), {"医師,契約金,紹介", "木原,0,新米", "葉山,二十,町医者"});
    std::array<int, kClubCount> money{};
    for (int c = 0; c < kClubCount; ++c) money[c] = world->team(c).money;
    auto news = atDoctors();
    EXPECT_THROW(news->nextPage(), DataError);
    EXPECT_EQ(news->newspage(), 9);
    EXPECT_TRUE(news->failed()) << "the screen's way on is the title";
    for (int c = 0; c < kClubCount; ++c) EXPECT_EQ(world->team(c).money, money[c]);

    writeLines(world->path("data/doctor.txt"), {"医師,契約金,紹介"});
    EXPECT_THROW(news->nextPage(), DataError);

    writeLines(world->path("data/doctor.txt"), good);
    EXPECT_EQ(news->nextPage().kind, PageKind::doctor);
    EXPECT_FALSE(news->failed());
}

class SeasonEndPage : public NewsTest {
protected:
    // The last match day's programme clicked up to the replacement page, with
    // Division 2 finishing in the given order.
    std::unique_ptr<NewsProgramme> replacementFor(const std::vector<int>& division2) {
        season(kRounds - 1);
        allResults();
        standings(1, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
        standings(2, division2);
        auto news = std::make_unique<NewsProgramme>(*world, kAfterMatchDay);
        clickTo(*news, 9);
        return news;
    }

    std::string clubImage(int club) const {
        OutStream s;
        world->team(club).teamsave(s);
        return s.bytes();
    }
};

TEST_F(SeasonEndPage, NoReplacementIsOfferedWhenWeFinishedLast) {
    auto news = replacementFor({1, 2, 3, 4, 5, 6, 7, 8, 9, 0});
    const NewsPage& page = news->page();
    EXPECT_EQ(page.kind, PageKind::replacement);
    EXPECT_FALSE(page.replacementOffered);
    EXPECT_FALSE(page.tableVisible);
    EXPECT_EQ(page.message,
              (std::vector<std::string>{"我々のチームがdiv2で最下位でした", "来季は頑張りましょう"}));
    EXPECT_EQ(news->swapclub(), 0);
    EXPECT_THROW(news->stay(), std::logic_error);
}

TEST_F(SeasonEndPage, AVersusClubTakesTheLastPlaceAndStayBringsTheOldClubBack) {
    // Our own club, exported, is the versus club on offer.
    vssave(*world, vsPath(*world, "rival"), "よろしく");
    auto news = replacementFor({0, 1, 2, 3, 4, 5, 6, 7, 9, 8});
    ASSERT_TRUE(news->page().replacementOffered);
    EXPECT_EQ(news->swapclub(), 8);
    EXPECT_EQ(news->page().versusFiles, std::vector<std::string>{"rival"});
    const std::string before = clubImage(8);
    const std::string lastName = world->team(8).name;
    const int money = world->team(8).money;
    EXPECT_EQ(news->page().message.at(0),
              "ここで、今期div2で最下位となった" + lastName + "と他のチームの入れ替えができます");
    EXPECT_EQ(news->page().table.cell(0, 1), world->team(8).roster[0]->name);

    const NewsPage& picked = news->pickVersus("rival");
    EXPECT_EQ(world->team(8).name, world->team(0).name);
    EXPECT_EQ(world->team(8).money, money);
    EXPECT_EQ(world->team(8).clubno, 8);
    EXPECT_EQ(picked.message.at(1), "選択チーム：rival");
    EXPECT_EQ(picked.message.at(2), "コメント：よろしく");
    EXPECT_EQ(picked.table.cell(0, 1), world->team(8).roster[0]->name);

    EXPECT_THROW(news->pickVersus("missing"), DataError);
    EXPECT_EQ(world->team(8).name, world->team(0).name);  // the slot is as it was

    news->stay();
    EXPECT_EQ(clubImage(8), before);
    EXPECT_EQ(news->page().message.at(0),
              "ここで、今期div2で最下位となった" + lastName + "と他のチームの入れ替えができます");
    EXPECT_EQ(news->nextPage().kind, PageKind::doctor);
}

class AfterTransfers : public NewsTest {
protected:
    void tradeLog(const std::vector<std::string>& moves) {
        std::vector<std::string> lines{"移籍元,選手名,金額,→,移籍先,元No,先No"};
        lines.insert(lines.end(), moves.begin(), moves.end());
        writeLines(tmp("trade.txt"), lines);
    }
};

TEST_F(AfterTransfers, TheReportListsEveryMoveByPriceAndThenOurs) {
    tradeLog({"甲,一郎,300,→1,乙,3,5", "丙,二郎,500,→2,丁,0,4", "丙,三郎,0,－>,引退,0",
              "戊,四郎,100,→1,丙,7,0", "己,五郎,300,→3,庚,6,2"});
    NewsProgramme news(*world, kAfterTransfers);
    const NewsPage& all = news.nextPage();
    EXPECT_EQ(all.kind, PageKind::trades);
    EXPECT_FALSE(fs::exists(tmp("trade.txt")));
    ASSERT_EQ(all.table.rowCount(), 6);
    std::vector<std::string> order;
    for (int r = 1; r < 6; ++r) order.push_back(all.table.cell(1, r));
    // Price first; equal prices by the settlement round, later rounds first.
    EXPECT_EQ(order, (std::vector<std::string>{"二郎", "五郎", "一郎", "四郎", "三郎"}));

    const NewsPage& ours = news.nextPage();
    EXPECT_EQ(ours.kind, PageKind::ourtrades);
    ASSERT_EQ(ours.table.rowCount(), 4);
    std::vector<std::string> names;
    for (int r = 1; r < 4; ++r) names.push_back(ours.table.cell(1, r));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"三郎", "二郎", "四郎"}));
}

TEST_F(AfterTransfers, AWindowWithoutOurClubSaysSo) {
    tradeLog({"甲,一郎,300,→1,乙,3,5"});
    NewsProgramme news(*world, kAfterTransfers);
    news.nextPage();
    const NewsPage& ours = news.nextPage();
    EXPECT_FALSE(ours.tableVisible);
    EXPECT_EQ(ours.message.back(), "移籍・引退はありませんでした");
}

TEST_F(AfterTransfers, PromotingTheLastYouthPlayerStartsTheSeasonWithoutAClick) {
    tradeLog({});
    Tteam& club = world->team(0);
    club.youth.clear();
    club.youthmake();
    club.youthmake();
    Tplayer* first = club.youth[0].get();
    const std::size_t roster = club.roster.size();
    NewsProgramme news(*world, kAfterTransfers);
    clickTo(news, 16);
    ASSERT_EQ(news.page().kind, PageKind::youth);
    ASSERT_EQ(news.page().table.rowCount(), 3);

    news.promoteYouth(1);
    EXPECT_EQ(club.roster.back().get(), first);
    EXPECT_EQ(news.page().kind, PageKind::youth);
    EXPECT_EQ(news.page().table.rowCount(), 2);
    EXPECT_FALSE(world->leagues[0]);

    const NewsPage& next = news.promoteYouth(1);
    EXPECT_EQ(club.roster.size(), roster + 2);
    EXPECT_EQ(next.number, 18);
    EXPECT_EQ(next.kind, PageKind::opponent);
    ASSERT_TRUE(world->leagues[0] && world->leagues[1]);
    EXPECT_EQ(world->leagues[0]->round, 0);
    EXPECT_EQ(world->leagues[1]->round, 0);
    EXPECT_EQ(news.nextPage().kind, PageKind::injuries);
    EXPECT_EQ(news.nextPage().kind, PageKind::end);
}

TEST_F(AfterTransfers, TheComputerClubsPromoteOnTheYouthPage) {
    tradeLog({});
    Tteam& club = world->team(6);
    club.youth.clear();
    club.youthmake();
    club.youth[0]->ability = {89, 89, 89, 89, 89, 89, 89};
    NewsProgramme news(*world, kAfterTransfers);
    clickTo(news, 16);
    EXPECT_TRUE(club.youth.empty());
}

}  // namespace
}  // namespace vm
