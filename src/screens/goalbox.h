// SPDX-License-Identifier: GPL-3.0-or-later
// A goal box of the news's results pages: one side's goal lines of one
// fixture, one goal a line, in the largest type the narrow box allows.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace vm {

class GoalBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kLargest = 11;  // pixels
    static constexpr int kSmallest = 9;

    explicit GoalBox(QWidget* parent = nullptr);

    // Shows `lines`, one goal a line. The type is the largest, from kLargest
    // down to kSmallest pixels with the letters closed up a little before it
    // shrinks, in which the widest line fits the box and every line is in
    // sight; where no type holds them all, the largest in which the widest
    // line fits beside the scroll bar. A line too wide even then wraps rather
    // than be cut off. The scroll bar is there exactly when the box cannot
    // hold every line, whatever the previous page showed.
    void showLines(const QStringList& lines);

    // Whether every line stands on one line of the box.
    bool unwrapped() const { return lineWrapMode() == NoWrap; }

private:
    // The widest line and the height of the whole text, as the box lays the
    // text out in its present type, without wrapping.
    QSizeF textSize() const;
    // The same worked out from the type alone, with lines wrapped at `width`.
    QSizeF wrappedSize(const QStringList& lines, qreal width) const;
    void setScrolling(bool scrolls);
    // Leaves below the text's last whole line what would show only part of another.
    void keepWholeLines();
};

}  // namespace vm
