// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a car from the sprite sheet: in full onto a freshly rendered field, or incrementally
// onto the window's field, rebuilding only the background under the old and the new sprite.
#include "cars/TCar.h"

#include "platform/Blit.h"
#include "platform/Canvas.h"
#include "platform/Wrap.h"

#include <QImage>

#include <algorithm>

namespace {

int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The incremental draws of every tick need only a few tiles' worth of pixels. One scratch
// image per thread serves them all instead of an allocation per car and tick; an unusually
// large area gets an image of its own, released when the draw ends.
constexpr int64_t ScratchPixels = 256 * 256;

class TemporaryBitmap {
public:
    TemporaryBitmap(int64_t width, int64_t height)
    {
        thread_local QImage scratch;
        if (width * height <= ScratchPixels) {
            if (scratch.width() < width || scratch.height() < height) {
                const int64_t w = std::max<int64_t>(scratch.width(), width);
                const int64_t h = std::max<int64_t>(scratch.height(), height);
                scratch =
                    w * h <= ScratchPixels
                        ? QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32)
                        : QImage(static_cast<int>(width), static_cast<int>(height),
                                 QImage::Format_RGB32);
            }
            image_ = &scratch;
        } else {
            own_ = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
            image_ = &own_;
        }
    }
    QImage& Image() { return *image_; }

private:
    QImage own_;
    QImage* image_ = nullptr;
};

} // namespace

void TCar::Draw(brv::Canvas& canvas, bool incremental)
{
    if (!incremental)
        Drawn = false;

    int32_t column = Direction / 2;
    if (FrameCount > 1) {
        if (Progress >= 0 && Progress <= 255 && AnimSteps.test(static_cast<size_t>(Progress))) {
            AnimFrame = brv::WrapAdd(AnimFrame, 1);
            if (AnimFrame == FrameCount)
                AnimFrame = 0;
        }
        column = brv::WrapAdd(brv::WrapMul(Direction / 2, FrameCount), AnimFrame);
    }

    const int32_t tile = Map->TileSize;
    const int64_t sprite = Map->SpriteSize;
    int32_t px = brv::WrapAdd(brv::WrapMul(brv::WrapSub(Position.X, 1), tile), Map->SpriteOffset);
    int32_t py = brv::WrapAdd(brv::WrapMul(brv::WrapSub(Position.Y, 1), tile), Map->SpriteOffset);
    if (Progress > 0) {
        // During a lane change the sprite slides along the diagonal.
        const Delta d = DirectionDelta[(TurnDirection != 0 ? TurnDirection : Direction) & 7];
        px = brv::WrapAdd(px, brv::WrapMul(d.dx, Progress));
        py = brv::WrapAdd(py, brv::WrapMul(d.dy, Progress));
    }

    const QImage* sheet = Map->CarBitmap;
    const int64_t sourceX = sprite * column;
    const int64_t sourceY = sprite * SpriteRow;
    // A column far beyond any sheet takes nothing from it.
    const bool sourceFits = sourceX >= INT32_MIN / 2 && sourceX <= INT32_MAX / 2 &&
                            sourceY >= INT32_MIN / 2 && sourceY <= INT32_MAX / 2;
    const auto finish = [&] {
        DrawnPos = {px, py};
        Drawn = true;
    };

    QImage& field = canvas.Image();
    if (!Drawn || tile < 1) {
        if (sheet && sourceFits)
            canvas.CopyRect(px, py, *sheet,
                            QRect(static_cast<int>(sourceX), static_cast<int>(sourceY),
                                  static_cast<int>(sprite), static_cast<int>(sprite)));
        finish();
        return;
    }

    // The union of the old and the new square, and the whole tiles under it.
    const int64_t left = std::min(DrawnPos.X, px);
    const int64_t right = std::max(DrawnPos.X, px) + sprite;
    const int64_t top = std::min(DrawnPos.Y, py);
    const int64_t bottom = std::max(DrawnPos.Y, py) + sprite;
    const int64_t c0 = left / tile + 1;
    const int64_t nc = (right - 1) / tile - left / tile + 1;
    const int64_t r0 = top / tile + 1;
    const int64_t nr = (bottom - 1) / tile - top / tile + 1;

    // Only the part of the area on the field can change it, so only the tiles under that part
    // are rebuilt: the picture is the same, and an area far off the field costs nothing. The
    // area's cells left of or above that part lie off the course and have no dots.
    const int64_t visLeft = std::max<int64_t>(left, 0);
    const int64_t visTop = std::max<int64_t>(top, 0);
    const int64_t visRight = std::min<int64_t>(right, field.width());
    const int64_t visBottom = std::min<int64_t>(bottom, field.height());
    if (nc < 1 || nr < 1 || visLeft >= visRight || visTop >= visBottom) {
        finish();
        return;
    }
    const int64_t firstColumn = visLeft / tile + 1;
    const int64_t firstRow = visTop / tile + 1;
    const int64_t columns = (visRight - 1) / tile + 1 - firstColumn + 1;
    const int64_t rows = (visBottom - 1) / tile + 1 - firstRow + 1;
    const int64_t originX = (firstColumn - 1) * tile;
    const int64_t originY = (firstRow - 1) * tile;

    TemporaryBitmap temporary(columns * tile, rows * tile);
    QImage& image = temporary.Image();
    if (Map->RedrawMap) {
        Map->DrawTiles(image, {static_cast<int32_t>(firstColumn), static_cast<int32_t>(firstRow),
                               static_cast<int32_t>(columns), static_cast<int32_t>(rows)});
    } else {
        const uint32_t flat = sheet ? brv::PixelBgr(*sheet, 0, 0, 0) : 0;
        brv::FillPixels(image, 0, 0, columns * tile, rows * tile, flat);
    }

    // Uneaten dots of the area, column by column. With sprites larger than tiles, the dot of
    // a cell beyond the field's right or bottom edge may still reach back onto it.
    if (sheet) {
        const int64_t offset = Map->SpriteOffset;
        const int64_t dotLastColumn =
            std::min(c0 + nc - 1, FloorDiv(visRight - 1 - offset, tile) + 1);
        const int64_t dotLastRow =
            std::min(r0 + nr - 1, FloorDiv(visBottom - 1 - offset, tile) + 1);
        for (int64_t c = firstColumn; c <= dotLastColumn; ++c) {
            for (int64_t r = firstRow; r <= dotLastRow; ++r) {
                if (c < 1 || c > Map->MapWidth || r < 1 || r > Map->MapHeight)
                    continue; // off the course: no dot
                const size_t index = static_cast<size_t>((r - 1) * Map->MapWidth + (c - 1));
                if (index >= Map->Dots.size() || Map->Dots[index] != 'O')
                    continue;
                brv::BlitRect(image, (c - 1) * tile + offset - originX,
                              (r - 1) * tile + offset - originY, *sheet, 0, 2 * sprite, sprite,
                              sprite);
            }
        }
    }

    if (sheet)
        brv::BlitRect(image, px - originX, py - originY, *sheet, sourceX, sourceY, sprite, sprite);
    canvas.CopyRect(static_cast<int>(visLeft), static_cast<int>(visTop), image,
                    QRect(static_cast<int>(visLeft - originX), static_cast<int>(visTop - originY),
                          static_cast<int>(visRight - visLeft),
                          static_cast<int>(visBottom - visTop)));
    finish();
}
