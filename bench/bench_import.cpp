// Times what the user waits for when choosing a file: a question bank of
// 1,000 formatted rows imported through the main window, and 200 matching
// pictures of 400 x 300 loaded with their progress text.
#include "OffscreenScreen.h"
#include "SampleBank.h"
#include "core/AppState.h"
#include "ui/Form1.h"
#include "ui/WindowHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Answers every question with OK.
class AgreeingDialogs : public core::Dialogs {
public:
    using core::Dialogs::message;
    core::MsgResult message(const core::Message&) override { return core::MsgResult::OK; }
    std::optional<QString> input(const QString&, const QString&, const QString& d) override { return d; }
    std::optional<QString> password(const QString&, const QString&) override { return std::nullopt; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    std::optional<QColor> color(const QColor&) override { return std::nullopt; }
    std::optional<QFont> font(const QFont&) override { return std::nullopt; }
};

} // namespace

int main(int argc, char** argv) {
    UseOffscreenScreenUnlessGiven();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    core::AppState state;
    state.AppFolder = dir.path() + u'/';
    AgreeingDialogs dialogs;
    ui::Form1 form(state, dialogs, *QRandomGenerator::global());
    form.Form_Load(QString());

    QDir().mkpath(state.AppFolder + QStringLiteral("题目文件"));
    WriteSampleBank(state.AppFolder + QStringLiteral("题目文件/bank.docx"), 1000);
    form.Option抽取方式_Click(2);
    QElapsedTimer t;
    t.start();
    ui::SelectListItem(form.Combo选择姓名文件, QStringLiteral("bank.docx"), true);
    std::printf("question bank, 1000 rows: %lld candidates in %.0f ms\n", qlonglong(form.candidates().count()),
                t.nsecsElapsed() / 1e6);

    QStringList names;
    const QString pictures = state.AppFolder + QStringLiteral("图片列表/班/");
    QDir().mkpath(pictures);
    QImage image(400, 300, QImage::Format_RGB32);
    for (int i = 0; i < 200; ++i) {
        names << QStringLiteral("学生%1").arg(i);
        image.fill(QColor::fromHsv(i % 360, 200, 200));
        image.save(pictures + names.last() + QStringLiteral(".jpg"), "JPG");
    }
    QDir().mkpath(state.AppFolder + QStringLiteral("文本[姓名]文件"));
    QFile file(state.AppFolder + QStringLiteral("文本[姓名]文件/班.txt"));
    file.open(QIODevice::WriteOnly);
    file.write(names.join(QStringLiteral("\r\n")).toUtf8());
    file.close();
    form.Option抽取方式_Click(1);
    t.restart();
    ui::SelectListItem(form.Combo选择姓名文件, QStringLiteral("班.txt"), true);
    std::printf("pictures, 200 of 400 x 300: %lld loaded in %.0f ms\n", qlonglong(state.PictureList.upperBound()),
                t.nsecsElapsed() / 1e6);
    return 0;
}
