#pragma once

#include <QDialog>

// The window of exhibit 1.
class TPict1Form : public QDialog {
    Q_OBJECT

public:
    explicit TPict1Form(QWidget* parent = nullptr);
};

extern TPict1Form* Pict1Form;
