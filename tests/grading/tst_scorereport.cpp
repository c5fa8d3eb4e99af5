#include "grading/Grading.h"
#include "grading/ScoreReport.h"

#include "platform/Dialogs.h"
#include "store/Fields.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Runs a poppler tool and returns what it printed.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The report as grading leaves it for 3 of 4 items in section 1 and one wrong in section 4.
void fill(ScoreReport& report)
{
    report.Series2.clear();
    report.Series2.add(750, QStringLiteral("Your score"), QColor(0, 128, 0));
    report.Series2.add(850, QStringLiteral("Required score"), QColor(0, 0, 255));
    report.ppLabel1 = titleLine(QStringLiteral("Ann Smith"), QStringLiteral("Practice Exam A"));
    report.ppLabel2 = productName();
    report.ppLabel4 = scoreLine(750);
    report.HorizBarSeries2.clear();
    SectionTally tally{};
    tally[0] = {4, 3, 75};
    tally[3] = {1, 0, 0};
    for (int s = 6; s >= 1; --s)
        report.HorizBarSeries2.add(tally[s - 1].percentage, sectionLabel(s, tally[s - 1]), QColor(255, 0, 0));
}

} // namespace

class TestScoreReport : public QObject {
    Q_OBJECT

private slots:
    void printsOnePageWithTheResults();
    void cancelledPrintDialogPrintsNothing();
};

void TestScoreReport::printsOnePageWithTheResults()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ScoreReport report;
    fill(report);

    QPrinter printer(QPrinter::HighResolution);
    ScoreReport::preparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    report.render(printer);

    // Lines as laid out on the page; compatibility forms undo ligatures such as "fi".
    const QString text = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                             .normalized(QString::NormalizationForm_KC);
    QCOMPARE(text.count('\f'), 1); // one form feed per page
    const QString flat = text.simplified();
    QVERIFY(flat.contains(QStringLiteral("Ann Smith, Veldra 4, Practice Exam A")));
    QVERIFY(flat.contains(QStringLiteral("Passing Score: 850 Your Score: 750 Grade: Fail")));
    QVERIFY(flat.contains(QStringLiteral("Examination Score Report")));
    QVERIFY(flat.contains(QStringLiteral("Tessarin")));
    QVERIFY(flat.contains(QStringLiteral("Your score")));
    QVERIFY(flat.contains(QStringLiteral("Required score")));
    QVERIFY(flat.contains(QStringLiteral("Planning (3/4)")));
    QVERIFY(flat.contains(QStringLiteral("Connectivity (0/1)")));
    QVERIFY(flat.contains(QStringLiteral("Troubleshooting (0/0)")));
    for (int s = 1; s <= SectionCount; ++s)
        QVERIFY2(flat.contains(SectionNames()[s - 1]), qPrintable(SectionNames()[s - 1]));
    QVERIFY(flat.contains(QStringLiteral(" 900 1000 ")));
    QVERIFY(flat.contains(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));

    const QRegularExpression title(QStringLiteral("^Title:\\s+Score Report$"), QRegularExpression::MultilineOption);
    QVERIFY(poppler(QStringLiteral("pdfinfo"), {pdf}).contains(title));
}

void TestScoreReport::cancelledPrintDialogPrintsNothing()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ScoreReport report;
    fill(report);
    int asked = 0;
    QString docName;
    DialogSeam::setPrintAnswerer([&](QPrinter* printer) {
        ++asked;
        docName = printer->docName();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return false;
    });
    report.print(nullptr);
    DialogSeam::reset();
    QCOMPARE(asked, 1);
    QCOMPARE(docName, QStringLiteral("Score Report"));
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestScoreReport)
#include "tst_scorereport.moc"
