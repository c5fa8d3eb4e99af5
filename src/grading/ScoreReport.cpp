#include "grading/ScoreReport.h"

#include "platform/Dialogs.h"
#include "platform/Look.h"
#include "store/Error.h"

#include <QChart>
#include <QCoreApplication>
#include <QDate>
#include <QGraphicsScene>
#include <QHorizontalStackedBarSeries>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr double MarginMm = 6.35;
constexpr double FooterBandMm = 25.665;
constexpr double ScreenDpi = 96; // the charts are laid out at screen size and scaled onto paper
constexpr double LineMm = 0.75 * 25.4 / 72;

QChart* newReportChart(QGraphicsScene* scene)
{
    QChart* chart = newBarChart(Qt::white);
    scene->addItem(chart);
    return chart;
}

// Chart fonts are in pixels of the chart's screen-sized layout, scaled with it onto paper.
QFont arialPx(int px, bool bold)
{
    return pixelFont(QStringLiteral("Arial"), px, bold);
}

QFont arialPt(double pt, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pt);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Millimetres from the top left of the printable area to the printer's device pixels.
class Page {
public:
    explicit Page(QPrinter& printer) : scale_(printer.resolution() / 25.4) {}
    QRectF rect(double x, double y, double w, double h) const
    {
        return QRectF(x * scale_, y * scale_, w * scale_, h * scale_);
    }
    double length(double mm) const { return mm * scale_; }

private:
    double scale_;
};

void drawText(QPainter& p, const QRectF& rect, const QFont& font, int flags, const QString& text,
              const QColor& color = Qt::black)
{
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, flags | Qt::AlignVCenter | Qt::TextDontClip, text);
}

// An opaque label: its white ground covers what lies under the text.
void drawOpaqueText(QPainter& p, const QRectF& rect, const QFont& font, int flags, const QString& text,
                    const QColor& color = Qt::black)
{
    p.setFont(font);
    const QRectF ground = p.boundingRect(rect, flags | Qt::AlignVCenter | Qt::TextDontClip, text);
    p.fillRect(ground, Qt::white);
    drawText(p, rect, font, flags, text, color);
}

void drawRule(QPainter& p, const Page& page, double x, double y, double length)
{
    p.setPen(QPen(Qt::black, page.length(LineMm)));
    p.drawLine(QPointF(page.length(x), page.length(y)), QPointF(page.length(x + length), page.length(y)));
}

void drawFrame(QPainter& p, const Page& page, const QRectF& mm)
{
    p.setPen(QPen(Qt::black, page.length(LineMm)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page.rect(mm.x(), mm.y(), mm.width(), mm.height()));
}

void drawChart(QPainter& p, QChart* chart, const QRectF& target)
{
    const QSizeF size(target.width() / p.device()->logicalDpiX() * ScreenDpi,
                      target.height() / p.device()->logicalDpiY() * ScreenDpi);
    chart->resize(size);
    // Bars and axis labels are laid out on a posted request; lay them out now, at this size.
    QCoreApplication::sendPostedEvents(chart, QEvent::LayoutRequest);
    chart->scene()->render(&p, target, QRectF(chart->pos(), size));
}

} // namespace

ScoreReport::ScoreReport()
    : scene_(std::make_unique<QGraphicsScene>()), ppTeeChart1(newReportChart(scene_.get())),
      ppTeeChart2(newReportChart(scene_.get())), Series2(ppTeeChart1), HorizBarSeries2(ppTeeChart2)
{
    ppTeeChart2->setPos(0, 1000); // apart from the total chart, so that each renders alone

    Series2.setValueRange(0, 1000, 11);
    Series2.series()->setBarWidth(0.9);
    Series2.setValueLabelFont(arialPx(13, true));
    Series2.setLabelFont(arialPx(15, true));

    HorizBarSeries2.setValueRange(0, 100, 11);
    HorizBarSeries2.series()->setBarWidth(0.8);
    HorizBarSeries2.setValueLabelFont(arialPx(12, false));
    HorizBarSeries2.setLabelFont(arialPx(12, false));
}

ScoreReport::~ScoreReport() = default;

void ScoreReport::preparePrinter(QPrinter& printer)
{
    printer.setDocName(QStringLiteral("Score Report"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

void ScoreReport::print(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!printDialog(&printer, parent))
        return;
    render(printer);
}

void ScoreReport::render(QPrinter& printer)
{
    QPainter p;
    if (!p.begin(&printer))
        throw VeldraError(QStringLiteral("The score report could not be printed."));
    const Page page(printer);

    // Page header band.
    drawOpaqueText(p, page.rect(15.346, 8.996, 27.517, 6.350), arialPt(16, true, true), Qt::AlignLeft,
                   QStringLiteral(" Tessarin "), QColor(0, 0, 128));
    drawFrame(p, page, QRectF(14.552, 7.144, 29.104, 9.790)); // over the mark, also when a wider font overruns

    drawText(p, page.rect(114.300, 7.673, 67.998, 4.763), arialPt(11, true), Qt::AlignRight, ppLabel1);
    drawRule(p, page, 27.252, 13.229, 155.046);
    drawText(p, page.rect(163.195, 13.970, 19.473, 4.022), arialPt(10, false), Qt::AlignRight,
             QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    drawText(p, page.rect(76.465, 22.225, 48.948, 4.763), arialPt(11, true), Qt::AlignHCenter,
             QStringLiteral("Examination Score Report"));

    drawFrame(p, page, QRectF(15.081, 33.338, 167.482, 34.131));
    drawChart(p, ppTeeChart1, page.rect(16.404, 34.925, 165.365, 31.221));
    drawText(p, page.rect(51.329, 68.527, 96.309, 4.763), arialPt(11, true), Qt::AlignHCenter, ppLabel4);

    drawRule(p, page, 15.081, 90.223, 167.482);
    drawOpaqueText(p, page.rect(16.933, 88.106, 16.404, 4.233), arialPt(10, true), Qt::AlignRight,
                   QStringLiteral(" Sections "));
    drawChart(p, ppTeeChart2, page.rect(10.054, 92.604, 177.800, 45.508));

    // Footer band, at the foot of the printable area.
    const double footer = printer.pageLayout().paintRect(QPageLayout::Millimeter).height() - FooterBandMm;
    drawRule(p, page, 10.054, footer + 1.852, 172.509);
    drawText(p, page.rect(10.054, footer + 2.381, 14.288, 3.969), arialPt(9, false), Qt::AlignLeft, ppLabel2);
    drawText(p, page.rect(128.059, footer + 2.381, 54.504, 3.969), arialPt(9, false), Qt::AlignRight,
             QStringLiteral("Tessarin Learning Press"));
    p.end();
}
