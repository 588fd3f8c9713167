// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sheets.h"

#include "platform/Blit.h"
#include "platform/PixelColor.h"
#include "platform/WholeFileRead.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <climits>

namespace brv {

namespace {

constexpr uint32_t Silver = 0xC0C0C0;

[[noreturn]] void Refuse(const std::string& path, SheetKind kind, const std::string& why)
{
    const char* const name = kind == SheetKind::Tile ? "tile sheet" : "sprite sheet";
    throw SheetError(std::string("Cannot read the ") + name + " " + path + ": " + why);
}

// The whole file, read only when it is a regular file of bounded size.
QByteArray ReadBounded(const std::string& path, SheetKind kind)
{
    const WholeFile file = ReadWholeFile(path, static_cast<size_t>(MaxSheetFileBytes));
    switch (file.Outcome) {
    case WholeFileOutcome::Read:
        break;
    case WholeFileOutcome::Missing:
        Refuse(path, kind, "no such file");
    case WholeFileOutcome::NotRegular:
        Refuse(path, kind, "not a file");
    case WholeFileOutcome::TooLarge:
        Refuse(path, kind, "the file is larger than " + SizeText(file.Limit));
    case WholeFileOutcome::Failed:
        Refuse(path, kind, "the file cannot be read: " + file.Problem());
    }
    return QByteArray(file.Bytes.data(), static_cast<qsizetype>(file.Bytes.size()));
}

// The size the header declares. A picture stored top down declares a negative height, which
// the reader passes on as it is; left so, the size would not count as valid, and a tiny file
// could have a picture far beyond the limits decoded before it is refused.
QSize DeclaredSize(QImageReader& reader)
{
    const QSize size = reader.size();
    return size.width() > 0 && size.height() < 0 && size.height() != INT_MIN
               ? QSize(size.width(), -size.height())
               : size;
}

bool FitsSheetLimits(QSize size)
{
    return !size.isValid() || (size.width() <= MaxSheetSide && size.height() <= MaxSheetSide &&
                               int64_t{size.width()} * size.height() <= MaxSheetPixels);
}

} // namespace

QSize DeclaredSheetSize(QByteArray data)
{
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoDetectImageFormat(false);
    return DeclaredSize(reader);
}

QImage LoadSheet(const std::string& path, SheetKind kind)
{
    return DecodeSheet(ReadBounded(path, kind), path, kind);
}

QImage DecodeSheet(QByteArray data, const std::string& path, SheetKind kind)
{
    if (data.size() > MaxSheetFileBytes)
        Refuse(path, kind, "the file is larger than " + SizeText(static_cast<size_t>(MaxSheetFileBytes)));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoDetectImageFormat(false);
    if (!FitsSheetLimits(DeclaredSize(reader)))
        Refuse(path, kind, "the picture is larger than the game can use");
    QImage image = reader.read();
    if (image.isNull())
        Refuse(path, kind, "not a readable BMP picture");
    if (image.width() > MaxSheetSide || image.height() > MaxSheetSide ||
        int64_t{image.width()} * image.height() > MaxSheetPixels)
        Refuse(path, kind, "the picture is larger than the game can use");
    if (kind == SheetKind::Tile && image.height() < 4)
        Refuse(path, kind,
               "the picture is too small: a tile sheet needs a height of 4 pixels or more");
    if (kind == SheetKind::Sprite && image.height() < 3)
        Refuse(path, kind,
               "the picture is too small: a sprite sheet needs a height of 3 pixels or more");
    if (image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
        if (image.isNull())
            Refuse(path, kind, "not enough memory for the picture");
    }
    return image;
}

LoadedSheets LoadSheets(const std::string& groundPath, const std::string& carPath,
                        uint32_t groundColor, bool useSheetColor)
{
    // One after the other: the tile sheet is read (and refused) first.
    QImage ground = LoadSheet(groundPath, SheetKind::Tile);
    QImage car = LoadSheet(carPath, SheetKind::Sprite);
    return SheetsInGroundColor(std::move(ground), std::move(car), groundColor, useSheetColor);
}

LoadedSheets SheetsInGroundColor(QImage ground, QImage car, uint32_t groundColor,
                                 bool useSheetColor)
{
    LoadedSheets sheets;
    sheets.Ground = std::move(ground);
    sheets.Car = std::move(car);
    groundColor &= 0xFFFFFF;
    const uint32_t key = PixelBgr(sheets.Ground, 0, 0, 0);
    if (useSheetColor) {
        sheets.GroundColor = key;
    } else {
        sheets.GroundColor = groundColor;
        if (groundColor != Silver) {
            // The key is the tile sheet's corner colour in both sheets.
            ReplaceColor(sheets.Ground, key, groundColor);
            ReplaceColor(sheets.Car, key, groundColor);
        }
    }
    return sheets;
}

void ReplaceColor(QImage& image, uint32_t from, uint32_t to)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = OpaquePixelFromBgr(from) & 0xFFFFFF;
    const QRgb replacement = OpaquePixelFromBgr(to);
    if (key == (replacement & 0xFFFFFF))
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = replacement;
    }
}

} // namespace brv
