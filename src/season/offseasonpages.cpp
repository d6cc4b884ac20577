// SPDX-License-Identifier: GPL-3.0-or-later
// The news pages of the decisions between two seasons: the replacement of
// Division 2's last club by a versus club, the doctors for next season and
// the youth players' promotion.
#include <charconv>
#include <stdexcept>
#include <string>

#include "league/savefiles.h"
#include "league/versus.h"
#include "league/world.h"
#include "season/newsprogramme.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {

constexpr const char* kDoctorFile = "data/doctor.txt";
// The fee that the last doctor needs on top of his own: a computer club hires
// him only with this much money.
constexpr int kLastDoctorMoney = 2000;
// A saved game holds doctor numbers up to this; a longer list could not be saved.
constexpr std::size_t kMaxDoctors = 1000;
constexpr int kMaxFee = 1000000;

int parseFee(const std::string& text, std::size_t line) {
    int fee = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), fee);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || fee < 0 || fee > kMaxFee)
        throw DataError(std::string(kDoctorFile) + " の " + std::to_string(line + 1) +
                        " 行目の契約金が不正です: " + text);
    return fee;
}

}  // namespace

DoctorList readdoctors(World& w) {
    std::vector<std::string> lines = readLines(w.shipped(kDoctorFile));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.size() < 2) throw DataError(std::string(kDoctorFile) + " に医者がいません");
    if (lines.size() - 1 > kMaxDoctors) throw DataError(std::string(kDoctorFile) + " の医者が多すぎます");
    DoctorList list;
    list.heading = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = splitCommas(lines[i]);
        if (fields.size() < 2)
            throw DataError(std::string(kDoctorFile) + " の " + std::to_string(i + 1) +
                            " 行目に契約金がありません");
        list.doctors.push_back({fields[0], parseFee(fields[1], i), fields.size() > 2 ? fields[2] : ""});
    }
    return list;
}

int doctorrow(int money, const DoctorList& list) {
    const int n = static_cast<int>(list.doctors.size());
    // Fee positions 1..n are the doctors' rows, n + 1 the money the last one needs.
    for (int k = n + 1; k >= 1; --k) {
        const int fee = k == n + 1 ? kLastDoctorMoney : list.doctors[k - 1].fee;
        if (money >= fee) return std::max(1, k - 1);
    }
    // Not even the first fee: the first (cheapest) doctor all the same.
    return 1;
}

void decidedoctor(World& w, int club, int row, const DoctorList& list) {
    if (row < 1 || row > static_cast<int>(list.doctors.size()))
        throw std::out_of_range("no doctor in row " + std::to_string(row));
    Tteam& t = w.team(club);
    t.doctor = row - 1;
    t.money -= list.doctors[row - 1].fee;
}

void NewsProgramme::newteam(NewsPage& pg) {
    pg.kind = PageKind::replacement;
    picked_.clear();
    swapclub_ = lastclubfind(world_);
    if (swapclub_ != 0) {
        try {
            // Kept so that "変更なし" can bring the club back after a pick.
            lastclubkeep(world_, swapclub_);
        } catch (const DataError& e) {
            pg.tableVisible = false;
            pg.message = {"入れ替えの準備ができませんでした", e.what()};
            swapclub_ = 0;
            return;
        }
    }
    if (swapclub_ == 0) {
        pg.tableVisible = false;
        pg.message = {"我々のチームがdiv2で最下位でした", "来季は頑張りましょう"};
        return;
    }
    replacementOffer(pg);
    replacementRoster(pg);
    for (const FileEntry& e : dataload(world_, "vs")) pg.versusFiles.push_back(e.name);
    pg.replacementOffered = true;
}

void NewsProgramme::replacementOffer(NewsPage& pg) const {
    pg.message = {
        "ここで、今期div2で最下位となった" + world_.team(swapclub_).name + "と他のチームの入れ替えができます",
        "（チームを選んでここをクリック）", "（変更なしの場合はこのままクリック）"};
}

void NewsProgramme::replacementRoster(NewsPage& pg) const {
    world_.team(swapclub_).rostergrid(pg.table, {12, 0});
    posname(pg.table, 2);
    legname(pg.table, 10);
    pg.conditionCol = 13;
    pg.tableVisible = true;
    pg.layout = {300, 330, 280, 20, 17, {{0, 80}, {2, 30}, {13, 0}, {14, 0}}};
}

const NewsPage& NewsProgramme::pickVersus(const std::string& name) {
    if (page_.kind != PageKind::replacement || swapclub_ == 0)
        throw std::logic_error("no club is offered for replacement");
    if (name == picked_) return page_;
    const std::string comment = lastclubreplace(world_, swapclub_, vsPath(world_, name));
    picked_ = name;
    page_.message = {"（チームを選んでここをクリック）", "選択チーム：" + name, "コメント：" + comment};
    replacementRoster(page_);
    return page_;
}

const NewsPage& NewsProgramme::stay() {
    if (page_.kind != PageKind::replacement || swapclub_ == 0)
        throw std::logic_error("no club is offered for replacement");
    lastclubrestore(world_, swapclub_);
    picked_.clear();
    replacementOffer(page_);
    replacementRoster(page_);
    return page_;
}

void NewsProgramme::hiredoctor(NewsPage& pg) {
    DoctorList list = readdoctors(world_);
    pg.kind = PageKind::doctor;
    for (int c = 1; c < kClubCount; ++c) decidedoctor(world_, c, doctorrow(world_.team(c).money, list), list);

    const int money = world_.team(0).money;
    pg.message = {"来期はどの医者を雇いますか", "（医者を選んでここをクリック）",
                  "所持金：" + std::to_string(money)};
    // Club 0 sees the doctors it can afford, and the first one in any case.
    int rows = static_cast<int>(list.doctors.size());
    while (rows > 1 && list.doctors[rows - 1].fee > money) --rows;
    Grid& g = pg.table;
    pg.layout = {170, 300, 280, 20, 50, {{2, 200}}};
    g = Grid(3, rows + 1);
    g.setRow(0, list.heading);
    for (int r = 1; r <= rows; ++r) {
        const Doctor& d = list.doctors[r - 1];
        g.cell(0, r) = d.name;
        g.cell(1, r) = std::to_string(d.fee);
        g.cell(2, r) = d.note;
    }
    doctors_ = std::move(list);
    doctorsShown_ = true;
    doctorRow_ = 1;
}

void NewsProgramme::selectDoctor(int row) {
    if (page_.kind != PageKind::doctor || row < 1 || row >= page_.table.rowCount())
        throw std::out_of_range("no doctor in row " + std::to_string(row));
    doctorRow_ = row;
}

void NewsProgramme::youthtotop(NewsPage& pg, bool computerClubs) {
    if (computerClubs)
        for (int c = 1; c < kClubCount; ++c) world_.team(c).autoyouth();
    pg.kind = PageKind::youth;
    pg.message = {"ユースからの昇格選手です", "20歳の選手を昇格させなかった場合はチームを離れます"};
    const Tteam& club0 = world_.team(0);
    club0.youthgrid(pg.table);
    pg.layout = {163, 314, 280, 20, 20, {{0, 100}, {2, 30}, {11, 0}, {12, 0}}};  // without index and sum
    pg.tableVisible = !club0.youth.empty();
    pg.youthOffered = true;
}

const NewsPage& NewsProgramme::promoteYouth(int row) {
    if (page_.kind != PageKind::youth || row < 1 || row >= page_.table.rowCount())
        throw std::out_of_range("no youth player in row " + std::to_string(row));
    const std::string& index = page_.table.cell(11, row);
    int k = -1;
    std::from_chars(index.data(), index.data() + index.size(), k);
    Tteam& club0 = world_.team(0);
    if (k < 0 || k >= static_cast<int>(club0.youth.size()))
        throw std::out_of_range("no youth player in row " + std::to_string(row));
    club0.youthpromote(k);
    NewsPage pg;
    pg.number = newspage_;
    youthtotop(pg, false);
    page_ = std::move(pg);
    if (club0.youth.empty()) return nextPage();
    return page_;
}

}  // namespace vm
