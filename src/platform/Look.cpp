#include "platform/Look.h"

#include <QWidget>

QFont pixelFont(const QString& family, int pixels, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void fillBackground(QWidget* widget, const QColor& color)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    widget->setPalette(pal);
}
