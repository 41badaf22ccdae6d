#pragma once
// The main window in a throw-away program folder, with scripted dialogs.
#include "ProgramFolder.h"
#include "ScriptedDialogs.h"
#include "ui/Form1.h"
#include "ui/WindowHelpers.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

struct Fixture {
    ProgramFolder folder;
    core::AppState state;
    ScriptedDialogs dialogs;
    QRandomGenerator rng{42};
    std::unique_ptr<ui::Form1> form;
    bool ended = false;
    QStringList opened; // what was handed to its associated program
    bool opens = true;  // whether that program takes it

    explicit Fixture(const QString& commandLine = {}, bool load = true) {
        state.AppFolder = folder.path();
        if (load) this->load(commandLine);
    }
    void load(const QString& commandLine = {}) {
        form = std::make_unique<ui::Form1>(state, dialogs, rng);
        form->setProcessEnd([this] { ended = true; });
        form->setDocumentOpener([this](const QString& path) {
            opened << path;
            return opens;
        });
        QVERIFY(form->Form_Load(commandLine));
        QTRY_VERIFY(form->isVisible()); // shown by its start-up timer; clicks need the laid-out window
        form->SetAdvancedView(true);    // the lists and panels are in the advanced view
    }
    // Exit (which saves the settings) and start again in the same folder.
    void restart() {
        form->CommandExit_Click();
        state = core::AppState{};
        state.AppFolder = folder.path();
        dialogs.messages.clear();
        load();
    }
    void useNameFile(const QString& name, const QByteArray& bytes) {
        folder.write(QStringLiteral("文本[姓名]文件/") + name, bytes);
        form->Option抽取方式_Click(1);
        QVERIFY(ui::SelectListItem(form->Combo选择姓名文件, name, false));
    }
    QString draw() {
        QTest::mouseClick(form->Command开始, Qt::LeftButton);
        QTest::mouseClick(form->Command确定, Qt::LeftButton);
        return state.CurrentDrawText;
    }
    QStringList historyFiles() const { return QDir(folder.file(QStringLiteral("历史记录"))).entryList(QDir::Files); }
};
