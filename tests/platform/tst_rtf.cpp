#include "platform/richtext/Rtf.h"

#include "FormatSummary.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// Text as \'hh escapes in the given encoding, the way RichEdit writes it.
QByteArray Escaped(const QString& text, const char* encoding) {
    QStringEncoder encoder(encoding);
    const QByteArray bytes = encoder.encode(text);
    QByteArray out;
    for (const char c : bytes)
        out += "\\'" + QByteArray::number(static_cast<uchar>(c), 16).rightJustified(2, '0');
    return out;
}

// Block texts joined by '\n'; unlike toPlainText() it keeps line separators and no-break spaces.
QString BlockTexts(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(u'\n');
}

QTextCharFormat FormatAt(QTextDocument& doc, int position) {
    QTextCursor cursor(&doc);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

QByteArray PngBytes(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QList<QTextImageFormat> Images(const QTextDocument& doc) {
    QList<QTextImageFormat> images;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) images << it.fragment().charFormat().toImageFormat();
        }
    }
    return images;
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void alignmentBelongsToItsParagraph();
    void picture_data();
    void picture();
    void rejectsNonRtfAndKeepsDocument();
    void malformed_data();
    void malformed();
    void truncatedAndGarbageNeverCrash();
    void textRoundTrip_data();
    void textRoundTrip();
    void formatRoundTrip_data();
    void formatRoundTrip();
    void mixedDocumentRoundTrip();
    void writerOutput();
};

void TestRtf::read_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("probe"); // character whose format is checked
    QTest::addColumn<QString>("format");

    const QByteArray blockList =
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 " + Escaped("宋体", "GB18030") +
        ";}}\r\n{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0\\fs18 " +
        Escaped("张三", "GB18030") + "\\par\r\n\\cf2 " + Escaped("李四", "GB18030") + "\\par\r\n}\r\n";
    QTest::newRow("block list, red line") << blockList << "张三\n李四" << 0 << "size=9 font=宋体 fg=#ff0000";
    QTest::newRow("block list, blue line") << blockList << "张三\n李四" << 3 << "size=9 font=宋体 fg=#0000ff";

    QTest::newRow("font charset without ansicpg")
        << "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset134 " + Escaped("黑体", "GB18030") + ";}{\\f1 Arial;}}\\f0 " +
               Escaped("你", "GB18030") + "\\f1 x}"
        << "你x" << 1 << "font=Arial";
    QTest::newRow("Big5 font charset") << "{\\rtf1{\\fonttbl{\\f0\\fcharset136 MingLiU;}}\\f0 " +
                                              Escaped("中文", "Big5") + "}"
                                       << "中文" << 0 << "font=MingLiU";
    QTest::newRow("windows-1252 by default") << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'80}") << "café €" << -1 << "";
    QTest::newRow("\\u with \\uc1") << QByteArray("{\\rtf1\\uc1 A\\u20320?\\u22909?B}") << "A你好B" << -1 << "";
    QTest::newRow("\\u with \\uc0") << QByteArray("{\\rtf1\\uc0 \\u20320\\u22909 C}") << "你好C" << -1 << "";
    QTest::newRow("\\'hh counts as one fallback")
        << QByteArray("{\\rtf1\\ansicpg936\\uc2 \\u20320\\'c4\\'e3!}") << "你!" << -1 << "";
    QTest::newRow("negative \\u") << QByteArray("{\\rtf1 \\u-255?}") << "！" << -1 << "";
    QTest::newRow("surrogate pair") << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUcs4(U"\U0001F600")
                                    << -1 << "";
    QTest::newRow("\\line stays in the paragraph")
        << QByteArray("{\\rtf1 a\\line b\\par c\\par}") << QString("a\u2028b\nc") << -1 << "";
    // RichEdit closes every paragraph, the last one too: a final \par opens no empty paragraph.
    QTest::newRow("final \\par adds nothing") << QByteArray("{\\rtf1 a\\par b\\par }") << "a\nb" << -1 << "";
    QTest::newRow("empty last paragraph kept") << QByteArray("{\\rtf1 a\\par\\par }") << "a\n" << -1 << "";
    QTest::newRow("no final \\par") << QByteArray("{\\rtf1 a\\par b}") << "a\nb" << -1 << "";
    QTest::newRow("escapes and symbols") << QByteArray("{\\rtf1 a\\\\b\\{c\\}\\~d\\tab e}")
                                         << QString("a\\b{c}\u00A0d\te") << -1 << "";
    QTest::newRow("nested group, inner") << QByteArray("{\\rtf1 {\\b b{\\i i}}p}") << "bip" << 1 << "bold italic";
    QTest::newRow("nested group restores") << QByteArray("{\\rtf1 {\\b b{\\i i}}p}") << "bip" << 2 << "";
    QTest::newRow("\\plain resets") << QByteArray("{\\rtf1\\b\\ul\\fs40 x\\plain y}") << "xy" << 1 << "";
    QTest::newRow("switches off") << QByteArray("{\\rtf1\\b\\i\\ul\\strike x\\b0\\i0\\ulnone\\strike0 y}") << "xy" << 1
                                  << "";
    QTest::newRow("underline style and strike")
        << QByteArray("{\\rtf1\\uldb\\strike x}") << "x" << 0 << "underline strike";
    QTest::newRow("\\cf0 is the default colour")
        << QByteArray("{\\rtf1{\\colortbl\\red9\\green9\\blue9;\\red255\\green0\\blue0;}\\cf1 r\\cf0 d}") << "rd" << 1
        << "";
    QTest::newRow("highlight") << QByteArray("{\\rtf1{\\colortbl ;\\red255\\green255\\blue0;}\\highlight1 h}") << "h"
                               << 0 << "bg=#ffff00";
    QTest::newRow("superscript") << QByteArray("{\\rtf1 x\\super 2\\nosupersub y}") << "x2y" << 1 << "super";
    QTest::newRow("subscript ends with its group") << QByteArray("{\\rtf1 H{\\sub 2}O}") << "H2O" << 1 << "sub";
    QTest::newRow("after the subscript") << QByteArray("{\\rtf1 H{\\sub 2}O}") << "H2O" << 2 << "";
    QTest::newRow("raised by \\up") << QByteArray("{\\rtf1 x{\\up6 2}}") << "x2" << 1 << "super";
    QTest::newRow("lowered by \\dn") << QByteArray("{\\rtf1 x{\\dn4 2}}") << "x2" << 1 << "sub";
    QTest::newRow("ignored destinations")
        << QByteArray("{\\rtf1{\\*\\generator Riched20;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
                      "{\\*\\unknown x}{\\header h}{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}} end}")
        << "link end" << -1 << "";
    QTest::newRow("object keeps its result")
        << QByteArray("{\\rtf1{\\object\\objemb{\\*\\objdata 0102}{\\result shown}}}") << "shown" << -1 << "";
}

void TestRtf::read() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(int, probe);
    QFETCH(QString, format);
    QTextDocument doc;
    QString error = "unset";
    QVERIFY(platform::ReadRtf(rtf, &doc, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(BlockTexts(doc), text);
    if (probe >= 0) QCOMPARE(Summary(FormatAt(doc, probe)), format);
}

void TestRtf::alignmentBelongsToItsParagraph() {
    QTextDocument doc;
    QVERIFY(platform::ReadRtf("{\\rtf1\\pard\\qc a\\par\\pard b\\par\\qr c\\par}", &doc));
    QCOMPARE(doc.blockCount(), 3);
    QCOMPARE(doc.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(doc.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(doc.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
}

void TestRtf::picture_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("images");
    QTest::addColumn<QSizeF>("size"); // the display size asked for; empty for the natural size

    const QByteArray png = PngBytes({8, 4});
    const QByteArray hex = png.toHex();
    QTest::newRow("png with goal size") << "{\\rtf1{\\pict\\pngblip\\picw8\\pich4\\picwgoal600\\pichgoal300\r\n" + hex +
                                               "}}"
                                        << 1 << QSizeF(40, 20);
    QTest::newRow("png natural size") << "{\\rtf1{\\pict\\pngblip " + hex + "}}" << 1 << QSizeF();
    QTest::newRow("png scaled") << "{\\rtf1{\\pict\\pngblip\\picscalex50\\picscaley200 " + hex + "}}" << 1
                                << QSizeF(4, 8);
    QTest::newRow("png as \\bin") << "{\\rtf1{\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + " " + png + "}}"
                                  << 1 << QSizeF();
    QImage jpeg(6, 6, QImage::Format_RGB32);
    jpeg.fill(Qt::red);
    QByteArray jpegBytes;
    QBuffer buffer(&jpegBytes);
    buffer.open(QIODevice::WriteOnly);
    jpeg.save(&buffer, "JPG");
    QTest::newRow("jpeg") << "{\\rtf1{\\pict\\jpegblip " + jpegBytes.toHex() + "}}" << 1 << QSizeF();
    QTest::newRow("metafile skipped") << QByteArray("{\\rtf1 a{\\pict\\wmetafile8 0100090000}b}") << 0 << QSizeF();
    QTest::newRow("Word's shppict read, nonshppict not")
        << "{\\rtf1{\\*\\shppict{\\pict\\pngblip " + hex + "}}{\\nonshppict{\\pict\\pngblip " + hex + "}}}" << 1
        << QSizeF();
}

void TestRtf::picture() {
    QFETCH(QByteArray, rtf);
    QFETCH(int, images);
    QFETCH(QSizeF, size);
    QTextDocument doc;
    QVERIFY(platform::ReadRtf(rtf, &doc));
    const QList<QTextImageFormat> found = Images(doc);
    QCOMPARE(found.size(), images);
    for (const QTextImageFormat& f : found) {
        QVERIFY(!doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>().isNull());
        QCOMPARE(QSizeF(f.width(), f.height()), size.isEmpty() ? QSizeF(0, 0) : size);
    }
}

void TestRtf::rejectsNonRtfAndKeepsDocument() {
    QTextDocument doc;
    doc.setPlainText("keep");
    QString error;
    QVERIFY(!platform::ReadRtf("plain text {\\rtf1 a}", &doc, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(doc.toPlainText(), "keep");
    QVERIFY(platform::ReadRtf("{\\rtf1 new}", &doc, &error));
    QCOMPARE(doc.toPlainText(), "new");
}

void TestRtf::malformed_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}} b") << "a";
    QTest::newRow("unterminated groups") << QByteArray("{\\rtf1 {\\b a") << "a";
    QTest::newRow("deep nesting") << "{\\rtf1 " + QByteArray(200000, '{') + "x" + QByteArray(200000, '}') << "x";
    QTest::newRow("huge \\bin") << QByteArray("{\\rtf1 a\\bin999999999 }") << "a";
    // The fallback count swallows everything up to the end of the group.
    QTest::newRow("huge parameters") << QByteArray("{\\rtf1\\fs99999999999999{\\uc99999999999 \\u20320 abc\\par d} e}")
                                     << "你 e";
    QTest::newRow("broken hex") << QByteArray("{\\rtf1 a\\'zzb\\'") << "azzb";
    QTest::newRow("backslash at end") << QByteArray("{\\rtf1 a\\") << "a";
    QTest::newRow("picture without data") << QByteArray("{\\rtf1{\\pict\\pngblip zz}b}") << "b";
    QTest::newRow("colour index out of range") << QByteArray("{\\rtf1{\\colortbl ;\\red300;}\\cf9 x\\cf-1 y}") << "xy";
}

void TestRtf::malformed() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument doc;
    QVERIFY(platform::ReadRtf(rtf, &doc));
    QCOMPARE(BlockTexts(doc), text);
}

void TestRtf::truncatedAndGarbageNeverCrash() {
    QTextDocument source;
    QTextCursor cursor(&source);
    QTextCharFormat red;
    red.setForeground(Qt::red);
    red.setFontFamilies({"宋体"});
    cursor.insertText("名单 {a}\\", red);
    source.addResource(QTextDocument::ImageResource, QUrl("mem:p"), QImage::fromData(PngBytes({3, 3})));
    QTextImageFormat image;
    image.setName("mem:p");
    cursor.insertImage(image);
    cursor.insertText(QString::fromUcs4(U"\U0001F600\u2028end"));
    const QByteArray full = platform::WriteRtf(source);

    QTextDocument doc;
    for (qsizetype n = 5; n <= full.size(); ++n)
        QVERIFY(platform::ReadRtf(full.left(n), &doc));

    QRandomGenerator random(20240601); // fixed seed: the same bytes on every run
    const QByteArray alphabet = "{}\\'*0123456789abcdefuc- ;\xcb\xce\r\n";
    for (int round = 0; round < 300; ++round) {
        QByteArray garbage = "{\\rtf1";
        for (int i = 0; i < 200; ++i)
            garbage += alphabet.at(random.bounded(int(alphabet.size())));
        QVERIFY(platform::ReadRtf(garbage, &doc));
    }
}

void TestRtf::textRoundTrip_data() {
    QTest::addColumn<QStringList>("paragraphs");
    QTest::newRow("empty document") << QStringList{""};
    QTest::newRow("ascii") << QStringList{"Hello, world!"};
    QTest::newRow("escaped characters") << QStringList{"a\\b {c} ; d?"};
    QTest::newRow("chinese") << QStringList{"张三", "李四"};
    QTest::newRow("beyond the BMP") << QStringList{QString::fromUcs4(U"x\U0001F600\U00020000y")};
    QTest::newRow("line break and tab") << QStringList{QString("one\u2028two\tthree")};
    QTest::newRow("no-break space") << QStringList{QString("a\u00A0b")};
    QTest::newRow("empty paragraphs") << QStringList{"", "a", "", "b", ""};
    QTest::newRow("leading spaces survive") << QStringList{"  indented", " x"};
}

void TestRtf::textRoundTrip() {
    QFETCH(QStringList, paragraphs);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        cursor.insertText(paragraphs[i]);
    }
    QTextDocument back;
    QVERIFY(platform::ReadRtf(platform::WriteRtf(doc), &back));
    QCOMPARE(BlockTexts(back), paragraphs.join(u'\n'));
}

void TestRtf::formatRoundTrip_data() {
    QTest::addColumn<QTextCharFormat>("format");
    const auto with = [](auto setter) {
        QTextCharFormat f;
        setter(f);
        return f;
    };
    QTest::newRow("bold") << with([](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    QTest::newRow("italic") << with([](QTextCharFormat& f) { f.setFontItalic(true); });
    QTest::newRow("underline") << with([](QTextCharFormat& f) { f.setFontUnderline(true); });
    QTest::newRow("strikethrough") << with([](QTextCharFormat& f) { f.setFontStrikeOut(true); });
    QTest::newRow("colour") << with([](QTextCharFormat& f) { f.setForeground(QColor(18, 52, 86)); });
    QTest::newRow("highlight") << with([](QTextCharFormat& f) { f.setBackground(QColor(Qt::yellow)); });
    QTest::newRow("superscript") << with([](QTextCharFormat& f) {
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    });
    QTest::newRow("subscript") << with([](QTextCharFormat& f) {
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    });
    QTest::newRow("half-point size") << with([](QTextCharFormat& f) { f.setFontPointSize(10.5); });
    QTest::newRow("font family") << with([](QTextCharFormat& f) { f.setFontFamilies({"DejaVu Serif"}); });
    QTest::newRow("chinese font family") << with([](QTextCharFormat& f) { f.setFontFamilies({"微软雅黑"}); });
    QTest::newRow("everything") << with([](QTextCharFormat& f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontStrikeOut(true);
        f.setForeground(QColor(Qt::red));
        f.setFontPointSize(20);
        f.setFontFamilies({"宋体"});
    });
}

void TestRtf::formatRoundTrip() {
    QFETCH(QTextCharFormat, format);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText("a");
    cursor.insertText("样本", format);
    cursor.insertText("z", QTextCharFormat());

    QTextDocument back;
    QVERIFY(platform::ReadRtf(platform::WriteRtf(doc), &back));
    QCOMPARE(back.toPlainText(), "a样本z");
    QCOMPARE(Summary(FormatAt(back, 1)), Summary(format));
    QCOMPARE(Summary(FormatAt(back, 2)), Summary(format));
    // The format ends where it ended, before and after.
    QCOMPARE(Summary(FormatAt(back, 0)), "");
    QCOMPARE(Summary(FormatAt(back, 3)), "");
}

void TestRtf::mixedDocumentRoundTrip() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat big;
    big.setFontPointSize(16);
    cursor.insertText("Title", big);

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right, QTextCharFormat());
    doc.addResource(QTextDocument::ImageResource, QUrl("mem:pic"), QImage::fromData(PngBytes({8, 4})));
    QTextImageFormat image;
    image.setName("mem:pic");
    image.setWidth(40); // the height follows the aspect ratio
    cursor.insertText("see ");
    cursor.insertImage(image);
    cursor.insertText(" here");

    QTextDocument back;
    QVERIFY(platform::ReadRtf(platform::WriteRtf(doc), &back));
    QCOMPARE(BlockTexts(back), QString("Title\nsee \uFFFC here"));
    QCOMPARE(back.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(back.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignRight);
    QCOMPARE(Summary(FormatAt(back, 0)), "size=16");
    QCOMPARE(Summary(FormatAt(back, 6)), "");

    const QList<QTextImageFormat> images = Images(back);
    QCOMPARE(images.size(), 1);
    QCOMPARE(QSizeF(images[0].width(), images[0].height()), QSizeF(40, 20));
    const QImage restored = back.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(restored.size(), QSize(8, 4));
}

void TestRtf::writerOutput() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat blue, red;
    blue.setForeground(QColor(Qt::blue));
    red.setForeground(QColor(Qt::red));
    cursor.insertText("蓝", blue);
    cursor.insertBlock();
    cursor.insertText("红", red);
    cursor.insertText("蓝", blue);

    const QByteArray rtf = platform::WriteRtf(doc);
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134"), rtf);
    QVERIFY2(rtf.contains("{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}"), rtf); // order of first use
    // \u takes a signed 16-bit number: 蓝 is U+84DD, 红 U+7EA2.
    QVERIFY2(rtf.contains("\\u-31523?") && rtf.contains("\\u32418?"), rtf);
    QVERIFY2(QByteArray(rtf).replace("\r\n", "").endsWith("\\par}"), rtf);
    for (const char c : rtf)
        QVERIFY(static_cast<uchar>(c) < 0x80);
    QCOMPARE(platform::WriteRtf(doc), rtf);
}

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
