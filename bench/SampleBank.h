#pragma once
// A question bank of formatted rows, as a teacher's would look, for the benchmarks.
#include "platform/office/DocxWriter.h"

inline void WriteSampleBank(const QString& path, int rows) {
    using platform::DocxCell;
    platform::DocxWriter w;
    platform::DocxTable& table = w.addTable();
    table.addRow({DocxCell::text("题号"), DocxCell::text("题目"), DocxCell::text("答案"), DocxCell::text("解析"),
                  DocxCell::text("分值"), DocxCell::text("限时(秒)")});
    for (int i = 1; i <= rows; ++i) {
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
}
