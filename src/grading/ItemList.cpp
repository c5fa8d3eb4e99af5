#include "grading/ItemList.h"

#include <algorithm>

QString itemCaption(int position, const AnswerRecord& record)
{
    QString caption = QString::number(position) + QStringLiteral("  ");
    for (int n = 0; n < int(record.Chosen.size()); ++n)
        if (record.Chosen[n])
            caption += QChar('A' + n);
    return caption;
}

ItemIcon examItemIcon(const AnswerRecord& record)
{
    if (record.Marked)
        return IconMarked;
    const bool answered = std::any_of(record.Chosen.begin(), record.Chosen.end(), [](bool c) { return c; });
    return answered ? IconComplete : IconIncomplete;
}

ItemIcon gradedItemIcon(const AnswerRecord& record)
{
    return record.Correct ? IconComplete : IconIncorrect;
}
