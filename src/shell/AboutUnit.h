#pragma once

#include <QDialog>

class QLabel;

// The about box: the product's maker and its web address.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* URLLabel1 = nullptr;
};

extern TAboutForm* AboutForm;

// The maker's web address the about box opens.
extern const char* const MakerAddress;
