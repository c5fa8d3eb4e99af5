#include "sampler/SamplerUnit.h"

#include <QListWidget>
#include <QVBoxLayout>

TSamplerForm* SamplerForm = nullptr;

TSamplerForm::TSamplerForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Test Sampler"));
    auto* layout = new QVBoxLayout(this);
    ListBox1 = new QListWidget(this);
    ListBox1->setAccessibleName(QStringLiteral("Section"));
    layout->addWidget(ListBox1);
}
