// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfers/tradelog.h"

#include <filesystem>

#include "players/clubworld.h"
#include "util/errors.h"
#include "util/textfile.h"

namespace vm {

std::string commatext(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& f = fields[i];
        bool quote = false;
        for (unsigned char c : f) quote = quote || c <= ' ' || c == ',' || c == '"';
        if (i) out += ',';
        if (!quote) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

std::vector<std::string> splitcommatext(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (true) {
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < line.size() && line[i] != ',') ++i;
        } else {
            while (i < line.size() && line[i] != ',') field += line[i++];
        }
        out.push_back(std::move(field));
        if (i >= line.size()) break;
        ++i;  // the comma
    }
    return out;
}

void starttradelog(ClubWorld& world) {
    std::vector<std::string> lines = readLines(world.shipped(kTradeTemplate));
    if (lines.empty() || lines.front().empty())
        throw DataError(world.shipped(kTradeTemplate).generic_string() + " に見出しの行がありません");
    std::error_code ec;
    std::filesystem::create_directories(world.path("data/tmp"), ec);
    writeLinesAtomic(world.path(kTradeLog), lines);
}

std::vector<std::string> readtradelog(ClubWorld& world) {
    return readLines(world.path(kTradeLog));
}

void writetradelog(ClubWorld& world, const std::vector<std::string>& lines) {
    writeLinesAtomic(world.path(kTradeLog), lines);
}

}  // namespace vm
