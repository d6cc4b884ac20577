// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/gamesettings.h"

#include <algorithm>

namespace vm {
namespace {

constexpr const char* kScaleKey = "display/scale";
constexpr const char* kNativeFactorKey = "display/nativeFactor";
constexpr const char* kSoundKey = "sound/enabled";
constexpr const char* kVolumeKey = "sound/volume";
constexpr const char* kAutosaveKey = "autosave/enabled";

// The platform's own factor is a desktop scale: anything outside this is a damaged file.
constexpr double kLeastNative = 0.25;
constexpr double kMostNative = 8.0;

}  // namespace

double scaleFactor(DisplayScale scale) {
    switch (scale) {
        case DisplayScale::x1: return 1.0;
        case DisplayScale::x1_5: return 1.5;
        case DisplayScale::x2: return 2.0;
        case DisplayScale::automatic: break;
    }
    return 0.0;
}

QString scaleName(DisplayScale scale) {
    switch (scale) {
        case DisplayScale::x1: return "1倍";
        case DisplayScale::x1_5: return "1.5倍";
        case DisplayScale::x2: return "2倍";
        case DisplayScale::automatic: break;
    }
    return "自動";
}

const char* scaleWord(DisplayScale scale) {
    switch (scale) {
        case DisplayScale::x1: return "1";
        case DisplayScale::x1_5: return "1.5";
        case DisplayScale::x2: return "2";
        case DisplayScale::automatic: break;
    }
    return "auto";
}

std::optional<DisplayScale> parseScale(std::string_view word) {
    for (const DisplayScale scale : kDisplayScales)
        if (word == scaleWord(scale)) return scale;
    return std::nullopt;
}

GameSettings::GameSettings()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication) {}

DisplayScale GameSettings::scale() const {
    const QByteArray word = settings_.value(kScaleKey).toString().toUtf8();
    return parseScale(std::string_view(word.constData(), word.size())).value_or(DisplayScale::automatic);
}

void GameSettings::setScale(DisplayScale scale) {
    settings_.setValue(kScaleKey, scaleWord(scale));
}

double GameSettings::nativeFactor() const {
    bool ok = false;
    const double factor = settings_.value(kNativeFactorKey, 1.0).toDouble(&ok);
    return ok && factor >= kLeastNative && factor <= kMostNative ? factor : 1.0;
}

void GameSettings::setNativeFactor(double factor) {
    settings_.setValue(kNativeFactorKey, factor);
    settings_.sync();  // a game started again at once reads it
}

bool GameSettings::soundEnabled() const {
    return settings_.value(kSoundKey, true).toBool();
}

void GameSettings::setSoundEnabled(bool on) {
    settings_.setValue(kSoundKey, on);
}

int GameSettings::volume() const {
    bool ok = false;
    const int volume = settings_.value(kVolumeKey, kMaxVolume).toInt(&ok);
    return ok ? std::clamp(volume, 0, kMaxVolume) : kMaxVolume;
}

void GameSettings::setVolume(int volume) {
    settings_.setValue(kVolumeKey, std::clamp(volume, 0, kMaxVolume));
}

bool GameSettings::autosaveEnabled() const {
    return settings_.value(kAutosaveKey, true).toBool();
}

void GameSettings::setAutosaveEnabled(bool on) {
    settings_.setValue(kAutosaveKey, on);
}

void GameSettings::clear() {
    settings_.clear();
}

}  // namespace vm
