#pragma once

#include <array>
#include <cstdint>
#include <vector>

// ExamMode values of the exam window.
enum : int32_t { NoExam = 0, ExamRunning = 1, Reviewing = 3 };

// What the candidate did with one item; index record number - 1 in the answer sheet.
struct AnswerRecord {
    std::array<bool, 6> Chosen{}; // answers a to f
    bool Marked = false;
    bool Correct = false;
    int32_t Section = 0;
};

using AnswerSheetArray = std::vector<AnswerRecord>;

// One sheet for the program, kept from one exam until the next is prepared.
extern AnswerSheetArray AnswerSheet;
