// SPDX-License-Identifier: GPL-3.0-or-later
// The one whole-file save and the one bounded read: a save stopped at any step leaves the old or
// the new file, its temporary copy never shows more than the file did, and the next save clears
// what a stopped one left; long names save; reads never block on a FIFO nor pass their limit.
#include "StoppedWriters.h"
#include "TestFiles.h"

#include "platform/FileReplace.h"
#include "platform/IniFile.h"
#include "platform/SideFiles.h"
#include "platform/WholeFileRead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> NamesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool HoldsTemporaryCopy(const fs::path& folder, const std::string& file)
{
    for (const std::string& name : NamesIn(folder))
        if (brv::IsTemporaryCopyOf(name, file))
            return true;
    return false;
}

// The new content, or the new content padded with line feeds: what an in-place rewrite stopped
// between its write and its cut leaves (an INI reader reads it as the new file).
bool IsNewContent(const std::string& bytes, const std::string& content)
{
    return bytes.starts_with(content)
           && bytes.find_first_not_of('\n', content.size()) == std::string::npos;
}

} // namespace

TEST(WholeFileSave, StoppedAtEveryStepLeavesTheOldOrTheNewFileAndTheNextSaveClearsUp)
{
    TempDir dir;
    const std::string oldContent = "[s]\nold=1\n" + std::string(300, 'o') + "\n";
    const std::string newContent = "[s]\nnew=2\n";
    const std::string file = dir.Write("SAVE.INI", oldContent);
    int stops = 0;
    int copiesLeft = 0;
    for (int step = 1; RunStoppedAt(step, [&](CountingCalls&) {
             if (!brv::ReplaceWholeFile(file, newContent).empty())
                 throw std::runtime_error("refused");
         });
         ++step) {
        ++stops;
        const std::string bytes = ReadBytes(file);
        EXPECT_TRUE(bytes == oldContent || bytes == newContent) << "stopped before call " << step;
        copiesLeft += HoldsTemporaryCopy(dir.Path(), file) ? 1 : 0;
        // Put the old file back for the next stop.
        ASSERT_EQ(brv::ReplaceWholeFile(file, oldContent), "");
        EXPECT_FALSE(HoldsTemporaryCopy(dir.Path(), file)) << "the next save removes a stale copy";
    }
    EXPECT_GE(stops, 4) << "open, write, sync and rename each a place to stop";
    EXPECT_GT(copiesLeft, 0) << "some stops leave a copy for the next save to clear";
    EXPECT_EQ(ReadBytes(file), newContent) << "the save that ran to its end";
}

TEST(WholeFileSave, InPlaceRewriteStoppedAtEveryStepLeavesOldOrNewContent)
{
    // The folder takes no new file, as a read-only folder would for any user, root included.
    struct NoNewFiles : CountingCalls {
        int Open(const char* path, int flags, mode_t mode) override
        {
            if (flags & O_CREAT) {
                errno = EACCES;
                return -1;
            }
            return CountingCalls::Open(path, flags, mode);
        }
    };
    TempDir dir;
    for (const auto& [oldContent, newContent] :
         {std::pair<std::string, std::string>{"[s]\nlong=" + std::string(9000, 'x') + "\n", "[s]\nshort=1\n"},
          {"[s]\nshort=1\n", "[s]\nlong=" + std::string(9000, 'y') + "\n"}}) {
        const std::string file = dir.Write("PLACE.INI", oldContent);
        for (int step = 1;; ++step) {
            constexpr int Stopped = 42;
            const int status = RunInChild([&] {
                NoNewFiles calls;
                calls.Before = [step](int at, const std::string&, const char*, int) {
                    if (at == step)
                        _exit(Stopped);
                };
                const brv::FileSystemCallsOverride seam(calls);
                return brv::ReplaceWholeFile(file, newContent, {.InPlaceFallback = true}).empty() ? 0 : 1;
            });
            const std::string bytes = ReadBytes(file);
            EXPECT_TRUE(bytes == oldContent || IsNewContent(bytes, newContent))
                << "stopped before call " << step << ": " << bytes.size() << " bytes";
            if (status != Stopped) {
                EXPECT_EQ(status, 0);
                EXPECT_EQ(bytes, newContent) << "a finished rewrite is cut to its length";
                break;
            }
            ASSERT_EQ(brv::ReplaceWholeFile(file, oldContent), "");
        }
        EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"PLACE.INI"});
    }
}

TEST(WholeFileSave, OnlyAFileThatCannotBeReplacedIsRewrittenInPlace)
{
    // Renaming over a file mounted on its own fails with EBUSY: then, and only then, the file is
    // rewritten in place; a rename refused for another reason fails the save and keeps the file.
    struct RefusedRename : CountingCalls {
        int error = 0;
        int Rename(const char*, const char*) override
        {
            errno = error;
            return -1;
        }
    };
    TempDir dir;
    for (const int error : {EBUSY, EACCES, EXDEV}) {
        const std::string file = dir.Write("PLACE.INI", "[s]\nold=1\n");
        RefusedRename calls;
        calls.error = error;
        const brv::FileSystemCallsOverride seam(calls);
        const std::string refusal = brv::ReplaceWholeFile(file, "[s]\nnew=1\n", {.InPlaceFallback = true});
        EXPECT_EQ(refusal.empty(), error == EBUSY) << refusal;
        EXPECT_EQ(ReadBytes(file), error == EBUSY ? "[s]\nnew=1\n" : "[s]\nold=1\n");
        EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"PLACE.INI"});
    }
}

TEST(WholeFileSave, AFailedInPlaceRewritePutsTheOldContentBackOnDisk)
{
    // The folder takes no new file, so the save rewrites in place, and its write fails as on a
    // full disk: the old content goes back, and is synced to disk before the save gives up.
    struct FullDisk : CountingCalls {
        bool failed = false;
        int Open(const char* path, int flags, mode_t mode) override
        {
            if (flags & O_CREAT) {
                errno = EACCES;
                return -1;
            }
            return CountingCalls::Open(path, flags, mode);
        }
        ssize_t WriteAt(int fd, const void* data, size_t size, off_t offset) override
        {
            if (!std::exchange(failed, true)) {
                errno = ENOSPC;
                return -1;
            }
            return CountingCalls::WriteAt(fd, data, size, offset);
        }
    };
    TempDir dir;
    const std::string file = dir.Write("PLACE.INI", "[s]\nold=1\n");
    FullDisk calls;
    std::vector<std::string> names;
    calls.Before = [&names](int, const std::string& call, const char*, int) { names.push_back(call); };
    const brv::FileSystemCallsOverride seam(calls);
    EXPECT_EQ(brv::ReplaceWholeFile(file, "[s]\nnew=1\n", {.InPlaceFallback = true}), std::strerror(ENOSPC));
    EXPECT_EQ(ReadBytes(file), "[s]\nold=1\n");
    // Written back, cut to its length, synced; then the file is closed.
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(names.end() - 4, names.end()),
              (std::vector<std::string>{"write", "truncate", "sync", "close"}));
}

TEST(WholeFileSave, TheCopyHasThePrivateFilesModeBeforeAByteIsWritten)
{
    TempDir dir;
    const std::string file = dir.Write("PRIVATE.INI", "[s]\na=1\n");
    ASSERT_EQ(chmod(file.c_str(), 0600), 0);
    const mode_t oldMask = umask(022);
    CountingCalls calls;
    std::vector<mode_t> modesAtWrite;
    calls.Before = [&](int, const std::string& call, const char*, int fd) {
        struct stat info {};
        if (call == "write" && fstat(fd, &info) == 0)
            modesAtWrite.push_back(info.st_mode & 07777);
    };
    {
        const brv::FileSystemCallsOverride seam(calls);
        EXPECT_EQ(brv::ReplaceWholeFile(file, "[s]\na=2\n"), "");
    }
    umask(oldMask);
    ASSERT_FALSE(modesAtWrite.empty());
    for (const mode_t mode : modesAtWrite)
        EXPECT_EQ(mode, 0600u);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(WholeFileSave, NamesUpToTheSystemsLimitSaveWithCopiesBesideThem)
{
    TempDir dir;
    // 255 bytes, and 250 bytes of two-byte characters cut short by the copy's name.
    std::string twoByte;
    while (twoByte.size() < 250)
        twoByte += "\xC3\xA9";
    for (const std::string& name : {std::string(251, 'n') + ".INI", twoByte}) {
        const std::string file = dir.File(name);
        const std::string stem = fs::path(brv::SideFileStem(file)).filename().string();
        EXPECT_LE(brv::TemporaryFileName(file, "abcdef").size() - dir.Path().string().size() - 1, 255u);
        EXPECT_EQ(stem.find('\xC3', stem.size() - 10), std::string::npos) << "no character cut in two";
        EXPECT_EQ(stem.substr(0, 11), "." + name.substr(0, 10)) << "the copy's name begins as the file's";
        brv::IniFile ini(file);
        ini.WriteString("s", "a", "1");
        ini.WriteString("s", "a", "2");
        EXPECT_EQ(brv::IniFile(file).ReadString("s", "a", ""), "2");
        EXPECT_FALSE(HoldsTemporaryCopy(dir.Path(), file));
    }
    EXPECT_NE(brv::SideFileStem(dir.File(std::string(251, 'n') + ".INI")),
              brv::SideFileStem(dir.File(std::string(251, 'n') + ".INJ")))
        << "long names that differ at the end keep apart";
}

TEST(WholeFileSave, StaleCopiesOfTheFileGoButOthersAndLiveOnesStay)
{
    TempDir dir;
    const std::string file = dir.Write("KEEP.INI", "[s]\na=1\n");
    dir.Write(".KEEP.INI.tmp-abc123", "stale");  // ours
    dir.Write("KEEP.INI.tmp-0a1b2c", "stale");   // the earlier naming
    dir.Write("KEEP.INI.tmp-notours", "user's"); // not six letters
    dir.Write(".OTHER.INI.tmp-abc123", "another file's");
    const std::string live = dir.Write(".KEEP.INI.tmp-zzz999", "being written");
    const int liveFd = open(live.c_str(), O_RDONLY);
    ASSERT_EQ(flock(liveFd, LOCK_EX), 0) << "a save under way holds its copy";
    ASSERT_EQ(brv::ReplaceWholeFile(file, "[s]\na=2\n"), "");
    close(liveFd);
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{".KEEP.INI.tmp-zzz999", ".OTHER.INI.tmp-abc123",
                                                             "KEEP.INI", "KEEP.INI.tmp-notours"}));
}

TEST(WholeFileSave, RefusalsLeaveTheFileAndNameTheFolderThatCouldNotBeMade)
{
    TempDir dir;
    const std::string fifo = dir.File("PIPE.INI");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(brv::ReplaceWholeFile(fifo, "x"), "not a regular file");
    EXPECT_EQ(brv::ReplaceWholeFile(dir.File("none/X.INI"), "x"), std::strerror(ENOENT));

    dir.Write("plain", "a file where a folder should be");
    const std::string problem = brv::MakeFolderFor(dir.File("plain/deeper/X.INI"));
    EXPECT_NE(problem.find("the folder " + dir.File("plain/deeper")), std::string::npos) << problem;
    EXPECT_EQ(brv::MakeFolderFor(dir.File("new/deeper/X.INI")), "");
    EXPECT_TRUE(fs::is_directory(dir.Path() / "new/deeper"));
}

TEST(WholeFileRead, ReadsOnlyRegularFilesUpToTheLimit)
{
    TempDir dir;
    const std::string fifo = dir.File("FIFO");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(brv::ReadWholeFile(fifo).Outcome, brv::WholeFileOutcome::NotRegular) << "no writer: no wait";
    EXPECT_EQ(brv::ReadWholeFile("/dev/zero", 1 << 20).Outcome, brv::WholeFileOutcome::NotRegular);
    EXPECT_EQ(brv::ReadWholeFile(dir.Path().string()).Problem(), std::strerror(EISDIR));
    EXPECT_EQ(brv::ReadWholeFile(dir.File("none")).Outcome, brv::WholeFileOutcome::Missing);

    const std::string file = dir.Write("TEN", "0123456789");
    const brv::WholeFile exact = brv::ReadWholeFile(file, 10);
    EXPECT_TRUE(exact.Ok());
    EXPECT_EQ(exact.Bytes, "0123456789");
    const brv::WholeFile over = brv::ReadWholeFile(file, 9);
    EXPECT_EQ(over.Outcome, brv::WholeFileOutcome::TooLarge);
    EXPECT_EQ(over.Bytes, "012345678");
    EXPECT_EQ(brv::ReadWholeFile(file, size_t{1} << 20).Bytes, "0123456789");
    const brv::WholeFile tooLarge{brv::WholeFileOutcome::TooLarge, {}, 0, brv::MaxWholeFileBytes};
    EXPECT_EQ(tooLarge.Problem(), "larger than 64 MiB");
}
