// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting a table from a press on its heading.
#include "season/headingsort.h"

#include "util/grid.h"

namespace vm {

void HeadingSort::press(Grid& g, int col) {
    ascending_ = col == column_ ? !ascending_ : false;
    column_ = col;
    if (col == positions_)
        gridsortpos(g, col, ascending_);
    else
        gridsort(g, col, ascending_);
}

}  // namespace vm
