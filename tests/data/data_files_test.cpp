// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the fixed data the game ships under data/: encoding, line ends, list
// sizes and the shape of every table the game reads from there.

#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path dataDir{VM_SOURCE_DATA_DIR};

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Strict CP932 -> UTF-8; nullopt when a byte sequence is not valid CP932.
std::optional<std::string> decodeCp932(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(bytes.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    const size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

// Splits CR LF text into lines. Fails the calling test on a bare CR or LF or a
// last line without its CR LF.
std::vector<std::string> crlfLines(const std::string& text, const std::string& what) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            ADD_FAILURE() << what << ": last line has no CR LF";
            lines.push_back(text.substr(start));
            break;
        }
        if (lf == start || text[lf - 1] != '\r') {
            ADD_FAILURE() << what << ": line " << lines.size() + 1 << " ends in a bare LF";
            lines.push_back(text.substr(start, lf - start));
        } else {
            lines.push_back(text.substr(start, lf - 1 - start));
        }
        if (lines.back().find('\r') != std::string::npos)
            ADD_FAILURE() << what << ": line " << lines.size() << " holds a bare CR";
        start = lf + 1;
    }
    return lines;
}

// The lines of a data file, decoded to UTF-8.
std::vector<std::string> dataLines(const std::string& relative) {
    const fs::path path = dataDir / relative;
    if (!fs::exists(path)) {
        ADD_FAILURE() << relative << " is missing";
        return {};
    }
    const auto text = decodeCp932(readBytes(path));
    if (!text) {
        ADD_FAILURE() << relative << " is not valid CP932";
        return {};
    }
    return crlfLines(*text, relative);
}

std::vector<std::string> splitCommas(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream ss(line);
    std::string field;
    while (std::getline(ss, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.emplace_back();
    return fields;
}

std::u32string toCodePoints(const std::string& utf8) {
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < len && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(cp);
        i += len;
    }
    return out;
}

bool isKanjiName(const std::string& name) {
    const auto cps = toCodePoints(name);
    return !cps.empty() && std::all_of(cps.begin(), cps.end(),
                                       [](char32_t c) { return (c >= 0x4E00 && c <= 0x9FFF) || c == U'々'; });
}

// Full-width katakana only (with the long-vowel mark and the middle dot).
bool isKatakanaName(const std::string& name) {
    const auto cps = toCodePoints(name);
    return !cps.empty() &&
           std::all_of(cps.begin(), cps.end(), [](char32_t c) { return c >= 0x30A1 && c <= 0x30FC; });
}

// A name list as the player generator reads it: every line is a whole name.
void checkNameList(const std::string& file, size_t minimum, bool (*script)(const std::string&)) {
    SCOPED_TRACE(file);
    const auto names = dataLines(file);
    EXPECT_GE(names.size(), minimum);
    std::set<std::string> seen;
    for (const auto& name : names) {
        EXPECT_FALSE(name.empty()) << "empty line would give a player no name";
        EXPECT_TRUE(script(name)) << "unexpected characters in \"" << name << "\"";
        EXPECT_TRUE(seen.insert(name).second) << "duplicate name \"" << name << "\"";
    }
}

int parseInt(const std::string& s) {
    size_t used = 0;
    const int v = std::stoi(s, &used);
    if (used != s.size()) throw std::invalid_argument(s);
    return v;
}

// The eleven spots of one formation line, checked against what its key says
// about the line-up.
void checkSpots(const std::string& key, const std::string& row) {
    SCOPED_TRACE(key);
    ASSERT_EQ(row.size(), 66u);
    ASSERT_TRUE(std::all_of(row.begin(), row.end(), [](char ch) { return ch >= '0' && ch <= '9'; }));
    int x[11], y[11];
    for (int s = 0; s < 11; ++s) {
        x[s] = parseInt(row.substr(6 * s, 3));
        y[s] = parseInt(row.substr(6 * s + 3, 3));
    }
    EXPECT_GE(x[0], 20);
    EXPECT_LE(x[0], 30);
    EXPECT_EQ(y[0], 240);
    std::set<int> xs{x[0]}, ys{y[0]};
    for (int s = 1; s < 11; ++s) {
        // the tactics board only lets a marker stand in this box
        EXPECT_TRUE(x[s] >= 80 && x[s] <= 270 && y[s] >= 50 && y[s] <= 430)
            << "slot " << s << " at " << x[s] << "," << y[s];
        // kicks tell men apart by their spot, and crosses skip team-mates who
        // share the kicker's x or y
        EXPECT_TRUE(xs.insert(x[s]).second) << "slot " << s << " shares x " << x[s];
        EXPECT_TRUE(ys.insert(y[s]).second) << "slot " << s << " shares y " << y[s];
    }
    // Back men are those whose marker stands at x <= 160 (they earn the
    // clean-sheet form bonus); forwards must stand beyond that line, and nobody
    // else ahead of the deepest forward.
    std::vector<int> back{1, 2, 3, 5};
    std::vector<int> front{8};
    if (key[0] == '1') back.push_back(4);
    if (key[1] == '1') front.push_back(6);
    if (key[2] == '2') front.push_back(9);
    if (key[3] == '1') front.push_back(10);
    for (int s : back) EXPECT_LE(x[s] - 6, 160) << "defender in slot " << s;
    for (int s : front) EXPECT_GT(x[s] - 6, 160) << "forward in slot " << s;
    int deepestForward = 270;
    for (int s : front) deepestForward = std::min(deepestForward, x[s]);
    for (int s = 1; s < 11; ++s) {
        if (std::find(front.begin(), front.end(), s) == front.end()) {
            EXPECT_LT(x[s], deepestForward) << "slot " << s << " stands ahead of a forward";
        }
    }
}

}  // namespace

TEST(DataFiles, everyTextFileIsCp932WithCrLfLines) {
    ASSERT_TRUE(fs::is_directory(dataDir)) << dataDir;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(dataDir)) {
        if (!entry.is_regular_file()) continue;
        const auto rel = fs::relative(entry.path(), dataDir);
        const std::string top = rel.begin()->string();
        // working state and user files are written by the game, not shipped
        if (top == "tmp" || top == "savedata" || top == "vs") continue;
        if (entry.path().extension() == ".txt") files.push_back(rel);
    }
    files.push_back("msp.dat");
    EXPECT_GE(files.size(), 12u);
    for (const auto& rel : files) {
        SCOPED_TRACE(rel.string());
        const std::string bytes = readBytes(dataDir / rel);
        EXPECT_FALSE(bytes.empty());
        const auto text = decodeCp932(bytes);
        ASSERT_TRUE(text.has_value()) << "not valid CP932";
        for (const auto& line : crlfLines(*text, rel.string())) EXPECT_FALSE(line.empty()) << "empty line";
    }
}

TEST(DataFiles, nameListsAreLongUniqueAndInTheirScript) {
    checkNameList("name/name1-1.txt", 300, isKanjiName);
    checkNameList("name/name1-2.txt", 300, isKanjiName);
    for (int type = 2; type <= 5; ++type)
        checkNameList("name/name" + std::to_string(type) + ".txt", 120, isKatakanaName);
}

TEST(DataFiles, foreignNameListsDoNotShareNames) {
    // Each list is one region of origin; a name in two lists blurs them.
    std::map<std::string, int> owner;
    for (int type = 2; type <= 5; ++type) {
        for (const auto& name : dataLines("name/name" + std::to_string(type) + ".txt")) {
            const auto [it, fresh] = owner.emplace(name, type);
            EXPECT_TRUE(fresh) << name << " is in name" << it->second << ".txt and name" << type << ".txt";
        }
    }
}

TEST(DataFiles, clubNamesCoverTwentyDistinctClubs) {
    const auto clubs = dataLines("name/teamname.txt");
    ASSERT_GE(clubs.size(), 20u);
    std::set<std::string> seen;
    for (size_t j = 0; j < 20; ++j) {
        SCOPED_TRACE(j);
        EXPECT_FALSE(clubs[j].empty());
        // club names go into comma-separated table rows and ranking entries
        EXPECT_EQ(clubs[j].find_first_of(", \t\""), std::string::npos) << clubs[j];
        EXPECT_TRUE(seen.insert(clubs[j]).second) << "duplicate " << clubs[j];
    }
}

TEST(DataFiles, formationFileHoldsEveryLineUpKeyWithSpotsOnTheBoard) {
    const auto lines = dataLines("formation.txt");
    ASSERT_EQ(lines.size() % 2, 0u);
    std::map<std::string, std::string> spots;
    for (size_t i = 0; i < lines.size(); i += 2) {
        EXPECT_EQ(lines[i].size(), 4u) << "line " << i + 1 << " is not a key";
        EXPECT_TRUE(spots.emplace(lines[i], lines[i + 1]).second) << "key " << lines[i] << " twice";
    }
    std::vector<std::string> keys;
    for (char a : {'0', '1'})
        for (char b : {'0', '1'})
            for (char c : {'0', '1', '2'})
                for (char d : {'0', '1'}) keys.push_back({a, b, c, d});
    for (const auto& key : keys) {
        const auto found = spots.find(key);
        if (found == spots.end()) {
            ADD_FAILURE() << "key " << key << " missing";
            continue;
        }
        checkSpots(key, found->second);
    }
    EXPECT_EQ(spots.size(), keys.size()) << "formation.txt holds keys that cannot occur";
}

TEST(DataFiles, doctorsAreListedCheapestFirstStartingFree) {
    const auto lines = dataLines("doctor.txt");
    ASSERT_GE(lines.size(), 9u) << "a heading and at least eight doctors";
    EXPECT_EQ(splitCommas(lines[0]).size(), 3u);
    int previous = -1;
    for (size_t i = 1; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        const auto fields = splitCommas(lines[i]);
        ASSERT_EQ(fields.size(), 3u);
        EXPECT_FALSE(fields[0].empty());
        EXPECT_EQ(lines[i].find_first_of(" \t\""), std::string::npos);
        int fee = -1;
        ASSERT_NO_THROW(fee = parseInt(fields[1]));
        if (i == 1) {
            EXPECT_EQ(fee, 0) << "the first doctor must be free so every club can hire one";
        }
        EXPECT_GT(fee, previous) << "fees must rise row by row";
        // computer clubs read 2000 as the price of the row after the last doctor
        EXPECT_LT(fee, 2000);
        previous = fee;
    }
}

TEST(DataFiles, historyAndTradeTemplatesAreHeadingsOnly) {
    const auto history = dataLines("history.txt");
    ASSERT_EQ(history.size(), 1u) << "any further line would show as a past season";
    EXPECT_EQ(splitCommas(history[0]).size(), 10u);

    const auto trade = dataLines("trade.txt");
    ASSERT_EQ(trade.size(), 1u) << "any further line would show as a transfer";
    EXPECT_EQ(splitCommas(trade[0]).size(), 7u);
    for (const auto& heading : {history[0], trade[0]}) EXPECT_EQ(heading.find(' '), std::string::npos);
}

TEST(DataFiles, matchSpeedIsOneLineWithTheDefaultSpeed) {
    EXPECT_EQ(readBytes(dataDir / "msp.dat"), "3\r\n");
}
