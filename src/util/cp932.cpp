// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "util/errors.h"

namespace vm {
namespace {

// An open iconv conversion, kept for the thread's life: opening one loads
// and parses the character set tables, which costs far more than converting
// a name, and the game converts thousands of names when it loads a save.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (open()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The text converted; nullopt when a character cannot be converted.
    std::optional<std::string> operator()(std::string_view in) {
        if (in.empty()) return std::string{};
        if (!open()) throw std::runtime_error("iconv has no CP932 conversion");
        // A fresh start, whatever an earlier failed conversion left behind.
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 4 + 8, '\0');
        char* inp = const_cast<char*>(in.data());
        std::size_t inleft = in.size();
        char* outp = out.data();
        std::size_t outleft = out.size();
        const std::size_t rc = iconv(cd_, &inp, &inleft, &outp, &outleft);
        if (rc == static_cast<std::size_t>(-1) || inleft != 0) return std::nullopt;
        out.resize(out.size() - outleft);
        return out;
    }

private:
    bool open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

std::optional<std::string> utf8ToCp932(std::string_view in) {
    thread_local Converter convert("CP932", "UTF-8");
    return convert(in);
}

std::optional<std::string> cp932ToUtf8(std::string_view in) {
    thread_local Converter convert("UTF-8", "CP932");
    return convert(in);
}

}  // namespace

std::optional<std::string> tryToCp932(std::string_view utf8) {
    return utf8ToCp932(utf8);
}

std::string toCp932(std::string_view utf8) {
    if (auto r = tryToCp932(utf8)) return *r;
    throw EncodingError("使用できない文字を含んでいます: " + std::string(utf8));
}

std::string fromCp932(std::string_view cp932) {
    // Plain ASCII needs no conversion: the common case for numbers and keys.
    bool ascii = true;
    for (unsigned char c : cp932) ascii = ascii && c < 0x80;
    if (ascii) return std::string(cp932);
    if (auto r = cp932ToUtf8(cp932)) return *r;
    throw EncodingError("CP932 として読めない文字があります");
}

bool fitsCp932(std::string_view utf8) {
    return tryToCp932(utf8).has_value();
}

std::size_t codePoints(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace vm
