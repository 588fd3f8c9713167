#include "platform/Sheets.h"

#include "platform/Blit.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <climits>
#include <filesystem>
#include <fstream>

namespace brv {

namespace {

constexpr uint32_t Silver = 0xC0C0C0;

[[noreturn]] void Refuse(const std::string& path, SheetKind kind, const std::string& why)
{
    const char* const name = kind == SheetKind::Tile ? "tile sheet" : "sprite sheet";
    throw SheetError(std::string("Cannot read the ") + name + " " + path + ": " + why);
}

QRgb RgbPixel(uint32_t bgr)
{
    return qRgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// The whole file, read only when it is a regular file of bounded size.
QByteArray ReadBounded(const std::string& path, SheetKind kind)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        Refuse(path, kind, "no such file");
    if (!std::filesystem::is_regular_file(status))
        Refuse(path, kind, "not a file");
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > static_cast<uintmax_t>(MaxSheetFileBytes))
        Refuse(path, kind, "the file is larger than 64 MiB");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Refuse(path, kind, "the file cannot be opened");
    // Read up to one byte past the limit, so a file that grew since its size was looked at
    // is still refused.
    QByteArray data;
    constexpr qsizetype chunk = 1 << 16;
    while (in && data.size() <= MaxSheetFileBytes) {
        const qsizetype at = data.size();
        data.resize(at + chunk);
        in.read(data.data() + at, chunk);
        data.resize(at + static_cast<qsizetype>(in.gcount()));
    }
    if (data.size() > MaxSheetFileBytes)
        Refuse(path, kind, "the file is larger than 64 MiB");
    if (in.bad())
        Refuse(path, kind, "the file cannot be read");
    return data;
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
        Refuse(path, kind, "the file is larger than 64 MiB");
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
    const QRgb key = RgbPixel(from) & 0xFFFFFF;
    const QRgb replacement = RgbPixel(to);
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
