#include "print/PrintResultDocument.h"
#include "print/ResultPages.h"
#include "print/SimpleResultDocument.h"
#include "print/TemplateDocument.h"

#include "DocxParagraphs.h"
#include "PdfText.h"
#include "ProgramFolder.h"
#include "TemplateFixtures.h"

#include <QPrinter>
#include <QtTest>

using print::ResultDocument;
using print::ResultTable;
using print::TemplateDocument;

namespace {

const QHash<QString, QString> kValues = {
    {"{ReviewProjectName}", "2026年职称评审"}, {"{ReviewTime}", "2026年12月10日"},    {"{ReviewPlace}", "三楼会议室"},
    {"{RecordSource}", "抽取记录 a.txt"},      {"{PrintTime}", "2026/12/10 9:05:07"},
};

ResultTable Experts(int count) {
    ResultTable t{{"专家编号", "姓名", "单位", "电话"}, {}, 0};
    for (int i = 1; i <= count; ++i)
        t.rows << QStringList{QString::number(1000 + i), QStringLiteral("专家%1").arg(i), "第一中学", "12345678"};
    return t;
}

} // namespace

class TestTemplateDocument : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& documentXml) {
        const QString path = dir_.filePath(name);
        [&] { QVERIFY(platform::ZipArchive::write(path, {{"word/document.xml", documentXml}})); }();
        return path;
    }

private slots:
    void shippedTemplateIsFilled() {
        ProgramFolder folder;
        const QString path = TemplateDocument::path(folder.path());
        QCOMPARE(path, folder.file("PrintMB.docx"));
        const auto doc =
            TemplateDocument::build(path, kValues, TemplateDocument::resultTable(Experts(2), true), nullptr);
        QVERIFY(doc);
        const QString out = dir_.filePath("shipped.docx");
        QVERIFY(doc->saveDocx(out));
        const QStringList paragraphs = DocxParagraphs(out, "word/document.xml");
        QCOMPARE(paragraphs.mid(0, 6), (QStringList{"center|b16|2026年职称评审", "center|b14|抽取结果", "left|12|",
                                                    "left|12|评审时间：2026年12月10日", "left|12|评审地点：三楼会议室",
                                                    "left|12|数据来源：抽取记录 a.txt"}));
        // The table's cells follow, one paragraph each, the header row bold.
        QCOMPARE(paragraphs.mid(7, 8),
                 (QStringList{"left|b12|专家编号", "left|b12|姓名", "left|b12|单位", "left|b12|电话", "left|12|1001",
                              "left|12|专家1", "left|12|第一中学", "left|12|12345678"}));
        QCOMPARE(paragraphs.last(), "right|b12|打印时间：2026/12/10 9:05:07");
        QVERIFY(!paragraphs.join(u'\n').contains(u'{'));
    }

    // The written table is a real table: grey shading and the repeated header on the first row only.
    void tableMarkup_data() {
        QTest::addColumn<bool>("grey");
        QTest::newRow("grey first row") << true;
        QTest::newRow("plain") << false;
    }
    void tableMarkup() {
        QFETCH(bool, grey);
        ResultDocument doc;
        doc.addBlock(TemplateDocument::resultTable(Experts(3), grey));
        const QString out = dir_.filePath(QStringLiteral("table%1.docx").arg(grey));
        QVERIFY(doc.saveDocx(out));
        const QByteArray xml = platform::ZipArchive::open(out)->read("word/document.xml").value_or("");
        QCOMPARE(xml.count("<w:tbl>"), 1);
        QCOMPARE(xml.count("<w:tr>"), 4);
        QCOMPARE(xml.count("<w:tblHeader/>"), 1);
        QCOMPARE(xml.count("<w:cantSplit/>"), 4);
        QCOMPARE(xml.count("w:fill=\"D9D9D9\""), grey ? 4 : 0);
        const qsizetype secondRow = xml.indexOf("<w:tr>", xml.indexOf("<w:tr>") + 1);
        QVERIFY(xml.indexOf("D9D9D9", secondRow) < 0);
        QVERIFY(xml.indexOf("<w:tblHeader/>") < secondRow);
    }

    void editedTemplateIsFilled() {
        const QString path = write("edited.docx", EditedTemplateXml());
        QString error;
        const auto doc =
            TemplateDocument::build(path, kValues, TemplateDocument::resultTable(Experts(1), false), &error);
        QVERIFY2(doc, qPrintable(error));
        const auto& body = doc->body();
        QCOMPARE(body.size(), size_t(5)); // title, time and place, template table, result table, print time

        // The split placeholder takes the look of its first run; the text after it keeps its own.
        const auto& title = std::get<ResultDocument::Paragraph>(body[0]);
        QCOMPARE(title.alignment, platform::DocxAlignment::Center);
        QCOMPARE(title.pointSize, 18.0);
        QCOMPARE(title.runs.size(), size_t(3));
        QCOMPARE(title.runs[0].text, "2026年职称评审");
        QVERIFY(title.runs[0].bold);
        QCOMPARE(title.runs[0].pointSize, 18.0);
        QCOMPARE(title.runs[1].text, " ");
        QCOMPARE(title.runs[2].text, "专家名单");
        QCOMPARE(title.runs[2].color, QColor(Qt::red));

        const auto text = [](const ResultDocument::Paragraph& p) {
            QString t;
            for (const auto& run : p.runs)
                t += run.text;
            return t;
        };
        QCOMPARE(text(std::get<ResultDocument::Paragraph>(body[1])), "2026年12月10日 在 三楼会议室");
        const auto& cells = std::get<ResultDocument::Table>(body[2]).rows;
        QCOMPARE(text(cells[0][1][0]), "三楼会议室");
        QCOMPARE(text(cells[1][0][0]), ""); // the table's placeholder is taken out of its cell ...
        const auto& result = std::get<ResultDocument::Table>(body[3]); // ... and the table follows
        QCOMPARE(text(result.rows[1][1][0]), "专家1");
        QVERIFY(result.repeatFirstRow);
        QCOMPARE(text(std::get<ResultDocument::Paragraph>(body[4])),
                 "打印于2026/12/10 9:05:07"); // deleted text left out
    }

    void resultTablePlaceholderWithText() {
        const QString path = write("inline.docx", InlineTableTemplateXml());
        const auto doc = TemplateDocument::build(path, kValues, TemplateDocument::resultTable(Experts(1), false));
        QVERIFY(doc);
        QCOMPARE(doc->body().size(), size_t(2));
        QCOMPARE(std::get<ResultDocument::Paragraph>(doc->body()[0]).runs[0].text, "名单：");
        QVERIFY(std::holds_alternative<ResultDocument::Table>(doc->body()[1]));
    }

    void badTemplateIsReported_data() {
        QTest::addColumn<QByteArray>("zip"); // empty: no file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "file not found";
        QTest::newRow("not a document") << QByteArray("<body/>") << "the root element is not w:document";
    }
    void badTemplateIsReported() {
        QFETCH(QByteArray, zip);
        QFETCH(QString, reason);
        const QString path = zip.isEmpty() ? dir_.filePath("none.docx") : write("bad.docx", zip);
        QString error;
        QVERIFY(!TemplateDocument::build(path, kValues, {}, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    // A user's own template in the program folder stays; a missing one comes from the shipped template.
    void templateInTheProgramFolder() {
        ProgramFolder folder;
        folder.write("PrintMB.docx", "mine");
        QCOMPARE(TemplateDocument::path(folder.path()), folder.file("PrintMB.docx"));
        QCOMPARE(folder.read("PrintMB.docx"), QByteArray("mine"));
        QFile::remove(folder.file("PrintMB.docx"));
        QFile::remove(folder.file("模板/PrintMB.docx"));
        QCOMPARE(TemplateDocument::path(folder.path()), QString());
    }

    // The table goes on over the pages with its header row on each; the printer prints the pages that
    // were saved, with a page break before each page after the first.
    void printedTableHasItsHeaderOnEveryPage() {
        if (!HavePdfTools()) QSKIP("poppler-utils are not installed");
        ProgramFolder folder;
        const auto doc = TemplateDocument::build(TemplateDocument::path(folder.path()), kValues,
                                                 TemplateDocument::resultTable(Experts(120), true));
        QVERIFY(doc);
        const QString pdf = dir_.filePath("table.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(print::PrintResultDocument(*doc, printer, "zkpprint_temp.docx"));
        const QStringList pages = PdfPageTexts(pdf);
        QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
        QCOMPARE(pages.size(), print::ResultPages(*doc).count());
        for (const QString& page : pages) {
            static const QRegularExpression header(QStringLiteral("专家编号\\s+姓名\\s+单位\\s+电话"));
            QVERIFY2(page.contains(header), qPrintable(page.left(200)));
        }
        QVERIFY(pages[0].contains("2026年职称评审"));
        QVERIFY(pages.join("").contains("专家120"));
        QVERIFY(QString(pages.last()).remove(u' ').contains(QStringLiteral("第%1页共%1页").arg(pages.size())));

        const QString docx = dir_.filePath("table.docx");
        QVERIFY(doc->saveDocx(docx));
        const QByteArray xml = platform::ZipArchive::open(docx)->read("word/document.xml").value_or("");
        QCOMPARE(xml.count("<w:pageBreakBefore/>"), pages.size() - 1);
    }

    // A word processor lays the saved document out on the pages that were printed.
    void wordProcessorPagesMatchThePrintedOnes_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("linked");
        QTest::newRow("simple, 200 records") << 200 << false;
        QTest::newRow("template, 90 experts") << 90 << true;
    }
    void wordProcessorPagesMatchThePrintedOnes() {
        QFETCH(int, records);
        QFETCH(bool, linked);
        ProgramFolder folder;
        QStringList lines;
        for (int i = 1; i <= records; ++i)
            lines
                << QStringLiteral("%1 2026/12/10 9:05:07 抽文本(名字) 名单.txt      张三%1").arg(i, 2, 10, QChar(u'0'));
        const ResultDocument doc =
            linked ? *TemplateDocument::build(TemplateDocument::path(folder.path()), kValues,
                                              TemplateDocument::resultTable(Experts(records), true))
                   : print::SimpleResultDocument("数据来源：抽取记录 a.txt", lines.join("\n"), QDateTime());
        const QString docx = folder.file(QStringLiteral("saved%1.docx").arg(records));
        QVERIFY(doc.saveDocx(docx));
        const QString printed = folder.file("printed.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        QVERIFY(print::PrintResultDocument(doc, printer, "saved.docx"));
        const int pages = PdfPages(printed);
        QVERIFY(pages > 1);
        const QString laidOut = WordProcessorPdf(docx, folder.path().chopped(1));
        if (laidOut.isEmpty()) QSKIP("LibreOffice is not installed");
        QCOMPARE(PdfPages(laidOut), pages);
        if (!HavePdfTools()) return;
        // Each page ends with the same line in both.
        const QStringList a = PdfPageTexts(printed), b = PdfPageTexts(laidOut);
        for (int i = 0; i < pages; ++i) {
            // Without blanks, which the two lay out differently; the footer left out.
            const auto lastLine = [](const QString& page) {
                QStringList lines = QString(page).remove(u' ').split(u'\n', Qt::SkipEmptyParts);
                while (!lines.isEmpty() && (lines.last().contains("页共") || lines.last().trimmed().isEmpty()))
                    lines.removeLast();
                return lines.value(lines.size() - 1).trimmed();
            };
            QVERIFY(!lastLine(a[i]).isEmpty());
            QCOMPARE(lastLine(a[i]), lastLine(b[i]));
        }
    }
};

QTEST_MAIN(TestTemplateDocument)
#include "tst_templatedocument.moc"
