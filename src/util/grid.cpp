// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/grid.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "util/arith.h"
#include "util/cp932.h"

namespace vm {
namespace {

// Whether a CP932 byte opens a double-byte character.
bool cp932Lead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::optional<std::int64_t> parseInt(std::string_view s) {
    std::int64_t v = 0;
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (b != e && *b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc{} || p != e || b == e) return std::nullopt;
    return v;
}

std::optional<int> parseSmallInt(std::string_view s) {
    auto v = parseInt(s);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
    return static_cast<int>(*v);
}

int positionLetter(char c) {
    switch (c) {
        case 'G': return 0;
        case 'C': return 1;
        case 'D': return 2;
        case 'O': return 3;
        case 'A': return 4;
        case 'S': return 5;
        case 'F': return 6;
        default: return -1;
    }
}

// A single space in a key cell sorts as the largest key.
std::string_view keytext(const std::string& key) {
    return key == " " ? std::string_view("999999") : std::string_view(key);
}

// The rows moved into their sorted places: `order` lists the rows (0 for
// the first under the headings) in sorted order, which runs down the grid
// when ascending and up it otherwise.
void placerows(Grid& g, const std::vector<int>& order, bool ascending) {
    const int n = static_cast<int>(order.size());
    std::vector<Grid::Row> rows(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) rows[i] = std::move(g.rows()[i + 1]);
    for (int k = 0; k < n; ++k) g.rows()[ascending ? k + 1 : n - k] = std::move(rows[order[k]]);
}

// A key written plainly as a whole number: an optional minus and at most 15
// digits (a single space counts as 999999). Gives the sign and the digits'
// value.
bool plainNumber(const std::string& key, int& sign, std::int64_t& digits) {
    const std::string_view s = keytext(key);
    sign = !s.empty() && s[0] == '-' ? -1 : 1;
    const std::string_view rest = sign < 0 ? s.substr(1) : s;
    if (rest.size() > 15) return false;
    digits = 0;
    for (const char c : rest) {
        if (c < '0' || c > '9') return false;
        digits = digits * 10 + (c - '0');
    }
    return true;
}

// The sort of the common case: every key a plain whole number and at most a
// thousand rows. The index appended as three digits to "-ddd" reads back as
// -(ddd x 1000 + index), to "ddd" as ddd x 1000 + index, so the numbers are
// worked out without writing and reading the texts. False when the keys are
// not all plain.
bool sortByPlainNumbers(Grid& g, const std::vector<std::string>& keys, bool ascending) {
    const int n = static_cast<int>(keys.size());
    if (n > 1000) return false;
    std::vector<std::pair<std::int64_t, int>> numbered(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        int sign;
        std::int64_t digits;
        if (!plainNumber(keys[i], sign, digits)) return false;
        numbered[i] = {sign * (digits * 1000 + (ascending ? i : n - 1 - i)), i};
    }
    std::sort(numbered.begin(), numbered.end());  // the numbers all differ
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) order[k] = numbered[k].second;
    placerows(g, order, ascending);
    return true;
}

// The shared sort: every key gets its (direction-dependent) index appended as
// three digits, so all keys differ; numeric when the first key parses.
void sortByKeys(Grid& g, std::vector<std::string> keys, bool ascending) {
    const int n = static_cast<int>(keys.size());
    if (n == 0) return;
    if (sortByPlainNumbers(g, keys, ascending)) return;
    struct Entry {
        std::string key;
        std::int64_t num = 0;
        int row = 0;
    };
    std::vector<Entry> entries;
    entries.reserve(n);
    for (int i = 0; i < n; ++i) {
        std::string k(keytext(keys[i]));
        k += pad(ascending ? i : n - 1 - i, 3);
        entries.push_back({std::move(k), 0, i});
    }
    const bool numeric = parseInt(entries[0].key).has_value();
    if (numeric) {
        for (auto& e : entries) e.num = parseInt(e.key).value_or(0);
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.num < b.num; });
    } else {
        for (auto& e : entries) e.key = gridTextKey(e.key);
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return a.key < b.key;  // char_traits compares bytes as unsigned
        });
    }
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) order[k] = entries[k].row;
    placerows(g, order, ascending);
}

std::vector<std::string> columnKeys(const Grid& g, int col) {
    std::vector<std::string> keys;
    for (int r = 1; r < g.rowCount(); ++r) keys.push_back(g.cell(col, r));
    return keys;
}

}  // namespace

// Text order of the sorts: case-insensitive over the CP932 bytes, as the tables
// were always ordered (kana before kanji, kanji in JIS order). Only letters
// that are characters of their own fold: the second byte of a double-byte
// character can look like a small letter (ツ is 0x83 0x63), and folding it
// would sort ツ as イ (0x83 0x43).
std::string gridTextKey(std::string_view text) {
    bool ascii = true;
    for (unsigned char c : text) ascii = ascii && c < 0x80;
    std::string bytes = ascii ? std::string(text) : tryToCp932(text).value_or(std::string(text));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (cp932Lead(c))
            ++i;  // the trail byte belongs to this character
        else if (c >= 'a' && c <= 'z')
            bytes[i] = static_cast<char>(c - 32);
    }
    return bytes;
}

void Grid::resize(int cols, int rows) {
    cols_ = cols;
    rows_.resize(static_cast<std::size_t>(rows));
    for (auto& r : rows_) r.cells.resize(static_cast<std::size_t>(cols));
}

std::vector<std::string> splitCommas(std::string_view text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t p = text.find(',', start);
        out.emplace_back(text.substr(start, p == std::string_view::npos ? p : p - start));
        if (p == std::string_view::npos) break;
        start = p + 1;
    }
    return out;
}

void Grid::setRow(int row, std::string_view csv) {
    auto& cells = rows_.at(row).cells;
    std::fill(cells.begin(), cells.end(), std::string{});
    const auto pieces = splitCommas(csv);
    for (std::size_t i = 0; i < pieces.size() && i < cells.size(); ++i) cells[i] = pieces[i];
}

std::string Grid::rowText(int row) const {
    std::string out;
    const auto& cells = rows_.at(row).cells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i) out += ',';
        out += cells[i];
    }
    return out;
}

std::string posText(int at) {
    static const char* const names[] = {"GK", "CB", "DM", "OV", "AM", "SH", "FW"};
    return at >= 0 && at <= 6 ? names[at] : std::to_string(at);
}

std::string legText(int leg) {
    return leg == -1 ? "R" : leg == 1 ? "L" : std::to_string(leg);
}

void posname(Grid& g, int col) {
    for (int r = 1; r < g.rowCount(); ++r) {
        auto v = parseSmallInt(g.cell(col, r));
        if (v && *v >= 0 && *v <= 6) g.cell(col, r) = posText(*v);
    }
}

void legname(Grid& g, int col) {
    for (int r = 1; r < g.rowCount(); ++r) {
        auto& c = g.cell(col, r);
        if (c == "-1")
            c = "R";
        else if (c == "1")
            c = "L";
    }
}

void gridsort(Grid& g, int col, bool ascending) {
    sortByKeys(g, columnKeys(g, col), ascending);
}

void gridsortover(Grid& g, int threshold, int col, bool ascending) {
    auto keys = columnKeys(g, col);
    for (auto& k : keys) {
        auto v = parseSmallInt(k);
        k = v && *v > threshold ? "1" : "0";
    }
    sortByKeys(g, std::move(keys), ascending);
}

void gridsortpos(Grid& g, int col, bool ascending) {
    auto keys = columnKeys(g, col);
    for (auto& k : keys) {
        if (!k.empty() && positionLetter(k[0]) >= 0) k = std::to_string(positionLetter(k[0]));
    }
    sortByKeys(g, std::move(keys), ascending);
}

void gridcoldel(Grid& g, int col) {
    for (auto& r : g.rows()) {
        auto& c = r.cells;
        if (col < 0 || col >= static_cast<int>(c.size())) continue;
        std::rotate(c.begin() + col, c.begin() + col + 1, c.end());
        c.back().clear();
    }
}

void gridrowdel(Grid& g, int row) {
    auto& rows = g.rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    std::rotate(rows.begin() + row, rows.begin() + row + 1, rows.end());
    for (auto& c : rows.back().cells) c.clear();
    rows.back().object = nullptr;
}

}  // namespace vm
