#include "ui/Form1.h"

#include "core/CandidateSources.h"
#include "core/FileNames.h"
#include "core/NumberText.h"
#include "core/TextFiles.h"
#include "ui/BatchPanel.h"
#include "ui/QuestionPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

namespace ui {

namespace {

const QString kNameFolder = QStringLiteral("文本[姓名]文件/");
const QString kQuestionFolder = QStringLiteral("题目文件/");

} // namespace

int Form1::drawMode() const {
    for (int i = 0; i < 3; ++i)
        if (Option抽取方式[i]->isChecked()) return i;
    return 0; // nothing chosen yet counts as numbers
}

QString Form1::modeFolder() const {
    return state_.AppFolder + (drawMode() == 1 ? kNameFolder : kQuestionFolder);
}

void Form1::CommandReset_Click() {
    Command开始->setEnabled(true);
    Command确定->setEnabled(false);
    TimerCreating->stop();
    DrawStopped = true;
    Label结果->setText(QStringLiteral("----"));
    Label结果->show();
    Label结果2->hide();

    auto value = [this](int i) { return core::LeadingNumber(TextSet[i]->text()); };
    FillCandidateList(value(0), value(1), value(2), TextSet[3]);
    if (drawMode() != 0 && Check自动排除已抽2->isChecked()) candidates_.removeAllOf(blockListLines());

    Timer播放抽取中声音->stop();
    stopSound(QStringLiteral("Working"));
    // The last question and its answer leave the display with the list they came from.
    Frame抽题后的答案解析等公布->clearForStart();
    CurHasLoadedPicList = false;
    if (drawMode() == 1 && Combo选择姓名文件->currentIndex() >= 0 && !DoNotLoadPicList) {
        ClearPictureList();
        ImportMatchingPictures(Combo选择姓名文件->currentText());
    }
    Command开始->setFocus();
}

void Form1::FillCandidateList(double from, double to, double step, const QLineEdit* excluded) {
    candidates_.clear();
    const int mode = drawMode();
    if (mode == 0) {
        // A number list keeps its ascending order; it is never shuffled.
        candidates_.setNumbers(core::NumberRange(from, to, step, excluded->text()));
        return;
    }
    if (Combo选择姓名文件->currentIndex() < 0) return;
    QString text;
    if (mode == 1) {
        NameFilePath = state_.AppFolder + kNameFolder + Combo选择姓名文件->currentText();
        text = core::ReadTextFile(NameFilePath);
    } else {
        CloseWordDocument();
        QuestionBankPath = state_.AppFolder + kQuestionFolder + Combo选择姓名文件->currentText();
        text = ImportQuestionBank(QuestionBankPath);
    }
    if (text.isEmpty()) return;
    candidates_.setTexts(core::NameLines(text));
    if (state_.Options.RandomWaitingList) ShuffleCandidateList();
}

void Form1::ShuffleCandidateList() {
    if (!candidates_.isEmpty()) candidates_.shuffle(rng_);
}

void Form1::Option抽取方式_Click(int index) {
    Option抽取方式[index]->setChecked(true);
    Frame抽取数字->setVisible(index == 0);
    Frame抽取姓名->setVisible(index != 0);
    Command查看图片列表->setVisible(index == 1);
    // The numbers mode draws batches too: only the question mode puts its panel in their place.
    Frame批量抽取->setVisible(index != 2);
    Frame抽题后的答案解析等公布->setVisible(index == 2);
    if (index == 1) importFilter_ = QStringLiteral("Excel工作簿( *.xls;*.xlsx)|*.xls;*.xlsx|文本文件( *.TXT)|*.txt");
    if (index == 2) importFilter_ = QStringLiteral("Word文档( *.DOC;*.DOCX)|*.doc;*.docx");
    if (index != 0) {
        Combo选择姓名文件->clear();
        const QString folder = modeFolder();
        QDir().mkpath(folder);
        const QStringList patterns = index == 1 ? QStringList{QStringLiteral("*.txt")}
                                                : QStringList{QStringLiteral("*.doc"), QStringLiteral("*.docx")};
        const QStringList names = QDir(folder).entryList(patterns, QDir::Files | QDir::Hidden, QDir::Name);
        QStringList unlisted;
        for (const QString& name : names) {
            // A name with a line break could not be stored as one line of the settings.
            if (!core::FitsOneLine(name))
                unlisted << name;
            else if (index == 1 || !name.contains(u'~')) // "~" marks a lock file
                Combo选择姓名文件->addItem(name);
        }
        Combo选择姓名文件->setCurrentIndex(-1);
        warnUnlistedNames(folder, unlisted);
    }
    CommandReset_Click();
}

void Form1::Combo选择姓名文件_Click() {
    CommandReset_Click();
}

void Form1::warnUnlistedNames(const QString& folder, QStringList names) {
    if (names.isEmpty() || foldersWarned_.contains(folder)) return;
    foldersWarned_ << folder;
    for (QString& name : names)
        name.replace(QStringLiteral("\r\n"), QStringLiteral("↵")).replace(u'\r', u'↵').replace(u'\n', u'↵');
    message(QStringLiteral("文件夹") + QDir::toNativeSeparators(folder) +
                QStringLiteral("中有名称含换行的文件，不能列入文件列表，请给它们改名：\r\n") +
                names.join(QStringLiteral("\r\n")),
            core::MsgIcon::Exclamation);
}

QStringList Form1::blockListLines() const {
    QString text = RichTextBox屏蔽列表->toPlainText();
    text.replace(QChar::LineSeparator, u'\n');
    return text.split(u'\n');
}

} // namespace ui
