// A teacher's question bank comes through the question boxes and the full-screen window as it was written:
// H₂O, x², an equation, an old equation picture, highlighting.
#include "FormatSummary.h"
#include "FullScreenFixture.h"
#include "MetafileFixture.h"
#include "OfficeFixture.h"

#include "modes/Form抽题时全屏.h"
#include "platform/office/ZipArchive.h"
#include "ui/QuestionPanel.h"

#include <QFrame>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString Cell(const QString& paragraphs) {
    return "<w:tc>" + paragraphs + "</w:tc>";
}

QString Run(const QString& text, const QString& properties = {}) {
    return "<w:r><w:rPr>" + properties + "</w:rPr><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

int Images(const QTextDocument& doc) {
    int n = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            n += it.fragment().charFormat().isImageFormat();
    }
    return n;
}

void SaveBank(Fixture& f) {
    const QString header = Cell("<w:p>" + Run("题号") + "</w:p>") + Cell("<w:p>" + Run("题目") + "</w:p>") +
                           Cell("<w:p>" + Run("答案") + "</w:p>") + Cell("<w:p>" + Run("解析") + "</w:p>");
    const QString question =
        Cell("<w:p>" + Run("1") + "</w:p>") +
        Cell("<w:p>" + Run("H") + Run("2", "<w:vertAlign w:val=\"subscript\"/>") + Run("O和x") +
             Run("2", "<w:position w:val=\"6\"/><w:sz w:val=\"16\"/>") + "</w:p>") +
        Cell("<w:p><m:oMath><m:sSup><m:e><m:r><m:t>x</m:t></m:r></m:e><m:sup><m:r><m:t>2</m:t></m:r></m:sup></m:sSup>"
             "<m:r><m:t>+</m:t></m:r><m:f><m:num><m:r><m:t>1</m:t></m:r></m:num><m:den><m:r><m:t>3</m:t></m:r>"
             "</m:den></m:f></m:oMath></w:p>") +
        Cell("<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr>" + Run("见图", "<w:highlight w:val=\"yellow\"/>") +
             "<w:r><w:object><v:shape style=\"width:60pt;height:30pt\"><v:imagedata r:id=\"rId1\"/></v:shape>"
             "</w:object></w:r></w:p>");
    const QString rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                         "relationships/image\" Target=\"media/image1.wmf\"/></Relationships>";
    QVERIFY(platform::ZipArchive::write(
        f.folder.file(QStringLiteral("题目文件/化学.docx")),
        {{"word/document.xml", WordXml("<w:tbl><w:tr>" + header + "</w:tr><w:tr>" + question + "</w:tr></w:tbl>")},
         {"word/_rels/document.xml.rels", rels.toUtf8()},
         {"word/media/image1.wmf", WmfRectangle(80, 40, Qt::red)}}));
}

} // namespace

class TestQuestionFormats : public QObject {
    Q_OBJECT
private slots:
    void boxesAndFullScreenKeepTheFormatting() {
        FullScreenFixture f;
        SaveBank(f);
        f.form->Option抽取方式_Click(2);
        QVERIFY(ui::SelectListItem(f.form->Combo选择姓名文件, QStringLiteral("化学.docx"), true));
        QCOMPARE(f.draw(), QStringLiteral("1"));
        ui::QuestionPanel& panel = *f.form->Frame抽题后的答案解析等公布;
        panel.Command公布答案_Click();

        modes::Form抽题时全屏 w(*f.form, f.state);
        w.Timer刷新_Timer();
        for (const auto& boxes : {panel.RichTextBox题目信息, w.RichTextBox题目信息}) {
            const QTextDocument& question = *boxes[2]->document();
            QCOMPARE(question.toPlainText(), QStringLiteral("H2O和x2"));
            QCOMPARE(Scripts(question), QStringLiteral("._...^"));
            const QTextDocument& answer = *boxes[0]->document();
            QCOMPARE(answer.toPlainText(), QStringLiteral("x2+1/3"));
            QCOMPARE(Scripts(answer), QStringLiteral(".^...."));
            const QTextDocument& analysis = *boxes[1]->document();
            QCOMPARE(Images(analysis), 1);
            QCOMPARE(analysis.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(analysis.begin().begin().fragment().charFormat().background().color(), QColor(Qt::yellow));
        }
    }
};

QTEST_MAIN(TestQuestionFormats)
#include "tst_questionformats.moc"
