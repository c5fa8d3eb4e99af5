#include "exam/LPositionsUnit.h"

#include "exam/TestForm.h"
#include "platform/ClickLabel.h"
#include "platform/Look.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

int answerLabelWidth(int boxWidth)
{
    return boxWidth - AnswerLabelLeft - RightMargin;
}

int explanationWidth(int boxWidth)
{
    return boxWidth - ExplanationLeft - RightMargin;
}

int referenceLabel(const std::array<bool, 6>& visible)
{
    int reference = 1;
    for (int n = 2; n < 6 && visible[n]; ++n)
        reference = n;
    return reference;
}

ItemStack stackItem(int questionTextHeight, const std::array<int, 6>& answerHeights, const std::array<bool, 6>& visible)
{
    ItemStack s;
    s.questionPanelHeight = questionTextHeight + 2 * QPanelBorder;
    // One pixel row for the blue rule, one empty row, then the exhibit row.
    s.exhibitTop = s.questionPanelHeight + 2;
    s.answerTop[0] = s.exhibitTop + ExhibitButtonHeight + AnswerGap;
    for (int n = 1; n < 6; ++n)
        s.answerTop[n] = s.answerTop[n - 1] + answerHeights[n - 1] + AnswerGap;
    s.reference = referenceLabel(visible);
    s.explanationTop = s.answerTop[s.reference] + answerHeights[s.reference] + ExplanationGap;
    return s;
}

namespace {

QString answerText(TTestForm& form, int n)
{
    return form.dtCurrentSet.fieldByName(QStringLiteral("Q%1").arg(n + 1)).asString();
}

bool multipleResponse(TTestForm& form)
{
    return form.dtCurrentSet.fieldByName(QStringLiteral("Q_TYPE")).asBoolean();
}

// The item area is as wide as the centre panel, which is there even while the item area is hidden.
int boxWidth(TTestForm& form)
{
    return form.Panel3->width();
}

int viewportWidth(TTestForm& form, bool scrollBar)
{
    return boxWidth(form) - (scrollBar ? form.ScrollBox1->verticalScrollBar()->sizeHint().width() : 0);
}

int labelHeight(QLabel* label, int width)
{
    return label->text().isEmpty() ? 0 : label->heightForWidth(width);
}

// The width the item area gets in this layout pass: the box less the scroll bar, once one is needed.
int contentWidth = 0;

void placeQuestion(TTestForm& form, int width)
{
    const int textWidth = width - 2 * QPanelBorder;
    const int h = labelHeight(form.QText, textWidth);
    form.QText->setGeometry(QPanelBorder, QPanelBorder, textWidth, h);
    form.QPanel->setGeometry(0, 0, width, h + 2 * QPanelBorder);
    form.Shape1->setGeometry(0, form.QPanel->height(), width, 1);
}

} // namespace

void LayoutItem(TTestForm& form)
{
    form.layout()->activate();
    form.ScrollBox1->setUpdatesEnabled(false);
    form.ScrollBox1->verticalScrollBar()->setValue(0);
    // A second pass only when the first shows that the item needs the vertical scroll bar.
    for (bool scrollBar : {false, true}) {
        contentWidth = viewportWidth(form, scrollBar);
        LayoutQuestion(form);
        ShowAnswerTexts(form);
        ShowAnswerControls(form);
        PositionAnswers(form);
        AlignAnswerControls(form);
        PositionExplanation(form);
        if (form.ItemArea->height() <= form.Panel3->height())
            break;
    }
    RestoreAnswers(form);
    form.ScrollBox1->show();
    form.ScrollBox1->setUpdatesEnabled(true);
}

void LayoutQuestion(TTestForm& form)
{
    form.QText->setText(form.dtCurrentSet.fieldByName(QStringLiteral("Q_TEXT")).asString());
    placeQuestion(form, contentWidth);
}

void ShowAnswerTexts(TTestForm& form)
{
    for (int n = 0; n < 6; ++n) {
        const QString text = answerText(form, n);
        // An empty slot's label is cleared as well as hidden, so that no earlier item's text
        // takes up room in this item's stack.
        form.ALabel[n]->setText(text);
        form.ALabel[n]->setVisible(!text.isEmpty());
        const QString name = QStringLiteral("%1. %2").arg(QChar('a' + n), text);
        form.RadioButton[n]->setAccessibleName(name);
        form.CheckBox[n]->setAccessibleName(name);
    }
}

void ShowAnswerControls(TTestForm& form)
{
    const bool multiple = multipleResponse(form);
    for (int n = 0; n < 6; ++n) {
        const bool present = !answerText(form, n).isEmpty();
        form.RadioButton[n]->setVisible(present && !multiple);
        form.CheckBox[n]->setVisible(present && multiple);
        form.ALabel[n]->setBuddy(multiple ? static_cast<QWidget*>(form.CheckBox[n]) : form.RadioButton[n]);
    }
}

void PositionAnswers(TTestForm& form)
{
    form.ExhBtnA->setVisible(!form.dtCurrentSet.fieldByName(QStringLiteral("PICT1")).asString().isEmpty());
    form.ExhBtnB->setVisible(!form.dtCurrentSet.fieldByName(QStringLiteral("PICT2")).asString().isEmpty());

    std::array<int, 6> heights{};
    std::array<bool, 6> visible{};
    const int width = answerLabelWidth(boxWidth(form));
    for (int n = 0; n < 6; ++n) {
        heights[n] = labelHeight(form.ALabel[n], width);
        visible[n] = !form.ALabel[n]->isHidden();
    }
    const ItemStack s = stackItem(form.QText->height(), heights, visible);
    form.ExhBtnA->move(form.ExhBtnA->x(), s.exhibitTop);
    form.ExhBtnB->move(form.ExhBtnB->x(), s.exhibitTop);
    // The calculator keeps its distance to the right edge of the box.
    form.CalcButton->move(boxWidth(form) - 732 + 684, s.exhibitTop);
    for (int n = 0; n < 6; ++n)
        form.ALabel[n]->setGeometry(AnswerLabelLeft, s.answerTop[n], width, heights[n]);
}

void AlignAnswerControls(TTestForm& form)
{
    const bool multiple = multipleResponse(form);
    for (int n = 0; n < 6; ++n) {
        QWidget* control = multiple ? static_cast<QWidget*>(form.CheckBox[n]) : form.RadioButton[n];
        control->move(AnswerControlLeft, form.ALabel[n]->y());
    }
}

void PositionExplanation(TTestForm& form)
{
    form.ExpText->setText(form.dtCurrentSet.fieldByName(QStringLiteral("Q_EXPL")).asString());
    std::array<bool, 6> visible{};
    for (int n = 0; n < 6; ++n)
        visible[n] = !form.ALabel[n]->isHidden();
    const QLabel* reference = form.ALabel[referenceLabel(visible)];
    const int width = explanationWidth(boxWidth(form));
    const int top = reference->y() + reference->height() + ExplanationGap;
    form.ExpText->setGeometry(ExplanationLeft, top, width, labelHeight(form.ExpText, width));

    // The scroll range ends with an empty margin below the explanation.
    form.ItemArea->resize(contentWidth, form.ExpText->geometry().bottom() + 1 + BottomSpacer);
}

void RestoreAnswers(TTestForm& form)
{
    // Restoring from code raises no click, so the sheet is left exactly as it was.
    const AnswerRecord& answer = form.CurrentAnswer();
    if (!multipleResponse(form))
        setRadioButtons(form, answer.Chosen);
    else
        for (int n = 0; n < 6; ++n)
            form.CheckBox[n]->setChecked(answer.Chosen[n]);
    form.MarkBox->setChecked(answer.Marked);
}

void setRadioButtons(TTestForm& form, const std::array<bool, 6>& checked)
{
    for (int n = 0; n < 6; ++n) {
        // A checked radio button can only be unchecked from code outside its exclusive group.
        form.RadioButton[n]->setAutoExclusive(false);
        form.RadioButton[n]->setChecked(checked[n]);
        form.RadioButton[n]->setAutoExclusive(true);
    }
}

void ShowKey(TTestForm& form)
{
    form.ExpText->show();
    for (int n = 0; n < 6; ++n) {
        const bool key = form.dtCurrentSet.fieldByName(QStringLiteral("A%1").arg(n + 1)).asBoolean();
        fillBackground(form.ALabel[n], key ? QColor(0, 255, 255) : QColor(Qt::white));
    }
}

void ShowItemState(TTestForm& form)
{
    if (form.ExamMode == Reviewing) {
        ShowKey(form);
    } else if (form.ExamMode == ExamRunning) {
        form.ExpText->hide();
        for (int n = 0; n < 6; ++n)
            fillBackground(form.ALabel[n], Qt::white);
    }
    const bool correct = form.CurrentAnswer().Correct;
    form.CorrectLabel->setText(correct ? QStringLiteral("Correct") : QStringLiteral("Incorrect"));
    setTextColor(form.CorrectLabel, correct ? QColor(0, 0, 255) : QColor(255, 0, 0));
}
