#include "exam/TestForm.h"

#include "exam/LPositionsUnit.h"

#include <QCheckBox>
#include <QRadioButton>

void TTestForm::PrevButtonClick()
{
    dtCurrentSet.prior();
}

void TTestForm::NextButtonClick()
{
    dtCurrentSet.next();
}

void TTestForm::ALabelClick(int n)
{
    QRadioButton* radio = RadioButton[n - 1];
    if (!radio->isHidden()) {
        radio->setChecked(true);
        RadioButton1Click();
    } else {
        CheckBox[n - 1]->setChecked(!CheckBox[n - 1]->isChecked());
        CheckBoxClick(n);
    }
}

void TTestForm::CheckBoxClick(int n)
{
    if (ExamMode == ExamRunning) {
        CurrentAnswer().Chosen[n - 1] = CheckBox[n - 1]->isChecked();
        UpdateCorrectFlag();
    } else if (ExamMode == Reviewing) {
        // In review the answers stand as graded: the click is undone.
        CheckBox[n - 1]->setChecked(CurrentAnswer().Chosen[n - 1]);
    }
}

void TTestForm::RadioButton1Click()
{
    StoreRadioAnswers();
}

void TTestForm::StoreRadioAnswers()
{
    if (ExamMode == ExamRunning) {
        AnswerRecord& answer = CurrentAnswer();
        for (int n = 0; n < 6; ++n)
            answer.Chosen[n] = RadioButton[n]->isChecked();
        UpdateCorrectFlag();
    } else if (ExamMode == Reviewing) {
        setRadioButtons(*this, CurrentAnswer().Chosen);
    }
}

void TTestForm::UpdateCorrectFlag()
{
    AnswerRecord& answer = CurrentAnswer();
    bool correct = true;
    for (int n = 0; n < 6; ++n)
        correct = correct && dtCurrentSet.fieldByName(QStringLiteral("A%1").arg(n + 1)).asBoolean() == answer.Chosen[n];
    answer.Correct = correct;
}

void TTestForm::MarkBoxClick()
{
    CurrentAnswer().Marked = MarkBox->isChecked();
}
