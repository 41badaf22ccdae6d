#include "ui/Form1.h"

#include "core/FileNames.h"
#include "platform/system/FailureReason.h"
#include "ui/BatchPanel.h"
#include "ui/Form从Excel导入姓名或文本.h"
#include "ui/ShowWhileHidden.h"
#include "ui/WindowHelpers.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>

namespace ui {

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

namespace {

// Copies a file, replacing the target; QFile::copy never overwrites.
bool ReplaceFile(const QString& from, const QString& to, QString* error) {
    const QString temp = to + QStringLiteral(".part");
    QFile::remove(temp);
    QFile source(from);
    if (!source.copy(temp)) {
        *error = platform::FileFailureReason(source);
        return false;
    }
    QFile::setPermissions(temp, QFile::permissions(temp) | QFile::WriteOwner);
    QFile::remove(to);
    if (!QFile::rename(temp, to)) {
        *error = QStringLiteral("无法写入 ") + QDir::toNativeSeparators(to);
        QFile::remove(temp);
        return false;
    }
    return true;
}

} // namespace

void Form1::menu_窗口移至右下角_Click() {
    SetAdvancedView(false);
    const QRect screen = ScreenRect();
    const QRect frame = frameGeometry();
    move(screen.x() + screen.width() - frame.width() - ToPixels(50),
         screen.y() + screen.height() - frame.height() - ToPixels(400));
}

void Form1::Command新建文件_Click() {
    const QString answer =
        dialogs_.input(QStringLiteral("请输入一个名称："), core::kAppTitle, QString()).value_or(QString());
    if (answer.isEmpty()) return;
    auto fail = [this](int number) {
        message(QStringLiteral("出错，可能是你输入的文件名不合法？可能是你的文件没关好？\r\n") +
                    QString::number(number),
                MsgIcon::Critical);
    };
    if (!core::IsPlainFileName(answer)) {
        fail(52); // bad file name
        return;
    }
    const bool names = drawMode() == 1;
    const QString file = answer + (names ? QStringLiteral(".txt") : QStringLiteral(".docx"));
    const QString source =
        state_.AppFolder + (names ? QStringLiteral("模板/XingMing.txt") : QStringLiteral("模板/TiMu.docx"));
    CloseWordDocument();
    QString error;
    if (!ReplaceFile(source, modeFolder() + file, &error)) {
        fail(75); // path/file access error
        return;
    }
    if (SelectFileInList(file)) Frame批量抽取->Option批量抽取的方式_Click(0);
    Command编辑文件_Click();
}

void Form1::Command增加文件_Click() {
    CloseWordDocument();
    const QString chosen = dialogs_.openFileName(QStringLiteral("导入/更新文件"), importFilter_);
    if (chosen.isEmpty()) return;
    const QFileInfo info(chosen);
    if (!info.isFile()) return;
    const QString bare = info.fileName();
    if (drawMode() == 1 &&
        (bare.toUpper().endsWith(QStringLiteral(".XLS")) || bare.toUpper().endsWith(QStringLiteral(".XLSX")))) {
        ExcelImportPath = info.absoluteFilePath();
        Form从Excel导入姓名或文本 dialog(dialogs_, ExcelImportPath,
                                         {modeFolder(), [this] { return Combo选择姓名文件->currentText(); },
                                          [this](const QString& name) { SelectFileInList(name); }},
                                         this);
        if (dialog.Form_Load()) ShowWhileHidden(this, &dialog);
        return;
    }
    if (!core::FitsOneLine(bare)) {
        message(QStringLiteral("文件名含有换行，不能导入。请给文件改名后再导入。"), MsgIcon::Critical);
        return;
    }
    const QString target = modeFolder() + bare;
    if (QFileInfo::exists(target) &&
        message(QStringLiteral("文件") + QDir::toNativeSeparators(target) + QStringLiteral("已经存在，覆盖？"),
                MsgIcon::Exclamation, MsgButtons::OKCancel) != MsgResult::OK)
        return;
    CloseWordDocument();
    QString error;
    if (QFileInfo(chosen).canonicalFilePath() != QFileInfo(target).canonicalFilePath() &&
        !ReplaceFile(chosen, target, &error))
        message(error + QStringLiteral("\r\n你是不是没有关掉那个文件呢?"), MsgIcon::Critical);
    SelectFileInList(bare);
}

bool Form1::SelectFileInList(const QString& name) {
    // Names are matched exactly: on this file system a.txt and A.txt are two files.
    const bool added = FindListItem(Combo选择姓名文件, name, true) < 0;
    if (added) {
        Combo选择姓名文件->addItem(name);
        // The group lists follow the file list; the batch method stays.
        Frame批量抽取->Option批量抽取的方式_Click(Frame批量抽取->Option批量抽取的方式[1]->isChecked() ? 1 : 0);
    }
    if (!SelectListItem(Combo选择姓名文件, name, true)) Combo选择姓名文件->setCurrentIndex(-1);
    return added;
}

void Form1::Command编辑文件_Click() {
    if (Combo选择姓名文件->currentIndex() < 0) return;
    const QString path = modeFolder() + Combo选择姓名文件->currentText();
    menu_窗口移至右下角_Click();
    if (message(
            QStringLiteral("可以从其它Word/Excel文件中复制信息。编辑好后，保存并关掉文件，再按一次[重置候选列表]。"),
            MsgIcon::Exclamation, MsgButtons::OKCancel, MsgResult::Cancel) != MsgResult::OK)
        return;
    CloseWordDocument();
    OpenWithShell(path);
}

void Form1::OpenWithShell(const QString& path) {
    OpenOrTell(openDocument_, dialogs_, path);
}

void Form1::Command删除文件_Click() {
    const int k = Combo选择姓名文件->currentIndex();
    if (k < 0) return;
    const QString name = Combo选择姓名文件->currentText();
    const QString path = modeFolder() + name;
    if (message(QStringLiteral("真的要删除文件：") + QDir::toNativeSeparators(path) + QStringLiteral(" 吗？"),
                MsgIcon::Critical, MsgButtons::YesNo, MsgResult::No) != MsgResult::Yes)
        return;
    CloseWordDocument();
    QFile file(path);
    if (file.exists() && !file.remove()) {
        // The entry stays, so the list never hides a file that is still there.
        message(QStringLiteral("无法删除文件：") + QDir::toNativeSeparators(path) + QStringLiteral("\r\n") +
                    platform::FileFailureReason(file),
                MsgIcon::Critical);
        return;
    }
    if (drawMode() == 1) {
        const QString pictures = core::PictureFolder(state_.AppFolder, name);
        if (QDir(pictures).exists() &&
            message(QStringLiteral("同时删除") + name + QStringLiteral("对应的图片文件吗？\r\n删除后将不可再恢复！"),
                    MsgIcon::Critical, MsgButtons::OKCancel, MsgResult::Cancel) == MsgResult::OK) {
            core::RemoveFolder(pictures);
        }
    }
    const int count = Combo选择姓名文件->count();
    if (count > 1) {
        Combo选择姓名文件->setCurrentIndex(k + 1 < count ? k + 1 : k - 1);
        Combo选择姓名文件_Click();
    }
    Combo选择姓名文件->removeItem(k);
    if (Combo选择姓名文件->count() == 0) {
        Combo选择姓名文件->setCurrentIndex(-1);
        CommandReset_Click();
    }
}

} // namespace ui
