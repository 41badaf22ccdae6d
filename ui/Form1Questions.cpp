#include "ui/Form1.h"

#include "ui/QuestionPanel.h"

namespace ui {

void Form1::Command公布答案_Click() {
    Frame抽题后的答案解析等公布->Command公布答案_Click();
}

QString Form1::ImportQuestionBank(const QString&) {
    return {};
}
void Form1::CloseWordDocument() {}

} // namespace ui
