// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/resume.h"

#include "league/autosaves.h"
#include "league/careermarkers.h"
#include "league/world.h"
#include "util/durablewrite.h"

namespace vm {

void removeLeftovers(const World& w) {
    for (const char* folder : {"data", "data/tmp", "data/savedata", "data/vs", "data/formation",
                               "data/replays", kAutosaveFolder, kCareerMarkerFolder})
        removeLeftoverParts(w.path(folder));
}

std::optional<std::filesystem::path> takeResumeOffer(const World& w) {
    if (abandonedCareers(w).empty()) return std::nullopt;
    forgetAbandonedCareers(w);
    const std::int64_t saved = newestSaveTime(w);
    for (const Autosave& a : listAutosaves(w)) {
        if (a.mtimeNs <= saved) break;  // the player saved since: nothing was lost
        if (autosaveProblem(w, a).empty()) return a.file;
    }
    return std::nullopt;
}

}  // namespace vm
