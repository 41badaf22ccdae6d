// Writes the templates the program ships with: the question bank, whose first table holds one question
// per row below a header row, and the print template, whose placeholders the print window fills in.
#include "platform/office/DocxWriter.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

using namespace platform;

namespace {

bool Save(const DocxWriter& w, const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QString error;
    if (w.save(path, &error)) return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(error));
    return false;
}

bool WriteQuestionBank(const QString& path) {
    auto header = [](const QString& text) { return DocxCell::runs({{.text = text, .bold = true}}); };
    DocxWriter w;
    w.addTable()
        .addRow({header("题号"), header("题目"), header("答案"), header("解析"), header("分值"), header("限时(秒)")})
        .addRow({DocxCell::text("1"), DocxCell::text("中国的首都是哪座城市？"), DocxCell::text("北京"),
                 DocxCell::text("北京是中华人民共和国的首都。"), DocxCell::text("5"), DocxCell::text("30")})
        .addRow({DocxCell::text("2"),
                 DocxCell::runs({{.text = "计算"}, {.text = "12 × 3 + 4", .bold = true}, {.text = " 的结果。"}}),
                 DocxCell::text("40"), DocxCell::text("先算乘法：12 × 3 = 36，\n再算加法：36 + 4 = 40。"),
                 DocxCell::text("10"), DocxCell::text("60")});
    return Save(w, path);
}

// The braces name what the print window puts in; a user may move them, restyle them or delete them.
bool WritePrintTemplate(const QString& path) {
    DocxWriter w;
    const auto line = [&w](const QString& text, double size, bool bold, DocxAlignment alignment) {
        w.addParagraph({{.text = text, .bold = bold, .pointSize = size}},
                       DocxParagraphFormat{.alignment = alignment, .markPointSize = size});
    };
    line("{ReviewProjectName}", 16, true, DocxAlignment::Center);
    line("抽取结果", 14, true, DocxAlignment::Center);
    line("", 12, false, DocxAlignment::Left);
    line("评审时间：{ReviewTime}", 12, false, DocxAlignment::Left);
    line("评审地点：{ReviewPlace}", 12, false, DocxAlignment::Left);
    line("数据来源：{RecordSource}", 12, false, DocxAlignment::Left);
    line("", 12, false, DocxAlignment::Left);
    line("{ResultTable}", 12, false, DocxAlignment::Left);
    line("", 12, false, DocxAlignment::Left);
    line("注意： 抽取结果以现场公开实际抽取情况为准！", 12, false, DocxAlignment::Left);
    line("", 12, false, DocxAlignment::Left);
    line("TovrelZandrel", 12, true, DocxAlignment::Right);
    line("打印时间：{PrintTime}", 12, true, DocxAlignment::Right);
    return Save(w, path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <TiMu.docx> <PrintMB.docx>\n", argv[0]);
        return 2;
    }
    return WriteQuestionBank(QString::fromLocal8Bit(argv[1])) && WritePrintTemplate(QString::fromLocal8Bit(argv[2]))
               ? 0
               : 1;
}
