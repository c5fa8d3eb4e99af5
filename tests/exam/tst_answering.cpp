#include "exam/TestForm.h"
#include "fixtures/ProgramUnderTest.h"
#include "platform/ClickLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// One item of four answers, keyed as given, in an exam that is running.
struct OneItemExam {
    explicit OneItemExam(bool multiple, const QString& key = "BD")
        : program([&] {
              TestQuestion q;
              q.multiple = multiple;
              q.answers = QStringList{"a", "b", "c", "d"};
              q.key = key;
              TestQuestion second = q;
              return std::vector<TestQuestion>{q, second};
          }())
    {
        program.showExamWindow();
        program.start(TestForm->Action[0]);
    }
    ProgramUnderTest program;
};

QString chosen()
{
    QString s;
    for (bool c : TestForm->CurrentAnswer().Chosen)
        s += c ? '1' : '0';
    return s;
}

// Clicks as a user does: a letter names an answer text ("t") or its control ("c").
void act(const QString& steps)
{
    for (int i = 0; i + 1 < steps.size(); i += 2) {
        const int n = steps[i + 1].toLatin1() - 'a';
        if (steps[i] == 't')
            emit TestForm->ALabel[n]->clicked();
        else if (!TestForm->RadioButton[n]->isHidden())
            TestForm->RadioButton[n]->click();
        else
            TestForm->CheckBox[n]->click();
    }
}

} // namespace

class TestAnswering : public QObject {
    Q_OBJECT

private slots:
    void answersAndTheCorrectFlag_data();
    void answersAndTheCorrectFlag();
    void untouchedItemIsNeverCorrect();
    void reviewUndoesEveryClick_data();
    void reviewUndoesEveryClick();
    void choicesAndMarkSurviveNavigation();
    void hiddenCheckBoxesKeepTheirState();
};

void TestAnswering::answersAndTheCorrectFlag_data()
{
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("correct");
    QTest::newRow("single: text of the third") << false << "C"
                                               << "tc"
                                               << "001000" << true;
    QTest::newRow("single: control, then another") << false << "C"
                                                   << "cctb"
                                                   << "010000" << false;
    QTest::newRow("multiple: text twice") << true << "BD"
                                          << "tctc"
                                          << "000000" << false;
    QTest::newRow("multiple: exactly the key") << true << "BD"
                                               << "tbcd"
                                               << "010100" << true;
    QTest::newRow("multiple: one more than the key") << true << "BD"
                                                     << "tbtdca"
                                                     << "110100" << false;
    QTest::newRow("multiple: key again after removing") << true << "BD"
                                                        << "tbtdcata"
                                                        << "010100" << true;
    QTest::newRow("multiple: part of the key") << true << "BD"
                                               << "cb"
                                               << "010000" << false;
}

void TestAnswering::answersAndTheCorrectFlag()
{
    QFETCH(bool, multiple);
    QFETCH(QString, key);
    QFETCH(QString, steps);
    QFETCH(QString, chosen);
    QFETCH(bool, correct);
    OneItemExam exam(multiple, key);
    act(steps);
    QCOMPARE(::chosen(), chosen);
    QCOMPARE(TestForm->CurrentAnswer().Correct, correct);
}

void TestAnswering::untouchedItemIsNeverCorrect()
{
    OneItemExam exam(true, "");
    QVERIFY(!TestForm->CurrentAnswer().Correct);
    act("caca");
    QVERIFY(TestForm->CurrentAnswer().Correct); // chosen nothing, on purpose, for a key of nothing
}

void TestAnswering::reviewUndoesEveryClick_data()
{
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<QString>("steps");
    QTest::newRow("single, texts") << false << "tatbtd";
    QTest::newRow("single, controls") << false << "cacd";
    QTest::newRow("multiple, texts") << true << "tatc";
    QTest::newRow("multiple, controls") << true << "cbcdca";
}

void TestAnswering::reviewUndoesEveryClick()
{
    QFETCH(bool, multiple);
    QFETCH(QString, steps);
    OneItemExam exam(multiple);
    act("tb");
    const QString before = chosen();
    const bool correct = TestForm->CurrentAnswer().Correct;
    TestForm->ExamMode = Reviewing;
    act(steps);
    QCOMPARE(chosen(), before);
    QCOMPARE(TestForm->CurrentAnswer().Correct, correct);
    for (int n = 0; n < 4; ++n) {
        const bool shownChecked = multiple ? TestForm->CheckBox[n]->isChecked() : TestForm->RadioButton[n]->isChecked();
        QCOMPARE(shownChecked, before[n] == '1');
    }
}

void TestAnswering::choicesAndMarkSurviveNavigation()
{
    OneItemExam exam(false);
    act("tc");
    TestForm->MarkBox->click();
    TestForm->NextButton->click();
    QCOMPARE(chosen(), QString("000000"));
    QVERIFY(!TestForm->MarkBox->isChecked());
    QVERIFY(!TestForm->RadioButton[2]->isChecked());
    TestForm->PrevButton->click();
    QCOMPARE(chosen(), QString("001000"));
    QVERIFY(TestForm->RadioButton[2]->isChecked());
    QVERIFY(TestForm->MarkBox->isChecked());
    QVERIFY(AnswerSheet[0].Marked && !AnswerSheet[1].Marked);
}

void TestAnswering::hiddenCheckBoxesKeepTheirState()
{
    // A multiple-response item, then a single-response one: coming back shows the first as left.
    TestQuestion multi;
    multi.multiple = true;
    multi.answers = QStringList{"a", "b", "c"};
    multi.key = "AC";
    TestQuestion single;
    single.answers = QStringList{"a", "b", "c"};
    ProgramUnderTest program({multi, single});
    program.showExamWindow();
    program.start(TestForm->Action[0]);
    if (!TestForm->dtCurrentSet.fieldByName("Q_TYPE").asBoolean())
        TestForm->NextButton->click();
    const int multiIndex = TestForm->dtCurrentSet.recNo() - 1;
    act("cacc");
    if (multiIndex == 0)
        TestForm->NextButton->click();
    else
        TestForm->PrevButton->click();
    QVERIFY(!TestForm->RadioButton[0]->isHidden());
    QVERIFY(TestForm->CheckBox[0]->isHidden());
    if (multiIndex == 0)
        TestForm->PrevButton->click();
    else
        TestForm->NextButton->click();
    QCOMPARE(chosen(), QString("101000"));
    QVERIFY(AnswerSheet[multiIndex].Correct);
    QVERIFY(TestForm->CheckBox[0]->isChecked() && TestForm->CheckBox[2]->isChecked());
}

QTEST_MAIN(TestAnswering)
#include "tst_answering.moc"
