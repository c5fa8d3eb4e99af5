#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

// The start dialog: the candidate's name, the minutes allowed and, for a random exam, the number of
// questions. One window for the whole run, so it keeps what was last typed.
class TNameForm : public QDialog {
    Q_OBJECT

public:
    explicit TNameForm(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr; // date line
    QLineEdit* NameEdit = nullptr;
    QSpinBox* SpinEdit1 = nullptr; // minutes
    QLabel* Label4 = nullptr;
    QSpinBox* SpinEdit2 = nullptr; // number of questions

    // Enables or greys the count box and its label.
    void setCountEnabled(bool enabled);
    void FormActivate();
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TNameForm* NameForm;

// What a spin box's text means on OK: its number brought into min..max; text that is no number
// counts as 1.
int boundedSpinValue(const QString& text, int min, int max);

// The date line: "Date: " and the date in the system's short date format.
QString dateLine(const QDate& date);
