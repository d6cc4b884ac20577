// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer engine of one transfer window: the free-agent pool, the weekly
// market, the computer clubs' needs and offers, the owners' decisions, the
// three-round settlement and the trade log. It exists only while a window is
// open (World::trade, league/window.h).
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "players/tteam.h"
#include "util/grid.h"

namespace vm {

class ClubWorld;

inline constexpr int kTradeClubs = 20;

// An operation asked at the wrong moment of a transfer week (the settlement
// while an offer for one of the user's players is unanswered, an offer after
// the offers were closed). The message can be shown to the user as it is.
struct TradeStateError : std::logic_error {
    using std::logic_error::logic_error;
};

// An offer for one of the user's players that the user must answer.
struct OwnerDecision {
    int record = 0;            // index in the offer book
    int index = 0;             // the player's roster index in club 0
    int price = 0;             // the asking price of the record
    std::vector<int> bidders;  // offering clubs, in the record's order
};

// One of the three targets a computer club bids for this week.
struct NeedTarget {
    int kind = 0;       // 0 keeper .. 6 forward line
    int need = 0;       // scaled need
    int threshold = 0;  // the need on the attributes' own scale
    bool operator==(const NeedTarget&) const = default;
};

// The columns of a market row (and of the candidate and recommendation tables).
enum MarketCol {
    kMarketTeam = 0,
    kMarketName = 1,
    kMarketAge = 2,
    kMarketAt = 3,
    kMarketSpe = 4,
    kMarketValue = 12,
    kMarketCondition = 15,
    kMarketOwner = 16,
    kMarketIndex = 17,
    kMarketCols = 18,
};

// The headings of the market's columns 0..14 (the owner and index columns have none).
inline constexpr const char* kMarketHeading =
    "Team,Player,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,Value,Gol,Asi";

// The 15 cells of a player row, name to condition, each in its own cell so
// that a name holding a comma cannot shift the cells after it.
std::vector<std::string> playercells(const Tplayer& p);

class Ttrade {
public:
    // Opens a window: 32 new free agents, a fresh trade log copied from
    // data/trade.txt, twenty empty offer lists, week 1. Throws DataError naming
    // the file when the template is missing, empty or unreadable, or the log
    // cannot be written; nothing of the world is changed then.
    explicit Ttrade(ClubWorld& world);

    int week = 1;
    PlayerList pool;
    std::array<std::vector<std::string>, kTradeClubs> clubofferlist;
    int curteam = 0;
    int bestscore = 0;
    int bestprice = 0;
    std::string bestkey;
    Grid market;
    Grid candidates;
    std::vector<std::string> offerbook;
    std::vector<std::string> moves;
    // Records of the offer book that wait for the user's answer.
    std::vector<int> opendecisions;

    // The pool (pool.cpp).
    Tplayer& freeagent(int index) const;
    void addfreeagent(std::unique_ptr<Tplayer> player);
    // The player an offer key names (pool when the owner is 99), or nullptr.
    Tplayer* playerat(int owner, int index) const;
    // The owner's name in the tables: the club's name, "無所属" for the pool.
    std::string ownername(int owner) const;

    // The market (pool.cpp).
    void marketmake();
    Grid candidatelist(int club) const;

    // Needs and searches (needs.cpp).
    // The seven need keys of a club's line-up, sorted ascending.
    std::array<std::string, 7> needkeys(const Tteam& club) const;
    std::array<NeedTarget, 3> needcheck(const Tteam& club) const;
    void kindsearch(int kind);
    bool candidatecheck(int score, int row);
    void aioffer();
    void recommend(Grid& out);

    // The offer lists and the offer book (offers.cpp).
    void offerlist(Grid& out);
    bool hasoffer(const std::string& key) const;
    // The user's offers: at most three; a fourth replaces the third.
    void addoffer(const std::string& key);
    void withdrawoffer(const std::string& key);
    void swapoffers(int first, int second);
    bool offersclosed() const { return offersclosed_; }

    // The owners' decisions (decisions.cpp).
    void ownerdecideall();
    void ownerdecide(int slot, int record);
    void pricehike(int record);
    bool pricechanged(const std::string& key, const std::string& shown) const;
    OwnerDecision decision(int record) const;
    // Throws TradeStateError while an offer for one of the user's players is unanswered.
    void requireanswers() const;
    void acceptoffer(int record);
    void refuseoffer(int record);

    // The settlement (settlement.cpp).
    void resolve();
    void resolveround(int round);

    // The moves (moves.cpp).
    // Lists the week's moves and appends them to the trade log; false (and no
    // change) when there were none.
    bool resultlist(Grid& out);
    // The same onto a trade log already read this week.
    bool resultlist(Grid& out, std::vector<std::string> log);
    void applymoves();

    // The off-season clear-out of one club as the window opens: retirements
    // and releases into the log, leavers into the pool, the squad refilled
    // from the youth (offseason.cpp).
    void offseason(Tteam& club);

    ClubWorld& world() const { return *world_; }

private:
    void closedecision(int record);
    void refill(Tteam& club);

    ClubWorld* world_;
    bool offersclosed_ = false;
};

// The three targets from the sorted need keys: the most urgent kind three
// times when it stands far apart, else the two or three most urgent kinds.
std::array<NeedTarget, 3> choosetargets(const std::array<std::string, 7>& sortedkeys);

// The text of "no transfer this week".
inline constexpr const char* kNoTransfersText = "移籍はありませんでした";
// The owner's name of a pool player.
inline constexpr const char* kPoolOwnerName = "無所属";

}  // namespace vm
