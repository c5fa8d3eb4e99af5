#pragma once

#include <array>

class TTestForm;

// Where the parts of an item stand, in pixels of the item area.
inline constexpr int AnswerControlLeft = 40;
inline constexpr int AnswerLabelLeft = 80;
inline constexpr int ExplanationLeft = 8;
inline constexpr int QPanelBorder = 8;
inline constexpr int RightMargin = 30;
inline constexpr int ExhibitButtonHeight = 25;
inline constexpr int AnswerGap = 15;
inline constexpr int ExplanationGap = 40;
inline constexpr int BottomSpacer = 17;

// The vertical stack of one item, worked out from the measured heights of its texts.
struct ItemStack {
    int questionPanelHeight = 0;
    int exhibitTop = 0;
    std::array<int, 6> answerTop{};
    int reference = 1; // index of the answer label the explanation is placed under
    int explanationTop = 0;
};

int answerLabelWidth(int boxWidth);
int explanationWidth(int boxWidth);

// The last visible label of the chain c, d, e, f, stopping at the first hidden one; b when c is hidden.
int referenceLabel(const std::array<bool, 6>& visible);

ItemStack stackItem(int questionTextHeight, const std::array<int, 6>& answerHeights,
                    const std::array<bool, 6>& visible);

// Lays out the current item of the exam window, in the seven steps below, in this order.
void LayoutItem(TTestForm& form);
void LayoutQuestion(TTestForm& form);
void ShowAnswerTexts(TTestForm& form);
void ShowAnswerControls(TTestForm& form);
void PositionAnswers(TTestForm& form);
void AlignAnswerControls(TTestForm& form);
void PositionExplanation(TTestForm& form);
void RestoreAnswers(TTestForm& form);

// Sets the six radio buttons' checks from code; raises no click.
void setRadioButtons(TTestForm& form, const std::array<bool, 6>& checked);

// Shows the explanation and the key answers on aqua: in review, and when the candidate asks to learn.
void ShowKey(TTestForm& form);

// Decorates the item for the exam mode: key and explanation in review, plain while answering.
void ShowItemState(TTestForm& form);
