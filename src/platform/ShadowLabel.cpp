#include "platform/ShadowLabel.h"

#include <QPainter>
#include <QPainterPath>

ShadowLabel::ShadowLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ShadowLabel::setTextColor(const QColor& color)
{
    textColor_ = color;
    update();
}

void ShadowLabel::setOutlineColor(const QColor& color)
{
    outlineColor_ = color;
    update();
}

void ShadowLabel::setShadow(int offset, const QColor& color)
{
    shadowOffset_ = offset;
    shadowColor_ = color;
    updateGeometry();
    update();
}

QSize ShadowLabel::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(text()) + shadowOffset_ + 4, fm.height() + shadowOffset_ + 2);
}

void ShadowLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int width = fm.horizontalAdvance(text());
    qreal x = 2;
    if (alignment() & Qt::AlignHCenter)
        x = (this->width() - width - shadowOffset_) / 2.0;
    else if (alignment() & Qt::AlignRight)
        x = this->width() - width - shadowOffset_ - 2;
    const qreal y = (height() - fm.height() - shadowOffset_) / 2.0 + fm.ascent();

    QPainterPath path;
    path.addText(QPointF(x, y), font(), text());
    if (shadowOffset_ > 0)
        p.fillPath(path.translated(shadowOffset_, shadowOffset_), shadowColor_);
    if (outlineColor_.isValid())
        p.strokePath(path, QPen(outlineColor_, 2));
    p.fillPath(path, textColor_);
}
