#pragma once

#include "grading/BarSeries.h"

#include <QString>

#include <memory>

class QChart;
class QGraphicsScene;
class QPrinter;
class QWidget;

// The printable copy of the score window: one A4 page laid out in millimetres. Grading fills the
// two charts and the three texts; printing draws them with the fixed parts of the page.
class ScoreReport {
    std::unique_ptr<QGraphicsScene> scene_; // holds the charts; first, so that it outlives them

public:
    ScoreReport();
    ~ScoreReport();

    QChart* ppTeeChart1; // total chart
    QChart* ppTeeChart2; // section chart
    BarSeries Series2;
    BarSeries HorizBarSeries2;
    QString ppLabel1; // heading line
    QString ppLabel2; // footer product name
    QString ppLabel4; // score line

    // Asks for printer and copies, then prints; Cancel prints nothing. Every print starts from the
    // report's own page settings.
    void print(QWidget* parent);

    // The report's own page settings: A4, 6.35 mm margins, its document name.
    static void preparePrinter(QPrinter& printer);
    // Draws the page on a printer already prepared.
    void render(QPrinter& printer);
};
