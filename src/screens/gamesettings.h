// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings for the game as a whole (display scale, sound,
// autosave), kept through QSettings in
// ${XDG_CONFIG_HOME:-~/.config}/vellmora2/vellmora2.conf. Every GameSettings
// reads and writes that one file, so code that needs a setting makes one where
// it needs it. A value the file holds damaged reads as its default.
//
// Tests: Qt fixes the settings folder at the first use of QSettings in a
// process, so the screen tests' main points XDG_CONFIG_HOME at a temporary
// folder before the application starts (tests never see the developer's own
// settings), and each screen test starts from the defaults through clear().
#pragma once

#include <QSettings>
#include <QString>

#include <optional>
#include <string_view>

namespace vm {

// How large the game's windows are drawn: the desktop's own scale, or an
// absolute factor of device pixels to the game's pixels.
enum class DisplayScale { automatic, x1, x1_5, x2 };

inline constexpr DisplayScale kDisplayScales[] = {DisplayScale::automatic, DisplayScale::x1,
                                                  DisplayScale::x1_5, DisplayScale::x2};

// The factor of an absolute scale; 0 for the desktop's own.
double scaleFactor(DisplayScale scale);
// What the "設定" menu calls it: "自動", "1倍", "1.5倍", "2倍".
QString scaleName(DisplayScale scale);
// The scale of a command line's or the file's word: "auto", "1", "1.5", "2".
std::optional<DisplayScale> parseScale(std::string_view word);
// The word parseScale reads back.
const char* scaleWord(DisplayScale scale);

class GameSettings {
public:
    static constexpr const char* kOrganisation = "vellmora2";
    static constexpr const char* kApplication = "vellmora2";
    static constexpr int kMaxVolume = 100;

    GameSettings();

    // Default: automatic. Takes effect at the next start.
    DisplayScale scale() const;
    void setScale(DisplayScale scale);
    // The scale the platform itself laid under the game's own on the last
    // start that chose an absolute scale (a scaled Wayland output keeps it);
    // the next such start divides it out. Default 1.
    double nativeFactor() const;
    void setNativeFactor(double factor);

    // Default: on. Off, the game makes no sound object and asks for no audio device.
    bool soundEnabled() const;
    void setSoundEnabled(bool on);
    // 0..kMaxVolume, default kMaxVolume.
    int volume() const;
    void setVolume(int volume);

    // Default: on.
    bool autosaveEnabled() const;
    void setAutosaveEnabled(bool on);

    // Back to every default.
    void clear();
    // The file the settings live in.
    QString fileName() const { return settings_.fileName(); }

private:
    QSettings settings_;
};

}  // namespace vm
