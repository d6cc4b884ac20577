// SPDX-License-Identifier: GPL-3.0-or-later
#include "workdir.h"

#include <unistd.h>

#include <stdexcept>

#include "command.h"
#include "league/gamefolders.h"

namespace vm::cli {
namespace fs = std::filesystem;

namespace {

// The folder holding the shipped data/ that --data names: the data folder
// itself or the folder above it.
fs::path givenShippedRoot(const fs::path& given) {
    fs::path dir = fs::absolute(given).lexically_normal();
    if (dir.filename().empty()) dir = dir.parent_path();  // a trailing slash
    std::error_code ec;
    if (dir.filename() == "data" && fs::is_directory(dir / "name", ec)) return dir.parent_path();
    if (fs::is_directory(dir / "data/name", ec)) return dir;
    throw std::runtime_error(given.string() + " にゲームのデータがありません（data/name/ が見つかりません）");
}

fs::path shippedRootFor(const std::vector<std::string>& args) {
    if (const auto given = option(args, "--data")) return givenShippedRoot(*given);
    const fs::path program = programFolder();
    if (const auto found = findShippedRoot(program)) return *found;
    throw std::runtime_error("ゲームのデータが見つかりません（" + installedDataForMessages(program) +
                             " がありません）。--data DIR で指定してください");
}

}  // namespace

Workdir::Workdir(const std::vector<std::string>& args) : shipped_(shippedRootFor(args)) {
    std::string pattern = (fs::temp_directory_path() / "vellmora-tool-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("作業フォルダを作れません");
    root_ = pattern;
    fs::create_directories(root_ / "data");
}

Workdir::~Workdir() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::unique_ptr<World> Workdir::world(const std::vector<std::string>& args) const {
    const auto seed = intOption(args, "--seed");
    if (!seed) throw std::invalid_argument("--seed N が必要です");
    auto w = std::make_unique<World>(root_, shipped_, SeedSource::fixed(static_cast<std::uint64_t>(*seed)));
    w->startup();
    return w;
}

std::unique_ptr<World> readingWorld() {
    auto w = std::make_unique<World>(fs::path("."), SeedSource::fixed(1));
    for (int k = 0; k < kClubCount; ++k) w->teams[k] = Tteam::blank(*w, k);
    return w;
}

}  // namespace vm::cli
