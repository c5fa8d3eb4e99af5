#include "grading/NoteUnit.h"

TNoteForm* NoteForm = nullptr;

TNoteForm::TNoteForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Note"));
}
