#include "platform/office/DocConversion.h"
#include "platform/office/DocxWriter.h"
#include "platform/office/WordDocument.h"
#include "platform/office/ZipArchive.h"

#include "FormatSummary.h"
#include "WriteLimit.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <QtTest>

using namespace platform;

Q_DECLARE_METATYPE(platform::DocxCell)
Q_DECLARE_METATYPE(platform::DocxRun)

namespace {

const QString kW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The body of a document.xml as Word writes it, for markup our writer never produces.
QByteArray DocumentXml(const QString& body) {
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
            " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
            " xmlns:v=\"urn:schemas-microsoft-com:vml\""
            " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\">"
            "<w:body>" +
            body + "</w:body></w:document>")
        .toUtf8();
}

QImage RedPicture() {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

} // namespace

class TestDocx : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int files_ = 0;

    QString freshPath(const QString& suffix = ".docx") {
        return dir_.filePath(QString("f%1%2").arg(++files_).arg(suffix));
    }

    QString save(const DocxWriter& w) {
        const QString path = freshPath();
        QString error;
        if (!w.save(path, &error)) qFatal("cannot write fixture: %s", qPrintable(error));
        return path;
    }

    QString saveZip(const ZipArchive::Entries& entries, const QString& suffix = ".docx") {
        const QString path = freshPath(suffix);
        if (!ZipArchive::write(path, entries)) qFatal("cannot write fixture %s", qPrintable(path));
        return path;
    }

    // A document whose only table has one row holding this cell.
    QString saveCell(const DocxCell& cell) {
        DocxWriter w;
        w.addTable().addRow({cell});
        return save(w);
    }

    WordDocument load(const QString& path) {
        QString error;
        std::optional<WordDocument> doc = WordDocument::open(path, &error);
        if (!doc) qFatal("cannot read %s: %s", qPrintable(path), qPrintable(error));
        return std::move(*doc);
    }

private slots:
    void tableShape_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<int>("columns");
        QTest::newRow("header only") << QList<QStringList>{{"题号", "题目", "答案"}} << 3;
        QTest::newRow("two columns") << QList<QStringList>{{"题号", "题目"}, {"1", "一"}, {"2", "二"}} << 2;
        QTest::newRow("short row") << QList<QStringList>{{"a", "b", "c"}, {"1"}, {"2", "x", "y", "z"}} << 4;
    }
    void tableShape() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(int, columns);
        DocxWriter w;
        DocxTable& table = w.addTable();
        for (const QStringList& row : rows) {
            std::vector<DocxCell> cells;
            for (const QString& text : row)
                cells.push_back(DocxCell::text(text));
            table.addRow(cells);
        }
        const WordDocument doc = load(save(w));
        QCOMPARE(doc.tableCount(), 1);
        QCOMPARE(doc.rowCount(), rows.size());
        QCOMPARE(doc.columnCount(), columns);
        for (int r = 0; r <= rows.size(); ++r) {
            for (int c = 0; c <= columns; ++c) {
                const QString expected = r < rows.size() ? rows[r].value(c) : QString(); // missing cells are empty
                QCOMPARE(doc.text(r, c), expected);
                QCOMPARE(doc.firstParagraphText(r, c), expected);
            }
        }
    }

    void cellText_data() {
        QTest::addColumn<DocxCell>("cell");
        QTest::addColumn<QString>("firstParagraph");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << DocxCell() << ""
                               << "";
        QTest::newRow("number") << DocxCell::text("7") << "7"
                                << "7";
        QTest::newRow("two paragraphs") << DocxCell::text("12").addParagraph({{.text = "分值 5"}}) << "12"
                                        << "12\r分值 5";
        QTest::newRow("empty first paragraph") << DocxCell::runs({}).addParagraph({{.text = "3"}}) << ""
                                               << "\r3";
        QTest::newRow("line break and tab") << DocxCell::text("3\n4\t5") << "3\n4\t5"
                                            << "3\n4\t5";
        QTest::newRow("runs") << DocxCell::runs({{.text = "1"}, {.text = "2", .bold = true}}) << "12"
                              << "12";
    }
    void cellText() {
        QFETCH(DocxCell, cell);
        QFETCH(QString, firstParagraph);
        QFETCH(QString, text);
        const WordDocument doc = load(saveCell(cell));
        QCOMPARE(doc.firstParagraphText(0, 0), firstParagraph);
        QCOMPARE(doc.text(0, 0), text);
    }

    // Word markup our writer never produces: links, fields, revisions, content controls, nested tables.
    void cellMarkup_data() {
        QTest::addColumn<QString>("cellXml");
        QTest::addColumn<QString>("text");
        const QString run = "<w:r><w:t>%1</w:t></w:r>";
        QTest::newRow("hyperlink") << "<w:p><w:hyperlink r:id=\"rId9\">" + run.arg("link") + "</w:hyperlink></w:p>"
                                   << "link";
        QTest::newRow("simple field") << "<w:p><w:fldSimple w:instr=\"PAGE\">" + run.arg("5") + "</w:fldSimple></w:p>"
                                      << "5";
        QTest::newRow("field code skipped")
            << "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText>PAGE</w:instrText></w:r>"
               "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" +
                   run.arg("5") + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>"
            << "5";
        QTest::newRow("revisions") << "<w:p><w:ins>" + run.arg("new") +
                                          "</w:ins><w:del><w:r><w:delText>old</w:delText></w:r></w:del></w:p>"
                                   << "new";
        QTest::newRow("smart tag and content control")
            << "<w:p><w:smartTag w:element=\"x\">" + run.arg("a") +
                   "</w:smartTag><w:sdt><w:sdtPr><w:alias w:val=\"hint\"/></w:sdtPr><w:sdtContent>" + run.arg("b") +
                   "</w:sdtContent></w:sdt></w:p>"
            << "ab";
        QTest::newRow("alternate content once")
            << "<w:p><mc:AlternateContent><mc:Choice Requires=\"w14\">" + run.arg("x") + "</mc:Choice><mc:Fallback>" +
                   run.arg("x") + "</mc:Fallback></mc:AlternateContent></w:p>"
            << "x";
        QTest::newRow("nested table") << "<w:p>" + run.arg("a") + "</w:p><w:tbl><w:tr><w:tc><w:p>" + run.arg("b") +
                                             "</w:p></w:tc><w:tc><w:p>" + run.arg("c") +
                                             "</w:p></w:tc></w:tr></w:tbl><w:p/>"
                                      << "a\rb\rc\r";
    }
    void cellMarkup() {
        QFETCH(QString, cellXml);
        QFETCH(QString, text);
        const QString table = "<w:tbl><w:tr><w:tc>" + cellXml + "</w:tc></w:tr></w:tbl>";
        const WordDocument doc = load(saveZip({{"word/document.xml", DocumentXml(table)}}));
        QCOMPARE(doc.tableCount(), 1);
        QCOMPARE(doc.columnCount(), 1);
        QCOMPARE(doc.text(0, 0), text);
    }

    void runFormats_data() {
        QTest::addColumn<DocxRun>("run");
        QTest::addColumn<QString>("summary");
        // The writer names 宋体 for the East Asian text of every run without a font of its own.
        QTest::newRow("plain") << DocxRun{.text = "X"} << "font=宋体";
        QTest::newRow("bold") << DocxRun{.text = "X", .bold = true} << "bold font=宋体";
        QTest::newRow("italic underline strike")
            << DocxRun{.text = "X", .italic = true, .underline = true, .strikeOut = true}
            << "italic underline strike font=宋体";
        QTest::newRow("colour") << DocxRun{.text = "X", .color = QColor("#c00000")} << "font=宋体 fg=#c00000";
        QTest::newRow("size") << DocxRun{.text = "X", .pointSize = 14.5} << "size=14.5 font=宋体";
        QTest::newRow("font") << DocxRun{.text = "X", .font = "楷体"} << "font=楷体";
        QTest::newRow("all") << DocxRun{.text = "X", .bold = true, .color = Qt::blue, .pointSize = 9, .font = "Arial"}
                             << "bold size=9 font=Arial fg=#0000ff";
    }
    void runFormats() {
        QFETCH(DocxRun, run);
        QFETCH(QString, summary);
        // Plain neighbours show that the format covers exactly its run.
        const WordDocument doc = load(saveCell(DocxCell::runs({{.text = "a"}, run, {.text = "b"}})));
        QTextDocument out;
        doc.fillCell(0, 0, &out);
        const QString plain = "font=宋体";
        const QString expected =
            summary == plain ? "aXb[" + plain + "]" : "a[" + plain + "]X[" + summary + "]b[" + plain + "]";
        QCOMPARE(Fragments(out), expected);
    }

    // Every run names a Chinese face for its East Asian text and the zh-CN language, so that an office program
    // does not set the Chinese in its own default East Asian face.
    void runsNameAChineseFace_data() {
        QTest::addColumn<DocxRun>("run");
        QTest::addColumn<QString>("eastAsiaFont");
        QTest::newRow("plain") << DocxRun{.text = "抽取结果"} << "宋体";
        QTest::newRow("formatted") << DocxRun{.text = "张三", .bold = true, .underline = true, .pointSize = 14}
                                   << "宋体";
        QTest::newRow("own font") << DocxRun{.text = "李四", .font = "楷体"} << "楷体";
        QTest::newRow("page field") << DocxRun{.field = DocxField::Page} << "宋体";
    }
    void runsNameAChineseFace() {
        QFETCH(DocxRun, run);
        QFETCH(QString, eastAsiaFont);
        DocxWriter w;
        w.addParagraph({run});
        w.addTable().addRow({DocxCell::runs({run})});
        w.setHeader({run}, DocxAlignment::Justify);
        w.setFooter({run}, DocxAlignment::Center);
        const QString path = save(w);
        const std::optional<ZipArchive> zip = ZipArchive::open(path);
        QVERIFY(zip);
        for (const char* part : {"word/document.xml", "word/header1.xml", "word/footer1.xml"}) {
            QXmlStreamReader xml(zip->read(QString::fromLatin1(part)).value_or(QByteArray()));
            int runs = 0;
            QStringList fonts;
            QStringList languages;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) continue;
                const QXmlStreamAttributes a = xml.attributes();
                if (xml.name() == u"r") ++runs;
                if (xml.name() == u"rFonts") fonts << a.value(kW, "eastAsia").toString();
                if (xml.name() == u"lang") languages << a.value(kW, "eastAsia").toString();
            }
            QVERIFY2(!xml.hasError(), part);
            QVERIFY2(runs > 0, part);
            QCOMPARE(fonts, QStringList(runs, eastAsiaFont));
            QCOMPARE(languages, QStringList(runs, "zh-CN"));
        }
    }

    void cellDocument() {
        const DocxCell cell = DocxCell::runs({{.text = "line\none", .bold = true}}).addParagraph({{.text = "second"}});
        const WordDocument doc = load(saveCell(cell));
        QTextDocument out;
        out.setPlainText("left over");
        doc.fillCell(0, 0, &out);
        QCOMPARE(out.blockCount(), 2);
        QCOMPARE(Fragments(out), QString("line\u2028one[bold font=宋体]|second[font=宋体]"));
        doc.fillCell(5, 5, &out); // no such cell
        QVERIFY(out.isEmpty());
    }

    void picture_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSizeF>("size");
        DocxRun picture{.picture = RedPicture(), .pictureSize = QSizeF(80, 30)};
        QTest::newRow("drawing") << saveCell(DocxCell::runs({{.text = "before"}, picture, {.text = "after"}}))
                                 << QSizeF(80, 30);
        QTest::newRow("drawing at own size")
            << saveCell(DocxCell::runs({{.text = "before"}, {.picture = RedPicture()}, {.text = "after"}}))
            << QSizeF(40, 20);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        RedPicture().save(&buffer, "PNG");
        const QString rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                             "<Relationship Id=\"rId7\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                             "relationships/image\" Target=\"media/old.png\"/></Relationships>";
        const QString cell = "<w:p><w:r><w:t>before</w:t></w:r><w:r><w:pict><v:shape style=\"width:45pt;height:15pt\">"
                             "<v:imagedata r:id=\"rId7\"/></v:shape></w:pict></w:r><w:r><w:t>after</w:t></w:r></w:p>";
        QTest::newRow("vml") << saveZip({{"word/document.xml",
                                          DocumentXml("<w:tbl><w:tr><w:tc>" + cell + "</w:tc></w:tr></w:tbl>")},
                                         {"word/_rels/document.xml.rels", rels.toUtf8()},
                                         {"word/media/old.png", png}})
                             << QSizeF(60, 20);
    }
    void picture() {
        QFETCH(QString, path);
        QFETCH(QSizeF, size);
        const WordDocument doc = load(path);
        QCOMPARE(doc.text(0, 0), QString("beforeafter"));
        QTextDocument out;
        doc.fillCell(0, 0, &out);
        QTextImageFormat image;
        for (auto it = out.begin().begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) image = it.fragment().charFormat().toImageFormat();
        }
        QVERIFY(image.isValid());
        QCOMPARE(QSizeF(image.width(), image.height()), size);
        const QImage stored = out.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        QCOMPARE(stored.size(), QSize(40, 20));
        QCOMPARE(stored.pixelColor(0, 0), QColor(Qt::red));
    }

    void firstTableAmongOthers() {
        DocxWriter w;
        w.addParagraph("说明：第一张表是题库。");
        w.addTable().addRow({DocxCell::text("题号")}).addRow({DocxCell::text("1")});
        w.addParagraph("between");
        w.addTable().addRow({DocxCell::text("other"), DocxCell::text("table"), DocxCell::text("wider")});
        const WordDocument doc = load(save(w));
        QCOMPARE(doc.tableCount(), 2);
        QCOMPARE(doc.rowCount(), 2);
        QCOMPARE(doc.columnCount(), 1);
        QCOMPARE(doc.text(1, 0), QString("1"));
    }

    void noTable() {
        DocxWriter w;
        w.addParagraph("只有正文");
        const WordDocument doc = load(save(w));
        QCOMPARE(doc.tableCount(), 0);
        QCOMPARE(doc.rowCount(), 0);
        QCOMPARE(doc.columnCount(), 0);
        QCOMPARE(doc.text(0, 0), QString());
    }

    // A disk that fills up at the n-th byte keeps the old document and says why.
    void fullDiskKeepsTheOldDocument_data() {
        QTest::addColumn<int>("limit");
        QTest::newRow("no byte") << 0;
        QTest::newRow("first byte") << 1;
        QTest::newRow("half") << -2;
        QTest::newRow("all but the last byte") << -1;
    }
    void fullDiskKeepsTheOldDocument() {
        QFETCH(int, limit);
        QTemporaryDir dir;
        const QString path = dir.filePath("old.docx");
        DocxWriter old;
        old.addParagraph("old");
        QVERIFY(old.save(path));
        const QByteArray oldBytes = Read(path);
        DocxWriter w;
        for (int i = 0; i < 50; ++i)
            w.addParagraph(QString("新的段落 %1").arg(i));
        const qint64 size = QFileInfo(save(w)).size();
        if (limit == -1) limit = int(size - 1);
        if (limit == -2) limit = int(size / 2);
        QString error;
        bool ok;
        {
            WriteLimit full(limit);
            ok = w.save(path, &error);
        }
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(Read(path), oldBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.docx"});
    }

    void openFails_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        const QString random = freshPath();
        QFile file(random);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(noise) == noise.size());
        file.close();
        QTest::newRow("random bytes") << random << "not a zip package";
        QTest::newRow("missing file") << dir_.filePath("nothing.docx") << "file not found";
        QTest::newRow("no document part") << saveZip({{"word/other.xml", "<x/>"}}) << "word/document.xml missing";
        QTest::newRow("broken xml") << saveZip({{"word/document.xml", DocumentXml("<w:tbl><w:tr></w:tbl>")}})
                                    << "XML error at line 1";
        QTest::newRow("not a document") << saveZip({{"word/document.xml", "<html/>"}}) << "not w:document";
    }
    void openFails() {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!WordDocument::open(path, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    // Hostile bodies, each small as a file: they must be refused with a message, not crash or eat the memory.
    void pastBounds_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("reason");
        const auto nested = [](const QString& open, const QString& close, int levels) {
            return open.repeated(levels) + close.repeated(levels);
        };
        const QString row = "<w:tr><w:tc><w:p/></w:tc></w:tr>";
        QTest::newRow("nested content controls") << nested("<w:sdt>", "</w:sdt>", 200000) << "元素嵌套超过256层";
        QTest::newRow("nesting in a table")
            << "<w:tbl>" + nested("<w:customXml>", "</w:customXml>", 200000) + "</w:tbl>"
            << "元素嵌套超过256层";
        QTest::newRow("nesting in a row") << "<w:tbl><w:tr>" + nested("<w:sdt>", "</w:sdt>", 200000) + "</w:tr></w:tbl>"
                                          << "元素嵌套超过256层";
        QTest::newRow("nesting in a cell")
            << "<w:tbl><w:tr><w:tc>" + nested("<w:hyperlink>", "</w:hyperlink>", 200000) + "</w:tc></w:tr></w:tbl>"
            << "元素嵌套超过256层";
        QTest::newRow("nested runs") << "<w:tbl><w:tr><w:tc><w:p>" + nested("<w:r>", "</w:r>", 200000) +
                                            "</w:p></w:tc></w:tr></w:tbl>"
                                     << "元素嵌套超过256层";
        QTest::newRow("too many rows") << "<w:tbl>" + row.repeated(100001) + "</w:tbl>"
                                       << "表格超过100000行";
        QTest::newRow("empty cells") << "<w:tbl><w:tr>" + QString("<w:tc/>").repeated(2000001) + "</w:tr></w:tbl>"
                                     << "单元格超过2000000个";
        QTest::newRow("too much text") << "<w:tbl><w:tr><w:tc><w:p><w:r>" +
                                              QString("<w:t>%1</w:t>").arg(QString(1 << 20, u'x')).repeated(33) +
                                              "</w:r></w:p></w:tc></w:tr></w:tbl>"
                                       << "文字超过33554432个字符";
    }
    void pastBounds() {
        QFETCH(QString, body);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!WordDocument::open(saveZip({{"word/document.xml", DocumentXml(body)}}), &error));
        QCOMPARE(error, "文件超出了程序能读取的范围：" + reason + "。");
    }
    void withinBounds() {
        const QString deep = QString("<w:sdt>").repeated(200) +
                             "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>深</w:t></w:r></w:p>" + "</w:tc></w:tr></w:tbl>" +
                             QString("</w:sdt>").repeated(200);
        const WordDocument doc = load(saveZip({{"word/document.xml", DocumentXml(deep)}}));
        QCOMPARE(doc.text(0, 0), "深");
    }

    void docWithoutLibreOffice() {
        const QString doc = saveZip({{"x", "y"}}, ".DOC");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir_.path()));
        QString error;
        const bool opened = WordDocument::open(doc, &error).has_value();
        qputenv("PATH", path);
        QVERIFY(!opened);
        QCOMPARE(error, QString("LibreOffice is not installed"));
    }

    void docRoundTrip() {
        const QString office = FindLibreOffice();
        if (office.isEmpty()) QSKIP("LibreOffice is not installed");
        DocxWriter w;
        w.addTable()
            .addRow({DocxCell::text("题号"), DocxCell::text("题目")})
            .addRow({DocxCell::text("1"), DocxCell::runs({{.text = "粗体", .bold = true}, {.text = "题"}})});
        const QString docx = save(w);
        QTemporaryDir profile;
        QProcess process;
        process.start(office, {"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(), "--headless",
                               "--convert-to", "doc", "--outdir", dir_.path(), docx});
        QVERIFY(process.waitForFinished(120000));
        const QString doc = QFileInfo(docx).path() + "/" + QFileInfo(docx).completeBaseName() + ".doc";
        QVERIFY2(QFileInfo::exists(doc), process.readAll().constData());

        const WordDocument read = load(doc);
        QCOMPARE(read.rowCount(), 2);
        QCOMPARE(read.text(0, 1), QString("题目"));
        QTextDocument out;
        read.fillCell(1, 1, &out);
        QCOMPARE(out.toPlainText(), QString("粗体题"));
        QTextCursor cursor(&out);
        cursor.setPosition(1);
        QVERIFY(cursor.charFormat().fontWeight() >= QFont::DemiBold);
    }
};

QTEST_MAIN(TestDocx)
#include "tst_docx.moc"
