// How the news screen reads: the title against the picture's light band.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "news_screen.h"

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

}  // namespace
}  // namespace vm
