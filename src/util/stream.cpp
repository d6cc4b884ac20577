// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/stream.h"

#include "util/cp932.h"
#include "util/errors.h"

namespace vm {

void OutStream::writeInt(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

std::int32_t InStream::readInt() {
    const std::string_view b = readBytes(4);
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(b[i]);
    return static_cast<std::int32_t>(u);
}

std::uint8_t InStream::readByte() { return static_cast<std::uint8_t>(readBytes(1)[0]); }

std::string_view InStream::readBytes(std::size_t n) {
    if (n > left()) throw FormatError("ファイルが途中で終わっています");
    const std::string_view r = data_.substr(pos_, n);
    pos_ += n;
    return r;
}

std::string_view InStream::peek(std::size_t n) const {
    return data_.substr(pos_, std::min(n, left()));
}

int InStream::readCount(int max, const char* what) {
    const std::int32_t n = readInt();
    if (n < 0 || n > max)
        throw FormatError(std::string(what) + " の数が不正です (" + std::to_string(n) + ")");
    return n;
}

void writestr(OutStream& s, std::string_view text) {
    const std::string bytes = toCp932(text);
    s.writeInt(static_cast<std::int32_t>(bytes.size()));
    s.writeBytes(bytes);
}

bool readstr(InStream& s, std::string& text) {
    if (s.left() < 4) return false;
    const std::int32_t n = s.readInt();
    if (n < 0 || n > kMaxStreamString || static_cast<std::size_t>(n) > s.left())
        throw FormatError("文字列の長さが不正です (" + std::to_string(n) + ")");
    try {
        text = fromCp932(s.readBytes(static_cast<std::size_t>(n)));
    } catch (const EncodingError& e) {
        throw FormatError(e.what());
    }
    return true;
}

std::string readString(InStream& s) {
    std::string text;
    if (!readstr(s, text)) throw FormatError("ファイルが途中で終わっています");
    return text;
}

}  // namespace vm
