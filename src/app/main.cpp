// SPDX-License-Identifier: GPL-3.0-or-later
// Vellmora 2: the program entry. It reads the data it ships from
// <prefix>/share/vellmora2 beside its own folder (an installed game), or, run
// from its build folder, from the source tree it was built from, and keeps the
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
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
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
namespace fs = std::filesystem;

// The game's two folders (league/gamefolders.h), or why one of them is missing.
struct Folders {
    fs::path shipped;
    fs::path player;
    std::string problem;  // empty when both were found
};

Folders findFolders() {
    Folders found;
    const fs::path program = vm::programFolder();
    const auto shipped = vm::findShippedRoot(program);
    if (!shipped) {
        found.problem =
            "ゲームのデータが見つかりません。\n" + vm::installedDataForMessages(program) + " が必要です。";
        return found;
    }
    found.shipped = *shipped;
    const auto player = vm::playerRoot(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!player) {
        found.problem = "セーブデータを置くフォルダが決まりません: HOME が設定されていません。";
        return found;
    }
    found.player = *player;
    return found;
}

constexpr std::string_view kUsage =
    "使い方: vellmora2 [--scale auto|1|1.5|2] [--folders | --version | --help]\n"
    "  --scale    この起動だけの表示倍率 (auto, 1, 1.5, 2)\n"
    "  --folders  ゲームのデータとセーブデータのフォルダを表示する\n"
    "  --version  版を表示する\n"
    "  --help     この説明を表示する\n"
    "オプションなしで起動するとゲームが始まります（Qt の -platform なども使えます）。\n";

// The options the game answers on the terminal without opening a window, so
// that they work without a display; nullopt when the game is started to play.
std::optional<int> answerOnTerminal(int argc, char** argv) {
    if (argc != 2) return std::nullopt;
    const std::string_view option = argv[1];
    if (option == "--version") {
        std::cout << "Vellmora 2 " VM_VERSION "\n";
        return 0;
    }
    if (option == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (option == "--folders") {
        const Folders folders = findFolders();
        if (!folders.problem.empty()) {
            std::cerr << folders.problem << '\n';
            return 1;
        }
        std::cout << "ゲームのデータ: " << (folders.shipped / "data").string() << '\n'
                  << "セーブデータ: " << (folders.player / "data").string() << '\n';
        return 0;
    }
    return std::nullopt;
}

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
    if (const auto answered = answerOnTerminal(argc, argv)) return *answered;
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

    const Folders folders = findFolders();
    if (!folders.problem.empty()) {
        // Also on the terminal, for a game started from one.
        std::cerr << folders.problem << '\n';
        prompts.error(folders.problem);
        return 1;
    }
    std::error_code ec;
    fs::create_directories(folders.player / "data", ec);
    if (ec) {
        prompts.error("セーブデータを置くフォルダを作れません: " + folders.player.string() + "（" +
                      ec.message() + "）");
        return 1;
    }

    vm::World world(folders.player, folders.shipped, vm::SeedSource::fromClock());
    if (const QIcon icon = vm::gameIcon(world); !icon.isNull()) QApplication::setWindowIcon(icon);
    vm::SystemClock clock;
    vm::ScreenHost host(world, prompts, clock);
    if (!host.start()) return 1;
    const int status = QApplication::exec();
    if (host.restartWanted() && !startAgain(withoutScale(arguments), startEnvironment))
        prompts.error("ゲームを再起動できませんでした。もう一度起動してください。");
    return status;
}
