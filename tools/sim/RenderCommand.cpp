// SPDX-License-Identifier: GPL-3.0-or-later
// brevanto-sim render: the course's field as the window paints it, after some ticks of play,
// written to a PNG picture.
#include "Commands.h"
#include "SimSupport.h"

#include "platform/Canvas.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/Sheets.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <memory>

namespace {

// The window's full repaint, in a fresh picture.
QImage Repaint(const TGameRules& rules)
{
    QImage image(rules.Map->ScreenWidth, rules.Map->ScreenHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    rules.DrawWholeField(image);
    return image;
}

// Text needs a GUI application; without a display, Qt's offscreen platform serves.
std::unique_ptr<QGuiApplication> MakeApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "brevanto-sim";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int RunRenderCommand(const std::vector<std::string>& args)
{
    ArgReader reader(args);
    std::vector<std::string> files;
    std::string groundFile = brv::ProgramDir() + "GROUND.BMP";
    std::string carFile = brv::ProgramDir() + "MYCAR.BMP";
    int64_t ticks = 0;
    GameOptions options;
    while (!reader.Done()) {
        const std::string arg = reader.Next();
        if (arg == "--ground")
            groundFile = reader.Value(arg);
        else if (arg == "--car")
            carFile = reader.Value(arg);
        else if (arg == "--ticks")
            ticks = ParseIntegerOption(arg, reader.Value(arg), 0, MaxTicks);
        else if (arg == "--clock")
            options.Clock =
                static_cast<uint32_t>(ParseIntegerOption(arg, reader.Value(arg), 0, 86399999));
        else if (arg.rfind("--", 0) == 0)
            throw UsageError("unknown option for render: " + arg);
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        throw UsageError("render takes exactly one course file and one picture file");
    const std::string& courseFile = files[0];
    const std::string& pictureFile = files[1];

    const std::unique_ptr<QGuiApplication> app = MakeApplication();

    // The sheets as they are, as with the ground colour ORIGINAL.
    brv::LoadedSheets sheets;
    try {
        sheets = brv::LoadSheets(groundFile, carFile, 0, true);
    } catch (const brv::SheetError& error) {
        PrintError(0, error.what());
        return 2;
    }

    // Start-up as the window's, with the simulator's defaults.
    std::unique_ptr<SimGame> game;
    try {
        game = StartGame(courseFile, std::make_unique<TMap>(&sheets.Ground, &sheets.Car, false),
                         options);
    } catch (const CourseError& error) {
        PrintError(error.Number, error.what());
        return 2;
    }
    TGameRules& rules = game->Rules;

    // The window's field between paints: painted once before the first tick, then the ticks
    // draw on it, and a restart repaints it.
    int status = 0;
    if (ticks > 0) {
        QImage field = Repaint(rules);
        brv::Canvas canvas(field);
        canvas.SetFillColor(sheets.GroundColor);
        rules.Field = &canvas;
        for (int64_t tick = 1; tick <= ticks; ++tick) {
            game->Host.Tick(rules);
            if (game->Host.Closed) {
                status = 3; // a car left the course: play stops here, as in the window
                break;
            }
            if (game->Host.RepaintPending) {
                field = Repaint(rules);
                game->Host.RepaintPending = false;
            }
        }
        rules.Field = nullptr;
    }

    // Made whole in memory and put in place in one step: a full disk or a FIFO in the way leaves
    // whatever was there as it was.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!Repaint(rules).save(&buffer, "PNG")) {
        PrintError(0, "Cannot make the picture " + pictureFile);
        return 2;
    }
    const std::string problem =
        brv::ReplaceWholeFile(pictureFile, std::string_view(png.constData(), static_cast<size_t>(png.size())));
    if (!problem.empty()) {
        PrintError(0, "Cannot write the picture " + pictureFile + ": " + problem);
        return 2;
    }
    return status;
}
