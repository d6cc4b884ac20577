// SPDX-License-Identifier: GPL-3.0-or-later
// The news's goal box: fitting the goal lines to the box, and its scroll bar.
#include "screens/goalbox.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace vm {
namespace {

// The letters close up by half a pixel, then a whole one, before the type shrinks.
constexpr qreal kSpacings[] = {0, -0.5, -1};
constexpr qreal kMargin = 2;  // between the frame and the text

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
    document()->setDocumentMargin(kMargin);
    setStyleSheet("QPlainTextEdit { background: #fffbf0; border: 1px solid #7a7a7a; }");
    setFont(typeOf(font(), kLargest, 0));
}

void GoalBox::showLines(const QStringList& lines) {
    // The frame comes from the style sheet, which a box never shown has not taken yet.
    ensurePolished();
    const QSizeF inside = QSizeF(contentsRect().size()) - QSizeF(2 * kMargin, 2 * kMargin);
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
                    return;
                }
            }
        }
    }
    // Too wide even in the smallest type: such a line takes two.
    setLineWrapMode(WidgetWidth);
    setScrolling(wrappedSize(lines, inside.width()).height() > inside.height());
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
