#include "grading/BarSeries.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QHorizontalStackedBarSeries>
#include <QTextDocument>
#include <QTextOption>
#include <QValueAxis>

#include <algorithm>

namespace {

constexpr qreal LabelGap = 4; // between a label and its axis line

} // namespace

BarSeries::BarSeries(QChart* chart)
    : chart_(chart), series_(new QHorizontalStackedBarSeries), valueAxis_(new QValueAxis),
      categoryAxis_(new QBarCategoryAxis)
{
    chart->addSeries(series_);
    chart->addAxis(valueAxis_, Qt::AlignBottom);
    chart->addAxis(categoryAxis_, Qt::AlignLeft);
    series_->attachAxis(valueAxis_);
    series_->attachAxis(categoryAxis_);
    valueAxis_->setMinorTickCount(0);
    valueAxis_->setLabelsVisible(false);
    categoryAxis_->setGridLineVisible(false);
    categoryAxis_->setLabelsVisible(false);
    chart->setMargins(margins_);
    plotAreaWatch_ = QObject::connect(chart, &QChart::plotAreaChanged, chart, [this] { placeLabels(); });
}

BarSeries::~BarSeries()
{
    QObject::disconnect(plotAreaWatch_);
}

void BarSeries::setValueRange(double min, double max, int tickCount)
{
    valueAxis_->setRange(min, max);
    valueAxis_->setTickCount(tickCount);
    qDeleteAll(valueLabelItems_);
    valueLabelItems_.clear();
    for (int i = 0; i < tickCount; ++i) {
        const double value = min + (max - min) * i / (tickCount - 1);
        valueLabelItems_.append(newLabelItem(valueLabelFont_, QString::number(qRound(value)), Qt::AlignHCenter));
    }
    placeLabels();
}

void BarSeries::setLabelFont(const QFont& font)
{
    labelFont_ = font;
    for (QGraphicsTextItem* item : labelItems_)
        item->setFont(font);
    placeLabels();
}

void BarSeries::setValueLabelFont(const QFont& font)
{
    valueLabelFont_ = font;
    for (QGraphicsTextItem* item : valueLabelItems_)
        item->setFont(font);
    placeLabels();
}

QGraphicsTextItem* BarSeries::newLabelItem(const QFont& font, const QString& text, Qt::Alignment alignment)
{
    auto* item = new QGraphicsTextItem(chart_);
    item->document()->setDocumentMargin(0);
    item->document()->setDefaultTextOption(QTextOption(alignment));
    item->setFont(font);
    item->setDefaultTextColor(Qt::black);
    item->setPlainText(text);
    return item;
}

void BarSeries::setMargins(const QMargins& margins)
{
    margins_ = margins;
    placeLabels();
}

void BarSeries::clear()
{
    series_->clear();
    categoryAxis_->clear();
    qDeleteAll(labelItems_);
    labelItems_.clear();
    values_.clear();
    labels_.clear();
    colors_.clear();
    placeLabels();
}

void BarSeries::add(double value, const QString& label, const QColor& color)
{
    for (QBarSet* other : series_->barSets())
        other->append(0);
    auto* set = new QBarSet(label);
    for (qsizetype i = 0; i < values_.size(); ++i)
        set->append(0);
    set->append(value);
    set->setColor(color);
    set->setBorderColor(Qt::transparent); // the zero bars of the other sets would show as lines
    series_->append(set);
    categoryAxis_->append(label);

    values_.append(value);
    labels_.append(label);
    colors_.append(color);

    labelItems_.append(newLabelItem(labelFont_, shownLabels().constLast(), Qt::AlignRight));
    placeLabels();
}

QStringList BarSeries::shownLabels() const
{
    QStringList shown;
    for (const QString& label : labels_)
        shown.append(wrap_ > 0 ? wrapAtBlanks(label, wrap_) : label.trimmed());
    return shown;
}

void BarSeries::placeLabels()
{
    const QFontMetricsF metrics(labelFont_);
    qreal width = 0;
    for (const QString& text : shownLabels())
        for (const QString& line : text.split('\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
    width = std::ceil(width) + 1;
    const QFontMetricsF valueMetrics(valueLabelFont_);
    const int valueHeight = int(std::ceil(valueMetrics.height() + LabelGap));
    // The last value label stands half beyond the plot area.
    const int overhang =
        valueLabelItems_.isEmpty()
            ? 0
            : int(std::ceil(valueMetrics.horizontalAdvance(valueLabelItems_.last()->toPlainText()) / 2));
    QMargins wanted = margins_ + QMargins(int(width + LabelGap), 0, 0, valueHeight);
    wanted.setRight(std::max(wanted.right(), overhang + 1));
    if (chart_->margins() != wanted)
        chart_->setMargins(wanted); // the plot area moves, and this runs again from its signal

    const QRectF plot = chart_->plotArea();
    const int count = int(labelItems_.size());
    for (int i = 0; i < count; ++i) {
        QGraphicsTextItem* item = labelItems_[i];
        item->setTextWidth(width);
        const qreal centre = plot.bottom() - (i + 0.5) * plot.height() / count;
        item->setPos(plot.left() - LabelGap - width, centre - item->boundingRect().height() / 2);
    }
    placeValueLabels(plot);
}

void BarSeries::placeValueLabels(const QRectF& plot)
{
    const int count = int(valueLabelItems_.size());
    for (int i = 0; i < count; ++i) {
        QGraphicsTextItem* item = valueLabelItems_[i];
        const qreal x = plot.left() + plot.width() * i / std::max(1, count - 1);
        item->setPos(x - item->boundingRect().width() / 2, plot.bottom() + LabelGap);
    }
}

QChart* newBarChart(const QColor& background)
{
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(background);
    chart->setPlotAreaBackgroundVisible(false);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    return chart;
}

QString wrapAtBlanks(const QString& text, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines.join('\n');
}

QString chartText(const QString& text)
{
    return text.toHtmlEscaped().replace(' ', QStringLiteral("&nbsp;"));
}
