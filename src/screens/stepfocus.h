// SPDX-License-Identifier: GPL-3.0-or-later
// Where Enter goes on a screen with a step button ("ＮＥＸＴ", "移籍", the
// transfer screen's step). The focus is the player's to move with Tab or a
// click, but when the game itself disables or hides the control holding it,
// and when the screen comes back after another screen has closed, it goes to
// the step: the decision card that must be answered first, else the step
// button. While the step button is hidden or disabled the focus rests on the
// window itself, where Enter presses nothing.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace vm {

class StepFocus : public QObject {
    Q_OBJECT
public:
    // The open card that must be answered before the step, or null.
    using PendingCard = std::function<QWidget*()>;

    // Keeps `window`'s focus; a child of it. `pendingCard` must not need
    // `window` itself (it is asked while the window goes).
    StepFocus(QWidget* window, QWidget* stepButton, PendingCard pendingCard = {});
    ~StepFocus() override;

    // Puts the focus on the step now.
    void restore();
    // The same, unless the player has put the focus on a control: for when
    // the game shows its controls again.
    void settle();
    // Every screen with a step that is on show: another screen has closed.
    static void restoreAll();

private:
    void focusChanged(QWidget* old, QWidget* now);

    QWidget* window_;
    QPointer<QWidget> stepButton_;
    PendingCard pendingCard_;
    static QList<StepFocus*> all_;
};

}  // namespace vm
