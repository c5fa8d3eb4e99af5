#pragma once

#include <QDialog>

// The window of exhibit 2.
class TPict2Form : public QDialog {
    Q_OBJECT

public:
    explicit TPict2Form(QWidget* parent = nullptr);
};

extern TPict2Form* Pict2Form;
