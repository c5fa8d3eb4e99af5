#pragma once

#include <QColor>
#include <QPushButton>

// A rounded, shaded button with a white caption. Underneath it is a QPushButton, so its accelerator,
// keyboard focus, default-button role and accessible name work as with any button.
class ShapeButton : public QPushButton {
    Q_OBJECT

public:
    ShapeButton(const QString& caption, const QColor& color, QWidget* parent = nullptr);

    void setColor(const QColor& color);
    const QColor& color() const { return color_; }
    void setCornerBias(int bias);
    int cornerBias() const { return cornerBias_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    int cornerBias_ = 15;
};
