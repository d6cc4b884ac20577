// SPDX-License-Identifier: GPL-3.0-or-later
// A press on a table's heading sorts the table by that column: the same
// column again turns the direction round, another column starts descending.
// A column of position names sorts in pitch order (GK first when ascending).
#pragma once

namespace vm {

class Grid;

class HeadingSort {
public:
    // `column` counts as the column sorted last (the main screen's member
    // list starts at its column 0, descending); -1 for none. `positions` is
    // the column holding position names, or -1.
    explicit HeadingSort(int positions = -1, int column = -1) : positions_(positions), column_(column) {}

    // Sorts `g` for a press on the heading of `col`.
    void press(Grid& g, int col);

    int column() const { return column_; }
    bool ascending() const { return ascending_; }

private:
    int positions_;
    int column_;
    bool ascending_ = false;
};

}  // namespace vm
