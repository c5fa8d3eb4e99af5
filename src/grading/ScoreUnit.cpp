#include "grading/ScoreUnit.h"

#include "exam/TestForm.h"
#include "platform/Dialogs.h"
#include "platform/Handlers.h"
#include "platform/Look.h"
#include "platform/ShadowLabel.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TScoreForm* ScoreForm = nullptr;

namespace {

QFrame* newRule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

constexpr int SectionLabelWrap = 24; // characters; keeps the longest section names to two lines

} // namespace

TScoreForm::TScoreForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Tessarin"));
    setFixedSize(582, 435);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildHeading();
    buildTotalArea();
    buildSectionArea();
    buildButtons();
    layout->addWidget(Panel1);
    layout->addWidget(newRule(this));
    layout->addWidget(Panel2);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(newRule(this));
    layout->addWidget(Panel3);

    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { BitBtn2Click(); }));
    connect(BitBtn3, &QPushButton::clicked, this, guarded([this] { BitBtn3Click(); }));
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::buildHeading()
{
    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(33);
    fillBackground(Panel1, QColor(0, 0, 128));
    fcLabel1 = new ShadowLabel(QStringLiteral("Examination Score Report"), Panel1);
    fcLabel1->setFont(pixelFont(QStringLiteral("Verdana"), 15, true));
    fcLabel1->setTextColor(Qt::white);
    fcLabel1->setShadow(1, Qt::black);
    fcLabel1->setAlignment(Qt::AlignCenter);
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(fcLabel1);
}

void TScoreForm::buildTotalArea()
{
    Panel2 = new QWidget(this);
    Panel2->setFixedHeight(184);
    auto* column = new QVBoxLayout(Panel2);
    column->setContentsMargins(5, 5, 5, 5);
    column->setSpacing(0);

    QChart* chart = newBarChart(Qt::white);
    chart->setTitleFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    chart->setTitleBrush(QColor(0, 0, 128));
    Series1 = std::make_unique<BarSeries>(chart);
    Series1->setValueRange(0, 1000, 11);
    Series1->setMargins(QMargins(2, 2, 5, 5));
    Series1->series()->setBarWidth(0.9);
    Series1->setValueLabelFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    Series1->setLabelFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    TotalChart = new QChartView(chart, Panel2);
    TotalChart->setFrameShape(QFrame::Box);
    TotalChart->setFocusPolicy(Qt::NoFocus); // nothing to do in it; keys go to the buttons
    TotalChart->setAccessibleName(QStringLiteral("Total score chart"));
    column->addWidget(TotalChart, 1);

    TotalLabel = new QLabel(Panel2);
    TotalLabel->setFixedHeight(30);
    TotalLabel->setAlignment(Qt::AlignCenter);
    TotalLabel->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    column->addWidget(TotalLabel);
    column->addWidget(newRule(Panel2));
}

void TScoreForm::buildSectionArea()
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(true);
    auto* area = new QWidget;
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(2);

    // The chart's own title is always centred; this one stands at the left, framed.
    Chart1Title = new QLabel(QStringLiteral("Sections"), area);
    Chart1Title->setFont(pixelFont(QStringLiteral("Arial"), 13, false, true));
    Chart1Title->setFrameShape(QFrame::Box);
    Chart1Title->setContentsMargins(3, 0, 3, 0);
    fillBackground(Chart1Title, Qt::white);
    setTextColor(Chart1Title, Qt::blue);
    column->addWidget(Chart1Title, 0, Qt::AlignLeft);

    QChart* chart = newBarChart(palette().color(QPalette::Window));
    HorizBarSeries1 = std::make_unique<BarSeries>(chart);
    HorizBarSeries1->setValueRange(0, 100, 11);
    HorizBarSeries1->series()->setBarWidth(0.8);
    HorizBarSeries1->setValueLabelFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    HorizBarSeries1->setLabelFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    HorizBarSeries1->setLabelWrap(SectionLabelWrap);
    Chart1 = new QChartView(chart, area);
    Chart1->setFrameShape(QFrame::NoFrame);
    Chart1->setFocusPolicy(Qt::NoFocus);
    Chart1->setMinimumHeight(150);
    Chart1->setAccessibleName(QStringLiteral("Section scores chart"));
    column->addWidget(Chart1, 1);
    ScrollBox1->setWidget(area);
}

void TScoreForm::buildButtons()
{
    Panel3 = new QWidget(this);
    Panel3->setFixedHeight(40);
    auto* row = new QHBoxLayout(Panel3);
    row->setContentsMargins(5, 5, 5, 5);
    const QFont font = pixelFont(QStringLiteral("MS Sans Serif"), 13);
    BitBtn1 = new QPushButton(QStringLiteral("&View Answers"), Panel3);
    BitBtn1->setFixedSize(105, 30);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Print Report"), Panel3);
    BitBtn2->setFixedSize(104, 30);
    BitBtn3 = new QPushButton(QStringLiteral("E&xit Exam"), Panel3);
    BitBtn3->setFixedSize(104, 30);
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3})
        button->setFont(font);
    row->addWidget(BitBtn1);
    row->addWidget(BitBtn2);
    row->addStretch();
    row->addWidget(BitBtn3);
}

void TScoreForm::BitBtn1Click()
{
    TestForm->ExamMode = Reviewing;
    TestForm->ReviewControls();
    TestForm->LearnButton->setEnabled(false);
    TestForm->dtCurrentSet.first();
    accept();
}

void TScoreForm::BitBtn2Click()
{
    ppReport1.print(this);
}

void TScoreForm::BitBtn3Click()
{
    if (messageBox(MsgKind::Confirmation, QStringLiteral("Are you sure you wish to end this exam?"), MsgButtons::YesNo,
                   this) != MsgButton::Yes)
        return;
    TestForm->CloseCurrentExam();
    done(QDialog::Rejected);
}
