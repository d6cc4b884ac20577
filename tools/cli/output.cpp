#include "output.h"

#include <cstdio>

#include "players/tteam.h"
#include "util/grid.h"

namespace vm::cli {

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void jsonStrings(std::ostream& out, const std::vector<std::string>& texts) {
    jsonArray(out, texts, [&](const std::string& t) { out << jsonString(t); });
}

void printRoster(std::ostream& out, const Tteam& club) {
    out << "  Name,Age,AT,Spe,Str,Ctl,Sho,Dri,Pas,Cro,Leg,Value,Gol,Asi,Cnd\n";
    for (const auto& p : club.roster) out << "  " << p->datatext() << "\n";
}

void printRosterJson(std::ostream& out, const Tteam& club) {
    jsonArray(out, club.roster, [&](const auto& p) { jsonStrings(out, splitCommas(p->datatext())); });
}

}  // namespace vm::cli
