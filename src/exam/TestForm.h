#pragma once

#include "exam/ExamState.h"
#include "store/DataSource.h"
#include "store/ProgramSession.h"
#include "store/Session.h"
#include "store/Table.h"

#include <QDialog>

#include <array>
#include <functional>

class ClickLabel;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTimer;
class QToolButton;
class QWidget;
class ShadowLabel;
class ShapeButton;

// The exam window: every exam is chosen, run, graded and reviewed here. It owns the session, the
// three tables, the exam state and the settings for the whole run.
class TTestForm : public QDialog {
    Q_OBJECT

public:
    explicit TTestForm(QWidget* parent = nullptr);
    ~TTestForm() override;

    // ---- exam state
    int32_t ExamMode = NoExam;
    QString ExamTitle;
    QString CandidateName;
    int32_t ItemCount = 0;
    int32_t FirstRecNo = 0;
    double TimeLimit = 0;   // days
    double ElapsedTime = 0; // days
    bool ShowLearnBtn = false;
    bool TimerOn = true;
    bool ShowCalcBtn = true;
    QString CalcPath;
    QString WinDir;
    int32_t DefaultTime = 90;

    // ---- tables
    Session DBISAMSession1{SessionName};
    Table dtQSet;
    Table dtCurrentSet;
    Table dtUserSet;
    DataSource dsCurrentSet;

    // ---- header strip
    QWidget* Panel1 = nullptr;
    ShadowLabel* fcLabel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* MarkBox = nullptr;
    QLabel* TimeLabel = nullptr;
    QLabel* CorrectLabel = nullptr;
    QLabel* ReviewLabel = nullptr;

    // ---- centre
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr; // welcome panel
    ShadowLabel* WelcomeLabel = nullptr;
    QLabel* WelcomeText = nullptr;
    QWidget* SelectPanel = nullptr;
    ShadowLabel* SelectLabel = nullptr;
    std::array<ShapeButton*, 7> ExamButtons{}; // "&A" .. "G"
    ShapeButton* AllQButton = nullptr;
    ShapeButton* RandButton = nullptr;
    ShapeButton* UserButton = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* ItemArea = nullptr; // the scrolled content of ScrollBox1
    QWidget* QPanel = nullptr;
    QLabel* QText = nullptr;
    QFrame* Shape1 = nullptr;
    QPushButton* ExhBtnA = nullptr;
    QPushButton* ExhBtnB = nullptr;
    QToolButton* CalcButton = nullptr;
    std::array<ClickLabel*, 6> ALabel{};        // ALabel1 .. ALabel6
    std::array<QRadioButton*, 6> RadioButton{}; // RadioButton1 .. RadioButton6
    std::array<QCheckBox*, 6> CheckBox{};       // CheckBox1 .. CheckBox6
    QLabel* ExpText = nullptr;

    // ---- bottom button bar
    QWidget* Panel2 = nullptr;
    QPushButton* PrevButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* LearnButton = nullptr;
    QPushButton* Button1 = nullptr; // "Items &Review"
    QPushButton* NoteButton = nullptr;
    QPushButton* GradeButton = nullptr;
    QPushButton* Button3 = nullptr; // "E&xit Exam"

    // ---- menus and actions
    QMenuBar* MainMenu = nullptr;
    QMenu* ExamsMenu = nullptr;
    QAction* Preferences1 = nullptr;
    QAction* PrintItem1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* About1 = nullptr;
    std::array<QAction*, 7> Action{}; // Action1 .. Action7: practice exams A to G
    QAction* AllQAct = nullptr;
    QAction* RandAct = nullptr;
    QAction* UserAct = nullptr;

    QTimer* Timer1 = nullptr;

    // ---- exam window (TestForm.cpp)
    void ExamControls();
    void SetGradeCaption(const QString& caption);
    void CloseCurrentExam();
    void Button3Click();
    void dsCurrentSetDataChange(const QString& field);
    void FormResize();

    // ---- starts (ExamStarts.cpp)
    void PracticeActExecute(int exam); // Action1 .. Action7, exam 1 to 7
    void AllQActExecute();
    void RandActExecute();
    void UserActExecute();
    void PrepareStartDialog(bool enable);
    void StartPracticeExam();
    void StartUserExam();
    // The steps every start shares once its dialog is confirmed: build the set, then run the exam.
    void BeginExam(const std::function<bool()>& buildSet);
    void CenterExamButtons();

    // ---- set preparation (SetPreparation.cpp)
    // Each is false when its source has no question; the user has been told and no exam starts.
    bool PrepareShuffledSet();
    bool PrepareRandomSet(int count);
    bool PrepareUserSet();
    void InitAnswerSheet();

    // ---- answering (Answering.cpp)
    void PrevButtonClick();
    void NextButtonClick();
    void ALabelClick(int n);   // ALabel1Click .. ALabel6Click, n = 1 to 6
    void CheckBoxClick(int n); // CheckBox1Click .. CheckBox6Click
    void RadioButton1Click();
    void StoreRadioAnswers();
    void UpdateCorrectFlag();
    void MarkBoxClick();

    // ---- grading (grading/TestFormGrading.cpp)
    void GradeButtonClick();
    void GradeExam();
    void FillTotalScore();
    void FillSectionScores();

    // ---- learn mode and review (grading/TestFormReview.cpp)
    void LearnButtonClick();
    void ReviewControls();
    void Button1Click();
    void FillExamItemList();
    void FillGradedItemList();

    // The answer record of the current item.
    AnswerRecord& CurrentAnswer();

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildHeader();
    void buildWelcomePanel();
    void buildItemArea();
    void layoutWelcomePanel();
    void buildButtonBar();
    void buildMenus();
    void connectHandlers();
    bool CloseQuery();
    bool prepareSet(Table& source, int count, bool fromBank);
};

extern TTestForm* TestForm;
