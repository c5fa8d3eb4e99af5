#include "exam/LPositionsUnit.h"
#include "exam/TestForm.h"
#include "fixtures/ProgramUnderTest.h"
#include "platform/ClickLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {

const QString LongText = QString("A long text that has to wrap over several lines of the item area. ").repeated(12);

// Checks the stacking rules on the item now on screen.
void checkStack(int answers, bool multiple)
{
    const TTestForm& f = *TestForm;
    const int box = f.Panel3->width();
    QCOMPARE(f.QPanel->y(), 0);
    QCOMPARE(f.QPanel->height(), f.QText->height() + 16);
    QCOMPARE(f.Shape1->y(), f.QPanel->height());
    QCOMPARE(f.ExhBtnA->y(), f.QPanel->height() + 2);
    QCOMPARE(f.ALabel[0]->y(), f.QPanel->height() + 42);
    for (int n = 0; n < 6; ++n) {
        QCOMPARE(f.ALabel[n]->x(), 80);
        QCOMPARE(f.ALabel[n]->width(), box - 110);
        QCOMPARE(f.ALabel[n]->isHidden(), n >= answers);
        QCOMPARE(f.RadioButton[n]->isHidden(), n >= answers || multiple);
        QCOMPARE(f.CheckBox[n]->isHidden(), n >= answers || !multiple);
        QWidget* control = multiple ? static_cast<QWidget*>(f.CheckBox[n]) : f.RadioButton[n];
        if (n < answers) {
            QCOMPARE(control->y(), f.ALabel[n]->y());
            QCOMPARE(control->geometry(), QRect(40, f.ALabel[n]->y(), 38, 17));
        }
        if (n > 0)
            QCOMPARE(f.ALabel[n]->y(), f.ALabel[n - 1]->geometry().bottom() + 1 + 15);
    }
    const int reference = std::max(1, answers - 1);
    QCOMPARE(f.ExpText->y(), f.ALabel[reference]->geometry().bottom() + 1 + 40);
    QCOMPARE(f.ExpText->width(), box - 38);
    QCOMPARE(f.ScrollBox1->verticalScrollBar()->value(), 0);
    QVERIFY(!f.ScrollBox1->isHidden());
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void stackingArithmetic_data();
    void stackingArithmetic();
    void referenceLabel_data();
    void referenceLabel();
    void itemsAreStackedOnScreen_data();
    void itemsAreStackedOnScreen();
    void nullTypeShowsRadioButtons();
    void headerAndNavigation();
};

void TestLayout::stackingArithmetic_data()
{
    QTest::addColumn<int>("q");
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<int>("visibleCount");
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<int>("explanation");
    // q = 20: panel 36, exhibits at 38, answer a at 78.
    QTest::newRow("four answers") << 20 << QList<int>{16, 32, 16, 16, 0, 0} << 4
                                  << QList<int>{78, 109, 156, 187, 218, 233} << 187 + 16 + 40;
    QTest::newRow("two answers") << 20 << QList<int>{16, 16, 0, 0, 0, 0} << 2 << QList<int>{78, 109, 140, 155, 170, 185}
                                 << 109 + 16 + 40;
    QTest::newRow("six answers") << 0 << QList<int>{10, 10, 10, 10, 10, 10} << 6
                                 << QList<int>{58, 83, 108, 133, 158, 183} << 183 + 10 + 40;
}

void TestLayout::stackingArithmetic()
{
    QFETCH(int, q);
    QFETCH(QList<int>, heights);
    QFETCH(int, visibleCount);
    QFETCH(QList<int>, tops);
    QFETCH(int, explanation);
    std::array<int, 6> h{};
    std::array<bool, 6> visible{};
    for (int n = 0; n < 6; ++n) {
        h[n] = heights[n];
        visible[n] = n < visibleCount;
    }
    const ItemStack s = stackItem(q, h, visible);
    QCOMPARE(s.questionPanelHeight, q + 16);
    QCOMPARE(s.exhibitTop, q + 18);
    for (int n = 0; n < 6; ++n)
        QCOMPARE(s.answerTop[n], tops[n]);
    QCOMPARE(s.explanationTop, explanation);
}

void TestLayout::referenceLabel_data()
{
    QTest::addColumn<QString>("visible");
    QTest::addColumn<int>("reference");
    QTest::newRow("a b") << "110000" << 1;
    QTest::newRow("a b c") << "111000" << 2;
    QTest::newRow("all") << "111111" << 5;
    QTest::newRow("gap at d") << "111011" << 2;
    QTest::newRow("only a") << "100000" << 1;
    QTest::newRow("none") << "000000" << 1;
}

void TestLayout::referenceLabel()
{
    QFETCH(QString, visible);
    QFETCH(int, reference);
    std::array<bool, 6> v{};
    for (int n = 0; n < 6; ++n)
        v[n] = visible[n] == '1';
    QCOMPARE(::referenceLabel(v), reference);
}

void TestLayout::itemsAreStackedOnScreen_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<bool>("exhibit");
    QTest::addColumn<bool>("longTexts");
    QTest::newRow("2, single") << 2 << false << false << false;
    QTest::newRow("4, multiple, exhibit") << 4 << true << true << false;
    QTest::newRow("6, single, long") << 6 << false << false << true;
    QTest::newRow("5, multiple, long, exhibit") << 5 << true << true << true;
}

void TestLayout::itemsAreStackedOnScreen()
{
    QFETCH(int, answers);
    QFETCH(bool, multiple);
    QFETCH(bool, exhibit);
    QFETCH(bool, longTexts);
    TestQuestion q;
    q.text = longTexts ? LongText : "Which one?";
    q.multiple = multiple;
    q.answers.clear();
    for (int n = 0; n < answers; ++n)
        q.answers << (longTexts && n % 2 ? LongText : QString("answer %1").arg(n + 1));
    q.explanation = longTexts ? LongText : "Because.";
    if (exhibit)
        q.pict1 = "x.png";
    ProgramUnderTest program({q});
    program.showExamWindow(1000, 600);
    program.start(TestForm->Action[0]);
    QCOMPARE(TestForm->ExhBtnA->isHidden(), !exhibit);
    QVERIFY(TestForm->ExhBtnB->isHidden());
    checkStack(answers, multiple);
    const int wideQuestion = TestForm->QText->height();

    // Narrower: everything re-wraps, moves down with it, and the view is back at the top.
    TestForm->ScrollBox1->verticalScrollBar()->setValue(50);
    program.showExamWindow(760, 600);
    checkStack(answers, multiple);
    if (longTexts)
        QVERIFY(TestForm->QText->height() > wideQuestion);
}

void TestLayout::nullTypeShowsRadioButtons()
{
    ProgramUnderTest program({TestQuestion{}});
    program.showExamWindow();
    program.start(TestForm->Action[0]);
    Table& set = TestForm->dtCurrentSet;
    set.edit();
    set.fieldByName("Q_TYPE").setAsString(QString()); // stored as text, reads as false
    set.post();
    QVERIFY(!TestForm->RadioButton[0]->isHidden());
    QVERIFY(TestForm->CheckBox[0]->isHidden());
}

void TestLayout::headerAndNavigation()
{
    {
        ProgramUnderTest program;
        program.showExamWindow();
        program.start(TestForm->Action[0]); // questions 1, 8, 15
        QCOMPARE(TestForm->Label1->text(), QString("Item 1 of 3"));
        QVERIFY(TestForm->Label2->text().startsWith("Item ID: "));
        QVERIFY(!TestForm->PrevButton->isEnabled());
        QVERIFY(TestForm->NextButton->isEnabled());
        TestForm->NextButton->click();
        TestForm->NextButton->click();
        QCOMPARE(TestForm->Label1->text(), QString("Item 3 of 3"));
        QVERIFY(TestForm->PrevButton->isEnabled());
        QVERIFY(!TestForm->NextButton->isEnabled());
        TestForm->NextButton->click(); // no wrapping
        QCOMPARE(TestForm->dtCurrentSet.recNo(), 3);
        QCOMPARE(TestForm->Label2->text(),
                 QString("Item ID: %1").arg(TestForm->dtCurrentSet.fieldByName("Q_OR_NUMBER").asInteger()));
    }
    ProgramUnderTest single({TestQuestion{}});
    single.showExamWindow();
    single.start(TestForm->Action[0]);
    QVERIFY(!TestForm->PrevButton->isEnabled());
    QVERIFY(!TestForm->NextButton->isEnabled());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
