// SPDX-License-Identifier: GPL-3.0-or-later
// What the save screen's tests share: finding the open save screen, pressing
// and double-clicking rows of its tables, and the file list as it shows.
#pragma once

#include <QAction>
#include <QTest>

#include <string>

#include "screen_fixture.h"
#include "screens/gridview.h"
#include "screens/tsave.h"
#include "util/textfile.h"

namespace vm::test {

class SaveWindowTest : public ScreenTest {
protected:
    // The save screen now open, or null.
    Tsave* shownSave() const {
        for (QWidget* w : host->screens())
            if (auto* s = qobject_cast<Tsave*>(w)) return s;
        return nullptr;
    }

    static void trigger(QWidget* screen, const char* name) {
        QAction* action = screen->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }

    static QPoint cellCentre(GridView* view, int row, int col) {
        return view->visualRect(view->table().index(view->table().modelRow(row), col)).center();
    }
    static void press(GridView* view, int row, int col = 0) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(view, row, col));
    }
    // A press, then the second press that the system reports as a double click.
    static void doubleClick(GridView* view, int row, int col = 0) {
        press(view, row, col);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cellCentre(view, row, col));
    }

    // The list row showing `name` in `col`.
    static int rowOf(GridView* view, const std::string& name, int col = 0) {
        const Grid& g = view->grid();
        for (int r = 1; r < g.rowCount(); ++r)
            if (g.cell(col, r) == name) return r;
        ADD_FAILURE() << name << " is not listed";
        return 1;
    }

    std::string fileBytes(const char* rel) const { return readBytes(scratch.path(rel)); }
};

}  // namespace vm::test
