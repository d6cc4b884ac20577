// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the pictures and sounds the game ships: a fresh run of the generator
// reproduces every committed file byte for byte, and every file has the form
// the screens expect (sizes, pixel formats, PCM layout, clean levels).
// Usage: vm-assets-test COMMITTED_DATA_FOLDER FRESH_DATA_FOLDER
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path gCommitted, gFresh;

using Bytes = std::vector<unsigned char>;

Bytes readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t le16(const Bytes& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}
std::uint32_t le32(const Bytes& b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}
std::uint32_t be16(const Bytes& b, std::size_t at) {
    return (b.at(at) << 8) | b.at(at + 1);
}
std::uint32_t be32(const Bytes& b, std::size_t at) {
    return (be16(b, at) << 16) | be16(b, at + 2);
}

struct Size {
    std::uint32_t w = 0, h = 0;
    bool operator==(const Size&) const = default;
};

// Width and height from the frame header of a baseline or progressive JPEG.
Size jpegSize(const Bytes& b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return {};
    std::size_t at = 2;
    while (at + 9 < b.size()) {
        if (b[at] != 0xFF) return {};
        const unsigned marker = b[at + 1];
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) return {be16(b, at + 7), be16(b, at + 5)};
        at += 2 + be16(b, at + 2);
    }
    return {};
}

struct Bmp {
    Size size;
    int bits = 0;
    std::vector<std::uint32_t> rgb;  // top-down, 0xRRGGBB
};

// A 24-bit, uncompressed, bottom-up BMP; anything else leaves bits at 0.
Bmp readBmp(const Bytes& b) {
    Bmp bmp;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || le32(b, 14) < 40) return bmp;
    const auto w = static_cast<std::int32_t>(le32(b, 18)), h = static_cast<std::int32_t>(le32(b, 22));
    if (w <= 0 || h <= 0 || le16(b, 28) != 24 || le32(b, 30) != 0) return bmp;
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t{3};
    const std::size_t offset = le32(b, 10);
    if (offset + stride * static_cast<std::size_t>(h) > b.size()) return bmp;
    bmp.size = {static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)};
    bmp.bits = 24;
    for (int y = 0; y < h; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const std::size_t p = row + static_cast<std::size_t>(x) * 3;
            bmp.rgb.push_back((b[p + 2] << 16) | (b[p + 1] << 8) | b[p]);
        }
    }
    return bmp;
}

struct Wav {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
};

Wav readWav(const Bytes& b) {
    Wav wav;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE" || le32(b, 4) + 8 != b.size())
        return wav;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
        const std::size_t len = le32(b, at + 4);
        if (at + 8 + len > b.size()) return Wav{};
        if (id == "fmt " && len >= 16) {
            wav.format = static_cast<int>(le16(b, at + 8));
            wav.channels = static_cast<int>(le16(b, at + 10));
            wav.rate = static_cast<int>(le32(b, at + 12));
            wav.bits = static_cast<int>(le16(b, at + 22));
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < len; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(le16(b, at + 8 + i)));
        }
        at += 8 + len + (len & 1);
    }
    return wav;
}

// Every file the game and the desktop entry need.
struct Expected {
    std::string file;
    Size size;
};
const std::vector<Expected> kJpegs = {
    {"skin/title.jpg", {640, 480}},  {"skin/pitch.jpg", {640, 480}}, {"skin/main.jpg", {660, 461}},
    {"skin/trade.jpg", {660, 461}},  {"skin/news.jpg", {640, 480}},  {"skin/save.jpg", {700, 520}},
    {"skin/caster.jpg", {160, 120}},
};
const std::vector<Expected> kBmps = {{"teamimage.bmp", {120, 24}}, {"skin/caster2.bmp", {320, 240}}};
std::vector<Expected> pngs() {
    std::vector<Expected> list = {{"skin/ball.png", {8, 8}}, {"skin/ballshadow.png", {8, 8}}};
    for (std::uint32_t s : {16u, 24u, 32u, 48u, 64u, 128u, 256u})
        list.push_back(
            {"icons/hicolor/" + std::to_string(s) + "x" + std::to_string(s) + "/apps/vellmora2.png", {s, s}});
    return list;
}
struct ExpectedSound {
    std::string file;
    double minSeconds, maxSeconds;
};
const std::vector<ExpectedSound> kSounds = {
    {"sound/mstart.wav", 0.6, 1.0}, {"sound/mend.wav", 1.5, 3.0}, {"sound/goal.wav", 3.0, 4.0},
    {"sound/home.wav", 3.0, 4.0},   {"sound/post.wav", 0.2, 1.2},
};

std::vector<std::string> allFiles() {
    std::vector<std::string> files;
    for (const auto& e : kJpegs) files.push_back(e.file);
    for (const auto& e : kBmps) files.push_back(e.file);
    for (const auto& e : pngs()) files.push_back(e.file);
    for (const auto& e : kSounds) files.push_back(e.file);
    files.push_back("icons/hicolor/scalable/apps/vellmora2.svg");
    return files;
}

TEST(AssetFiles, AFreshRunRedrawsEveryCommittedFileByteForByte) {
    for (const std::string& f : allFiles()) {
        SCOPED_TRACE(f);
        ASSERT_TRUE(fs::exists(gCommitted / f)) << "not committed";
        ASSERT_TRUE(fs::exists(gFresh / f)) << "not generated";
        EXPECT_TRUE(readAll(gCommitted / f) == readAll(gFresh / f))
            << "committed file differs from a fresh run";
    }
    // And the generator writes nothing that is not checked here.
    std::set<std::string> known;
    for (const std::string& f : allFiles()) known.insert(f);
    for (const auto& entry : fs::recursive_directory_iterator(gFresh)) {
        if (!entry.is_regular_file()) continue;
        EXPECT_TRUE(known.count(fs::relative(entry.path(), gFresh).generic_string()))
            << "unchecked output " << entry.path();
    }
}

TEST(AssetFiles, PicturesHaveTheSizesAndFormsTheScreensUse) {
    for (const auto& e : kJpegs) {
        SCOPED_TRACE(e.file);
        EXPECT_EQ(jpegSize(readAll(gCommitted / e.file)), e.size);
    }
    for (const auto& e : kBmps) {
        SCOPED_TRACE(e.file);
        const Bmp bmp = readBmp(readAll(gCommitted / e.file));
        EXPECT_EQ(bmp.bits, 24);
        EXPECT_EQ(bmp.size, e.size);
    }
    for (const auto& e : pngs()) {
        SCOPED_TRACE(e.file);
        const Bytes b = readAll(gCommitted / e.file);
        ASSERT_GE(b.size(), 33u);
        EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
        EXPECT_EQ((Size{be32(b, 16), be32(b, 20)}), e.size);
        EXPECT_EQ(b[24], 8);  // 8 bits per channel
        EXPECT_EQ(b[25], 6);  // RGBA: the ball, its shadow and the icon need transparency
    }
}

TEST(AssetFiles, TwentyClubCrestsAreDistinctAndDrawnInSeveralColours) {
    const Bmp bmp = readBmp(readAll(gCommitted / "teamimage.bmp"));
    ASSERT_EQ(bmp.size, (Size{120, 24}));
    std::vector<std::vector<std::uint32_t>> crests(20);
    for (int j = 0; j < 20; ++j)
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                crests[j].push_back(
                    bmp.rgb[static_cast<std::size_t>(((j / 10) * 12 + y) * 120 + (j % 10) * 12 + x)]);
    for (int a = 0; a < 20; ++a) {
        const std::set<std::uint32_t> colours(crests[a].begin(), crests[a].end());
        EXPECT_GE(colours.size(), 3u) << "crest " << a << " is too plain to tell apart";
        for (int b = a + 1; b < 20; ++b) {
            int differing = 0;
            for (std::size_t i = 0; i < 144; ++i) differing += crests[a][i] != crests[b][i];
            EXPECT_GE(differing, 20) << "crests " << a << " and " << b << " look alike";
        }
    }
}

TEST(AssetFiles, SoundsArePcmWithCleanEndsNoClippingAndMatchedLevels) {
    std::vector<double> levels;
    for (const auto& e : kSounds) {
        SCOPED_TRACE(e.file);
        const Wav wav = readWav(readAll(gCommitted / e.file));
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100) << wav.rate;
        ASSERT_FALSE(wav.samples.empty());
        EXPECT_GE(wav.seconds(), e.minSeconds);
        EXPECT_LE(wav.seconds(), e.maxSeconds);

        int peak = 0;
        double sum = 0;
        for (std::int16_t s : wav.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            sum += static_cast<double>(s) * s;
        }
        EXPECT_LT(peak, 32767 * 95 / 100) << "too close to full scale";
        EXPECT_GT(peak, 32767 / 4) << "too quiet";
        levels.push_back(10 * std::log10(sum / static_cast<double>(wav.samples.size())));

        // Starting and ending on silence: no click when playback starts or stops.
        const auto quietest = [&](std::size_t from, std::size_t count) {
            int m = 0;
            for (std::size_t i = from; i < from + count; ++i)
                m = std::max(m, std::abs(static_cast<int>(wav.samples[i])));
            return m;
        };
        const auto ms = static_cast<std::size_t>(wav.rate / 1000);
        EXPECT_LE(quietest(0, ms), 32767 / 100) << "loud first millisecond";
        EXPECT_LE(quietest(wav.samples.size() - 10 * ms, 10 * ms), 32767 / 100) << "loud last 10 ms";
    }
    const auto [lo, hi] = std::minmax_element(levels.begin(), levels.end());
    EXPECT_LE(*hi - *lo, 6.0) << "sound levels differ by more than 6 dB";
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vm-assets-test COMMITTED_DATA_FOLDER FRESH_DATA_FOLDER\n");
        return 2;
    }
    gCommitted = argv[1];
    gFresh = argv[2];
    return RUN_ALL_TESTS();
}
