#include "util/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "util/errors.h"

namespace vm {
namespace {

// One conversion through iconv; returns nullopt when a character cannot be converted.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    if (in.empty()) return std::string{};
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP932 conversion");
    std::string out(in.size() * 4 + 8, '\0');
    char* inp = const_cast<char*>(in.data());
    std::size_t inleft = in.size();
    char* outp = out.data();
    std::size_t outleft = out.size();
    const std::size_t rc = iconv(cd, &inp, &inleft, &outp, &outleft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inleft != 0) return std::nullopt;
    out.resize(out.size() - outleft);
    return out;
}

}  // namespace

std::optional<std::string> tryToCp932(std::string_view utf8) { return convert("CP932", "UTF-8", utf8); }

std::string toCp932(std::string_view utf8) {
    if (auto r = tryToCp932(utf8)) return *r;
    throw EncodingError("使用できない文字を含んでいます: " + std::string(utf8));
}

std::string fromCp932(std::string_view cp932) {
    // Plain ASCII needs no conversion: the common case for numbers and keys.
    bool ascii = true;
    for (unsigned char c : cp932) ascii = ascii && c < 0x80;
    if (ascii) return std::string(cp932);
    if (auto r = convert("UTF-8", "CP932", cp932)) return *r;
    throw EncodingError("CP932 として読めない文字があります");
}

bool fitsCp932(std::string_view utf8) { return tryToCp932(utf8).has_value(); }

std::size_t codePoints(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace vm
