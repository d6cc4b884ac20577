// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/sound.h"

#include <QAudio>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <memory>
#include <utility>

namespace vm {
namespace {

// Extra time granted beyond a sound's own length before playAndWait gives up,
// for the audio output to start and drain.
constexpr qint64 kWaitMargin = 1000;
constexpr qint64 kLongestWait = 60'000;

// The playing time of a sound file, or -1 when it is missing or no WAVE file.
qint64 fileDuration(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return waveDuration(f.read(1 << 16));
}

}  // namespace

qint64 waveDuration(const QByteArray& b) {
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return -1;
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = u32(at + 4);
        if (id == "fmt " && size >= 16 && at + 8 + 12 <= b.size()) byteRate = u32(at + 8 + 8);
        if (id == "data") return byteRate ? static_cast<qint64>(size) * 1000 / byteRate : -1;
        at += 8 + static_cast<qsizetype>(size) + (size & 1);
    }
    return -1;
}

Sound::Sound(QObject* parent) : QObject(parent) {}

bool Sound::isAvailable() const {
    return !QMediaDevices::audioOutputs().isEmpty();
}

QSoundEffect* Sound::effect(const QString& file) {
    QSoundEffect*& e = effects_[file];
    if (!e) {
        e = new QSoundEffect(this);
        e->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
        e->setVolume(volume_);
    }
    return e;
}

void Sound::setVolume(int percent) {
    volume_ = QAudio::convertVolume(qBound(0, percent, 100) / 100.0F, QAudio::LogarithmicVolumeScale,
                                    QAudio::LinearVolumeScale);
    for (QSoundEffect* e : std::as_const(effects_)) e->setVolume(volume_);
}

void Sound::play(const QString& file) {
    if (!isAvailable() || !QFile::exists(file)) return;
    QSoundEffect* e = effect(file);
    e->stop();
    e->play();
}

void Sound::playThen(const QString& file, QObject* context, std::function<void()> done) {
    const qint64 length = isAvailable() ? fileDuration(file) : -1;
    if (length < 0) {
        done();
        return;
    }
    QSoundEffect* e = effect(file);
    e->stop();  // ends a wait for this sound still running

    // This start ends once: at the sound's own end, on an error, or when the
    // guard runs out; the connections go with `ending`.
    auto* ending = new QObject(this);
    auto fired = std::make_shared<bool>(false);
    auto started = std::make_shared<bool>(false);
    auto callback = std::make_shared<std::function<void()>>(std::move(done));
    const auto over = [ending, fired, callback, owner = QPointer<QObject>(context)] {
        if (*fired) return;
        *fired = true;
        ending->deleteLater();
        if (owner) (*callback)();
    };
    connect(e, &QSoundEffect::playingChanged, ending, [e, started, over] {
        if (e->isPlaying())
            *started = true;
        else if (*started)
            over();
    });
    connect(e, &QSoundEffect::statusChanged, ending, [e, over] {
        if (e->status() == QSoundEffect::Error) over();
    });
    auto* guard = new QTimer(ending);
    guard->setSingleShot(true);
    connect(guard, &QTimer::timeout, ending, over);
    guard->start(static_cast<int>(qMin(length + kWaitMargin, kLongestWait)));
    e->play();
    if (e->isPlaying()) *started = true;
}

void Sound::playAndWait(const QString& file) {
    if (!isAvailable()) return;
    const qint64 length = fileDuration(file);
    if (length < 0) return;  // not a sound the output could play

    QSoundEffect* e = effect(file);
    QEventLoop wait;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &wait, &QEventLoop::quit);
    connect(e, &QSoundEffect::playingChanged, &wait, [&] {
        if (!e->isPlaying()) wait.quit();
    });
    connect(e, &QSoundEffect::statusChanged, &wait, [&] {
        if (e->status() == QSoundEffect::Error) wait.quit();
    });
    e->stop();
    e->play();
    if (!e->isPlaying() || e->status() == QSoundEffect::Error) return;
    guard.start(static_cast<int>(qMin(length + kWaitMargin, kLongestWait)));
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    e->stop();
}

}  // namespace vm
