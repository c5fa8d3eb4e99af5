#include "exam/TestForm.h"
#include "grading/ScoreUnit.h"
#include "grading/ReviewUnit.h"
TScoreForm* ScoreForm = nullptr;
TReviewForm* ReviewForm = nullptr;
void TTestForm::GradeButtonClick() {}
void TTestForm::GradeExam() {}
void TTestForm::FillTotalScore() {}
void TTestForm::FillSectionScores() {}
void TTestForm::LearnButtonClick() {}
void TTestForm::ReviewControls() {}
void TTestForm::Button1Click() {}
void TTestForm::FillExamItemList() {}
void TTestForm::FillGradedItemList() {}
