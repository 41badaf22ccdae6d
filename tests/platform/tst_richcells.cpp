// What a question cell keeps of the way the teacher wrote it: raised and lowered text, equations, metafile
// pictures, highlighting and alignment.
#include "platform/office/WordDocument.h"
#include "platform/office/ZipArchive.h"
#include "platform/richtext/Rtf.h"

#include "FormatSummary.h"
#include "MetafileFixture.h"
#include "OfficeFixture.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QtTest>

using namespace platform;

namespace {

QString Run(const QString& text, const QString& properties = {}) {
    return "<w:r>" + (properties.isEmpty() ? QString() : "<w:rPr>" + properties + "</w:rPr>") +
           "<w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
}

QString Paragraph(const QString& content, const QString& properties = {}) {
    return "<w:p>" + (properties.isEmpty() ? QString() : "<w:pPr>" + properties + "</w:pPr>") + content + "</w:p>";
}

} // namespace

class TestRichCells : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int files_ = 0;

    QString freshPath(const QString& suffix) { return dir_.filePath(QString("f%1%2").arg(++files_).arg(suffix)); }

    QString saveZip(const ZipArchive::Entries& entries) {
        const QString path = freshPath(".docx");
        if (!ZipArchive::write(path, entries)) qFatal("cannot write fixture %s", qPrintable(path));
        return path;
    }

    // The rich text of the first cell, as the question boxes get it: through RTF.
    QTextDocument* firstCell(const QString& path) {
        QString error;
        const std::optional<WordDocument> doc = WordDocument::open(path, &error);
        if (!doc) qFatal("cannot read %s: %s", qPrintable(path), qPrintable(error));
        QTextDocument cell;
        doc->fillCell(0, 0, &cell);
        auto* shown = new QTextDocument(this);
        if (!ReadRtf(WriteRtf(cell), shown)) qFatal("the cell's RTF cannot be read back");
        return shown;
    }

    QTextDocument* cellOf(const QString& cellXml) {
        return firstCell(saveZip({{"word/document.xml", WordTableXml({cellXml})}}));
    }

private slots:
    void scripts_data() {
        QTest::addColumn<QString>("cellXml");
        QTest::addColumn<QString>("fragments");
        QTest::newRow("subscript") << Paragraph(Run("H") + Run("2", "<w:vertAlign w:val=\"subscript\"/>") + Run("O"))
                                   << "H[]2[sub]O[]";
        QTest::newRow("superscript") << Paragraph(Run("x") + Run("2", "<w:vertAlign w:val=\"superscript\"/>"))
                                     << "x[]2[super]";
        // LibreOffice's own way: raised by half-points, in a size it has already made smaller.
        QTest::newRow("raised by position")
            << Paragraph(Run("x") + Run("2", "<w:position w:val=\"6\"/><w:sz w:val=\"16\"/>")) << "x[]2[super size=12]";
        QTest::newRow("lowered by position")
            << Paragraph(Run("H") + Run("2", "<w:position w:val=\"-4\"/><w:sz w:val=\"16\"/>")) << "H[]2[sub size=12]";
        QTest::newRow("position zero") << Paragraph(Run("x") + Run("2", "<w:position w:val=\"0\"/>")) << "x2[]";
        QTest::newRow("highlight") << Paragraph(Run("a") + Run("b", "<w:highlight w:val=\"yellow\"/>"))
                                   << "a[]b[bg=#ffff00]";
        QTest::newRow("shading") << Paragraph(Run("b", "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"00FF00\"/>"))
                                 << "b[bg=#00ff00]";
        QTest::newRow("highlight over shading")
            << Paragraph(Run("b", "<w:highlight w:val=\"cyan\"/><w:shd w:val=\"clear\" w:fill=\"FF0000\"/>"))
            << "b[bg=#00ffff]";
        QTest::newRow("no highlight") << Paragraph(Run("b", "<w:highlight w:val=\"none\"/>")) << "b[]";
    }
    void scripts() {
        QFETCH(QString, cellXml);
        QFETCH(QString, fragments);
        QCOMPARE(Fragments(*cellOf(cellXml)), fragments);
    }

    void equations_data() {
        QTest::addColumn<QString>("math");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scripts");
        const auto r = [](const QString& t) { return "<m:r><m:t>" + t + "</m:t></m:r>"; };
        const auto arg = [](const QString& name, const QString& content) {
            return "<m:" + name + ">" + content + "</m:" + name + ">";
        };
        QTest::newRow("square and fraction") << arg("sSup", arg("e", r("x")) + arg("sup", r("2"))) + r("+") +
                                                    arg("f", arg("num", r("1")) + arg("den", r("3")))
                                             << "x2+1/3"
                                             << ".^....";
        QTest::newRow("compound fraction") << arg("f", arg("num", r("a+b")) + arg("den", r("c"))) << "(a+b)/c"
                                           << ".......";
        QTest::newRow("subscript and both")
            << r("H") + arg("sSub", arg("e", "") + arg("sub", r("2"))) + r("O") +
                   arg("sSubSup", arg("e", r("x")) + arg("sub", r("i")) + arg("sup", r("2")))
            << "H2Oxi2"
            << "._.._^";
        QTest::newRow("square root") << arg("rad",
                                            "<m:radPr><m:degHide m:val=\"1\"/></m:radPr><m:deg/>" + arg("e", r("x+1")))
                                     << "√(x+1)"
                                     << "......";
        QTest::newRow("cube root") << arg("rad", arg("deg", r("3")) + arg("e", r("x"))) << "3√x"
                                   << "^..";
        QTest::newRow("sum") << arg("nary", "<m:naryPr><m:chr m:val=\"∑\"/></m:naryPr>" + arg("sub", r("i=1")) +
                                                arg("sup", r("n")) + arg("e", r("i")))
                             << "∑i=1ni"
                             << ".___^.";
        QTest::newRow("integral by default")
            << arg("nary", arg("sub", r("0")) + arg("sup", r("1")) + arg("e", r("x"))) << "∫01x"
            << "._^.";
        QTest::newRow("brackets") << arg("d", arg("e", r("a")) + arg("e", r("b"))) << "(a|b)"
                                  << ".....";
        QTest::newRow("square brackets") << arg("d", "<m:dPr><m:begChr m:val=\"[\"/><m:endChr m:val=\"]\"/></m:dPr>" +
                                                         arg("e", r("x")))
                                         << "[x]"
                                         << "...";
        QTest::newRow("no closing bracket")
            << arg("d", "<m:dPr><m:begChr m:val=\"{\"/><m:endChr m:val=\"\"/></m:dPr>" + arg("e", r("x"))) << "{x"
            << "..";
        QTest::newRow("matrix") << arg("d", arg("e", arg("m", arg("mr", arg("e", r("1")) + arg("e", r("2"))) +
                                                                  arg("mr", arg("e", r("3")) + arg("e", r("4"))))))
                                << "(1 2; 3 4)"
                                << "..........";
        QTest::newRow("function") << arg("func",
                                         arg("fName", "<m:r><m:rPr><m:sty m:val=\"p\"/></m:rPr><m:t>sin</m:t></m:r>") +
                                             arg("e", r("x")))
                                  << "sin x"
                                  << ".....";
        QTest::newRow("limit") << arg("limLow", arg("e", r("lim")) + arg("lim", r("x→0"))) << "limx→0"
                               << "...___";
        QTest::newRow("accent") << arg("acc", arg("e", r("a"))) << "a\u0302"
                                << "..";
        QTest::newRow("equation array") << arg("eqArr", arg("e", r("x=1")) + arg("e", r("y=2"))) << "x=1\ny=2"
                                        << ".......";
        QTest::newRow("unknown structure keeps its content")
            << arg("newThing", arg("e", r("a")) + arg("x", r("b"))) << "ab"
            << "..";
        QTest::newRow("display equation") << "<m:oMathPara><m:oMath>" + r("y") + "</m:oMath></m:oMathPara>"
                                          << "y"
                                          << ".";
    }
    void equations() {
        QFETCH(QString, math);
        QFETCH(QString, text);
        QFETCH(QString, scripts);
        const QString xml = math.startsWith("<m:oMathPara") ? math : "<m:oMath>" + math + "</m:oMath>";
        const QTextDocument* cell = cellOf(Paragraph(xml));
        QCOMPARE(cell->toPlainText(), text);
        QCOMPARE(Scripts(*cell), scripts);
    }

    void deepEquationLeavesAMark() {
        QString math = "<m:r><m:t>x</m:t></m:r>";
        for (int i = 0; i < 200; ++i)
            math = "<m:d><m:e>" + math + "</m:e></m:d>";
        const QString text = cellOf(Paragraph("<m:oMath>" + math + "</m:oMath>"))->toPlainText();
        QVERIFY2(text.contains("〔…〕"), qPrintable(text));
        QVERIFY(text.startsWith("((((("));
    }

    void equationLetters() {
        const QTextDocument* cell = cellOf(Paragraph(
            "<m:oMath><m:sSup><m:e><m:r><m:t>x</m:t></m:r></m:e><m:sup><m:r><m:t>2</m:t></m:r></m:sup></m:sSup>"
            "<m:r><m:rPr><m:sty m:val=\"p\"/></m:rPr><m:t>cm</m:t></m:r><m:r><m:t>+1</m:t></m:r></m:oMath>"));
        QCOMPARE(Fragments(*cell), QString("x[italic]2[super]cm+1[]"));
    }

    // Old equations are OLE objects shown by their WMF or EMF preview; drawings may be metafiles too.
    void metafilePictures_data() {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("drawingMl");
        QTest::addColumn<QColor>("centre"); // invalid: the picture cannot be shown
        QTest::newRow("equation preview, wmf")
            << "image1.wmf" << WmfRectangle(80, 40, Qt::red) << false << QColor(Qt::red);
        QTest::newRow("equation preview, emf")
            << "image1.emf" << EmfRectangle(80, 40, Qt::blue) << false << QColor(Qt::blue);
        QTest::newRow("drawing, wmf") << "image2.wmf" << WmfRectangle(80, 40, Qt::green) << true << QColor(Qt::green);
        QTest::newRow("damaged preview") << "image1.wmf" << WmfRectangle(80, 40, Qt::red).left(40) << false << QColor();
        QTest::newRow("damaged drawing") << "image3.png" << QByteArray("\x89PNG broken") << true << QColor();
    }

    // A bank kept as .doc by LibreOffice: its metafile pictures come back through LibreOffice and are shown.
    void metafilesThroughLibreOfficeDoc() {
        const QString rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                             "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                             "relationships/image\" Target=\"media/image1.wmf\"/>"
                             "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                             "relationships/image\" Target=\"media/image2.emf\"/></Relationships>";
        const QString object = "<w:r><w:object><v:shape style=\"width:60pt;height:30pt\"><v:imagedata r:id=\"%1\"/>"
                               "</v:shape></w:object></w:r>";
        const QString table =
            "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr><w:tblGrid><w:gridCol "
            "w:w=\"4000\"/></w:tblGrid><w:tr><w:tc>" +
            Paragraph(Run("图") + object.arg("rId1") + object.arg("rId2")) +
            "</w:tc></w:tr></w:tbl><w:p/>"; // a body ends with a paragraph, or LibreOffice drops the table
        const QString docx = saveZip(
            {{"[Content_Types].xml",
              "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
              "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
              "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
              "<Default Extension=\"wmf\" ContentType=\"image/x-wmf\"/><Default Extension=\"emf\" "
              "ContentType=\"image/x-emf\"/><Override PartName=\"/word/document.xml\" ContentType=\"application/"
              "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>"},
             {"_rels/.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                             "<Relationship Id=\"r1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                             "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
             {"word/document.xml", WordXml(table)},
             {"word/_rels/document.xml.rels", rels.toUtf8()},
             {"word/media/image1.wmf", WmfRectangle(80, 40, Qt::red)},
             {"word/media/image2.emf", EmfRectangle(80, 40, Qt::blue)}});
        QString why;
        const QString doc = ConvertWithLibreOffice(docx, "doc", &why);
        if (doc.isEmpty()) QSKIP(qPrintable(why));
        const QTextDocument* cell = firstCell(doc);
        QList<QColor> centres;
        for (auto it = cell->begin().begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().isImageFormat()) continue;
            const QImage image =
                cell->resource(QTextDocument::ImageResource, QUrl(it.fragment().charFormat().toImageFormat().name()))
                    .value<QImage>();
            centres << image.pixelColor(image.width() / 2, image.height() / 2);
        }
        QCOMPARE(centres, (QList<QColor>{Qt::red, Qt::blue}));
    }

    void objectWithoutPictureLeavesAMark() {
        const QTextDocument* cell = cellOf(Paragraph(
            Run("前") +
            "<w:r><w:drawing><wp:inline><wp:extent cx=\"9525\" cy=\"9525\"/><a:graphic><a:graphicData uri=\"chart\"/>"
            "</a:graphic></wp:inline></w:drawing></w:r>" +
            Run("后")));
        QCOMPARE(cell->toPlainText(), QString("前〔无法显示的对象〕后"));
    }
    void metafilePictures() {
        QFETCH(QString, part);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, drawingMl);
        QFETCH(QColor, centre);
        const QString picture =
            drawingMl ? "<w:drawing><wp:inline><wp:extent cx=\"762000\" cy=\"381000\"/><a:graphic><a:graphicData>"
                        "<a:blip r:embed=\"rId1\"/></a:graphicData></a:graphic></wp:inline></w:drawing>"
                      : "<w:object><v:shape style=\"width:60pt;height:30pt\" o:ole=\"\"><v:imagedata r:id=\"rId1\"/>"
                        "</v:shape><o:OLEObject Type=\"Embed\" ProgID=\"Equation.3\" r:id=\"rId2\"/></w:object>";
        const QString rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                             "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                             "relationships/image\" Target=\"media/" +
                             part + "\"/></Relationships>";
        const QTextDocument* cell = firstCell(saveZip(
            {{"word/document.xml", WordTableXml({Paragraph(Run("前") + "<w:r>" + picture + "</w:r>" + Run("后"))})},
             {"word/_rels/document.xml.rels", rels.toUtf8()},
             {"word/media/" + part, bytes}}));
        QTextImageFormat image;
        for (auto it = cell->begin().begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) image = it.fragment().charFormat().toImageFormat();
        }
        if (!centre.isValid()) {
            QVERIFY(image.name().isEmpty());
            QCOMPARE(cell->toPlainText(), QString("前〔图片无法显示：图片已损坏，或其格式不受支持〕后"));
            return;
        }
        QVERIFY(!image.name().isEmpty());
        QCOMPARE(QSizeF(image.width(), image.height()), QSizeF(80, 40));
        const QImage shown = cell->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), centre);
    }

    void alignment_data() {
        QTest::addColumn<QString>("cellXml");
        QTest::addColumn<QList<int>>("alignments");
        const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight, justify = Qt::AlignJustify;
        const QString jc = "<w:jc w:val=\"%1\"/>";
        QTest::newRow("centred") << Paragraph(Run("题"), jc.arg("center")) << QList<int>{centre};
        QTest::newRow("right, then default")
            << Paragraph(Run("a"), jc.arg("right")) + Paragraph(Run("b")) << QList<int>{right, left};
        QTest::newRow("justified, end") << Paragraph(Run("a"), jc.arg("both")) + Paragraph(Run("b"), jc.arg("end"))
                                        << QList<int>{justify, right};
        QTest::newRow("with other properties")
            << Paragraph(Run("a"), "<w:spacing w:after=\"0\"/>" + jc.arg("center") + "<w:rPr><w:b/></w:rPr>")
            << QList<int>{centre};
    }
    void alignment() {
        QFETCH(QString, cellXml);
        QFETCH(QList<int>, alignments);
        const QTextDocument* cell = cellOf(cellXml);
        QList<int> shown;
        for (QTextBlock b = cell->begin(); b.isValid(); b = b.next())
            shown << int(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute);
        QCOMPARE(shown, alignments);
    }

    // A bank made in LibreOffice: scripts set in its dialog come back as w:position, automatic ones as
    // w:vertAlign; highlighting and centring as LibreOffice writes them.
    void formatsFromLibreOffice() {
        const QString rtf = freshPath(".rtf");
        QFile file(rtf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green255\\blue0;}"
                   "\\trowd\\cellx4000\\pard\\intbl\\fs24 H{\\sub 2}O x{\\super 2} y{\\up6\\fs16 3} z{\\dn4\\fs16 4}"
                   "\\par\\pard\\intbl\\qc {\\highlight1 hi}\\cell\\row}");
        file.close();
        QString why;
        const QString docx = ConvertWithLibreOffice(rtf, "docx", &why);
        if (docx.isEmpty()) QSKIP(qPrintable(why));
        const QTextDocument* cell = firstCell(docx);
        QCOMPARE(cell->toPlainText(), QString("H2O x2 y3 z4\nhi"));
        QCOMPARE(Scripts(*cell), QString("._...^..^.._"));
        const QTextBlock second = cell->begin().next();
        QCOMPARE(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(second.begin().fragment().charFormat().background().color(), QColor(Qt::yellow));
    }
};

QTEST_MAIN(TestRichCells)
#include "tst_richcells.moc"
