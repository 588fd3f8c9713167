// SPDX-License-Identifier: GPL-3.0-or-later
// Brevanto: the program entry. Answers --help and --version, creates the main window, starts the
// game (on the course named on the command line, if any) and runs the message loop until the
// window closes.
#include "BrevantoBuild.h"
#include "config/model/Settings.h"
#include "game/CommandLine.h"
#include "ui/DialogSeam.h"
#include "game/ui/QuitOnSignal.h"
#include "game/ui/TBrevantoForm.h"

#include "platform/ExitDeadline.h"
#include "platform/Gamepad.h"
#include "platform/Paths.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// How long the program may take to end after its window has closed.
constexpr std::chrono::milliseconds ShutDownDeadline{150};

// The course as Load Course names it: an absolute path, kept as the bytes the system gave (a
// name that is not UTF-8 cannot be told to Qt and back unchanged).
std::string AbsoluteCoursePath(const std::string& file)
{
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(file, ec);
    return ec ? file : path.lexically_normal().string();
}

} // namespace

int main(int argc, char* argv[])
{
    // Help and version need no window system, so they are answered before one is opened.
    const GameCommandLine early = ParseGameCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc});
    if (early.Help) {
        std::fputs(GameUsage, stdout);
        return 0;
    }
    if (early.Version) {
        std::printf("brevanto %s\n", BrevantoVersion);
        return 0;
    }

    QApplication application(argc, argv);
    // No display name: the platform would append it to the title of every window and dialog,
    // whose titles are meant exactly as they are set.
    QApplication::setApplicationName(QStringLiteral("brevanto"));
    QApplication::setApplicationVersion(QString::fromLatin1(BrevantoVersion));
    // Qt has taken its own options (-platform, -style ...) out of argv by now; the rest are
    // read as bytes, as the system gave them.
    const GameCommandLine line = ParseGameCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc});
    if (!line.Error.empty()) {
        std::fprintf(stderr, "brevanto: %s\n%s", line.Error.c_str(), GameUsage);
        return 2;
    }

    QtDialogSeam seam;
    TBrevantoForm form(DefaultSettingsPlaces(), seam);
    const std::string course = line.CourseFile.empty() ? std::string() : AbsoluteCoursePath(line.CourseFile);
    if (!form.FormCreate(course)) {
        // The error has been shown; nothing may run without a course.
        form.FormDestroy();
        return 1;
    }
    // Controllers join the keyboard when SDL can reach them; without, nothing changes.
    const std::string configDir = brv::ConfigDir();
    form.AttachGamepad(
        brv::Gamepad::Open(configDir.empty() ? "" : configDir + "gamecontrollerdb.txt"));
    // A session that logs out ends the game as Exit does, with the settings saved.
    const QuitOnSignal quitOnSignal([&form] { form.Exit1Click(); });
    form.show();
    const int status = application.exec();
    // Settings and hi-scores were written when the window closed. Releasing sound, controllers
    // and the window system follows; it gets a short while, then the process ends regardless.
    brv::EndWithin(ShutDownDeadline, status);
    return status;
}
