#include "exam/NameUnit.h"
#include "exam/SetDrawing.h"
#include "exam/TestForm.h"
#include "exam/WelcomeLayout.h"
#include "fixtures/ProgramUnderTest.h"
#include "platform/ShapeButton.h"
#include "shell/ProgressUnit.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <map>
#include <set>

namespace {

// The bank ids of the current set's items, in exam order.
QList<int> itemOrigins()
{
    QList<int> ids;
    Table& set = TestForm->dtCurrentSet;
    for (set.first(); !set.eof(); set.next())
        ids << int(set.fieldByName("Q_OR_NUMBER").asInteger());
    set.first();
    return ids;
}

std::vector<TestQuestion> bankWithExamZero()
{
    auto qs = sampleQuestions(21);
    qs[4].exam = 0;  // id 5
    qs[11].exam = 0; // id 12
    return qs;
}

} // namespace

class TestPreparation : public QObject {
    Q_OBJECT

private slots:
    void practiceExamHoldsItsQuestionsOnce_data();
    void practiceExamHoldsItsQuestionsOnce();
    void randomExamDrawsDistinctEligibleQuestions_data();
    void randomExamDrawsDistinctEligibleQuestions();
    void userExamCopiesTheUserSet();
    void emptyUserSetIsRefused();
    void sourceWithoutQuestionsStartsNothing();
    void randomExamWithoutEligibleQuestions();
    void answerSheetStartsCleared();
    void drawnOrdersAreUniform_data();
    void drawnOrdersAreUniform();
    void startDialogCancelStartsNothing();
    void startDialogMinutes();
    void countBoxByStart_data();
    void countBoxByStart();
    void boundedSpinValue_data();
    void boundedSpinValue();
    void centredRows_data();
    void centredRows();
    void welcomeButtonsKeepTheirGapsOnResize();
};

void TestPreparation::practiceExamHoldsItsQuestionsOnce_data()
{
    QTest::addColumn<int>("action"); // 0..6 practice exams, 7 all questions
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<QString>("title");
    QTest::newRow("B") << 1 << QList<int>{2, 9, 16} << "Practice Exam B";
    QTest::newRow("E without its exam-0 question") << 4 << QList<int>{19} << "Practice Exam E";
    QList<int> all;
    for (int i = 1; i <= 21; ++i)
        if (i != 5 && i != 12)
            all << i;
    QTest::newRow("all questions") << 7 << all << "All Questions";
}

void TestPreparation::practiceExamHoldsItsQuestionsOnce()
{
    QFETCH(int, action);
    QFETCH(QList<int>, expected);
    QFETCH(QString, title);
    ProgramUnderTest program(bankWithExamZero());
    program.showExamWindow();
    program.start(action < 7 ? TestForm->Action[action] : TestForm->AllQAct);
    QCOMPARE(TestForm->ExamTitle, title);
    QCOMPARE(TestForm->ExamMode, ExamRunning);
    QList<int> got = itemOrigins();
    QCOMPARE(TestForm->ItemCount, expected.size());
    QCOMPARE(TestForm->FirstRecNo, 1);
    std::sort(got.begin(), got.end());
    QCOMPARE(got, expected);
    // The copy carries the bank's fields.
    Table& set = TestForm->dtCurrentSet;
    set.first();
    QCOMPARE(set.fieldByName("Q_TEXT").asString(),
             QString("Question %1").arg(set.fieldByName("Q_OR_NUMBER").asInteger()));
    QVERIFY(set.fieldByName("A2").asBoolean());
    QVERIFY(!set.fieldByName("A1").asBoolean());
    QCOMPARE(set.recNo(), 1);
    QCOMPARE(TestForm->Label1->text(), QString("Item 1 of %1").arg(expected.size()));
}

void TestPreparation::randomExamDrawsDistinctEligibleQuestions_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("some") << 7 << 7;
    QTest::newRow("every eligible") << 19 << 19;
    QTest::newRow("more than there are") << 500 << 19;
}

void TestPreparation::randomExamDrawsDistinctEligibleQuestions()
{
    QFETCH(int, count);
    QFETCH(int, expected);
    ProgramUnderTest program(bankWithExamZero());
    program.showExamWindow();
    program.modal = [count](QDialog* w) {
        NameForm->SpinEdit2->findChild<QLineEdit*>()->setText(QString::number(count));
        return confirmStartDialog(w);
    };
    program.start(TestForm->RandAct);
    const QList<int> got = itemOrigins();
    QCOMPARE(got.size(), expected);
    const std::set<int> distinct(got.begin(), got.end());
    QCOMPARE(int(distinct.size()), expected);
    QVERIFY(!distinct.count(5) && !distinct.count(12));
    QCOMPARE(TestForm->ExamTitle, QString("Random Exam"));
}

void TestPreparation::userExamCopiesTheUserSet()
{
    ProgramUnderTest program;
    std::vector<TestQuestion> mine(3);
    mine[0].id = 4;
    mine[1].id = 9;
    mine[2].id = 30; // ids with gaps, as the sampler leaves them
    for (TestQuestion& q : mine) {
        q.section = 5;
        q.text = QString("mine %1").arg(q.id);
        q.memo = QString("memo %1").arg(q.id);
        q.multiple = true;
        q.key = "AB";
    }
    program.folder.writeUserSet(mine);
    program.showExamWindow();
    program.start(TestForm->UserAct);
    QCOMPARE(TestForm->ExamTitle, QString("User Exam"));
    QList<int> got = itemOrigins();
    std::sort(got.begin(), got.end());
    QCOMPARE(got, (QList<int>{4, 9, 30}));
    Table& set = TestForm->dtCurrentSet;
    for (set.first(); !set.eof(); set.next()) {
        const qint64 id = set.fieldByName("Q_OR_NUMBER").asInteger();
        QCOMPARE(set.fieldByName("Q_TEXT").asString(), QString("mine %1").arg(id));
        QCOMPARE(set.fieldByName("U_MEMO").asString(), QString("memo %1").arg(id));
        QCOMPARE(set.fieldByName("Q_SECT").asInteger(), 5);
        QVERIFY(set.fieldByName("Q_TYPE").asBoolean());
        QVERIFY(set.fieldByName("PICT1").asString().isEmpty());
        QVERIFY(set.fieldByName("PICT2").asString().isEmpty());
    }
    QVERIFY(TestForm->NoteButton->isHidden());
}

void TestPreparation::emptyUserSetIsRefused()
{
    ProgramUnderTest program;
    program.showExamWindow();
    bool dialogShown = false;
    program.modal = [&](QDialog*) {
        dialogShown = true;
        return ModalResult::OK;
    };
    program.start(TestForm->UserAct);
    QCOMPARE(program.messages, QStringList{"User defined question set is empty!"});
    QVERIFY(!dialogShown);
    QCOMPARE(TestForm->ExamMode, NoExam);
    QVERIFY(!TestForm->dtUserSet.active());
}

void TestPreparation::sourceWithoutQuestionsStartsNothing()
{
    auto qs = sampleQuestions(6); // exams 1..6: practice exam G has none
    ProgramUnderTest program(qs);
    program.showExamWindow();
    program.start(TestForm->Action[6]);
    QCOMPARE(program.messages.size(), 1);
    QVERIFY(program.messages[0].contains("no questions"));
    QCOMPARE(TestForm->ExamMode, NoExam);
    QVERIFY(!TestForm->Panel4->isHidden());
    QVERIFY(!ProgressForm->isVisible());
}

void TestPreparation::randomExamWithoutEligibleQuestions()
{
    auto none = sampleQuestions(3);
    for (TestQuestion& q : none)
        q.exam = 0;
    ProgramUnderTest program(none);
    program.showExamWindow();
    program.start(TestForm->RandAct);
    QCOMPARE(program.messages.size(), 1);
    QVERIFY(program.messages[0].contains("no questions"));
    QCOMPARE(TestForm->ExamMode, NoExam);

    // With questions back, a count typed as 0 still draws one.
    QVERIFY(QFile::remove(program.folder.file("veldra.DAT")));
    program.folder.writeBank(sampleQuestions(5));
    program.modal = [](QDialog* w) {
        NameForm->SpinEdit2->findChild<QLineEdit*>()->setText("0");
        return confirmStartDialog(w);
    };
    program.start(TestForm->RandAct);
    QCOMPARE(TestForm->ExamMode, ExamRunning);
    QCOMPARE(TestForm->ItemCount, 1);
}

void TestPreparation::answerSheetStartsCleared()
{
    ProgramUnderTest program;
    program.showExamWindow();
    program.start(TestForm->AllQAct);
    // Leave traces, then start again: nothing of them may remain.
    for (AnswerRecord& r : AnswerSheet) {
        r.Chosen.fill(true);
        r.Marked = r.Correct = true;
    }
    TestForm->CloseCurrentExam();
    program.start(TestForm->AllQAct);
    QCOMPARE(int(AnswerSheet.size()), 21);
    Table& set = TestForm->dtCurrentSet;
    for (set.first(); !set.eof(); set.next()) {
        const AnswerRecord& r = AnswerSheet[set.recNo() - 1];
        QCOMPARE(r.Section, int(set.fieldByName("Q_SECT").asInteger()));
        QVERIFY(!r.Marked && !r.Correct);
        QCOMPARE(r.Chosen, (std::array<bool, 6>{}));
    }
}

void TestPreparation::drawnOrdersAreUniform_data()
{
    QTest::addColumn<int>("candidates");
    QTest::addColumn<int>("count");
    QTest::newRow("every order of 4") << 4 << 4;
    QTest::newRow("ordered pairs of 5") << 5 << 2;
}

void TestPreparation::drawnOrdersAreUniform()
{
    QFETCH(int, candidates);
    QFETCH(int, count);
    std::vector<int> pool;
    for (int i = 1; i <= candidates; ++i)
        pool.push_back(i * 10);
    std::mt19937 random(12345);
    std::map<std::vector<int>, int> seen;
    const int draws = 48000;
    for (int i = 0; i < draws; ++i)
        ++seen[drawOrder(pool, count, random)];
    int outcomes = 1;
    for (int i = 0; i < count; ++i)
        outcomes *= candidates - i;
    QCOMPARE(int(seen.size()), outcomes);
    // Chi-square against the uniform distribution; the bound is far above what a fair draw gives
    // (degrees of freedom 19 or 23) and far below what a biased shuffle gives at this many draws.
    const double expected = double(draws) / outcomes;
    double chi = 0;
    for (const auto& [order, n] : seen) {
        QCOMPARE(std::set<int>(order.begin(), order.end()).size(), size_t(count));
        chi += (n - expected) * (n - expected) / expected;
    }
    QVERIFY2(chi < 60, qPrintable(QString::number(chi)));
}

void TestPreparation::startDialogCancelStartsNothing()
{
    ProgramUnderTest program;
    program.showExamWindow();
    program.modal = [](QDialog*) { return ModalResult::Cancel; };
    const QString label3 = TestForm->Label3->text();
    program.start(TestForm->Action[0]);
    QCOMPARE(TestForm->ExamMode, NoExam);
    QVERIFY(!TestForm->Panel4->isHidden());
    QCOMPARE(TestForm->Label3->text(), label3);
    QVERIFY(TestForm->Label1->isHidden());
    QVERIFY(!TestForm->dtCurrentSet.active());
}

void TestPreparation::startDialogMinutes()
{
    ProgramUnderTest program;
    program.showExamWindow();
    int shownMinutes = 0;
    program.modal = [&](QDialog* w) {
        shownMinutes = NameForm->SpinEdit1->value();
        return confirmStartDialog(w);
    };
    program.start(TestForm->RandAct);
    QCOMPARE(shownMinutes, 90); // the very first random exam
    TestForm->CloseCurrentExam();

    TestForm->DefaultTime = 9000;
    program.modal = [&](QDialog* w) {
        shownMinutes = NameForm->SpinEdit1->value();
        NameForm->SpinEdit1->findChild<QLineEdit*>()->setText("30");
        return confirmStartDialog(w);
    };
    program.start(TestForm->Action[0]);
    QCOMPARE(shownMinutes, 600);
    QCOMPARE(TestForm->TimeLimit, 30 / 1440.0);
    TestForm->CloseCurrentExam();

    program.modal = [&](QDialog* w) {
        shownMinutes = NameForm->SpinEdit1->value();
        return confirmStartDialog(w);
    };
    program.start(TestForm->RandAct);
    QCOMPARE(shownMinutes, 30); // carried over, not the default
}

void TestPreparation::countBoxByStart_data()
{
    QTest::addColumn<int>("start"); // 0..6 practice, 7 all, 8 random, 9 user
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("caption");
    QTest::newRow("A") << 0 << false << "Begin Practice Exam A";
    QTest::newRow("G") << 6 << false << "Begin Practice Exam G";
    QTest::newRow("all") << 7 << false << "Take All Questions";
    QTest::newRow("random") << 8 << true << "Random Exam";
    QTest::newRow("user") << 9 << false << "User Exam";
}

void TestPreparation::countBoxByStart()
{
    QFETCH(int, start);
    QFETCH(bool, enabled);
    QFETCH(QString, caption);
    ProgramUnderTest program(bankWithExamZero());
    program.folder.writeUserSet({TestQuestion{}});
    program.showExamWindow();
    program.modal = [](QDialog*) { return ModalResult::Cancel; };
    QAction* action = start < 7
                          ? TestForm->Action[start]
                          : (start == 7 ? TestForm->AllQAct : (start == 8 ? TestForm->RandAct : TestForm->UserAct));
    program.start(action);
    QCOMPARE(NameForm->windowTitle(), caption);
    QCOMPARE(NameForm->SpinEdit2->value(), 19);
    QCOMPARE(NameForm->SpinEdit2->maximum(), 19);
    QCOMPARE(NameForm->SpinEdit2->isEnabled(), enabled);
    QCOMPARE(NameForm->Label4->isEnabled(), enabled);
    QCOMPARE(NameForm->SpinEdit2->palette().color(QPalette::Base) == QColor(192, 192, 192), !enabled);
}

void TestPreparation::boundedSpinValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("expected");
    QTest::newRow("in range") << "12" << 40 << 12;
    QTest::newRow("above") << "9000" << 600 << 600;
    QTest::newRow("below") << "0" << 600 << 1;
    QTest::newRow("negative") << "-5" << 600 << 1;
    QTest::newRow("no number") << "lots" << 600 << 1;
    QTest::newRow("empty") << "" << 600 << 1;
}

void TestPreparation::boundedSpinValue()
{
    QFETCH(QString, text);
    QFETCH(int, max);
    QFETCH(int, expected);
    QCOMPARE(::boundedSpinValue(text, 1, max), expected);
}

void TestPreparation::centredRows_data()
{
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("first");
    // (W - 7*30 - 36) / 2 and (W - 3*109 - 12) / 2, halves to even.
    QTest::newRow("exam row, even") << 1000 << 30 << 7 << 377;
    QTest::newRow("exam row, half down") << 1001 << 30 << 7 << 378; // 377.5 -> 378
    QTest::newRow("exam row, half up") << 1003 << 30 << 7 << 378;   // 378.5 -> 378
    QTest::newRow("second row") << 1000 << 109 << 3 << 330;         // 330.5 -> 330
    QTest::newRow("second row, odd") << 1001 << 109 << 3 << 331;
}

void TestPreparation::centredRows()
{
    QFETCH(int, W);
    QFETCH(int, width);
    QFETCH(int, n);
    QFETCH(int, first);
    const std::vector<int> lefts = centredRow(W, std::vector<int>(n, width));
    QCOMPARE(lefts.front(), first);
    for (int i = 1; i < n; ++i)
        QCOMPARE(lefts[i] - lefts[i - 1], width + 6);
}

void TestPreparation::welcomeButtonsKeepTheirGapsOnResize()
{
    ProgramUnderTest program;
    for (int width : {900, 1133}) {
        program.showExamWindow(width, 700);
        for (int i = 1; i < 7; ++i)
            QCOMPARE(TestForm->ExamButtons[i]->x() - TestForm->ExamButtons[i - 1]->geometry().right() - 1, 6);
        QCOMPARE(TestForm->RandButton->x() - TestForm->AllQButton->geometry().right() - 1, 6);
        QCOMPARE(TestForm->UserButton->x() - TestForm->RandButton->geometry().right() - 1, 6);
        QCOMPARE(TestForm->ExamButtons[0]->x(),
                 centredRow(TestForm->frameGeometry().width(), std::vector<int>(7, 30)).front());
    }
}

QTEST_MAIN(TestPreparation)
#include "tst_preparation.moc"
