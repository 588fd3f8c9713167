// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GameFiles.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <fstream>
#include <sstream>

namespace testing_ui {
namespace {

const char* const LanguageFile =
    "[LANGUAGE]\n"
    "Number=1\n"
    "1=English\n"
    "[English]\n"
    "Error1=unused\n"
    "Error2=Course file not found\n"
    "Error3=The map is broken!\n"
    "Error4=The dots are broken\n"
    "Error5=A car left the course\n"
    "Status1=Playing\n"
    "Status2=Paused\n"
    "Status3=Demo\n"
    "Control=Steer with the arrow keys\n"
    "Menu1=&File\n"
    "Menu2=&Option\n"
    "Menu3=&Help\n"
    "Menu4=&New\n"
    "Hint4=New|Start a new game\n"
    "Menu5=&Load Course\n"
    "Hint5=Load|Load another course\n"
    "Menu6=&Pause\n"
    "Hint6=Pause|Stop and go\n"
    "Menu7=E&xit\n"
    "Hint7=Exit\n"
    "Menu8=&Setting\n"
    "Hint8=Setting|Change the options\n"
    "Menu9=&Control\n"
    "Hint9=Control|How to steer\n"
    "Menu10=&About\n"
    "Hint10=About|Version information\n";

} // namespace

std::string RingCourse(int width, int height, int computerCars, bool dots)
{
    std::ostringstream out;
    out << "[DEFINE]\nMapSize=" << width << ',' << height << "\nStartNumber=" << computerCars + 1
        << "\n[MAP]\n";
    for (int row = 1; row <= height; ++row) {
        std::string line;
        if (row == 1)
            line = '9' + std::string(static_cast<size_t>(width - 2), '5') + '3';
        else if (row == height)
            line = 'C' + std::string(static_cast<size_t>(width - 2), '5') + '6';
        else
            line = 'A' + std::string(static_cast<size_t>(width - 2), 'F') + 'A';
        out << row << '=' << line << '\n';
    }
    out << "[MAPDOT]\n";
    for (int row = 1; row <= height; ++row) {
        std::string line(static_cast<size_t>(width), '.');
        if (dots) {
            for (int column = 1; column <= width; ++column)
                if (row == 1 || row == height || column == 1 || column == width)
                    line[static_cast<size_t>(column - 1)] = 'O';
        }
        out << row << '=' << line << '\n';
    }
    out << "[START]\nPos0=1," << height << ",2,1,L,P\n";
    for (int car = 1; car <= computerCars; ++car)
        out << "Pos" << car << '=' << width - 1 - 2 * (car - 1) << ",1,6,1,L,P\n";
    return out.str();
}

std::string OpenEndedCourse()
{
    return "[DEFINE]\nMapSize=4,1\nStartNumber=1\n"
           "[MAP]\n1=D555\n"
           "[MAPDOT]\n1=....\n"
           "[START]\nPos0=1,1,2,1,L,P\n";
}

GameFiles::GameFiles()
{
    if (!dir_.isValid())
        return;
    TileSheet().save(QString::fromStdString(Path("GROUND.BMP")), "BMP");
    SpriteSheet().save(QString::fromStdString(Path("MYCAR.BMP")), "BMP");
    Write("LANGUAGE.INI", LanguageFile);
    Write("COURSE.DAT", RingCourse(10, 8, 2));
    WriteSettings();
}

std::string GameFiles::Path(const std::string& name) const
{
    return dir_.path().toStdString() + "/" + name;
}

SettingsPlaces GameFiles::Places() const
{
    // The configuration directory does not exist: the settings file beside the program counts.
    return {dir_.path().toStdString() + "/", dir_.path().toStdString() + "/config/"};
}

void GameFiles::Write(const std::string& name, const std::string& text) const
{
    std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
    out << text;
}

void GameFiles::WriteSettings(const std::string& extraLines) const
{
    Write("BREVANTO.INI", "[SETTING]\nMapName=COURSE.DAT\n" + extraLines);
}

std::string GameFiles::Read(const std::string& name) const
{
    std::ifstream in(Path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

QImage GameFiles::TileSheet()
{
    const int t = TestTileSize;
    QImage sheet(4 * t, 4 * t, QImage::Format_RGB32);
    sheet.fill(SheetBackground);
    QPainter painter(&sheet);
    const QColor wall(0, 0, 128);
    for (int mask = 0; mask < 16; ++mask) {
        const int x = mask % 4 * t;
        const int y = mask / 4 * t;
        if (mask & 1)
            painter.fillRect(x, y, t, 2, wall);
        if (mask & 2)
            painter.fillRect(x + t - 2, y, 2, t, wall);
        if (mask & 4)
            painter.fillRect(x, y + t - 2, t, 2, wall);
        if (mask & 8)
            painter.fillRect(x, y, 2, t, wall);
    }
    // Keep the key colour in the top-left corner, whatever tile 0 looks like.
    sheet.setPixelColor(0, 0, SheetBackground);
    return sheet;
}

QImage GameFiles::SpriteSheet()
{
    const int s = 14;
    QImage sheet(4 * s, 3 * s, QImage::Format_RGB32);
    sheet.fill(SheetBackground);
    QPainter painter(&sheet);
    for (int group = 0; group < 4; ++group) {
        painter.fillRect(group * s + 2, 2, s - 4, s - 4, QColor(255, 255, 0));
        painter.fillRect(group * s + 2, s + 2, s - 4, s - 4, QColor(255, 0, 0));
    }
    painter.fillRect(5, 2 * s + 5, 4, 4, QColor(255, 255, 255));
    return sheet;
}

} // namespace testing_ui
