// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a sheet picture, tried as the tile sheet and as the sprite sheet: loading either
// refuses it with a SheetError or gives an RGB32 sheet within the limits, and whatever sizes an
// accepted sheet implies, the field, its captions and a car driving across it (off the course
// too) are drawn without touching a pixel outside any image.
#include "FuzzSupport.h"

#include "cars/TCar.h"
#include "course/TMap.h"
#include "platform/Canvas.h"
#include "platform/IniFile.h"
#include "platform/Sheets.h"

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

namespace {

QImage Flat(int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(rgb);
    return image;
}

// Companion sheets for the other side (8-pixel tiles, 6-pixel sprites with two frames) and a
// small course, all made once and kept in memory.
struct Companions {
    QImage tiles, sprites;
    brv::IniFile course = brv::IniFile::FromBytes(
        "RING.DAT", "[DEFINE]\nMapSize=3,3\nStartNumber=2\nScreenSize=5,4\n"
                    "[MAP]\n1=953\n2=AFA\n3=C56\n[MAPDOT]\n1=OOO\n2=O.O\n3=OOo\n"
                    "[START]\nPos0=1,1,2,1,L,P\nPos1=3,3,6,1,R,R\n"
                    "[DISPLAY]\nProgram=4,1\nScore=4,2\nPoint=4,3\nHiScore=1,4\nRest=0,0\n");
};

const Companions& Sheets()
{
    static const Companions companions = [] {
        Companions c;
        c.tiles = Flat(32, 32, qRgb(40, 90, 160));
        for (int t = 0; t < 16; ++t)
            for (int y = 0; y < 8; ++y)
                c.tiles.setPixel((t % 4) * 8 + y, (t / 4) * 8 + y, qRgb(t * 16, 255, 0));
        c.sprites = Flat(48, 18, qRgb(200, 30, 30));
        return c;
    }();
    return companions;
}

// The field is drawn into a picture of at most this many pixels a side: the drawing clips to
// its target, and a sheet of huge tiles then costs no more than a small one, while the course
// itself keeps the game's own size limits.
constexpr int MaxDrawnSide = 128;

// Pictures that declare more pixels than this, within the game's limits, are not decoded:
// copying and converting large pixel buffers tests the picture library, not the game, and took
// nearly all the time. Declared sizes beyond the game's limits still go in, to be refused.
constexpr int64_t MaxDecodedPixels = 1 << 15;

bool WorthDecoding(const QByteArray& bytes)
{
    const QSize size = brv::DeclaredSheetSize(bytes);
    if (!size.isValid())
        return true;
    const int64_t pixels = int64_t{size.width()} * size.height();
    const bool refused = size.width() > brv::MaxSheetSide || size.height() > brv::MaxSheetSide ||
                         pixels > brv::MaxSheetPixels;
    return refused || pixels <= MaxDecodedPixels;
}

void DrawWith(const brv::LoadedSheets& sheets, bool redraw, uint8_t flags)
{
    TMap map(&sheets.Ground, &sheets.Car, redraw);
    try {
        map.LoadFromIni(Sheets().course);
    } catch (const CourseError&) {
        return; // tiles so large that the field exceeds its limit
    }
    QImage field(std::min(map.ScreenWidth, MaxDrawnSide), std::min(map.ScreenHeight, MaxDrawnSide),
                 QImage::Format_RGB32);
    field.fill(Qt::black);
    map.DrawField(field, 1234, 56789, flags % 10);
    brv::Canvas canvas(field);
    canvas.SetChangeListener([&](const QRect& r) { Check(field.rect().contains(r)); });
    canvas.SetFillColor(sheets.GroundColor);
    map.DrawScore(canvas, 100, (flags & 8) != 0);

    const int tileSide = std::clamp(map.TileSize, 1, MaxDrawnSide / 2);
    QImage tiles(3 * tileSide, 2 * tileSide, QImage::Format_RGB32);
    map.DrawTiles(tiles, {0, 2, 3, 2});

    // A car's moves redraw the tiles under it at full size; beyond the bounded field that is
    // time without news.
    if (std::max(map.TileSize, map.SpriteSize) > MaxDrawnSide / 2)
        return;
    TCar car(&map, (flags & 16) ? 0 : 1);
    const TRect start = map.StartEntry(1 + ((flags >> 5) & 1));
    const int32_t speed = std::max(1, map.TileSize / (1 + (flags & 3)));
    car.Place(start.Left != 0 ? start : map.StartEntry(0), 'R', 'R', speed);
    car.Draw(canvas, false);
    for (int step = 0; step < 24; ++step) {
        car.Progress += speed;
        if (car.Progress >= map.TileSize) {
            car.Progress = 0;
            const Delta d =
                DirectionDelta[(car.TurnDirection ? car.TurnDirection : car.Direction) & 7];
            car.Position.X += d.dx;
            car.Position.Y += d.dy;
            car.TurnDirection = 0;
            if (step % 3 == 0)
                car.Direction = (car.Direction + 2) & 7;
            else if (step % 3 == 1)
                car.TurnDirection = (car.Direction + 1) & 7;
        }
        car.Draw(canvas, true);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    Sheets();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The bytes go through the game's own reading of a sheet file, from memory.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!WorthDecoding(bytes))
        return 0;
    // The last byte, pixel data in a real picture, picks the options.
    const uint8_t flags = size ? data[size - 1] : 0;
    const bool useSheetColor = (flags & 64) != 0;
    const uint32_t groundColor = (flags & 128) ? 0xC0C0C0 : 0x336699;

    for (const bool asTiles : {true, false}) {
        brv::LoadedSheets sheets;
        try {
            QImage input = brv::DecodeSheet(bytes, "INPUT.BMP",
                                            asTiles ? brv::SheetKind::Tile : brv::SheetKind::Sprite);
            sheets = brv::SheetsInGroundColor(asTiles ? std::move(input) : Sheets().tiles,
                                              asTiles ? Sheets().sprites : std::move(input),
                                              groundColor, useSheetColor);
        } catch (const brv::SheetError& error) {
            Check(std::string(error.what()).find("INPUT.BMP") != std::string::npos);
            continue;
        }
        for (const QImage* sheet : {&sheets.Ground, &sheets.Car}) {
            Check(sheet->format() == QImage::Format_RGB32);
            Check(sheet->width() >= 1 && sheet->width() <= brv::MaxSheetSide);
            Check(sheet->height() <= brv::MaxSheetSide);
        }
        Check(sheets.Ground.height() >= 4 && sheets.Car.height() >= 3);
        if (!useSheetColor && groundColor != 0xC0C0C0)
            Check((sheets.Ground.pixel(0, 0) & 0xFFFFFF) == 0x996633);
        DrawWith(sheets, (flags & 4) != 0, flags);
    }
    return 0;
}
