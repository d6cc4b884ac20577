// SPDX-License-Identifier: GPL-3.0-or-later
// What the news screen's clicks do: turning the page, the website's menu, the
// answers on the off-season pages, and the end of the programme with its
// pause before the next screen. Each hands the work to the news programme and
// shows the page it gives back.
#include <QAbstractButton>
#include <QCloseEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <stdexcept>

#include "screens/clock.h"
#include "screens/gridview.h"
#include "screens/panelbutton.h"
#include "screens/screenhost.h"
#include "screens/tnews.h"
#include "season/matchdayflow.h"
#include "season/savescreen.h"

namespace vm {

void Tnews::memomesClick() {
    if (website_ || news_->finished() || handedOver_) return;
    if (news_->failed()) {
        if (leaveToTitle()) close();
        return;
    }
    try {
        // The doctor is booked from the row chosen when the programme ends.
        if (news_->page().kind == PageKind::doctor) news_->selectDoctor(std::max(1, grid->currentGridRow()));
        news_->nextPage();
    } catch (const std::exception& e) {
        // A page that cannot be shown (a working file gone) will not come
        // back by trying again: the error is told once, with the way out.
        session_.prompts.error(std::string(e.what()) + "\n\n" + kNewsFailedText);
        return;
    }
    showPage(news_->page(), true);
    if (news_->finished()) endtv();
}

void Tnews::keyPressed(int key) {
    QWidget* focus = focusWidget();
    if (key != Qt::Key_Right && focus && focus->isVisible()) {
        if (auto* panel = qobject_cast<QAbstractButton*>(focus)) {
            panel->click();
            return;
        }
        if (focus == gridmenu) {
            gridmenuPressed(gridmenu->currentIndex().row());
            return;
        }
    }
    memomesClick();
}

void Tnews::gridmenuPressed(int row) {
    if (!website_ || handedOver_ || row < 0) return;
    try {
        news_->menu(row);
    } catch (const std::exception& e) {
        session_.prompts.error(e.what());
        return;
    }
    if (news_->finished()) {
        handOver();
        return;
    }
    if (row != 0) menuRow_ = row;
    gridmenu->resize(gridmenu->width(), news_->menuOpen() ? kMenuOpen : kMenuClosed);
    gridmenu->viewport()->update();
    showPage(news_->page(), true);
}

void Tnews::ListBox1Click(int row) {
    const NewsPage& page = news_->page();
    if (row < 0 || row >= static_cast<int>(page.versusFiles.size()) || !page.replacementOffered) return;
    const std::string name = page.versusFiles[static_cast<std::size_t>(row)];
    if (name == news_->pickedVersus()) return;  // already standing in the slot
    try {
        news_->pickVersus(name);
    } catch (const std::exception& e) {
        // The slot keeps the club it had.
        session_.prompts.error(e.what());
        return;
    }
    showPage(news_->page(), false);
}

void Tnews::PstayClick() {
    try {
        news_->stay();
    } catch (const std::exception& e) {
        session_.prompts.error(e.what());
        return;
    }
    // Division 2's own club stands in the slot again: no versus club is marked.
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(-1);
        ListBox1->clearSelection();
    }
    showPage(news_->page(), false);
}

void Tnews::PyouthClick() {
    const int row = grid->currentGridRow();
    if (news_->page().kind != PageKind::youth || row < 1) return;
    try {
        news_->promoteYouth(row);
    } catch (const std::exception& e) {
        session_.prompts.error(e.what());
    }
    // The last youth player promoted turns the page by itself.
    showPage(news_->page(), true);
}

void Tnews::PreplayClick() {
    session_.host.openReplays(replay_);
}

void Tnews::endtv() {
    pausing_ = true;
    // The last page is on screen before the pause; the window keeps painting
    // during it and a close goes on at once.
    repaint();
    session_.clock.after(kEndPause, this, [this] { handOver(); });
}

bool Tnews::openNext() {
    handedOver_ =
        news_->page().toTitle ? session_.host.openTitle() != nullptr : session_.host.openMain() != nullptr;
    return handedOver_;
}

bool Tnews::leaveToTitle() {
    if (!session_.host.openTitle()) return false;
    handedOver_ = true;
    // The saved games are offered at once over the title screen.
    session_.host.openSave(SaveMode::load);
    return true;
}

void Tnews::handOver() {
    if (!handedOver_ && openNext()) close();
}

void Tnews::closeEvent(QCloseEvent* event) {
    if (!handedOver_ && news_->failed() && !leaveToTitle()) {
        event->ignore();  // no title screen: the next close tries again
        return;
    }
    if (!handedOver_) {
        if (!pausing_ && !website_) {
            event->ignore();
            session_.prompts.message(kNotNowText);
            return;
        }
        if (!openNext()) {
            event->ignore();  // nothing to go to: the window stays and the next close tries again
            return;
        }
    }
    QWidget::closeEvent(event);
}

bool Tnews::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memomes->viewport() && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) memomesClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vm
