// A whole saved game.
#include "fuzz_world.h"
#include "league/savefiles.h"
#include "league/savegame.h"
#include "league/season.h"
#include "util/errors.h"
#include "util/stream.h"
#include "util/textfile.h"

using namespace vm;

namespace {

// The saved game of a world with the given history (saveImage itself takes
// the history from the working folder, which the fuzz worlds do not have).
std::string image(const World& w, const std::vector<std::string>& history) {
    OutStream s;
    s.writeInt(kFileFormat);
    for (const auto& club : w.teams) club->teamsave(s);
    kanrisave(w, s);
    s.writeBytes(linesImage(history));
    return s.bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto w = fuzz::emptyWorld();
    std::vector<std::string> history;
    try {
        history = readSave(*w, fuzz::bytes(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    const std::string once = image(*w, history);
    auto w2 = fuzz::emptyWorld();
    const auto history2 = readSave(*w2, once);
    fuzz::mustEqual(once, image(*w2, history2));
    return 0;
}
