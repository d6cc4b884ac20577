// SPDX-License-Identifier: GPL-3.0-or-later
// The replay record's frame line and byte form, a damaged record refused, a
// cut-off one read as far as it goes, and the joined result file.
#include <gtest/gtest.h>

#include <filesystem>

#include "match/tgame.h"
#include "season/livereplay.h"
#include "season/replay_support.h"
#include "support/scratch.h"
#include "util/errors.h"
#include "util/random.h"
#include "util/stream.h"
#include "util/textfile.h"

namespace vm {
namespace {

TEST(LiveReplay, AFrameLineHoldsTheShirtCornersTheShadowAndTheBallInTheAir) {
    Tmteam side0, side1;
    for (int i = 0; i < 11; ++i) {
        side0[i].x = 100 + i;
        side0[i].y = 200;
        side1[i].x = 500;
        side1[i].y = 300 + i;
    }
    side0[0].x = 3;      // near the line: the corner stays at 0
    side1[10].x = 1200;  // off any sane pitch: the width holds
    Rng rng(1);
    Tgame game(rng, side0, side1);
    game.men = {side0, side1};
    game.ball.x = 320;
    game.ball.y = 240;
    game.ball.z = 3.0;  // 0.75 z = 2.25 -> 2, 1.5 z = 4.5 -> 4 (halves to even)

    const std::string line = vtrline(game);
    ASSERT_EQ(line.size(), 144u);
    EXPECT_EQ(line.substr(0, 12), "000194095194");  // men 0 and 1 of side 0
    EXPECT_EQ(line.substr(66, 6), "494294");        // side 1's man 0
    EXPECT_EQ(line.substr(126, 6), "999304");       // side 1's man 10
    EXPECT_EQ(line.substr(132), "317237315233");    // shadow, then the ball
}

TEST(LiveReplay, ARecordReadsBackAndADamagedOneIsRefused) {
    Replay r;
    r.pictures[0] = Bitmap(12, 12, 0xFF112233);
    r.pictures[1] = Bitmap(12, 12, 0xFF445566);
    r.step = 12;
    r.frames = {std::string(144, '7'), "g", "g", std::string(144, '0')};
    const std::string bytes = replayimage(r);
    const Replay back = readreplay(bytes);
    EXPECT_EQ(back.pictures, r.pictures);
    EXPECT_EQ(back.step, 12);
    EXPECT_EQ(back.frames, r.frames);
    const std::size_t pictures = 2 * (4 + encodeBmp(r.pictures[0]).size());
    EXPECT_EQ(bytes.substr(pictures),
              "12\r\n" + std::string(144, '7') + "\r\ng\r\ng\r\n" + std::string(144, '0') + "\r\n");

    EXPECT_THROW(readreplay(bytes.substr(0, 30)), FormatError);
    OutStream huge;
    huge.writeInt(-5);
    EXPECT_THROW(readreplay(huge.bytes()), FormatError);
    r.frames.push_back("12345");
    EXPECT_THROW(readreplay(replayimage(r)), FormatError);
}

TEST(LiveReplay, ARecordCutOffInsideAFrameKeepsTheWholeFramesBeforeAndSaysItIsCutShort) {
    const Replay whole = test::handmadeReplay({"100", "g", "g", "103", "104"});
    const std::string bytes = replayimage(whole);
    const std::string cut = bytes.substr(0, bytes.size() - 100);  // inside frame 5's line

    const ReplayReading reading = readreplaypart(cut);
    EXPECT_TRUE(reading.cutShort);
    EXPECT_EQ(reading.problem, "記録が5コマ目の途中で切れています");
    EXPECT_EQ(reading.replay.frames,
              std::vector<std::string>(whole.frames.begin(), whole.frames.begin() + 4));
    EXPECT_EQ(reading.replay.pictures, whole.pictures);
    EXPECT_THROW(readreplay(cut), FormatError) << "the strict reader takes whole records only";

    // A whole record, and one that lost only its last line end, are not cut short.
    EXPECT_FALSE(readreplaypart(bytes).cutShort);
    const ReplayReading unended = readreplaypart(bytes.substr(0, bytes.size() - 2));
    EXPECT_FALSE(unended.cutShort);
    EXPECT_EQ(unended.replay.frames, whole.frames);
}

TEST(LiveReplay, DamageThatIsNoCutIsRefusedEvenForWatching) {
    const Replay whole = test::handmadeReplay({"100", "101", "102"});
    const std::string bytes = replayimage(whole);
    const std::size_t text = 2 * (4 + encodeBmp(whole.pictures[0]).size());
    ASSERT_EQ(bytes.substr(text, 4), "12\r\n");

    EXPECT_THROW(readreplaypart(bytes.substr(0, text - 40)), FormatError) << "cut inside the pictures";
    EXPECT_THROW(readreplaypart(bytes.substr(0, text)), FormatError) << "nothing after the pictures";
    std::string middle = bytes;
    middle[text + 4 + 70] = 'x';  // inside frame 1, with frames after it
    EXPECT_THROW(readreplaypart(middle), FormatError);
    EXPECT_THROW(readreplaypart(bytes + std::string(150, '5')), FormatError) << "a last line too long";
    EXPECT_THROW(readreplaypart(bytes + "12a"), FormatError) << "a last line that is no frame's start";
    std::string step = bytes;
    step.replace(text, 2, "-4");
    EXPECT_THROW(readreplaypart(step), FormatError);
}

TEST(LiveReplay, ARecordFileTooLargeToBeOneIsRefusedBeforeItIsRead) {
    test::Scratch scratch;
    const std::filesystem::path file = scratch.path("huge.dat");
    writeBytesAtomic(file, replayimage(test::handmadeReplay({"1"})));
    std::filesystem::resize_file(file, kMaxReplayBytes + 1);
    EXPECT_THROW(readreplayfile(file), FormatError);
    EXPECT_THROW(readreplayfile(scratch.path("missing.dat")), DataError);
}

TEST(LiveReplay, TheJoinedResultNamesBothLineCountsAndHoldsBothFilesInTurn) {
    test::Scratch scratch;
    auto w = scratch.world(1, false);
    std::filesystem::create_directories(w->path("data/tmp"));
    writeLines(w->path("data/tmp/200"), {"12分　10選手", "80分　Own Goal"});
    writeLines(w->path("data/tmp/201"), {});
    EXPECT_EQ(joinresults(*w, 2), "data/tmp/result0200.dat");
    EXPECT_EQ(readBytes(w->path("data/tmp/result0200.dat")),
              readBytes(w->path("data/tmp/200")) + readBytes(w->path("data/tmp/201")));
}

}  // namespace
}  // namespace vm
