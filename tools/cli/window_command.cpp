// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool window: a new game's first transfer window, played through the
// same weekly steps as the transfer screen. The user's club makes no offers
// and accepts every offer for its players.
#include <charconv>
#include <map>
#include <ostream>
#include <set>

#include "command.h"
#include "league/newgame.h"
#include "league/window.h"
#include "output.h"
#include "transfers/tradelog.h"
#include "workdir.h"

namespace vm::cli {
namespace {

class AcceptEverything : public TradeChoices {
public:
    std::vector<std::string> messages;
    int answered = 0;
    void offers(Ttrade&, const Grid&) override {}
    void decide(Ttrade& trade, const OwnerDecision& d) override {
        trade.acceptoffer(d.record);
        ++answered;
    }
    void inform(const std::string& text) override { messages.push_back(text); }
};

struct ClubState {
    int roster = 0;
    int youth = 0;
    int money = 0;
};

std::vector<ClubState> clubs(const World& w) {
    std::vector<ClubState> out;
    for (int c = 0; c < kClubCount; ++c) {
        const Tteam& t = w.team(c);
        out.push_back({static_cast<int>(t.roster.size()), static_cast<int>(t.youth.size()), t.money});
    }
    return out;
}

// Everyone the world owns: club lists and the pool.
std::multiset<const Tplayer*> everyone(const World& w) {
    std::multiset<const Tplayer*> all;
    for (int c = 0; c < kClubCount; ++c)
        for (const PlayerList* list : {&w.team(c).roster, &w.team(c).youth, &w.team(c).injured})
            for (const auto& p : *list) all.insert(p.get());
    if (w.trade)
        for (const auto& p : w.trade->pool) all.insert(p.get());
    return all;
}

// How a week changed the world's players: new youth only, nobody lost or held twice.
struct Census {
    int before = 0;
    int after = 0;
    int added = 0;
    int lost = 0;
    int twice = 0;
    bool ok() const { return lost == 0 && twice == 0 && after == before + added; }
};

Census census(const std::multiset<const Tplayer*>& before, const std::multiset<const Tplayer*>& after) {
    Census c;
    c.before = static_cast<int>(before.size());
    c.after = static_cast<int>(after.size());
    for (const Tplayer* p : after) {
        if (after.count(p) > 1) ++c.twice;
        if (!before.count(p)) ++c.added;
    }
    for (const Tplayer* p : before)
        if (!after.count(p)) ++c.lost;
    return c;
}

void printClubs(std::ostream& out, const std::vector<ClubState>& s, bool json) {
    if (json) {
        jsonArrayOf(out, static_cast<int>(s.size()), [&](int c) {
            out << "{\"club\":" << c << ",\"roster\":" << s[c].roster << ",\"youth\":" << s[c].youth
                << ",\"money\":" << s[c].money << "}";
        });
        return;
    }
    out << "  club roster youth money\n";
    for (std::size_t c = 0; c < s.size(); ++c)
        out << "  " << c << " " << s[c].roster << " " << s[c].youth << " " << s[c].money << "\n";
}

void printLines(std::ostream& out, const std::vector<std::string>& lines, bool json) {
    if (json) {
        jsonStrings(out, lines);
        return;
    }
    for (const auto& l : lines) out << "  " << l << "\n";
}

// A number the transfer table wrote; the round is written as "→N".
int tableNumber(std::string_view cell) {
    if (cell.rfind("→", 0) == 0) cell.remove_prefix(std::string_view("→").size());
    int v = 0;
    std::from_chars(cell.data(), cell.data() + cell.size(), v);
    return v;
}

void printMovesJson(std::ostream& out, const std::vector<std::vector<std::string>>& moves) {
    jsonArray(out, moves, [&](const std::vector<std::string>& m) {
        out << "{\"player\":" << jsonString(m.at(1)) << ",\"from\":" << tableNumber(m.at(5))
            << ",\"fromName\":" << jsonString(m.at(0)) << ",\"to\":" << tableNumber(m.at(6))
            << ",\"toName\":" << jsonString(m.at(4)) << ",\"fee\":" << tableNumber(m.at(2))
            << ",\"round\":" << tableNumber(m.at(3)) << "}";
    });
}

void printCensus(std::ostream& out, const Census& c, bool json) {
    if (json) {
        out << "{\"before\":" << c.before << ",\"after\":" << c.after << ",\"newYouth\":" << c.added
            << ",\"lost\":" << c.lost << ",\"twice\":" << c.twice << ",\"ok\":" << (c.ok() ? "true" : "false")
            << "}";
        return;
    }
    out << "  players " << c.before << " -> " << c.after << " (new youth " << c.added << ", lost " << c.lost
        << ", held twice " << c.twice << ") " << (c.ok() ? "ok" : "NG") << "\n";
}

int runWindow(const std::vector<std::string>& args, std::ostream& out) {
    Workdir dir(args);
    auto world = dir.world(args);
    const bool json = flag(args, "--json");
    newgame(*world);
    AcceptEverything user;
    bool ok = true;

    const auto start = clubs(*world);
    tradeopen(*world);
    const Ttrade& trade = *world->trade;
    if (json) {
        out << "{\"before\":";
        printClubs(out, start, true);
        out << ",\"opened\":{\"pool\":" << trade.pool.size() << ",\"clubs\":";
        printClubs(out, clubs(*world), true);
        out << "},\"weeks\":[";
    } else {
        out << "Before the window\n";
        printClubs(out, start, false);
        out << "After the clear-out: pool " << trade.pool.size() << "\n";
        printClubs(out, clubs(*world), false);
    }

    while (!tradeover(*world)) {
        const int week = world->trade->week;
        const auto before = everyone(*world);
        Grid table;
        user.messages.clear();
        tradestart(*world, user, table);
        offerdecide(*world, table);
        movedecide(*world, user);
        const std::vector<std::string> book = world->trade->offerbook;
        playermove(*world, user, table);
        // The week's moves: the table's rows (from, player, fee, round, to,
        // their club numbers) when the table lists them rather than a message.
        std::vector<std::vector<std::string>> moved;
        if (user.messages.empty())
            for (int r = 1; r < table.rowCount(); ++r) moved.push_back(table.rows()[r].cells);
        const Census c = census(before, everyone(*world));
        ok = ok && c.ok();
        for (int k = 0; k < kClubCount; ++k) ok = ok && world->team(k).roster.size() >= 11;

        if (json) {
            out << (week > 1 ? "," : "") << "{\"week\":" << week << ",\"offerbook\":";
            printLines(out, book, true);
            out << ",\"moves\":";
            printMovesJson(out, moved);
            out << ",\"messages\":";
            printLines(out, user.messages, true);
            out << ",\"pool\":" << world->trade->pool.size() << ",\"clubs\":";
            printClubs(out, clubs(*world), true);
            out << ",\"players\":";
            printCensus(out, c, true);
            out << "}";
        } else {
            out << "Week " << week << "\n Offer book\n";
            printLines(out, book, false);
            out << " Moves\n";
            for (const auto& cells : moved) out << "  " << commatext(cells) << "\n";
            printLines(out, user.messages, false);
            out << " Pool " << world->trade->pool.size() << "\n";
            printClubs(out, clubs(*world), false);
            printCensus(out, c, false);
        }
    }

    const auto log = readtradelog(*world);
    tradeend(*world);
    const auto end = clubs(*world);
    if (json) {
        out << "],\"log\":";
        printLines(out, log, true);
        out << ",\"after\":";
        printClubs(out, end, true);
        out << ",\"answered\":" << user.answered << ",\"ok\":" << (ok ? "true" : "false") << "}\n";
    } else {
        out << "Trade log\n";
        printLines(out, log, false);
        out << "After the window (offers answered: " << user.answered << ")\n";
        printClubs(out, end, false);
        out << (ok ? "ok" : "NG: a roster fell below 11 or a player was lost") << "\n";
    }
    return ok ? 0 : 3;
}

}  // namespace

VM_COMMAND("window", "window --seed N [--json] [--data DIR]", runWindow);

}  // namespace vm::cli
