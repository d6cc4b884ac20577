// Vellmora 2: the program entry. The game works in the current folder, which
// holds its data/ (play.sh prepares one and starts the game there).
#include <QApplication>

#include <filesystem>

#include "league/world.h"
#include "screens/appearance.h"
#include "screens/clock.h"
#include "screens/messageboxprompts.h"
#include "screens/screenhost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vellmora 2");
    QApplication::setDesktopFileName("vellmora2");
    vm::useGameFont();
    if (const QIcon icon = vm::gameIcon(); !icon.isNull()) QApplication::setWindowIcon(icon);

    vm::World world(std::filesystem::current_path(), vm::SeedSource::fromClock());
    vm::MessageBoxPrompts prompts;
    vm::SystemClock clock;
    vm::ScreenHost host(world, prompts, clock);
    if (!host.openTitle()) return 1;
    return QApplication::exec();
}
