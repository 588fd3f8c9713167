// SPDX-License-Identifier: GPL-3.0-or-later
// brevanto-edit: the course editor. `brevanto-edit [COURSE.DAT]`
#include "editor/CourseView.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorWindow.h"
#include "editor/TryRunner.h"
#include "config/model/Settings.h"
#include "platform/Canvas.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/Sheets.h"
#include "ui/Glyphs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QTimer>
#include <QTranslator>

namespace {
// The shipped sheets: beside the program when run from the build, else where an installation
// puts the game's shared files.
std::string SheetPath(const std::string& name)
{
    for (const std::string& folder : {brv::ProgramDir(), brv::ProgramDir() + "../share/brevanto/",
                                      brv::ProgramDir() + "../share/games/brevanto/"})
        if (brv::FileExists(folder + name))
            return folder + name;
    return brv::ProgramDir() + name;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brevanto-edit"));
    QApplication::setWindowIcon(brv::ProgramIcon());

    QTranslator translator;
    // English when the desktop's language has no translation: it words the counted texts.
    if (translator.load(QLocale::system(), QStringLiteral("brevanto-edit"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")) ||
        translator.load(QStringLiteral(":/i18n/brevanto-edit_en")))
        QApplication::installTranslator(&translator);
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // The sheets and ground colour the game's settings choose, so the course looks as it plays.
    const Settings settings = LoadSettingsFile(DefaultSettingsPlaces());
    const auto sheet = [](const std::string& chosen, const char* shipped) {
        return brv::FileExists(chosen) ? chosen : SheetPath(shipped);
    };
    uint32_t groundColor = settings.GroundColor;
    if (!settings.UseSheetColor && groundColor == ColorButtonFace)
        groundColor = brv::BgrFromColor(QApplication::palette().color(QPalette::Button));
    brv::LoadedSheets sheets;
    try {
        sheets = brv::LoadSheets(sheet(settings.GroundBitmapName, "GROUND.BMP"),
                                 sheet(settings.CarBitmapName, "MYCAR.BMP"), groundColor,
                                 settings.UseSheetColor);
    } catch (const brv::SheetError& error) {
        QMessageBox::critical(nullptr, QStringLiteral("brevanto-edit"), QString::fromLocal8Bit(error.what()));
        return 1;
    }

    QtEditorDialogs dialogs;
    EditorWindow window(dialogs, sheets.Ground, sheets.Car);
    window.Try()->SetKeys(settings.Keys); // the author drives with the game's keys
    // Qt has taken its own options out of argv; the course is named by the system's bytes.
    if (argc > 1 && !window.OpenLocalPath(argv[1]))
        return 1;
    window.show();

    // Scripted runs (the end-to-end checks) learn where the course view lies on the screen:
    // "x y zoom tile", written once the window is up and again whenever it changes (a new
    // course is zoomed to fit).
    const QString viewFile = qEnvironmentVariable("BREVANTO_EDIT_VIEW_FILE");
    auto* viewTimer = new QTimer(&window);
    if (!viewFile.isEmpty()) {
        QObject::connect(viewTimer, &QTimer::timeout, &window, [&window, &sheets, viewFile] {
            static QByteArray written;
            const QPoint origin = window.View()->mapToGlobal(QPoint(0, 0));
            const QByteArray line = QStringLiteral("%1 %2 %3 %4\n").arg(origin.x()).arg(origin.y())
                                        .arg(window.View()->Zoom()).arg(sheets.Ground.height() / 4).toUtf8();
            if (line == written)
                return;
            // Whole or not at all: the reader never sees half a line.
            if (brv::ReplaceWholeFile(viewFile.toStdString(), line.toStdString()).empty())
                written = line;
        });
        viewTimer->start(200);
    }
    return QApplication::exec();
}
