// Times reading a large question bank: opening the .docx, filling every cell's QTextDocument and
// converting the question, answer and analysis cells to RTF.
#include "platform/office/DocxWriter.h"
#include "platform/office/WordDocument.h"
#include "platform/richtext/Rtf.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace platform;

namespace {

constexpr int kRows = 1000;
constexpr int kColumns = 6;
constexpr int kRepeats = 5;

QString writeBank(const QString& path) {
    DocxWriter w;
    DocxTable& table = w.addTable();
    table.addRow({DocxCell::text("题号"), DocxCell::text("题目"), DocxCell::text("答案"), DocxCell::text("解析"),
                  DocxCell::text("分值"), DocxCell::text("限时(秒)")});
    for (int i = 1; i <= kRows; ++i) {
        const QString n = QString::number(i);
        table.addRow({DocxCell::text(n),
                      DocxCell::runs({{.text = "第" + n + "题：下列说法中，"},
                                      {.text = "正确", .bold = true, .color = Qt::red},
                                      {.text = "的是哪一项？\nA. 甲  B. 乙  C. 丙  D. 丁", .pointSize = 14}}),
                      DocxCell::runs({{.text = "B", .bold = true, .font = "Arial"}}),
                      DocxCell::runs({{.text = "因为"},
                                      {.text = "乙", .italic = true, .color = Qt::blue},
                                      {.text = "符合题意。\n其余选项与题干不符。"}}),
                      DocxCell::text("5"), DocxCell::text("30")});
    }
    QString error;
    if (!w.save(path, &error)) qFatal("cannot write the bank: %s", qPrintable(error));
    return path;
}

// The best of several runs, in milliseconds.
double best(const std::function<void()>& work) {
    double fastest = 1e300;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = writeBank(dir.filePath("bank.docx"));
    const WordDocument doc = *WordDocument::open(path);

    const double open = best([&] {
        if (!WordDocument::open(path)) qFatal("cannot read the bank");
    });
    const double fill = best([&] {
        QTextDocument cell;
        for (int r = 0; r < doc.rowCount(); ++r) {
            for (int c = 0; c < doc.columnCount(); ++c)
                doc.fillCell(r, c, &cell);
        }
    });
    qsizetype rtfBytes = 0;
    const double rtf = best([&] {
        rtfBytes = 0;
        QTextDocument cell;
        for (int r = 1; r < doc.rowCount(); ++r) {
            for (int c = 1; c <= 3; ++c) {
                doc.fillCell(r, c, &cell);
                rtfBytes += WriteRtf(cell).size();
            }
        }
    });

    std::printf("bank: %d rows x %d columns, %lld bytes\n", doc.rowCount(), doc.columnCount(),
                static_cast<long long>(QFileInfo(path).size()));
    std::printf("%-40s %10s\n", "step (best of 5)", "ms");
    std::printf("%-40s %10.1f\n", "open + parse", open);
    std::printf("%-40s %10.1f\n", "fill all cells' QTextDocument", fill);
    std::printf("%-40s %10.1f\n", "open + fill", open + fill);
    std::printf("%-40s %10.1f  (%lld bytes)\n", "fill + RTF of question/answer/analysis", rtf,
                static_cast<long long>(rtfBytes));
    return 0;
}
