#include "print/SimpleResultDocument.h"

#include "core/Dialogs.h"
#include "core/HistoryRecord.h"

#include <QRegularExpression>

namespace print {

namespace {

using platform::DocxAlignment;
using platform::DocxField;
using platform::DocxRun;

// Adds paragraphs of one look, as the word processor types them after one font and alignment setting.
struct Typist {
    ResultDocument& doc;
    bool bold;
    double pointSize;
    DocxAlignment alignment;

    void type(const QString& text) const {
        doc.addParagraph({DocxRun{.text = text, .bold = bold, .pointSize = pointSize}}, alignment, pointSize);
    }
    // Two paragraph breaks leave one empty paragraph between two blocks, in the block's size.
    void blank() const { doc.addParagraph({}, alignment, pointSize); }
};

} // namespace

ResultDocument SimpleResultDocument(const QString& sourceLine, const QString& records, const QDateTime& printTime) {
    ResultDocument doc;
    const Typist title{doc, true, 14, DocxAlignment::Center};
    title.type(core::kAppTitle);
    title.type(QStringLiteral("抽取结果"));
    title.blank();

    Typist{doc, true, 12, DocxAlignment::Left}.type(sourceLine);
    const Typist body{doc, false, 12, DocxAlignment::Left};
    body.blank();
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|[\r\n]"));
    for (const QString& line : records.split(lineEnd))
        body.type(line);
    body.blank();
    body.type(QStringLiteral("注意： 抽取结果以现场公开实际抽取情况为准！"));
    body.blank();

    const Typist signature{doc, true, 12, DocxAlignment::Right};
    signature.type(core::kAppTitle);
    signature.type(QStringLiteral("打印时间：") + core::GeneralDateTime(printTime));

    SetPageHeaderAndFooter(doc);
    return doc;
}

void SetPageHeaderAndFooter(ResultDocument& doc) {
    doc.setHeader({{DocxRun{.text = core::kAppTitle}}, DocxAlignment::Justify});
    doc.setFooter({{DocxRun{.text = QStringLiteral("第 ")}, DocxRun{.field = DocxField::Page},
                    DocxRun{.text = QStringLiteral(" 页 共 ")}, DocxRun{.field = DocxField::PageCount},
                    DocxRun{.text = QStringLiteral(" 页")}},
                   DocxAlignment::Center});
}

} // namespace print
