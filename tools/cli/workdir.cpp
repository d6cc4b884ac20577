#include "workdir.h"

#include <unistd.h>

#include <stdexcept>

#include "command.h"

namespace vm::cli {
namespace fs = std::filesystem;

Workdir::Workdir(const std::vector<std::string>& args) {
    const fs::path source = option(args, "--data").value_or(VM_SOURCE_DATA_DIR);
    if (!fs::exists(source / "name")) throw std::runtime_error(source.string() + " にゲームのデータがありません");
    std::string pattern = (fs::temp_directory_path() / "vellmora-tool-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("作業フォルダを作れません");
    root_ = pattern;
    fs::create_directories(root_ / "data");
    for (const auto& entry : fs::directory_iterator(source)) {
        const auto name = entry.path().filename().string();
        if (name == "tmp" || name == "savedata" || name == "vs") continue;  // the player's own files
        fs::copy(entry.path(), root_ / "data" / name, fs::copy_options::recursive);
    }
}

Workdir::~Workdir() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::unique_ptr<World> Workdir::world(const std::vector<std::string>& args) const {
    const auto seed = intOption(args, "--seed");
    if (!seed) throw std::invalid_argument("--seed N が必要です");
    auto w = std::make_unique<World>(root_, SeedSource::fixed(static_cast<std::uint64_t>(*seed)));
    w->startup();
    return w;
}

}  // namespace vm::cli
