// SPDX-License-Identifier: GPL-3.0-or-later
// The title screen: the title picture and the four ways out of it (a new
// game, loading a saved one, a versus match, quitting). Creating it builds a
// fresh world.
#pragma once

#include <QImage>
#include <QWidget>

#include "screens/session.h"

namespace vm {

class PanelButton;

class Ttitle : public QWidget {
    Q_OBJECT
public:
    // Opens a new title screen over a freshly built world. When a data file
    // cannot be read the player is told which one, the program is asked to
    // end, and the result is null.
    static Ttitle* open(const Session& session);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Loads the picture and runs the world's start-up; throws DataError.
    explicit Ttitle(const Session& session);

    void PnewClick();
    void PloadClick();
    void PvsClick();
    void PendClick();

    Session session_;
    QImage picture_;
    PanelButton* Pnew;
    PanelButton* Pload;
    PanelButton* Pvs;
    PanelButton* Pend;
};

}  // namespace vm
