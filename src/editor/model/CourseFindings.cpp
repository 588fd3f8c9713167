#include "editor/model/CourseFindings.h"

#include "editor/model/CourseReader.h"
#include "editor/model/CourseWriter.h"
#include "platform/IniFile.h"

#include "check/CourseCheck.h"

CourseAnalysis AnalyseCourse(const std::string& bytes, int32_t soakTicks)
{
    CourseAnalysis analysis;
    analysis.Verdict = LoaderVerdict(bytes, {});
    try {
        for (const FileProblem& p : ReadCourse(bytes).Problems)
            analysis.Findings.push_back({true, "loader", p.Cell, p.Entry, p.Message});
    } catch (const NotACourse& error) {
        analysis.Findings.push_back({true, "loader", {}, -1, error.what()});
    }
    if (!analysis.Verdict.empty() && analysis.Findings.empty())
        analysis.Findings.push_back({true, "loader", {}, -1, analysis.Verdict});
    if (analysis.Verdict.empty()) {
        // The checker's cars move on 24-pixel tiles with 20-pixel sprites, as the shipped sheets.
        TMap map(96, 60, 60, false);
        map.LoadFromIni(brv::IniFile::FromBytes("", bytes));
        CheckOptions options;
        options.Ticks = soakTicks;
        for (const CourseFinding& f : CheckCourse(map, options))
            analysis.Findings.push_back(
                {f.Level == FindingLevel::Error, f.Code, f.Cell, f.Entry, f.Message});
        analysis.Checked = true;
    }
    return analysis;
}
