// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawSheets.h"

#include "platform/Canvas.h"

namespace drawtest {

uint32_t TileColor(int t)
{
    return 0x200040u + static_cast<uint32_t>(t) * 0x000C00u;
}

uint32_t SpriteColor(int column, int row)
{
    if (row == 2 && column == 0)
        return DotColor;
    return 0x0000A0u + static_cast<uint32_t>(row) * 0x300000u +
           static_cast<uint32_t>(column) * 0x001100u;
}

QImage Filled(int width, int height, uint32_t bgr)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(brv::ColorFromBgr(bgr));
    return image;
}

QImage TileSheet(int columns)
{
    QImage sheet = Filled(columns * Tile, 4 * Tile, 0);
    for (int t = 0; t < 16; ++t)
        for (int y = 0; y < Tile; ++y)
            for (int x = 0; x < Tile; ++x)
                if ((t % 4) < columns)
                    sheet.setPixelColor((t % 4) * Tile + x, (t / 4) * Tile + y,
                                        brv::ColorFromBgr(TileColor(t)));
    sheet.setPixelColor(0, 0, brv::ColorFromBgr(GroundBackground));
    return sheet;
}

QImage SpriteSheet(int frames, int sprite)
{
    const int columns = 4 * frames;
    QImage sheet = Filled(columns * sprite, 3 * sprite, 0);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < columns; ++column)
            for (int y = 0; y < sprite; ++y)
                for (int x = 0; x < sprite; ++x)
                    sheet.setPixelColor(column * sprite + x, row * sprite + y,
                                        brv::ColorFromBgr(SpriteColor(column, row)));
    sheet.setPixelColor(0, 0, brv::ColorFromBgr(SpriteBackground));
    return sheet;
}

uint32_t Px(const QImage& image, int x, int y)
{
    return brv::BgrFromColor(image.pixelColor(x, y));
}

bool AllOf(const QImage& image, int x, int y, int w, int h, uint32_t bgr)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (Px(image, i, j) != bgr)
                return false;
    return true;
}

} // namespace drawtest
