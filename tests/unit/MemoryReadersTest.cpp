// SPDX-License-Identifier: GPL-3.0-or-later
// The readers that also take bytes already in memory (the fuzz targets feed them that way):
// what they make of the bytes must be exactly what the file readers make of the same file.
#include "TestFiles.h"

#include "config/model/LanguageFile.h"
#include "config/model/Settings.h"
#include "platform/IniFile.h"
#include "platform/Sheets.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(MemoryReaders, ShippedCoursesLoadFromBytesAsFromTheirFiles)
{
    for (const char* name : {"COURSE1.DAT", "COURSE2.DAT"}) {
        const std::string path = std::string(BREVANTO_ASSETS_DIR) + "/" + name;
        TMap fromFile(96, 160, 60, false);
        fromFile.LoadFromFile(path);
        TMap fromBytes(96, 160, 60, false);
        fromBytes.LoadFromIni(brv::IniFile::FromBytes(name, ReadBytes(path)));
        EXPECT_EQ(fromBytes.Tiles, fromFile.Tiles) << name;
        EXPECT_EQ(fromBytes.Dots, fromFile.Dots) << name;
        EXPECT_EQ(fromBytes.Starts, fromFile.Starts) << name;
        EXPECT_EQ(fromBytes.Blocks, fromFile.Blocks) << name;
        EXPECT_EQ(fromBytes.Path, fromFile.Path) << name;
        EXPECT_EQ(fromBytes.RestPlayPos, fromFile.RestPlayPos) << name;
        EXPECT_EQ(fromBytes.ScreenWidth, fromFile.ScreenWidth) << name;
        EXPECT_EQ(fromBytes.ScreenHeight, fromFile.ScreenHeight) << name;
    }
}

TEST(MemoryReaders, ABadCourseFromBytesIsRefusedAndLeavesTheModel)
{
    TMap map(96, 160, 60, false);
    map.SetErrorTexts({"", "missing", "map", "dots", "start"});
    map.LoadFromFile(std::string(BREVANTO_ASSETS_DIR) + "/COURSE1.DAT");
    const std::string tiles = map.Tiles;
    try {
        map.LoadFromIni(brv::IniFile::FromBytes("BAD.DAT", "[DEFINE]\nMapSize=2,1\n[MAP]\n1=99\n"));
        FAIL() << "a course without dots and starts loaded";
    } catch (const CourseError& error) {
        EXPECT_EQ(error.Number, 3);
    }
    EXPECT_EQ(map.Tiles, tiles);
}

TEST(MemoryReaders, SettingsAndLanguageFromBytesReadAsFromTheirFiles)
{
    TempDir dir;
    const SettingsPlaces places{dir.Path().string() + "/", dir.File("config") + "/"};
    const std::string settingsText =
        "[SETTING]\r\nMapName=RACE.DAT\r\nInterval=$20\r\nGroundColor= original \r\nPosition=-5,7\r\n";
    dir.Write("BREVANTO.INI", settingsText);
    const Settings fromFile = LoadSettingsFile(places);
    const Settings fromBytes =
        ReadSettings(brv::IniFile::FromBytes(dir.File("BREVANTO.INI"), settingsText), places);
    EXPECT_EQ(fromBytes.IniFileName, fromFile.IniFileName);
    EXPECT_EQ(fromBytes.MapName, fromFile.MapName);
    EXPECT_EQ(fromBytes.Interval, 32);
    EXPECT_EQ(fromBytes.Interval, fromFile.Interval);
    EXPECT_TRUE(fromBytes.UseSheetColor);
    EXPECT_EQ(fromBytes.Left, fromFile.Left);
    EXPECT_EQ(fromBytes.Top, fromFile.Top);

    const std::string language = std::string(BREVANTO_ASSETS_DIR) + "/LANGUAGE.INI";
    const brv::IniFile inMemory = brv::IniFile::FromBytes("LANGUAGE.INI", ReadBytes(language));
    EXPECT_EQ(ReadLanguageList(inMemory), ReadLanguageList(language));
    for (const int32_t k : {1, 2}) {
        EXPECT_EQ(ReadMainWindowTexts(inMemory, k).Menu, ReadMainWindowTexts(language, k).Menu);
        EXPECT_EQ(ReadDialogTexts(inMemory, k).LanguageNames, ReadDialogTexts(language, k).LanguageNames);
    }
}

TEST(MemoryReaders, SheetBytesDecodeAsTheFileAndRefusalsNameTheGivenFile)
{
    const std::string path = std::string(BREVANTO_ASSETS_DIR) + "/GROUND.BMP";
    const std::string bytes = ReadBytes(path);
    const QImage decoded = brv::DecodeSheet(QByteArray::fromStdString(bytes), "GROUND.BMP",
                                            brv::SheetKind::Tile);
    EXPECT_EQ(decoded, brv::LoadSheet(path, brv::SheetKind::Tile));
    EXPECT_EQ(decoded.format(), QImage::Format_RGB32);

    try {
        brv::DecodeSheet(QByteArray::fromStdString(bytes.substr(0, 40)), "CUT.BMP",
                         brv::SheetKind::Sprite);
        FAIL() << "a cut picture was accepted";
    } catch (const brv::SheetError& error) {
        EXPECT_NE(std::string(error.what()).find("sprite sheet CUT.BMP"), std::string::npos)
            << error.what();
    }
}

// A picture stored top down declares a negative height. Its declared size must still be held
// against the limits before anything is decoded: this 54-byte file declares 70 million pixels
// of one row, which the picture library would try to allocate (and fail on) first.
TEST(MemoryReaders, ATopDownPictureBeyondTheLimitsIsRefusedByItsHeader)
{
    QByteArray header(54, '\0');
    const auto put = [&header](int at, int32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            header[at + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    };
    header[0] = 'B';
    header[1] = 'M';
    put(2, 54, 4);         // file size
    put(10, 54, 4);        // pixel data offset
    put(14, 40, 4);        // info header size
    put(18, 70000000, 4);  // width
    put(22, -1, 4);        // height: one row, top down
    put(26, 1, 2);         // planes
    put(28, 32, 2);        // bits per pixel
    EXPECT_EQ(brv::DeclaredSheetSize(header), QSize(70000000, 1));
    try {
        brv::DecodeSheet(header, "WIDE.BMP", brv::SheetKind::Tile);
        FAIL() << "a picture beyond the limits was accepted";
    } catch (const brv::SheetError& error) {
        EXPECT_NE(std::string(error.what()).find("larger than the game can use"), std::string::npos)
            << error.what();
    }
}
