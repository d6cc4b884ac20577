// SPDX-License-Identifier: GPL-3.0-or-later
// A watched match's replay record (data/tmp/match.dat or a kept replay), as
// the viewer reads and plays it.
#include <algorithm>

#include "fuzz_world.h"
#include "season/livereplay.h"
#include "season/replayview.h"
#include "util/errors.h"

using namespace vm;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytes(data, size);
    ReplayReading reading;
    try {
        reading = readreplaypart(bytes);
    } catch (const FormatError&) {
        return 0;
    }
    // The strict reader takes exactly the records that are not cut short.
    bool strict = true;
    try {
        readreplay(bytes);
    } catch (const FormatError&) {
        strict = false;
    }
    if (strict == reading.cutShort) std::abort();

    // What was read is written and read back the same; the pictures keep their
    // colours (a 24-bit picture holds no transparency).
    const Replay& replay = reading.replay;
    const Replay again = readreplay(replayimage(replay));
    if (again.step != replay.step || again.frames != replay.frames) std::abort();
    for (int side = 0; side < 2; ++side) {
        const Bitmap& was = replay.pictures[side];
        const Bitmap& is = again.pictures[side];
        if (is.width != was.width || is.height != was.height) std::abort();
        for (std::size_t i = 0; i < was.pixels.size(); ++i)
            if ((is.pixels[i] & 0xFFFFFF) != (was.pixels[i] & 0xFFFFFF)) std::abort();
    }

    // The viewer walks every goal forth and back and shows each frame it lands on.
    ReplayView view(replay);
    const int total = static_cast<int>(view.goals().size());
    int seen = view.goalsSoFar();  // 1 when the record opens with a goal
    while (view.nextGoal()) {
        if (!view.celebrating() || seen >= total || view.current() != view.goals()[seen]) std::abort();
        ++seen;
        (void)view.picture();
        (void)view.goalCaption();
    }
    if (seen != total || view.goalsSoFar() != total) std::abort();
    while (view.previousGoal()) --seen;
    if (seen != std::min(total, 1)) std::abort();
    view.seek(view.frames());
    (void)view.picture();
    view.play(0);
    view.idle(1000);
    return 0;
}
