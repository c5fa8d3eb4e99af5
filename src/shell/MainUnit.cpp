#include "shell/MainUnit.h"

#include "exam/TestForm.h"
#include "platform/Dialogs.h"
#include "platform/Handlers.h"
#include "platform/Look.h"
#include "platform/ShapeButton.h"
#include "sampler/SamplerUnit.h"
#include "store/Fields.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

TMainForm* MainForm = nullptr;

bool makeProgramFolderCurrent()
{
    return QDir::setCurrent(QCoreApplication::applicationDirPath() + QDir::separator());
}

namespace {

// The panel of buttons sits in a rectangle outlined in blue.
class ButtonPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(QPen(Qt::blue, 1));
        p.drawRect(rect().adjusted(4, 4, -5, -5));
    }
};

} // namespace

TMainForm::TMainForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    makeProgramFolderCurrent();
    setWindowTitle(QStringLiteral("Veldra 4"));
    fillBackground(this, Qt::white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Logo = new QLabel(this);
    Logo->setPixmap(QPixmap(QStringLiteral("logo.png")));
    Logo->setFixedHeight(48);
    Logo->setAlignment(Qt::AlignCenter);
    Logo->setAccessibleName(QStringLiteral("Veldra 4"));
    layout->addWidget(Logo);

    auto* panel = new ButtonPanel(this);
    panel->setFixedSize(232, 148);
    layout->addWidget(panel);

    StartTestBtn = new ShapeButton(QStringLiteral("Start &Testing"), QColor(0, 0, 128), panel);
    SamplerBtn = new ShapeButton(QStringLiteral("Test &Sampler"), QColor(128, 0, 128), panel);
    fcShapeBtn3 = new ShapeButton(QStringLiteral("E&xit"), QColor(0, 128, 128), panel);
    const std::pair<ShapeButton*, int> buttons[] = {{StartTestBtn, 14}, {SamplerBtn, 50}, {fcShapeBtn3, 102}};
    for (auto [button, top] : buttons)
        button->setGeometry(47, top, 138, 34);

    connect(StartTestBtn, &QPushButton::clicked, this, guarded([this] { StartTestBtnClick(); }));
    connect(SamplerBtn, &QPushButton::clicked, this, guarded([this] { SamplerBtnClick(); }));
    connect(fcShapeBtn3, &QPushButton::clicked, this, guarded([this] { fcShapeBtn3Click(); }));

    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void TMainForm::StartTestBtnClick()
{
    hide();
    showModal(TestForm);
}

void TMainForm::SamplerBtnClick()
{
    hide();
    SamplerForm->ListBox1->clear();
    SamplerForm->ListBox1->addItems(SectionNames());
    showModal(SamplerForm);
    show();
}

void TMainForm::fcShapeBtn3Click()
{
    close();
}
