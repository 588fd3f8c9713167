// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileReplace.h"

#include "platform/FileSystemCalls.h"
#include "platform/SideFiles.h"
#include "platform/WholeFileRead.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brv {
namespace {

// Ends a save with the reason; caught at its top.
struct Refusal {
    std::string Reason;
};

std::string ErrorText(int error) { return std::system_category().message(error); }

[[noreturn]] void Refuse(std::string reason) { throw Refusal{std::move(reason)}; }
[[noreturn]] void RefuseErrno() { Refuse(ErrorText(errno)); }

std::string FolderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Writes the data at `offset` onwards.
bool WriteAll(FileSystemCalls& calls, int fd, std::string_view data, off_t offset = 0)
{
    while (!data.empty()) {
        const ssize_t written = calls.WriteAt(fd, data.data(), data.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(written));
        offset += written;
    }
    return true;
}

// The temporary copy of the file; removed again unless it took the file's place.
struct TempFile {
    FileSystemCalls& calls;
    std::string path;
    int fd = -1;
    bool renamed = false;

    explicit TempFile(FileSystemCalls& c) : calls(c) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (fd >= 0)
            calls.Close(fd);
        if (!path.empty() && !renamed)
            unlink(path.c_str());
    }
};

std::string SixLetters(uint64_t noise)
{
    constexpr std::string_view letters = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string text;
    for (int i = 0; i < 6; ++i, noise /= letters.size())
        text += letters[noise % letters.size()];
    return text;
}

// Created with O_EXCL beside the target (so rename() stays on one file system), in the mode the
// file will have: an existing file's own, else 0666 less the umask like any new file. False,
// with errno set, when the folder takes no new file.
bool CreateTempFile(const std::string& target, mode_t mode, TempFile& temp)
{
    static std::atomic<uint64_t> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const uint64_t noise =
            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
            ^ (static_cast<uint64_t>(getpid()) << 24) ^ (counter++ * 0x9E3779B97F4A7C15ull);
        std::string path = TemporaryFileName(target, SixLetters(noise ^ (noise >> 29)));
        const int fd = temp.calls.Open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            flock(fd, LOCK_EX | LOCK_NB); // held until the copy is in place (RemoveStaleCopies)
            temp.path = std::move(path);
            temp.fd = fd;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    Refuse("no free name for a temporary file");
}

// Copies that earlier saves of the file left when they were killed. A save holds a lock on its
// copy until the copy has taken the file's place, so a copy whose lock can be taken belongs to
// no living save, and one that is being written in another copy of the game is left alone.
void RemoveStaleCopies(const std::string& target)
{
    const std::string folderName = FolderOf(target);
    DIR* folder = opendir(folderName.c_str());
    if (!folder)
        return;
    while (const dirent* entry = readdir(folder)) {
        if (!IsTemporaryCopyOf(entry->d_name, target))
            continue;
        const std::string path = folderName + "/" + entry->d_name;
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(path.c_str());
        if (fd >= 0)
            close(fd);
    }
    closedir(folder);
}

class FileHandle {
public:
    FileHandle(FileSystemCalls& calls, int fd) : calls_(calls), fd_(fd) {}
    ~FileHandle()
    {
        if (fd_ >= 0)
            calls_.Close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return fd_; }

private:
    FileSystemCalls& calls_;
    int fd_;
};

// The file itself rewritten, for a folder that takes no temporary file. The room for a longer
// content is taken first without changing the file's size, so a full disk refuses the save
// before a byte changes; a shorter content is padded to the old length, so the single write
// that follows leaves a complete file at every moment, and only then is the file cut.
void RewriteInPlace(FileSystemCalls& calls, const std::string& target, std::string_view content,
                    char filler)
{
    const WholeFile previous = ReadWholeFile(target);
    if (!previous.Ok())
        Refuse(previous.Problem());
    const FileHandle file(calls, calls.Open(target.c_str(), O_WRONLY | O_CLOEXEC, 0));
    const int fd = file.Get();
    if (fd < 0)
        RefuseErrno();
    const std::string_view old = previous.Bytes;
    if (content.size() > old.size()
        && fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(content.size())) != 0
        && errno != EOPNOTSUPP)
        RefuseErrno();
    std::string padded(content);
    if (padded.size() < old.size())
        padded.append(old.size() - padded.size(), filler);
    if (WriteAll(calls, fd, padded) && calls.Sync(fd) == 0
        && calls.Truncate(fd, static_cast<off_t>(content.size())) == 0 && calls.Sync(fd) == 0)
        return;
    const int error = errno;
    if (WriteAll(calls, fd, old) && calls.Truncate(fd, static_cast<off_t>(old.size())) == 0)
        calls.Sync(fd);
    Refuse(ErrorText(error));
}

// So that the rename itself survives a crash; a failure here cannot undo the write.
void SyncFolderOf(FileSystemCalls& calls, const std::string& path)
{
    const int fd = calls.Open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd >= 0) {
        calls.Sync(fd);
        calls.Close(fd);
    }
}

// The file a save replaces: a symbolic link's target, found to be a writable regular file when it
// exists (rename() would replace a read-only file too; its protection must hold).
std::string TargetOf(const std::string& fileName, struct stat& original, bool& existed)
{
    existed = false;
    std::string target = fileName;
    if (lstat(fileName.c_str(), &original) != 0) {
        if (errno != ENOENT)
            RefuseErrno();
        return target;
    }
    if (S_ISLNK(original.st_mode)) {
        std::error_code error;
        target = std::filesystem::canonical(fileName, error).string();
        if (error)
            Refuse(error.message());
        if (stat(target.c_str(), &original) != 0)
            RefuseErrno();
    }
    existed = true;
    if (S_ISDIR(original.st_mode))
        Refuse(ErrorText(EISDIR));
    if (!S_ISREG(original.st_mode))
        Refuse("not a regular file");
    if (access(target.c_str(), W_OK) != 0)
        RefuseErrno();
    return target;
}

void Replace(const std::string& fileName, std::string_view content, const ReplaceOptions& options)
{
    FileSystemCalls& calls = CurrentFileSystemCalls();
    struct stat original {};
    bool existed = false;
    const std::string target = TargetOf(fileName, original, existed);
    RemoveStaleCopies(target);

    TempFile temp(calls);
    const mode_t mode = existed ? (original.st_mode & 0777) : 0666;
    if (!CreateTempFile(target, mode, temp)) {
        const bool folderRefused = errno == EACCES || errno == EPERM || errno == EROFS;
        if (existed && options.InPlaceFallback && folderRefused)
            return RewriteInPlace(calls, target, content, options.Filler);
        RefuseErrno();
    }
    if (existed) {
        // The umask may have taken bits from the file's own mode; never adds any.
        if (fchmod(temp.fd, original.st_mode & 07777) != 0)
            RefuseErrno();
        // Only root can hand the file back to its owner; anyone else becomes the owner.
        if (fchown(temp.fd, original.st_uid, original.st_gid) != 0) {
        }
    }
    if (!WriteAll(calls, temp.fd, content) || calls.Sync(temp.fd) != 0)
        RefuseErrno();
    if (calls.Rename(temp.path.c_str(), target.c_str()) != 0) {
        if (existed && errno == EBUSY && options.InPlaceFallback)
            return RewriteInPlace(calls, target, content, options.Filler);
        RefuseErrno();
    }
    temp.renamed = true;
    // Closed only now, so its lock lasts until it is in place; its content is on disk already,
    // so a failing close changes nothing.
    calls.Close(std::exchange(temp.fd, -1));
    SyncFolderOf(calls, target);
}

} // namespace

std::string ReplaceWholeFile(const std::string& fileName, std::string_view content,
                             const ReplaceOptions& options)
{
    try {
        Replace(fileName, content, options);
        return {};
    } catch (const Refusal& refusal) {
        return refusal.Reason.empty() ? ErrorText(EIO) : refusal.Reason;
    }
}

std::string MakeFolderFor(const std::string& fileName)
{
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (folder.empty())
        return {};
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec && std::filesystem::is_directory(folder, ec))
        return {};
    if (!ec)
        ec = std::make_error_code(std::errc::not_a_directory);
    // The deepest folder that is missing is the one that could not be made.
    std::filesystem::path missing = folder;
    std::error_code ignored;
    while (missing.has_parent_path() && missing.parent_path() != missing
           && !std::filesystem::exists(missing.parent_path(), ignored))
        missing = missing.parent_path();
    return "the folder " + missing.string() + " cannot be created: " + ec.message();
}

} // namespace brv
