// SPDX-License-Identifier: GPL-3.0-or-later
// Taking, writing and reading the notes of a watched match.
#include "season/watchnotes.h"

#include <charconv>

#include "match/tgame.h"
#include "util/cp932.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {

namespace {

constexpr std::string_view kForm = "VM2WATCH 1";
// Far more frames than any match shows (a whole one at speed 2 is under 7,000).
constexpr int kMaxFrame = 1 << 22;
constexpr int kMaxNumber = 99;
constexpr int kMaxHeight = 999;

template <class Entry, class Value>
void noteChange(std::vector<Entry>& list, Entry entry, Value Entry::*value, Value initial) {
    const Value last = list.empty() ? initial : list.back().*value;
    if (entry.*value != last) list.push_back(std::move(entry));
}

// One line being read: its words taken one by one.
class NoteLine {
public:
    NoteLine(std::string_view text, std::size_t number) : rest_(text), number_(number) {}

    std::string_view word() {
        const std::size_t space = rest_.find(' ');
        const std::string_view w = rest_.substr(0, space);
        rest_ = space == std::string_view::npos ? std::string_view{} : rest_.substr(space + 1);
        return w;
    }
    int number(int low, int high) {
        const std::string_view w = word();
        int v = 0;
        const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
        if (w.empty() || ec != std::errc{} || end != w.data() + w.size() || v < low || v > high) fail();
        return v;
    }
    // A frame no earlier than the kind's last one.
    template <class Entry>
    int frame(const std::vector<Entry>& kind) {
        const int f = number(0, kMaxFrame);
        if (!kind.empty() && f < kind.back().frame) fail();
        return f;
    }
    std::string_view rest() const { return rest_; }
    void end() const {
        if (!rest_.empty()) fail();
    }
    [[noreturn]] void fail() const {
        throw FormatError("観戦メモの" + std::to_string(number_) + "行目が不正です");
    }

private:
    std::string_view rest_;
    std::size_t number_;
};

void readline(WatchNotes& n, NoteLine& line) {
    const std::string_view kind = line.word();
    if (kind == "speed") {
        const int f = line.frame(n.speeds);
        n.speeds.push_back({f, line.number(kMinSpeed, kMaxSpeed)});
    } else if (kind == "goal") {
        const int f = line.frame(n.goals);
        n.goals.push_back({f, line.number(0, 1)});
    } else if (kind == "sub") {
        const int f = line.frame(n.subs);
        const int side = line.number(0, 1);
        const int man = line.number(0, 10);
        n.subs.push_back({f, side, man, line.number(1, kMaxNumber)});
    } else if (kind == "lift") {
        const int f = line.frame(n.lifts);
        n.lifts.push_back({f, line.number(0, kMaxHeight)});
    } else if (kind == "say") {
        const int f = line.frame(n.sayings);
        const std::string_view text = line.rest();
        // A line end inside a line is where a file was broken, never a saying.
        if (text.size() > kMaxSayingBytes || text.find_first_of("\r\n") != std::string_view::npos)
            line.fail();
        try {
            n.sayings.push_back({f, fromCp932(text)});
        } catch (const EncodingError&) {
            line.fail();
        }
        return;
    } else {
        line.fail();
    }
    line.end();
}

}  // namespace

void notewatched(WatchNotes& notes, int frame, int speed, const Tgame& game, const Scoreboard& board,
                 const PitchPicture& pitch, const std::vector<Cue>& cues) {
    if (speed > 0) noteChange(notes.speeds, WatchNotes::Speed{frame, speed}, &WatchNotes::Speed::speed, 0);
    std::array<int, 2> noted{};
    for (const WatchNotes::Goal& g : notes.goals) ++noted[g.side];
    for (int side = 0; side < 2; ++side)
        for (int k = noted[side]; k < game.goals(side); ++k) notes.goals.push_back({frame, side});
    for (const Cue& c : cues)
        if (c.kind == CueKind::shirt) notes.subs.push_back({frame, c.side, c.man, std::stoi(c.text)});
    noteChange(notes.sayings, WatchNotes::Saying{frame, board.commentary}, &WatchNotes::Saying::text,
               std::string{});
    noteChange(notes.lifts, WatchNotes::Lift{frame, pitch.shadow.y - pitch.ball.y}, &WatchNotes::Lift::height,
               0);
}

std::string notesimage(const WatchNotes& n) {
    std::vector<std::string> lines{std::string(kForm)};
    const auto line = [&lines](std::string_view kind, std::initializer_list<int> numbers) {
        std::string l(kind);
        for (int v : numbers) l += " " + std::to_string(v);
        lines.push_back(std::move(l));
    };
    for (const auto& s : n.speeds) line("speed", {s.frame, s.speed});
    for (const auto& g : n.goals) line("goal", {g.frame, g.side});
    for (const auto& s : n.subs) line("sub", {s.frame, s.side, s.man, s.number});
    for (const auto& l : n.lifts) line("lift", {l.frame, l.height});
    for (const auto& s : n.sayings) {
        // A line break inside a name would end the line early.
        std::string text = s.text;
        for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';
        lines.push_back("say " + std::to_string(s.frame) + " " + text);
    }
    return linesImage(lines);
}

WatchNotes readnotes(std::string_view bytes) {
    if (bytes.size() > kMaxNotesBytes) throw FormatError("観戦メモが大きすぎます");
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.empty() || lines[0] != kForm) throw FormatError("観戦メモの形式が違います");
    WatchNotes n;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        NoteLine line(lines[i], i + 1);
        readline(n, line);
    }
    return n;
}

}  // namespace vm
