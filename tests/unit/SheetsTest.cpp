// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the two sheets from BMP files and giving their background the ground colour.
#include "DrawSheets.h"
#include "TestFiles.h"

#include "platform/Canvas.h"
#include "platform/Sheets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace drawtest;

namespace {

constexpr uint32_t Key = 0x808000;   // the tile sheet's corner colour
constexpr uint32_t Other = 0x0000C0; // a sprite sheet's own corner colour
constexpr uint32_t Ground = 0x00A000;

std::string SaveBmp(const TempDir& dir, const std::string& name, const QImage& image)
{
    const std::string path = (dir.Path() / name).string();
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

// Tile sheet: the key at the corner and in one more pixel, everything else tile colours.
QImage KeyedTiles()
{
    QImage sheet = TileSheet();
    sheet.setPixelColor(0, 0, brv::ColorFromBgr(Key));
    sheet.setPixelColor(20, 30, brv::ColorFromBgr(Key));
    return sheet;
}

// Sprite sheet: its own corner colour differs from the key; the key appears around a car.
QImage KeyedSprites()
{
    QImage sheet = SpriteSheet();
    sheet.setPixelColor(0, 0, brv::ColorFromBgr(Other));
    sheet.setPixelColor(7, 1, brv::ColorFromBgr(Key));
    sheet.setPixelColor(47, 17, brv::ColorFromBgr(Key));
    return sheet;
}

std::string ErrorOf(const std::function<void()>& load)
{
    try {
        load();
    } catch (const brv::SheetError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(DrawSheets, GroundColourReplacesTheTileSheetsCornerColourInBothSheets)
{
    TempDir dir;
    const std::string tiles = SaveBmp(dir, "GROUND.BMP", KeyedTiles());
    const std::string sprites = SaveBmp(dir, "MYCAR.BMP", KeyedSprites());
    const brv::LoadedSheets sheets = brv::LoadSheets(tiles, sprites, Ground, false);
    EXPECT_EQ(sheets.GroundColor, Ground);
    ASSERT_EQ(sheets.Ground.format(), QImage::Format_RGB32);
    ASSERT_EQ(sheets.Car.format(), QImage::Format_RGB32);
    EXPECT_EQ(Px(sheets.Ground, 0, 0), Ground);
    EXPECT_EQ(Px(sheets.Ground, 20, 30), Ground);
    EXPECT_EQ(Px(sheets.Ground, 21, 30), TileColor(14));
    EXPECT_EQ(Px(sheets.Car, 7, 1), Ground);
    EXPECT_EQ(Px(sheets.Car, 47, 17), Ground);
    EXPECT_EQ(Px(sheets.Car, 0, 0), Other); // the sprite sheet's own corner is no key
    EXPECT_EQ(Px(sheets.Car, 8, 1), SpriteColor(1, 0));
}

TEST(DrawSheets, SilverOrTheSheetsOwnColourLeaveBothSheetsAsTheyAre)
{
    TempDir dir;
    const std::string tiles = SaveBmp(dir, "GROUND.BMP", KeyedTiles());
    const std::string sprites = SaveBmp(dir, "MYCAR.BMP", KeyedSprites());

    brv::LoadedSheets sheets = brv::LoadSheets(tiles, sprites, 0xC0C0C0, false);
    EXPECT_EQ(sheets.GroundColor, 0xC0C0C0u);
    EXPECT_EQ(Px(sheets.Ground, 20, 30), Key);
    EXPECT_EQ(Px(sheets.Car, 7, 1), Key);

    sheets = brv::LoadSheets(tiles, sprites, Ground, true);
    EXPECT_EQ(sheets.GroundColor, Key);
    EXPECT_EQ(Px(sheets.Ground, 0, 0), Key);
    EXPECT_EQ(Px(sheets.Car, 47, 17), Key);
}

TEST(DrawSheets, PalettedAndSmallSheetsLoadAsRgb32)
{
    TempDir dir;
    const QImage paletted = KeyedTiles().convertToFormat(QImage::Format_Indexed8);
    const std::string tiles = SaveBmp(dir, "G8.BMP", paletted);
    const QImage tiny = Filled(1, 3, 0x010203);
    const std::string sprites = SaveBmp(dir, "C.BMP", tiny);
    const brv::LoadedSheets sheets = brv::LoadSheets(tiles, sprites, Ground, false);
    EXPECT_EQ(sheets.Ground.format(), QImage::Format_RGB32);
    EXPECT_EQ(Px(sheets.Ground, 20, 30), Ground);
    EXPECT_EQ(sheets.Car.size(), QSize(1, 3));
    TMap map(&sheets.Ground, &sheets.Car, false);
    EXPECT_EQ(map.TileSize, 8);
    EXPECT_EQ(map.SpriteSize, 1);
    EXPECT_EQ(map.SpriteOffset, 3);
    EXPECT_EQ(map.CarBitmapWidth, 1);
    EXPECT_EQ(map.GroundBitmap, &sheets.Ground);
    EXPECT_EQ(map.CarBitmap, &sheets.Car);
}

TEST(DrawSheets, UnusableFilesAreRefusedNamingTheFile)
{
    TempDir dir;
    const std::string good = SaveBmp(dir, "GOOD.BMP", KeyedTiles());
    const std::string missing = (dir.Path() / "NONE.BMP").string();
    const std::string garbage = dir.Write("JUNK.BMP", "BM this is not a picture at all");
    const std::string truncated = dir.Write("CUT.BMP", [&] {
        std::ifstream in(good, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        return bytes.substr(0, 40);
    }());
    const std::string png = (dir.Path() / "PNG.BMP").string();
    ASSERT_TRUE(KeyedTiles().save(QString::fromStdString(png), "PNG"));

    for (const std::string& bad : {missing, garbage, truncated, png, dir.Path().string()}) {
        SCOPED_TRACE(bad);
        const std::string tileError = ErrorOf([&] { brv::LoadSheets(bad, good, Ground, false); });
        EXPECT_NE(tileError.find("tile sheet " + bad), std::string::npos) << tileError;
        const std::string spriteError = ErrorOf([&] { brv::LoadSheets(good, bad, Ground, false); });
        EXPECT_NE(spriteError.find("sprite sheet " + bad), std::string::npos) << spriteError;
    }
    // The tile sheet is read first.
    EXPECT_NE(ErrorOf([&] { brv::LoadSheets(missing, garbage, 0, false); }).find("tile sheet"),
              std::string::npos);
}

TEST(DrawSheets, SheetsTooSmallForATileOrASpriteAreRefused)
{
    TempDir dir;
    const std::string three = SaveBmp(dir, "THREE.BMP", Filled(16, 3, 0));
    const std::string two = SaveBmp(dir, "TWO.BMP", Filled(16, 2, 0));
    const std::string four = SaveBmp(dir, "FOUR.BMP", Filled(1, 4, 0));
    EXPECT_NE(ErrorOf([&] { brv::LoadSheet(three, brv::SheetKind::Tile); }).find(three),
              std::string::npos);
    EXPECT_NE(ErrorOf([&] { brv::LoadSheet(two, brv::SheetKind::Sprite); }).find(two),
              std::string::npos);
    EXPECT_EQ(ErrorOf([&] { brv::LoadSheet(three, brv::SheetKind::Sprite); }), "");
    EXPECT_EQ(ErrorOf([&] { brv::LoadSheet(four, brv::SheetKind::Tile); }), "");
}

TEST(DrawSheets, OversizedFilesAndPicturesAreRefused)
{
    TempDir dir;
    // A sparse file just over the limit is refused before anything is read.
    const std::filesystem::path big = dir.Path() / "BIG.BMP";
    std::ofstream(big, std::ios::binary) << "BM";
    std::filesystem::resize_file(big, brv::MaxSheetFileBytes + 1);
    const std::string bigError =
        ErrorOf([&] { brv::LoadSheet(big.string(), brv::SheetKind::Tile); });
    EXPECT_NE(bigError.find("64 MiB"), std::string::npos) << bigError;

    const std::string wide = SaveBmp(dir, "WIDE.BMP", Filled(brv::MaxSheetSide + 1, 4, 0));
    const std::string wideError = ErrorOf([&] { brv::LoadSheet(wide, brv::SheetKind::Tile); });
    EXPECT_NE(wideError.find(wide), std::string::npos) << wideError;
    const std::string widest = SaveBmp(dir, "WIDEST.BMP", Filled(brv::MaxSheetSide, 4, 0));
    EXPECT_EQ(ErrorOf([&] { brv::LoadSheet(widest, brv::SheetKind::Tile); }), "");
}
