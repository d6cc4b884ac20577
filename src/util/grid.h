// SPDX-License-Identifier: GPL-3.0-or-later
// The string grid behind every table of the game: row 0 holds the headings,
// every other row one record; a row may carry a reference to what it shows.
// The sorts are stable in both directions, which the line-up and the transfer
// market rely on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vm {

class Grid {
public:
    struct Row {
        std::vector<std::string> cells;
        void* object = nullptr;
    };

    Grid() = default;
    Grid(int cols, int rows) { resize(cols, rows); }

    void resize(int cols, int rows);
    int colCount() const { return cols_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }

    std::string& cell(int col, int row) { return rows_.at(row).cells.at(col); }
    const std::string& cell(int col, int row) const { return rows_.at(row).cells.at(col); }
    void* object(int row) const { return rows_.at(row).object; }
    template <class T>
    T* objectAs(int row) const {
        return static_cast<T*>(object(row));
    }
    void setObject(int row, void* o) { rows_.at(row).object = o; }

    // Splits a comma-separated text into the cells of a row (missing cells stay empty,
    // extra pieces are dropped).
    void setRow(int row, std::string_view csv);
    // The cells of a row joined with commas.
    std::string rowText(int row) const;

    std::vector<Row>& rows() { return rows_; }
    const std::vector<Row>& rows() const { return rows_; }

private:
    int cols_ = 0;
    std::vector<Row> rows_;
};

// Splits at commas, keeping empty pieces ("a,,b" gives three).
std::vector<std::string> splitCommas(std::string_view text);

// Position codes 0..6 to "GK".."FW"; other cells unchanged.
void posname(Grid& g, int col);
// "-1" to "R", "1" to "L"; other cells unchanged.
void legname(Grid& g, int col);
std::string posText(int at);
std::string legText(int leg);

void gridsort(Grid& g, int col, bool ascending);
// What the text sort compares: the CP932 bytes with the letters that are
// characters of their own folded to capitals. Byte order of these keys is the
// game's text order (kana before kanji, kanji in JIS order).
std::string gridTextKey(std::string_view text);
// Sorts by whether the column's value exceeds the threshold (those last when ascending),
// keeping the previous order inside each group.
void gridsortover(Grid& g, int threshold, int col, bool ascending);
// Sorts a column of position names GK, CB, DM, OV, AM, SH, FW in that order.
void gridsortpos(Grid& g, int col, bool ascending);
void gridcoldel(Grid& g, int col);
void gridrowdel(Grid& g, int row);

}  // namespace vm
