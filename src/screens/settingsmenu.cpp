// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/settingsmenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "screens/displayscale.h"
#include "screens/gamesettings.h"
#include "screens/screenhost.h"

namespace vm {
namespace {

constexpr int kVolumes[] = {100, 75, 50, 25};

// A checkable entry showing one on/off setting and writing it when toggled.
void addSwitch(QMenu* menu, const QString& caption, const char* name, bool (GameSettings::*read)() const,
               void (GameSettings::*write)(bool)) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    entry->setCheckable(true);
    QObject::connect(menu, &QMenu::aboutToShow, entry,
                     [entry, read] { entry->setChecked((GameSettings().*read)()); });
    QObject::connect(entry, &QAction::toggled, entry, [write](bool on) { (GameSettings().*write)(on); });
}

void chooseScale(DisplayScale scale, const Session& session, const std::function<bool()>& mayRestart) {
    GameSettings settings;
    if (settings.scale() == scale) return;
    settings.setScale(scale);
    if (!mayRestart()) {
        session.prompts.message(kScaleNextStartText);
        return;
    }
    if (session.prompts.askYesNo(kRestartQuestion)) session.host.restart();
}

// The scales that fit the screen the menu's window stands on, the chosen one
// checked; made again each time the menu opens, as the window may have moved.
void fillScaleMenu(QMenu* menu, const Session& session, const std::function<bool()>& mayRestart) {
    for (QActionGroup* old : menu->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly)) delete old;
    const QScreen* screen = menu->parentWidget()->window()->screen();
    const QList<DisplayScale> offered = screen ? offeredScales(*screen) : QList{DisplayScale::automatic};
    const DisplayScale chosen = GameSettings().scale();
    auto* group = new QActionGroup(menu);
    for (const DisplayScale scale : offered) {
        QAction* entry = group->addAction(scaleName(scale));
        entry->setObjectName(QString("scale_") + scaleWord(scale));
        entry->setCheckable(true);
        entry->setChecked(scale == chosen);
        QObject::connect(entry, &QAction::triggered, menu,
                         [scale, session, mayRestart] { chooseScale(scale, session, mayRestart); });
        menu->addAction(entry);
    }
}

void addVolumeMenu(QMenu* settings) {
    QMenu* menu = settings->addMenu("音量");
    menu->setObjectName("volume");
    auto* group = new QActionGroup(menu);
    for (const int volume : kVolumes) {
        QAction* entry = group->addAction(QString("%1%").arg(volume));
        entry->setObjectName(QString("volume_%1").arg(volume));
        entry->setCheckable(true);
        QObject::connect(entry, &QAction::triggered, entry, [volume] { GameSettings().setVolume(volume); });
        menu->addAction(entry);
    }
    QObject::connect(settings, &QMenu::aboutToShow, menu, [group] {
        const int volume = GameSettings().volume();
        for (QAction* entry : group->actions())
            entry->setChecked(entry->objectName() == QString("volume_%1").arg(volume));
    });
}

}  // namespace

QMenu* addSettingsMenu(QMenuBar* bar, const Session& session, std::function<bool()> mayRestart) {
    QMenu* settings = bar->addMenu("設定");
    settings->setObjectName("settings");
    QMenu* scales = settings->addMenu("表示の大きさ");
    scales->setObjectName("scales");
    QObject::connect(scales, &QMenu::aboutToShow, scales,
                     [scales, session, mayRestart] { fillScaleMenu(scales, session, mayRestart); });
    fillScaleMenu(scales, session, mayRestart);
    settings->addSeparator();
    addSwitch(settings, "サウンド", "sound", &GameSettings::soundEnabled, &GameSettings::setSoundEnabled);
    addVolumeMenu(settings);
    settings->addSeparator();
    addSwitch(settings, "オートセーブ", "autosave", &GameSettings::autosaveEnabled,
              &GameSettings::setAutosaveEnabled);
    return settings;
}

}  // namespace vm
