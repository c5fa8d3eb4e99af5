#include "exam/TestForm.h"
#include "fixtures/ProgramUnderTest.h"
#include "grading/ScoreUnit.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

namespace {

const QString Confirmation = "This will end your practice exam.\rAre you sure to end this exam?";
const QString EndExam = "Are you sure you wish to end this exam?";
const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

// Practice exam A of four items in section 1 and two in section 4, answered correctly exactly in
// section 1, whatever order the shuffle gave; the clock stands for a running one.
struct GradableExam {
    GradableExam()
        : program([] {
              std::vector<TestQuestion> bank;
              for (int section : {1, 1, 1, 1, 4, 4}) {
                  TestQuestion q;
                  q.section = section;
                  q.answers = QStringList{"a", "b", "c"};
                  q.key = "B";
                  bank.push_back(q);
              }
              return bank;
          }())
    {
        program.showExamWindow();
        program.start(TestForm->Action[0]);
        for (int item = 1; item <= TestForm->ItemCount; ++item) {
            TestForm->RadioButton[TestForm->CurrentAnswer().Section == 1 ? 1 : 0]->click();
            TestForm->NextButton->click();
        }
        TestForm->Timer1->start();
        program.messages.clear();
    }

    // Grades with OK, and lets the score window do what the test wants while it is up.
    void grade(std::function<void()> whileShown = [] {})
    {
        program.modal = [this, whileShown](QDialog* window) {
            shownWindows << window;
            window->show();
            whileShown();
            window->hide();
            return ModalResult::OK;
        };
        TestForm->GradeButton->click();
    }

    ProgramUnderTest program;
    QList<QDialog*> shownWindows;
};

QString plainText(const QString& richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText().replace(QChar::Nbsp, ' ');
}

const QStringList SectionLabels{
    "Troubleshooting (0/0) ",    "Monitoring and Optimization (0/0) ",    "Connectivity (0/2) ",
    "Managing Resources (0/0) ", "Installation and Configuration (0/0) ", "Planning (4/4) "};

} // namespace

class TestScoreWindow : public QObject {
    Q_OBJECT

private slots:
    void gradingFillsTheScoreWindowAndEndsAnswering();
    void cancelLeavesTheExamAsItWas();
    void enterViewsTheAnswersFromItemOne();
    void scoreReportInReviewShowsTheSameResults();
    void escapeAndCloseKeepTheWindow();
    void exitExam_data();
    void exitExam();
    void printReport_data();
    void printReport();
};

void TestScoreWindow::gradingFillsTheScoreWindowAndEndsAnswering()
{
    GradableExam exam;
    exam.grade();

    QCOMPARE(exam.program.messages, QStringList{Confirmation});
    QCOMPARE(exam.shownWindows, QList<QDialog*>{ScoreForm});

    const double score = 4000.0 / 6;
    for (const BarSeries* bars : {ScoreForm->Series1.get(), &ScoreForm->ppReport1.Series2}) {
        QCOMPARE(bars->values(), (QList<double>{score, 850}));
        QCOMPARE(bars->labels(), (QStringList{"Your score", "Required score"}));
        QCOMPARE(bars->colors(), (QList<QColor>{Green, Blue}));
    }
    for (const BarSeries* bars : {ScoreForm->HorizBarSeries1.get(), &ScoreForm->ppReport1.HorizBarSeries2}) {
        QCOMPARE(bars->values(), (QList<double>{0, 0, 0, 0, 0, 100}));
        QCOMPARE(bars->labels(), SectionLabels);
        QCOMPARE(bars->colors(), QList<QColor>(6, Red));
    }
    const QString title = "Your Name,  Veldra 4,  Practice Exam A";
    const QString line = "Passing Score: 850   Your Score: 667   Grade: Fail";
    QCOMPARE(plainText(ScoreForm->TotalChart->chart()->title()), title);
    QCOMPARE(ScoreForm->ppReport1.ppLabel1, title);
    QCOMPARE(ScoreForm->ppReport1.ppLabel2, QString("Veldra 4"));
    QCOMPARE(ScoreForm->TotalLabel->text(), line);
    QCOMPARE(ScoreForm->ppReport1.ppLabel4, line);

    QVERIFY(TestForm->ScrollBox1->isHidden());
    QVERIFY(TestForm->TimeLabel->isHidden());
    QVERIFY(!TestForm->Timer1->isActive());
    QCOMPARE(TestForm->GradeButton->text(), QString("Score Report"));
    QCOMPARE(TestForm->ExamMode, ExamRunning); // only the score window's buttons change it
}

void TestScoreWindow::cancelLeavesTheExamAsItWas()
{
    GradableExam exam;
    exam.program.answers = {MsgButton::Cancel};
    exam.grade();

    QCOMPARE(exam.program.messages, QStringList{Confirmation});
    QVERIFY(exam.shownWindows.isEmpty());
    QVERIFY(ScoreForm->Series1->values().isEmpty());
    QVERIFY(ScoreForm->TotalLabel->text().isEmpty());
    QVERIFY(!TestForm->ScrollBox1->isHidden());
    QVERIFY(!TestForm->TimeLabel->isHidden());
    QVERIFY(TestForm->Timer1->isActive());
    QCOMPARE(TestForm->GradeButton->text(), QString("Grade Now"));
    QCOMPARE(TestForm->ExamMode, ExamRunning);
}

void TestScoreWindow::enterViewsTheAnswersFromItemOne()
{
    GradableExam exam;
    TestForm->dtCurrentSet.setRecNo(4);
    exam.grade([] { QTest::keyClick(ScoreForm, Qt::Key_Return); });

    QVERIFY(ScoreForm->BitBtn1->isDefault()); // also when the focus is elsewhere
    QCOMPARE(ScoreForm->result(), int(QDialog::Accepted));
    QCOMPARE(TestForm->ExamMode, Reviewing);
    QCOMPARE(TestForm->dtCurrentSet.recNo(), 1);
    QVERIFY(TestForm->MarkBox->isHidden());
    QVERIFY(TestForm->TimeLabel->isHidden());
    QVERIFY(!TestForm->LearnButton->isEnabled());
    QVERIFY(!TestForm->CorrectLabel->isHidden());
    QVERIFY(!TestForm->ReviewLabel->isHidden());
    QVERIFY(!TestForm->ScrollBox1->isHidden()); // item 1 laid out again, in review
}

void TestScoreWindow::scoreReportInReviewShowsTheSameResults()
{
    GradableExam exam;
    exam.grade([] { ScoreForm->BitBtn1->click(); });
    const QList<double> totals = ScoreForm->Series1->values();
    const QList<double> sections = ScoreForm->HorizBarSeries1->values();
    const QString line = ScoreForm->TotalLabel->text();
    exam.program.messages.clear();
    TestForm->dtCurrentSet.setRecNo(5);

    exam.grade([] { ScoreForm->BitBtn1->click(); });

    QVERIFY(exam.program.messages.isEmpty()); // no confirmation, nothing counted again
    QCOMPARE(exam.shownWindows, (QList<QDialog*>{ScoreForm, ScoreForm}));
    QCOMPARE(ScoreForm->Series1->values(), totals);
    QCOMPARE(ScoreForm->HorizBarSeries1->values(), sections);
    QCOMPARE(ScoreForm->TotalLabel->text(), line);
    QCOMPARE(TestForm->ExamMode, Reviewing);
    QCOMPARE(TestForm->dtCurrentSet.recNo(), 1);
}

void TestScoreWindow::escapeAndCloseKeepTheWindow()
{
    GradableExam exam;
    bool stayed = false;
    exam.grade([&] {
        QTest::keyClick(ScoreForm, Qt::Key_Escape);
        ScoreForm->close();
        stayed = ScoreForm->isVisible();
    });
    QVERIFY(stayed);
    QCOMPARE(TestForm->ExamMode, ExamRunning);
}

void TestScoreWindow::exitExam_data()
{
    QTest::addColumn<MsgButton>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("no") << MsgButton::No << false;
    QTest::newRow("yes") << MsgButton::Yes << true;
}

void TestScoreWindow::exitExam()
{
    QFETCH(MsgButton, answer);
    QFETCH(bool, ends);
    GradableExam exam;
    exam.program.answers = {MsgButton::OK, answer};
    bool stayed = false;
    exam.grade([&] {
        ScoreForm->BitBtn3->click();
        stayed = ScoreForm->isVisible();
    });
    QCOMPARE(exam.program.messages, (QStringList{Confirmation, EndExam}));
    QCOMPARE(stayed, !ends);
    QCOMPARE(TestForm->ExamMode, ends ? NoExam : ExamRunning);
    QCOMPARE(TestForm->Panel4->isHidden(), !ends); // the welcome panel
}

void TestScoreWindow::printReport_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancelled") << false;
    QTest::newRow("printed") << true;
}

void TestScoreWindow::printReport()
{
    QFETCH(bool, confirm);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    DialogSeam::setPrintAnswerer([&](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return confirm;
    });
    GradableExam exam;
    bool stayed = false;
    exam.grade([&] {
        ScoreForm->BitBtn2->click();
        stayed = ScoreForm->isVisible();
    });
    QVERIFY(stayed);
    QCOMPARE(QFile::exists(pdf), confirm);
    if (confirm) {
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(-1));
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY(page.contains("Passing Score: 850 Your Score: 667 Grade: Fail"));
        QVERIFY(page.contains("Planning (4/4)"));
    }
}

QTEST_MAIN(TestScoreWindow)
#include "tst_scorewindow.moc"
