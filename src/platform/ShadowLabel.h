#pragma once

#include <QColor>
#include <QLabel>

// A label whose text is drawn outlined and with a shadow, for banners and headings. It stays a
// QLabel, so screen readers read its text and a buddy takes its accelerator.
class ShadowLabel : public QLabel {
    Q_OBJECT

public:
    explicit ShadowLabel(const QString& text, QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    void setOutlineColor(const QColor& color); // invalid: no outline
    void setShadow(int offset, const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor textColor_ = Qt::white;
    QColor outlineColor_;
    QColor shadowColor_ = Qt::gray;
    int shadowOffset_ = 1;
};
