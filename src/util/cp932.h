// SPDX-License-Identifier: GPL-3.0-or-later
// Code page 932 at the edges of the program: text files and binary streams hold
// CP932 bytes, everything inside is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vm {

// UTF-8 to CP932. Throws EncodingError naming the first character CP932 cannot hold.
std::string toCp932(std::string_view utf8);
// Like toCp932, but an empty optional instead of an exception.
std::optional<std::string> tryToCp932(std::string_view utf8);
// CP932 to UTF-8. Throws EncodingError on bytes that are not CP932.
std::string fromCp932(std::string_view cp932);
// True when every character of the UTF-8 text can be stored as CP932.
bool fitsCp932(std::string_view utf8);
// Number of code points of a UTF-8 text.
std::size_t codePoints(std::string_view utf8);

}  // namespace vm
