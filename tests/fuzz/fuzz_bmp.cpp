// Any bytes as a sheet picture, tried as the tile sheet and as the sprite sheet: loading either
// refuses it with a SheetError or gives an RGB32 sheet within the limits, and whatever sizes an
// accepted sheet implies, the field, its captions and a car driving across it (off the course
// too) are drawn without touching a pixel outside any image.
#include "FuzzSupport.h"

#include "cars/TCar.h"
#include "course/TMap.h"
#include "platform/Canvas.h"
#include "platform/Sheets.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Files {
    std::string input, tiles, sprites, course;
};

QImage Flat(int w, int h, QRgb rgb)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(rgb);
    return image;
}

const Files& WorkFiles()
{
    static const Files files = [] {
        static const FuzzDir dir("bmp");
        Files f{dir.File("INPUT.BMP"), dir.File("GROUND.BMP"), dir.File("MYCAR.BMP"),
                dir.File("RING.DAT")};
        // Companion sheets: 8-pixel tiles, 6-pixel sprites with two frames.
        QImage tiles = Flat(32, 32, qRgb(40, 90, 160));
        for (int t = 0; t < 16; ++t)
            for (int y = 0; y < 8; ++y)
                tiles.setPixel((t % 4) * 8 + y, (t / 4) * 8 + y, qRgb(t * 16, 255, 0));
        tiles.save(QString::fromStdString(f.tiles), "BMP");
        Flat(48, 18, qRgb(200, 30, 30)).save(QString::fromStdString(f.sprites), "BMP");
        std::ofstream(f.course, std::ios::binary)
            << "[DEFINE]\nMapSize=3,3\nStartNumber=2\nScreenSize=5,4\n"
               "[MAP]\n1=953\n2=AFA\n3=C56\n[MAPDOT]\n1=OOO\n2=O.O\n3=OOo\n"
               "[START]\nPos0=1,1,2,1,L,P\nPos1=3,3,6,1,R,R\n"
               "[DISPLAY]\nProgram=4,1\nScore=4,2\nPoint=4,3\nHiScore=1,4\nRest=0,0\n";
        return f;
    }();
    return files;
}

// Field pictures beyond this many pixels are not drawn: a sheet of huge tiles says nothing
// about the drawing that small ones would not, and only costs time.
constexpr int64_t MaxDrawnPixels = 1 << 20;

void DrawWith(const brv::LoadedSheets& sheets, bool redraw, uint8_t flags)
{
    TMap map(&sheets.Ground, &sheets.Car, redraw);
    try {
        map.LoadFromFile(WorkFiles().course);
    } catch (const CourseError&) {
        return; // tiles so large that the field exceeds its limit
    }
    if (int64_t{map.ScreenWidth} * map.ScreenHeight > MaxDrawnPixels)
        return;
    QImage field(map.ScreenWidth, map.ScreenHeight, QImage::Format_RGB32);
    field.fill(Qt::black);
    map.DrawField(field, 1234, 56789, flags % 10);
    brv::Canvas canvas(field);
    canvas.SetChangeListener([&](const QRect& r) { Check(field.rect().contains(r)); });
    canvas.SetFillColor(sheets.GroundColor);
    map.DrawScore(canvas, 100, (flags & 8) != 0);

    QImage tiles(3 * std::max(map.TileSize, 1), 2 * std::max(map.TileSize, 1),
                 QImage::Format_RGB32);
    map.DrawTiles(tiles, {0, 2, 3, 2});

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
    WorkFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Files& files = WorkFiles();
    WriteInput(files.input, data, size);
    // The last byte, pixel data in a real picture, picks the options.
    const uint8_t flags = size ? data[size - 1] : 0;
    const bool useSheetColor = (flags & 64) != 0;
    const uint32_t groundColor = (flags & 128) ? 0xC0C0C0 : 0x336699;

    for (const bool asTiles : {true, false}) {
        brv::LoadedSheets sheets;
        try {
            sheets =
                brv::LoadSheets(asTiles ? files.input : files.tiles,
                                asTiles ? files.sprites : files.input, groundColor, useSheetColor);
        } catch (const brv::SheetError& error) {
            Check(std::string(error.what()).find(files.input) != std::string::npos);
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
