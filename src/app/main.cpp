// Vellmora 2: the program entry. The game works in the current folder, which
// holds its data/ (play.sh prepares one and starts the game there).
#include <QApplication>
#include <QDirIterator>
#include <QFontDatabase>
#include <QIcon>

#include <filesystem>

#include "league/world.h"
#include "screens/clock.h"
#include "screens/messageboxprompts.h"
#include "screens/screenhost.h"

namespace {

// A font that holds every Japanese text of the game, when the machine has one.
void useJapaneseFont() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "VL Gothic"}) {
        if (installed.contains(family)) {
            QFont f = QApplication::font();
            f.setFamily(family);
            QApplication::setFont(f);
            return;
        }
    }
}

// The application icon in every size shipped under data/icons.
QIcon gameIcon() {
    QIcon icon;
    QDirIterator it("data/icons", {"vellmora2.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) icon.addFile(it.next());
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vellmora 2");
    QApplication::setDesktopFileName("vellmora2");
    useJapaneseFont();
    if (const QIcon icon = gameIcon(); !icon.isNull()) QApplication::setWindowIcon(icon);

    vm::World world(std::filesystem::current_path(), vm::SeedSource::fromClock());
    vm::MessageBoxPrompts prompts;
    vm::SystemClock clock;
    vm::ScreenHost host(world, prompts, clock);
    if (!host.openTitle()) return 1;
    return QApplication::exec();
}
