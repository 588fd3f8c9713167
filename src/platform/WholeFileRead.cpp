// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WholeFileRead.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brv {
namespace {

std::string ErrorText(int error) { return std::system_category().message(error); }

// Reads up to one byte past the limit, so a file that grew since fstat is still told apart.
void ReadOpened(int fd, const struct stat& info, WholeFile& file)
{
    const size_t limit = file.Limit;
    const auto size = static_cast<size_t>(std::max<off_t>(info.st_size, 0));
    file.Bytes.resize(std::min(size, limit) + 1);
    size_t used = 0;
    while (used <= limit) {
        if (used == file.Bytes.size()) // the file grew, or its size is not known (/proc)
            file.Bytes.resize(std::min(std::max<size_t>(file.Bytes.size() * 2, 4096), limit + 1));
        const ssize_t count = read(fd, file.Bytes.data() + used, file.Bytes.size() - used);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            file.Outcome = WholeFileOutcome::Failed;
            file.Error = errno;
            file.Bytes.clear();
            return;
        }
        if (count == 0)
            break;
        used += static_cast<size_t>(count);
    }
    file.Bytes.resize(std::min(used, limit));
    file.Outcome = used > limit ? WholeFileOutcome::TooLarge : WholeFileOutcome::Read;
}

} // namespace

std::string SizeText(size_t bytes)
{
    constexpr size_t mebibyte = size_t{1} << 20;
    if (bytes >= mebibyte && bytes % mebibyte == 0)
        return std::to_string(bytes / mebibyte) + " MiB";
    return std::to_string(bytes) + " bytes";
}

std::string WholeFile::Problem() const
{
    switch (Outcome) {
    case WholeFileOutcome::Read:
        return {};
    case WholeFileOutcome::Missing:
        return ErrorText(ENOENT);
    case WholeFileOutcome::NotRegular:
        return Error == EISDIR ? ErrorText(EISDIR) : "not a regular file";
    case WholeFileOutcome::TooLarge:
        return "larger than " + SizeText(Limit);
    case WholeFileOutcome::Failed:
        return ErrorText(Error);
    }
    return {};
}

WholeFile ReadWholeFile(const std::string& path, size_t limit)
{
    WholeFile file;
    file.Limit = limit;
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        file.Error = errno;
        file.Outcome = errno == ENOENT || errno == ENOTDIR ? WholeFileOutcome::Missing
                                                          : WholeFileOutcome::Failed;
        return file;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        file.Outcome = WholeFileOutcome::Failed;
        file.Error = errno;
    } else if (!S_ISREG(info.st_mode)) {
        file.Outcome = WholeFileOutcome::NotRegular;
        file.Error = S_ISDIR(info.st_mode) ? EISDIR : 0;
    } else {
        // A regular file never blocks; the flag only kept the open from waiting.
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        ReadOpened(fd, info, file);
    }
    close(fd);
    return file;
}

} // namespace brv
