// The exam window's grading: confirmation, counting, filling the score window, ending the answering.
#include "exam/TestForm.h"

#include "grading/Grading.h"
#include "grading/ScoreUnit.h"
#include "platform/Dialogs.h"
#include "store/Fields.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>

namespace {

const QColor Green(0, 128, 0);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

} // namespace

void TTestForm::GradeButtonClick()
{
    // In review the button only shows the score window again.
    if (ExamMode == Reviewing)
        GradeExam();
    if (ExamMode == ExamRunning &&
        messageBox(MsgKind::Confirmation,
                   QStringLiteral("This will end your practice exam.\rAre you sure to end this exam?"),
                   MsgButtons::OKCancel, this) == MsgButton::OK)
        GradeExam();
}

void TTestForm::GradeExam()
{
    if (ExamMode == ExamRunning) {
        FillTotalScore();
        FillSectionScores();
        ScrollBox1->hide();
        SetGradeCaption(QStringLiteral("Score Report"));
        TimeLabel->hide();
        Timer1->stop(); // no time-out question after a grading
    }
    showModal(ScoreForm);
}

void TTestForm::FillTotalScore()
{
    const double score = examScore(correctCount(AnswerSheet), int(AnswerSheet.size()));
    const QString title = titleLine(CandidateName, ExamTitle);
    const QString line = scoreLine(score);
    ScoreReport& report = ScoreForm->ppReport1;

    for (BarSeries* bars : {ScoreForm->Series1.get(), &report.Series2}) {
        bars->clear();
        bars->add(score, QStringLiteral("Your score"), Green);
        bars->add(RequiredScore, QStringLiteral("Required score"), Blue);
    }
    ScoreForm->TotalChart->chart()->setTitle(chartText(title));
    report.ppLabel1 = title;
    report.ppLabel2 = productName();
    ScoreForm->TotalLabel->setText(line);
    report.ppLabel4 = line;
}

void TTestForm::FillSectionScores()
{
    BarSeries& screen = *ScoreForm->HorizBarSeries1;
    BarSeries& paper = ScoreForm->ppReport1.HorizBarSeries2;
    screen.clear();
    paper.clear();
    const SectionTally tally = tallySections(AnswerSheet);
    // The first bar added stands at the bottom, so section 1 ends up at the top.
    for (int section = SectionCount; section >= 1; --section) {
        const SectionEntry& entry = tally[section - 1];
        const QString label = sectionLabel(section, entry);
        screen.add(entry.percentage, label, Red);
        paper.add(entry.percentage, label, Red);
    }
}
