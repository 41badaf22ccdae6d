#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

namespace core {

// One row of a question bank; question, answer and analysis are RTF.
struct QuestionItem {
    QString Number;
    QByteArray Question;
    QByteArray Answer;
    QByteArray Analysis;
    qint16 Score = 0;
    qint16 TimeLimit = 0; // seconds
};

// The questions of the last imported bank, in table order.
class QuestionBank {
public:
    QList<QuestionItem> Questions;

    // The first question with exactly this number.
    const QuestionItem* LookUpQuestion(const QString& number) const;
    // The numbers of all rows with one, in table order, joined by CR LF.
    QString numbers() const;
};

} // namespace core
