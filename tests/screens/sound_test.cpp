// SPDX-License-Identifier: GPL-3.0-or-later
// Sound: the length of a WAVE file bounds every wait, and sounds that cannot
// be played (missing, broken, no audio output) never hold the game up.
#include "screens/sound.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace vm {
namespace {

// A 16-bit mono WAVE image of `samples` silent samples at `rate`, with an
// extra chunk before "data" as some editors write.
QByteArray wave(int rate, int samples) {
    QByteArray b;
    const auto u32 = [&](quint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        b.append(c, 4);
    };
    const auto u16 = [&](quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        b.append(c, 2);
    };
    b.append("RIFF");
    u32(0);  // patched below
    b.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<quint32>(rate));
    u32(static_cast<quint32>(rate) * 2);
    u16(2);
    u16(16);
    b.append("LIST");
    u32(3);
    b.append("abc\0", 4);  // odd size, padded to even
    b.append("data");
    u32(static_cast<quint32>(samples) * 2);
    b.append(QByteArray(samples * 2, '\0'));
    qToLittleEndian(static_cast<quint32>(b.size() - 8), b.data() + 4);
    return b;
}

TEST(Sound, aWaveFilesLengthComesFromItsHeader) {
    EXPECT_EQ(waveDuration(wave(22050, 11025)), 500);
    EXPECT_EQ(waveDuration(wave(8000, 8000 * 3)), 3000);
    EXPECT_EQ(waveDuration(QByteArray("RIFF\0\0\0\0WAVE", 12)), -1) << "no data chunk";
    EXPECT_EQ(waveDuration("not a sound"), -1);
    QByteArray huge = wave(22050, 10);
    qToLittleEndian(quint32{0xFFFFFFF0}, huge.data() + 40);  // the LIST chunk claims 4 GB
    EXPECT_EQ(waveDuration(huge), -1) << "a chunk running past the end is not followed";
}

TEST(Sound, unplayableSoundsReturnAtOnce) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.wav");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF????WAVEjunk");
    f.close();

    Sound sound;
    QElapsedTimer clock;
    clock.start();
    sound.play(dir.filePath("missing.wav"));
    sound.playAndWait(dir.filePath("missing.wav"));
    sound.play(broken);
    sound.playAndWait(broken);
    EXPECT_LT(clock.elapsed(), 500);
}

TEST(Sound, aSoundThatCannotBeHeardEndsBeforePlayThenReturns) {
    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.wav");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF????WAVEjunk");
    f.close();

    Sound sound;
    QObject context;
    int ended = 0;
    sound.playThen(dir.filePath("missing.wav"), &context, [&] { ++ended; });
    EXPECT_EQ(ended, 1);
    sound.playThen(broken, &context, [&] { ++ended; });
    EXPECT_EQ(ended, 2);
}

TEST(Sound, playingAndWaitingEndsWithinTheSoundsLength) {
    QTemporaryDir dir;
    const QString file = dir.filePath("short.wav");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wave(22050, 2205));  // 100 ms
    f.close();

    Sound sound;
    QElapsedTimer clock;
    clock.start();
    sound.playAndWait(file);
    // With an audio output it plays 100 ms; without one it returns at once.
    // Either way it never waits past the length plus the start-up margin.
    EXPECT_LT(clock.elapsed(), 1500);
}

}  // namespace
}  // namespace vm
