// Brevanto: the program entry. Creates the main window, starts the game and runs the message
// loop until the window closes.
#include "config/model/Settings.h"
#include "ui/DialogSeam.h"
#include "game/ui/TBrevantoForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // No display name: the platform would append it to the title of every window and dialog,
    // whose titles are meant exactly as they are set.
    QApplication::setApplicationName(QStringLiteral("brevanto"));

    QtDialogSeam seam;
    TBrevantoForm form(DefaultSettingsPlaces(), seam);
    if (!form.FormCreate()) {
        // The error has been shown; nothing may run without a course.
        form.FormDestroy();
        return 1;
    }
    form.show();
    return application.exec();
}
