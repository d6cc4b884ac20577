// A watched match's replay record (data/tmp/match.dat).
#include "fuzz_world.h"
#include "season/livereplay.h"
#include "util/errors.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Replay replay;
    try {
        replay = readreplay(fuzz::bytes(data, size));
    } catch (const FormatError&) {
        return 0;
    }
    const Replay again = readreplay(replayimage(replay));
    if (again.pictures != replay.pictures || again.step != replay.step || again.frames != replay.frames)
        std::abort();
    return 0;
}
