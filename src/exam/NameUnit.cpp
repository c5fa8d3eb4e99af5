#include "exam/NameUnit.h"

#include "exam/TestForm.h"
#include "platform/Handlers.h"
#include "platform/Look.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

TNameForm* NameForm = nullptr;

int boundedSpinValue(const QString& text, int min, int max)
{
    bool ok = false;
    const long long typed = text.trimmed().toLongLong(&ok);
    const long long value = ok ? typed : 1;
    return int(std::clamp<long long>(value, min, std::max(min, max)));
}

QString dateLine(const QDate& date)
{
    return QStringLiteral("Date: ") + QLocale().toString(date, QLocale::ShortFormat);
}

TNameForm::TNameForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    setFixedSize(305, 204);

    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignRight);
    layout->addWidget(Label1);

    auto* form = new QFormLayout;
    NameEdit = new QLineEdit(QStringLiteral("Your Name"), this);
    NameEdit->setFixedWidth(193);
    form->addRow(QStringLiteral("Your &Name: "), NameEdit);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setRange(1, 600);
    SpinEdit1->setValue(90);
    form->addRow(QStringLiteral("&Time (min):"), SpinEdit1);
    SpinEdit2 = new QSpinBox(this);
    SpinEdit2->setRange(1, 1);
    Label4 = new QLabel(QStringLiteral("N&umber of questions:"), this);
    Label4->setBuddy(SpinEdit2);
    form->addRow(Label4, SpinEdit2);
    layout->addLayout(form);
    layout->addStretch();

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* b : buttons->buttons())
        b->setFixedSize(75, 29);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, guarded([this] { OKButtonClick(); }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setCountEnabled(false);
}

void TNameForm::setCountEnabled(bool enabled)
{
    Label4->setEnabled(enabled);
    SpinEdit2->setEnabled(enabled);
    QPalette pal = SpinEdit2->palette();
    const QPalette standard = SpinEdit2->style()->standardPalette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(g, QPalette::Base,
                     enabled ? standard.color(QPalette::Active, QPalette::Base) : QColor(192, 192, 192));
        pal.setColor(g, QPalette::Text,
                     enabled ? standard.color(QPalette::Active, QPalette::Text) : QColor(128, 128, 128));
    }
    SpinEdit2->setPalette(pal);
}

void TNameForm::FormActivate()
{
    Label1->setText(dateLine(QDate::currentDate()));
}

void TNameForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TNameForm::OKButtonClick()
{
    // Bring both boxes into their bounds as leaving them would, so that what is used is what shows.
    SpinEdit1->setValue(boundedSpinValue(SpinEdit1->cleanText(), SpinEdit1->minimum(), SpinEdit1->maximum()));
    SpinEdit2->setValue(boundedSpinValue(SpinEdit2->cleanText(), SpinEdit2->minimum(), SpinEdit2->maximum()));
    TestForm->CandidateName = NameEdit->text();
    TestForm->TimeLimit = SpinEdit1->value() / 1440.0;
    accept();
}
