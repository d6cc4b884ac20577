// SPDX-License-Identifier: GPL-3.0-or-later
// The game's line files: CP932 with CRLF line ends, written over whatever was
// there before, and a clear error when the folder is missing.
#include <gtest/gtest.h>

#include "support/scratch.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {
namespace {

TEST(TextFile, LinesAreWrittenOverALongerFileInCp932) {
    test::Scratch scratch;
    const auto file = scratch.path("data/lines");
    writeLines(file, {"a long first line that the next write must not leave behind", "2"});
    writeLines(file, {"山田", "", "0510"});
    EXPECT_EQ(readBytes(file), std::string("\x8e\x52\x93\x63\r\n\r\n0510\r\n"));
    EXPECT_EQ(readLines(file), (std::vector<std::string>{"山田", "", "0510"}));
    // No lines make an empty file.
    writeLines(file, {});
    EXPECT_EQ(readBytes(file), "");
}

TEST(TextFile, AMissingFolderIsAnErrorThatNamesTheFile) {
    test::Scratch scratch;
    const auto file = scratch.path("data/nowhere/goal0");
    try {
        writeLines(file, {"0510"});
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("nowhere/goal0"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace vm
