// SPDX-License-Identifier: GPL-3.0-or-later
// vellmora-tool export-vs: club 0 of a saved game written as a versus file.
#include <ostream>
#include <stdexcept>

#include "command.h"
#include "league/savefiles.h"
#include "league/savegame.h"
#include "league/versus.h"
#include "league/world.h"

namespace vm::cli {
namespace {
namespace fs = std::filesystem;

// The arguments that are neither options nor an option's value.
std::vector<std::string> positionals(const std::vector<std::string>& args) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) == 0)
            ++i;  // --comment TEXT
        else
            out.push_back(args[i]);
    }
    return out;
}

int runExportVs(const std::vector<std::string>& args, std::ostream& out) {
    const auto files = positionals(args);
    if (files.size() != 2) throw std::invalid_argument("保存データと書き出し先を指定してください");
    const std::string comment = option(args, "--comment").value_or(kNoComment);

    // Twenty empty clubs to read the saved game into; no folder is touched.
    World w(fs::path("."), SeedSource::fixed(1));
    for (int k = 0; k < kClubCount; ++k) w.teams[k] = Tteam::blank(w, k);
    readSave(w, readPlayerFile(files[0]));
    try {
        vssave(w, files[1], comment);
    } catch (const NameRefused& e) {
        throw std::invalid_argument(std::string("--comment: ") + e.what());
    }
    out << files[1] << ": " << w.team(0).name << "\n";
    return 0;
}

}  // namespace

VM_COMMAND("export-vs", "export-vs SAVE OUT [--comment TEXT]", runExportVs);

}  // namespace vm::cli
