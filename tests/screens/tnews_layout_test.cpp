// SPDX-License-Identifier: GPL-3.0-or-later
// How the news screen reads: the title against the picture's light band, the
// goal boxes beside the results (one goal a line, a scroll bar only where
// the goals do not fit) and the "リプレイ" panel clear of everything else.
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "league/savefiles.h"
#include "league/versus.h"
#include "news_screen.h"
#include "screens/backdrop.h"
#include "screens/goalbox.h"
#include "screenshot.h"

namespace vm {
namespace {
using test::NewsScreen;

double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(NewsScreen, TheTitleStandsOutFromTheLightBandBehindIt) {
    season(3);
    allResults();
    Tnews* screen = host->openNews(kAfterMatchDay);
    ASSERT_NE(screen, nullptr);
    turn(screen);
    auto* lb = child<QLabel>(screen, "lb");
    ASSERT_FALSE(lb->text().isEmpty());
    const QImage shown = screen->grab(lb->geometry()).toImage();
    const QString text = lb->text();
    lb->clear();
    const QImage band = screen->grab(lb->geometry()).toImage();
    lb->setText(text);

    // The strongest difference the letters make against the picture under them.
    double best = 1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            best = std::max(best, contrast(shown.pixelColor(x, y), band.pixelColor(x, y)));
    EXPECT_GE(best, 4.5) << "the title's letters are hard to tell from the band";
}

TEST_F(NewsScreen, EachGoalStandsOnOneLineAndOnlyABoxThatOverflowsScrolls) {
    season(3);
    allResults();
    const std::vector<std::string> four{"05分　09佐々木　龍之介→10長谷川　大貴",
                                        "23分　11長谷川　大貴→09佐々木　龍之介", "45分　Own Goal",
                                        "67分　07渡辺　謙太郎→11佐々木　龍之介"};
    writeLines(tmp("110"), four);
    writeLines(tmp("120"), {four[0], four[1], four[2]});
    writeLines(tmp("221"), {"89分　07渡辺　謙太郎→11佐々木　龍之介"});
    writeLines(tmp("210"), {"12分　07渡辺　謙太郎"});
    Tnews* screen = host->openNews(kAfterMatchDay);
    ASSERT_NE(screen, nullptr);

    turn(screen);
    ASSERT_EQ(title(screen), "DIV1の第4節の結果");
    auto* crowded = qobject_cast<GoalBox*>(goalBox(screen, 1, 0));
    ASSERT_NE(crowded, nullptr);
    EXPECT_EQ(crowded->toPlainText().split('\n').size(), 4);
    EXPECT_EQ(crowded->document()->lineCount(), 4) << "no goal line wraps";
    EXPECT_GE(crowded->font().pixelSize(), GoalBox::kSmallest);
    EXPECT_TRUE(crowded->verticalScrollBar()->isVisible()) << "four goals do not fit";
    EXPECT_GT(crowded->verticalScrollBar()->maximum(), 0) << "the last goal can be scrolled to";
    auto* three = qobject_cast<GoalBox*>(goalBox(screen, 2, 0));
    EXPECT_EQ(three->document()->lineCount(), 3);
    EXPECT_FALSE(three->verticalScrollBar()->isVisible()) << "a smaller type holds three goals";

    // The next page's boxes show their own goals, whatever stood there before.
    turn(screen);
    ASSERT_EQ(title(screen), "DIV2の第4節の結果");
    EXPECT_EQ(crowded->toPlainText(), "12分　07渡辺　謙太郎");
    EXPECT_EQ(crowded->font().pixelSize(), GoalBox::kLargest) << "a short line keeps the largest type";
    EXPECT_FALSE(crowded->verticalScrollBar()->isVisible());
    auto* single = qobject_cast<GoalBox*>(goalBox(screen, 2, 1));
    EXPECT_EQ(single->document()->lineCount(), 1);
    EXPECT_FALSE(single->verticalScrollBar()->isVisible());
    for (int m = 0; m < kPairings; ++m) {
        for (int s = 0; s < 2; ++s) {
            if (!goalBox(screen, m, s)->toPlainText().isEmpty()) continue;
            EXPECT_FALSE(goalBox(screen, m, s)->verticalScrollBar()->isVisible()) << m << s;
        }
    }
}

// Where the box paints a goal line, in its view's pixels.
QRectF painted(QPlainTextEdit* box, const QTextBlock& line) {
    QTextCursor start(line), end(line);
    end.movePosition(QTextCursor::EndOfBlock);
    const QRect first = box->cursorRect(start), last = box->cursorRect(end);
    return QRectF(0, first.top(), box->viewport()->width(), last.bottom() + 1 - first.top());
}

TEST_F(NewsScreen, AGoalBoxShowsWholeLinesAtEveryScrollPositionUpToTheLast) {
    season(3);
    allResults();
    for (const auto& [m, goals] : {std::pair{0, 3}, {1, 6}, {2, 10}}) result(1, m, m % 2, goals);
    Tnews* screen = host->openNews(kAfterMatchDay);
    ASSERT_NE(screen, nullptr);
    turn(screen);
    test::screenshot(screen, "news-goal-lines");
    for (int m = 0; m < 3; ++m) {
        QPlainTextEdit* box = goalBox(screen, m, m % 2);
        EXPECT_GE(box->font().pixelSize(), 9);
        for (int at = 0; at <= box->verticalScrollBar()->maximum(); ++at) {
            box->verticalScrollBar()->setValue(at);
            for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
                const QRectF line = painted(box, b), inside = line & QRectF(box->viewport()->rect());
                EXPECT_TRUE(inside.isEmpty() || inside == line)
                    << m << " at " << at << ": " << b.blockNumber();
            }
        }
        EXPECT_TRUE(QRectF(box->viewport()->rect()).contains(painted(box, box->document()->lastBlock())));
    }
}

// Every page the programme shows with "リプレイ" on it: nothing else is under the panel.
void expectReplayClear(Tnews* screen, int& pages, bool& opponent) {
    auto* replay = screen->findChild<PanelButton*>("Preplay");
    ASSERT_NE(replay, nullptr);
    if (!replay->isVisible()) return;
    ++pages;
    if (!opponent && screen->programme().page().kind == PageKind::opponent) {
        opponent = true;
        test::screenshot(screen, "news-replay");
    }
    for (QWidget* w : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == replay || !w->isVisible() || qobject_cast<Backdrop*>(w)) continue;
        EXPECT_FALSE(w->geometry().intersects(replay->geometry()))
            << w->objectName().toStdString() << " on " << screen->programme().page().title;
    }
}

TEST_F(NewsScreen, TheReplayPanelCoversNothingOnAnyPage) {
    int pages = 0;
    bool opponent = false;
    // An ordinary match day (its opponent's small pitch), then the season's last.
    season(3);
    for (const int round : {3, kRounds - 1}) {
        for (auto& l : world->leagues) l->round = round;
        allResults();
        if (round == kRounds - 1) vssave(*world, vsPath(*world, "rival"), "よろしく");
        Tnews* screen = host->openNews(kAfterMatchDay, scratch.path("watched.dat"));
        ASSERT_NE(screen, nullptr);
        expectReplayClear(screen, pages, opponent);
        for (int turns = 0; turns < 20 && !screen->programme().finished(); ++turns) {
            turn(screen);
            expectReplayClear(screen, pages, opponent);
        }
        ASSERT_TRUE(screen->programme().finished());
        settle();
        ASSERT_NE(mainScreen(), nullptr);
        mainScreen()->close();
        settle();
    }
    EXPECT_TRUE(opponent);
    EXPECT_GE(pages, 12);
    EXPECT_TRUE(prompts.errors.empty());
}

}  // namespace
}  // namespace vm
