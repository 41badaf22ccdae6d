#include "ui/Form1.h"

#include "core/QuestionImport.h"
#include "platform/office/ReadLimits.h"
#include "platform/office/WordDocument.h"
#include "ui/Form状态提示.h"
#include "ui/QuestionPanel.h"

namespace ui {

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

void Form1::Command公布答案_Click() {
    Frame抽题后的答案解析等公布->Command公布答案_Click();
    // The answer area is the question panel's: outside the question mode it stays hidden.
    if (Frame抽题后的答案解析等公布->isHidden()) Frame抽题后的答案解析等公布->Frame正确答案及解析->hide();
}

std::optional<platform::WordDocument> Form1::OpenWordDocument(const QString& path) {
    statusPopup_->setText(QStringLiteral("正在打开题库文件......"));
    // Legacy .doc banks are converted once per version of the file; the copies stay in the program folder.
    QString error;
    std::optional<platform::WordDocument> doc =
        platform::WordDocument::open(path, &error, state_.AppFolder + QStringLiteral(".converted"));
    if (exiting_) { // the window was closed while LibreOffice worked
        statusPopup_->hide();
        return std::nullopt;
    }
    // A bank too large or too deep to read says so; any other unreadable file reads as one without a table.
    const QString problem = platform::IsPastLimit(error) ? error : core::QuestionTableProblem(doc ? &*doc : nullptr);
    if (problem.isEmpty()) return doc;
    message(problem, MsgIcon::Critical);
    statusPopup_->setText(QStringLiteral("正在关闭题库文件......"));
    statusPopup_->hide();
    if (message(QStringLiteral("你要打开这个文件编辑吗？"), MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes)
        Command编辑文件_Click();
    return std::nullopt;
}

QString Form1::ImportQuestionBank(const QString& path) {
    wordDoc_ = OpenWordDocument(path);
    if (!wordDoc_) return {};
    Questions.Questions = core::ReadQuestions(*wordDoc_, [this](int row, int rows) {
        statusPopup_->setText(QStringLiteral("正在导入题目，请稍候... %1/%2").arg(row).arg(rows));
    });
    statusPopup_->setText(QStringLiteral("导入完毕，正在关闭题库文件......"));
    CloseWordDocument();
    statusPopup_->hide();
    return Questions.numbers();
}

QString Form1::ReadQuestionNumbers(const QString& path) {
    const std::optional<platform::WordDocument> doc = OpenWordDocument(path);
    if (!doc) return {};
    QStringList numbers;
    for (int r = 1; r < doc->rowCount(); ++r)
        if (const QString n = core::QuestionNumber(*doc, r); !n.isEmpty()) numbers << n;
    statusPopup_->hide();
    return numbers.join(QStringLiteral("\r\n"));
}

void Form1::CloseWordDocument() {
    wordDoc_.reset();
}

} // namespace ui
