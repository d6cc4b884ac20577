// SPDX-License-Identifier: GPL-3.0-or-later
// How a file the player would miss reaches the disk (writeBytesAtomic): the
// temporary file beside it, the stages the write passes through, and the
// clean-up of temporary files an interrupted write left behind.
#pragma once

#include <filesystem>

namespace vm {

// The stages of one write, in order.
enum class WriteStage {
    written,  // every byte is in the temporary file, not yet flushed
    flushed,  // the temporary file is on the disk, not yet renamed
    renamed,  // the file has its name, the folder is not yet flushed
};

// A test's seam into every write: called at each stage with the file being
// written. It returns 0 to go on, or an error number: the write then fails
// there as if the disk had, and reports it. The game never sets one.
using WriteStageHook = int (*)(WriteStage stage, const std::filesystem::path& file);
void setWriteStageHook(WriteStageHook hook);
// 0, or the error the hook injects at this stage.
int writeStageReached(WriteStage stage, const std::filesystem::path& file);

// The temporary file a write of `file` by this process goes through:
// "<name>.<process id>.part" beside it.
std::filesystem::path partFileOf(const std::filesystem::path& file);

// Flushes the folder itself, so the rename that put a file there survives a
// power cut. 0, or the error.
int flushFolder(const std::filesystem::path& folder);

// Removes the temporary files in `folder` that no running copy of the game is
// writing: those of a process that has ended, and those without a process id.
// Returns how many were removed.
int removeLeftoverParts(const std::filesystem::path& folder);

}  // namespace vm
