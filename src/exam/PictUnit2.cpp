#include "exam/PictUnit2.h"

TPict2Form* Pict2Form = nullptr;

TPict2Form::TPict2Form(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Exhibit 2"));
}
