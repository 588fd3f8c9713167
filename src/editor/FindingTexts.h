// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The findings in the author's language. The checker writes English with every detail; another
// language gets a text per finding code (translations/*.ts, context "FindingText") with the
// cell, the count and the car filled in.
#include "editor/model/CourseFindings.h"

#include <QString>

// The line the findings panel shows for a finding.
QString FindingText(const EditorFinding& finding);
// What the loader's refusal `error` (1..4) means; `english` is the model's own text.
QString RefusalText(int32_t error, const std::string& english);
