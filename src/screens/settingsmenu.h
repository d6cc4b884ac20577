// SPDX-License-Identifier: GPL-3.0-or-later
// The "設定" menu of the main screen's menu bar. Each entry reads and writes
// GameSettings at once: the display scale (from the next start; the game
// offers to restart), the sound and its volume, autosave. A new setting adds
// its entry in addSettingsMenu.
#pragma once

#include <functional>

#include "screens/session.h"

class QMenu;
class QMenuBar;

namespace vm {

// The question asked when a new display scale is chosen and the game may restart now.
inline constexpr const char* kRestartQuestion =
    "表示の大きさは次の起動から変わります。\n今すぐ再起動しますか？（セーブしていない進行は失われます）";
// Told instead while the game cannot restart (a match day under way).
inline constexpr const char* kScaleNextStartText = "表示の大きさは次の起動から変わります。";

// Adds "設定" to `bar`. `mayRestart` says whether the game may end now (no
// match day under way), so that the restart can be offered.
QMenu* addSettingsMenu(QMenuBar* bar, const Session& session, std::function<bool()> mayRestart);

}  // namespace vm
