// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics board of club 0: the member list with its thirteen places, the
// numbered markers over the pitch, storing the line-up, formation files, the
// moving preview, and the two actions offered while a match is watched. The
// tactics screen draws this board and hands it every click; the live match
// reads its markers as the formation.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "players/formationfile.h"
#include "season/tacticspreview.h"
#include "util/grid.h"

namespace vm {

class World;

// Shown when "OK" or "動かす" finds a place nobody holds.
inline constexpr const char* kMembersMissing = "メンバーが決まっていません";
// Shown when "動かす" finds fewer players than a side takes the pitch with.
inline constexpr const char* kSquadTooSmall = "選手が11人いないので動かせません";
// Asked before a formation file replaces one of the same name.
inline constexpr const char* kFormationOverwrite = "同じ名前のファイルがあります。上書きしますか";
// Where the formation file dialogs start.
inline constexpr const char* kFormationFolder = "data/formation";

// The formation folder below the working folder, created when missing.
std::filesystem::path formationFolder(const World& world);

// One numbered 12 x 12 marker and the name label below it.
struct TacticsMarker {
    std::string caption;  // "01".."13"; a substitute's number once he came on in its place
    Point corner{};       // top-left; the formation spot it stands for is corner + 6
    bool visible = true;
    std::string label;  // the name shown below the marker
    Point labelCorner() const { return {corner.x, corner.y + 15}; }
};

class TacticsBoard {
public:
    static constexpr int kMarkers = 13;
    static constexpr int kStarters = 11;
    // The bench markers stand apart, below the pitch's left half.
    static constexpr std::array<Point, 2> kBenchCorners{{{202, 436}, {202, 452}}};
    // Where a dragged marker's spot may go.
    static constexpr int kDragMinX = SpotArea::minX, kDragMaxX = SpotArea::maxX, kDragMinY = SpotArea::minY,
                         kDragMaxY = SpotArea::maxY;

    // The member list's columns.
    static constexpr int kPlaceCol = 0;  // "01".."13", or " " without a place
    static constexpr int kNameCol = 1;
    static constexpr int kPosCol = 3;         // "GK".."FW"
    static constexpr int kLegCol = 11;        // "R" / "L"
    static constexpr int kConditionCol = 12;  // above 0 good form, below 0 poor
    static constexpr int kIndexCol = 13;      // the roster index, "%.3d"
    static constexpr int kColumns = 14;

    // How the preview started.
    enum class PreviewStart {
        stored,        // the line-up was stored and the preview runs with it
        incomplete,    // kMembersMissing: the preview runs with the club's previous line-up
        tooFewPlayers  // kSquadTooSmall and no preview: the club has fewer than eleven
    };
    // What the player is told when the preview started as `start`; null when it ran as stored.
    static const char* previewRefusal(PreviewStart start);

    // Club 0's board as the screen opens: roster order is place order.
    explicit TacticsBoard(World& world);

    const Grid& menberlist() const { return list_; }
    // Marker n = 1..13.
    const TacticsMarker& marker(int n) const { return markers_.at(n - 1); }
    // The corners of markers 02..11: what a formation file holds and what the
    // watched match takes as the formation of men 1..10.
    MarkerCorners corners() const;
    static bool draggable(int n) { return n >= 2 && n <= 11; }
    static bool benchMarker(int n) { return n == 12 || n == 13; }

    // The roster index of the player in member-list row `row` (1..), -1 for none.
    int rosterIndex(int row) const;

    // --- Editing (the member list is shown) ---

    // Gives the player in member-list row `row` the place of marker n,
    // taking it from whoever held it. False when nothing changed (a hidden
    // marker, a row that is no player, the preview running).
    bool menberselect(int n, int row);
    // Moves marker n (02..11 only) so that its spot is the cursor, kept
    // within the drag area. False for other markers and while the preview runs.
    bool drag(int n, Point cursor);
    // "OK": sorts the list by place, then stores the spots (corner + 6) and
    // the roster in place order into club 0. False, changing nothing, when a
    // place is empty (the screen shows kMembersMissing).
    bool tacticssave();
    // "コーチ任せ": the coach's line-up and formation for club 0, then the
    // board built anew. Throws DataError when the formation data is broken,
    // leaving club 0 and the board as they were.
    void coachSelect();
    // A heading click: the same column again reverses, a new one starts descending.
    void sortBy(int col);
    // A player was renamed on his card: the list and the name labels show
    // the players' names as they are now.
    void rereadNames();

    // "フォメSAVE": writes the ten corners (DataError when it cannot). The
    // overwrite question is the caller's.
    void formationSave(const std::filesystem::path& file) const;
    // "フォメLOAD": puts markers 02..11 at the file's corners. The club keeps
    // its formation until "OK". Throws FormatError(kFormationUnusable) or
    // DataError before any marker moves.
    void formationOpen(const std::filesystem::path& file);

    // --- The preview ("動かす") ---

    // Stores the line-up first, then sets club 0's eleven running. Nothing
    // happens while the preview runs already (the answer is then `stored`).
    PreviewStart startPreview();
    // One 20 ms timer tick: the men move, the markers follow, the ball rolls.
    void previewStep();
    // Left button on the pitch while the preview runs: the ball heads for
    // the cursor at speed 10.
    void aimBall(Point cursor);
    // Right button on the pitch while the preview runs: the ball stops.
    void stopBall();
    // "戻る": every man back on his spot and every marker with him.
    void stopPreview();
    bool previewing() const { return preview_.has_value(); }
    // The ball picture's top-left corner (shown only while previewing).
    Point ball() const { return ball_.at; }

    // --- While club 0's match is watched ---

    // Brings roster player `rosterIndex` on for the man in line-up `slot`;
    // the live match fills it (Tgame::substitute for side 0). False when the
    // match refused (it is over, say): the board then stays as it was.
    std::function<bool(int slot, int rosterIndex)> substitution;
    // Right button on marker n with the match list's row `row` selected:
    // markers 02..11 and rows 2..11 trade places (the two players trade
    // formation spots). False for any other pair.
    bool matchposchange(int n, int row);
    // Rows 12 and 13 (the bench) with markers 01..11: the bench player comes
    // on for the marker's player, once a match. False, asking nothing, for
    // any other pair, without a substitution hook, or after the substitution;
    // false with the board unchanged when the match refuses it.
    bool matchmenberchange(int n, int row);
    bool substituted() const { return substituted_; }

private:
    World& world_;
    Grid list_;
    std::array<TacticsMarker, kMarkers> markers_;
    int sortCol_ = -1;
    bool ascending_ = false;
    PreviewBall ball_;
    std::optional<TacticsPreview> preview_;
    bool substituted_ = false;

    Tteam& club() const;
    // Fills the list and the markers from club 0.
    void build();
    int rows() const { return list_.rowCount() - 1; }
    // Markers 01..11 onto the preview's men.
    void imgmove();
};

}  // namespace vm
