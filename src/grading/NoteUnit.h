#pragma once

#include <QDialog>

// The note window for the current question.
class TNoteForm : public QDialog {
    Q_OBJECT

public:
    explicit TNoteForm(QWidget* parent = nullptr);
};

extern TNoteForm* NoteForm;
