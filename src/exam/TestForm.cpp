#include "exam/TestForm.h"

#include "exam/LPositionsUnit.h"
#include "exam/ProductText.h"
#include "grading/NoteUnit.h"
#include "platform/ClickLabel.h"
#include "platform/Dialogs.h"
#include "platform/Handlers.h"
#include "platform/Look.h"
#include "platform/ShadowLabel.h"
#include "platform/ShapeButton.h"
#include "shell/AboutUnit.h"
#include "shell/MainUnit.h"
#include "store/Error.h"
#include "store/ProgramSession.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TTestForm* TestForm = nullptr;
AnswerSheetArray AnswerSheet;

namespace {

// The Windows directory where there is one; the default calculator path is formed from it.
QString GetWindowsDir()
{
    return qEnvironmentVariable("SystemRoot", qEnvironmentVariable("windir"));
}

} // namespace

TTestForm::TTestForm(QWidget* parent) : QDialog(parent, Qt::Window)
{
    setMinimumSize(732, 502);
    resize(732, 505);

    // Creation, in the order the rest of the program relies on.
    DBISAMSession1.addPassword(QString::fromLatin1(TablePassword));
    DBISAMSession1.setActive(true);
    setWindowState(Qt::WindowMaximized);
    setWindowTitle(QStringLiteral("Veldra 4"));
    ExamMode = NoExam;
    WinDir = GetWindowsDir();
    CalcPath = WinDir + QStringLiteral("\\Calc.exe");

    for (Table* t : {&dtQSet, &dtCurrentSet, &dtUserSet})
        t->setSession(&DBISAMSession1);
    dtQSet.setTableName(QStringLiteral("veldra.DAT"));
    dtCurrentSet.setTableName(QStringLiteral("ces.DAT"));
    dtUserSet.setTableName(QStringLiteral("veldrusr.DAT"));
    dsCurrentSet.setDataSet(&dtCurrentSet);

    fillBackground(this, Qt::white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    layout->setMenuBar(MainMenu);
    buildHeader();
    layout->addWidget(Panel1);
    Panel3 = new QWidget(this);
    fillBackground(Panel3, Qt::white);
    auto* centre = new QVBoxLayout(Panel3);
    centre->setContentsMargins(0, 0, 0, 0);
    buildWelcomePanel();
    buildItemArea();
    centre->addWidget(Panel4);
    centre->addWidget(ScrollBox1);
    layout->addWidget(Panel3, 1);
    buildButtonBar();
    layout->addWidget(Panel2);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    connectHandlers();

    LearnButton->setVisible(ShowLearnBtn);
    if (QFile::exists(CalcPath)) {
        CalcButton->setProperty("CommandLine", CalcPath);
        CalcButton->setVisible(ShowCalcBtn);
    } else {
        CalcButton->setVisible(false);
        ShowCalcBtn = false;
    }

    // The window opens on its welcome panel.
    Panel2->hide();
    ScrollBox1->hide();
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label1, Label2, Label3, MarkBox, TimeLabel, CorrectLabel, ReviewLabel})
        w->hide();
    PrintItem1->setEnabled(false);
}

TTestForm::~TTestForm() = default;

void TTestForm::buildMenus()
{
    MainMenu = new QMenuBar(this);
    QMenu* file = MainMenu->addMenu(QStringLiteral("&File"));
    Preferences1 = file->addAction(QStringLiteral("&Options..."));
    PrintItem1 = file->addAction(QStringLiteral("&Print this item"));
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("E&xit"));

    ExamsMenu = MainMenu->addMenu(QStringLiteral("Exa&ms"));
    for (int i = 0; i < 7; ++i)
        Action[i] = ExamsMenu->addAction(QStringLiteral("Practice Exam &%1").arg(QChar('A' + i)));
    ExamsMenu->addSeparator();
    AllQAct = ExamsMenu->addAction(QStringLiteral("&Take All &Questions"));
    RandAct = ExamsMenu->addAction(QStringLiteral("&Random Exam"));
    UserAct = ExamsMenu->addAction(QStringLiteral("&User Exam"));

    QMenu* help = MainMenu->addMenu(QStringLiteral("&Help"));
    About1 = help->addAction(QStringLiteral("Ab&out"));
}

void TTestForm::buildHeader()
{
    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(45);
    fillBackground(Panel1, QColor(0, 0, 128));
    setTextColor(Panel1, Qt::white);

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setVerticalSpacing(0);
    const QFont headerFont = pixelFont(QStringLiteral("Verdana"), 13, true);

    fcLabel1 = new ShadowLabel(QString::fromUtf8(ProductText::Banner), Panel1);
    fcLabel1->setFont(pixelFont(QStringLiteral("Verdana"), 19, true));
    fcLabel1->setTextColor(Qt::white);
    fcLabel1->setOutlineColor(QColor(0, 0, 64));
    fcLabel1->setShadow(1, Qt::black);
    fcLabel1->setAlignment(Qt::AlignCenter);
    grid->addWidget(fcLabel1, 0, 0, 2, 4);

    Label1 = new QLabel(Panel1);
    Label2 = new QLabel(Panel1);
    Label3 = new QLabel(Panel1);
    Label1->setFont(headerFont);
    Label2->setFont(headerFont);
    Label3->setFont(pixelFont(QStringLiteral("Verdana"), 13));
    setTextColor(Label3, QColor(192, 192, 192));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Label3, 0, 3);

    MarkBox = new QCheckBox(QStringLiteral("&Mark this item"), Panel1);
    MarkBox->setFont(headerFont);
    CorrectLabel = new QLabel(Panel1);
    CorrectLabel->setFont(headerFont);
    fillBackground(CorrectLabel, Qt::white);
    grid->addWidget(MarkBox, 1, 0, 1, 2);
    grid->addWidget(CorrectLabel, 1, 0, 1, 2, Qt::AlignLeft);

    TimeLabel = new QLabel(Panel1);
    TimeLabel->setFont(headerFont);
    TimeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ReviewLabel = new QLabel(QStringLiteral("Review items"), Panel1);
    ReviewLabel->setFont(headerFont);
    fillBackground(ReviewLabel, Qt::white);
    setTextColor(ReviewLabel, QColor(0, 0, 128));
    ReviewLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(TimeLabel, 1, 3);
    grid->addWidget(ReviewLabel, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
}

void TTestForm::buildWelcomePanel()
{
    Panel4 = new QWidget(Panel3);
    fillBackground(Panel4, Qt::white);
    WelcomeLabel = new ShadowLabel(QStringLiteral("Welcome to Veldra 4"), Panel4);
    WelcomeLabel->setFont(pixelFont(QStringLiteral("AvantGarde Md BT"), 15, true, true));
    WelcomeLabel->setTextColor(QColor(0, 255, 255));
    WelcomeLabel->setOutlineColor(QColor(0, 0, 128));
    WelcomeLabel->setShadow(2, QColor(128, 128, 128));
    WelcomeLabel->setAlignment(Qt::AlignHCenter);
    WelcomeText = new QLabel(
        QString::fromUtf8(ProductText::WelcomeLine1) + '\n' + QString::fromUtf8(ProductText::WelcomeLine2), Panel4);
    WelcomeText->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    WelcomeText->setAlignment(Qt::AlignHCenter);
    SelectPanel = new QWidget(Panel4);
    SelectLabel = new ShadowLabel(QStringLiteral("Please select the practice exam you want to begin."), SelectPanel);
    SelectLabel->setFont(WelcomeLabel->font());
    SelectLabel->setTextColor(QColor(0, 255, 0));
    SelectLabel->setOutlineColor(QColor(0, 64, 0));
    SelectLabel->setShadow(2, QColor(128, 128, 128));
    SelectLabel->setAlignment(Qt::AlignHCenter);

    for (int i = 0; i < 7; ++i) {
        const QString caption = i < 6 ? QStringLiteral("&%1").arg(QChar('A' + i)) : QStringLiteral("G");
        ExamButtons[i] = new ShapeButton(caption, QColor(128, 0, 128), Panel4);
        ExamButtons[i]->resize(30, 30);
        ExamButtons[i]->setAccessibleName(QStringLiteral("Practice Exam %1").arg(QChar('A' + i)));
    }
    AllQButton = new ShapeButton(QStringLiteral("All &Questions"), QColor(0, 0, 128), Panel4);
    RandButton = new ShapeButton(QStringLiteral("&Random Exam"), QColor(0, 0, 128), Panel4);
    UserButton = new ShapeButton(QStringLiteral("&User Exam"), QColor(0, 0, 128), Panel4);
    for (ShapeButton* b : {AllQButton, RandButton, UserButton})
        b->resize(109, 30);
}

void TTestForm::layoutWelcomePanel()
{
    // Texts span the panel; the button rows are placed across by CenterExamButtons.
    const int w = Panel4->width();
    WelcomeLabel->setGeometry(0, 17, w, WelcomeLabel->sizeHint().height());
    const int textTop = WelcomeLabel->geometry().bottom() + 1;
    WelcomeText->setGeometry(0, textTop, w, WelcomeText->sizeHint().height());
    const int panelTop = WelcomeText->geometry().bottom() + 1 + 7;
    SelectPanel->setGeometry(0, panelTop, w, 44);
    SelectLabel->setGeometry(5, 5, w - 10, SelectLabel->sizeHint().height());
    for (ShapeButton* b : ExamButtons)
        b->move(b->x(), panelTop + 44);
    for (ShapeButton* b : {AllQButton, RandButton, UserButton})
        b->move(b->x(), std::max(168, panelTop + 44 + 30 + 12));
}

void TTestForm::buildItemArea()
{
    ScrollBox1 = new QScrollArea(Panel3);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setWidgetResizable(false);
    fillBackground(ScrollBox1, Qt::white);
    fillBackground(ScrollBox1->viewport(), Qt::white);
    ItemArea = new QWidget;
    fillBackground(ItemArea, Qt::white);
    ItemArea->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    ScrollBox1->setWidget(ItemArea);

    QPanel = new QWidget(ItemArea);
    QText = new QLabel(QPanel);
    QText->setWordWrap(true);
    QText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QText->setTextFormat(Qt::PlainText);
    QText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Shape1 = new QFrame(ItemArea);
    Shape1->setFrameShape(QFrame::NoFrame);
    fillBackground(Shape1, Qt::blue);

    ExhBtnA = new QPushButton(QStringLiteral("Exhibit &1"), ItemArea);
    ExhBtnA->setGeometry(1, 0, 93, 25);
    ExhBtnB = new QPushButton(QStringLiteral("Exhibit &2"), ItemArea);
    ExhBtnB->setGeometry(96, 0, 93, 25);
    CalcButton = new QToolButton(ItemArea);
    CalcButton->setAutoRaise(true);
    CalcButton->setAccessibleName(QStringLiteral("Calculator"));
    CalcButton->resize(37, 29);

    for (int n = 0; n < 6; ++n) {
        ALabel[n] = new ClickLabel(ItemArea);
        ALabel[n]->setWordWrap(true);
        ALabel[n]->setTextFormat(Qt::PlainText);
        ALabel[n]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        fillBackground(ALabel[n], Qt::white);
        ALabel[n]->move(AnswerLabelLeft, 0);
        const QString caption = QStringLiteral("&%1.").arg(QChar('a' + n));
        RadioButton[n] = new QRadioButton(caption, ItemArea);
        RadioButton[n]->setGeometry(AnswerControlLeft, 0, 38, 17);
        CheckBox[n] = new QCheckBox(caption, ItemArea);
        CheckBox[n]->setGeometry(AnswerControlLeft, 0, 38, 17);
        ALabel[n]->setBuddy(RadioButton[n]);
    }
    ExpText = new QLabel(ItemArea);
    ExpText->setWordWrap(true);
    ExpText->setTextFormat(Qt::PlainText);
    ExpText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ExpText->move(ExplanationLeft, 0);
    ExpText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setTextColor(ExpText, QColor(0, 0, 128));
    ExpText->hide();
}

void TTestForm::buildButtonBar()
{
    Panel2 = new QWidget(this);
    Panel2->setFixedHeight(41);
    auto* row = new QHBoxLayout(Panel2);
    row->setContentsMargins(6, 5, 6, 5);
    PrevButton = new QPushButton(QStringLiteral("&< Previous Item"), Panel2);
    NextButton = new QPushButton(QStringLiteral("Next Item &>"), Panel2);
    LearnButton = new QPushButton(QStringLiteral("&Learn Now"), Panel2);
    Button1 = new QPushButton(QStringLiteral("Items &Review"), Panel2);
    NoteButton = new QPushButton(QStringLiteral("&Note"), Panel2);
    GradeButton = new QPushButton(QStringLiteral("&Grade Now"), Panel2);
    Button3 = new QPushButton(QStringLiteral("E&xit Exam"), Panel2);
    for (QPushButton* b : {PrevButton, NextButton, LearnButton, Button1, NoteButton})
        row->addWidget(b);
    row->addStretch();
    row->addWidget(GradeButton);
    row->addWidget(Button3);
    for (QPushButton* b : {PrevButton, NextButton, LearnButton, Button1, NoteButton, GradeButton, Button3}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(29);
    }
}

void TTestForm::connectHandlers()
{
    connect(Exit1, &QAction::triggered, this, guarded([this] { close(); }));
    connect(About1, &QAction::triggered, this, guarded([] { showModal(AboutForm); }));
    for (int i = 0; i < 7; ++i) {
        connect(Action[i], &QAction::triggered, this, guarded([this, i] { PracticeActExecute(i + 1); }));
        connect(ExamButtons[i], &QPushButton::clicked, Action[i], &QAction::trigger);
    }
    connect(AllQAct, &QAction::triggered, this, guarded([this] { AllQActExecute(); }));
    connect(RandAct, &QAction::triggered, this, guarded([this] { RandActExecute(); }));
    connect(UserAct, &QAction::triggered, this, guarded([this] { UserActExecute(); }));
    connect(AllQButton, &QPushButton::clicked, AllQAct, &QAction::trigger);
    connect(RandButton, &QPushButton::clicked, RandAct, &QAction::trigger);
    connect(UserButton, &QPushButton::clicked, UserAct, &QAction::trigger);

    connect(&dsCurrentSet, &DataSource::dataChange, this,
            guarded([this](const QString& field) { dsCurrentSetDataChange(field); }));

    connect(PrevButton, &QPushButton::clicked, this, guarded([this] { PrevButtonClick(); }));
    connect(NextButton, &QPushButton::clicked, this, guarded([this] { NextButtonClick(); }));
    for (int n = 0; n < 6; ++n) {
        connect(ALabel[n], &ClickLabel::clicked, this, guarded([this, n] { ALabelClick(n + 1); }));
        connect(CheckBox[n], &QCheckBox::clicked, this, guarded([this, n] { CheckBoxClick(n + 1); }));
        connect(RadioButton[n], &QRadioButton::clicked, this, guarded([this] { RadioButton1Click(); }));
    }
    connect(MarkBox, &QCheckBox::clicked, this, guarded([this] { MarkBoxClick(); }));
    connect(Button3, &QPushButton::clicked, this, guarded([this] { Button3Click(); }));
    connect(GradeButton, &QPushButton::clicked, this, guarded([this] { GradeButtonClick(); }));
    connect(LearnButton, &QPushButton::clicked, this, guarded([this] { LearnButtonClick(); }));
    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
}

void TTestForm::ExamControls()
{
    Panel4->hide();
    ScrollBox1->show();
    ScrollBox1->setEnabled(true);
    Panel2->show();
    fcLabel1->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, MarkBox, Label3, TimeLabel})
        w->show();
    ReviewLabel->hide();
    CorrectLabel->hide();
    SetGradeCaption(QStringLiteral("Grade Now"));
    ExamsMenu->menuAction()->setEnabled(false);
    PrintItem1->setEnabled(true);
    LearnButton->setEnabled(true);
}

void TTestForm::SetGradeCaption(const QString& caption)
{
    // The caption loses its accelerator once an exam starts; Alt+G still grades.
    GradeButton->setText(caption);
    GradeButton->setShortcut(QKeySequence(Qt::ALT | Qt::Key_G));
}

void TTestForm::CloseCurrentExam()
{
    ExamMode = NoExam;
    dtQSet.setFilter(QString());
    dtQSet.setFiltered(false);
    dtQSet.close();
    dtCurrentSet.close();
    dtUserSet.close();

    Panel2->hide();
    fcLabel1->show();
    ExamsMenu->menuAction()->setEnabled(true);

    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, CorrectLabel, MarkBox, Label3, TimeLabel})
        w->hide();
    Timer1->stop();
    ReviewLabel->hide();

    PrintItem1->setEnabled(false);
    ScrollBox1->hide();
    Panel4->show();
    NoteButton->show();
    layoutWelcomePanel();
    CenterExamButtons();
}

void TTestForm::Button3Click()
{
    if (messageBox(MsgKind::Confirmation, QStringLiteral("Are you sure you wish to end this exam?"), MsgButtons::YesNo,
                   this) == MsgButton::Yes)
        CloseCurrentExam();
}

bool TTestForm::CloseQuery()
{
    if (ExamMode != ExamRunning)
        return true;
    return messageBox(MsgKind::Warning, QStringLiteral("This exam is not completed.\rAre you shure ?"),
                      MsgButtons::OKCancel, this) == MsgButton::OK;
}

void TTestForm::reject()
{
    // Every way of closing the window (close box, File > Exit) comes here.
    bool canClose = false;
    runGuarded([&] { canClose = CloseQuery(); });
    if (!canClose)
        return;
    runGuarded([&] { CloseCurrentExam(); });
    if (MainForm)
        MainForm->show();
    QDialog::reject();
}

void TTestForm::keyPressEvent(QKeyEvent* event)
{
    // Esc must not end an exam by accident; the window closes only by its close box or File > Exit.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void TTestForm::dsCurrentSetDataChange(const QString&)
{
    if (ExamMode == NoExam || (NoteForm && NoteForm->isVisible()))
        return;
    if (!dtCurrentSet.active() || dtCurrentSet.isEmpty())
        return;
    const int recNo = dtCurrentSet.recNo();
    PrevButton->setEnabled(recNo != FirstRecNo);
    NextButton->setEnabled(recNo != ItemCount);
    Label1->setText(QStringLiteral("Item %1 of %2").arg(recNo).arg(ItemCount));
    Label2->setText(QStringLiteral("Item ID: %1").arg(dtCurrentSet.fieldByName("Q_OR_NUMBER").asInteger()));
    LayoutItem(*this);
    ShowItemState(*this);
}

void TTestForm::FormResize()
{
    if (dtCurrentSet.active() && !dtCurrentSet.isEmpty())
        LayoutItem(*this);
    if (Panel4->isVisible()) {
        layoutWelcomePanel();
        CenterExamButtons();
    }
}

void TTestForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    runGuarded([this] { FormResize(); });
}

void TTestForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The panels get their real sizes only once the window is shown.
    QTimer::singleShot(0, this, guarded([this] { FormResize(); }));
}

AnswerRecord& TTestForm::CurrentAnswer()
{
    const int index = dtCurrentSet.recNo() - 1;
    if (index < 0 || index >= int(AnswerSheet.size()))
        throw VeldraError(QStringLiteral("Item %1 has no record in the answer sheet.").arg(index + 1));
    return AnswerSheet[index];
}
