// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A course as the game would show it at the start of a stage, drawn by the game's own drawing
// code with the sheets in force: the field with its captions, the player's car and every
// computer car on its start entry. For the course chooser; play is not touched.
#include <QImage>

#include <cstdint>

class TMap;

// `map` is loaded and drawn with its own sheets; `hiScore` and `rest` go into the captions, and
// `groundBgr` fills what the sheets leave. A null image when the field is empty or too large to
// be worth drawing for a picture.
QImage CoursePicture(TMap& map, uint32_t groundBgr, int32_t hiScore, int32_t rest);
