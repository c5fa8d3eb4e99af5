#pragma once

#include <QDialog>

class QLabel;
class ShapeButton;

// The start window: the program's main window. Closing it ends the program.
class TMainForm : public QDialog {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    QLabel* Logo = nullptr;
    ShapeButton* StartTestBtn = nullptr;
    ShapeButton* SamplerBtn = nullptr;
    ShapeButton* fcShapeBtn3 = nullptr;

    void StartTestBtnClick();
    void SamplerBtnClick();
    void fcShapeBtn3Click();
};

extern TMainForm* MainForm;

// Makes the folder of the program file the current directory, so that its tables are found there.
// Returns false when that fails; start-up goes on regardless.
bool makeProgramFolderCurrent();
