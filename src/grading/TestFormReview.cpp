// The exam window's learn mode, review controls and item review list.
#include "exam/TestForm.h"

#include "exam/LPositionsUnit.h"
#include "grading/ItemList.h"
#include "grading/ReviewUnit.h"
#include "platform/ClickLabel.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

void fillItemList(ItemIcon (*icon)(const AnswerRecord&))
{
    ReviewForm->ListView1->clear();
    for (int i = 0; i < int(AnswerSheet.size()); ++i) {
        const AnswerRecord& record = AnswerSheet[i];
        ReviewForm->ListView1->addItem(
            new QListWidgetItem(ReviewForm->ImageList1[icon(record)], itemCaption(i + 1, record)));
    }
}

} // namespace

void TTestForm::LearnButtonClick()
{
    ShowKey(*this);
}

void TTestForm::ReviewControls()
{
    MarkBox->hide();
    TimeLabel->hide();
    LearnButton->setEnabled(false);
    CorrectLabel->show();
    ReviewLabel->show();
}

void TTestForm::Button1Click()
{
    if (ExamMode == ExamRunning)
        FillExamItemList();
    else if (ExamMode == Reviewing)
        FillGradedItemList();
    ReviewForm->BitBtn2->setEnabled(false);
    showModal(ReviewForm);
}

void TTestForm::FillExamItemList()
{
    fillItemList(examItemIcon);
    ReviewForm->Panel4->hide();
    ReviewForm->Panel5->show();
}

void TTestForm::FillGradedItemList()
{
    fillItemList(gradedItemIcon);
    ReviewForm->Panel5->hide();
    ReviewForm->Panel4->show();
}
