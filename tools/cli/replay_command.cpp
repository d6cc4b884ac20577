// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool replay: what a replay record holds, for scripts: its frames,
// the frames its goals start on (counted from 1, as the viewer counts them)
// and the speed it was recorded at. A record cut off inside a frame is
// summed up as far as it goes and says so; a damaged one is refused with
// exit code 2.
#include <ostream>
#include <stdexcept>

#include "command.h"
#include "output.h"
#include "season/livereplay.h"
#include "season/replayview.h"

namespace vm::cli {
namespace {

int runReplay(const std::vector<std::string>& args, std::ostream& out) {
    std::string file;
    for (const std::string& a : args) {
        if (a == "--json") continue;
        if (a.rfind("--", 0) == 0) throw std::invalid_argument("知らないオプションです: " + a);
        if (!file.empty()) throw std::invalid_argument("ファイルは1つだけ指定してください");
        file = a;
    }
    if (file.empty()) throw std::invalid_argument("ファイルを指定してください");
    const ReplayReading reading = readreplayfile(file);
    const ReplayView view(reading.replay);
    std::vector<int> goals;
    for (int frame : view.goals()) goals.push_back(frame + 1);
    const int step = reading.replay.step;
    const bool whole = step % 4 == 0;

    if (flag(args, "--json")) {
        out << "{\"frames\":" << view.frames() << ",\"step\":" << step << ",\"speed\":";
        if (whole) {
            out << step / 4;
        } else {
            out << "null";
        }
        out << ",\"goals\":";
        jsonInts(out, goals);
        out << ",\"cut_short\":" << (reading.cutShort ? "true" : "false")
            << ",\"problem\":" << (reading.cutShort ? jsonString(reading.problem) : "null") << "}\n";
        return 0;
    }
    out << "frames " << view.frames() << "\n";
    out << "speed ";
    if (whole) out << step / 4 << " ";
    out << "(counter step " << step << " a frame)\n";
    out << "goals " << goals.size();
    if (!goals.empty()) out << " at frames";
    for (int frame : goals) out << " " << frame;
    out << "\n";
    if (reading.cutShort) out << "cut short: " << reading.problem << "\n";
    return 0;
}

}  // namespace

VM_COMMAND("replay", "replay FILE [--json]", runReplay);

}  // namespace vm::cli
