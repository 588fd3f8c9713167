// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using brv::IniFile;
using brv::IniWriteError;
using brv::ParseInteger;

namespace {

constexpr uid_t kNobody = 65534;

class IniFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name = "TEST.INI") const { return dir_.File(name); }

    std::string Put(const std::string& bytes, const std::string& name = "TEST.INI") const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

    static std::string Bytes(const std::string& path) { return ReadBytes(path); }

    // Files in the folder, leaving out the lock files writes keep beside a file for good.
    size_t EntriesInDir() const
    {
        return static_cast<size_t>(std::count_if(fs::directory_iterator(dir_.Path()), {}, [](const fs::directory_entry& entry) {
            const std::string name = entry.path().filename().string();
            return !(name.starts_with(".") && name.ends_with(".lock"));
        }));
    }

    TempDir dir_;
};

TEST(ParseIntegerTest, DecimalAndHexWithSignAndLeadingSpaces)
{
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("  42"), 42);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger(" -3"), -3);
    EXPECT_EQ(ParseInteger("000000000000000000012"), 12);
    EXPECT_EQ(ParseInteger("$1f"), 31);
    EXPECT_EQ(ParseInteger("0xFF"), 255);
    EXPECT_EQ(ParseInteger("0XaB"), 171);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("-0x10"), -16);
}

TEST(ParseIntegerTest, SignedThirtyTwoBitRangeHexIncluded)
{
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger("0x7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(ParseInteger("-$80000000"), INT32_MIN);
    for (const char* outside : {"2147483648", "-2147483649", "0x80000000", "0xFFFFFFFF", "$100000000",
                                "99999999999999999999999999", "-0x80000001"})
        EXPECT_EQ(ParseInteger(outside), std::nullopt) << outside;
}

TEST(ParseIntegerTest, AnythingElseGivesNothing)
{
    for (const char* junk : {"", " ", "+", "-", "$", "0x", "-$", "12 ", "1 2", "\t5", "5a", "+-5", "- 5",
                             "0x-5", "$ 1", "1e3", "$g", "0b1", "x10", "1.0"})
        EXPECT_EQ(ParseInteger(junk), std::nullopt) << '"' << junk << '"';
    EXPECT_EQ(ParseInteger(std::string_view("1\0", 2)), std::nullopt);
    EXPECT_EQ(brv::ParseIntegerOr("junk", -9), -9);
    EXPECT_EQ(brv::ParseIntegerOr("$A", -9), 10);
}

TEST_F(IniFileTest, ReadsNamesIgnoringCaseAndValuesTrimmed)
{
    const IniFile ini(Put("top=before any section\n"
                          "[Setting]\n"
                          "  MapName \t=  \tCOURSE1.MAP \t \n"
                          "; Interval=1\n"
                          "   ;Comment=2\n"
                          "no equals sign here\n"
                          "=no key\n"
                          "Formula=a=b\n"
                          "Empty=\n"
                          "mapname=second wins nothing\n"
                          "[  Other Section  ]\n"
                          "k=\xE3\x81\x82\n"
                          "[Unclosed\n"
                          "u=1"));
    EXPECT_EQ(ini.ReadString("SETTING", "MAPNAME", "x"), "COURSE1.MAP");
    EXPECT_EQ(ini.ReadString("setting", "mapName", "x"), "COURSE1.MAP");
    EXPECT_EQ(ini.ReadString("Setting", "Formula", "x"), "a=b");
    EXPECT_EQ(ini.ReadString("Setting", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("Setting", "Interval", "x"), "x");
    EXPECT_EQ(ini.ReadString("Setting", "Comment", "x"), "x");
    EXPECT_EQ(ini.ReadString("Setting", "no equals sign here", "x"), "x");
    EXPECT_EQ(ini.ReadString("", "top", "x"), "x");
    EXPECT_EQ(ini.ReadString("other section", "K", "x"), "\xE3\x81\x82");
    EXPECT_EQ(ini.ReadString("Missing", "k", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("unclosed", "u", "x"), "1");
}

TEST_F(IniFileTest, FirstSectionOfANameAndFirstKeyWin)
{
    const IniFile ini(Put("[A]\nx=1\nX=2\n[b]\ny=3\n[a]\nx=4\nz=5\n"));
    EXPECT_EQ(ini.ReadInteger("a", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("a", "z", 0), 0);
    EXPECT_EQ(ini.ReadSection("A"), (std::vector<std::string>{"x"}));

    // Many repeats, so that no ordering of equal names can pass by chance.
    std::string many;
    for (int i = 0; i < 200; ++i)
        many += (i % 2 ? "[DUP]\n" : "[dup]\n") + std::string(i % 3 ? "k" : "K") + "=" + std::to_string(i) +
                "\nk" + std::to_string(i % 7) + "=" + std::to_string(i) + "\n";
    const IniFile repeated(Put(many, "MANY.INI"));
    EXPECT_EQ(repeated.ReadInteger("Dup", "k", -1), 0);
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(repeated.ReadInteger("Dup", "k" + std::to_string(k), -1), k == 0 ? 0 : -1) << k;
}

TEST_F(IniFileTest, LetterCaseFoldsExactlyTheLettersAToZ)
{
    const IniFile ini(Put("[Zone]\nzoom=1\nArea=2\n[alpha]\nk=3\n[a[]\nx@=4\ny`=5\n"));
    EXPECT_EQ(ini.ReadString("ZONE", "ZOOM", "x"), "1");
    EXPECT_EQ(ini.ReadString("zone", "zOoM", "x"), "1");
    EXPECT_EQ(ini.ReadString("ZONE", "AREA", "x"), "2");
    EXPECT_EQ(ini.ReadString("ALPHA", "K", "x"), "3");
    EXPECT_EQ(ini.ReadSection("zONE"), (std::vector<std::string>{"zoom", "Area"}));
    // The neighbours of the letters never fold: "[" is not "{", "@" not "`".
    EXPECT_EQ(ini.ReadString("A[", "x@", "x"), "4");
    EXPECT_EQ(ini.ReadString("a{", "x@", "x"), "x");
    EXPECT_EQ(ini.ReadString("a[", "X`", "x"), "x");
    EXPECT_EQ(ini.ReadString("a[", "Y@", "x"), "x");

    IniFile writer(Path());
    writer.WriteString("ZONE", "ZOOM", "9");
    EXPECT_EQ(IniFile(Path()).ReadString("zone", "zoom", ""), "9");
    EXPECT_EQ(Bytes(Path()), "[Zone]\nzoom=9\nArea=2\n[alpha]\nk=3\n[a[]\nx@=4\ny`=5\n");
}

TEST_F(IniFileTest, ByteOrderMarkIsNotPartOfTheFirstLineAndAWriteKeepsIt)
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::string before = bom + "[SETTING]\r\nMapName=COURSE1.DAT\r\n[Other]\r\nk=1\r\n";
    IniFile ini(Put(before));
    EXPECT_EQ(ini.ReadString("Setting", "MapName", "x"), "COURSE1.DAT");
    EXPECT_EQ(ini.ReadSection("SETTING"), (std::vector<std::string>{"MapName"}));
    EXPECT_EQ(IniFile::FromBytes("mem.ini", before).ReadString("setting", "mapname", "x"), "COURSE1.DAT");

    ini.WriteInteger("Setting", "HiScore", 5);
    ini.WriteString("Setting", "MapName", "C2.DAT");
    ini.WriteString("New", "a", "b");
    EXPECT_EQ(Bytes(Path()), bom + "[SETTING]\r\nMapName=C2.DAT\r\nHiScore=5\r\n[Other]\r\nk=1\r\n"
                                   "[New]\r\na=b\r\n");

    // A mark alone is an empty file that keeps its mark; a key right after it counts too.
    IniFile markOnly(Put(bom, "MARK.INI"));
    markOnly.WriteString("S", "k", "v");
    EXPECT_EQ(Bytes(Path("MARK.INI")), bom + "[S]\nk=v\n");
    const IniFile keyFirst(Put(bom + "[S]\n" + bom + "k=v\n", "LATER.INI"));
    EXPECT_EQ(keyFirst.ReadString("S", bom + "k", "x"), "v") << "only the file's first bytes are a mark";
}

TEST_F(IniFileTest, EveryLineEndingSplitsLinesAlike)
{
    for (const std::string eol : {"\n", "\r\n", "\r"}) {
        const IniFile ini(Put("[s]" + eol + "a=1 " + eol + eol + "b=2" + eol + "[t]" + eol + "c=3"));
        EXPECT_EQ(ini.ReadString("s", "a", "x"), "1");
        EXPECT_EQ(ini.ReadString("s", "b", "x"), "2");
        EXPECT_EQ(ini.ReadString("t", "c", "x"), "3");
    }
    const IniFile mixed(Put("[s]\r\na=1\rb=2\n\r\nc=3"));
    EXPECT_EQ(mixed.ReadSection("s"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(IniFileTest, ValuesAreCutTo2047BytesAndKeepNulBytes)
{
    const std::string longValue(3000, 'v');
    const IniFile ini(Put("[s]\nlong= " + longValue + "\nexact=" + std::string(2047, 'e') + "\nnul=a" +
                          std::string(1, '\0') + "b\n"));
    EXPECT_EQ(ini.ReadString("s", "long", ""), longValue.substr(0, 2047));
    EXPECT_EQ(ini.ReadString("s", "exact", "").size(), 2047u);
    EXPECT_EQ(ini.ReadString("s", "nul", ""), std::string("a\0b", 3));
}

TEST_F(IniFileTest, IntegersAndBooleansFallBackWhenAbsentOrNotANumber)
{
    const IniFile ini(Put("[s]\nhex=$10\nneg=-5\njunk=5x\nempty=\nbig=4294967295\n"
                          "on=2\noff=0\nword=yes\n"));
    EXPECT_EQ(ini.ReadInteger("s", "hex", 0), 16);
    EXPECT_EQ(ini.ReadInteger("s", "neg", 0), -5);
    EXPECT_EQ(ini.ReadInteger("s", "junk", 7), 7);
    EXPECT_EQ(ini.ReadInteger("s", "empty", 7), 7);
    EXPECT_EQ(ini.ReadInteger("s", "big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("s", "absent", 7), 7);
    EXPECT_TRUE(ini.ReadBool("s", "on", false));
    EXPECT_FALSE(ini.ReadBool("s", "off", true));
    EXPECT_TRUE(ini.ReadBool("s", "word", true));
    EXPECT_FALSE(ini.ReadBool("s", "word", false));
    EXPECT_TRUE(ini.ReadBool("s", "absent", true));
}

TEST_F(IniFileTest, SectionListsEachKeyOnceInFileOrderWithoutEmptyValues)
{
    const IniFile ini(Put("[Pos]\nPos1=a\nblank=\nPos0=b\npos1=c\nlate=\nlate=now\n ; c=d\nlast = z\n"
                          "[other]\nq=1\n"));
    EXPECT_EQ(ini.ReadSection("POS"), (std::vector<std::string>{"Pos1", "Pos0", "last"}));
    EXPECT_TRUE(ini.ReadSection("nothing").empty());
    // The values with them are what ReadString gives: the first of a key, trimmed and cut.
    using Values = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(ini.ReadSectionValues(" pos "), (Values{{"Pos1", "a"}, {"Pos0", "b"}, {"last", "z"}}));
    EXPECT_TRUE(ini.ReadSectionValues("nothing").empty());
    EXPECT_EQ(ini.CountKeys("pos"), 3u);
    EXPECT_EQ(ini.CountKeys("nothing"), 0u);
    const IniFile longValue(Put("[s]\nk=" + std::string(3000, 'v') + "\n"));
    EXPECT_EQ(longValue.ReadSectionValues("s").at(0).second, longValue.ReadString("s", "k", ""));
}

TEST_F(IniFileTest, MissingDirectoryOrSpecialFilesReadAsEmpty)
{
    for (const std::string& path : {Path("absent.ini"), dir_.Path().string(), std::string("/dev/null")}) {
        const IniFile ini(path);
        EXPECT_EQ(ini.FileName(), path);
        EXPECT_EQ(ini.ReadString("s", "k", "fallback"), "fallback");
        EXPECT_TRUE(ini.ReadSection("s").empty());
    }
}

TEST_F(IniFileTest, ReplacingAValueChangesOnlyItsLine)
{
    const std::string before = "; settings\r\n[Setting]\r\n  Interval = 50 \r\nHiScore=1\r\n\r\n"
                               "[setting]\r\ninterval=99\r\n[Other]\rinterval=7";
    IniFile ini(Put(before));
    ini.WriteInteger("SETTING", "interval", 40);
    EXPECT_EQ(Bytes(Path()), "; settings\r\n[Setting]\r\n  Interval=40\r\nHiScore=1\r\n\r\n"
                             "[setting]\r\ninterval=99\r\n[Other]\rinterval=7");
    ini.WriteBool("Other", "Interval", false);
    EXPECT_EQ(Bytes(Path()), "; settings\r\n[Setting]\r\n  Interval=40\r\nHiScore=1\r\n\r\n"
                             "[setting]\r\ninterval=99\r\n[Other]\rinterval=0");
    EXPECT_EQ(ini.ReadInteger("setting", "interval", 0), 40);
    EXPECT_EQ(IniFile(Path()).ReadInteger("Other", "interval", 1), 0);
}

TEST_F(IniFileTest, NewKeyGoesAfterTheSectionsLastNonBlankLine)
{
    IniFile ini(Put("[A]\r\nx=1\r\n; note\r\n\r\n\r\n[B]\r\n[C]\r\ny=2"));
    ini.WriteString("a", "New", "v 1");
    ini.WriteString("B", "k", "");
    ini.WriteString("C", "z", "3");
    EXPECT_EQ(Bytes(Path()), "[A]\r\nx=1\r\n; note\r\nNew=v 1\r\n\r\n\r\n[B]\r\nk=\r\n[C]\r\ny=2\r\nz=3\r\n");
    EXPECT_EQ(ini.ReadString("A", "new", "x"), "v 1");
    EXPECT_EQ(ini.ReadString("B", "k", "x"), "");
}

TEST_F(IniFileTest, NewSectionGoesAtTheEndOfTheFile)
{
    IniFile ini(Put("; only a comment"));
    ini.WriteString("Setting", "MapName", "C.MAP");
    EXPECT_EQ(Bytes(Path()), "; only a comment\n[Setting]\nMapName=C.MAP\n");

    IniFile crlf(Put("[A]\r\nx=1\r\n", "CRLF.INI"));
    crlf.WriteInteger("B", "n", -2147483647 - 1);
    EXPECT_EQ(Bytes(Path("CRLF.INI")), "[A]\r\nx=1\r\n[B]\r\nn=-2147483648\r\n");

    IniFile cr(Put("[A]\rx=1\r; end", "CR.INI"));
    cr.WriteString("A", "y", "2");
    cr.WriteString("B", "z", "3");
    EXPECT_EQ(Bytes(Path("CR.INI")), "[A]\rx=1\r; end\ry=2\r[B]\rz=3\r");

    IniFile created(Path("NEW.INI"));
    created.WriteBool("S", "On", true);
    EXPECT_EQ(Bytes(Path("NEW.INI")), "[S]\nOn=1\n");
    EXPECT_TRUE(created.ReadBool("s", "on", false));
}

TEST_F(IniFileTest, WritesOfTwoObjectsOnOneFileKeepEachOther)
{
    IniFile first(Put("[s]\na=1\n"));
    IniFile second(Path());
    first.WriteString("s", "b", "2");
    second.WriteString("s", "c", "3");
    EXPECT_EQ(Bytes(Path()), "[s]\na=1\nb=2\nc=3\n");
}

TEST_F(IniFileTest, WriteThroughASymbolicLinkKeepsTheLinkTheOwnerAndTheMode)
{
    const std::string target = Put("[s]\na=1\n", "REAL.INI");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Only root can give a file away; then the save must hand it back to that owner.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(target.c_str(), kNobody, kNobody), 0);
    }
    fs::create_symlink(target, Path("LINK.INI"));
    IniFile ini(Path("LINK.INI"));
    ini.WriteString("s", "a", "2");
    EXPECT_TRUE(fs::is_symlink(Path("LINK.INI")));
    EXPECT_EQ(Bytes(target), "[s]\na=2\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, root ? kNobody : geteuid());
    EXPECT_EQ(EntriesInDir(), 2u);

    // A relative link to a relative link in another folder: the last file is the one replaced.
    fs::create_directory(dir_.Path() / "real");
    const std::string deep = Put("[s]\nb=1\n", "real/DEEP.INI");
    fs::create_symlink("DEEP.INI", dir_.Path() / "real" / "HOP.INI");
    fs::create_symlink("real/HOP.INI", Path("CHAIN.INI"));
    IniFile chained(Path("CHAIN.INI"));
    chained.WriteString("s", "b", "2");
    EXPECT_TRUE(fs::is_symlink(Path("CHAIN.INI")));
    EXPECT_TRUE(fs::is_symlink(dir_.Path() / "real" / "HOP.INI"));
    EXPECT_EQ(Bytes(deep), "[s]\nb=2\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path() / "real"), {}), 2);
}

// Runs `save` in a child process that may write `file` but create nothing in its folder: the
// child of root runs as "nobody", to whom the file is given; anyone else loses the folder's
// write permission. True when `save` returned true.
bool SavedWhereTheFolderTakesNoNewFile(const fs::path& folder, const std::string& file,
                                       const std::function<bool()>& save)
{
    const bool root = geteuid() == 0;
    if (root && chown(file.c_str(), kNobody, kNobody) != 0)
        return false;
    const fs::perms before = fs::status(folder).permissions();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const pid_t child = fork();
    if (child == 0) {
        if (root && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(2);
        _exit(save() ? 0 : 1);
    }
    int status = 0;
    const bool waited = child > 0 && waitpid(child, &status, 0) == child;
    fs::permissions(folder, before);
    return waited && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(IniFileTest, FolderWithoutRoomForATemporaryFileGetsTheFileRewrittenInPlace)
{
    const std::string path = Put("[s]\na=1\nlong=" + std::string(100, 'x') + "\n; end\n");
    const bool saved = SavedWhereTheFolderTakesNoNewFile(dir_.Path(), path, [&path] {
        try {
            IniFile ini(path);
            ini.WriteString("s", "a", "22");   // longer
            ini.WriteString("s", "long", "y"); // much shorter
            ini.WriteString("t", "k", "v");    // a new section at the end
            return ini.ReadString("s", "a", "") == "22";
        } catch (const IniWriteError&) {
            return false;
        }
    });
    EXPECT_TRUE(saved);
    EXPECT_EQ(Bytes(path), "[s]\na=22\nlong=y\n; end\n[t]\nk=v\n");
    EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(IniFileTest, FailedRewriteInPlaceLeavesTheFileWhole)
{
    const std::string before = "[s]\na=1\n" + std::string(3000, ';') + "\n";
    const std::string path = Put(before);
    // A file size limit below the new content fails the save, as a full disk would.
    const bool refused = SavedWhereTheFolderTakesNoNewFile(dir_.Path(), path, [&path] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &small) != 0)
            return false;
        IniFile ini(path);
        try {
            ini.WriteString("s", "a", std::string(2000, '2'));
            return false;
        } catch (const IniWriteError&) {
        }
        return ini.ReadString("s", "a", "") == "1";
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(EntriesInDir(), 1u);
}

// A refused write throws naming the file, leaves the old file whole and no temporary file.
void ExpectRefused(IniFile& ini, const std::string& section, const std::string& key, const std::string& value)
{
    try {
        ini.WriteString(section, key, value);
        ADD_FAILURE() << "write of [" << section << "] " << key << " was accepted";
    } catch (const IniWriteError& error) {
        EXPECT_NE(std::string(error.what()).find(ini.FileName()), std::string::npos) << error.what();
    }
}

TEST_F(IniFileTest, WritesThatCannotBeStoredAreRefused)
{
    const std::string before = "[s]\na=1\n";
    IniFile ini(Put(before));
    ExpectRefused(ini, "s", "a", "two\nlines");
    ExpectRefused(ini, "s", "b=c", "1");
    ExpectRefused(ini, "s", "", "1");
    ExpectRefused(ini, "s", ";b", "1");
    ExpectRefused(ini, "s]", "b", "1");
    EXPECT_EQ(Bytes(Path()), before);
    // Those refusals are about the value alone: the file stays open to other writes.
    EXPECT_THROW(ini.WriteString("s", "a", "x\r"), brv::IniValueError);
    ini.WriteString("s", "b", "2");
    EXPECT_EQ(Bytes(Path()), before + "b=2\n");
    ini.WriteString("s", "b", "1");
    EXPECT_EQ(EntriesInDir(), 1u);

    IniFile inMissingDir(Path("nowhere/TEST.INI"));
    ExpectRefused(inMissingDir, "s", "a", "1");
    EXPECT_FALSE(fs::exists(dir_.Path() / "nowhere"));

    fs::create_directory(dir_.Path() / "AS_DIR.INI");
    IniFile directory(Path("AS_DIR.INI"));
    ExpectRefused(directory, "s", "a", "1");
    EXPECT_TRUE(fs::is_directory(dir_.Path() / "AS_DIR.INI"));
    EXPECT_EQ(EntriesInDir(), 2u);
}

TEST_F(IniFileTest, ReadOnlyFileIsNotReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    const std::string before = "[s]\na=1\n";
    IniFile ini(Put(before));
    fs::permissions(Path(), fs::perms::owner_read);
    ExpectRefused(ini, "s", "a", "2");
    EXPECT_EQ(Bytes(Path()), before);
    EXPECT_EQ(ini.ReadString("s", "a", ""), "1");
}

TEST_F(IniFileTest, FailedWriteLeavesTheOriginalWholeAndNoTemporaryFile)
{
    const std::string before = "[s]\na=1\n" + std::string(8192, ';') + "\n";
    IniFile ini(Put(before));
    // A file size limit below the new content makes the write fail halfway, as a full disk would.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectRefused(ini, "s", "a", "2");
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(Bytes(Path()), before);
    EXPECT_EQ(EntriesInDir(), 1u);
    EXPECT_EQ(ini.ReadString("s", "a", ""), "1");
    ini.WriteString("s", "a", "3");
    EXPECT_EQ(IniFile(Path()).ReadString("s", "a", ""), "3");
}

TEST_F(IniFileTest, OversizedFileReadsItsStartAndIsNeverWritten)
{
    const std::string value(100, '1');
    const std::string path = Put("[s]\na=" + value + "\n");
    fs::resize_file(path, (size_t{64} << 20) + 1); // sparse: the rest reads as NUL bytes
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("s", "a", ""), value);
    ExpectRefused(ini, "s", "a", "2"); // would fit in 64 MiB, but the rest of the file would be lost
    EXPECT_EQ(fs::file_size(path), (size_t{64} << 20) + 1);
    EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(IniFileTest, HugeLinesAndManyKeysStayFast)
{
    const std::string hugeValue(10 << 20, 'x');
    std::string text = "[big]\nline=" + hugeValue + "\n[many]\n";
    for (int i = 0; i < 100000; ++i)
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    IniFile ini(Put(text));
    EXPECT_EQ(ini.ReadString("big", "line", "").size(), 2047u);
    for (int i = 0; i < 100000; i += 7)
        ASSERT_EQ(ini.ReadInteger("many", "key" + std::to_string(i), -1), i);
    EXPECT_EQ(ini.ReadSection("many").size(), 100000u);
    ini.WriteString("many", "Key99999", "last");
    EXPECT_EQ(Bytes(Path()).size(), text.size() - 1);
}

} // namespace

TEST(IniFileFromBytes, ReadsAsTheSameBytesOnDiskWould)
{
    const std::string bytes = "; c\r\n[Setting]\r\nKey = value \r\nkey=second\r[other]\nN=0x10\n";
    TempDir dir;
    const brv::IniFile onDisk(dir.Write("a.ini", bytes));
    const brv::IniFile inMemory = brv::IniFile::FromBytes("unused.ini", bytes);
    EXPECT_EQ(inMemory.ReadString("SETTING", "KEY", "-"), onDisk.ReadString("SETTING", "KEY", "-"));
    EXPECT_EQ(inMemory.ReadSection("setting"), onDisk.ReadSection("setting"));
    EXPECT_EQ(inMemory.ReadInteger("Other", "n", 0), 16);
    EXPECT_EQ(inMemory.FileName(), "unused.ini");
}

TEST_F(IniFileTest, SeveralKeysInOneWriteAndRefusedWhole)
{
    const std::string path = Put("; scores\n[A]\nx=1\n[B]\ny=2\n");
    IniFile ini(path);
    ini.WriteStrings("A", {{"x", "10"}, {"new", "n"}, {"other", "o"}});
    EXPECT_EQ(Bytes(path), "; scores\n[A]\nx=10\nnew=n\nother=o\n[B]\ny=2\n");
    ini.WriteStrings("C", {{"1", "a"}, {"2", "b"}});
    EXPECT_EQ(Bytes(path), "; scores\n[A]\nx=10\nnew=n\nother=o\n[B]\ny=2\n[C]\n1=a\n2=b\n");
    EXPECT_EQ(IniFile(path).ReadString("c", "2", ""), "b");

    // One value that cannot be stored refuses the whole write: the file keeps every byte.
    const std::string before = Bytes(path);
    EXPECT_THROW(ini.WriteStrings("A", {{"x", "20"}, {"y", "two\nlines"}}), IniWriteError);
    EXPECT_THROW(ini.WriteStrings("A", {{"x", "20"}, {"=y", "2"}}), IniWriteError);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(ini.ReadString("A", "x", ""), "10");
}

TEST(IniFileFromBytes, SectionNamesOncePerNameInFileOrder)
{
    const IniFile ini = IniFile::FromBytes(
        "mem.ini", "x=1\n[Zeta]\n[ alpha ]\na=1\n[ZETA]\n[Beta\n;[Comment]\n[]\n[alpha]\n");
    EXPECT_EQ(ini.ReadSectionNames(), (std::vector<std::string>{"Zeta", "alpha", "Beta", ""}));
    EXPECT_TRUE(IniFile::FromBytes("mem.ini", "").ReadSectionNames().empty());
}

// Edits held in memory and saved at once (the course editor's save).
TEST(IniFileInMemoryEdits, SetRemoveAndSaveChangeOnlyTheirLines)
{
    const std::string bytes = "; c\r\n[A]\r\nOne=1\r\nTwo = 2\r\none=dup\r\n\r\n[B]\r\nX=1";
    brv::IniFile ini = brv::IniFile::FromBytes("", bytes);
    ini.SetString("a", "two", "22");
    EXPECT_EQ(ini.Bytes(), "; c\r\n[A]\r\nOne=1\r\nTwo=22\r\none=dup\r\n\r\n[B]\r\nX=1");
    // Removing the first of duplicate keys uncovers the second, as a reader would see it.
    ini.RemoveKey("A", "ONE");
    EXPECT_EQ(ini.ReadString("A", "One", "-"), "dup");
    ini.RemoveKey("A", "one");
    ini.RemoveKey("A", "absent");
    ini.RemoveKey("B", "X"); // the last line, without a line ending
    ini.SetString("B", "Y", "2");
    EXPECT_EQ(ini.Bytes(), "; c\r\n[A]\r\nTwo=22\r\n\r\n[B]\r\nY=2\r\n");
    EXPECT_THROW(ini.SetString("B", "Y", "a\nb"), brv::IniWriteError);

    TempDir dir;
    const std::string path = dir.File("saved.ini");
    ini.SaveAs(path);
    EXPECT_EQ(ReadBytes(path), ini.Bytes());
    try {
        ini.SaveAs(dir.File("missing/saved.ini"));
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const brv::IniWriteError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot write " + dir.File("missing/saved.ini") + ": ", 0), 0u)
            << error.what();
    }
}
