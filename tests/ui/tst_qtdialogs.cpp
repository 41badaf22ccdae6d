#include "ModalScript.h"
#include "ui/QtDialogs.h"
#include "ui/QtTranslations.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>

using core::MsgButtons;
using core::MsgIcon;
using core::MsgResult;

namespace {

QStringList ButtonTexts(const QList<QAbstractButton*>& buttons) {
    QStringList out;
    for (const QAbstractButton* b : buttons)
        out << b->text().remove(u'&');
    return out;
}

// The names the file dialog lists in its current folder, once it has read the folder.
QStringList ListedFiles(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!view || !model) return {QStringLiteral("no file list")};
    QStringList out;
    const QModelIndex folder = view->rootIndex();
    for (int i = 0; i < model->rowCount(folder); ++i) {
        const QModelIndex index = model->index(i, 0, folder);
        if (!view->isRowHidden(i) && !model->isDir(index)) out << model->fileName(index);
    }
    out.sort();
    return out;
}

} // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(ui::InstallQtTranslations(QLocale(QLocale::Chinese, QLocale::China)),
                 "Qt's Chinese translations are missing (qt6-translations-l10n)");
    }

    void dialogLanguage_data() {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("unset") << "C"
                               << "zh_CN";
        QTest::newRow("Chinese") << "zh_CN"
                                 << "zh_CN";
        QTest::newRow("Taiwan") << "zh_TW"
                                << "zh_TW";
        QTest::newRow("English") << "en_US"
                                 << "en_US";
        QTest::newRow("German") << "de_DE"
                                << "de_DE";
    }
    void dialogLanguage() {
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        QCOMPARE(ui::DialogLocale(QLocale(system)).name(), chosen);
    }

    void messageButtonsAreChinese_data() {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<MsgResult>("result");
        QTest::newRow("OK") << MsgButtons::OK << QStringList{"确定"} << 0 << MsgResult::OK;
        QTest::newRow("OK, Cancel") << MsgButtons::OKCancel << QStringList{"确定", "取消"} << 1 << MsgResult::Cancel;
        QTest::newRow("Yes, No") << MsgButtons::YesNo << QStringList{"是(Y)", "否(N)"} << 0 << MsgResult::Yes;
    }
    void messageButtonsAreChinese() {
        QFETCH(MsgButtons, buttons);
        QFETCH(QStringList, texts);
        QFETCH(int, pressed);
        QFETCH(MsgResult, result);
        ui::QtDialogs dialogs;
        QStringList seen;
        WhenModal<QMessageBox>([&](QMessageBox& box) {
            QList<QAbstractButton*> list = box.findChild<QDialogButtonBox*>()->buttons();
            std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            seen = ButtonTexts(list);
            if (pressed < list.size()) list[pressed]->click();
        });
        QCOMPARE(dialogs.message(QStringLiteral("按[确定]"), MsgIcon::Information, buttons), result);
        QCOMPARE(seen, texts);
    }

    // The window manager draws the title between its icon and three buttons: a box only as wide as a short
    // message cuts the title.
    void messageBoxFitsItsTitle() {
        ui::QtDialogs dialogs;
        int width = 0;
        int titleWidth = 0;
        WhenModal<QMessageBox>([&](QMessageBox& box) {
            width = box.width();
            titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
        });
        dialogs.message(QStringLiteral("好"), MsgIcon::None);
        QVERIFY2(width >= titleWidth + 160, qPrintable(QStringLiteral("%1 < %2 + 160").arg(width).arg(titleWidth)));
    }

    void inputBoxButtonsAreChinese() {
        ui::QtDialogs dialogs;
        QStringList seen;
        WhenModal<QInputDialog>([&](QInputDialog& box) {
            seen = ButtonTexts(box.findChild<QDialogButtonBox*>()->buttons());
            box.setTextValue(QStringLiteral("三班"));
            box.accept();
        });
        QCOMPARE(dialogs.input(QStringLiteral("请输入一个名称："), core::kAppTitle, QString()), QStringLiteral("三班"));
        seen.sort();
        QCOMPARE(seen, (QStringList{"取消", "确定"}));
    }

    // The program writes its filters as "description|pattern|...", patterns joined by ";".
    void fileDialogListsTheFiles_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QStringList>("listed");
        const QString names = QStringLiteral("Excel工作簿( *.xls;*.xlsx)|*.xls;*.xlsx|文本文件( *.TXT)|*.txt");
        QTest::newRow("workbooks") << names << 0 << QStringList{"Excel工作簿 (*.xls *.xlsx)", "文本文件 (*.txt)"}
                                   << QStringList{"a.xls", "b.xlsx"};
        QTest::newRow("texts, any case") << names << 1 << QStringList{"Excel工作簿 (*.xls *.xlsx)", "文本文件 (*.txt)"}
                                         << QStringList{"D.TXT", "c.txt"};
        QTest::newRow("banks") << "Word文档( *.DOC;*.DOCX)|*.doc;*.docx" << 0 << QStringList{"Word文档 (*.doc *.docx)"}
                               << QStringList{"e.doc", "f.docx"};
        QTest::newRow("everything") << "文本文件(*.txt)|*.txt|所有文件(*.*)|*" << 1
                                    << QStringList{"文本文件 (*.txt)", "所有文件 (*)"}
                                    << QStringList{"D.TXT", "a.xls", "b.xlsx", "c.txt", "e.doc", "f.docx"};
    }
    void fileDialogListsTheFiles() {
        QFETCH(QString, filter);
        QFETCH(int, chosen);
        QFETCH(QStringList, filters);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        for (const char* name : {"a.xls", "b.xlsx", "c.txt", "D.TXT", "e.doc", "f.docx"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ui::QtDialogs dialogs;
        QStringList seenFilters;
        QStringList seenFiles;
        QString lookIn;
        WhenModal<QFileDialog>([&](QFileDialog& dialog) {
            seenFilters = dialog.nameFilters();
            dialog.setDirectory(dir.path());
            dialog.selectNameFilter(seenFilters.value(chosen));
            QTRY_COMPARE(ListedFiles(dialog), listed);
            seenFiles = ListedFiles(dialog);
            lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
        });
        dialogs.openFileName(QStringLiteral("导入/更新文件"), filter);
        QCOMPARE(seenFilters, filters);
        QCOMPARE(seenFiles, listed);
        QVERIFY2(!lookIn.contains(QStringLiteral("Look in")), qPrintable(lookIn));
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
