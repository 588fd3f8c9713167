// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/HiScoreTexts.h"
#include "ui/ShownText.h"

#include "config/model/AddedTexts.h"

#include <array>

namespace {

struct TextKey {
    QString HiScoreTexts::*field;
    const char* key;
    const char* english;
};

const std::array<TextKey, 17> Keys{{
    {&HiScoreTexts::Menu, "HiScoresMenu", "&Hi-Scores"},
    {&HiScoreTexts::Hint, "HiScoresHint", "Hi-scores|Show the best games on each course"},
    {&HiScoreTexts::Title, "HiScoresTitle", "Hi-Scores"},
    {&HiScoreTexts::Course, "HiScoresCourse", "&Course:"},
    {&HiScoreTexts::Rank, "HiScoresRank", "Rank"},
    {&HiScoreTexts::Name, "HiScoresName", "Name"},
    {&HiScoreTexts::Score, "HiScoresScore", "Score"},
    {&HiScoreTexts::Stage, "HiScoresStage", "Stage"},
    {&HiScoreTexts::Date, "HiScoresDate", "Date"},
    {&HiScoreTexts::Clear, "HiScoresClear", "C&lear"},
    {&HiScoreTexts::ClearAsk, "HiScoresClearAsk", "Clear every score of %1?"},
    {&HiScoreTexts::Close, "HiScoresClose", "Close"},
    {&HiScoreTexts::Watch, "HiScoresWatch", "&Watch"},
    {&HiScoreTexts::EarlierVersion, "HiScoresEarlierVersion", "earlier version"},
    {&HiScoreTexts::NameTitle, "HiScoresNameTitle", "New Hi-Score"},
    {&HiScoreTexts::NamePrompt, "HiScoresNamePrompt", "Place %1 with %2 points on %3! Enter your name:"},
    {&HiScoreTexts::SaveError, "HiScoresSaveError", "The hi-scores cannot be saved."},
}};

} // namespace

HiScoreTexts ReadHiScoreTexts(const std::string& languageFileName, int32_t language)
{
    return ReadHiScoreTexts(AddedTexts(languageFileName, language));
}

HiScoreTexts ReadHiScoreTexts(const AddedTexts& added)
{
    HiScoreTexts texts;
    for (const TextKey& item : Keys)
        texts.*item.field = ShownText(added, item.key, item.english);
    // Like every menu item that opens a dialog.
    texts.Menu += QStringLiteral("...");
    return texts;
}
