#pragma once

#include <QDialog>

// The options dialog.
class TOptionsForm : public QDialog {
    Q_OBJECT

public:
    explicit TOptionsForm(QWidget* parent = nullptr);
};

extern TOptionsForm* OptionsForm;
