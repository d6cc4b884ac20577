// SPDX-License-Identifier: GPL-3.0-or-later
// Formation files: written and read back to the same markers; anything but
// one line of the magic and ten groups of digits is refused whole.
#include <gtest/gtest.h>

#include "players/formationfile.h"
#include "support/scratch.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {

MarkerCorners sample() {
    MarkerCorners c{};
    for (int i = 0; i < 10; ++i) c[i] = {74 + 19 * i, 424 - 38 * i};
    return c;
}

TEST(FormationFileTest, SavedMarkersComeBackWhereTheyWere) {
    test::Scratch scratch;
    const auto file = scratch.path("data/mine.frm");
    formationfilesave(file, sample());
    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.substr(0, 12), "005234074424");
    EXPECT_EQ(bytes.size(), 66u + 2);
    EXPECT_EQ(bytes.substr(66), "\r\n");
    EXPECT_EQ(formationfileload(file), sample());
}

TEST(FormationFileTest, AnyLineEndOrNoneIsOneLine) {
    const std::string line = formationline(sample());
    for (const char* end : {"", "\r\n", "\n", "\r"}) EXPECT_EQ(formationparse(line + end), sample()) << end;
}

TEST(FormationFileTest, OtherFilesAreRefusedWhole) {
    const std::string line = formationline(sample());
    std::string digit = line;
    digit[40] = 'x';
    std::string magic = line;
    magic[0] = '1';
    for (const std::string& bad : {std::string{}, line + "\r\n\r\n", line + "\r\n" + line, line.substr(0, 65),
                                   digit, magic, std::string("005234")}) {
        try {
            formationparse(bad);
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const FormatError& e) {
            EXPECT_STREQ(e.what(), "このファイルは使えません");
        }
    }
}

TEST(FormationFileTest, ALongerLineIsReadToItsTenGroupsAndCornersAreBroughtIntoTheDragArea) {
    const std::string line = formationline(sample());
    EXPECT_EQ(formationparse(line + "0123 anything\r\n"), sample());
    std::string off = line;
    off.replace(6, 12, "700999000001");  // beyond the area's right and bottom, then its left and top
    const MarkerCorners read = formationparse(off);
    EXPECT_EQ(read[0], (Point{SpotArea::maxX - 6, SpotArea::maxY - 6}));
    EXPECT_EQ(read[1], (Point{SpotArea::minX - 6, SpotArea::minY - 6}));
    EXPECT_EQ(read[2], sample()[2]);
}

TEST(FormationFileTest, AMissingOrOversizedFileIsRefusedBeforeItIsRead) {
    test::Scratch scratch;
    try {
        formationfileload(scratch.path("data/none.frm"));
        ADD_FAILURE() << "a missing file was read";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("none.frm"), std::string::npos) << e.what();
    }
    // A good line with a mountain of blank lines behind it is no formation file.
    const auto big = scratch.path("data/big.frm");
    writeBytesAtomic(big, formationline(sample()) + std::string(5000, '\n'));
    EXPECT_THROW(formationfileload(big), FormatError);
}

TEST(FormationFileTest, SavingReplacesAnOlderFileWhole) {
    test::Scratch scratch;
    const auto file = scratch.path("data/mine.frm");
    writeBytesAtomic(file, std::string(300, '9'));
    formationfilesave(file, sample());
    EXPECT_EQ(readBytes(file), formationline(sample()) + "\r\n");
}

TEST(FormationFileTest, MarkersAreKeptOnThePitchWhenWritten) {
    MarkerCorners c = sample();
    c[0] = {-4, 900};
    EXPECT_EQ(formationline(c).substr(6, 6), "000474");
}

}  // namespace
}  // namespace vm
