// SPDX-License-Identifier: GPL-3.0-or-later
// The trade log data/tmp/trade.txt: started from the template data/trade.txt
// when a window opens, one comma-text line per retirement, release and
// transfer, shown by the news after the window.
#pragma once

#include <string>
#include <vector>

namespace vm {

class ClubWorld;

inline constexpr const char* kTradeTemplate = "data/trade.txt";
inline constexpr const char* kTradeLog = "data/tmp/trade.txt";

// Fields joined as comma text: a field holding a space, control character,
// comma or double quote is put in double quotes with inner quotes doubled.
std::string commatext(const std::vector<std::string>& fields);
// The fields of a comma-text line (the inverse of commatext).
std::vector<std::string> splitcommatext(const std::string& line);

// Replaces the log by the template. Throws DataError naming the template when
// it is missing, unreadable or empty.
void starttradelog(ClubWorld& world);
// The log's lines. Throws DataError naming the log when it is missing.
std::vector<std::string> readtradelog(ClubWorld& world);
// Writes the whole log (through a temporary file).
void writetradelog(ClubWorld& world, const std::vector<std::string>& lines);

}  // namespace vm
