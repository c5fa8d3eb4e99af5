#include "exam/TestForm.h"
#include "fixtures/ProgramUnderTest.h"
#include "grading/ReviewUnit.h"
#include "grading/ScoreUnit.h"
#include "platform/ClickLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// Practice exam A of three multiple-response items keyed a and c, answered by position: item 1
// with a and c (correct), item 2 with b and marked, item 3 not at all.
struct ReviewExam {
    ReviewExam()
        : program([] {
              TestQuestion q;
              q.multiple = true;
              q.answers = QStringList{"a", "b", "c", "d"};
              q.key = "AC";
              q.explanation = "Because.";
              return std::vector<TestQuestion>(3, q);
          }())
    {
        program.showExamWindow();
        program.start(TestForm->Action[0]);
        TestForm->CheckBox[0]->click();
        TestForm->CheckBox[2]->click();
        TestForm->NextButton->click();
        TestForm->CheckBox[1]->click();
        TestForm->MarkBox->click();
        TestForm->NextButton->click();
    }

    // Opens the item list as "Items &Review" does, and does what the test wants while it is up.
    void openList(std::function<void()> whileShown = [] {})
    {
        program.modal = [whileShown](QDialog* window) {
            window->show();
            QApplication::processEvents();
            whileShown();
            window->hide();
            return ModalResult::OK;
        };
        TestForm->Button1->click();
    }

    void viewAnswers()
    {
        program.modal = [](QDialog* window) {
            if (window == ScoreForm)
                ScoreForm->BitBtn1->click();
            return ModalResult::OK;
        };
        TestForm->GradeButton->click();
    }

    ProgramUnderTest program;
};

QStringList captions()
{
    QStringList rows;
    for (int i = 0; i < ReviewForm->ListView1->count(); ++i)
        rows << ReviewForm->ListView1->item(i)->text();
    return rows;
}

QList<int> icons()
{
    QList<int> rows;
    for (int i = 0; i < ReviewForm->ListView1->count(); ++i) {
        const qint64 key = ReviewForm->ListView1->item(i)->icon().cacheKey();
        int index = -1;
        for (int n = 0; n < int(ReviewForm->ImageList1.size()); ++n)
            if (ReviewForm->ImageList1[n].cacheKey() == key)
                index = n;
        rows << index;
    }
    return rows;
}

void doubleClickRow(int row)
{
    QListWidget* list = ReviewForm->ListView1;
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    // A double-click begins with a press and release of its own, as with a real mouse.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

std::vector<std::array<bool, 6>> chosenFlags()
{
    std::vector<std::array<bool, 6>> flags;
    for (const AnswerRecord& record : AnswerSheet)
        flags.push_back(record.Chosen);
    return flags;
}

QColor background(QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

} // namespace

class TestReviewWindow : public QObject {
    Q_OBJECT

private slots:
    void itemList_data();
    void itemList();
    void goButtonOnlyAfterAChoice();
    void goesToTheChosenItem_data();
    void goesToTheChosenItem();
    void reviewKeepsTheAnswers();
    void learnShowsTheKeyAndChangesNothing();
};

void TestReviewWindow::itemList_data()
{
    QTest::addColumn<bool>("graded");
    QTest::addColumn<QList<int>>("expectedIcons");
    QTest::addColumn<bool>("examLegend");
    QTest::newRow("exam") << false << QList<int>{1, 2, 0} << true;
    QTest::newRow("graded") << true << QList<int>{1, 3, 3} << false;
}

void TestReviewWindow::itemList()
{
    QFETCH(bool, graded);
    QFETCH(QList<int>, expectedIcons);
    QFETCH(bool, examLegend);
    ReviewExam exam;
    if (graded)
        exam.viewAnswers();
    exam.openList();

    QCOMPARE(captions(), (QStringList{"1  AC", "2  B", "3  "}));
    QCOMPARE(icons(), expectedIcons);
    QCOMPARE(!ReviewForm->Panel5->isHidden(), examLegend);
    QCOMPARE(!ReviewForm->Panel4->isHidden(), !examLegend);
}

void TestReviewWindow::goButtonOnlyAfterAChoice()
{
    ReviewExam exam;
    bool disabledAtFirst = false;
    bool enabledBySelection = false;
    exam.openList([&] {
        disabledAtFirst = !ReviewForm->BitBtn2->isEnabled();
        ReviewForm->ListView1->setCurrentRow(1);
        enabledBySelection = ReviewForm->BitBtn2->isEnabled();
        ReviewForm->BitBtn1->click();
    });
    QVERIFY(disabledAtFirst);
    QVERIFY(enabledBySelection);
    QVERIFY(!ReviewForm->BitBtn2->isEnabled());

    bool disabledAgain = false;
    exam.openList([&] { disabledAgain = !ReviewForm->BitBtn2->isEnabled(); });
    QVERIFY(disabledAgain);
}

void TestReviewWindow::goesToTheChosenItem_data()
{
    QTest::addColumn<bool>("review");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<bool>("closes");
    QTest::newRow("double-click") << false << "double-click 0" << 1 << true;
    QTest::newRow("go button") << false << "go 1" << 2 << true;
    QTest::newRow("double-click in review") << true << "double-click 1" << 2 << true;
    QTest::newRow("go without a choice") << false << "go" << 3 << false;
    QTest::newRow("return") << false << "return" << 3 << true;
}

void TestReviewWindow::goesToTheChosenItem()
{
    QFETCH(bool, review);
    QFETCH(QString, how);
    QFETCH(int, recNo);
    QFETCH(bool, closes);
    ReviewExam exam;
    if (review) {
        exam.viewAnswers();
        TestForm->dtCurrentSet.setRecNo(3);
    }
    bool stayed = false;
    exam.openList([&] {
        const QStringList words = how.split(' ');
        if (words[0] == "double-click") {
            doubleClickRow(words[1].toInt());
        } else if (words[0] == "go" && words.size() > 1) {
            ReviewForm->ListView1->setCurrentRow(words[1].toInt());
            ReviewForm->BitBtn2->click();
        } else if (words[0] == "go") {
            ReviewForm->BitBtn2Click(); // the button itself is disabled then
        } else {
            ReviewForm->BitBtn1->click();
        }
        stayed = ReviewForm->isVisible();
    });
    QCOMPARE(stayed, !closes);
    QCOMPARE(TestForm->dtCurrentSet.recNo(), recNo);
    QCOMPARE(TestForm->Label1->text(), QString("Item %1 of 3").arg(recNo));
    if (review)
        QCOMPARE(TestForm->CorrectLabel->text(), QString("Incorrect")); // item 2 was answered wrongly
}

void TestReviewWindow::reviewKeepsTheAnswers()
{
    ReviewExam exam;
    exam.viewAnswers();
    exam.openList();
    const QStringList before = captions();
    const auto flags = chosenFlags();

    for (int item = 1; item <= 3; ++item) {
        TestForm->CheckBox[1]->click();
        emit TestForm->ALabel[3]->clicked();
        TestForm->NextButton->click();
    }
    exam.openList();
    QCOMPARE(captions(), before);
    QCOMPARE(icons(), (QList<int>{1, 3, 3}));
    QVERIFY(chosenFlags() == flags);
}

void TestReviewWindow::learnShowsTheKeyAndChangesNothing()
{
    ReviewExam exam;
    TestForm->dtCurrentSet.setRecNo(2);
    const auto flags = chosenFlags();
    TestForm->LearnButtonClick();

    QVERIFY(!TestForm->ExpText->isHidden());
    for (int n = 0; n < 6; ++n)
        QCOMPARE(background(TestForm->ALabel[n]), n == 0 || n == 2 ? QColor(0, 255, 255) : QColor(Qt::white));
    QVERIFY(chosenFlags() == flags);
    QCOMPARE(TestForm->ExamMode, ExamRunning);
    QCOMPARE(TestForm->LearnButton->text(), QString("&Learn Now"));

    // Another item shows plain again.
    TestForm->NextButton->click();
    QVERIFY(TestForm->ExpText->isHidden());
    for (int n = 0; n < 6; ++n)
        QCOMPARE(background(TestForm->ALabel[n]), QColor(Qt::white));
}

QTEST_MAIN(TestReviewWindow)
#include "tst_reviewwindow.moc"
