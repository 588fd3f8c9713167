// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the windows, drawn in code: the 16 x 16 tool-bar glyphs (in the sixteen
// classic colours) and the program's picture, used as the window icon and in the about box.
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace brv {

enum class ToolGlyph { New, LoadCourse, Pause, Exit, Setting, Control, About, HiScores,
                       ChooseCourse };

QPixmap ToolGlyphPixmap(ToolGlyph glyph);
// The program's picture (a car on a lane of dots) at `size` x `size` pixels.
QPixmap ProgramPicture(int size);
// The same as an image, which needs no window system (the installed icons are made from it).
QImage ProgramPictureImage(int size);
QIcon ProgramIcon();

} // namespace brv
