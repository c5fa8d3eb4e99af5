#include "exam/PictUnit1.h"

TPict1Form* Pict1Form = nullptr;

TPict1Form::TPict1Form(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Exhibit 1"));
}
