#pragma once

#include "grading/BarSeries.h"
#include "grading/ScoreReport.h"

#include <QDialog>

#include <memory>

class QChartView;
class QLabel;
class QPushButton;
class QScrollArea;
class ShadowLabel;

// The score window: the result of a graded exam in two bar charts and the score line, with its
// printable report. Grading fills it; it holds no logic beyond its three buttons.
class TScoreForm : public QDialog {
    Q_OBJECT

public:
    explicit TScoreForm(QWidget* parent = nullptr);
    ~TScoreForm() override;

    QWidget* Panel1 = nullptr; // heading strip
    ShadowLabel* fcLabel1 = nullptr;
    QWidget* Panel2 = nullptr; // total area
    QChartView* TotalChart = nullptr;
    std::unique_ptr<BarSeries> Series1;
    QLabel* TotalLabel = nullptr;
    QScrollArea* ScrollBox1 = nullptr; // section area
    QLabel* Chart1Title = nullptr;
    QChartView* Chart1 = nullptr;
    std::unique_ptr<BarSeries> HorizBarSeries1;
    QWidget* Panel3 = nullptr;      // button strip
    QPushButton* BitBtn1 = nullptr; // "&View Answers"
    QPushButton* BitBtn2 = nullptr; // "&Print Report"
    QPushButton* BitBtn3 = nullptr; // "E&xit Exam"

    ScoreReport ppReport1;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

public slots:
    // The window has no way out but View Answers and Exit Exam: Esc and Alt+F4 do nothing.
    void reject() override {}

private:
    void buildHeading();
    void buildTotalArea();
    void buildSectionArea();
    void buildButtons();
};

extern TScoreForm* ScoreForm;
