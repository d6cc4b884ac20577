// SPDX-License-Identifier: GPL-3.0-or-later
// The notes kept beside a replay (what the record lacks of the watched
// match), as the viewer reads them and shows every frame with them.
#include "fuzz_world.h"
#include "season/replayview.h"
#include "season/watchnotes.h"
#include "util/errors.h"

using namespace vm;

namespace {

// A record of a few frames with a goal's celebration in the middle, for the
// notes to be shown against.
Replay someFrames() {
    Replay r;
    r.pictures = {Bitmap(12, 12, 0xFF2040C0), Bitmap(12, 12, 0xFFC02020)};
    r.step = 12;
    const std::string line(kFrameDigits, '1');
    r.frames = {line, line, "g", "g", line, line};
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::bytes(data, size);
    WatchNotes notes;
    try {
        notes = readnotes(bytes);
    } catch (const FormatError&) {
        return 0;
    }
    // What was read is written and read back the same.
    if (readnotes(notesimage(notes)) != notes) std::abort();

    // Every frame of a record shows with them, whatever frames they name.
    static const Replay frames = someFrames();
    ReplayView view(frames, notes);
    for (int f = 0; f < view.frames(); ++f) {
        view.seek(f);
        const FrameFigures figures = view.figures();
        if (figures.goals[0] < 0 || figures.goals[1] < 0) std::abort();
        (void)view.picture();
    }
    return 0;
}
