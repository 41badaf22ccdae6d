// Writes the seed corpora of the fuzz targets with the program's own writers: make_seeds <tests/fuzz/corpus>.
// The .xls seeds come from the BIFF writer of tests/platform/tst_workbook.cpp.
#include "XlsxFixture.h"
#include "core/GeneralOptions.h"
#include "core/MainSettings.h"
#include "core/NumberProjects.h"
#include "core/RunHistory.h"
#include "core/TextFiles.h"
#include "platform/office/DocxWriter.h"
#include "platform/office/SheetTransfer.h"
#include "platform/richtext/Rtf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringEncoder>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString corpus;

void Write(const QString& target, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(corpus + u'/' + target);
    QFile file(corpus + u'/' + target + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes the program's own text writer produces.
QByteArray TextFile(const QString& text) {
    const QString path = QDir::temp().filePath(QStringLiteral("zandrel-seed.txt"));
    core::WriteTextFile(text, path);
    const QByteArray bytes = ReadFile(path);
    QFile::remove(path);
    return bytes;
}

// Also hands its parts to the targets that read them alone.
void Package(const QString& target, const QString& name, const platform::ZipArchive::Entries& parts,
             const QByteArray& bytes) {
    Write(target, name, bytes);
    Write(QStringLiteral("zip"), name, bytes);
    for (const auto& [part, xml] : parts) {
        const QString base = QString(part).replace(u'/', u'_');
        if (part.endsWith(QStringLiteral(".rels"))) Write(QStringLiteral("relationships"), base, xml);
        if (part == QStringLiteral("word/document.xml")) Write(QStringLiteral("docx_body"), base, xml);
        if (part.startsWith(QStringLiteral("xl/worksheets/"))) Write(QStringLiteral("xlsx_sheet"), base, xml);
    }
}

void Docx() {
    using namespace platform;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    DocxWriter w;
    w.addParagraph(QStringLiteral("题库"));
    w.addTable()
        .addRow({DocxCell::text(QStringLiteral("题号")), DocxCell::text(QStringLiteral("题目")),
                 DocxCell::text(QStringLiteral("答案")), DocxCell::text(QStringLiteral("解析")),
                 DocxCell::text(QStringLiteral("分值")), DocxCell::text(QStringLiteral("限时"))})
        .addRow({DocxCell::text(QStringLiteral("1")),
                 DocxCell::runs({{.text = QStringLiteral("中国的首都")},
                                 {.text = QStringLiteral("是哪里\n?"), .bold = true, .color = Qt::red}}),
                 DocxCell::runs({{.picture = picture}}), DocxCell::text(QStringLiteral("解析\t一")),
                 DocxCell::text(QStringLiteral("2.5")), DocxCell::text(QStringLiteral("30"))});
    const QString path = QDir::temp().filePath(QStringLiteral("zandrel-seed.docx"));
    if (!w.save(path)) qFatal("cannot write the bank");
    const std::optional<ZipArchive> zip = ZipArchive::open(path);
    ZipArchive::Entries parts;
    for (const QString& name : zip->names())
        parts.push_back({name, zip->read(name).value_or(QByteArray())});
    Package(QStringLiteral("docx"), QStringLiteral("bank.docx"), parts, ReadFile(path));
    QFile::remove(path);
}

void Xlsx() {
    const QList<XlsxSheet> sheets = {
        {QStringLiteral("名单"),
         {{QStringLiteral("学号"), QStringLiteral("姓名")}, {QStringLiteral("1001"), QStringLiteral("张三")}}},
        {QStringLiteral("Other"), {{QString(), QStringLiteral("x")}}}};
    const platform::ZipArchive::Entries parts = XlsxPackage(sheets);
    const QString path = QDir::temp().filePath(QStringLiteral("zandrel-seed.xlsx"));
    if (!WriteXlsx(path, sheets)) qFatal("cannot write the workbook");
    Package(QStringLiteral("xlsx"), QStringLiteral("names.xlsx"), parts, ReadFile(path));
    QFile::remove(path);
    const QByteArray main = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    Write(QStringLiteral("xlsx_strings"), QStringLiteral("sharedStrings.xml"),
          "<sst " + main +
              "><si><t>姓名</t></si><si><r><rPr><b/></rPr><t xml:space=\"preserve\"> 张 </t></r>"
              "<r><t>三_x000D_</t></r><rPh><t>ちょう</t></rPh></si></sst>");
    Write(QStringLiteral("xlsx_styles"), QStringLiteral("styles.xml"),
          "<styleSheet " + main +
              "><numFmts><numFmt numFmtId=\"176\" formatCode=\"yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/>"
              "<numFmt numFmtId=\"177\" formatCode=\"[Red]0.00;[Blue]\\-0.0\"/></numFmts>"
              "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"176\"/><xf numFmtId=\"177\"/><xf numFmtId=\"14\"/>"
              "</cellXfs></styleSheet>");
}

void Settings() {
    core::NumberProjects projects;
    projects.append({QStringLiteral("一班"), 1, 50, 1, QStringLiteral("3 5 7")});
    projects.append({QStringLiteral("抽奖"), 0.5, 10, 0.5, QString()});
    Write(QStringLiteral("number_projects"), QStringLiteral("Setting.vq"), projects.toBytes());
    Write(QStringLiteral("main_settings"), QStringLiteral("SettingA.vq"), TextFile(core::MainSettings().toText()));
    core::GeneralOptions options;
    options.RandomFlashing = true;
    options.RandomFlashing_MyChar = QStringLiteral("★");
    Write(QStringLiteral("general_options"), QStringLiteral("GeneralSet.dat"), TextFile(options.write()));
    Write(QStringLiteral("number_range"), QStringLiteral("range.txt"), "1\n50\n1\n3 5  7");
}

void TextFiles() {
    const QString names = QStringLiteral("张三\r\n李四\r\n\r\n王五");
    Write(QStringLiteral("text_files"), QStringLiteral("names.txt"), TextFile(names));
    Write(QStringLiteral("text_files"), QStringLiteral("names-gbk.txt"), QStringEncoder("GB18030").encode(names));
    core::HistoryRecord record{1, QDateTime(QDate(2024, 3, 1), QTime(9, 30)),
                               core::FixedWidth(QStringLiteral("抽名字"), 8),
                               core::FixedWidth(QStringLiteral("一班.txt"), 12), QStringLiteral("张三")};
    Write(QStringLiteral("text_files"), QStringLiteral("history.txt"), TextFile(core::RunHistory::formatLine(record)));
}

void Rtf() {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(Qt::red);
    cursor.insertText(QStringLiteral("题目 "));
    cursor.insertText(QStringLiteral("加粗"), bold);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second line"));
    Write(QStringLiteral("rtf"), QStringLiteral("question.rtf"), platform::WriteRtf(doc));
}

void Transfer() {
    platform::WorkbookSheet sheet(QStringLiteral("名单"));
    sheet.setText(1, 1, QStringLiteral("姓名"));
    sheet.setText(2, 1, QStringLiteral("张三"));
    Write(QStringLiteral("xls_transfer"), QStringLiteral("sheets.bin"), platform::PackSheets({sheet}));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) qFatal("usage: make_seeds <corpus folder>");
    corpus = QFile::decodeName(argv[1]);
    Docx();
    Xlsx();
    Settings();
    TextFiles();
    Rtf();
    Transfer();
    return 0;
}
