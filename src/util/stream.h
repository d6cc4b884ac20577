// SPDX-License-Identifier: GPL-3.0-or-later
// The binary forms of players, clubs and divisions: 32-bit little-endian
// integers and length-prefixed CP932 strings, written one after another.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vm {

class OutStream {
public:
    void writeInt(std::int32_t v);
    void writeByte(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void writeBytes(std::string_view b) { bytes_.append(b); }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Reads a byte image. Every read checks what is left: a truncated or absurd
// stream raises FormatError instead of reading past its end.
class InStream {
public:
    explicit InStream(std::string_view bytes) : data_(bytes) {}
    std::int32_t readInt();
    std::uint8_t readByte();
    std::string_view readBytes(std::size_t n);
    std::string_view peek(std::size_t n) const;
    // A count of list entries: refused when negative or above `max`.
    int readCount(int max, const char* what);
    std::size_t left() const { return data_.size() - pos_; }
    std::size_t pos() const { return pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

// The longest string any stored form may hold; anything longer is a broken file.
inline constexpr std::int32_t kMaxStreamString = 1 << 20;

// Appends the length-prefixed CP932 form of a UTF-8 text (EncodingError if it cannot be held).
void writestr(OutStream& s, std::string_view text);
// Reads a length-prefixed string. Fewer than four bytes left: the text is left
// unchanged and false is returned. A length that is negative, absurd or larger
// than what is left raises FormatError.
bool readstr(InStream& s, std::string& text);
// readstr that insists on a string being there.
std::string readString(InStream& s);

}  // namespace vm
