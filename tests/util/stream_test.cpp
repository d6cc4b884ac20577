// SPDX-License-Identifier: GPL-3.0-or-later
// Length-prefixed strings, integers and CP932 at the edges of the program.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "util/cp932.h"
#include "util/errors.h"
#include "util/stream.h"

namespace vm {
namespace {

TEST(Stream, StringsAreCp932WithALittleEndianLength) {
    OutStream out;
    writestr(out, "山田");
    writestr(out, "");
    out.writeInt(-2);
    const std::string expected("\x04\x00\x00\x00\x8e\x52\x93\x63\x00\x00\x00\x00\xfe\xff\xff\xff", 16);
    EXPECT_EQ(out.bytes(), expected);

    InStream in(out.bytes());
    EXPECT_EQ(readString(in), "山田");
    EXPECT_EQ(readString(in), "");
    EXPECT_EQ(in.readInt(), -2);
    EXPECT_TRUE(in.atEnd());
}

TEST(Stream, ReadingAtTheEndLeavesTheTextUnchanged) {
    InStream in(std::string_view("\x01\x00", 2));
    std::string text = "keep";
    EXPECT_FALSE(readstr(in, text));
    EXPECT_EQ(text, "keep");
}

TEST(Stream, DamagedLengthsAreRefused) {
    const std::string longer(
        "\x10\x00\x00\x00"
        "abc",
        7);
    InStream a(longer);
    EXPECT_THROW(readString(a), FormatError);
    const std::string negative("\xff\xff\xff\xff", 4);
    InStream b(negative);
    EXPECT_THROW(readString(b), FormatError);
    InStream c(std::string_view("\x01\x00", 2));
    EXPECT_THROW(c.readInt(), FormatError);
    const std::string count("\x00\x00\x01\x00", 4);
    InStream d(count);
    EXPECT_THROW(d.readCount(1000, "選手"), FormatError);
}

TEST(Cp932, RoundTripsJapaneseAndRefusesWhatItCannotHold) {
    const std::string text = "ＮＥＸＴ　ﾕｰｽ・新規スタート";
    EXPECT_EQ(fromCp932(toCp932(text)), text);
    EXPECT_FALSE(fitsCp932("😀"));
    EXPECT_THROW(toCp932("a😀"), EncodingError);
    EXPECT_EQ(codePoints("山田A"), 3u);
    EXPECT_THROW(fromCp932(std::string_view("\x81", 1)), EncodingError);
}

// Each thread keeps its conversions open between strings; whatever a refused
// text left half done must not leak into the next one.
TEST(Cp932, AConversionStartsAfreshAfterARefusedText) {
    const std::string name = "山田　太郎";
    const std::string stored = toCp932(name);

    EXPECT_THROW(fromCp932(stored + "\x81"), EncodingError);  // ends inside a character
    EXPECT_EQ(fromCp932(stored), name);
    EXPECT_FALSE(fitsCp932("山田😀"));
    EXPECT_EQ(toCp932(name), stored);
}

TEST(Cp932, ThreadsConvertSideBySide) {
    const std::string name = "ＦＣ潮見・ﾕｰｽ";
    const std::string stored = toCp932(name);
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i) {
                if (toCp932(name) != stored || fromCp932(stored) != name) ++wrong[t];
                if (fitsCp932("😀")) ++wrong[t];
            }
        });
    for (auto& th : threads) th.join();

    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace vm
