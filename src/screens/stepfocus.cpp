// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/stepfocus.h"

#include <QApplication>

#include <utility>

namespace vm {

QList<StepFocus*> StepFocus::all_;

StepFocus::StepFocus(QWidget* window, QWidget* stepButton, PendingCard pendingCard)
    : QObject(window), window_(window), stepButton_(stepButton), pendingCard_(std::move(pendingCard)) {
    connect(qApp, &QApplication::focusChanged, this, &StepFocus::focusChanged);
    all_.append(this);
}

StepFocus::~StepFocus() {
    all_.removeAll(this);
}

void StepFocus::restore() {
    if (!window_->isVisible()) return;
    if (QWidget* card = pendingCard_ ? pendingCard_() : nullptr) {
        card->raise();
        card->activateWindow();
        return;
    }
    if (stepButton_ && stepButton_->isVisible() && stepButton_->isEnabled())
        stepButton_->setFocus(Qt::OtherFocusReason);
    else
        window_->setFocus(Qt::OtherFocusReason);
}

void StepFocus::settle() {
    const QWidget* focused = window_->focusWidget();
    if (!focused || focused == window_) restore();
}

void StepFocus::restoreAll() {
    for (StepFocus* focus : std::as_const(all_)) focus->restore();
}

void StepFocus::focusChanged(QWidget* old, QWidget*) {
    // A control the player leaves stays usable; one the game took away does not.
    if (!old || old == window_ || old->window() != window_ || !window_->isVisible()) return;
    if (!old->isVisible() || !old->isEnabled()) restore();
}

}  // namespace vm
