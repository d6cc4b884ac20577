// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/textfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "util/cp932.h"
#include "util/durablewrite.h"
#include "util/errors.h"

namespace vm {
namespace fs = std::filesystem;

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw DataError(file.generic_string() + " を開けません");
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw DataError(file.generic_string() + " を読み込めません");
    return std::move(ss).str();
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::size_t len = end - start;
        if (len > 0 && bytes[start + len - 1] == '\r') --len;
        lines.push_back(bytes.substr(start, len));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> readLines(const fs::path& file) {
    const std::string bytes = readBytes(file);
    std::vector<std::string> lines;
    try {
        for (std::string_view line : splitLines(bytes)) lines.push_back(fromCp932(line));
    } catch (const EncodingError&) {
        throw DataError(file.generic_string() + " の文字コードが正しくありません");
    }
    return lines;
}

std::string linesImage(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) {
        bytes += toCp932(l);
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

// Writes all of `bytes` to the open file; 0, or the error that stopped it.
int writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

void writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    // Straight to the file, one write: every match writes two of these and
    // every match day twenty more, and a stream's set-up costs more than
    // the few lines themselves.
    const std::string bytes = linesImage(lines);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw DataError(file.generic_string() + " に書き込めません: " + std::strerror(errno));
    int err = writeAll(fd, bytes);
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) throw DataError(file.generic_string() + " に書き込めません: " + std::strerror(err));
}

void writeLinesAtomic(const fs::path& file, const std::vector<std::string>& lines) {
    writeBytesAtomic(file, linesImage(lines));
}

void appendLine(const fs::path& file, std::string_view line) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out) throw DataError(file.generic_string() + " に書き込めません");
    out << toCp932(line) << "\r\n";
    if (!out.flush()) throw DataError(file.generic_string() + " に書き込めません");
}

void writeBytesAtomic(const fs::path& file, std::string_view bytes) {
    const fs::path tmp = partFileOf(file);
    // A fresh file, never one planted there: a link at the temporary name must
    // not lead the write outside the folder.
    ::unlink(tmp.c_str());
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) throw DataError(file.generic_string() + " に書き込めません: " + std::strerror(errno));
    int err = writeAll(fd, bytes);
    if (err == 0) err = writeStageReached(WriteStage::written, file);
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0) err = writeStageReached(WriteStage::flushed, file);
    if (err == 0 && ::rename(tmp.c_str(), file.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        throw DataError(file.generic_string() + " に書き込めません: " + std::strerror(err));
    }
    // The new file is in place; without flushing the folder a power cut could
    // still bring back the old one, so a failure here is reported too.
    err = writeStageReached(WriteStage::renamed, file);
    if (err == 0) err = flushFolder(file.parent_path());
    if (err != 0) throw DataError(file.generic_string() + " に書き込めません: " + std::strerror(err));
}

}  // namespace vm
