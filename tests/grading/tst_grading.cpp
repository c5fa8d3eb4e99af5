#include "grading/Grading.h"

#include <QtTest>

namespace {

// An answer sheet written compactly: "3+*96 3-*17" is 96 correct and 17 wrong items of section 3.
AnswerSheetArray sheetOf(const QString& text)
{
    AnswerSheetArray sheet;
    for (const QString& token : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = token.split('*');
        const int repeat = parts.size() > 1 ? parts[1].toInt() : 1;
        AnswerRecord record;
        record.Section = parts[0].chopped(1).toInt();
        record.Correct = parts[0].endsWith('+');
        for (int i = 0; i < repeat; ++i)
            sheet.push_back(record);
    }
    return sheet;
}

} // namespace

class TestGrading : public QObject {
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void scoreLineText_data();
    void scoreLineText();
    void titleLineText_data();
    void titleLineText();
};

void TestGrading::arithmetic_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<double>("score");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("tallied"); // items counted over all six sections

    QTest::newRow("all correct") << "1+*20" << 1000.0 << 1000 << "Pass" << 1 << 100 << "Planning (20/20) " << 20;
    QTest::newRow("none correct") << "1-*4" << 0.0 << 0 << "Fail" << 1 << 0 << "Planning (0/4) " << 4;
    QTest::newRow("exactly 850") << "2+*17 2-*3" << 850.0 << 850 << "Pass" << 2 << 85
                                 << "Installation and Configuration (17/20) " << 20;
    QTest::newRow("849.56 shows 850 and fails")
        << "3+*96 3-*17" << 96000.0 / 113 << 850 << "Fail" << 3 << 85 << "Managing Resources (96/113) " << 113;
    QTest::newRow("187.5 rounds up to even")
        << "4+*3 4-*13" << 187.5 << 188 << "Fail" << 4 << 19 << "Connectivity (3/16) " << 16;
    QTest::newRow("312.5 rounds down to even")
        << "5+*5 5-*11" << 312.5 << 312 << "Fail" << 5 << 31 << "Monitoring and Optimization (5/16) " << 16;
    QTest::newRow("916.67") << "6+*55 6-*5" << 55000.0 / 60 << 917 << "Pass" << 6 << 92 << "Troubleshooting (55/60) "
                            << 60;
    QTest::newRow("section 12.5 to 12") << "1+ 1-*7" << 125.0 << 125 << "Fail" << 1 << 12 << "Planning (1/8) " << 8;
    QTest::newRow("section 37.5 to 38") << "1+*3 1-*5" << 375.0 << 375 << "Fail" << 1 << 38 << "Planning (3/8) " << 8;
    QTest::newRow("sections mixed") << "4+*7 4-*2 1-*3" << 7000.0 / 12 << 583 << "Fail" << 4 << 78
                                    << "Connectivity (7/9) " << 12;
    QTest::newRow("section without items")
        << "1+*4" << 1000.0 << 1000 << "Pass" << 6 << 0 << "Troubleshooting (0/0) " << 4;
    QTest::newRow("section 7 counts in total only")
        << "1+ 7+ 7-" << 2000.0 / 3 << 667 << "Fail" << 1 << 100 << "Planning (1/1) " << 1;
    QTest::newRow("section 0 counts in total only")
        << "0+ 2-" << 500.0 << 500 << "Fail" << 2 << 0 << "Installation and Configuration (0/1) " << 1;
}

void TestGrading::arithmetic()
{
    QFETCH(QString, sheet);
    QFETCH(double, score);
    QFETCH(int, shown);
    QFETCH(QString, grade);
    QFETCH(int, section);
    QFETCH(int, percentage);
    QFETCH(QString, label);
    QFETCH(int, tallied);

    const AnswerSheetArray answers = sheetOf(sheet);
    const double actual = examScore(correctCount(answers), int(answers.size()));
    QCOMPARE(actual, score);
    QCOMPARE(shownScore(actual), shown);
    QCOMPARE(gradeText(actual), grade);

    const SectionTally tally = tallySections(answers);
    const SectionEntry& entry = tally[section - 1];
    QCOMPARE(entry.percentage, percentage);
    QCOMPARE(sectionLabel(section, entry), label);
    int counted = 0;
    for (const SectionEntry& e : tally)
        counted += e.items;
    QCOMPARE(counted, tallied);
}

void TestGrading::scoreLineText_data()
{
    QTest::addColumn<double>("score");
    QTest::addColumn<QString>("line");

    QTest::newRow("pass") << 55000.0 / 60 << "Passing Score: 850   Your Score: 917   Grade: Pass";
    QTest::newRow("850 both and fail") << 96000.0 / 113 << "Passing Score: 850   Your Score: 850   Grade: Fail";
    QTest::newRow("zero") << 0.0 << "Passing Score: 850   Your Score: 0   Grade: Fail";
}

void TestGrading::scoreLineText()
{
    QFETCH(double, score);
    QFETCH(QString, line);
    QCOMPARE(scoreLine(score), line);
}

void TestGrading::titleLineText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("line");

    QTest::newRow("default name") << "Your Name"
                                  << "Practice Exam A"
                                  << "Your Name,  Veldra 4,  Practice Exam A";
    QTest::newRow("empty name") << ""
                                << "User Exam"
                                << ",  Veldra 4,  User Exam";
}

void TestGrading::titleLineText()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, line);
    QCOMPARE(titleLine(name, title), line);
}

QTEST_APPLESS_MAIN(TestGrading)
#include "tst_grading.moc"
