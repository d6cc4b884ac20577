#include "season/names.h"

namespace vm {

bool isOneCommaItem(std::string_view text) {
    if (text.empty()) return false;
    for (const unsigned char c : text)
        if (c <= ' ' || c == ',' || c == '"') return false;
    return true;
}

}  // namespace vm
