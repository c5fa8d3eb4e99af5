#pragma once

#include <QDialog>

class QProgressBar;

// Shown, not modally, while an exam set is being built.
class TProgressForm : public QDialog {
    Q_OBJECT

public:
    explicit TProgressForm(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1 = nullptr;
};

extern TProgressForm* ProgressForm;
