#include "grading/BarSeries.h"

#include <QBarSet>
#include <QChart>
#include <QHorizontalStackedBarSeries>
#include <QtTest>

class TestBarSeries : public QObject {
    Q_OBJECT

private slots:
    void eachBarHasItsOwnCategoryAndColour();
    void clearEmptiesEverything();
    void wrapping_data();
    void wrapping();
};

void TestBarSeries::eachBarHasItsOwnCategoryAndColour()
{
    QChart* chart = newBarChart(Qt::white);
    BarSeries bars(chart);
    bars.add(30, QStringLiteral("first "), Qt::red);
    bars.add(0, QStringLiteral("second "), Qt::green);
    bars.add(75.5, QStringLiteral("third "), Qt::blue);

    QCOMPARE(bars.values(), (QList<double>{30, 0, 75.5}));
    QCOMPARE(bars.labels(), (QStringList{"first ", "second ", "third "}));
    QCOMPARE(bars.colors(), (QList<QColor>{Qt::red, Qt::green, Qt::blue}));

    // Category i, counted from the bottom, shows only set i, in that set's colour.
    const QList<QBarSet*> sets = bars.series()->barSets();
    QCOMPARE(sets.size(), 3);
    for (int set = 0; set < 3; ++set) {
        QCOMPARE(sets[set]->count(), 3);
        QCOMPARE(sets[set]->color(), bars.colors()[set]);
        for (int category = 0; category < 3; ++category)
            QCOMPARE(sets[set]->at(category), category == set ? bars.values()[set] : 0.0);
    }
    delete chart;
}

void TestBarSeries::clearEmptiesEverything()
{
    QChart* chart = newBarChart(Qt::white);
    BarSeries bars(chart);
    bars.add(1, QStringLiteral("a"), Qt::red);
    bars.add(2, QStringLiteral("b"), Qt::red);
    bars.clear();
    QVERIFY(bars.values().isEmpty());
    QVERIFY(bars.labels().isEmpty());
    QVERIFY(bars.colors().isEmpty());
    QCOMPARE(bars.series()->count(), 0);

    bars.add(5, QStringLiteral("again"), Qt::blue);
    QCOMPARE(bars.series()->count(), 1);
    QCOMPARE(bars.series()->barSets().first()->count(), 1);
    delete chart;
}

void TestBarSeries::wrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("wrapped");

    QTest::newRow("fits") << "Planning (3/4) " << 24 << "Planning (3/4)";
    QTest::newRow("two lines") << "Installation and Configuration (17/20) " << 24
                               << "Installation and\nConfiguration (17/20)";
    QTest::newRow("exactly the width") << "abcd efgh" << 9 << "abcd efgh";
    QTest::newRow("one over") << "abcd efghi" << 9 << "abcd\nefghi";
    QTest::newRow("long word alone") << "Troubleshooting (0/0) " << 8 << "Troubleshooting\n(0/0)";
}

void TestBarSeries::wrapping()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, wrapped);
    QCOMPARE(wrapAtBlanks(text, width), wrapped);
}

QTEST_MAIN(TestBarSeries)
#include "tst_barseries.moc"
