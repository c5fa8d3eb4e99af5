#include "exam/TestForm.h"
#include "platform/ShadowLabel.h"
#include "fixtures/ProgramUnderTest.h"
#include "shell/MainUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QtTest>

namespace {

const QString NotCompleted = "This exam is not completed.\rAre you shure ?";

bool shown(QWidget* w)
{
    return !w->isHidden();
}

} // namespace

class TestExamWindow : public QObject {
    Q_OBJECT

private slots:
    void closeQuery_data();
    void closeQuery();
    void exitExam_data();
    void exitExam();
    void visibleControlsByMode_data();
    void visibleControlsByMode();
    void gradeCaptionAfterFirstStart();
    void failingStartLeavesTheWelcomePanel();
    void escapeDoesNotEndAnExam();
};

void TestExamWindow::closeQuery_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<MsgButton>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("closes");
    QTest::newRow("welcome panel") << int(NoExam) << MsgButton::OK << false << true;
    QTest::newRow("running, cancel") << int(ExamRunning) << MsgButton::Cancel << true << false;
    QTest::newRow("running, ok") << int(ExamRunning) << MsgButton::OK << true << true;
    QTest::newRow("reviewing") << int(Reviewing) << MsgButton::OK << false << true;
}

void TestExamWindow::closeQuery()
{
    QFETCH(int, mode);
    QFETCH(MsgButton, answer);
    QFETCH(bool, asks);
    QFETCH(bool, closes);
    ProgramUnderTest program;
    program.showExamWindow();
    MainForm->hide();
    if (mode != NoExam) {
        program.start(TestForm->Action[1]);
        QCOMPARE(TestForm->ExamMode, ExamRunning);
        TestForm->NextButton->click();
        TestForm->ExamMode = mode;
    }
    program.answers = {answer};
    TestForm->close();
    QCOMPARE(program.messages, asks ? QStringList{NotCompleted} : QStringList{});
    QCOMPARE(TestForm->isVisible(), !closes);
    QCOMPARE(MainForm->isVisible(), closes);
    if (closes) {
        QCOMPARE(TestForm->ExamMode, NoExam);
        QVERIFY(!TestForm->dtCurrentSet.active());
        QVERIFY(!TestForm->dtQSet.active());
        QVERIFY(!TestForm->Timer1->isActive());
    } else {
        // Cancel leaves the exam exactly as it was.
        QCOMPARE(TestForm->ExamMode, mode);
        QVERIFY(TestForm->dtCurrentSet.active());
        QCOMPARE(TestForm->dtCurrentSet.recNo(), 2);
        QCOMPARE(TestForm->Label1->text(), QString("Item 2 of 3"));
    }
}

void TestExamWindow::exitExam_data()
{
    QTest::addColumn<MsgButton>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("yes") << MsgButton::Yes << true;
    QTest::newRow("no") << MsgButton::No << false;
}

void TestExamWindow::exitExam()
{
    QFETCH(MsgButton, answer);
    QFETCH(bool, ends);
    ProgramUnderTest program;
    program.showExamWindow();
    program.start(TestForm->Action[0]);
    program.answers = {answer};
    TestForm->Button3->click();
    QCOMPARE(program.messages, QStringList{"Are you sure you wish to end this exam?"});
    QVERIFY(TestForm->isVisible());
    QCOMPARE(TestForm->ExamMode, ends ? NoExam : ExamRunning);
    QCOMPARE(shown(TestForm->Panel4), ends);
    QCOMPARE(TestForm->ExamsMenu->menuAction()->isEnabled(), ends);
    QCOMPARE(TestForm->PrintItem1->isEnabled(), !ends);
    QCOMPARE(TestForm->dtCurrentSet.active(), !ends);
}

void TestExamWindow::visibleControlsByMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("userExam");
    QTest::newRow("welcome") << int(NoExam) << false;
    QTest::newRow("exam") << int(ExamRunning) << false;
    QTest::newRow("user exam") << int(ExamRunning) << true;
    QTest::newRow("after a user exam") << int(NoExam) << true;
}

void TestExamWindow::visibleControlsByMode()
{
    QFETCH(int, mode);
    QFETCH(bool, userExam);
    ProgramUnderTest program;
    TestQuestion mine;
    program.folder.writeUserSet({mine, mine});
    program.showExamWindow();
    program.start(userExam ? TestForm->UserAct : TestForm->Action[0]);
    if (mode == NoExam)
        TestForm->CloseCurrentExam();
    const bool exam = mode == ExamRunning;
    QCOMPARE(TestForm->ExamMode, mode);
    QCOMPARE(shown(TestForm->Panel4), !exam);
    QCOMPARE(shown(TestForm->ScrollBox1), exam);
    QCOMPARE(shown(TestForm->Panel2), exam);
    QCOMPARE(shown(TestForm->fcLabel1), !exam);
    for (QWidget* w : std::initializer_list<QWidget*>{TestForm->Label1, TestForm->Label2, TestForm->Label3,
                                                      TestForm->MarkBox, TestForm->TimeLabel})
        QCOMPARE(shown(w), exam);
    QVERIFY(!shown(TestForm->ReviewLabel));
    QVERIFY(!shown(TestForm->CorrectLabel));
    QCOMPARE(shown(TestForm->NoteButton), !(exam && userExam));
    QCOMPARE(TestForm->ExamsMenu->menuAction()->isEnabled(), !exam);
    QCOMPARE(TestForm->PrintItem1->isEnabled(), exam);
    QCOMPARE(shown(TestForm->LearnButton), TestForm->ShowLearnBtn);
    QVERIFY(!TestForm->Timer1->isActive() || exam);
}

void TestExamWindow::gradeCaptionAfterFirstStart()
{
    ProgramUnderTest program;
    program.showExamWindow();
    QCOMPARE(TestForm->GradeButton->text(), QString("&Grade Now"));
    program.start(TestForm->Action[2]);
    QCOMPARE(TestForm->GradeButton->text(), QString("Grade Now"));
    QCOMPARE(TestForm->GradeButton->shortcut(), QKeySequence(Qt::ALT | Qt::Key_G)); // still on the keyboard
    TestForm->CloseCurrentExam();
    QCOMPARE(TestForm->GradeButton->text(), QString("Grade Now"));
}

void TestExamWindow::failingStartLeavesTheWelcomePanel()
{
    ProgramUnderTest program;
    program.showExamWindow();
    QFile bank(program.folder.file("veldra.DAT"));
    QVERIFY(bank.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bank.write("no longer a table");
    bank.close();
    program.start(TestForm->Action[0]);
    QCOMPARE(program.messages.size(), 1);
    QVERIFY(program.messages[0].contains("veldra.DAT"));
    QCOMPARE(TestForm->ExamMode, NoExam);
    QVERIFY(shown(TestForm->Panel4));
    QVERIFY(TestForm->isVisible());
}

void TestExamWindow::escapeDoesNotEndAnExam()
{
    ProgramUnderTest program;
    program.showExamWindow();
    program.start(TestForm->Action[0]);
    QTest::keyClick(TestForm, Qt::Key_Escape);
    QVERIFY(TestForm->isVisible());
    QCOMPARE(TestForm->ExamMode, ExamRunning);
    QVERIFY(program.messages.isEmpty());
}

QTEST_MAIN(TestExamWindow)
#include "tst_examwindow.moc"
