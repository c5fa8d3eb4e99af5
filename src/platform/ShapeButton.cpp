#include "platform/ShapeButton.h"

#include "platform/Look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

ShapeButton::ShapeButton(const QString& caption, const QColor& color, QWidget* parent)
    : QPushButton(caption, parent), color_(color)
{
    setCursor(Qt::PointingHandCursor);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
}

void ShapeButton::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void ShapeButton::setCornerBias(int bias)
{
    cornerBias_ = bias;
    update();
}

void ShapeButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = cornerBias_ / 2.0;

    // Highlight shading: light at the top, the button's colour below; darker while pressed.
    const QColor base = isDown() ? color_.darker(130) : (underMouse() ? color_.lighter(115) : color_);
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0.0, base.lighter(isEnabled() ? 190 : 120));
    shade.setColorAt(0.45, base);
    shade.setColorAt(1.0, base.darker(115));
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(isEnabled() ? QBrush(shade) : QBrush(Qt::gray));
    p.drawRoundedRect(r, radius, radius);

    p.setPen(Qt::white);
    p.setFont(font());
    style()->drawItemText(&p, rect(), Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                          QPalette::NoRole);
    if (hasFocus()) {
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), radius / 2, radius / 2);
    }
}
