// SPDX-License-Identifier: GPL-3.0-or-later
// Vellmora 2: the program entry. It reads the data it ships from
// <prefix>/share/vellmora2 beside its own folder (an installed game), else from
// the source tree it was built from (a developer build), and keeps the
// player's files in ${XDG_DATA_HOME:-~/.local/share}/vellmora2. The current
// folder plays no part. `--scale auto|1|1.5|2` sets the display scale for one
// run; otherwise the settings' scale holds.
#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "league/gamefolders.h"
#include "league/world.h"
#include "screens/appearance.h"
#include "screens/clock.h"
#include "screens/displayscale.h"
#include "screens/gamesettings.h"
#include "screens/messageboxprompts.h"
#include "screens/screenhost.h"

namespace {

// The program's arguments (after its name), without a one-run --scale.
QStringList withoutScale(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--scale")
            ++i;
        else if (!arguments[i].startsWith("--scale="))
            kept << arguments[i];
    }
    return kept;
}

// The game again with `arguments` in `environment`; true when it started.
bool startAgain(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess game;
    game.setProgram(QCoreApplication::applicationFilePath());
    game.setArguments(arguments);
    game.setProcessEnvironment(environment);
    return game.startDetached();
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const QProcessEnvironment startEnvironment = QProcessEnvironment::systemEnvironment();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    vm::GameSettings settings;
    vm::DisplayScale scale = settings.scale();
    try {
        scale = vm::commandLineScale(arguments).value_or(scale);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "vellmora2: %s\n", e.what());
        return 2;
    }
    const double applied = vm::prepareDisplayScale(scale, settings.nativeFactor());

    QApplication app(argc, argv);
    QApplication::setApplicationName("Vellmora 2");
    QApplication::setDesktopFileName("vellmora2");
    vm::useGameFont();
    vm::MessageBoxPrompts prompts;
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && applied > 0) {
        // A platform that scales on its own (a scaled Wayland output) is
        // divided out from the next start on; the first start that learns it
        // starts again at once, before any window is shown.
        const double native = vm::keptNativeFactor(*screen, applied);
        if (std::abs(native - settings.nativeFactor()) > 0.01) {
            settings.setNativeFactor(native);
            if (!startEnvironment.contains("VM_SCALE_MEASURED")) {
                QProcessEnvironment again = startEnvironment;
                again.insert("VM_SCALE_MEASURED", "1");
                if (startAgain(arguments.mid(1), again)) return 0;
            }
        }
    }

    const fs::path program = vm::programFolder();
    const auto shipped = vm::findShippedRoot(program, VM_SOURCE_ROOT);
    if (!shipped) {
        prompts.error("ゲームのデータが見つかりません。\n" +
                      (program / vm::kInstalledShare).lexically_normal().string() + "/data か " +
                      VM_SOURCE_ROOT + "/data が必要です。");
        return 1;
    }
    const auto player = vm::playerRoot(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!player) {
        prompts.error("セーブデータを置くフォルダが決まりません: HOME が設定されていません。");
        return 1;
    }
    std::error_code ec;
    fs::create_directories(*player / "data", ec);
    if (ec) {
        prompts.error("セーブデータを置くフォルダを作れません: " + player->string() + "（" + ec.message() +
                      "）");
        return 1;
    }

    vm::World world(*player, *shipped, vm::SeedSource::fromClock());
    if (const QIcon icon = vm::gameIcon(world); !icon.isNull()) QApplication::setWindowIcon(icon);
    vm::SystemClock clock;
    vm::ScreenHost host(world, prompts, clock);
    if (!host.openTitle()) return 1;
    const int status = QApplication::exec();
    if (host.restartWanted() && !startAgain(withoutScale(arguments), startEnvironment))
        prompts.error("ゲームを再起動できませんでした。もう一度起動してください。");
    return status;
}
