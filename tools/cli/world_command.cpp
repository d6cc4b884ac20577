// vellmora-tool world: the world as the game builds it at start-up.
#include <ostream>

#include "command.h"
#include "output.h"
#include "workdir.h"

namespace vm::cli {
namespace {

int startLevel(int club) { return club < 10 ? (club / 5) * 5 + 15 : (club / 5) * 5 + 30; }

int runWorld(const std::vector<std::string>& args, std::ostream& out) {
    Workdir dir(args);
    auto world = dir.world(args);
    const bool json = flag(args, "--json");
    if (json) out << "{\"clubs\":[";
    for (int k = 0; k < kClubCount; ++k) {
        const Tteam& club = world->team(k);
        if (json) {
            out << (k ? "," : "") << "{\"number\":" << k << ",\"level\":" << startLevel(k)
                << ",\"money\":" << club.money << ",\"popularity\":" << club.popularity
                << ",\"division\":" << world->divof(k) << ",\"roster\":";
            printRosterJson(out, club);
            out << "}";
        } else {
            out << "Club " << k << "  level " << startLevel(k) << "  money " << club.money << "  popularity "
                << club.popularity << "  Div" << world->divof(k) << "\n";
            printRoster(out, club);
        }
    }
    if (json) out << "]}\n";
    return 0;
}

}  // namespace

VM_COMMAND("world", "world --seed N [--json] [--data DIR]", runWorld);

}  // namespace vm::cli
