// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transfer windows run through the same steps as the transfer screen.
#include <filesystem>
#include <functional>
#include <set>

#include "league/newgame.h"
#include "league/window.h"
#include "transfers/trade_fixture.h"
#include "transfers/tradelog.h"
#include "util/errors.h"

namespace vm::test {
namespace {

// The user's side by script: offers from a callback, every decision
// accepted, refused, or left open.
class Script : public TradeChoices {
public:
    enum Answer { Accept, Refuse, Later };
    std::function<void(Ttrade&, const Grid&)> onoffers;
    Answer answer = Accept;
    std::vector<OwnerDecision> asked;
    std::vector<std::string> told;

    void offers(Ttrade& t, const Grid& recommended) override {
        if (onoffers) onoffers(t, recommended);
    }
    void decide(Ttrade& t, const OwnerDecision& d) override {
        asked.push_back(d);
        if (answer == Accept) t.acceptoffer(d.record);
        if (answer == Refuse) t.refuseoffer(d.record);
    }
    void inform(const std::string& text) override { told.push_back(text); }
};

class WindowTest : public TradeTest {
protected:
    void SetUp() override {
        world = scratch.world(3);  // the seed of the tool's example window
        newgame(*world);
    }

    // Every player the world owns, each once.
    std::multiset<const Tplayer*> everyone() {
        std::multiset<const Tplayer*> all;
        for (int c = 0; c < kClubCount; ++c)
            for (const PlayerList* list : {&club(c).roster, &club(c).youth, &club(c).injured})
                for (const auto& p : *list) all.insert(p.get());
        if (world->trade)
            for (const auto& p : trade().pool) all.insert(p.get());
        return all;
    }
    std::vector<int> money() {
        std::vector<int> m;
        for (int c = 0; c < kClubCount; ++c) m.push_back(club(c).money);
        return m;
    }
    Script script;
};

TEST_F(WindowTest, ThreeWeeksLoseNobodyAndLogEveryTransferInOrder) {
    // The user bids for the first two players recommended to him.
    std::vector<std::string> userkeys;
    script.onoffers = [&](Ttrade& t, const Grid& rec) {
        userkeys.clear();
        for (int r = 1; r < rec.rowCount() && r <= 2; ++r) {
            userkeys.push_back(rec.cell(kMarketOwner, r) + "," + rec.cell(kMarketIndex, r));
            t.addoffer(userkeys.back());
        }
    };
    tradeopen(*world);
    std::vector<std::string> expected = readtradelog(*world);
    const auto heading = readtradelog(*world)[0];
    for (std::size_t i = 1; i < expected.size(); ++i) {
        const auto f = splitcommatext(expected[i]);
        ASSERT_EQ(f.size(), 6u) << expected[i];
        EXPECT_TRUE(f[4] == "引退" || f[4] == "退団") << expected[i];
    }
    for (int c = 0; c < kClubCount; ++c) EXPECT_GE(club(c).youth.size(), 1u);

    std::size_t opened = expected.size();
    for (int week = 1; week <= 3; ++week) {
        ASSERT_FALSE(tradeover(*world));
        EXPECT_EQ(trade().week, week);
        const auto before = everyone();
        Grid table;
        tradestart(*world, script, table);
        offerdecide(*world, table);
        for (const auto& key : userkeys) {
            const bool booked = std::any_of(trade().offerbook.begin(), trade().offerbook.end(), [&](auto& r) {
                return r.rfind(key, 0) == 0 && r.find(",00") != std::string::npos;
            });
            EXPECT_TRUE(booked) << key;
        }
        movedecide(*world, script);
        playermove(*world, script, table);
        if (script.told.empty())  // the table now holds the week's results
            for (int r = 1; r < table.rowCount(); ++r) expected.push_back(commatext(table.rows()[r].cells));
        script.told.clear();

        // Nobody lost, nobody twice; only new youngsters are new.
        const auto after = everyone();
        for (const Tplayer* p : after) EXPECT_EQ(after.count(p), 1u);
        for (const Tplayer* p : before) EXPECT_EQ(after.count(p), 1u);
        for (int c = 0; c < kClubCount; ++c) EXPECT_GE(club(c).roster.size(), 11u) << c;
        EXPECT_TRUE(trade().offerbook.empty());
        EXPECT_TRUE(trade().moves.empty());
    }
    EXPECT_TRUE(tradeover(*world));
    EXPECT_GT(expected.size(), opened + 3);  // the window saw transfers
    Grid late;
    EXPECT_THROW(tradestart(*world, script, late), TradeStateError);
    EXPECT_EQ(readtradelog(*world), expected);
    EXPECT_EQ(readtradelog(*world)[0], heading);

    tradeend(*world);
    EXPECT_EQ(world->trade, nullptr);
}

TEST_F(WindowTest, TheSettlementWaitsForEveryAnswerOfTheUser) {
    tradeopen(*world);
    script.answer = Script::Later;
    Grid table;
    tradestart(*world, script, table);
    offerdecide(*world, table);
    // Club 3 wants the user's keeper as its first choice.
    Ttrade& t = trade();
    std::erase_if(t.offerbook, [](const std::string& r) { return r.rfind("00,000", 0) == 0; });
    t.offerbook.insert(t.offerbook.begin(), "00,000," + pricetext(club(0).getplayer(0).value) + "/1,03");
    club(3).money = 100000;
    movedecide(*world, script);
    ASSERT_FALSE(script.asked.empty());
    EXPECT_EQ(script.asked[0].record, 0);
    EXPECT_EQ(script.asked[0].index, 0);

    const auto book = t.offerbook;
    const auto cash = money();
    EXPECT_THROW(playermove(*world, script, table), TradeStateError);
    EXPECT_EQ(t.offerbook, book);
    EXPECT_EQ(money(), cash);
    EXPECT_EQ(t.week, 1);

    const Tplayer* keeper = club(0).roster[0].get();
    for (const auto& d : script.asked) t.acceptoffer(d.record);
    playermove(*world, script, table);
    bool atThree = false;
    for (const auto& p : club(3).roster) atThree = atThree || p.get() == keeper;
    EXPECT_TRUE(atThree);
    EXPECT_EQ(t.week, 2);
}

TEST_F(WindowTest, ALostTradeLogStopsTheSettlementBeforeAnyMoneyMoves) {
    tradeopen(*world);
    Grid table;
    tradestart(*world, script, table);
    offerdecide(*world, table);
    movedecide(*world, script);
    std::filesystem::remove(scratch.path("data/tmp/trade.txt"));
    const auto book = trade().offerbook;
    const auto cash = money();
    EXPECT_THROW(playermove(*world, script, table), DataError);
    EXPECT_EQ(trade().offerbook, book);
    EXPECT_EQ(money(), cash);
    EXPECT_EQ(trade().week, 1);
}

TEST_F(WindowTest, AWeekWithoutTransfersSaysSoAndStillEnds) {
    tradeopen(*world);
    for (int c = 0; c < kClubCount; ++c) club(c).money = -1;
    tradeweek(*world, script);
    EXPECT_EQ(script.told, (std::vector<std::string>{"移籍はありませんでした"}));
    EXPECT_EQ(trade().week, 2);
}

TEST_F(WindowTest, AClearOutThatFailsHalfWayPutsEverySquadBack) {
    std::vector<std::vector<std::string>> squads;
    for (int c = 0; c < kClubCount; ++c) {
        std::vector<std::string> rows;
        for (const auto& p : club(c).roster) rows.push_back(p->datatext() + p->career);
        for (const auto& p : club(c).youth) rows.push_back(p->datatext());
        squads.push_back(rows);
    }
    club(7).name = "クラブ\U0001F600";  // a name the log cannot hold
    club(7).roster[3]->moodadd(-100);   // so that club 7 has a line to write
    EXPECT_THROW(tradeopen(*world), EncodingError);
    EXPECT_EQ(world->trade, nullptr);
    for (int c = 0; c < kClubCount; ++c) {
        std::vector<std::string> rows;
        for (const auto& p : club(c).roster) rows.push_back(p->datatext() + p->career);
        for (const auto& p : club(c).youth) rows.push_back(p->datatext());
        if (c != 7) {
            EXPECT_EQ(rows, squads[c]) << c;
        }
        EXPECT_EQ(club(c).roster.size(), squads[c].size() - club(c).youth.size()) << c;
    }
    EXPECT_THROW(tradeend(*world), TradeStateError);
}

}  // namespace
}  // namespace vm::test
