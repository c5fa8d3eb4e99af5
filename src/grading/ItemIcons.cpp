#include "grading/ItemIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int Size = 16;

QPixmap blankSquare()
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(1, 1, Size - 2, Size - 2, Qt::white);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(1, 1, Size - 3, Size - 3);
    return pixmap;
}

QIcon letter(const QString& text)
{
    QPixmap pixmap = blankSquare();
    QPainter p(&pixmap);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::red);
    p.drawText(QRect(1, 1, Size - 2, Size - 2), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

QIcon strokes(const QColor& color, const QList<QLineF>& lines)
{
    QPixmap pixmap = blankSquare();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLines(lines);
    return QIcon(pixmap);
}

} // namespace

std::array<QIcon, 4> itemIcons()
{
    std::array<QIcon, 4> icons;
    icons[IconIncomplete] = letter(QStringLiteral("!"));
    icons[IconComplete] = strokes(Qt::blue, {QLineF(4, 8.5, 7, 11.5), QLineF(7, 11.5, 12, 4.5)});
    icons[IconMarked] = letter(QStringLiteral("M"));
    icons[IconIncorrect] = strokes(Qt::red, {QLineF(4.5, 4.5, 11.5, 11.5), QLineF(11.5, 4.5, 4.5, 11.5)});
    return icons;
}
