// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetIcons.h"

#include "ui/Glyphs.h"

#include <QImage>

#include <cstdio>

namespace assets {

bool writeProgramIcons(const QDir &dir)
{
    bool ok = true;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = dir.filePath(folder + QStringLiteral("/brevanto.png"));
        if (!dir.mkpath(folder) || !brv::ProgramPictureImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

} // namespace assets
