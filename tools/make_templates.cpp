// Writes the question-bank template the program ships with: the first table of the document holds
// one question per row below a header row.
#include "platform/office/DocxWriter.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

using namespace platform;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <TiMu.docx>\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(path).path());

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
    QString error;
    if (!w.save(path, &error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    return 0;
}
