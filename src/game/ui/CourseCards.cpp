// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/CourseCards.h"

#include "game/ui/CoursePicture.h"
#include "ui/ShownText.h"

#include "config/model/AddedTexts.h"
#include "config/model/HiScoreBook.h"
#include "course/TMap.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

} // namespace

std::vector<CourseCard> BuildCourseCards(const std::vector<CatalogCourse>& courses,
                                         const CourseCardSource& source, const AddedTexts& texts)
{
    const QString sizeText = ShownText(texts, "ChooserSize", "%1 x %2 tiles, %3 computer cars");
    const QString bestText = ShownText(texts, "ChooserBest", "Best score: %1");
    const QString noBestText = ShownText(texts, "ChooserNoBest", "No hi-score yet");
    const HiScoreBook book = source.HiScoreFile.empty() ? HiScoreBook::FromBytes({}, {})
                                                        : HiScoreBook(source.HiScoreFile);
    std::vector<CourseCard> cards;
    cards.reserve(courses.size());
    for (const CatalogCourse& course : courses) {
        CourseCard card;
        card.Path = QFile::decodeName(QByteArray::fromStdString(course.Path));
        card.Name = QFileInfo(card.Path).fileName();
        card.Description = brv::DecodeText(course.Description);
        card.PerUser = course.PerUser;
        TMap map(source.Ground, source.Car, false);
        map.SetErrorTexts(source.ErrorTexts);
        try {
            map.LoadFromFile(course.Path);
            const std::optional<int32_t> best = BestScoreOf(book, course.Path);
            card.Facts = sizeText.arg(map.MapWidth).arg(map.MapHeight).arg(map.CarCount());
            card.Best = best ? bestText.arg(*best) : noBestText;
            card.Picture = CoursePicture(map, source.GroundBgr, best.value_or(0), source.Rest);
        } catch (const CourseError& error) {
            card.Error = brv::DecodeText(error.what());
        }
        cards.push_back(std::move(card));
    }
    return cards;
}
