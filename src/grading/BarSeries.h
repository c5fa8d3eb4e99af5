#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QMargins>
#include <QMetaObject>
#include <QString>
#include <QStringList>

class QBarCategoryAxis;
class QChart;
class QGraphicsTextItem;
class QHorizontalStackedBarSeries;
class QValueAxis;

// One horizontal bar per category, each in its own colour, the first bar added at the bottom.
// A Qt bar set has one colour, so every bar is its own set stacked on zeros of the others.
// The bar labels and value labels are drawn here rather than by the axes, which cut a label to
// "..." as soon as its slot is a little smaller than the text.
class BarSeries {
public:
    // Attaches a series with a value axis (bottom) and a category axis (left) to the chart.
    explicit BarSeries(QChart* chart);
    ~BarSeries();
    BarSeries(const BarSeries&) = delete;
    BarSeries& operator=(const BarSeries&) = delete;

    void clear();
    void add(double value, const QString& label, const QColor& color);

    // The value axis stays at this range, whatever the bars hold.
    void setValueRange(double min, double max, int tickCount);
    void setLabelFont(const QFont& font);
    void setValueLabelFont(const QFont& font);
    // Labels longer than this many characters break onto more lines at their blanks; 0: never.
    void setLabelWrap(int width) { wrap_ = width; }
    // Chart margins outside the plot area; the left and bottom ones grow by the labels.
    void setMargins(const QMargins& margins);

    const QList<double>& values() const { return values_; }
    const QStringList& labels() const { return labels_; }
    const QList<QColor>& colors() const { return colors_; }
    // The label texts as drawn, line breaks included.
    QStringList shownLabels() const;

    QHorizontalStackedBarSeries* series() const { return series_; }
    QValueAxis* valueAxis() const { return valueAxis_; }
    QBarCategoryAxis* categoryAxis() const { return categoryAxis_; }

private:
    void placeLabels();
    void placeValueLabels(const QRectF& plot);
    QGraphicsTextItem* newLabelItem(const QFont& font, const QString& text, Qt::Alignment alignment);

    QChart* chart_;
    QHorizontalStackedBarSeries* series_;
    QValueAxis* valueAxis_;
    QBarCategoryAxis* categoryAxis_;
    QList<QGraphicsTextItem*> labelItems_;
    QList<QGraphicsTextItem*> valueLabelItems_;
    QMetaObject::Connection plotAreaWatch_;
    QList<double> values_;
    QStringList labels_;
    QList<QColor> colors_;
    QFont labelFont_;
    QFont valueLabelFont_;
    QMargins margins_{2, 2, 5, 5};
    int wrap_ = 0;
};

// A flat chart without legend or rounded corners whose plot area reaches close to its edges.
QChart* newBarChart(const QColor& background);

// Chart titles are rich text, which would fold ",  " into one blank; this keeps every blank.
QString chartText(const QString& text);

// Breaks text at blanks so that no line is longer than width characters unless one word is.
QString wrapAtBlanks(const QString& text, int width);
