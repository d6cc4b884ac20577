// SPDX-License-Identifier: GPL-3.0-or-later
// The news programme page by page: the order of the pages, what each shows,
// and what the pages change: ranks, pruned rankings and prizes, the calendar
// and the season's end, injuries, the end-of-programme clean-up.
#include <gtest/gtest.h>

#include <filesystem>

#include "league/versus.h"
#include "season/news_fixture.h"
#include "util/errors.h"

namespace vm {
namespace {
namespace fs = std::filesystem;
using test::NewsTest;

TEST_F(NewsTest, AnOrdinaryMatchDayShowsBothResultsTheNextOpponentAndTheInjuries) {
    season(3);
    allResults();
    result(2, 0, 0, 2);  // club 0 beat its opponent 2-1
    result(2, 0, 1, 1);
    for (const char* f : {"save1.dat", "img.bmp"}) writeLines(tmp(f), {"x"});

    NewsProgramme news(*world, kAfterMatchDay);
    EXPECT_EQ(news.page().kind, PageKind::opening);
    EXPECT_EQ(news.page().message.at(0), world->team(0).name + "TVの時間になりました");

    const NewsPage& d1 = news.nextPage();
    EXPECT_EQ(d1.kind, PageKind::results);
    EXPECT_EQ(d1.title, "DIV1の第4節の結果");
    EXPECT_EQ(d1.message.size(), 1u);  // club 0 plays in Division 2

    const NewsPage& d2 = news.nextPage();
    EXPECT_EQ(d2.number, 5);
    EXPECT_EQ(d2.division, 2);
    EXPECT_EQ(d2.table.cell(2, 1), "2 - 1");
    EXPECT_EQ(d2.goals[0][0].size(), 2u);
    EXPECT_EQ(d2.message.at(1), world->team(0).name + "が勝ちました！");

    const NewsPage& next = news.nextPage();
    EXPECT_EQ(next.number, 9);
    EXPECT_EQ(next.kind, PageKind::opponent);
    EXPECT_EQ(world->leagues[0]->round, 4);
    EXPECT_EQ(world->leagues[1]->round, 4);
    const Tteam& opponent =
        world->team(world->leagues[1]->clubOfRow(world->leagues[1]->schedule[4][0].second));
    EXPECT_EQ(next.title, opponent.name + "の予想戦術");
    ASSERT_EQ(next.table.rowCount(), 12);
    EXPECT_EQ(next.table.cell(0, 11), "11");
    EXPECT_EQ(next.table.cell(1, 1), opponent.roster[0]->name);
    EXPECT_EQ(next.shirts.size(), 11u);

    const NewsPage& injuries = news.nextPage();
    EXPECT_EQ(injuries.kind, PageKind::injuries);
    EXPECT_EQ(injuries.table.cell(12, 0), "状態");
    for (int c = 0; c < kClubCount; ++c) EXPECT_GE(world->team(c).roster.size(), 11u);

    const NewsPage& end = news.nextPage();
    EXPECT_EQ(end.kind, PageKind::end);
    EXPECT_FALSE(end.toTitle);
    EXPECT_TRUE(news.finished());
    for (const char* f : {"200", "201", "141", "save1.dat", "img.bmp"}) EXPECT_FALSE(fs::exists(tmp(f))) << f;
}

TEST_F(NewsTest, TheUsersDefeatAndDrawAreReported) {
    season(0);
    allResults();
    result(2, 0, 1, 3);
    NewsProgramme news(*world, kAfterMatchDay);
    news.nextPage();
    EXPECT_EQ(news.nextPage().message.at(1), world->team(0).name + "は負けちゃいました");

    allResults();
    NewsProgramme again(*world, kAfterMatchDay);
    again.nextPage();
    EXPECT_EQ(again.nextPage().message.at(1), world->team(0).name + "は引き分けでした");
}

TEST_F(NewsTest, TheLastMatchDayRanksPaysThePrizesAndEndsTheSeason) {
    season(kRounds - 1);
    allResults();
    standings(1, {13, 17, 10, 11, 12, 14, 15, 16, 19, 18});
    standings(2, {4, 7, 0, 1, 2, 3, 5, 6, 8, 9});
    Tleague& d1 = *world->leagues[0];
    Tleague& d2 = *world->leagues[1];
    d1.scorerlist = {entry(3, 14, "Ｃ"), entry(12, 11, "Ａ"), entry(12, 16, "Ｂ")};
    d2.assistlist = {entry(2, 5, "Ｅ"), entry(9, 0, "我らが司令塔")};
    const int money11 = world->team(11).money, money16 = world->team(16).money,
              money14 = world->team(14).money;
    const int money0 = world->team(0).money;

    NewsProgramme news(*world, kAfterMatchDay);
    EXPECT_EQ(d1.scorerlist.size(), 3u);  // the last day's lists are ranked on their own pages

    const NewsPage& table1 = clickTo(news, 2);
    EXPECT_EQ(table1.kind, PageKind::table);
    EXPECT_EQ(table1.message.back(), world->team(19).name + "と" + world->team(18).name + "はDIV2に降格です");

    const NewsPage& scorers1 = news.nextPage();
    EXPECT_EQ(scorers1.kind, PageKind::scorers);
    EXPECT_TRUE(scorers1.leaders);
    EXPECT_EQ(scorers1.title, "DIV1得点ランク");
    EXPECT_EQ(world->team(11).money, money11 + 200);
    EXPECT_EQ(world->team(16).money, money16 + 200);
    EXPECT_EQ(world->team(14).money, money14);

    const NewsPage& table2 = clickTo(news, 6);
    EXPECT_EQ(table2.message.at(1), world->team(0).name + "は3位です");
    EXPECT_EQ(table2.message.back(), world->team(4).name + "と" + world->team(7).name + "はDIV1に昇格です");

    const NewsPage& assists2 = clickTo(news, 8);
    EXPECT_EQ(assists2.kind, PageKind::assists);
    EXPECT_EQ(assists2.message.at(0), "DIV2のアシストランキングです");
    EXPECT_EQ(assists2.message.at(1), "我らが司令塔がアシスト王になりました");
    EXPECT_EQ(world->team(0).money, money0 + 100);

    const auto history = readLines(tmp("history.txt")).size();
    const NewsPage& replacement = news.nextPage();
    EXPECT_EQ(replacement.kind, PageKind::replacement);
    EXPECT_FALSE(world->leagues[0] || world->leagues[1]);
    EXPECT_EQ(world->kanri.year, 2);
    EXPECT_EQ(readLines(tmp("history.txt")).size(), history + 1);
    EXPECT_EQ(news.swapclub(), 9);  // Division 2's last
    EXPECT_FALSE(fs::exists(tmp("09.rank")));
    EXPECT_TRUE(fs::exists(tmp("save.dat")));

    const NewsPage& doctor = news.nextPage();
    EXPECT_EQ(doctor.kind, PageKind::doctor);
    const int rows = doctor.table.rowCount();
    ASSERT_GE(rows, 3);
    news.selectDoctor(2);
    const int fee = std::stoi(doctor.table.cell(1, 2));
    const int before = world->team(0).money;
    EXPECT_EQ(news.nextPage().kind, PageKind::end);
    EXPECT_EQ(world->team(0).doctor, 1);
    EXPECT_EQ(world->team(0).money, before - fee);
}

TEST_F(NewsTest, AFailedSeasonEndLeavesTheCalendarWhereItWasAndCanBeRepeated) {
    season(kRounds - 1);
    allResults();
    NewsProgramme news(*world, kAfterMatchDay);
    clickTo(news, 8);
    // The history cannot be written: the season end refuses before changing anything.
    fs::remove(tmp("history.txt"));
    fs::create_directory(tmp("history.txt"));
    EXPECT_ANY_THROW(news.nextPage());
    EXPECT_EQ(news.newspage(), 8);
    ASSERT_TRUE(world->leagues[0]);
    EXPECT_EQ(world->leagues[0]->round, kRounds - 1);
    EXPECT_EQ(world->kanri.year, 1);

    fs::remove(tmp("history.txt"));
    writeLines(tmp("history.txt"), {"heading"});
    EXPECT_EQ(news.nextPage().kind, PageKind::replacement);
    EXPECT_EQ(world->kanri.year, 2);
}

TEST_F(NewsTest, AfterAVersusMatchTheResultIsShownAndTheProgrammeEndsOnTheTitleScreen) {
    vsstart(*world);
    result(2, 0, 0, 2);
    result(2, 0, 1, 0);
    NewsProgramme news(*world, kAfterVersus);
    const NewsPage& page = news.nextPage();
    EXPECT_EQ(page.kind, PageKind::versus);
    EXPECT_EQ(page.message.at(0), world->team(0).name + "対" + world->team(1).name + "の結果です");
    ASSERT_EQ(page.table.rowCount(), 2);
    EXPECT_EQ(page.table.rowText(1), "," + world->team(0).name + ",2 - 0," + world->team(1).name + ",");
    EXPECT_EQ(page.goals[0][0].size(), 2u);
    const NewsPage& end = news.nextPage();
    EXPECT_EQ(end.kind, PageKind::end);
    EXPECT_TRUE(end.toTitle);
    EXPECT_FALSE(fs::exists(tmp("200")));
}

TEST_F(NewsTest, RanksAreSharedByEqualCountsAndTheNextCountGetsItsRowNumber) {
    std::vector<std::string> list{"05,東,ｅ,01", "07,西,ｂ,02", "07,北,ｃ,03", "09,南,ａ,04"};
    Grid g;
    garankmake(list, g, "順位,得点,チーム,選手");
    ASSERT_EQ(g.rowCount(), 5);
    EXPECT_EQ(g.rowText(1), "1,9,南,ａ,04");
    EXPECT_EQ(g.rowText(2), "2,7,北,ｃ,03");  // equal counts in descending text order
    EXPECT_EQ(g.rowText(3), "2,7,西,ｂ,02");
    EXPECT_EQ(g.rowText(4), "4,5,東,ｅ,01");
    EXPECT_EQ(list.size(), 4u);
}

TEST_F(NewsTest, TiesAtTenthAreAllListedAndEveryoneBelowLeavesTheList) {
    std::vector<std::string> list;
    for (int k = 0; k < 3; ++k) list.push_back("03,下位," + std::to_string(k) + ",05");
    for (int k = 0; k < 12; ++k) list.push_back("05,並び," + std::to_string(10 + k) + ",06");
    for (int k = 0; k < 9; ++k) list.push_back(std::to_string(11 + k) + ",上位," + std::to_string(k) + ",07");
    const std::vector<std::string> kept(list.begin() + 3, list.end());
    Grid g;
    garankmake(list, g, "順位,得点,チーム,選手");
    EXPECT_EQ(g.rowCount(), 1 + 9 + 12);
    EXPECT_EQ(g.cell(0, 9), "9");
    for (int r = 10; r <= 21; ++r) EXPECT_EQ(g.cell(0, r), "10") << r;
    EXPECT_EQ(list, kept);
}

TEST_F(NewsTest, EveryFirstRankedPlayerEarnsHisClubThePrizeAndOurOwnGetsAMention) {
    std::vector<std::string> list{entry(4, 3, "脇役"), entry(8, 5, "二人目"), entry(8, 0, "主砲")};
    Grid g;
    const std::vector<RankLine> ranking = garankmake(list, g, "順位,得点,チーム,選手");
    const int money0 = world->team(0).money, money5 = world->team(5).money, money3 = world->team(3).money;
    const auto lines = gaking(*world, ranking, "得点", 1);
    EXPECT_EQ(lines, std::vector<std::string>{"主砲が得点王になりました"});
    EXPECT_EQ(world->team(0).money, money0 + 200);
    EXPECT_EQ(world->team(5).money, money5 + 200);
    EXPECT_EQ(world->team(3).money, money3);

    // A damaged club number in a loaded list pays nobody.
    std::vector<std::string> damaged{"08,何処,誰,7x"};
    EXPECT_TRUE(gaking(*world, garankmake(damaged, g, ""), "得点", 2).empty());
}

TEST_F(NewsTest, TheWebsiteBetweenSeasonsOffersOnlyThePastSeasons) {
    NewsProgramme site(*world, kWebsite);
    EXPECT_EQ(site.page().kind, PageKind::menu);
    EXPECT_EQ(site.menu(2).title, "シーズンオフです");
    EXPECT_FALSE(site.page().tableVisible);
    const NewsPage& history = site.menu(9);
    EXPECT_EQ(history.title, "過去の成績はありません");
    EXPECT_EQ(site.nextPage().kind, PageKind::history);  // the message box turns no pages on the website
    EXPECT_EQ(site.menu(10).kind, PageKind::end);
    EXPECT_TRUE(site.finished());
}

TEST_F(NewsTest, TheWebsitePrunesTheRankingsButPaysNoPrize) {
    season(kRounds - 1);
    world->leagues[0]->scorerlist = {entry(12, 11, "Ａ")};
    const int money = world->team(11).money;
    NewsProgramme site(*world, kWebsite);
    const NewsPage& page = site.menu(2);
    EXPECT_EQ(page.kind, PageKind::scorers);
    EXPECT_FALSE(page.leaders);
    EXPECT_EQ(world->team(11).money, money);
    EXPECT_EQ(site.menu(8).kind, PageKind::injuries);
    EXPECT_FALSE(site.page().tableVisible);  // nobody is injured
    EXPECT_EQ(site.page().title, "怪我人はいません");
}

TEST_F(NewsTest, TheWebsiteShowsOurInjuredUnderTheProgrammesHeading) {
    season(4);
    Tteam& club = world->team(0);
    club.roster.back()->injury = 3;
    club.injured.push_back(club.playerremove(club.playerhigh()));
    const std::string name = club.injured.back()->name;
    NewsProgramme site(*world, kWebsite);
    const NewsPage& page = site.menu(8);
    ASSERT_TRUE(page.tableVisible);
    EXPECT_EQ(page.title, "怪我人情報");
    EXPECT_EQ(page.table.rowText(0), "Name,Age,AT,Spe,Str,Ctl,Sht,Dri,Pas,Cro,Leg,状態,,,,");
    EXPECT_EQ(page.table.cell(0, 1), name);
    EXPECT_EQ(page.table.cell(11, 1), "あと3節");
}

}  // namespace
}  // namespace vm
