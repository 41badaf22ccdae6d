#include "print/PrintResultDocument.h"
#include "print/SimpleResultDocument.h"

#include "DocxParagraphs.h"
#include "PdfText.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using print::ResultDocument;
using print::SimpleResultDocument;

namespace {

const QDateTime kPrintTime(QDate(2026, 12, 10), QTime(9, 5, 7));

QString Lines(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("%1 2026/12/10 9:05:07 抽文本(名字) 名单.txt      张三%1").arg(i, 2, 10, QChar(u'0'));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class TestResultDocument : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void simpleDocumentParagraphs_data() {
        QTest::addColumn<QString>("records");
        QTest::addColumn<QStringList>("recordParagraphs");
        QTest::newRow("CR LF lines") << "01 a\r\n02 b" << QStringList{"left|12|01 a", "left|12|02 b"};
        QTest::newRow("LF lines") << "01 a\n02 b" << QStringList{"left|12|01 a", "left|12|02 b"};
        QTest::newRow("one line") << "张三" << QStringList{"left|12|张三"};
        QTest::newRow("empty lines stay") << "a\r\n\r\nb\r\n"
                                          << QStringList{"left|12|a", "left|12|", "left|12|b", "left|12|"};
    }
    void simpleDocumentParagraphs() {
        QFETCH(QString, records);
        QFETCH(QStringList, recordParagraphs);
        const QString path = dir_.filePath(QStringLiteral("simple.docx"));
        QString error;
        QVERIFY2(
            SimpleResultDocument(QStringLiteral("数据来源：抽取记录 2026_12_10_09时05分07秒.txt"), records, kPrintTime)
                .saveDocx(path, &error),
            qPrintable(error));
        const QStringList expected =
            QStringList{"center|b14|TovrelZandrel", "center|b14|抽取结果", "center|14|",
                        "left|b12|数据来源：抽取记录 2026_12_10_09时05分07秒.txt", "left|12|"} +
            recordParagraphs +
            QStringList{"left|12|", "left|12|注意： 抽取结果以现场公开实际抽取情况为准！", "left|12|",
                        "right|b12|TovrelZandrel", "right|b12|打印时间：2026/12/10 9:05:07"};
        QCOMPARE(DocxParagraphs(path, "word/document.xml"), expected);
        QCOMPARE(DocxParagraphs(path, "word/header1.xml"), QStringList{"both||TovrelZandrel"});
        QCOMPARE(DocxParagraphs(path, "word/footer1.xml"), QStringList{"center||第 {PAGE} 页 共 {NUMPAGES} 页"});
    }

    void pagePartsAreDeclared() {
        const QString path = dir_.filePath(QStringLiteral("parts.docx"));
        QVERIFY(SimpleResultDocument({}, QStringLiteral("x"), kPrintTime).saveDocx(path));
        const auto archive = platform::ZipArchive::open(path);
        QVERIFY(archive);
        const QByteArray types = archive->read("[Content_Types].xml").value_or("");
        QVERIFY(types.contains("/word/header1.xml"));
        QVERIFY(types.contains("/word/footer1.xml"));
        const QByteArray rels = archive->read("word/_rels/document.xml.rels").value_or("");
        QVERIFY(rels.contains("Target=\"header1.xml\""));
        QVERIFY(rels.contains("Target=\"footer1.xml\""));
        const QByteArray body = archive->read("word/document.xml").value_or("");
        QVERIFY(body.contains("headerReference"));
        QVERIFY(body.contains("footerReference"));
    }

    void footerCountsPages() {
        QTextDocument doc;
        ResultDocument::fill(&doc, {SimpleResultDocument({}, QStringLiteral("x"), kPrintTime).footer()}, 2, 3);
        QCOMPARE(doc.toPlainText(), QStringLiteral("第 2 页 共 3 页"));
        QCOMPARE(doc.begin().blockFormat().alignment(), Qt::AlignHCenter);
    }

    void printedBodyHoldsTheRecords() {
        QTextDocument doc;
        ResultDocument::fill(&doc,
                             SimpleResultDocument(QStringLiteral("数据来源：批量抽取结果(即时)"),
                                                  QStringLiteral("1 2 3\n4 5"), kPrintTime)
                                 .body(),
                             1, 1);
        QCOMPARE(doc.toPlainText(),
                 QStringLiteral("TovrelZandrel\n抽取结果\n\n数据来源：批量抽取结果(即时)\n\n1 2 3\n4 5\n\n"
                                "注意： 抽取结果以现场公开实际抽取情况为准！\n\nTovrelZandrel\n"
                                "打印时间：2026/12/10 9:05:07"));
    }

    void printsAsManyPagesAsNeeded_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("severalPages");
        QTest::newRow("three records") << 3 << false;
        QTest::newRow("two hundred records") << 200 << true;
    }
    void printsAsManyPagesAsNeeded() {
        QFETCH(int, lines);
        QFETCH(bool, severalPages);
        const QString pdf = dir_.filePath(QStringLiteral("out%1.pdf").arg(lines));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QString error;
        QVERIFY2(print::PrintResultDocument(SimpleResultDocument({}, Lines(lines), kPrintTime), printer,
                                            QStringLiteral("out"), &error),
                 qPrintable(error));
        const int pages = PdfPages(pdf);
        QVERIFY2(severalPages ? pages > 1 : pages == 1, qPrintable(QString::number(pages)));
    }

    void printerThatCannotStartIsReported() {
        const QString pdf = dir_.filePath(QStringLiteral("missing/out.pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QString error;
        QVERIFY(!print::PrintResultDocument(SimpleResultDocument({}, QStringLiteral("x"), kPrintTime), printer,
                                            QStringLiteral("out"), &error));
        QCOMPARE(error, QStringLiteral("打印机“%1”无法开始打印。").arg(pdf));
    }
};

QTEST_MAIN(TestResultDocument)
#include "tst_resultdocument.moc"
