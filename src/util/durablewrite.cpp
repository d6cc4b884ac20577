// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/durablewrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>
#include <system_error>

#include "util/process.h"

namespace vm {
namespace fs = std::filesystem;
namespace {

WriteStageHook stageHook = nullptr;
constexpr std::string_view kPartSuffix = ".part";

// The writer's process id in "<name>.<pid>.part"; 0 when there is none.
int writerOf(const std::string& name) {
    const std::string_view stem = std::string_view(name).substr(0, name.size() - kPartSuffix.size());
    const std::size_t dot = stem.rfind('.');
    if (dot == std::string_view::npos) return 0;
    int pid = 0;
    const auto [end, ec] = std::from_chars(stem.data() + dot + 1, stem.data() + stem.size(), pid);
    return ec == std::errc() && end == stem.data() + stem.size() ? pid : 0;
}

}  // namespace

void setWriteStageHook(WriteStageHook hook) {
    stageHook = hook;
}

int writeStageReached(WriteStage stage, const fs::path& file) {
    return stageHook ? stageHook(stage, file) : 0;
}

fs::path partFileOf(const fs::path& file) {
    return file.parent_path() /
           (file.filename().string() + "." + std::to_string(ownProcessId()) + std::string(kPartSuffix));
}

int flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int err = ::fsync(fd) == 0 ? 0 : errno;
    // Some file systems cannot flush a folder at all; nothing more can be done there.
    if (err == EINVAL || err == EROFS) err = 0;
    ::close(fd);
    return err;
}

int removeLeftoverParts(const fs::path& folder) {
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= kPartSuffix.size() || !name.ends_with(kPartSuffix)) continue;
        std::error_code fe;
        if (!entry.is_regular_file(fe)) continue;
        const int pid = writerOf(name);
        if (pid != 0 && processRunning(pid)) continue;
        if (fs::remove(entry.path(), fe)) ++removed;
    }
    return removed;
}

}  // namespace vm
