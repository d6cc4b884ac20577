// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/transferweekflow.h"

#include <charconv>
#include <stdexcept>

#include "league/world.h"
#include "season/tradetables.h"
#include "transfers/ttrade.h"

namespace vm {
namespace {

constexpr int kFootCol = 11;

std::size_t slot(TradeTable t) {
    return static_cast<std::size_t>(t);
}

std::optional<int> number(const std::string& text) {
    int v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc{} || p != end) return std::nullopt;
    return v;
}

Grid headed(const std::string& heading, int cols) {
    Grid g(cols, 1);
    g.setRow(0, heading);
    return g;
}

}  // namespace

TransferWeekFlow::TransferWeekFlow(World& world) : world_(world) {
    trade();  // a window must be open
    if (tradeover(world_)) step_ = settled;
    tables_[slot(TradeTable::lower)] = headed(kMarketHeading, kMarketCols);
    tables_[slot(TradeTable::recommended)] = headed(kMarketHeading, kMarketCols);
    tables_[slot(TradeTable::offers)] = offergrid(trade());
    tables_[slot(TradeTable::own)] = owngrid(world_.team(0));
}

Ttrade& TransferWeekFlow::trade() const {
    if (!world_.trade) throw TradeStateError("移籍期間ではありません");
    return *world_.trade;
}

std::string TransferWeekFlow::caption() const {
    switch (step_) {
        case beforeWeek: return "移籍開始";
        case offering: return "オファー決定";
        case listed: return "移籍可否";
        case deciding: return "選手移籍";
        case settled: return "移籍終了";
        default: return "";
    }
}

std::string TransferWeekFlow::windowCaption() const {
    if (shownWeek_ == 0) return kTradeWindowTitle;
    return "移籍期間　" + std::to_string(shownWeek_) + "週";
}

std::string TransferWeekFlow::moneyText() const {
    return kMoneyLabel + std::to_string(world_.team(0).money);
}

bool TransferWeekFlow::canStep() const {
    if (!world_.trade || step_ >= closing) return false;
    return step_ != deciding || world_.trade->opendecisions.empty();
}

bool TransferWeekFlow::tacticsAvailable() const {
    return step_ == beforeWeek && world_.trade;
}

int TransferWeekFlow::click(TradeChoices& choices) {
    if (step_ >= closing) throw TradeStateError("移籍期間は終わりました");
    const int from = step_;
    const int week = trade().week;
    step_ = from + 1;
    Grid results;
    try {
        switch (step_) {
            case offering: startweek(choices); break;
            case listed:
                offerdecide(world_, tableRef(TradeTable::lower));
                role_ = LowerRole::offers;
                break;
            case deciding:
                movedecide(world_, choices);
                offerdelgrid(trade(), tableRef(TradeTable::lower));
                break;
            case settled:
                playermove(world_, choices, results);
                afterSettlement(results);
                break;
            case closing: tradeend(world_); break;
            default: break;
        }
    } catch (...) {
        // A settlement that failed only at its trade log has still moved
        // the players and ended the week; anything else changed nothing.
        if (step_ == settled && world_.trade && world_.trade->week != week)
            afterSettlement(results);
        else
            step_ = from;
        throw;
    }
    return step_;
}

void TransferWeekFlow::startweek(TradeChoices& choices) {
    Grid recommended;
    tradestart(world_, choices, recommended);
    posname(recommended, kMarketAt);
    legname(recommended, kFootCol);
    shownWeek_ = trade().week;
    tableRef(TradeTable::recommended) = std::move(recommended);
    tableRef(TradeTable::own) = owngrid(world_.team(0));
    tableRef(TradeTable::offers) = offergrid(trade());
    sorts_ = {};
    upper_ = TradeTable::recommended;
    loadCandidates();
}

void TransferWeekFlow::afterSettlement(Grid& results) {
    // Without transfers the week's offers stay in the lower table.
    if (results.rowCount() > 0) {
        tableRef(TradeTable::lower) = std::move(results);
        role_ = LowerRole::results;
    }
    step_ = tradeover(world_) ? settled : beforeWeek;
    tableRef(TradeTable::offers) = offergrid(trade());
}

void TransferWeekFlow::loadCandidates() {
    tableRef(TradeTable::lower) = tlistload(trade());
    role_ = LowerRole::candidates;
    sorts_[slot(TradeTable::lower)] = {};
}

void TransferWeekFlow::activate() {
    if (!world_.trade) return;
    if (step_ == deciding && role_ == LowerRole::offers) offerdelgrid(trade(), tableRef(TradeTable::lower));
    tableRef(TradeTable::offers) = offergrid(trade());
}

const Grid& TransferWeekFlow::table(TradeTable t) const {
    return tables_.at(slot(t));
}

Grid& TransferWeekFlow::tableRef(TradeTable t) {
    return tables_.at(slot(t));
}

void TransferWeekFlow::showUpper(TradeTable t) {
    if (t == TradeTable::lower) throw std::invalid_argument("the lower table is no upper table");
    upper_ = t;
}

const char* TransferWeekFlow::upperTitle(TradeTable t) {
    switch (t) {
        case TradeTable::recommended: return "おすすめ選手";
        case TradeTable::offers: return "オファー表示";
        case TradeTable::own: return "自チーム選手";
        default: return kCandidatesTitle;
    }
}

bool TransferWeekFlow::applyFilter(const ListFilter& filter) {
    if (step_ != offering) return false;
    loadCandidates();
    narrowlist(tableRef(TradeTable::lower), filter);
    return true;
}

std::optional<ListFilter> TransferWeekFlow::resetFilter() {
    if (step_ != offering) return std::nullopt;
    loadCandidates();
    return ListFilter{};
}

bool TransferWeekFlow::sortBy(TradeTable t, int col) {
    if (!canSort() || (t != TradeTable::lower && t != TradeTable::own)) return false;
    Grid& g = tableRef(t);
    if (g.rowCount() <= 1 || col < 0 || col >= g.colCount()) return false;
    SortState& s = sorts_[slot(t)];
    s.ascending = s.col == col ? !s.ascending : false;
    s.col = col;
    if (col == kMarketAt)
        gridsortpos(g, col, s.ascending);
    else
        gridsort(g, col, s.ascending);
    return true;
}

std::optional<KeyParts> TransferWeekFlow::cardFor(TradeTable t, int row) const {
    if (step_ != offering) return std::nullopt;
    int ownercol = kMarketOwner;
    if (t == TradeTable::offers)
        ownercol = kOfferOwner;
    else if (t == TradeTable::own || (t == TradeTable::lower && role_ != LowerRole::candidates))
        return std::nullopt;
    const Grid& g = table(t);
    if (row < 1 || row >= g.rowCount() || ownercol + 1 >= g.colCount()) return std::nullopt;
    const auto owner = number(g.cell(ownercol, row));
    const auto index = number(g.cell(ownercol + 1, row));
    if (!owner || !index) return std::nullopt;
    return KeyParts{*owner, *index};
}

bool TransferWeekFlow::swapOffers(int selectedRow, int otherRow) {
    if (!world_.trade || trade().offersclosed()) return false;
    const Grid& g = table(TradeTable::offers);
    auto priority = [&](int row) -> std::optional<int> {
        if (row < 1 || row >= g.rowCount()) return std::nullopt;
        return number(g.cell(kOfferPriority, row));
    };
    const auto a = priority(selectedRow);
    const auto b = priority(otherRow);
    const int n = static_cast<int>(trade().clubofferlist[0].size());
    if (!a || !b || *a == *b || *a < 1 || *b < 1 || *a > n || *b > n) return false;
    trade().swapoffers(*a - 1, *b - 1);
    tableRef(TradeTable::offers) = offergrid(trade());
    return true;
}

int TransferWeekFlow::conditionOf(TradeTable t, int row) const {
    int col = kMarketCondition;
    if (t == TradeTable::offers) col = kOfferCondition;
    if (t == TradeTable::lower && role_ != LowerRole::candidates) return 0;
    const Grid& g = table(t);
    if (row < 1 || row >= g.rowCount() || col >= g.colCount()) return 0;
    return number(g.cell(col, row)).value_or(0);
}

bool TransferWeekFlow::markedPrice(int col, int row) const {
    const Grid& g = table(TradeTable::lower);
    return step_ == deciding && role_ == LowerRole::offers && col == kBookValue && row >= 1 &&
           row < g.rowCount() && g.cell(col, row).starts_with("*");
}

}  // namespace vm
