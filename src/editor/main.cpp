// brevanto-edit: the course editor. `brevanto-edit [COURSE.DAT]`
#include "editor/CourseView.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorWindow.h"
#include "platform/Paths.h"
#include "platform/Sheets.h"
#include "ui/Glyphs.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
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
    if (translator.load(QLocale::system(), QStringLiteral("brevanto-edit"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        QApplication::installTranslator(&translator);
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    brv::LoadedSheets sheets;
    try {
        sheets = brv::LoadSheets(SheetPath("GROUND.BMP"), SheetPath("MYCAR.BMP"), 0, true);
    } catch (const brv::SheetError& error) {
        QMessageBox::critical(nullptr, QStringLiteral("brevanto-edit"), QString::fromLocal8Bit(error.what()));
        return 1;
    }

    QtEditorDialogs dialogs;
    EditorWindow window(dialogs, sheets.Ground, sheets.Car);
    const QStringList args = QApplication::arguments();
    if (args.size() > 1 && !window.OpenPath(args.at(1)))
        return 1;
    window.show();

    // Scripted runs (the end-to-end check) learn where the course view lies on the screen:
    // "x y zoom tile" once the window is up.
    const QString viewFile = qEnvironmentVariable("BREVANTO_EDIT_VIEW_FILE");
    if (!viewFile.isEmpty())
        QTimer::singleShot(500, &window, [&window, &sheets, viewFile] {
            const QPoint origin = window.View()->mapToGlobal(QPoint(0, 0));
            QFile file(viewFile);
            if (file.open(QIODevice::WriteOnly))
                file.write(QStringLiteral("%1 %2 %3 %4\n").arg(origin.x()).arg(origin.y())
                               .arg(window.View()->Zoom()).arg(sheets.Ground.height() / 4).toUtf8());
        });
    return QApplication::exec();
}
