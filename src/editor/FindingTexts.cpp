// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FindingTexts.h"

#include <QCoreApplication>

#include <optional>

namespace {
struct CodeText {
    const char* code;
    const char* text; // %1 the cell, %2 the count, %3 the car, %4 the row
};

// English here only names what a translation says; English itself shows the model's message.
const CodeText CodeTexts[] = {
    {"car-leaves-course", QT_TRANSLATE_NOOP("FindingText", "%3 can drive off the course from %1, which ends the game with a course error: close that cell's outer side.")},
    {"dead-end", QT_TRANSLATE_NOOP("FindingText", "%3 can run into the dead end at %1 (closed ahead and on both sides), which ends the game with a course error: open a wall there.")},
    {"dot-unreachable", QT_TRANSLATE_NOOP("FindingText", "%2 dots from %1 on lie where the player's car never drives, so the stage can never be cleared: open a lane to them or take them away.")},
    {"path-unknown-block", QT_TRANSLATE_NOOP("FindingText", "Path names a block the course does not have: clear the path and click the blocks again.")},
    {"demo-fatal", QT_TRANSLATE_NOOP("FindingText", "The demo ends in a course error near %1.")},
    {"wall-mismatch", QT_TRANSLATE_NOOP("FindingText", "%1 and its neighbour disagree about the wall between them: click it with the Wall tool.")},
    {"tile-character", QT_TRANSLATE_NOOP("FindingText", "The tile character of %1 is no wall mask (0-9, A-F).")},
    {"blocks-overlap", QT_TRANSLATE_NOOP("FindingText", "Two blocks overlap from %1; those cells count as the lower-numbered block only.")},
    {"lane-outside-blocks", QT_TRANSLATE_NOOP("FindingText", "%2 lane cells from %1 on lie in no block, so the pursuing cars lose track there: draw a block over them.")},
    {"lane-outside-blocks-all", QT_TRANSLATE_NOOP("FindingText", "No block holds a lane, so the pursuing cars only follow the player's lane number.")},
    {"caption-outside-field", QT_TRANSLATE_NOOP("FindingText", "A caption at %1 runs off the field, or is not placed: move it with the Captions tool.")},
    {"caption-over-map", QT_TRANSLATE_NOOP("FindingText", "The caption at %1 covers a lane or a dot: move it with the Captions tool.")},
    {"captions-overlap", QT_TRANSLATE_NOOP("FindingText", "The caption at %1 and another one cover each other.")},
    {"start-number-mismatch", QT_TRANSLATE_NOOP("FindingText", "START has a Pos key that StartNumber does not count (%3), so that car never takes part.")},
    {"lane-outside-field", QT_TRANSLATE_NOOP("FindingText", "%2 lane or dot cells from %1 on lie outside the drawn field (ScreenSize), where the game never shows them: enlarge ScreenSize in Course Properties.")},
    {"start-outside-field", QT_TRANSLATE_NOOP("FindingText", "The start of %3 at %1 lies outside the drawn field (ScreenSize), so the game never shows that car.")},
    {"starts-share-cell", QT_TRANSLATE_NOOP("FindingText", "%3 and another start entry both start at %1: move one of them.")},
    {"starts-collide", QT_TRANSLATE_NOOP("FindingText", "%3 at %1 and the player's car start next to each other, one facing the other, so they meet on the first move: move or turn one.")},
    {"loader-map-row", QT_TRANSLATE_NOOP("FindingText", "MAP row %4 is not as long as the map is wide; saving pads it with closed cells.")},
    {"loader-dot-row", QT_TRANSLATE_NOOP("FindingText", "MAPDOT row %4 is not as long as the map is wide; saving pads it without dots.")},
    {"loader-map-size", QT_TRANSLATE_NOOP("FindingText", "MapSize is missing or not above zero; the size was taken from the rows.")},
    {"loader-no-start", QT_TRANSLATE_NOOP("FindingText", "The course has no start entry, and the game needs one for the player's car: place it with the Start tool (S).")},
    {"loader-start-number", QT_TRANSLATE_NOOP("FindingText", "StartNumber does not equal the number of Pos keys in START; saving writes the number of start entries shown.")},
    {"loader-start-missing", QT_TRANSLATE_NOOP("FindingText", "Start entry %3 is missing: give it a cell in its dialog or delete it (select this line, then Delete).")},
    {"loader-start-off-course", QT_TRANSLATE_NOOP("FindingText", "Start entry %3 lies off the course: give it a cell in its dialog or delete it (select this line, then Delete).")},
    {"loader-start-direction", QT_TRANSLATE_NOOP("FindingText", "Start entry %3 faces none of up, right, down and left (0, 2, 4, 6): turn it with the Start tool.")},
    {"loader-not-a-course", QT_TRANSLATE_NOOP("FindingText", "The file holds no course.")},
};

const char* const Refusals[5] = {
    "",
    QT_TRANSLATE_NOOP("Refusal", "The course file cannot be read."),
    QT_TRANSLATE_NOOP("Refusal", "MapSize must be two numbers above zero, MAP must hold a row as long as the map is wide for every row of its height, and the field (ScreenSize) must not be too large."),
    QT_TRANSLATE_NOOP("Refusal", "MAPDOT must hold a row as long as the map is wide for every row of its height."),
    QT_TRANSLATE_NOOP("Refusal", "StartNumber must be at least 1 and equal the number of Pos keys in START, and every start entry must lie on the course facing up, right, down or left (0, 2, 4 or 6)."),
};

// The translation of `source`, or nothing when the language has none.
std::optional<QString> Translated(const char* context, const char* source)
{
    const QString text = QCoreApplication::translate(context, source);
    if (text == QLatin1String(source))
        return std::nullopt;
    return text;
}
} // namespace

QString FindingText(const EditorFinding& f)
{
    const QString english = QString::fromStdString(f.Message);
    std::string code = f.Code;
    if (code == "lane-outside-blocks" && f.Cell == TPoint{0, 0})
        code = "lane-outside-blocks-all";
    for (const CodeText& entry : CodeTexts) {
        if (code != entry.code)
            continue;
        std::optional<QString> text = Translated("FindingText", entry.text);
        if (!text)
            return english;
        const QString car = f.Entry == 0 ? QCoreApplication::translate("FindingText", "the player's car")
                                         : QStringLiteral("Pos%1").arg(f.Entry);
        // Filled in one by one: a text need not use every place.
        text->replace(QLatin1String("%1"), QStringLiteral("(%1,%2)").arg(f.Cell.X).arg(f.Cell.Y));
        text->replace(QLatin1String("%2"), QString::number(f.Count));
        text->replace(QLatin1String("%3"), car);
        text->replace(QLatin1String("%4"), QString::number(f.Cell.Y));
        return *text;
    }
    return english;
}

QString RefusalText(int32_t error, const std::string& english)
{
    if (error >= 1 && error <= 4)
        if (const std::optional<QString> text = Translated("Refusal", Refusals[error]))
            return *text;
    return QString::fromStdString(english);
}
