#include "screens/screenhost.h"

#include <QCoreApplication>

#include "screens/tmain.h"
#include "screens/treplay.h"
#include "screens/ttitle.h"

namespace vm {

ScreenHost::ScreenHost(World& world, Prompts& prompts, Clock& clock)
    : world_(world), prompts_(prompts), clock_(clock) {}

ScreenHost::~ScreenHost() {
    for (const QPointer<QWidget>& screen : screens_) delete screen.data();
}

template <class Screen>
Screen* ScreenHost::adopt(Screen* screen) {
    if (!screen) return nullptr;
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screens_.removeAll(nullptr);
    screens_.append(screen);
    return screen;
}

Ttitle* ScreenHost::openTitle() {
    return adopt(Ttitle::open(session()));
}

Tmain* ScreenHost::openMain() {
    if (main_) main_->close();
    main_ = adopt(new Tmain(session()));
    main_->show();
    return main_;
}

Treplay* ScreenHost::openReplays(const std::filesystem::path& record) {
    if (replays_) replays_->close();
    replays_ = adopt(Treplay::open(session()));
    if (replays_ && !record.empty()) replays_->showRecord(record);
    return replays_;
}

void ScreenHost::quit() {
    for (const QPointer<QWidget>& screen : screens_)
        if (screen) screen->close();
    QCoreApplication::quit();
}

QList<QWidget*> ScreenHost::screens() const {
    QList<QWidget*> open;
    for (const QPointer<QWidget>& screen : screens_)
        if (screen && !screen->testAttribute(Qt::WA_WState_Hidden) && screen->isVisible())
            open.append(screen);
    return open;
}

}  // namespace vm
