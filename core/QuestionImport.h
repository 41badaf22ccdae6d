#pragma once
#include "core/QuestionBank.h"

#include <functional>

namespace platform {
class WordDocument;
}

namespace core {

// Why a document holds no usable question table ("" when it does).
QString QuestionTableProblem(const platform::WordDocument* doc);

// The questions of the document's first table, header row skipped. progress
// gets the row being read (from 1) and the number of question rows.
QList<QuestionItem> ReadQuestions(const platform::WordDocument& doc, const std::function<void(int, int)>& progress);

// The question number of a row: the first paragraph of its first cell, up to a line end.
QString QuestionNumber(const platform::WordDocument& doc, int row);

} // namespace core
