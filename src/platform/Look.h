#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// A font asked for by name and size in pixels; where the face is missing the system substitutes one.
QFont pixelFont(const QString& family, int pixels, bool bold = false, bool italic = false);

// The widget paints its own background in this colour.
void fillBackground(QWidget* widget, const QColor& color);

void setTextColor(QWidget* widget, const QColor& color);
