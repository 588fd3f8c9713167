// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetSheets.h"

#include "Contrast.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <string_view>

namespace assets {
namespace {

// ---------------------------------------------------------------- tiles ----

// A wall takes the two outermost pixels of its side. The game's incremental
// car drawing blanks the whole sprite square (offset 2, 20 pixels) in the flat
// ground colour, so anything deeper would be wiped along a car's trail; the two
// cells on either side of a border each draw their half of a 4-pixel kerb.
constexpr int WallDepth = 2;

// Kerb blocks are 6 pixels long and shifted by 3, so a red block is centred
// on every tile corner: corners are always red and the blocks run on without
// a seam from one tile into the next.
constexpr int KerbBlock = 6;

// Red and charcoal blocks: on the light road a white block would vanish.
constexpr QRgb KerbRed = 0xFFD42A24;
constexpr QRgb KerbRedShade = 0xFF8E1A1A;
constexpr QRgb KerbDark = 0xFF3A3D45;
constexpr QRgb KerbDarkShade = 0xFF5C6068;

enum Side { North = 1, East = 2, South = 4, West = 8 };

struct WallHit {
    bool hit = false;
    bool outer = false; // on the tile's edge pixel (the kerb's raised top)
    int along = 0;      // position along the wall, for the block pattern
};

WallHit wallAt(int mask, int x, int y)
{
    WallHit w;
    const auto take = [&w](int depth, int along) {
        if (!w.hit || depth == 0) {
            w.along = along;
        }
        w.hit = true;
        w.outer = w.outer || depth == 0;
    };
    const int last = TileSize - 1;
    if ((mask & North) && y < WallDepth) {
        take(y, x);
    }
    if ((mask & South) && last - y < WallDepth) {
        take(last - y, x);
    }
    if ((mask & West) && x < WallDepth) {
        take(x, y);
    }
    if ((mask & East) && last - x < WallDepth) {
        take(last - x, y);
    }
    return w;
}

QRgb kerbColour(const WallHit &w)
{
    const bool red = ((w.along + KerbBlock / 2) / KerbBlock) % 2 == 0;
    if (red) {
        return w.outer ? KerbRed : KerbRedShade;
    }
    return w.outer ? KerbDark : KerbDarkShade;
}

// A cell closed on all four sides can never be driven into: courses use it for
// the infield. It is drawn as mown grass right to its edges, so a block of
// them reads as one lawn framed by the kerbs of the lanes around it rather
// than as a grid of boxed cells. The stripes run diagonally with a period
// that divides the tile size, so they continue across neighbouring tiles.
constexpr int Closed = North | East | South | West;
constexpr int MowingBand = 6;
constexpr QRgb GrassLight = 0xFF3C7F3B;
constexpr QRgb GrassDark = 0xFF326E34;
constexpr QRgb GrassFleck = 0xFF2B6230;

void drawInfield(QPainter &p, int left, int top)
{
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            QRgb colour = ((x + y) / MowingBand) % 2 == 0 ? GrassLight : GrassDark;
            // A sparse fixed speckle keeps the lawn from looking flat.
            const unsigned h = (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
            if ((h * 2654435761u) >> 28 == 0) {
                colour = GrassFleck;
            }
            p.fillRect(left + x, top + y, 1, 1, QColor::fromRgb(colour));
        }
    }
}

void drawTile(QPainter &p, int mask, int left, int top)
{
    if (mask == Closed) {
        drawInfield(p, left, top);
        return;
    }
    p.fillRect(left, top, TileSize, TileSize, QColor::fromRgb(KeyColour));
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            const WallHit w = wallAt(mask, x, y);
            if (w.hit) {
                p.fillRect(left + x, top + y, 1, 1, QColor::fromRgb(kerbColour(w)));
            }
        }
    }
}

// -------------------------------------------------------------- sprites ----

// Cars are pixel art drawn facing up; the other directions are exact quarter
// turns. '.' is background, 'T' a tyre (its tread rolls with the frame),
// 'e' an exhaust puff shown only in the second frame.
using Art = std::array<std::string_view, SpriteSize>;

constexpr Art PlayerArt = {
    "....................",
    ".......KKKKKK.......",
    "......KHBSSBHK......",
    ".....KHLBSSBLHK.....",
    "..TTKBLBBSSBBLBKTT..",
    "..TTKBBBBSSBBBBKTT..",
    "..TTKBBBBSSBBBBKTT..",
    "..TTKBWWWWWWWWBKTT..",
    "....KBWGGWWWWWBK....",
    "...KKBBWGWWWWBBKK...",
    "....KDBLBSSBLBDK....",
    "....KDBLBSSBLBDK....",
    "....KDBBWWWWBBDK....",
    "..TTKDBWWWWWWBDKTT..",
    "..TTKBBBBSSBBBBKTT..",
    "..TTKBBBBSSBBBBKTT..",
    "..TTKBBBBSSBBBBKTT..",
    "....KRRDDSSDDRRK....",
    "....KKKKKKKKKKKK....",
    ".....ee......ee.....",
};

constexpr Art ComputerArt = {
    "....................",
    ".....KKKKKKKKKK.....",
    "....KHHDBBBBDHHK....",
    "....KLLBBBBBBLLK....",
    "..TTKBBBBBBBBBBKTT..",
    "..TTKBLBBBBBBLBKTT..",
    "..TTKBBBBBBBBBBKTT..",
    "..TTKBWWWWWWWWBKTT..",
    "....KBWGGWWWWWBK....",
    "...KKBBWGWWWWBBKK...",
    "....KBBBBBBBBBBK....",
    "....KBLLLLLLLLBK....",
    "....KBBWWWWWWBBK....",
    "..TTKBBBBBBBBBBKTT..",
    "..TTKDBBBBBBBBDKTT..",
    "..TTKDBBBBBBBBDKTT..",
    "..KKKKKKKKKKKKKKKK..",
    "..KSSRRKKKKKKRRSSK..",
    "..KKKKKKKKKKKKKKKK..",
    ".....ee......ee.....",
};

struct Livery {
    QRgb body, light, dark, stripe, glass, glint, headlight, taillight;
};

constexpr Livery PlayerLivery = {0xFFFFD21F, 0xFFFFF08A, 0xFFC08C08, 0xFF17803A,
                                 0xFF24466E, 0xFF9AD4FF, 0xFFFFFFE0, 0xFFFF3A2E};
constexpr Livery ComputerLivery = {0xFFD8262A, 0xFFFF7060, 0xFF7E1014, 0xFF3A3A42,
                                   0xFF1A2230, 0xFF7FA8D0, 0xFFFFE070, 0xFFFF4030};

constexpr QRgb Outline = 0xFF111114;
constexpr QRgb TyreDark = 0xFF17171A;
constexpr QRgb TyreTread = 0xFF5A5A62;
constexpr QRgb TyreSide = 0xFF2A2A2F;
constexpr QRgb ExhaustPuff = 0xFF8A8A94;

QImage drawCar(const Art &art, const Livery &c, int frame)
{
    QImage img(SpriteSize, SpriteSize, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            QRgb colour = 0;
            switch (art[static_cast<size_t>(y)][static_cast<size_t>(x)]) {
            case 'K': colour = Outline; break;
            case 'B': colour = c.body; break;
            case 'L': colour = c.light; break;
            case 'D': colour = c.dark; break;
            case 'S': colour = c.stripe; break;
            case 'W': colour = c.glass; break;
            case 'G': colour = c.glint; break;
            case 'H': colour = c.headlight; break;
            case 'R': colour = c.taillight; break;
            case 'T':
                // Only the outer face shows tread; it steps by one pixel per frame.
                if (x < 3 || x > SpriteSize - 4) {
                    colour = (y + frame) % 2 == 0 ? TyreTread : TyreDark;
                } else {
                    colour = TyreSide;
                }
                break;
            case 'e': colour = frame == 1 ? ExhaustPuff : 0; break;
            default: break;
            }
            if (colour != 0) {
                img.setPixel(x, y, colour);
            }
        }
    }
    return img;
}

// The dot: a small cyan orb with a dark rim, so it stands out on the light road
// and on a dark ground colour alike. Drawn smooth at four times the size and
// reduced; pixels less than half covered become background so no blend with
// the road colour is left behind when the ground colour is swapped.
QImage drawDot()
{
    constexpr int Scale = 4;
    constexpr int Big = SpriteSize * Scale;
    QImage big(Big, Big, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QPointF centre(Big / 2.0, Big / 2.0);
        p.setBrush(QColor(0x0B, 0x3A, 0x52));
        p.drawEllipse(centre, 4.2 * Scale, 4.2 * Scale);
        QRadialGradient glow(centre - QPointF(1.0 * Scale, 1.0 * Scale), 3.6 * Scale);
        glow.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
        glow.setColorAt(0.25, QColor(0xB8, 0xFF, 0xFF));
        glow.setColorAt(0.7, QColor(0x2C, 0xD8, 0xF0));
        glow.setColorAt(1.0, QColor(0x10, 0x88, 0xB8));
        p.setBrush(glow);
        p.drawEllipse(centre, 3.3 * Scale, 3.3 * Scale);
    }
    QImage small = big.scaled(SpriteSize, SpriteSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            const QRgb px = small.pixel(x, y);
            const int a = qAlpha(px);
            if (a < 128) {
                small.setPixel(x, y, 0);
            } else {
                small.setPixel(x, y, QColor(px).rgb() | 0xFF000000);
            }
        }
    }
    return small;
}

// Painted pixels next to a road pixel whose contrast with the road is too low
// to give a crisp edge, one line each (at most a few, the first found).
QStringList blurredEdges(const QImage &sheet, const QString &name)
{
    QStringList faults;
    const auto isRoad = [&sheet](int x, int y) {
        return x >= 0 && y >= 0 && x < sheet.width() && y < sheet.height()
               && sheet.pixel(x, y) == KeyColour;
    };
    for (int y = 0; y < sheet.height() && faults.size() < 4; ++y) {
        for (int x = 0; x < sheet.width() && faults.size() < 4; ++x) {
            const QRgb colour = sheet.pixel(x, y);
            const bool edge = isRoad(x - 1, y) || isRoad(x + 1, y) || isRoad(x, y - 1) || isRoad(x, y + 1);
            if (colour != KeyColour && edge && contrastRatio(colour, KeyColour) < MinEdgeContrast) {
                faults << QStringLiteral("%1: pixel %2,%3 (#%4) barely differs from the road")
                              .arg(name).arg(x).arg(y).arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'));
            }
        }
    }
    return faults;
}

} // namespace

QImage makeGroundSheet()
{
    QImage sheet(4 * TileSize, 4 * TileSize, QImage::Format_RGB32);
    sheet.fill(KeyColour);
    QPainter p(&sheet);
    for (int mask = 0; mask < 16; ++mask) {
        drawTile(p, mask, (mask % 4) * TileSize, (mask / 4) * TileSize);
    }
    return sheet;
}

QImage makeCarSheet()
{
    QImage sheet(4 * FrameCount * SpriteSize, 3 * SpriteSize, QImage::Format_RGB32);
    sheet.fill(KeyColour);
    QPainter p(&sheet);
    const std::array<std::pair<const Art *, const Livery *>, 2> rows = {
        std::pair{&PlayerArt, &PlayerLivery}, std::pair{&ComputerArt, &ComputerLivery}};
    for (int row = 0; row < 2; ++row) {
        for (int frame = 0; frame < FrameCount; ++frame) {
            const QImage up = drawCar(*rows[static_cast<size_t>(row)].first,
                                      *rows[static_cast<size_t>(row)].second, frame);
            for (int group = 0; group < 4; ++group) {
                const QImage turned = up.transformed(QTransform().rotate(90.0 * group));
                p.drawImage((group * FrameCount + frame) * SpriteSize, row * SpriteSize, turned);
            }
        }
    }
    p.drawImage(0, 2 * SpriteSize, drawDot());
    return sheet;
}

QStringList checkGroundSheet(const QImage &sheet)
{
    QStringList faults;
    if (sheet.width() != 4 * TileSize || sheet.height() != 4 * TileSize) {
        faults << QStringLiteral("tile sheet has the wrong size");
        return faults;
    }
    if (sheet.pixel(0, 0) != KeyColour) {
        faults << QStringLiteral("tile sheet corner is not the key colour");
    }
    for (int mask = 0; mask < 16; ++mask) {
        const int left = (mask % 4) * TileSize;
        const int top = (mask / 4) * TileSize;
        if (mask == Closed) {
            const QImage tile = sheet.copy(left, top, TileSize, TileSize);
            for (int y = 0; y < TileSize; ++y) {
                for (int x = 0; x < TileSize; ++x) {
                    if (tile.pixel(x, y) == KeyColour) {
                        faults << QStringLiteral("infield tile shows road at %1,%2").arg(x).arg(y);
                    }
                }
            }
            continue;
        }
        int wallPixels = 0;
        for (int y = 0; y < TileSize; ++y) {
            for (int x = 0; x < TileSize; ++x) {
                const bool key = sheet.pixel(left + x, top + y) == KeyColour;
                const bool inSprite = x >= SpriteOffset && x < SpriteOffset + SpriteSize
                                      && y >= SpriteOffset && y < SpriteOffset + SpriteSize;
                const bool onClosedSide = ((mask & North) && y < WallDepth)
                                          || ((mask & South) && y >= TileSize - WallDepth)
                                          || ((mask & West) && x < WallDepth)
                                          || ((mask & East) && x >= TileSize - WallDepth);
                if (inSprite && !key) {
                    faults << QStringLiteral("tile %1: wall paint under the sprite square at %2,%3")
                                  .arg(mask).arg(x).arg(y);
                }
                if (!onClosedSide && !key) {
                    faults << QStringLiteral("tile %1: paint on an open side at %2,%3")
                                  .arg(mask).arg(x).arg(y);
                }
                if (onClosedSide && key) {
                    faults << QStringLiteral("tile %1: gap in a wall at %2,%3").arg(mask).arg(x).arg(y);
                }
                wallPixels += key ? 0 : 1;
            }
        }
        if ((mask == 0) != (wallPixels == 0)) {
            faults << QStringLiteral("tile %1: walls do not match its mask").arg(mask);
        }
    }
    faults << blurredEdges(sheet, QStringLiteral("tile sheet"));
    return faults;
}

QStringList checkCarSheet(const QImage &sheet)
{
    QStringList faults;
    if (sheet.width() != 4 * FrameCount * SpriteSize || sheet.height() != 3 * SpriteSize) {
        faults << QStringLiteral("sprite sheet has the wrong size");
        return faults;
    }
    if (sheet.pixel(0, 0) != KeyColour) {
        faults << QStringLiteral("sprite sheet corner is not the key colour");
    }
    const auto cell = [&sheet](int column, int row) {
        return sheet.copy(column * SpriteSize, row * SpriteSize, SpriteSize, SpriteSize);
    };
    const auto countPaint = [](const QImage &img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                n += img.pixel(x, y) == KeyColour ? 0 : 1;
            }
        }
        return n;
    };
    for (int row = 0; row < 2; ++row) {
        for (int group = 0; group < 4; ++group) {
            const QImage a = cell(group * FrameCount, row);
            const QImage b = cell(group * FrameCount + 1, row);
            if (a == b) {
                faults << QStringLiteral("row %1 direction %2: frames do not differ").arg(row).arg(group);
            }
            for (const QImage *img : {&a, &b}) {
                const int last = SpriteSize - 1;
                if (img->pixel(0, 0) != KeyColour || img->pixel(last, 0) != KeyColour
                    || img->pixel(0, last) != KeyColour || img->pixel(last, last) != KeyColour) {
                    faults << QStringLiteral("row %1 direction %2: corners not background").arg(row).arg(group);
                }
                if (countPaint(*img) < SpriteSize * SpriteSize / 3) {
                    faults << QStringLiteral("row %1 direction %2: car too small").arg(row).arg(group);
                }
            }
        }
    }
    if (cell(0, 0) == cell(0, 1)) {
        faults << QStringLiteral("player's and computer cars look alike");
    }
    const int dotPaint = countPaint(cell(0, 2));
    if (dotPaint < 25 || dotPaint > 100) {
        faults << QStringLiteral("dot has an odd size (%1 pixels)").arg(dotPaint);
    }
    for (int column = 1; column < 4 * FrameCount; ++column) {
        if (countPaint(cell(column, 2)) != 0) {
            faults << QStringLiteral("unused sprite cell %1 of the dot row is painted").arg(column);
        }
    }
    faults << blurredEdges(sheet, QStringLiteral("sprite sheet"));
    return faults;
}

} // namespace assets
