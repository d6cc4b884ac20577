// SPDX-License-Identifier: GPL-3.0-or-later
// Vellmora 2: the program entry. It reads the data it ships from
// <prefix>/share/vellmora2 beside its own folder (an installed game), else from
// the source tree it was built from (a developer build), and keeps the
// player's files in ${XDG_DATA_HOME:-~/.local/share}/vellmora2. The current
// folder plays no part.
#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "league/gamefolders.h"
#include "league/world.h"
#include "screens/appearance.h"
#include "screens/clock.h"
#include "screens/messageboxprompts.h"
#include "screens/screenhost.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vellmora 2");
    QApplication::setDesktopFileName("vellmora2");
    vm::useGameFont();
    vm::MessageBoxPrompts prompts;

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
    if (!host.start()) return 1;
    return QApplication::exec();
}
