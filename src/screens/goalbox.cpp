// SPDX-License-Identifier: GPL-3.0-or-later
// The news's goal box: fitting the goal lines to the box, and its scroll bar.
#include "screens/goalbox.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace vm {
namespace {

// The letters close up by half a pixel, then a whole one, before the type shrinks.
constexpr qreal kSpacings[] = {0, -0.5, -1};
// Between the frame and the text: a margin of the view, not of the text, so
// that the first line stands where every other line stands once scrolled.
constexpr int kMargin = 2;

QFont typeOf(QFont f, int pixels, qreal spacing) {
    f.setPixelSize(pixels);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

}  // namespace

GoalBox::GoalBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setLineWrapMode(NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    setStyleSheet("QPlainTextEdit { background: #fffbf0; border: 1px solid #7a7a7a; }");
    setFont(typeOf(font(), kLargest, 0));
}

void GoalBox::showLines(const QStringList& lines) {
    // The frame comes from the style sheet, which a box never shown has not taken yet.
    ensurePolished();
    const QSizeF inside = QSizeF(contentsRect().size()) - QSizeF(2 * kMargin, 2 * kMargin + 1);
    const int bar = verticalScrollBar()->sizeHint().width();

    setLineWrapMode(NoWrap);
    setPlainText(lines.join('\n'));
    // Every goal in sight if a type allows it, else the largest type that
    // leaves room for the scroll bar.
    for (const bool scrolling : {false, true}) {
        for (int pixels = kLargest; pixels >= kSmallest; --pixels) {
            for (const qreal spacing : kSpacings) {
                setFont(typeOf(font(), pixels, spacing));
                const QSizeF text = textSize();
                const bool scrolls = text.height() > inside.height();
                if (scrolls == scrolling && text.width() <= inside.width() - (scrolls ? bar : 0)) {
                    setScrolling(scrolls);
                    keepWholeLines();
                    return;
                }
            }
        }
    }
    // Too wide even in the smallest type: such a line takes two.
    setLineWrapMode(WidgetWidth);
    setScrolling(wrappedSize(lines, inside.width()).height() > inside.height());
    keepWholeLines();
}

void GoalBox::keepWholeLines() {
    // The box scrolls by whole lines from the top, so a view exactly as high
    // as the whole lines that fit never shows part of one.
    const QTextBlock first = document()->firstBlock();
    const qreal height = document()->documentLayout()->blockBoundingRect(first).height();
    const int count = first.layout()->lineCount();
    const qreal line = count > 0 && height > 0 ? height / count : QFontMetricsF(font()).lineSpacing();
    const int room = contentsRect().height() - 2 * kMargin;
    const int whole = std::max(1, static_cast<int>(room / line));
    const int used = std::min(room, static_cast<int>(std::ceil(whole * line)));
    setViewportMargins(kMargin, kMargin, 0, kMargin + room - used);
}

QSizeF GoalBox::textSize() const {
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    qreal widest = 0, height = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        height += layout->blockBoundingRect(block).height();  // lays the block out
        widest = std::max(widest, block.layout()->maximumWidth());
    }
    return {widest, height};
}

QSizeF GoalBox::wrappedSize(const QStringList& lines, qreal width) const {
    const QFontMetricsF type(font());
    qreal height = 0;
    for (const QString& line : lines) {
        const QRectF box(0, 0, width, 1e6);
        height += type.boundingRect(box, Qt::TextWordWrap | Qt::TextWrapAnywhere, line).height();
    }
    return {width, height};
}

void GoalBox::setScrolling(bool scrolls) {
    setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setValue(0);
}

}  // namespace vm
