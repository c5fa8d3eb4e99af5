#include "BankCompiler.h"
#include "fixtures/Fixtures.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A sound question; overrides replace its keys, and a null override removes one.
QJsonObject question(int id, const QJsonObject& overrides = {})
{
    QJsonObject q{{"id", id},
                  {"exam", 1},
                  {"section", 2},
                  {"multiple", false},
                  {"question", QString("Question %1?").arg(id)},
                  {"answers", QJsonArray{"one", "two", "three"}},
                  {"correct", QJsonArray{"b"}},
                  {"explanation", "Because."}};
    for (auto it = overrides.begin(); it != overrides.end(); ++it) {
        if (it.value().isNull())
            q.remove(it.key());
        else
            q.insert(it.key(), it.value());
    }
    return q;
}

QJsonObject parse(const char* json)
{
    return QJsonDocument::fromJson(json).object();
}

QString bank(const QJsonArray& questions)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"questions", questions}}).toJson());
}

// Three questions, the one at position `at` carrying the overrides.
QString bankWith(int at, const char* overrides)
{
    QJsonArray qs;
    for (int id = 1; id <= 3; ++id)
        qs.append(question(id, id == at ? parse(overrides) : QJsonObject()));
    return bank(qs);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList folderListing(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A source file and a picture folder holding good.png (a picture) and bad.png (text), beside a
// program folder that already has a bank.
class Workspace {
public:
    Workspace()
    {
        QDir(dir_.path()).mkdir("pictures");
        QImage picture(4, 3, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(pictures() + "/good.png", "PNG");
        writeFile(pictures() + "/bad.png", "this is not a picture");
    }
    QString source() const { return dir_.filePath("bank.json"); }
    QString pictures() const { return dir_.filePath("pictures"); }
    void writeSource(const QString& text) const { writeFile(source(), text.toUtf8()); }

private:
    QTemporaryDir dir_;
};

QString describeAll(const std::vector<CompileProblem>& problems)
{
    QStringList lines;
    for (const CompileProblem& p : problems)
        lines << describeProblem("bank.json", p);
    return lines.join('\n');
}

} // namespace

class TestBankCompiler : public QObject {
    Q_OBJECT

private slots:
    void refusedSources_data();
    void refusedSources();
    void everyProblemIsReported();
    void failedWriteLeavesNoTrace();
    void compiledBankReadsBack();
    void commandLine_data();
    void commandLine();
    void realBankCompiles();
};

void TestBankCompiler::refusedSources_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("questionId");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("word");

    // The file as a whole
    QTest::newRow("not JSON") << "{\n  \"questions\": [\n    {\"id\": 1,, }\n  ]\n}" << 0 << ""
                              << "line 3";
    QTest::newRow("not an object") << "[]" << 0 << ""
                                   << "object";
    QTest::newRow("no question list") << "{}" << 0 << "questions"
                                      << "missing";
    QTest::newRow("question list not a list") << "{\"questions\": 5}" << 0 << "questions"
                                              << "list";
    QTest::newRow("empty bank") << "{\"questions\": []}" << 0 << "questions"
                                << "no questions";
    QTest::newRow("unknown bank key")
        << QString::fromUtf8(
               QJsonDocument(QJsonObject{{"questions", QJsonArray{question(1)}}, {"title", "x"}}).toJson())
        << 0 << "title"
        << "not a field";
    QTest::newRow("entry not an object") << bank({question(1), 5}) << 2 << ""
                                         << "object";

    // Ids: the record numbers the program uses are the ids, so they must run 1..n
    QTest::newRow("id missing") << bankWith(2, R"({"id": null})") << 2 << "id"
                                << "missing";
    QTest::newRow("id as text") << bankWith(2, R"({"id": "2"})") << 2 << "id"
                                << "whole number";
    QTest::newRow("id zero") << bankWith(1, R"({"id": 0})") << 1 << "id"
                             << "from 1";
    QTest::newRow("id gap") << bank({question(1), question(3)}) << 3 << "id"
                            << "must be 2";
    QTest::newRow("not starting at 1") << bank({question(2)}) << 2 << "id"
                                       << "must be 1";
    QTest::newRow("id repeated") << bank({question(1), question(2), question(1)}) << 1 << "id"
                                 << "repeats";

    // Plain fields
    QTest::newRow("exam too high") << bankWith(2, R"({"exam": 8})") << 2 << "exam"
                                   << "0 to 7";
    QTest::newRow("exam negative") << bankWith(2, R"({"exam": -1})") << 2 << "exam"
                                   << "0 to 7";
    QTest::newRow("exam fraction") << bankWith(2, R"({"exam": 1.5})") << 2 << "exam"
                                   << "whole number";
    QTest::newRow("exam missing") << bankWith(2, R"({"exam": null})") << 2 << "exam"
                                  << "missing";
    QTest::newRow("section zero") << bankWith(3, R"({"section": 0})") << 3 << "section"
                                  << "1 to 6";
    QTest::newRow("section too high") << bankWith(3, R"({"section": 7})") << 3 << "section"
                                      << "1 to 6";
    QTest::newRow("multiple as text") << bankWith(1, R"({"multiple": "yes"})") << 1 << "multiple"
                                      << "true or false";
    QTest::newRow("multiple missing") << bankWith(1, R"({"multiple": null})") << 1 << "multiple"
                                      << "missing";
    QTest::newRow("question blank") << bankWith(2, R"({"question": "  "})") << 2 << "question"
                                    << "empty";
    QTest::newRow("question missing") << bankWith(2, R"({"question": null})") << 2 << "question"
                                      << "missing";
    QTest::newRow("explanation missing") << bankWith(2, R"({"explanation": null})") << 2 << "explanation"
                                         << "missing";
    QTest::newRow("explanation a number") << bankWith(2, R"({"explanation": 4})") << 2 << "explanation"
                                          << "text";
    QTest::newRow("sim a number") << bankWith(2, R"({"sim": 4})") << 2 << "sim"
                                  << "text";
    QTest::newRow("note a list") << bankWith(2, R"({"note": []})") << 2 << "note"
                                 << "text";
    QTest::newRow("typo in a key") << bankWith(2, R"({"explantion": "x"})") << 2 << "explantion"
                                   << "explanation";
    QTest::newRow("unknown key") << bankWith(2, R"({"difficulty": 3})") << 2 << "difficulty"
                                 << "not a field";

    // Answers and keys
    QTest::newRow("one answer") << bankWith(1, R"({"answers": ["only"], "correct": ["a"]})") << 1 << "answers"
                                << "at least 2";
    QTest::newRow("seven answers") << bankWith(1, R"({"answers": ["1","2","3","4","5","6","7"]})") << 1 << "answers"
                                   << "at most 6";
    QTest::newRow("empty answer") << bankWith(1, R"({"answers": ["x", "", "z"], "correct": ["a"]})") << 1 << "answers"
                                  << "b is empty";
    QTest::newRow("answer a number") << bankWith(1, R"({"answers": ["x", 2]})") << 1 << "answers"
                                     << "text";
    QTest::newRow("answers not a list") << bankWith(1, R"({"answers": "x"})") << 1 << "answers"
                                        << "list";
    QTest::newRow("key on an empty answer")
        << bankWith(1, R"({"answers": ["x", " ", "z"], "correct": ["b"]})") << 1 << "correct"
        << "empty answer";
    QTest::newRow("key past the answers") << bankWith(1, R"({"correct": ["d"]})") << 1 << "correct"
                                          << "no answer";
    QTest::newRow("key past a short list")
        << bankWith(1, R"({"answers": ["only"], "correct": ["b"]})") << 1 << "correct"
        << "no answer";
    QTest::newRow("key letter g") << bankWith(1, R"({"correct": ["g"]})") << 1 << "correct"
                                  << "letter";
    QTest::newRow("key upper case") << bankWith(1, R"({"correct": ["B"]})") << 1 << "correct"
                                    << "letter";
    QTest::newRow("key a number") << bankWith(1, R"({"correct": [1]})") << 1 << "correct"
                                  << "letter";
    QTest::newRow("key named twice") << bankWith(1, R"({"multiple": true, "correct": ["a", "a"]})") << 1 << "correct"
                                     << "twice";
    QTest::newRow("keys not a list") << bankWith(1, R"({"correct": "b"})") << 1 << "correct"
                                     << "list";
    QTest::newRow("keys missing") << bankWith(1, R"({"correct": null})") << 1 << "correct"
                                  << "missing";
    QTest::newRow("single with two keys") << bankWith(3, R"({"correct": ["a", "c"]})") << 3 << "correct"
                                          << "exactly one";
    QTest::newRow("single with no key") << bankWith(3, R"({"correct": []})") << 3 << "correct"
                                        << "exactly one";
    QTest::newRow("multiple with no key") << bankWith(3, R"({"multiple": true, "correct": []})") << 3 << "correct"
                                          << "at least one";

    // Exhibits
    QTest::newRow("exhibit missing") << bankWith(2, R"({"exhibit1": "gone.png"})") << 2 << "exhibit1"
                                     << "not found";
    QTest::newRow("exhibit not a picture") << bankWith(2, R"({"exhibit2": "bad.png"})") << 2 << "exhibit2"
                                           << "picture";
    QTest::newRow("exhibit a path") << bankWith(2, R"({"exhibit1": "../pictures/good.png"})") << 2 << "exhibit1"
                                    << "path";
    QTest::newRow("exhibit a folder") << bankWith(2, R"({"exhibit1": "."})") << 2 << "exhibit1"
                                      << "not found";
    QTest::newRow("exhibit a number") << bankWith(2, R"({"exhibit2": 1})") << 2 << "exhibit2"
                                      << "text";
}

void TestBankCompiler::refusedSources()
{
    QFETCH(QString, source);
    QFETCH(int, questionId);
    QFETCH(QString, field);
    QFETCH(QString, word);

    Workspace ws;
    ws.writeSource(source);
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(2));
    const QByteArray before = readFile(folder.file("veldra.DAT"));

    const std::vector<CompileProblem> problems =
        compileBank(ws.source(), ws.pictures(), folder.file("veldra.DAT"), testSession());

    const bool found = std::any_of(problems.begin(), problems.end(), [&](const CompileProblem& p) {
        return p.questionId == questionId && p.field == field && p.message.contains(word);
    });
    QVERIFY2(found, qPrintable("got:\n" + describeAll(problems)));
    QCOMPARE(readFile(folder.file("veldra.DAT")), before);
    QCOMPARE(folderListing(folder.path()), QStringList{"veldra.DAT"});
}

void TestBankCompiler::everyProblemIsReported()
{
    Workspace ws;
    ws.writeSource(
        bank({question(1, parse(R"({"section": 9})")), question(2), question(3, parse(R"({"exam": 8, "sim": 4})"))}));
    QTemporaryDir out;

    const std::vector<CompileProblem> problems =
        compileBank(ws.source(), ws.pictures(), out.filePath("veldra.DAT"), testSession());

    QStringList got;
    for (const CompileProblem& p : problems)
        got << QString("%1 %2").arg(p.questionId).arg(p.field);
    QCOMPARE(got, (QStringList{"1 section", "3 exam", "3 sim"}));
    QCOMPARE(folderListing(out.path()), QStringList{});
}

void TestBankCompiler::failedWriteLeavesNoTrace()
{
    // The output is a folder, so the final replacement fails after the table has been built.
    Workspace ws;
    ws.writeSource(bank({question(1)}));
    QTemporaryDir out;
    QDir(out.path()).mkdir("veldra.DAT");
    writeFile(out.filePath("veldra.DAT/kept.txt"), "kept");

    const std::vector<CompileProblem> problems =
        compileBank(ws.source(), ws.pictures(), out.filePath("veldra.DAT"), testSession());

    QCOMPARE(int(problems.size()), 1);
    QVERIFY2(problems[0].message.contains("veldra.DAT"), qPrintable(problems[0].message));
    QCOMPARE(folderListing(out.path()), QStringList{"veldra.DAT"});
    QCOMPARE(folderListing(out.filePath("veldra.DAT")), QStringList{"kept.txt"});

    const std::vector<CompileProblem> noFolder =
        compileBank(ws.source(), ws.pictures(), out.filePath("absent/veldra.DAT"), testSession());
    QCOMPARE(int(noFolder.size()), 1);
    QVERIFY(noFolder[0].message.contains("does not exist"));
    QCOMPARE(folderListing(out.path()), QStringList{"veldra.DAT"});
}

void TestBankCompiler::compiledBankReadsBack()
{
    Workspace ws;
    ws.writeSource(bank({
        question(1, parse(R"({"exam": 0, "section": 1, "question": "Which is first?",
                              "answers": ["a1", "a2", "a3", "a4"], "correct": ["c"],
                              "exhibit1": "good.png", "explanation": "Third is right."})")),
        question(2, parse(R"({"exam": 7, "section": 6, "multiple": true,
                              "answers": ["b1", "b2", "b3", "b4", "b5", "b6"], "correct": ["f", "a"],
                              "sim": "sim text", "note": "memo text", "exhibit1": ""})")),
        question(3, parse(R"({"answers": ["yes", "no"], "correct": ["b"], "exhibit2": "good.png"})")),
    }));
    // Replaces a bank that was there before, of a different size.
    ProgramFolder folder;
    folder.writeBank(sampleQuestions(5));

    int written = 0;
    const std::vector<CompileProblem> problems =
        compileBank(ws.source(), ws.pictures(), folder.file("veldra.DAT"), testSession(), &written);
    QVERIFY2(problems.empty(), qPrintable(describeAll(problems)));
    QCOMPARE(written, 3);
    QCOMPARE(folderListing(folder.path()), QStringList{"veldra.DAT"});

    Table t;
    t.setSession(&testSession());
    t.setTableName("veldra.DAT");
    t.open();
    QCOMPARE(t.recordCount(), 3);
    auto text = [&](const char* name) { return t.fieldByName(name).asString(); };
    auto integer = [&](const char* name) { return int(t.fieldByName(name).asInteger()); };
    auto keys = [&] {
        QString k;
        for (int n = 1; n <= 6; ++n)
            if (t.fieldByName(QString("A%1").arg(n)).asBoolean())
                k += QChar('A' + n - 1);
        return k;
    };
    auto answers = [&] {
        QStringList a;
        for (int n = 1; n <= 6; ++n)
            a << t.fieldByName(QString("Q%1").arg(n)).asString();
        return a;
    };
    for (t.first(); !t.eof(); t.next())
        QCOMPARE(t.recNo(), integer("Q_ID"));

    t.setRecNo(1);
    QCOMPARE(integer("Q_EXAM_N"), 0);
    QCOMPARE(integer("Q_SECT"), 1);
    QCOMPARE(t.fieldByName("Q_TYPE").asBoolean(), false);
    QCOMPARE(text("Q_TEXT"), QString("Which is first?"));
    QCOMPARE(text("Q_EXPL"), QString("Third is right."));
    QCOMPARE(answers(), (QStringList{"a1", "a2", "a3", "a4", "", ""}));
    QCOMPARE(keys(), QString("C"));
    QCOMPARE(text("PICT1"), QString("good.png"));
    QCOMPARE(text("PICT2"), QString());
    QCOMPARE(text("Q_SIM"), QString());
    QCOMPARE(text("U_MEMO"), QString());

    t.setRecNo(2);
    QCOMPARE(integer("Q_EXAM_N"), 7);
    QCOMPARE(integer("Q_SECT"), 6);
    QCOMPARE(t.fieldByName("Q_TYPE").asBoolean(), true);
    QCOMPARE(answers(), (QStringList{"b1", "b2", "b3", "b4", "b5", "b6"}));
    QCOMPARE(keys(), QString("AF"));
    QCOMPARE(text("PICT1"), QString());
    QCOMPARE(text("Q_SIM"), QString("sim text"));
    QCOMPARE(text("U_MEMO"), QString("memo text"));

    t.setRecNo(3);
    QCOMPARE(answers(), (QStringList{"yes", "no", "", "", "", ""}));
    QCOMPARE(keys(), QString("B"));
    QCOMPARE(text("PICT1"), QString());
    QCOMPARE(text("PICT2"), QString("good.png"));
}

void TestBankCompiler::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected"); // within the first line of stderr, or of stdout on success

    QTest::newRow("no arguments") << QStringList{} << QString() << 2 << "usage: bankc";
    QTest::newRow("too many") << QStringList{"a", "b", "c", "d"} << QString() << 2 << "usage: bankc";
    QTest::newRow("bad section") << QStringList{} << bankWith(1, R"({"section": 9})") << 1
                                 << "bank.json: question 1, field section: must be 1 to 6";
    QTest::newRow("not JSON") << QStringList{} << "{" << 1 << "bank.json: line 1, column 2: not valid JSON";
    QTest::newRow("good") << QStringList{} << bankWith(0, "{}") << 0 << "3 questions written";
}

void TestBankCompiler::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, source);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);

    Workspace ws;
    QTemporaryDir out;
    if (!source.isEmpty()) {
        ws.writeSource(source);
        args = QStringList{ws.source(), ws.pictures(), out.filePath("veldra.DAT")};
    }
    QProcess bankc;
    bankc.start(VELDRA_BIN_DIR "/bankc", args);
    QVERIFY(bankc.waitForFinished(-1));
    QCOMPARE(bankc.exitStatus(), QProcess::NormalExit);
    QCOMPARE(bankc.exitCode(), exitCode);
    const QString printed =
        QString::fromUtf8(exitCode == 0 ? bankc.readAllStandardOutput() : bankc.readAllStandardError());
    QVERIFY2(printed.split('\n').first().contains(expected), qPrintable(printed));

    // What bankc writes opens under the session the program itself uses.
    QCOMPARE(QFileInfo::exists(out.filePath("veldra.DAT")), exitCode == 0);
    if (exitCode == 0) {
        Table t;
        t.setSession(&testSession());
        t.setTableName(out.filePath("veldra.DAT"));
        t.open();
        QCOMPARE(t.recordCount(), 3);
    }
}

void TestBankCompiler::realBankCompiles()
{
    const QString programDir = VELDRA_BIN_DIR;
    if (!QFileInfo::exists(programDir + "/logo.png"))
        QSKIP("the program folder has no pictures yet");
    const QString source = VELDRA_SOURCE_DIR "/data/bank.json";
    QTemporaryDir out;

    int written = 0;
    const std::vector<CompileProblem> problems =
        compileBank(source, programDir, out.filePath("veldra.DAT"), testSession(), &written);
    QVERIFY2(problems.empty(), qPrintable(describeAll(problems)));
    const int inSource = QJsonDocument::fromJson(readFile(source)).object().value("questions").toArray().size();
    QVERIFY(inSource > 0);
    QCOMPARE(written, inSource);
}

QTEST_MAIN(TestBankCompiler)
#include "tst_bankcompiler.moc"
