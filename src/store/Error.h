#pragma once

#include <QString>

#include <stdexcept>

// The one exception the program throws: it carries the text the user is shown.
class VeldraError : public std::runtime_error {
public:
    explicit VeldraError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
