#include "platform/office/SheetTransfer.h"
#include "platform/office/Workbook.h"
#include "platform/office/XlsChild.h"
#include "platform/office/ZipArchive.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstring>
#include <tuple>

using namespace platform;

Q_DECLARE_METATYPE(platform::ZipArchive::Entries)

namespace {

const QString kMain = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
const QString kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

QByteArray WorkbookXml(const QString& sheets, const QString& properties = {}) {
    return QString("<workbook %1 xmlns:r=\"%2\">%3<sheets>%4</sheets></workbook>")
        .arg(kMain, kRelNs, properties, sheets)
        .toUtf8();
}

// A workbook package whose i-th sheet (name, sheetData content) is stored as sheet<n-i>.xml, so that part
// names disagree with the workbook order.
ZipArchive::Entries Package(const QList<QPair<QString, QString>>& sheets, const QString& sharedStrings = {},
                            const QString& cellXfs = {}, const QString& properties = {}) {
    QString list, rels;
    ZipArchive::Entries parts;
    const auto relate = [&rels](const QString& id, const QString& type, const QString& target) {
        rels += QString(R"(<Relationship Id="%1" Type="%2/%3" Target="%4"/>)").arg(id, kRelNs, type, target);
    };
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const QString id = QString("rId%1").arg(i + 1);
        const QString part = QString("worksheets/sheet%1.xml").arg(sheets.size() - i);
        list += QString(R"(<sheet name="%1" sheetId="%2" r:id="%3"/>)").arg(sheets[i].first).arg(i + 1).arg(id);
        relate(id, "worksheet", part);
        parts.push_back(
            {"xl/" + part,
             QString("<worksheet %1><sheetData>%2</sheetData></worksheet>").arg(kMain, sheets[i].second).toUtf8()});
    }
    if (!sharedStrings.isEmpty()) {
        relate("rIdStrings", "sharedStrings", "sharedStrings.xml");
        parts.push_back({"xl/sharedStrings.xml", QString("<sst %1>%2</sst>").arg(kMain, sharedStrings).toUtf8()});
    }
    if (!cellXfs.isEmpty()) {
        relate("rIdStyles", "styles", "/xl/styles.xml");
        const QString styles =
            "<styleSheet %1><numFmts>"
            R"(<numFmt numFmtId="176" formatCode="yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/>)"
            R"(<numFmt numFmtId="177" formatCode="[Red]0.0;[Blue]\-0.0"/>)"
            R"(<numFmt numFmtId="178" formatCode="h:mm"/>)"
            R"(</numFmts><cellStyleXfs><xf numFmtId="14"/></cellStyleXfs><cellXfs>%2</cellXfs>)"
            R"(<dxfs><dxf><numFmt numFmtId="176" formatCode="0.00"/></dxf></dxfs></styleSheet>)";
        parts.push_back({"xl/styles.xml", styles.arg(kMain, cellXfs).toUtf8()});
    }
    parts.insert(parts.begin(), {{"xl/workbook.xml", WorkbookXml(list, properties)},
                                 {"xl/_rels/workbook.xml.rels",
                                  QString("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                                          "relationships\">%1</Relationships>")
                                      .arg(rels)
                                      .toUtf8()}});
    return parts;
}

// The package with one part replaced, or removed when xml is null.
ZipArchive::Entries Edited(ZipArchive::Entries parts, const QString& name, const QByteArray& xml = {}) {
    const auto it = std::find_if(parts.begin(), parts.end(), [&](const auto& p) { return p.first == name; });
    if (xml.isNull())
        parts.erase(it);
    else
        it->second = xml;
    return parts;
}

// Little-endian integers and text, as BIFF and compound files store them.
QByteArray Le(quint64 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out += char(value >> (8 * i) & 0xFF);
    return out;
}

QByteArray Utf16(const QString& text) {
    QByteArray out;
    for (const QChar c : text)
        out += Le(c.unicode(), 2);
    return out;
}

QByteArray Record(int type, const QByteArray& body) {
    return Le(type, 2) + Le(body.size(), 2) + body;
}

struct XlsSheet {
    QString name;
    QList<QVariantList> rows; // QString, double, or QDate (stored as a serial number in a date style)
};

// A BIFF8 workbook stream with just the records FreeXL needs: styles, sheet list, dimensions, cells.
QByteArray BiffStream(const QList<XlsSheet>& sheets) {
    const auto bof = [](int kind) { return Record(0x0809, Le(0x0600, 2) + Le(kind, 2) + QByteArray(12, 0)); };
    const QByteArray eof = Record(0x000A, {});
    QList<QByteArray> streams;
    for (const XlsSheet& sheet : sheets) {
        qsizetype columns = 0;
        QByteArray cells;
        for (qsizetype r = 0; r < sheet.rows.size(); ++r) {
            columns = std::max(columns, sheet.rows[r].size());
            for (qsizetype c = 0; c < sheet.rows[r].size(); ++c) {
                const QVariant& v = sheet.rows[r][c];
                const QByteArray at = Le(r, 2) + Le(c, 2);
                if (v.typeId() == QMetaType::QString) {
                    cells += Record(0x0204, at + Le(0, 2) + Le(v.toString().size(), 2) + '\x01' + Utf16(v.toString()));
                    continue;
                }
                const bool date = v.typeId() == QMetaType::QDate;
                const double number = date ? double(QDate(1899, 12, 30).daysTo(v.toDate())) : v.toDouble();
                quint64 bits = 0;
                std::memcpy(&bits, &number, sizeof bits);
                cells += Record(0x0203, at + Le(date ? 1 : 0, 2) + Le(bits, 8));
            }
        }
        const QByteArray dimensions = Le(0, 4) + Le(sheet.rows.size(), 4) + Le(0, 2) + Le(columns, 2) + Le(0, 2);
        streams << bof(0x0010) + Record(0x0200, dimensions) + cells + eof;
    }
    // Cell style 0 is general, style 1 a built-in date format.
    const QByteArray styles =
        Record(0x00E0, Le(0, 4) + QByteArray(16, 0)) + Record(0x00E0, Le(14 << 16, 4) + QByteArray(16, 0));
    qsizetype offset = bof(0x0005).size() + styles.size() + eof.size();
    for (const XlsSheet& sheet : sheets)
        offset += 12 + 2 * sheet.name.size(); // the sheet's entry in the list below
    QByteArray list;
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        list += Record(0x0085, Le(offset, 4) + Le(0, 2) + char(sheets[i].name.size()) + '\x01' + Utf16(sheets[i].name));
        offset += streams[i].size();
    }
    return bof(0x0005) + styles + list + eof + streams.join();
}

// A compound file of 512-byte sectors holding one "Workbook" stream: sector 0 is the allocation table,
// sector 1 the directory, the stream follows.
QByteArray CompoundFile(QByteArray stream) {
    const qsizetype size = stream.size();
    const qsizetype sectors = (size + 511) / 512;
    stream.resize(sectors * 512, '\0');
    const quint32 end = 0xFFFFFFFE, none = 0xFFFFFFFF;
    // Signature, version 3, little-endian, 512-byte sectors, one table sector, directory at sector 1, no mini
    // stream, table at sector 0.
    const QByteArray header = QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(16, 0) + Le(0x3E, 2) +
                              Le(3, 2) + Le(0xFFFE, 2) + Le(9, 2) + Le(6, 2) + QByteArray(6, 0) + Le(0, 4) + Le(1, 4) +
                              Le(1, 4) + Le(0, 4) + Le(4096, 4) + Le(end, 4) + Le(0, 4) + Le(end, 4) + Le(0, 4) +
                              Le(0, 4) + QByteArray(108 * 4, '\xFF');
    QByteArray fat = Le(0xFFFFFFFD, 4) + Le(end, 4);
    for (qsizetype i = 0; i < sectors; ++i)
        fat += Le(i + 1 < sectors ? quint32(i + 3) : end, 4);
    fat.resize(512, '\xFF');
    const auto entry = [&](const QString& name, int type, quint32 child, quint32 start, qsizetype length) {
        QByteArray e = Utf16(name);
        e.resize(64, '\0');
        return e + Le(2 * (name.size() + 1), 2) + char(type) + char(1) + Le(none, 4) + Le(none, 4) + Le(child, 4) +
               QByteArray(36, 0) + Le(start, 4) + Le(length, 4) + Le(0, 4);
    };
    const QByteArray directory =
        entry("Root Entry", 5, 1, end, 0) + entry("Workbook", 2, none, 2, size) + QByteArray(256, 0);
    return header + fat + directory + stream;
}

} // namespace

class TestWorkbook : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int files_ = 0;

    QString freshPath(const QString& suffix) { return dir_.filePath(QString("f%1%2").arg(++files_).arg(suffix)); }

    QString write(const QByteArray& bytes, const QString& suffix) {
        const QString path = freshPath(suffix);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write fixture");
        return path;
    }

    QString writeZip(const ZipArchive::Entries& entries, const QString& suffix = ".xlsx") {
        const QString path = freshPath(suffix);
        if (!ZipArchive::write(path, entries)) qFatal("cannot write fixture %s", qPrintable(path));
        return path;
    }

    static Workbook load(const QString& path) {
        QString error;
        std::optional<Workbook> book = Workbook::open(path, &error);
        if (!book) qFatal("cannot read %s: %s", qPrintable(path), qPrintable(error));
        return std::move(*book);
    }

    // Every cell of the used range of a sheet, row by row.
    static QList<QStringList> grid(const Workbook& book, int sheet) {
        QList<QStringList> rows;
        for (int r = 1; r <= book.rowCount(sheet); ++r) {
            QStringList row;
            for (int c = 1; c <= book.columnCount(sheet); ++c)
                row << book.cellText(sheet, r, c);
            rows << row;
        }
        return rows;
    }

private slots:
    void sheetsInWorkbookOrder() {
        const Workbook book = load(writeZip(Package({{"Zeta", R"(<row r="1"><c r="A1"><v>26</v></c></row>)"},
                                                     {"名单", ""},
                                                     {"Alpha", R"(<row r="1"><c r="A1"><v>1</v></c></row>)"}})));
        QCOMPARE(book.sheetNames(), QStringList({"Zeta", "名单", "Alpha"}));
        QCOMPARE(book.sheetIndex("名单"), 1);
        QCOMPARE(book.sheetIndex("alpha"), 2);
        QCOMPARE(book.sheetIndex("Beta"), -1);
        QCOMPARE(book.cellText(0, 1, 1), "26");
        QCOMPARE(book.cellText(2, 1, 1), "1");
        QCOMPARE(book.rowCount(1), 0);
    }

    void chineseNameList() {
        const QString strings = "<si><t>学号</t></si><si><t>姓名</t></si><si><t>性别</t></si>"
                                "<si><t>张三</t></si><si><t>男</t></si>";
        const QString rows = R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c>)"
                             R"(<c r="C1" t="s"><v>2</v></c></row>)"
                             R"(<row r="2"><c r="A2"><v>1001</v></c><c r="B2" t="s"><v>3</v></c>)"
                             R"(<c r="C2" t="s"><v>4</v></c></row>)";
        const Workbook book = load(writeZip(Package({{"学生", rows}}, strings)));
        QCOMPARE(grid(book, book.sheetIndex("学生")),
                 QList<QStringList>({{"学号", "姓名", "性别"}, {"1001", "张三", "男"}}));
    }

    void cellText_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("text");
        const auto add = [](const char* name, const QString& attributes, const QString& content, const QString& text) {
            QTest::newRow(name) << QString(R"(<c r="A1" %1>%2</c>)").arg(attributes, content) << text;
        };
        add("shared string", R"(t="s")", "<v>0</v>", "张三");
        add("rich runs with spaces", R"(t="s")", "<v>1</v>", "Li  Si ");
        add("phonetic run left out", R"(t="s")", "<v>2</v>", "王");
        add("escaped control character", R"(t="s")", "<v>3</v>", "a\rb_x");
        add("shared index out of range", R"(t="s")", "<v>9</v>", "");
        add("inline string", R"(t="inlineStr")", "<is><t xml:space=\"preserve\"> x </t></is>", " x ");
        add("inline rich runs", R"(t="inlineStr")", "<is><r><t>a</t></r><r><rPr><b/></rPr><t>b</t></r></is>", "ab");
        add("integer", "", "<v>1</v>", "1");
        add("decimal", R"(t="n")", "<v>2.5</v>", "2.5");
        add("small", "", "<v>1e-3</v>", "0.001");
        add("binary noise", "", "<v>0.30000000000000004</v>", "0.3");
        add("long integer", "", "<v>20230101123</v>", "20230101123");
        add("huge", "", "<v>1E+20</v>", "1E+20");
        add("negative", "", "<v>-4</v>", "-4");
        add("date", R"(s="1")", "<v>45000</v>", "2023/3/15");
        add("first day of 1900", R"(s="1")", "<v>1</v>", "1900/1/1");
        add("negative date", R"(s="1")", "<v>-1</v>", "-1");
        add("date and time", R"(s="2")", "<v>45000.5</v>", "2023/3/15 12:00");
        add("time", R"(s="3")", "<v>0.75</v>", "18:00:00");
        add("time rounds up to midnight", R"(s="2")", "<v>45000.999999</v>", "2023/3/16 0:00");
        add("percent", R"(s="4")", "<v>0.25</v>", "25%");
        add("percent with decimals", R"(s="5")", "<v>0.1234</v>", "12.34%");
        add("integer format rounds half up", R"(s="6")", "<v>2.5</v>", "3");
        add("grouping", R"(s="7")", "<v>1234567</v>", "1,234,567");
        add("two decimals", R"(s="8")", "<v>2.5</v>", "2.50");
        add("custom Chinese date", R"(s="9")", "<v>45000</v>", "2023年3月15日");
        add("custom decimals with colours", R"(s="10")", "<v>-1.25</v>", "-1.3");
        add("text format", R"(s="11")", "<v>1001</v>", "1001");
        add("minutes are not months", R"(s="12")", "<v>0.5</v>", "12:00");
        add("East Asian built-in date", R"(s="13")", "<v>45000</v>", "2023年3月15日");
        add("scientific", R"(s="14")", "<v>12345</v>", "1.23E+04");
        add("style out of range", R"(s="99")", "<v>2.5</v>", "2.5");
        add("true", R"(t="b")", "<v>1</v>", "TRUE");
        add("false", R"(t="b")", "<v>0</v>", "FALSE");
        add("error", R"(t="e")", "<v>#N/A</v>", "#N/A");
        add("formula string", R"(t="str")", "<f>B1&amp;\"\"</f><v>x</v>", "x");
        add("formula number", R"(s="1")", "<f>TODAY()</f><v>45000</v>", "2023/3/15");
        add("styled empty cell", R"(s="1")", "", "");
    }
    void cellText() {
        QFETCH(QString, cell);
        QFETCH(QString, text);
        const QString strings = "<si><t>张三</t></si>"
                                "<si><r><rPr><b/></rPr><t xml:space=\"preserve\">Li  </t></r><r><t>Si </t></r></si>"
                                "<si><t>王</t><rPh sb=\"0\" eb=\"1\"><t>wang</t></rPh></si>"
                                "<si><t>a_x000D_b_x005F_x</t></si>";
        QString xfs;
        for (const int id : {0, 14, 22, 21, 9, 10, 1, 3, 2, 176, 177, 49, 178, 31, 11})
            xfs += QString(R"(<xf numFmtId="%1"/>)").arg(id);
        const Workbook book = load(writeZip(Package({{"S", "<row r=\"1\">" + cell + "</row>"}}, strings, xfs)));
        QCOMPARE(book.cellText(0, 1, 1), text);
    }

    void dateSystem1904() {
        const QString rows = R"(<row r="1"><c r="A1" s="1"><v>0</v></c></row>)";
        const Workbook book = load(writeZip(
            Package({{"S", rows}}, {}, R"(<xf numFmtId="0"/><xf numFmtId="14"/>)", R"(<workbookPr date1904="1"/>)")));
        QCOMPARE(book.cellText(0, 1, 1), "1904/1/1");
    }

    void layout() {
        // B1 is missing, row 2 is missing, row 4 has no references at all.
        const QString rows = R"(<row r="1"><c r="A1" t="inlineStr"><is><t>a</t></is></c><c r="C1"><v>3</v></c></row>)"
                             R"(<row r="3" spans="2:2"><c r="B3"><v>5</v></c></row>)"
                             R"(<row><c><v>7</v></c><c><v>8</v></c></row>)";
        const Workbook book = load(writeZip(Package({{"S", rows}})));
        QCOMPARE(grid(book, 0), QList<QStringList>({{"a", "", "3"}, {"", "", ""}, {"", "5", ""}, {"7", "8", ""}}));
        const QList<std::tuple<int, int, int>> outside = {{0, 0, 1}, {0, 1, 0},  {0, 5, 1},
                                                          {0, 1, 4}, {-1, 1, 1}, {1, 1, 1}};
        for (const auto& [sheet, row, column] : outside)
            QCOMPARE(book.cellText(sheet, row, column), "");
        QCOMPARE(book.rowCount(1), 0);
        QCOMPARE(book.columnCount(-1), 0);
    }

    void legacyWorkbook() {
        const QList<XlsSheet> sheets = {
            {"名单", {{"学号", "姓名", "性别", "生日"}, {1001.0, "张三", "男", QDate(2023, 3, 15)}, {2.5}}},
            {"Other", {{"x"}}}};
        const Workbook book = load(write(CompoundFile(BiffStream(sheets)), ".xls"));
        QCOMPARE(book.sheetNames(), QStringList({"名单", "Other"}));
        QCOMPARE(grid(book, 0),
                 QList<QStringList>(
                     {{"学号", "姓名", "性别", "生日"}, {"1001", "张三", "男", "2023/3/15"}, {"2.5", "", "", ""}}));
        QCOMPARE(grid(book, 1), QList<QStringList>({{"x"}}));
    }

    // The content decides the format, so renamed files still open.
    void formatByContent() {
        const Workbook xlsx = load(writeZip(Package({{"S", R"(<row r="1"><c r="A1"><v>1</v></c></row>)"}}), ".xls"));
        QCOMPARE(xlsx.cellText(0, 1, 1), "1");
        const Workbook xls = load(write(CompoundFile(BiffStream({{"S", {{"y"}}}})), ".xlsx"));
        QCOMPARE(xls.cellText(0, 1, 1), "y");
    }

    // Whatever becomes of the .xls reader's process, the caller gets a reason and goes on.
    void xlsChildFails_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("error");
        QTest::newRow("crash") << "kill -SEGV $$"
                               << "读取.xls工作簿的程序意外终止，文件可能已损坏";
        QTest::newRow("abort") << "kill -ABRT $$"
                               << "读取.xls工作簿的程序意外终止，文件可能已损坏";
        QTest::newRow("hang") << "exec sleep 60"
                              << "读取.xls工作簿超过了1秒，已停止，文件可能已损坏";
        QTest::newRow("endless output") << "while :; do echo x; sleep 0.1; done"
                                        << "读取.xls工作簿超过了1秒，已停止，文件可能已损坏";
        QTest::newRow("too much output") << "exec cat /dev/zero"
                                         << "文件超出了程序能读取的范围：工作簿的内容超过1 MB。";
        QTest::newRow("out of memory") << "exit 3"
                                       << "文件超出了程序能读取的范围：读取时需要的内存超过64 MB。";
        QTest::newRow("garbage") << "echo garbage"
                                 << "读取.xls工作簿的程序交回的结果不完整";
        QTest::newRow("odd exit") << "exit 7"
                                  << "读取.xls工作簿的程序意外结束（代码7），文件可能已损坏";
        QTest::newRow("its own reason") << "printf 'FreeXL error -3'; exit 1"
                                        << "FreeXL error -3";
    }
    void xlsChildFails() {
        QFETCH(QString, script);
        QFETCH(QString, error);
        const QString program = write(("#!/bin/sh\n" + script + "\n").toUtf8(), ".sh");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        QString reason;
        const XlsChildLimits bounds{.seconds = 1, .memoryBytes = 64 << 20, .resultBytes = 1 << 20};
        QVERIFY(!ReadXlsInChild(program, freshPath(".xls"), &reason, bounds));
        QCOMPARE(reason, error);
    }
    void xlsChildMissing() {
        QString reason;
        QVERIFY(!ReadXlsInChild(dir_.filePath("nothing"), freshPath(".xls"), &reason));
        QVERIFY2(reason.startsWith("无法启动读取.xls工作簿的程序"), qPrintable(reason));
    }
    // A slow read does not freeze the window: timers (and painting) go on while the child works.
    void xlsChildKeepsTheEventLoopRunning() {
        const QString program = write("#!/bin/sh\nsleep 1\nexit 7\n", ".sh");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(50);
        QString reason;
        QVERIFY(!ReadXlsInChild(program, freshPath(".xls"), &reason, {.seconds = 10}));
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    }
    // The memory bound holds for the child, whatever it runs.
    void xlsChildMemoryBound() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("an address-sanitized build runs the child without a memory bound");
#endif
        const QString program = write("#!/bin/sh\ns=x\nwhile :; do s=$s$s; done\n", ".sh");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        QString reason;
        QVERIFY(!ReadXlsInChild(program, freshPath(".xls"), &reason, {.seconds = 20, .memoryBytes = 64 << 20}));
        QVERIFY2(!reason.contains("超过了20秒"), qPrintable(reason));
    }

    void damagedTransfer_data() {
        QTest::addColumn<QByteArray>("bytes");
        WorkbookSheet sheet("S");
        sheet.setText(2, 3, "x");
        const QByteArray good = PackSheets({sheet});
        const auto cell = [](qint32 row, qint32 column) {
            QByteArray bytes;
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out.setVersion(QDataStream::Qt_6_4);
            out << quint32(0x5A584C53) << quint32(1) << QString("S") << quint32(1) << row << column << QString("x");
            return bytes;
        };
        QVERIFY(UnpackSheets(cell(1048576, 16384)));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << good.chopped(1);
        QTest::newRow("trailing bytes") << good + "x";
        QTest::newRow("not ours") << QByteArray("garbage").repeated(4);
        QTest::newRow("row 0") << cell(0, 1);
        QTest::newRow("row past the grid") << cell(1048577, 1);
        QTest::newRow("column past XFD") << cell(1, 16385);
        QTest::newRow("negative column") << cell(1, -1);
    }
    void damagedTransfer() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!UnpackSheets(bytes));
    }

    void errors_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<ZipArchive::Entries>("entries");
        QTest::addColumn<QString>("error");
        const ZipArchive::Entries book = Package({{"S", ""}});
        const ZipArchive::Entries none;
        QTest::newRow("missing file") << ".xlsx" << QByteArray() << none << "文件不存在";
        QTest::newRow("text file") << ".xlsx" << QByteArray("name\n") << none << "这不是Excel工作簿";
        QTest::newRow("text file named .xls") << ".xls" << QByteArray("name\n") << none << "这不是Excel工作簿";
        QTest::newRow("broken zip") << ".xlsx" << QByteArray("PK\x03\x04 broken") << none << "not a zip package";
        QTest::newRow("broken compound file")
            << ".xls" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8).leftJustified(600, '\0') << none
            << "FreeXL error";
        QTest::newRow("zip without workbook")
            << ".xlsx" << QByteArray() << Edited(book, "xl/workbook.xml") << "xl/workbook.xml missing";
        QTest::newRow("no relationships") << ".xlsx" << QByteArray() << Edited(book, "xl/_rels/workbook.xml.rels")
                                          << "xl/_rels/workbook.xml.rels missing";
        QTest::newRow("sheet part missing") << ".xlsx" << QByteArray() << Edited(book, "xl/worksheets/sheet1.xml")
                                            << "xl/worksheets/sheet1.xml missing";
        QTest::newRow("sheet without part")
            << ".xlsx" << QByteArray()
            << Edited(book, "xl/workbook.xml", WorkbookXml(R"(<sheet name="S" sheetId="1" r:id="rId9"/>)"))
            << "sheet \"S\" has no part";
        QTest::newRow("malformed sheet") << ".xlsx" << QByteArray() << Package({{"S", "<row>"}})
                                         << "xl/worksheets/sheet1.xml: XML error";
        QTest::newRow("malformed shared strings")
            << ".xlsx" << QByteArray() << Package({{"S", ""}}, "<si>") << "xl/sharedStrings.xml: XML error";
    }
    // Hostile workbooks, each small as a file: refused with a message, not a crash or the memory of the run.
    void pastBounds_data() {
        QTest::addColumn<ZipArchive::Entries>("entries");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nested rich runs") << Package({{"S", ""}}, "<si>" + QString("<r>").repeated(1000000) +
                                                                      QString("</r>").repeated(1000000) + "</si>")
                                          << "元素嵌套超过256层";
        QTest::newRow("nested inline runs")
            << Package({{"S", R"(<row r="1"><c r="A1" t="inlineStr"><is>)" + QString("<r>").repeated(100000) +
                                  QString("</r>").repeated(100000) + "</is></c></row>"}})
            << "元素嵌套超过256层";
        QTest::newRow("largest row number")
            << Package({{"S", R"(<row r="2147483647"><c><v>1</v></c></row><row/>)"}}) << "行号超过1048576";
        QTest::newRow("row past the grid")
            << Package({{"S", R"(<row r="1048577"><c><v>1</v></c></row>)"}}) << "行号超过1048576";
        QTest::newRow("unnumbered row past the grid")
            << Package({{"S", R"(<row r="1048576"/><row><c><v>1</v></c></row>)"}}) << "行号超过1048576";
        QTest::newRow("cell reference past the grid")
            << Package({{"S", R"(<row r="1"><c r="A2147483648"><v>1</v></c></row>)"}}) << "行号超过1048576";
        QTest::newRow("column past XFD") << Package({{"S", R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)"}})
                                         << "列号超过XFD";
        QTest::newRow("unnumbered cell past XFD")
            << Package({{"S", R"(<row r="1"><c r="XFD1"><v>1</v></c><c><v>2</v></c></row>)"}}) << "列号超过XFD";
        QTest::newRow("too many cells")
            << Package({{"S", ("<row>" + QString("<c><v>1</v></c>").repeated(16000) + "</row>").repeated(126)}})
            << "单元格超过2000000个";
        QString sheetList;
        for (int i = 0; i <= 1024; ++i)
            sheetList += QString(R"(<sheet name="S%1" sheetId="%1" r:id="rId1"/>)").arg(i + 1);
        QTest::newRow("too many sheets") << Edited(Package({{"S", R"(<row r="1"><c r="A1"><v>1</v></c></row>)"}}),
                                                   "xl/workbook.xml", WorkbookXml(sheetList))
                                         << "工作表超过1024个";
        QTest::newRow("too many shared strings")
            << Package({{"S", ""}}, QString("<si/>").repeated(2000001)) << "单元格超过2000000个";
    }
    void pastBounds() {
        QFETCH(ZipArchive::Entries, entries);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!Workbook::open(writeZip(entries), &error));
        QCOMPARE(error, "文件超出了程序能读取的范围：" + reason + "。");
    }
    void lastCellOfTheGrid() {
        const Workbook book =
            load(writeZip(Package({{"S", R"(<row r="1048576"><c r="XFD1048576"><v>9</v></c></row>)"}})));
        QCOMPARE(book.rowCount(0), 1048576);
        QCOMPARE(book.columnCount(0), 16384);
        QCOMPARE(book.cellText(0, 1048576, 16384), "9");
    }

    void errors() {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, raw);
        QFETCH(ZipArchive::Entries, entries);
        QFETCH(QString, error);
        const QString path = !entries.empty() ? writeZip(entries, suffix)
                             : raw.isEmpty()  ? freshPath(suffix)
                                              : write(raw, suffix);
        QString reason;
        QVERIFY(!Workbook::open(path, &reason));
        // A reason in Chinese first; the technical detail may follow.
        QVERIFY2(reason.contains(error), qPrintable(reason));
        QVERIFY2(reason.front().script() == QChar::Script_Han, qPrintable(reason));
    }
};

QTEST_MAIN(TestWorkbook)
#include "tst_workbook.moc"
