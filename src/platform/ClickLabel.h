#pragma once

#include <QLabel>

// A label that reports a click, for answer texts that choose their answer. The answer's own radio
// button or check box stays the control that keyboard and screen reader users work with.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
