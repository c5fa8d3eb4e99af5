#include "store/Filter.h"

#include "store/Error.h"

#include <QRegularExpression>

Filter parseFilter(const QString& text)
{
    static const QRegularExpression form(R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(=|<>)\s*([+-]?\d{1,18})\s*$)");
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        throw VeldraError(QString("The filter \"%1\" is not understood: a filter compares a field with a "
                                  "whole number, as in Q_EXAM_N=2 or Q_EXAM_N<>0.")
                              .arg(text));
    return Filter{m.captured(1), m.captured(2) == "<>", m.captured(3).toLongLong()};
}
