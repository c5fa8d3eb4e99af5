#pragma once

#include "exam/ExamState.h"

#include <QString>

// Icons of the item review list, as indices into the review window's image list.
enum ItemIcon : int { IconIncomplete = 0, IconComplete = 1, IconMarked = 2, IconIncorrect = 3 };

// The item's position in the exam, two blanks, then the letters "A".."F" of the chosen answers.
QString itemCaption(int position, const AnswerRecord& record);

// During the exam: answered or not, and a mark wins over both.
ItemIcon examItemIcon(const AnswerRecord& record);

// After grading: correct or not; marks no longer show.
ItemIcon gradedItemIcon(const AnswerRecord& record);
