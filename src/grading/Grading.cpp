#include "grading/Grading.h"

#include "platform/Rounding.h"
#include "store/Fields.h"

QString productName()
{
    return QStringLiteral("Veldra 4");
}

int correctCount(const AnswerSheetArray& sheet)
{
    int count = 0;
    for (const AnswerRecord& record : sheet)
        if (record.Correct)
            ++count;
    return count;
}

double examScore(int correct, int items)
{
    return double(ScoreScale) * correct / items;
}

long long shownScore(double score)
{
    return roundHalfEven(score);
}

QString gradeText(double score)
{
    return score >= RequiredScore ? QStringLiteral("Pass") : QStringLiteral("Fail");
}

QString scoreLine(double score)
{
    return QStringLiteral("Passing Score: ") + QString::number(RequiredScore) + QStringLiteral("   Your Score: ") +
           QString::number(shownScore(score)) + QStringLiteral("   Grade: ") + gradeText(score);
}

QString titleLine(const QString& candidateName, const QString& examTitle)
{
    return candidateName + QStringLiteral(",  ") + productName() + QStringLiteral(",  ") + examTitle;
}

SectionTally tallySections(const AnswerSheetArray& sheet)
{
    SectionTally tally{};
    for (const AnswerRecord& record : sheet) {
        if (record.Section < 1 || record.Section > int(tally.size()))
            continue;
        SectionEntry& entry = tally[record.Section - 1];
        ++entry.items;
        if (record.Correct)
            ++entry.correct;
    }
    for (SectionEntry& entry : tally)
        entry.percentage = sectionPercentage(entry.correct, entry.items);
    return tally;
}

int sectionPercentage(int correct, int items)
{
    if (items == 0 || correct == 0)
        return 0;
    return int(roundHalfEven(double(SectionScale) * correct / items));
}

QString sectionLabel(int section, const SectionEntry& entry)
{
    return SectionNames().at(section - 1) + QStringLiteral(" (") + QString::number(entry.correct) +
           QStringLiteral("/") + QString::number(entry.items) + QStringLiteral(") ");
}
