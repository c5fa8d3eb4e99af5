#pragma once

#include "exam/ExamState.h"

#include <QString>

#include <array>

// The arithmetic and texts of grading; the exam window writes what these return into the score
// window and its report.

constexpr int ScoreScale = 1000;   // points for an exam answered entirely correctly
constexpr int RequiredScore = 850; // the same for every exam
constexpr int SectionScale = 100;  // per cent

// The product name as the score window and report show it.
QString productName();

int correctCount(const AnswerSheetArray& sheet);

// 1000 x correct / items, unrounded; items is at least 1 for every exam.
double examScore(int correct, int items);

// The score as shown: nearest integer, a half going to the even neighbour.
long long shownScore(double score);

// "Pass" or "Fail", decided on the unrounded score.
QString gradeText(double score);

// "Passing Score: 850   Your Score: N   Grade: Pass"
QString scoreLine(double score);

// CandidateName + ",  " + "Veldra 4" + ",  " + ExamTitle
QString titleLine(const QString& candidateName, const QString& examTitle);

struct SectionEntry {
    int items = 0;
    int correct = 0;
    int percentage = 0;
};

// Index s - 1 for section s; a record whose section is outside 1..6 counts in no entry.
using SectionTally = std::array<SectionEntry, 6>;

SectionTally tallySections(const AnswerSheetArray& sheet);

// 0 without items or without correct answers, otherwise 100 x correct / items rounded half to even.
int sectionPercentage(int correct, int items);

// The section's name + " (" + correct + "/" + items + ") ", ending in one blank.
QString sectionLabel(int section, const SectionEntry& entry);
