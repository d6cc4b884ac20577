// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer screen without the screen: the step button's counter and what
// each press does to the world, the four tables the screen draws, and what the
// screen may offer at each step (tactics, sorting, the filter, player cards).
// The screen draws the tables, forwards clicks and answers the window's
// questions by implementing TradeChoices: its decide() opens a decision card.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "league/window.h"
#include "season/marketfilter.h"
#include "transfers/offerkey.h"
#include "util/grid.h"

namespace vm {

class World;

// The screen's tables: the lower table (grid1) and the three upper tables
// (grid2 recommended players, grid3 the user's offers, grid4 his own players).
enum class TradeTable { lower, recommended, offers, own };

// What the lower table shows: the players the user can buy (step 1), the
// week's offers (steps 2 and 3, and after a week without transfers), the
// week's transfers (after the settlement).
enum class LowerRole { none, candidates, offers, results };

inline constexpr const char* kTradeWindowTitle = "移籍";
inline constexpr const char* kMoneyLabel = "所持金：";
inline constexpr const char* kCandidatesTitle = "獲得可能選手";

class TransferWeekFlow {
public:
    // The step counter: 0 before a week, 1 offering, 2 offers listed,
    // 3 owners deciding, 4 after week 3's settlement, 5 the window closed.
    enum Step { beforeWeek = 0, offering = 1, listed = 2, deciding = 3, settled = 4, closing = 5 };

    // The screen of an open window, at step 0 (at step 4 when the third week
    // is already settled). Throws TradeStateError when no window is open.
    explicit TransferWeekFlow(World& world);

    int step() const { return step_; }
    // The step button's caption: "移籍開始", "オファー決定", "移籍可否",
    // "選手移籍" or "移籍終了".
    std::string caption() const;
    // "移籍" until a week starts, then "移籍期間　N週".
    std::string windowCaption() const;
    // "所持金：" and club 0's money as it stands.
    std::string moneyText() const;

    // Whether the step button may be pressed: never while an offer for one of
    // the user's players is unanswered (step 3), nor once the window closed.
    bool canStep() const;
    // "戦術" is offered only before a week starts.
    bool tacticsAvailable() const;
    // The filter panel, the three upper-table buttons and the upper tables
    // are shown while the user makes his offers (step 1).
    bool filterVisible() const { return step_ == offering; }
    // Headings sort the lower table and the own players up to step 1.
    bool canSort() const { return step_ <= offering; }
    // True once "移籍終了" was pressed: the engine is gone and the screen
    // closes and opens the news after the transfers (kAfterTransfers).
    bool closed() const { return step_ == closing; }

    // The step button: the counter advances and its step runs (the week's
    // market, the computer clubs' offers, the owners' decisions through
    // choices.decide, the settlement, the window's end). Returns the counter.
    // On failure the error is passed on and the counter stays where it was,
    // unless the week was already settled.
    int click(TradeChoices& choices);

    // The screen became active again (a card closed): at step 3 the raised
    // prices are marked; the user's offers table is rebuilt.
    void activate();

    const Grid& table(TradeTable t) const;
    LowerRole lowerRole() const { return role_; }

    // The upper-table buttons: which table is shown and its title.
    void showUpper(TradeTable t);
    TradeTable upper() const { return upper_; }
    static const char* upperTitle(TradeTable t);

    // "絞込み": the candidates reloaded and narrowed. "初期化": reloaded, and
    // the panel's reset values returned. Both only at step 1 (false otherwise).
    bool applyFilter(const ListFilter& filter);
    std::optional<ListFilter> resetFilter();

    // A press on a heading of the lower or the own-players table: sorts by
    // that column, descending first, the other way on a second press.
    bool sortBy(TradeTable t, int col);

    // The player of a double-clicked row, for his card (pload): only at
    // step 1, in the lower, recommended and offers tables.
    std::optional<KeyParts> cardFor(TradeTable t, int row) const;

    // A right click on another offer than the selected one: the two trade
    // their priorities. False when that is not possible (now).
    bool swapOffers(int selectedRow, int otherRow);

    // The condition shown in a row, which colours its text (0 when the table
    // has none there).
    int conditionOf(TradeTable t, int row) const;
    // A raised asking price in the offers table at step 3, drawn in red.
    bool markedPrice(int col, int row) const;

private:
    struct SortState {
        int col = -1;
        bool ascending = false;
    };

    Ttrade& trade() const;
    Grid& tableRef(TradeTable t);
    void startweek(TradeChoices& choices);
    void settle(TradeChoices& choices);
    void afterSettlement(Grid& results);
    void loadCandidates();

    World& world_;
    int step_ = beforeWeek;
    int shownWeek_ = 0;
    LowerRole role_ = LowerRole::none;
    TradeTable upper_ = TradeTable::recommended;
    std::array<Grid, 4> tables_;
    std::array<SortState, 4> sorts_;
};

}  // namespace vm
