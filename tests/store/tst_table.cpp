#include "fixtures/Fixtures.h"
#include "store/DataSource.h"
#include "store/Error.h"
#include "store/Fields.h"
#include "store/Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <cstdlib>

namespace {

std::unique_ptr<Table> openTable(const QString& file)
{
    auto t = std::make_unique<Table>();
    t->setSession(&testSession());
    t->setTableName(file);
    t->open();
    return t;
}

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const VeldraError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestTable : public QObject {
    Q_OBJECT

private slots:
    void recordNumbersIgnoreTheFilter_data();
    void recordNumbersIgnoreTheFilter();
    void fieldsAreFoundWithoutRegardToCase();
    void nullsReadAsZeroEmptyOrFalse();
    void newUserRecordsGetUniqueIds();
    void editStates();
    void movingWhileEditingPostsOnlyChanges();
    void currentSetKeepsAppendOrder();
    void emptyTable();
    void refusedFilters_data();
    void refusedFilters();
    void keyLookUpSeesOnlyFilteredRecords();
    void badFiles_data();
    void badFiles();
    void missingWorkTablesAreCreated();
    void rolledBackTransactionLeavesNothing();
    void dataSourceIsTold();
    void postedRecordSurvivesAKill();
    void exclusiveUseHoldsAgainstAnotherProcess_data();
    void exclusiveUseHoldsAgainstAnotherProcess();
};

void TestTable::recordNumbersIgnoreTheFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<int>>("ids");
    // sampleQuestions(20) puts question i in exam (i-1)%7+1.
    QTest::newRow("exam B") << "Q_EXAM_N=2" << QList<int>{2, 9, 16};
    QTest::newRow("exam G") << "Q_EXAM_N=7" << QList<int>{7, 14};
    QTest::newRow("not exam A") << "q_exam_n <> 1"
                                << QList<int>{2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20};
    QTest::newRow("no exam 0") << "Q_EXAM_N=0" << QList<int>{};
}

void TestTable::recordNumbersIgnoreTheFilter()
{
    QFETCH(QString, filter);
    QFETCH(QList<int>, ids);
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(20));
    auto t = openTable("veldra.DAT");
    t->setFilter(filter);
    t->setFiltered(true);
    QCOMPARE(t->recordCount(), ids.size());
    QCOMPARE(t->isEmpty(), ids.isEmpty());
    QList<int> seen;
    for (t->first(); !t->eof(); t->next()) {
        QCOMPARE(t->recNo(), int(t->fieldByName("Q_ID").asInteger()));
        seen << t->recNo();
    }
    QCOMPARE(seen, ids);
    t->setFiltered(false);
    QCOMPARE(t->recordCount(), 20);
}

void TestTable::fieldsAreFoundWithoutRegardToCase()
{
    ProgramFolder folder;
    auto qs = sampleQuestions(1);
    qs[0].text = "What is DNS?";
    folder.writeBank(qs);
    auto t = openTable("veldra.DAT");
    QCOMPARE(t->fieldByName("Q_Text").asString(), QString("What is DNS?"));
    QCOMPARE(t->fieldByName("q_text").fieldName(), QString("Q_TEXT"));
    QVERIFY(errorOf([&] { t->fieldByName("Q_NOPE"); }).contains("Q_NOPE"));
}

void TestTable::nullsReadAsZeroEmptyOrFalse()
{
    ProgramFolder folder;
    auto t = openTable("ces.DAT");
    t->append();
    t->fieldByName("Q_TEXT").setAsString("only this");
    t->post();
    QVERIFY(t->fieldByName("Q_TYPE").isNull());
    QCOMPARE(t->fieldByName("Q_TYPE").asBoolean(), false);
    QCOMPARE(t->fieldByName("Q_SECT").asInteger(), 0);
    QCOMPARE(t->fieldByName("PICT1").asString(), QString());
}

void TestTable::newUserRecordsGetUniqueIds()
{
    ProgramFolder folder;
    auto t = openTable("veldrusr.DAT");
    for (int i = 0; i < 3; ++i) {
        t->append();
        t->fieldByName("Q_TEXT").setAsString(QString("q%1").arg(i));
        t->post();
        QCOMPARE(t->fieldByName("Q_ID").asInteger(), i + 1);
    }
    t->setRecNo(2);
    t->deleteRecord();
    QCOMPARE(t->recordCount(), 2);
    t->append();
    t->fieldByName("Q_TEXT").setAsString("new");
    t->post();
    QList<qint64> ids;
    for (t->first(); !t->eof(); t->next())
        ids << t->fieldByName("Q_ID").asInteger();
    QCOMPARE(ids.size(), 3);
    QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 3);
    QVERIFY(!ids.contains(0));
}

void TestTable::editStates()
{
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(2));
    auto t = openTable("veldra.DAT");
    QCOMPARE(t->state(), TableState::Browse);
    QVERIFY(!errorOf([&] { t->fieldByName("U_MEMO").setAsString("x"); }).isEmpty());
    t->edit();
    QCOMPARE(t->state(), TableState::Edit);
    t->fieldByName("U_MEMO").setAsString("draft");
    t->cancel();
    QCOMPARE(t->state(), TableState::Browse);
    QCOMPARE(t->fieldByName("U_MEMO").asString(), QString());
    t->edit();
    t->fieldByName("U_MEMO").setAsString("kept");
    t->post();
    QCOMPARE(t->state(), TableState::Browse);
    t->close();
    QCOMPARE(t->state(), TableState::Inactive);
    t->open();
    QCOMPARE(t->fieldByName("U_MEMO").asString(), QString("kept"));
}

void TestTable::movingWhileEditingPostsOnlyChanges()
{
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(3));
    auto t = openTable("veldra.DAT");
    t->edit();
    t->fieldByName("U_MEMO").setAsString("note on 1");
    t->next();
    QCOMPARE(t->state(), TableState::Browse);
    QCOMPARE(t->recNo(), 2);
    t->edit();
    t->next(); // nothing changed: dropped
    QCOMPARE(t->state(), TableState::Browse);
    t->append(); // an untouched new record is dropped too
    t->first();
    QCOMPARE(t->recordCount(), 3);
    QCOMPARE(t->fieldByName("U_MEMO").asString(), QString("note on 1"));
}

void TestTable::currentSetKeepsAppendOrder()
{
    ProgramFolder folder;
    auto t = openTable("ces.DAT");
    const QList<int> origins{42, 7, 19, 3};
    for (int o : origins) {
        t->append();
        t->fieldByName("Q_OR_NUMBER").setAsInteger(o);
        t->post();
    }
    QList<int> seen;
    for (t->first(); !t->eof(); t->next())
        seen << int(t->fieldByName("Q_OR_NUMBER").asInteger()) << t->recNo();
    QCOMPARE(seen, (QList<int>{42, 1, 7, 2, 19, 3, 3, 4}));
    t->setRecNo(3);
    QCOMPARE(t->fieldByName("Q_OR_NUMBER").asInteger(), 19);
    t->prior();
    QCOMPARE(t->recNo(), 2);
    t->first();
    t->prior();
    QVERIFY(t->bof());
    QCOMPARE(t->recNo(), 1);
}

void TestTable::emptyTable()
{
    ProgramFolder folder;
    {
        auto t = openTable("ces.DAT");
        for (int i = 0; i < 5; ++i) {
            t->append();
            t->fieldByName("Q_SECT").setAsInteger(1);
            t->post();
        }
    }
    Table t;
    t.setSession(&testSession());
    t.setTableName("ces.DAT");
    QVERIFY(errorOf([&] { t.emptyTable(); }).contains("exclusive"));
    t.setExclusive(true);
    t.emptyTable();
    t.open();
    QVERIFY(t.isEmpty());
    QVERIFY(t.eof());
    QVERIFY(errorOf([&] { t.setExclusive(false); }).contains("open"));
    t.append();
    t.fieldByName("Q_SECT").setAsInteger(2);
    t.post();
    QCOMPARE(t.recNo(), 1); // numbering starts again
    t.emptyTable();
    QCOMPARE(t.recordCount(), 0);
}

void TestTable::refusedFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("other operator") << "Q_EXAM_N>2";
    QTest::newRow("not a number") << "Q_EXAM_N=abc";
    QTest::newRow("two conditions") << "Q_EXAM_N=1 OR 1=1";
    QTest::newRow("statement") << "Q_EXAM_N=1; DROP TABLE veldra";
    QTest::newRow("quoted") << "Q_EXAM_N='1'";
    QTest::newRow("unknown field") << "Q_NOPE=1";
}

void TestTable::refusedFilters()
{
    QFETCH(QString, filter);
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(4));
    auto t = openTable("veldra.DAT");
    const QString message = errorOf([&] {
        t->setFilter(filter);
        t->setFiltered(true);
    });
    QVERIFY2(message.contains(filter), qPrintable(message));
    t->setFilter("");
    t->setFiltered(false);
    QCOMPARE(t->recordCount(), 4); // nothing was run against the table
}

void TestTable::keyLookUpSeesOnlyFilteredRecords()
{
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(10));
    auto t = openTable("veldra.DAT");
    QVERIFY(t->findKey(9));
    QCOMPARE(t->recNo(), 9);
    t->setFilter("Q_EXAM_N=2");
    t->setFiltered(true);
    QVERIFY(t->findKey(2));
    QVERIFY(!t->findKey(3));
    QVERIFY(!t->findKey(11));
}

void TestTable::badFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QByteArray() << "was not found";
    QTest::newRow("text file") << QByteArray("these are not the tables you are looking for\n") << "damaged";
    QTest::newRow("empty file") << QByteArray("") << "not a table file";
    QTest::newRow("truncated") << QByteArray("truncate") << "damaged";
    QTest::newRow("other password") << QByteArray("password") << "another table password";
}

void TestTable::badFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    ProgramFolder folder;
    const QString file = folder.file("veldra.DAT");
    if (content == "truncate" || content == "password") {
        if (content == "password") {
            Session other("Tessarin");
            other.addPassword("Wrongpasswd0000");
            createTableFile(file, other);
        } else {
            folder.writeBank(sampleQuestions(400));
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.resize(f.size() / 3);
        }
    } else if (!content.isNull() || QTest::currentDataTag() == QByteArray("empty file")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const auto contents = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? std::optional<QByteArray>(f.readAll()) : std::nullopt;
    };
    const std::optional<QByteArray> before = contents();
    Table t;
    t.setSession(&testSession());
    t.setTableName("veldra.DAT");
    const QString message = errorOf([&] {
        t.open();
        for (t.first(); !t.eof(); t.next())
            t.fieldByName("Q_TEXT").asString();
    });
    QVERIFY2(message.contains("veldra.DAT") && message.contains(expected), qPrintable(message));
    QVERIFY(!t.active());
    QCOMPARE(contents(), before); // nothing written, nothing made
}

void TestTable::missingWorkTablesAreCreated()
{
    ProgramFolder folder;
    for (const TableDef* def : {&currentSetTableDef(), &userSetTableDef()}) {
        auto t = openTable(def->fileName);
        QVERIFY(t->isEmpty());
        for (const FieldDef& f : def->fields)
            QVERIFY(t->findField(f.name));
    }
    QVERIFY(!QFile::exists(folder.file("veldra.DAT")));
}

void TestTable::rolledBackTransactionLeavesNothing()
{
    ProgramFolder folder;
    auto t = openTable("ces.DAT");
    {
        Transaction tx(*t);
        for (int i = 0; i < 10; ++i) {
            t->append();
            t->fieldByName("Q_SECT").setAsInteger(i);
            t->post();
        }
        QCOMPARE(t->recordCount(), 10);
    }
    QCOMPARE(t->recordCount(), 0);
    {
        Transaction tx(*t);
        t->append();
        t->fieldByName("Q_SECT").setAsInteger(1);
        t->post();
        tx.commit();
    }
    t->close();
    t->open();
    QCOMPARE(t->recordCount(), 1);
}

void TestTable::dataSourceIsTold()
{
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(3));
    Table t;
    t.setSession(&testSession());
    t.setTableName("veldra.DAT");
    DataSource ds;
    ds.setDataSet(&t);
    QSignalSpy data(&ds, &DataSource::dataChange);
    QSignalSpy state(&ds, &DataSource::stateChange);
    t.open();
    QVERIFY(!data.isEmpty());
    QCOMPARE(state.size(), 1);
    data.clear();
    t.next();
    QCOMPARE(data.size(), 1);
    QCOMPARE(data.takeFirst().at(0).toString(), QString());
    t.edit();
    QCOMPARE(state.size(), 2);
    t.fieldByName("U_MEMO").setAsString("n");
    QCOMPARE(data.takeFirst().at(0).toString(), QString("U_MEMO"));
    t.post();
    QCOMPARE(state.size(), 3);
    data.clear();
    t.close();
    QCOMPARE(data.size(), 1);
    QCOMPARE(state.size(), 4);
}

// The helper half of the two-process tests runs in a child copy of this executable.
static int childMain(const QStringList& args)
{
    Table t;
    t.setSession(&testSession());
    t.setTableName(args[2]);
    if (args[1] == "--post-then-die") {
        t.open();
        t.append();
        t.fieldByName("Q_OR_NUMBER").setAsInteger(77);
        t.post();
        std::abort();
    }
    t.setExclusive(true);
    t.open();
    fputs("locked\n", stdout);
    fflush(stdout);
    QThread::msleep(args[3].toInt());
    return 0;
}

void TestTable::postedRecordSurvivesAKill()
{
    ProgramFolder folder;
    QProcess child;
    child.setWorkingDirectory(folder.path());
    child.start(QCoreApplication::applicationFilePath(), {"--post-then-die", folder.file("ces.DAT")});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    auto t = openTable("ces.DAT");
    QCOMPARE(t->recordCount(), 1);
    QCOMPARE(t->fieldByName("Q_OR_NUMBER").asInteger(), 77);
}

void TestTable::exclusiveUseHoldsAgainstAnotherProcess_data()
{
    QTest::addColumn<int>("holdMs");
    QTest::addColumn<bool>("opens");
    // Released well inside the 15 x 100 ms retries, the open goes through; held past them, it fails.
    QTest::newRow("released soon") << 300 << true;
    QTest::newRow("held") << 6000 << false;
}

void TestTable::exclusiveUseHoldsAgainstAnotherProcess()
{
    QFETCH(int, holdMs);
    QFETCH(bool, opens);
    ProgramFolder folder;
    openTable("ces.DAT")->close();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {"--hold-exclusive", folder.file("ces.DAT"), QString::number(holdMs)});
    QVERIFY(child.waitForReadyRead(10000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("locked"));
    Table t;
    t.setSession(&testSession());
    t.setTableName("ces.DAT");
    const QString message = errorOf([&] { t.open(); });
    if (opens)
        QVERIFY2(message.isEmpty(), qPrintable(message));
    else
        QVERIFY2(message.contains("ces.DAT") && message.contains("another program"), qPrintable(message));
    child.kill();
    child.waitForFinished();
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args[1].startsWith("--") && args[1] != "--" && !args[1].startsWith("-platform"))
        if (args[1] == "--post-then-die" || args[1] == "--hold-exclusive")
            return childMain(args);
    TestTable test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_table.moc"
