#include "game/ui/HiScoreTexts.h"

#include "config/model/AddedTexts.h"
#include "platform/TextCodec.h"

HiScoreTexts ReadHiScoreTexts(const std::string& languageFileName, int32_t language)
{
    const AddedTexts added(languageFileName, language);
    const auto text = [&added](const char* key, const char* english) {
        return brv::DecodeText(added.Text(key, english));
    };
    HiScoreTexts texts;
    texts.Menu = text("HiScoresMenu", "&Hi-Scores") + QStringLiteral("...");
    texts.Hint = text("HiScoresHint", "Hi-scores|Show the best games on each course");
    texts.Title = text("HiScoresTitle", "Hi-Scores");
    texts.Course = text("HiScoresCourse", "&Course:");
    texts.Rank = text("HiScoresRank", "Rank");
    texts.Name = text("HiScoresName", "Name");
    texts.Score = text("HiScoresScore", "Score");
    texts.Stage = text("HiScoresStage", "Stage");
    texts.Date = text("HiScoresDate", "Date");
    texts.Clear = text("HiScoresClear", "C&lear");
    texts.ClearAsk = text("HiScoresClearAsk", "Clear every score of %1?");
    texts.Close = text("HiScoresClose", "Close");
    texts.EarlierVersion = text("HiScoresEarlierVersion", "earlier version");
    texts.NameTitle = text("HiScoresNameTitle", "New Hi-Score");
    texts.NamePrompt = text("HiScoresNamePrompt",
                            "Place %1 with %2 points on %3! Enter your name:");
    texts.SaveError = text("HiScoresSaveError", "The hi-scores cannot be saved.");
    return texts;
}
