// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/displayscale.h"

#include <QScreen>
#include <QStringList>

#include <stdexcept>
#include <string>

#include "screens/tmatch.h"

namespace vm {

double prepareDisplayScale(DisplayScale scale, double nativeFactor) {
    if (scale == DisplayScale::automatic) return 0.0;
    const double applied = scaleFactor(scale) / nativeFactor;
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(applied));
    return applied;
}

double keptNativeFactor(const QScreen& screen, double applied) {
    return screen.devicePixelRatio() / applied;
}

bool scaleFits(double factor, QSize available) {
    const QSize largest = Tmatch::kSize;
    return largest.width() * factor <= available.width() && largest.height() * factor <= available.height();
}

QList<DisplayScale> offeredScales(const QScreen& screen) {
    const QSize available = screen.availableGeometry().size() * screen.devicePixelRatio();
    QList<DisplayScale> offered;
    for (const DisplayScale scale : kDisplayScales)
        if (scale == DisplayScale::automatic || scaleFits(scaleFactor(scale), available))
            offered.append(scale);
    return offered;
}

std::optional<DisplayScale> commandLineScale(const QStringList& arguments) {
    std::optional<QString> word;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--scale")
            word = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (arguments[i].startsWith("--scale="))
            word = arguments[i].mid(8);
    }
    if (!word) return std::nullopt;
    if (const auto scale = parseScale(word->toStdString())) return scale;
    throw std::invalid_argument("--scale には auto、1、1.5、2 のどれかを指定してください（" +
                                word->toStdString() + " は使えません）");
}

}  // namespace vm
