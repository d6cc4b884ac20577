// SPDX-License-Identifier: GPL-3.0-or-later
// The news programme's page sequencer, its opening and end, and the website menu.
#include "season/newsprogramme.h"

#include <filesystem>
#include <stdexcept>

#include "league/runner.h"
#include "league/season.h"
#include "league/world.h"

namespace vm {
namespace fs = std::filesystem;

NewsProgramme::NewsProgramme(World& world, int start) : world_(world), newspage_(start) {
    website_ = start == kWebsite;
    page_.number = start;
    if (website_) {
        page_.kind = PageKind::menu;
        return;
    }
    const Tleague* first = world_.leagues[0].get();
    if (start == kAfterMatchDay && first && first->round != kRounds - 1) {
        // The lists are pruned after every match day; on the last one the
        // ranking pages do it, with the prizes.
        Grid scratch;
        for (auto& league : world_.leagues) {
            garankmake(league->scorerlist, scratch, "");
            garankmake(league->assistlist, scratch, "");
        }
    }
    page_.kind = PageKind::opening;
    page_.largeCaster = true;
    page_.message = {world_.team(0).name + "TV" + "の時間になりました", "（ここを左クリックで次へ進みます）"};
}

bool NewsProgramme::lastMatchDay() const {
    return world_.leagues[0] && world_.leagues[0]->round == kRounds - 1;
}

const NewsPage& NewsProgramme::nextPage() {
    if (finished_ || website_) return page_;
    int p = newspage_ + 1;
    // Tables and rankings are shown only after the last match day.
    if (world_.leagues[0] && world_.leagues[0]->round < kRounds - 1) {
        if (p == 2) p = 5;
        if (p == 6) p = 9;
    }
    if (p == 17) {
        // The new season starts between the youth page and the first
        // opponent, without a click of its own.
        seasonstart(world_);
        newspage_ = 17;
        return nextPage();
    }
    const int before = newspage_;
    newspage_ = p;
    try {
        show(p);
    } catch (...) {
        newspage_ = before;
        failed_ = true;
        throw;
    }
    failed_ = false;
    return page_;
}

void NewsProgramme::show(int p) {
    NewsPage pg;
    pg.number = p;
    pg.tableVisible = true;
    const int d = p / 5 + 1;
    switch (p) {
        case 1:
        case 5: resultoutput(pg, d); break;
        case 2:
        case 6: rankoutput(pg, d); break;
        case 3:
        case 7: ranking(pg, d, true); break;
        case 4:
        case 8: ranking(pg, d, false); break;
        case 9:
        case 18: nextday(pg); break;
        case 10:
        case 19:
            if (world_.leagues[0])
                injuryinfo(pg);
            else
                hiredoctor(pg);
            break;
        case 12: vsresult(pg); break;
        case 14: traderesult(pg); break;
        case 15: trademyresult(pg); break;
        case 16: youthtotop(pg, true); break;
        default: endtv(pg); break;
    }
    page_ = std::move(pg);
}

void NewsProgramme::endtv(NewsPage& pg) {
    pg = NewsPage{};
    pg.number = newspage_;
    pg.kind = PageKind::end;
    pg.largeCaster = true;
    std::error_code ec;
    for (int d = 1; d <= 2; ++d)
        for (int m = 0; m < kPairings; ++m)
            for (int s = 0; s < 2; ++s) fs::remove(world_.path(resultfilename(d, m, s)), ec);
    fs::remove(world_.path("data/tmp/save1.dat"), ec);
    fs::remove(world_.path("data/tmp/img.bmp"), ec);
    // At the season's end club 0's doctor is booked from the row then selected.
    if (!world_.leagues[0] && doctorsShown_) {
        decidedoctor(world_, 0, doctorRow_, doctors_);
        doctorsShown_ = false;
    }
    pg.message = {"本日の番組はここまで", "また次回お会いしましょう"};
    pg.toTitle = newspage_ == 13;
    finished_ = true;
}

const NewsPage& NewsProgramme::menu(int row) {
    if (!website_ || finished_) return page_;
    NewsPage pg;
    pg.number = kWebsite;
    pg.kind = PageKind::menu;
    if (!world_.leagues[0] && row <= 8) {
        pg.kind = PageKind::offseason;
        pg.title = "シーズンオフです";
        page_ = std::move(pg);
        return page_;
    }
    pg.tableVisible = row != 0;
    switch (row) {
        case 0:
            menuOpen_ = !menuOpen_;
            pg = page_;
            break;
        case 1: rankoutput(pg, 1); break;
        case 2: ranking(pg, 1, true); break;
        case 3: ranking(pg, 1, false); break;
        case 4: rankoutput(pg, 2); break;
        case 5: ranking(pg, 2, true); break;
        case 6: ranking(pg, 2, false); break;
        case 7: matchreview(pg); break;
        case 8: injuryinfo(pg); break;
        case 9: historyview(pg); break;
        case 10:
            pg.kind = PageKind::end;
            pg.tableVisible = false;
            finished_ = true;
            break;
        default: return page_;
    }
    page_ = std::move(pg);
    return page_;
}

}  // namespace vm
