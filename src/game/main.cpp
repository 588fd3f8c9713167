// Brevanto: the program entry. Creates the main window, starts the game and runs the message
// loop until the window closes.
#include "config/model/Settings.h"
#include "ui/DialogSeam.h"
#include "game/ui/TBrevantoForm.h"

#include "platform/Gamepad.h"
#include "platform/Paths.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brevanto"));
    QApplication::setApplicationDisplayName(QString::fromLatin1(ApplicationTitle));

    QtDialogSeam seam;
    TBrevantoForm form(DefaultSettingsPlaces(), seam);
    if (!form.FormCreate()) {
        // The error has been shown; nothing may run without a course.
        form.FormDestroy();
        return 1;
    }
    // Controllers join the keyboard when SDL can reach them; without, nothing changes.
    const std::string configDir = brv::ConfigDir();
    form.AttachGamepad(
        brv::Gamepad::Open(configDir.empty() ? "" : configDir + "gamecontrollerdb.txt"));
    form.show();
    return application.exec();
}
