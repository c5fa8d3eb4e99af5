#include "grading/ItemList.h"

#include <QtTest>

Q_DECLARE_METATYPE(ItemIcon)

namespace {

AnswerRecord recordOf(const QString& chosen, bool marked, bool correct)
{
    AnswerRecord record;
    for (QChar letter : chosen)
        record.Chosen[letter.unicode() - 'A'] = true;
    record.Marked = marked;
    record.Correct = correct;
    return record;
}

} // namespace

class TestItemList : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
};

void TestItemList::rows_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<ItemIcon>("examIcon");
    QTest::addColumn<ItemIcon>("gradedIcon");

    QTest::newRow("a and c") << 1 << "AC" << false << false << "1  AC" << IconComplete << IconIncorrect;
    QTest::newRow("a and c marked") << 1 << "AC" << true << false << "1  AC" << IconMarked << IconIncorrect;
    QTest::newRow("unanswered") << 7 << "" << false << false << "7  " << IconIncomplete << IconIncorrect;
    QTest::newRow("unanswered marked") << 7 << "" << true << false << "7  " << IconMarked << IconIncorrect;
    QTest::newRow("marked and correct") << 12 << "B" << true << true << "12  B" << IconMarked << IconComplete;
    QTest::newRow("all six, letters in order")
        << 113 << "ABCDEF" << false << true << "113  ABCDEF" << IconComplete << IconComplete;
    QTest::newRow("f only") << 2 << "F" << false << false << "2  F" << IconComplete << IconIncorrect;
}

void TestItemList::rows()
{
    QFETCH(int, position);
    QFETCH(QString, chosen);
    QFETCH(bool, marked);
    QFETCH(bool, correct);
    QFETCH(QString, caption);
    QFETCH(ItemIcon, examIcon);
    QFETCH(ItemIcon, gradedIcon);

    const AnswerRecord record = recordOf(chosen, marked, correct);
    QCOMPARE(itemCaption(position, record), caption);
    QCOMPARE(examItemIcon(record), examIcon);
    QCOMPARE(gradedItemIcon(record), gradedIcon);
}

QTEST_APPLESS_MAIN(TestItemList)
#include "tst_itemlist.moc"
