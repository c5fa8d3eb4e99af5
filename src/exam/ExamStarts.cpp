#include "exam/TestForm.h"

#include "exam/NameUnit.h"
#include "exam/WelcomeLayout.h"
#include "platform/Dialogs.h"
#include "platform/ShapeButton.h"

#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace {

const char* const AllExamsFilter = "Q_EXAM_N<>0";

QString practiceFilter(int exam)
{
    return QStringLiteral("Q_EXAM_N=%1").arg(exam);
}

} // namespace

void TTestForm::PracticeActExecute(int exam)
{
    const QString letter = QChar('A' + exam - 1);
    PrepareStartDialog(false);
    NameForm->setWindowTitle(QStringLiteral("Begin Practice Exam ") + letter);
    ExamTitle = QStringLiteral("Practice Exam ") + letter;
    dtQSet.setFilter(practiceFilter(exam));
    StartPracticeExam();
}

void TTestForm::AllQActExecute()
{
    PrepareStartDialog(false);
    NameForm->setWindowTitle(QStringLiteral("Take All Questions"));
    ExamTitle = QStringLiteral("All Questions");
    dtQSet.setFilter(QString::fromLatin1(AllExamsFilter));
    StartPracticeExam();
}

void TTestForm::PrepareStartDialog(bool enable)
{
    dtQSet.open();
    dtQSet.setFilter(QString::fromLatin1(AllExamsFilter));
    dtQSet.setFiltered(true);
    const int eligible = dtQSet.recordCount();
    // The lower bound is 1 unless there is nothing to draw, and comes back with the questions.
    NameForm->SpinEdit2->setRange(std::min(1, eligible), eligible);
    NameForm->SpinEdit2->setValue(eligible);
    dtQSet.close();
    NameForm->setCountEnabled(enable);
}

void TTestForm::StartPracticeExam()
{
    NameForm->SpinEdit1->setValue(DefaultTime);
    if (showModal(NameForm) != ModalResult::OK)
        return;
    BeginExam([this] {
        dtQSet.setFiltered(true);
        dtQSet.open();
        return PrepareShuffledSet();
    });
}

void TTestForm::BeginExam(const std::function<bool()>& buildSet)
{
    Label3->setText(QStringLiteral("Veldra 4, ") + ExamTitle);
    ExamMode = NoExam;
    // A start that builds no set closes what it opened, so the next start reads the tables afresh.
    bool built = false;
    try {
        built = buildSet();
    } catch (...) {
        CloseCurrentExam();
        throw;
    }
    if (!built) {
        CloseCurrentExam();
        return;
    }
    InitAnswerSheet();
    ExamMode = ExamRunning;
    ExamControls();
    dtCurrentSet.first();
}

void TTestForm::RandActExecute()
{
    NameForm->setWindowTitle(QStringLiteral("Random Exam"));
    PrepareStartDialog(true);
    ExamTitle = QStringLiteral("Random Exam");
    dtQSet.setFilter(QString::fromLatin1(AllExamsFilter));
    // The minutes box keeps what it last held.
    if (showModal(NameForm) != ModalResult::OK)
        return;
    BeginExam([this] {
        dtQSet.setFiltered(true);
        dtQSet.open();
        return PrepareRandomSet(NameForm->SpinEdit2->value());
    });
}

void TTestForm::UserActExecute()
{
    dtUserSet.open();
    if (dtUserSet.isEmpty()) {
        dtUserSet.close();
        messageBox(MsgKind::Information, QStringLiteral("User defined question set is empty!"), MsgButtons::OK, this);
        return;
    }
    PrepareStartDialog(false);
    StartUserExam();
}

void TTestForm::StartUserExam()
{
    NameForm->setWindowTitle(QStringLiteral("User Exam"));
    ExamTitle = QStringLiteral("User Exam");
    NameForm->SpinEdit1->setValue(DefaultTime);
    if (showModal(NameForm) != ModalResult::OK)
        return;
    BeginExam([this] {
        dtUserSet.open();
        if (!PrepareUserSet())
            return false;
        // Notes are kept in the bank, so a user exam has none.
        NoteButton->hide();
        return true;
    });
}

void TTestForm::CenterExamButtons()
{
    const int W = frameGeometry().width();
    std::vector<int> widths;
    for (ShapeButton* b : ExamButtons)
        widths.push_back(b->width());
    const std::vector<int> lefts = centredRow(W, widths);
    for (int i = 0; i < 7; ++i)
        ExamButtons[i]->move(lefts[i], ExamButtons[i]->y());

    const std::vector<int> second = centredRow(W, {AllQButton->width(), RandButton->width(), UserButton->width()});
    AllQButton->move(second[0], AllQButton->y());
    RandButton->move(second[1], RandButton->y());
    UserButton->move(second[2], UserButton->y());
}
