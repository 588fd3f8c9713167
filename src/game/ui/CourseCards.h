// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the course chooser shows of each course: loaded with the sheets in force, drawn by the
// game's own drawing code, with its facts and best score in the player's language.
#include "config/model/CourseCatalog.h"
#include "game/ui/CourseChooser.h"

#include <cstdint>
#include <string>
#include <vector>

class AddedTexts;
class QImage;

struct CourseCardSource {
    const QImage* Ground = nullptr; // the sheets in force
    const QImage* Car = nullptr;
    uint32_t GroundBgr = 0;         // the ground colour in force
    std::vector<std::string> ErrorTexts; // the course error texts 1..4 (and 5)
    std::string HiScoreFile;        // the hi-score tables; empty keeps none
    int32_t Rest = 3;               // the cars a game starts with, for the captions
};

std::vector<CourseCard> BuildCourseCards(const std::vector<CatalogCourse>& courses,
                                         const CourseCardSource& source, const AddedTexts& texts);
