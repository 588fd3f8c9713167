// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the course: the whole field with its captions, bare tiles for the car drawing, and
// one score number onto the window's field.
#include "course/TMap.h"

#include "platform/Blit.h"
#include "platform/Canvas.h"
#include "platform/Wrap.h"

#include <QImage>

#include <algorithm>
#include <string>

namespace {

// The ground colour: the tile sheet's top-left pixel, read afresh so that it follows a sheet
// the window has recoloured.
uint32_t SheetBackground(const QImage* sheet)
{
    return sheet ? brv::PixelBgr(*sheet, 0, 0, 0) : 0;
}

// How many of `count` cells of `size` pixels, laid out from pixel 0, are needed to cover
// `limit` pixels when each cell's drawing may reach `reach` pixels before its own start.
int64_t CellsCovering(int64_t count, int64_t size, int64_t limit, int64_t reach)
{
    return std::clamp<int64_t>((limit + reach + size - 1) / size, 0, count);
}

// Tile t of the sheet to (x, y). A value that is no wall mask, or a square that the sheet does
// not wholly hold, shows the ground colour where the sheet has nothing.
void DrawTile(QImage& target, const QImage* sheet, int64_t x, int64_t y, int64_t size, int32_t t,
              uint32_t background)
{
    const bool mask = t >= 0 && t <= 15 && sheet;
    const int64_t sx = (t % 4) * size;
    const int64_t sy = (t / 4) * size;
    if (!mask || sx + size > sheet->width() || sy + size > sheet->height())
        brv::FillPixels(target, x, y, size, size, background);
    if (mask)
        brv::BlitRect(target, x, y, *sheet, sx, sy, size, size);
}

} // namespace

TMap::TMap(const QImage* groundBitmap, const QImage* carBitmap, bool redrawMap)
    : TMap(groundBitmap ? groundBitmap->height() : 0, carBitmap ? carBitmap->width() : 0,
           carBitmap ? carBitmap->height() : 0, redrawMap)
{
    GroundBitmap = groundBitmap;
    CarBitmap = carBitmap;
}

void TMap::DrawField(QImage& target, int32_t score, int32_t hiScore, int32_t rest) const
{
    if (target.isNull())
        return;
    const uint32_t background = SheetBackground(GroundBitmap);
    const int64_t tile = TileSize;
    const int64_t sprite = SpriteSize;
    const int64_t offset = SpriteOffset;
    const size_t cells =
        static_cast<size_t>(std::max(MapWidth, 0)) * static_cast<size_t>(std::max(MapHeight, 0));
    const auto hasDot = [&](size_t index) {
        return CarBitmap && index < Dots.size() && Dots[index] == 'O';
    };

    if (tile > 0) {
        // Cells wholly beyond the target are skipped; a dot can reach left of its cell only
        // when sprites are larger than tiles.
        const int64_t reach = std::max<int64_t>(0, -offset);
        const int64_t columns = CellsCovering(MapWidth, tile, target.width(), reach);
        const int64_t rows = CellsCovering(MapHeight, tile, target.height(), reach);
        for (int64_t y = 0; y < rows; ++y) {
            for (int64_t x = 0; x < columns; ++x) {
                const size_t index = static_cast<size_t>(y * MapWidth + x);
                const int32_t t =
                    index < Tiles.size()
                        ? TileAt({static_cast<int32_t>(x + 1), static_cast<int32_t>(y + 1)})
                        : -1;
                DrawTile(target, GroundBitmap, x * tile, y * tile, tile, t, background);
                if (hasDot(index))
                    brv::BlitRect(target, x * tile + offset, y * tile + offset, *CarBitmap, 0,
                                  2 * sprite, sprite, sprite);
            }
        }
    } else {
        // Without tiles every cell lies at the origin: all that shows is one dot, if any.
        for (size_t index = 0; index < cells; ++index) {
            if (hasDot(index)) {
                brv::BlitRect(target, offset, offset, *CarBitmap, 0, 2 * sprite, sprite, sprite);
                break;
            }
        }
    }

    // The ground beyond the map: right of it, below it and the corner between.
    const int64_t mapRight = int64_t{MapWidth} * tile;
    const int64_t mapBottom = int64_t{MapHeight} * tile;
    const bool wider = mapRight < ScreenWidth;
    const bool higher = mapBottom < ScreenHeight;
    if (wider)
        brv::FillPixels(target, mapRight, 0, ScreenWidth - mapRight, mapBottom, background);
    if (higher)
        brv::FillPixels(target, 0, mapBottom, mapRight, ScreenHeight - mapBottom, background);
    if (wider && higher)
        brv::FillPixels(target, mapRight, mapBottom, ScreenWidth - mapRight,
                        ScreenHeight - mapBottom, background);

    brv::Canvas canvas(target);
    canvas.SetFillColor(background);
    const auto text = [&](TPoint pos, uint32_t color, const std::string& value) {
        canvas.SetFontColor(color);
        canvas.TextOut(brv::WrapMul(pos.X, TileSize), brv::WrapMul(pos.Y, TileSize), value);
    };
    text(ProgramPos, 0xFFFFFF, "Brevanto");
    text(ScorePos, 0xFF0000, "SCORE");
    text(PointPos, 0xFF0000, std::to_string(score));
    text(HiScorePos, 0x008000, "HI SCORE");
    text(HiPointPos, 0x008000, std::to_string(hiScore));
    text(RestPos, 0x0000FF, "REST");
    text(RestPlayPos, 0x0000FF, std::to_string(rest));
}

void TMap::DrawTiles(QImage& target, TRect area) const
{
    if (area.Right < 1 || area.Bottom < 1 || target.isNull() || TileSize < 1)
        return;
    const uint32_t background = SheetBackground(GroundBitmap);
    const int64_t tile = TileSize;
    const int64_t columns = CellsCovering(area.Right, tile, target.width(), 0);
    const int64_t rows = CellsCovering(area.Bottom, tile, target.height(), 0);
    for (int64_t i = 0; i < columns; ++i) {
        for (int64_t j = 0; j < rows; ++j) {
            const int64_t column = int64_t{area.Left} + i;
            const int64_t row = int64_t{area.Top} + j;
            // Cells off the course (a car near an open edge) show the ground colour.
            int32_t t = -1;
            if (column >= 1 && column <= MapWidth && row >= 1 && row <= MapHeight) {
                const size_t index = static_cast<size_t>((row - 1) * MapWidth + (column - 1));
                if (index < Tiles.size())
                    t = TileAt({static_cast<int32_t>(column), static_cast<int32_t>(row)});
            }
            DrawTile(target, GroundBitmap, i * tile, j * tile, tile, t, background);
        }
    }
}

void TMap::DrawScore(brv::Canvas& canvas, int32_t value, bool isHiScore) const
{
    const TPoint pos = isHiScore ? HiPointPos : PointPos;
    canvas.SetFontColor(isHiScore ? 0x008000 : 0xFF0000);
    canvas.TextOut(brv::WrapMul(pos.X, TileSize), brv::WrapMul(pos.Y, TileSize),
                   std::to_string(value));
}
