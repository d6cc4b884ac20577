// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's model: reading the career's statistics and the
// club's history into what the pages show.
#include "season/statsmodel.h"

#include <algorithm>
#include <filesystem>

#include "league/world.h"
#include "util/grid.h"
#include "util/textfile.h"

namespace vm {

std::vector<const MatchRecord*> lastdaymatches(const World& w) {
    std::vector<const MatchRecord*> out;
    for (const MatchRecord& r : w.stats.lastday) out.push_back(&r);
    std::stable_partition(out.begin(), out.end(),
                          [](const MatchRecord* r) { return r->clubs[0] == 0 || r->clubs[1] == 0; });
    return out;
}

std::vector<PositionLine> positionlines(const World& w) {
    const CareerStats& st = w.stats;
    std::vector<PositionLine> lines;
    if (st.season != w.kanri.year || st.lastround < 0) return lines;
    std::vector<int> clubs = w.kanri.clubsOf(w.kanri.mydiv);
    std::stable_partition(clubs.begin(), clubs.end(), [](int k) { return k == 0; });
    for (int k : clubs) {
        PositionLine line{k, w.team(k).name, {}};
        for (int r = 0; r <= st.lastround; ++r) line.positions.push_back(st.positions[k][r]);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<ClubSeason> clubseasons(const World& w) {
    std::vector<ClubSeason> out;
    const auto file = w.path(kHistoryFile);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return out;
    for (const std::string& line : readLines(file)) {
        const std::vector<std::string> f = splitCommas(line);
        if (f.size() < 10) continue;
        try {
            ClubSeason s;
            int* fields[] = {&s.season, &s.division, &s.position, &s.wins,     &s.draws,
                             &s.losses, &s.scored,   &s.conceded, &s.conceded, &s.points};
            for (int i = 0; i < 10; ++i) {
                if (i == 8) continue;  // the difference follows from the goals
                std::size_t used = 0;
                *fields[i] = std::stoi(f[i], &used);
                if (used != f[i].size()) throw std::invalid_argument(f[i]);
            }
            if (s.division < 1 || s.division > 2 || s.position < 1 || s.position > 10) continue;
            out.push_back(s);
        } catch (const std::exception&) {
            continue;  // the heading, or a line of somebody's editing
        }
    }
    return out;
}

namespace {

bool atclub(const World& w, int id) {
    const Tteam& club = w.team(0);
    for (const auto* list : {&club.roster, &club.youth, &club.injured}) {
        for (const auto& p : *list)
            if (p->statsid == id) return true;
    }
    return false;
}

std::vector<ClubScorer> ranking(const World& w, int TrackedPlayer::*count) {
    std::vector<ClubScorer> out;
    for (const auto& [id, p] : w.stats.players) {
        if (p.*count > 0) out.push_back({p.name, p.*count, atclub(w, id)});
    }
    std::stable_sort(out.begin(), out.end(), [](const ClubScorer& a, const ClubScorer& b) {
        return a.count != b.count ? a.count > b.count : a.name < b.name;
    });
    return out;
}

}  // namespace

ClubRecords clubrecords(const World& w) {
    ClubRecords rec;
    const std::vector<ClubSeason> seasons = clubseasons(w);
    if (!seasons.empty()) rec.historySince = seasons.front().season;
    for (const ClubSeason& s : seasons) {
        if (s.position == 1) (s.division == 1 ? rec.titles : rec.secondTitles).push_back(s.season);
        if (s.division == 2 && s.position <= 2) rec.promotions.push_back(s.season);
        if (!rec.best || s.ladder() < rec.best->ladder() ||
            (s.ladder() == rec.best->ladder() && s.points > rec.best->points))
            rec.best = s;
    }
    rec.resultsSince = w.stats.since;
    for (const UserResult& r : w.stats.results) {
        const int margin = r.scored - r.conceded;
        auto better = [&](const std::optional<UserResult>& b, int sign) {
            if (!b) return true;
            const int old = (b->scored - b->conceded) * sign;
            return margin * sign > old ||
                   (margin * sign == old && (sign > 0 ? r.scored > b->scored : r.conceded > b->conceded));
        };
        if (margin > 0 && better(rec.biggestWin, 1)) rec.biggestWin = r;
        if (margin < 0 && better(rec.biggestLoss, -1)) rec.biggestLoss = r;
    }
    rec.scorers = ranking(w, &TrackedPlayer::goals);
    rec.assisters = ranking(w, &TrackedPlayer::assists);
    return rec;
}

std::vector<TrackedChoice> trackedplayers(const World& w) {
    std::vector<TrackedChoice> out;
    const Tteam& club = w.team(0);
    for (const auto* list : {&club.roster, &club.youth, &club.injured}) {
        for (const auto& p : *list) {
            if (trackedrecord(w, *p) != nullptr) out.push_back({p->statsid, p->name});
        }
    }
    return out;
}

const TrackedPlayer* trackedrecord(const World& w, int id) {
    const auto it = w.stats.players.find(id);
    return it == w.stats.players.end() ? nullptr : &it->second;
}

const TrackedPlayer* trackedrecord(const World& w, const Tplayer& p) {
    return p.statsid == 0 ? nullptr : trackedrecord(w, p.statsid);
}

}  // namespace vm
