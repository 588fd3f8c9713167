// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool-bar pictures of the editor's tools, drawn from the course's own sheets so the buttons
// look like what they put on the course.
#include <QIcon>
#include <QImage>

enum class EditorIcon { Lane, Wall, Dot, Start, Block, Caption, Select, Properties, FillDots, Play, Drive, Stop };

QIcon MakeEditorIcon(EditorIcon icon, const QImage& groundSheet, const QImage& carSheet);
