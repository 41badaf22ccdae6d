#include "FullScreenFixture.h"

#include "modes/Form抽题时全屏.h"
#include "ui/QuestionPanel.h"

#include <QFrame>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

core::QuestionItem Question() {
    core::QuestionItem q;
    q.Number = QStringLiteral("7");
    q.Question = "{\\rtf1\\ansi\\fs24 Capital of France?}";
    q.Answer = "{\\rtf1\\ansi Paris}";
    q.Analysis = "{\\rtf1\\ansi On the Seine.}";
    q.Score = 5;
    q.TimeLimit = 12;
    return q;
}

double FirstTypeSize(const QTextEdit* box) {
    return box->document()->begin().begin().fragment().charFormat().fontPointSize();
}

} // namespace

class TestQuestionFullScreen : public QObject {
    Q_OBJECT
private slots:
    void opensInQuestionMode() {
        FullScreenFixture f;
        f.form->Option抽取方式[2]->setChecked(true); // keeps the numbers as candidates, so the list is not empty
        f.form->Image全屏_Click();
        auto* w = dynamic_cast<modes::Form抽题时全屏*>(f.window.data());
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(!f.form->isVisible());
        QCOMPARE(w->label操作提示->text(), QStringLiteral("操作提示： 空格-开始/确定  Ctrl+A-公布答案  ESC-退出全屏"));
    }

    void mirrorsQuestionAnswerAndRemainingTime() {
        FullScreenFixture f;
        f.form->Option抽取方式_Click(2);
        ui::QuestionPanel& panel = *f.form->Frame抽题后的答案解析等公布;
        modes::Form抽题时全屏 w(*f.form, f.state);
        const core::QuestionItem q = Question();
        panel.clearForStart();
        panel.showQuestion(q.Number, &q);
        w.Timer刷新_Timer();
        QCOMPARE(w.RichTextBox题目信息[2]->toPlainText(), QStringLiteral("Capital of France?"));
        QVERIFY(!w.RichTextBox题目信息[2]->isHidden());
        QVERIFY(w.Frame正确答案及解析->isHidden());
        QCOMPARE(w.Label题目信息->text(), QStringLiteral("题号：7\n分值：5\n限时：12 秒\n总分：0\n剩余时间："));
        QCOMPARE(w.Label答题剩余时间->text(), QStringLiteral("-1"));

        panel.Timer答题计时_Timer();
        w.Timer刷新_Timer();
        QCOMPARE(w.Label答题剩余时间->text(), QStringLiteral("11"));

        FullScreenFixture::showActive(w);
        QTest::keyClick(w.Picture用于响应按键, Qt::Key_A, Qt::ControlModifier); // publishes in the main window
        QVERIFY(!panel.Timer答题计时->isActive());
        QVERIFY(!panel.Frame正确答案及解析->isHidden());
        w.Timer刷新_Timer();
        QVERIFY(!w.Frame正确答案及解析->isHidden());
        QCOMPARE(w.RichTextBox题目信息[0]->toPlainText(), QStringLiteral("Paris"));
        QCOMPARE(w.RichTextBox题目信息[1]->toPlainText(), QStringLiteral("On the Seine."));

        // The next Start empties the question and hides the answer again.
        panel.clearForStart();
        w.Timer刷新_Timer();
        QVERIFY(w.RichTextBox题目信息[2]->isHidden());
        QVERIFY(w.Frame正确答案及解析->isHidden());
        QCOMPARE(w.RichTextBox题目信息[2]->toPlainText(), QString());
    }

    void questionTypeIsEnlarged() {
        Fixture f;
        ui::QuestionPanel& panel = *f.form->Frame抽题后的答案解析等公布;
        modes::Form抽题时全屏 w(*f.form, f.state);
        const core::QuestionItem q = Question();
        w.show();
        panel.showQuestion(q.Number, &q);
        w.Timer刷新_Timer();
        QCOMPARE(FirstTypeSize(panel.RichTextBox题目信息[2]), 12.0);
        QCOMPARE(FirstTypeSize(w.RichTextBox题目信息[2]), 36.0); // three times, as the box holds it
    }

    void publishedAnswerIsLegible_data() {
        QTest::addColumn<int>("lines");
        QTest::newRow("one line") << 1;
        QTest::newRow("several lines") << 5;
    }
    void publishedAnswerIsLegible() {
        QFETCH(int, lines);
        Fixture f;
        f.form->Option抽取方式_Click(2);
        ui::QuestionPanel& panel = *f.form->Frame抽题后的答案解析等公布;
        modes::Form抽题时全屏 w(*f.form, f.state);
        w.show();
        core::QuestionItem q = Question();
        QByteArray analysis = "{\\rtf1\\ansi\\fs21 ";
        for (int i = 0; i < lines; ++i)
            analysis += "Line of the analysis\\par ";
        q.Analysis = analysis + "}";
        panel.showQuestion(q.Number, &q);
        f.form->Command公布答案_Click();
        w.Timer刷新_Timer();
        QVERIFY(!w.Frame正确答案及解析->isHidden());
        for (QTextEdit* box : {w.RichTextBox题目信息[0], w.RichTextBox题目信息[1]}) {
            QCOMPARE(box->verticalScrollBar()->maximum(), 0); // no line hidden below the box
            QVERIFY(FirstTypeSize(box) >= 2 * 10.5 || lines > 1);
        }
        const QRect frame(w.Frame正确答案及解析->mapTo(&w, QPoint(0, 0)), w.Frame正确答案及解析->size());
        QVERIFY(frame.bottom() < w.label操作提示->y()); // nothing under the key hint
    }
};

QTEST_MAIN(TestQuestionFullScreen)
#include "tst_questionfullscreen.moc"
