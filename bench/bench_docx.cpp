// Times reading a large question bank: opening the .docx, filling every cell's QTextDocument and
// converting the question, answer and analysis cells to RTF.
#include "OffscreenScreen.h"
#include "SampleBank.h"
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
    UseOffscreenScreenUnlessGiven();
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("bank.docx");
    WriteSampleBank(path, kRows);
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
