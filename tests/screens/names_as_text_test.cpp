// SPDX-License-Identifier: GPL-3.0-or-later
// Names are text: a versus club whose names look like markup, brought into
// the league, shows them as written in labels, tooltips and title bars.
#include <QTextDocumentFragment>
#include <QWindow>

#include "league/runner.h"
#include "league/savefiles.h"
#include "league/versus.h"
#include "match_driving.h"
#include "news_screen.h"
#include "save/save_support.h"
#include "screens/tplayerdata.h"
#include "season/livematch.h"

namespace vm {
namespace {
using test::NewsScreen;

// What the player reads of `text` shown in `format`.
QString shown(const QString& text, Qt::TextFormat format = Qt::AutoText) {
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

void expectLabelsAsWritten() {
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QLabel* l : window->findChildren<QLabel*>())
            EXPECT_EQ(shown(l->text(), l->textFormat()), l->text());
}

TEST_F(NewsScreen, NamesThatLookLikeMarkupAreShownAsWritten) {
    const QString club = "<b>FC</b>[*]", player = "<i>x</i>";
    auto other = test::newGame(scratch, 40);
    other->team(0).name = club.toStdString();
    for (World* w : {other.get(), world.get()})
        for (auto& p : w->team(0).roster) p->name = player.toStdString();
    vssave(*other, vsPath(*world, "rival"), "x");
    season(0);
    const int rival = useropponent(*world, 2);  // in the place Division 2's last club leaves
    lastclubreplace(*world, rival, vsPath(*world, "rival"));
    writeLines(world->path("data/msp.dat"), {"6"});
    writeLines(world->path("data/vtr"), {});
    clock.step = LiveMatch::kFrameGap + 1;

    Tmain* main = host->openMain();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(shown(child<QLabel>(main, qPrintable(QString("img2%1").arg(rival)))->toolTip()), club);
    EXPECT_EQ(host->openCard(rival, 0)->windowHandle()->title(), player);
    expectLabelsAsWritten();

    for (int press = 0; press < 2; ++press)
        QTest::mouseClick(child<PanelButton>(main, "Pnext"), Qt::LeftButton);
    settle();
    QPointer<Tmatch> m = qobject_cast<Tmatch*>(host->screens().last());
    ASSERT_TRUE(m);
    EXPECT_TRUE(m->windowHandle()->title().endsWith(" VS " + club));
    EXPECT_EQ(shown(child<QLabel>(m, "lbtn1")->toolTip()), club);
    bool goal = false;  // every player bears the name, so the scorer shows it
    test::runUntil(m, [&] { return goal = child<QLabel>(&m->pitch(), "lbgoalman")->isVisible(); });
    expectLabelsAsWritten();
    test::runUntil(m, [] { return false; });
    settle();
    ASSERT_NE(news(), nullptr);
    QTest::mouseClick(child<PanelButton>(news(), "Preplay"), Qt::LeftButton);
    expectLabelsAsWritten();  // the replay's title among them
    EXPECT_TRUE(goal && prompts.silent());
}

}  // namespace
}  // namespace vm
