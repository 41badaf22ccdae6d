#pragma once
#include "platform/office/RunProperties.h"

#include <QHash>
#include <QString>
#include <vector>

class QXmlStreamReader;

namespace platform {

// A piece of an equation laid out as one line of text.
struct MathPiece {
    QString text;
    RunProperties properties; // the script tells raised and lowered parts
    bool lineBreak = false;   // between the rows of an equation array
};

// Lays out an Office Math equation (m:oMath, m:oMathPara) as formatted text, the way its linear form reads:
// scripts raised and lowered, fractions as (a+b)/c, roots as √(x), n-ary operators with their limits,
// delimiters, matrices as (1 2; 3 4), functions, accents and bars. Variables are italic like the office
// program shows them.
class MathReader {
public:
    // The reader is on the start of the equation; it is left on its end.
    static std::vector<MathPiece> read(QXmlStreamReader& xml);

private:
    using Pieces = std::vector<MathPiece>;
    struct Parts {
        QHash<QString, QString> properties; // m:val of the children of the *Pr element, by local name
        QHash<QString, std::vector<Pieces>> arguments;
        std::vector<Pieces> ordered; // every argument in document order
        Pieces first(const QString& name) const;
        QString property(const QString& name, const QString& fallback) const;
    };

    explicit MathReader(QXmlStreamReader& xml) : xml_(xml) {}
    Pieces content();
    Pieces element();
    Parts parts();
    Pieces run();
    Pieces structure(QStringView name, const Parts& p) const;

    QXmlStreamReader& xml_;
    int depth_ = 0;
};

} // namespace platform
