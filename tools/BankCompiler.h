#pragma once

#include <QString>

#include <vector>

class Session;

// One thing wrong with a question bank source. questionId 0 is the file as a whole; a question
// without a usable id is named by its place in the list.
struct CompileProblem {
    int questionId = 0;
    QString field;
    QString message;
};

// Turns the JSON source of the question bank into the bank table file at outputPath, the exhibits
// being looked up in pictureDir. Every problem found is returned; the output is written only when
// there are none, and then replaced in one step, so a refused or failed run leaves it as it was.
std::vector<CompileProblem> compileBank(const QString& jsonPath, const QString& pictureDir, const QString& outputPath,
                                        const Session& session, int* questionsWritten = nullptr);

// "bank.json: question 12, field section: must be 1 to 6"
QString describeProblem(const QString& sourceName, const CompileProblem& problem);
