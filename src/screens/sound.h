// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds: WAVE files played through Qt Multimedia. Where the
// machine has no audio output every call returns at once and nothing is heard.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QSoundEffect;

namespace vm {

class Sound : public QObject {
    Q_OBJECT
public:
    explicit Sound(QObject* parent = nullptr);

    // Whether an audio output exists; without one the game stays silent.
    bool isAvailable() const;
    // Starts `file` and returns at once; starting it again restarts it.
    void play(const QString& file);
    // Starts `file` and returns at once; `done` runs from the event loop when
    // the sound has ended (at the latest its length and a margin after the
    // start), unless `context` is gone by then. When nothing can be heard (no
    // audio output, a missing or broken file) `done` runs before this returns.
    void playThen(const QString& file, QObject* context, std::function<void()> done);
    // Plays `file` to its end. Windows keep painting meanwhile, but clicks and
    // keys wait until the sound is over. Returns at once when nothing can be heard.
    void playAndWait(const QString& file);
    // Loudness 0..100 as the player hears it (a logarithmic scale), for every sound.
    void setVolume(int percent);

private:
    QSoundEffect* effect(const QString& file);
    QHash<QString, QSoundEffect*> effects_;
    float volume_ = 1.0F;  // linear, as the output takes it
};

// The playing time of a WAVE file image in milliseconds, or -1 when its
// header cannot be read. Bounds how long playAndWait ever waits.
qint64 waveDuration(const QByteArray& bytes);

}  // namespace vm
