#include "ui/QuestionPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct Panel {
    QStringList sounds;
    ui::QuestionPanel panel{[this](const QString& s) { sounds << s; }};

    // Each tick as the label and the sounds show it.
    QStringList countdown(qint16 limit) {
        core::QuestionItem q;
        q.Number = QStringLiteral("1");
        q.TimeLimit = limit;
        panel.clearForStart();
        panel.showQuestion(q.Number, &q);
        QStringList ticks;
        while (panel.Timer答题计时->isActive()) {
            sounds.clear();
            panel.Timer答题计时_Timer();
            ticks << panel.Label答题剩余时间->text() + (sounds.isEmpty() ? QString() : u' ' + sounds.join(u','));
        }
        return ticks;
    }
};

} // namespace

class TestQuestionPanel : public QObject {
    Q_OBJECT
private slots:
    void countdown_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("ticks");
        QTest::newRow("12") << 12 << QStringList{"11", "10 Warning", "9",        "8",        "7",        "6",
                                                 "5",  "4",          "3 TimeUp", "2 TimeUp", "1 TimeUp", "0"};
        QTest::newRow("10: no warning") << 10 << QStringList{"9", "8",        "7",        "6",        "5",
                                                             "4", "3 TimeUp", "2 TimeUp", "1 TimeUp", "0"};
        QTest::newRow("11: warning first")
            << 11 << QStringList{"10 Warning", "9", "8", "7", "6", "5", "4", "3 TimeUp", "2 TimeUp", "1 TimeUp", "0"};
        QTest::newRow("0: no countdown") << 0 << QStringList{};
    }
    void countdown() {
        QFETCH(int, limit);
        QFETCH(QStringList, ticks);
        Panel p;
        QCOMPARE(p.countdown(qint16(limit)), ticks);
        if (limit == 0) QCOMPARE(p.panel.Label答题剩余时间->text(), QStringLiteral("-1"));
    }

    void firstTickAfterLoadStops() {
        Panel p;
        QVERIFY(p.panel.Timer答题计时->isActive());
        p.panel.Timer答题计时_Timer();
        QVERIFY(!p.panel.Timer答题计时->isActive());
        QCOMPARE(p.panel.Label答题剩余时间->text(), QStringLiteral("-1"));
    }

    void publishingFreezesTheCountdown() {
        Panel p;
        core::QuestionItem q;
        q.TimeLimit = 30;
        p.panel.showQuestion(QStringLiteral("1"), &q);
        p.panel.Timer答题计时_Timer();
        p.panel.Timer答题计时_Timer();
        QTest::mouseClick(p.panel.Command公布答案, Qt::LeftButton);
        QVERIFY(!p.panel.Timer答题计时->isActive());
        QCOMPARE(p.panel.Label答题剩余时间->text(), QStringLiteral("28"));
        QVERIFY(p.panel.Frame正确答案及解析->isVisibleTo(&p.panel));
        QCOMPARE(p.sounds.last(), QStringLiteral("ShowDA"));
    }

    void scoreButtons_data() {
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("plus");
        QTest::addColumn<QString>("afterTwoPlus");
        QTest::addColumn<QString>("afterMinus");
        QTest::newRow("5") << "5"
                           << "+5"
                           << "10"
                           << "5";
        QTest::newRow("2.5") << "2.5"
                             << "+2.5"
                             << "5"
                             << "2.5";
    }
    void scoreButtons() {
        QFETCH(QString, points);
        QFETCH(QString, plus);
        QFETCH(QString, afterTwoPlus);
        QFETCH(QString, afterMinus);
        Panel p;
        p.panel.Text题目信息[1]->setText(points);
        QCOMPARE(p.panel.Command题目分数处理[0]->text(), plus);
        QCOMPARE(p.panel.Command题目分数处理[1]->text(), QStringLiteral("+0"));
        QCOMPARE(p.panel.Command题目分数处理[2]->text(), QStringLiteral("-") + points);
        QTest::mouseClick(p.panel.Command题目分数处理[0], Qt::LeftButton);
        QTest::mouseClick(p.panel.Command题目分数处理[0], Qt::LeftButton);
        QCOMPARE(p.panel.Text抽题总得分->text(), afterTwoPlus);
        QCOMPARE(p.sounds, (QStringList{"Up", "Up"}));
        QTest::mouseClick(p.panel.Command题目分数处理[2], Qt::LeftButton);
        QCOMPARE(p.panel.Text抽题总得分->text(), afterMinus);
        QTest::mouseClick(p.panel.Command题目分数处理[1], Qt::LeftButton);
        QCOMPARE(p.panel.Text抽题总得分->text(), afterMinus);
        QCOMPARE(p.sounds, (QStringList{"Up", "Up", "Down", "Down"}));
        QTest::mouseClick(p.panel.Command题目分数处理[3], Qt::LeftButton);
        QCOMPARE(p.panel.Text抽题总得分->text(), QStringLiteral("0"));
        QCOMPARE(p.sounds.size(), 4);
    }

    void afterStartTheButtonsAddNothing() {
        Panel p;
        p.panel.Text题目信息[1]->setText(QStringLiteral("5"));
        p.panel.Text抽题总得分->setText(QStringLiteral("abc"));
        p.panel.clearForStart();
        QCOMPARE(p.panel.Command题目分数处理[0]->text(), QStringLiteral("+"));
        QCOMPARE(p.panel.Command题目分数处理[2]->text(), QStringLiteral("-"));
        QTest::mouseClick(p.panel.Command题目分数处理[0], Qt::LeftButton);
        QCOMPARE(p.panel.Text抽题总得分->text(), QStringLiteral("0")); // text counts as 0
        QCOMPARE(p.panel.Label答题剩余时间->text(), QStringLiteral("-1"));
    }

    void unknownNumberShowsNoOldQuestion() {
        Panel p;
        core::QuestionItem q;
        q.Score = 5;
        q.TimeLimit = 30;
        p.panel.showQuestion(QStringLiteral("1"), &q);
        p.panel.showQuestion(QStringLiteral("99"), nullptr);
        QCOMPARE(p.panel.Text题目信息[0]->text(), QStringLiteral("99"));
        QCOMPARE(p.panel.Text题目信息[1]->text(), QStringLiteral("0"));
        QCOMPARE(p.panel.CurTimeLimit, qint16(0));
    }
};

QTEST_MAIN(TestQuestionPanel)
#include "tst_questionpanel.moc"
