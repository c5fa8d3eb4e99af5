#pragma once

#include <QString>

// A filter of the only forms the program uses: a field compared with an integer by "=" or "<>".
struct Filter {
    QString field;
    bool notEqual = false;
    qint64 value = 0;

    bool passes(qint64 fieldValue) const { return notEqual ? fieldValue != value : fieldValue == value; }
};

// Throws VeldraError naming the text when it is not of those forms.
Filter parseFilter(const QString& text);
