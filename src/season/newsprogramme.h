// SPDX-License-Identifier: GPL-3.0-or-later
// The news between match days as a sequence of pages, one per click. Several
// pages change the world: the results pages recompute the ranks, the ranking
// pages prune the ranking lists and pay the season's prizes, the calendar page
// advances the match day and ends the season, the injury page draws the week's
// injuries, the off-season pages replace Division 2's last club, hire the
// doctors and promote youth players, and the end page cleans up the match
// day's working files. The screen shows page() and forwards its clicks; the
// tool and the tests call the same steps in a loop.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "season/newspage.h"

namespace vm {

class World;

// Said with the error of a page that could not be shown: the programme cannot
// go on past it, so the next click (or closing the window) leads to the title
// screen, where a saved game can be loaded.
inline constexpr const char* kNewsFailedText =
    "このページを表示できないため、番組を続けることはできません。"
    "次のクリックでタイトル画面に戻りますので、セーブデータをロードしてください。";

// Where the programme starts (the page counter's first value).
enum NewsStart : int {
    kWebsite = -1,  // the club website, from the main screen
    kAfterMatchDay = 0,
    kAfterVersus = 11,
    kAfterTransfers = 13,
};

// A doctor of data/doctor.txt.
struct Doctor {
    std::string name;
    int fee = 0;
    std::string note;
};

// The doctors on offer and the heading of their table. Throws DataError naming
// the file when it is missing, holds no doctor, or a fee is not a sane whole
// number; nothing has changed then.
struct DoctorList {
    std::string heading;
    std::vector<Doctor> doctors;
};
DoctorList readdoctors(World& world);
// The table row (1 = the first doctor) a computer club with this money hires:
// the doctor of a row only when it could also afford the next row's fee, the
// last one only with 2000 or more. A club that reaches no fee takes the first.
int doctorrow(int money, const DoctorList& list);
// Books the doctor of table row `row` for a club and pays the fee.
void decidedoctor(World& world, int club, int row, const DoctorList& list);

// Builds a ranking table from a division's scorer or assist list (sorted
// ascending, "count,club,player,clubno") and prunes the list to the players
// ranked 10th or better, ties included. Columns: rank, count, club, player,
// club number. Returns the ranked players, in the table's order.
std::vector<RankLine> garankmake(std::vector<std::string>& list, Grid& table, std::string_view heading);
// The season's prize for the first-ranked players of a ranking: each pays
// his club (3 - division) x 100. Returns the message lines for club 0's players.
std::vector<std::string> gaking(World& world, const std::vector<RankLine>& ranking, std::string_view title,
                                int division);
// A division's table as figures, first-ranked first (equal ranks in the
// table's row order), as its table page shows it.
std::vector<TableLine> standings(const Tleague& league);

class NewsProgramme {
public:
    // Opens the programme (or the website) at `start`. After a match day other
    // than the last, the four ranking lists are rebuilt (and pruned) at once.
    NewsProgramme(World& world, int start);

    const NewsPage& page() const { return page_; }
    int newspage() const { return newspage_; }
    bool finished() const { return finished_; }
    // The club offered for replacement at the end of the season (0: none).
    int swapclub() const { return swapclub_; }

    // A click on the message box: the next page. Should a page fail (a data
    // file that cannot be used), the page counter and the calendar stay where
    // they were and the error is passed on, so the click can be repeated;
    // the programme is failed() until a page turns again.
    const NewsPage& nextPage();
    // The last page turn failed: the screen's way on is the title screen.
    bool failed() const { return failed_; }

    // The replacement page: a versus file is picked (its name without ".dat");
    // its club takes the slot, keeping the slot's money. On failure the slot is
    // as it was; the club already standing in the slot is not read again.
    const NewsPage& pickVersus(const std::string& name);
    // The versus file whose club stands in the replaced slot (empty: none).
    const std::string& pickedVersus() const { return picked_; }
    // "変更なし": the club that finished last comes back as it was.
    const NewsPage& stay();
    // "TOPへ昇格": promotes the youth player of a table row; when none is left
    // the page turns at once.
    const NewsPage& promoteYouth(int row);
    // The doctor table's selected row, booked for club 0 when the programme ends.
    void selectDoctor(int row);
    int selectedDoctor() const { return doctorRow_; }

    // The website's menu, by row: 1..6 tables and rankings, 7 the opponent,
    // 8 injuries, 9 past seasons, 10 back to the main screen.
    const NewsPage& menu(int row);
    bool menuOpen() const { return menuOpen_; }

private:
    void show(int p);
    void resultoutput(NewsPage& pg, int d);
    void rankoutput(NewsPage& pg, int d);
    void ranking(NewsPage& pg, int d, bool goals);
    void nextday(NewsPage& pg);
    void matchreview(NewsPage& pg);
    void injuryinfo(NewsPage& pg);
    void newteam(NewsPage& pg);
    void replacementRoster(NewsPage& pg) const;
    void replacementOffer(NewsPage& pg) const;
    void hiredoctor(NewsPage& pg);
    void youthtotop(NewsPage& pg, bool computerClubs);
    void traderesult(NewsPage& pg);
    void trademyresult(NewsPage& pg);
    void vsresult(NewsPage& pg);
    void historyview(NewsPage& pg);
    void endtv(NewsPage& pg);
    bool lastMatchDay() const;

    World& world_;
    int newspage_ = 0;
    bool website_ = false;
    bool finished_ = false;
    bool failed_ = false;
    bool menuOpen_ = true;
    int swapclub_ = 0;
    std::string picked_;  // the versus file whose club stands in the slot
    NewsPage page_;
    Grid trades_;         // the trade report, kept for the page after it
    DoctorList doctors_;  // the doctors on offer at the season's end
    bool doctorsShown_ = false;
    int doctorRow_ = 1;
};

}  // namespace vm
