#include "core/QuestionBank.h"

#include <QStringList>

namespace core {

const QuestionItem* QuestionBank::LookUpQuestion(const QString& number) const {
    for (const QuestionItem& q : Questions)
        if (q.Number == number) return &q;
    return nullptr;
}

QString QuestionBank::numbers() const {
    QStringList out;
    for (const QuestionItem& q : Questions)
        if (!q.Number.isEmpty()) out << q.Number;
    return out.join(QStringLiteral("\r\n"));
}

} // namespace core
