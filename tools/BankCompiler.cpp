#include "BankCompiler.h"

#include "store/Error.h"
#include "store/Fields.h"
#include "store/Session.h"
#include "store/Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr int MaxAnswers = 6;
constexpr int MinAnswers = 2;

const QStringList& questionKeys()
{
    static const QStringList keys{"id",      "exam",        "section",  "multiple", "question", "answers",
                                  "correct", "explanation", "exhibit1", "exhibit2", "sim",      "note"};
    return keys;
}

struct Question {
    int id = 0;
    int exam = 0;
    int section = 0;
    bool multiple = false;
    QString text;
    QStringList answers;
    bool keys[MaxAnswers] = {};
    QString explanation;
    QString pict1;
    QString pict2;
    QString sim;
    QString note;
};

int editDistance(const QString& a, const QString& b)
{
    std::vector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// A typo is what an unknown key usually is, so name the field it was probably meant to be.
QString unknownKeyMessage(const QString& key, const QStringList& known, const QString& what)
{
    QString best;
    int bestDistance = 3;
    for (const QString& k : known) {
        const int d = editDistance(key.toLower(), k);
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    QString message = QString("is not a field of %1").arg(what);
    if (!best.isEmpty())
        message += QString(" (did you mean \"%1\"?)").arg(best);
    return message;
}

std::optional<qint64> wholeNumber(const QJsonValue& v)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (std::floor(d) != d || std::fabs(d) > 1e9)
        return std::nullopt;
    return qint64(d);
}

class Checker {
public:
    Checker(const QString& pictureDir) : pictureDir_(pictureDir) {}

    std::vector<CompileProblem> problems;
    std::vector<Question> questions;

    void add(int id, const QString& field, const QString& message) { problems.push_back({id, field, message}); }

    void checkFile(const QString& jsonPath);

private:
    void checkQuestion(const QJsonValue& value, int position);
    std::optional<int> integer(const QJsonObject& o, const QString& key, int lo, int hi);
    std::optional<bool> boolean(const QJsonObject& o, const QString& key);
    std::optional<QString> text(const QJsonObject& o, const QString& key, bool required);
    void checkAnswers(const QJsonObject& o, Question& q, bool& answersKnown);
    void checkKeys(const QJsonObject& o, Question& q, bool answersKnown, std::optional<bool> multiple);
    QString exhibit(const QJsonObject& o, const QString& key);

    QString pictureDir_;
    int label_ = 0; // the id problems of the current question are reported under
    int lastId_ = 0;
    QSet<int> seenIds_;
};

void Checker::checkFile(const QString& jsonPath)
{
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        add(0, QString(), QString("cannot be read: %1").arg(file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // The parser gives a byte offset; an editor wants a line and column.
        const QByteArray before = bytes.left(error.offset);
        const int line = before.count('\n') + 1;
        const int column = int(before.size() - (before.lastIndexOf('\n') + 1)) + 1;
        add(0, QString(),
            QString("line %1, column %2: not valid JSON: %3").arg(line).arg(column).arg(error.errorString()));
        return;
    }
    if (!doc.isObject()) {
        add(0, QString(), "must hold one object with a \"questions\" list");
        return;
    }
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it)
        if (it.key() != "questions")
            add(0, it.key(), unknownKeyMessage(it.key(), {"questions"}, "the bank"));
    if (!root.contains("questions")) {
        add(0, "questions", "is missing");
        return;
    }
    if (!root.value("questions").isArray()) {
        add(0, "questions", "must be a list of questions");
        return;
    }
    const QJsonArray list = root.value("questions").toArray();
    if (list.isEmpty()) {
        add(0, "questions", "the bank holds no questions");
        return;
    }
    for (int i = 0; i < list.size(); ++i)
        checkQuestion(list[i], i + 1);
}

std::optional<int> Checker::integer(const QJsonObject& o, const QString& key, int lo, int hi)
{
    if (!o.contains(key)) {
        add(label_, key, "is missing");
        return std::nullopt;
    }
    const std::optional<qint64> n = wholeNumber(o.value(key));
    if (!n) {
        add(label_, key, "must be a whole number");
        return std::nullopt;
    }
    if (*n < lo || *n > hi) {
        add(label_, key, QString("must be %1 to %2").arg(lo).arg(hi));
        return std::nullopt;
    }
    return int(*n);
}

std::optional<bool> Checker::boolean(const QJsonObject& o, const QString& key)
{
    if (!o.contains(key)) {
        add(label_, key, "is missing");
        return std::nullopt;
    }
    if (!o.value(key).isBool()) {
        add(label_, key, "must be true or false");
        return std::nullopt;
    }
    return o.value(key).toBool();
}

std::optional<QString> Checker::text(const QJsonObject& o, const QString& key, bool required)
{
    if (!o.contains(key)) {
        if (required)
            add(label_, key, "is missing");
        return required ? std::nullopt : std::optional<QString>(QString());
    }
    if (!o.value(key).isString()) {
        add(label_, key, "must be text");
        return std::nullopt;
    }
    return o.value(key).toString();
}

void Checker::checkAnswers(const QJsonObject& o, Question& q, bool& answersKnown)
{
    answersKnown = false;
    if (!o.contains("answers")) {
        add(label_, "answers", "is missing");
        return;
    }
    if (!o.value("answers").isArray()) {
        add(label_, "answers", "must be a list of answer texts");
        return;
    }
    const QJsonArray list = o.value("answers").toArray();
    answersKnown = true;
    if (list.size() > MaxAnswers)
        add(label_, "answers", QString("must hold at most %1 answers, not %2").arg(MaxAnswers).arg(list.size()));
    else if (list.size() < MinAnswers)
        add(label_, "answers", QString("must hold at least %1 answers, not %2").arg(MinAnswers).arg(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        const QChar letter('a' + i);
        if (!list[i].isString())
            add(label_, "answers", QString("answer %1 must be text").arg(letter));
        else if (list[i].toString().trimmed().isEmpty())
            add(label_, "answers", QString("answer %1 is empty").arg(letter));
        q.answers << list[i].toString();
    }
}

void Checker::checkKeys(const QJsonObject& o, Question& q, bool answersKnown, std::optional<bool> multiple)
{
    if (!o.contains("correct")) {
        add(label_, "correct", "is missing");
        return;
    }
    if (!o.value("correct").isArray()) {
        add(label_, "correct", "must be a list of answer letters");
        return;
    }
    const QJsonArray list = o.value("correct").toArray();
    int count = 0;
    bool lettersOk = true;
    for (const QJsonValue& v : list) {
        const QString s = v.toString();
        if (!v.isString() || s.size() != 1 || s[0] < 'a' || s[0] > QChar('a' + MaxAnswers - 1)) {
            add(label_, "correct",
                QString("%1 is not a letter a to %2")
                    .arg(v.isString() ? '"' + s + '"' : QString("a non-text entry"))
                    .arg(QChar('a' + MaxAnswers - 1)));
            lettersOk = false;
            continue;
        }
        const int n = s[0].unicode() - 'a';
        if (q.keys[n]) {
            add(label_, "correct", QString("names %1 twice").arg(s));
            continue;
        }
        q.keys[n] = true;
        ++count;
        // Without a list of answers there is nothing to hold a key against.
        if (answersKnown && n >= q.answers.size())
            add(label_, "correct", QString("%1 names no answer: there are only %2").arg(s).arg(q.answers.size()));
        else if (n < q.answers.size() && q.answers[n].trimmed().isEmpty())
            add(label_, "correct", QString("%1 names an empty answer").arg(s));
    }
    if (!multiple || !lettersOk)
        return;
    if (!*multiple && count != 1)
        add(label_, "correct",
            QString("a single-response question needs exactly one correct answer, not %1").arg(count));
    else if (*multiple && count == 0)
        add(label_, "correct", "a multiple-response question needs at least one correct answer");
}

QString Checker::exhibit(const QJsonObject& o, const QString& key)
{
    const std::optional<QString> name = text(o, key, false);
    if (!name || name->isEmpty())
        return QString();
    if (name->contains('/') || name->contains('\\')) {
        add(label_, key, QString("\"%1\" must be a file name in the picture folder, not a path").arg(*name));
        return *name;
    }
    const QString path = QDir(pictureDir_).filePath(*name);
    if (!QFileInfo(path).isFile()) {
        add(label_, key, QString("picture \"%1\" was not found in %2").arg(*name, QDir(pictureDir_).absolutePath()));
        return *name;
    }
    QImageReader reader(path);
    if (reader.read().isNull())
        add(label_, key, QString("\"%1\" cannot be read as a picture: %2").arg(*name, reader.errorString()));
    return *name;
}

void Checker::checkQuestion(const QJsonValue& value, int position)
{
    label_ = position;
    if (!value.isObject()) {
        add(position, QString(), "must be an object holding one question");
        return;
    }
    const QJsonObject o = value.toObject();
    Question q;

    // Later problems are reported under the question's own id when it has a usable one.
    if (const std::optional<qint64> id = wholeNumber(o.value("id")); id && *id >= 1)
        label_ = int(*id);
    if (!o.contains("id")) {
        add(label_, "id", "is missing");
    } else if (const std::optional<qint64> id = wholeNumber(o.value("id")); !id || *id < 1) {
        add(label_, "id", "must be a whole number from 1 up");
    } else if (seenIds_.contains(int(*id))) {
        add(label_, "id", "repeats the id of an earlier question");
    } else {
        // Ids run 1, 2, 3, ... so that record numbers and ids agree; one gap is reported once.
        if (*id != lastId_ + 1)
            add(label_, "id", QString("must be %1: ids run 1, 2, 3, ... in order without gaps").arg(lastId_ + 1));
        seenIds_.insert(int(*id));
        lastId_ = int(*id);
        q.id = int(*id);
    }

    for (auto it = o.begin(); it != o.end(); ++it)
        if (!questionKeys().contains(it.key()))
            add(label_, it.key(), unknownKeyMessage(it.key(), questionKeys(), "a question"));

    q.exam = integer(o, "exam", 0, 7).value_or(0);
    q.section = integer(o, "section", 1, SectionCount).value_or(0);
    const std::optional<bool> multiple = boolean(o, "multiple");
    q.multiple = multiple.value_or(false);
    if (const std::optional<QString> t = text(o, "question", true)) {
        if (t->trimmed().isEmpty())
            add(label_, "question", "the question text is empty");
        q.text = *t;
    }
    bool answersKnown = false;
    checkAnswers(o, q, answersKnown);
    checkKeys(o, q, answersKnown, multiple);
    q.explanation = text(o, "explanation", true).value_or(QString());
    q.pict1 = exhibit(o, "exhibit1");
    q.pict2 = exhibit(o, "exhibit2");
    q.sim = text(o, "sim", false).value_or(QString());
    q.note = text(o, "note", false).value_or(QString());
    questions.push_back(q);
}

void writeQuestions(Table& t, const std::vector<Question>& questions)
{
    Transaction tx(t);
    for (const Question& q : questions) {
        t.append();
        t.fieldByName("Q_ID").setAsInteger(q.id);
        t.fieldByName("Q_EXAM_N").setAsInteger(q.exam);
        t.fieldByName("Q_SECT").setAsInteger(q.section);
        t.fieldByName("Q_TYPE").setAsBoolean(q.multiple);
        t.fieldByName("Q_TEXT").setAsString(q.text);
        t.fieldByName("Q_EXPL").setAsString(q.explanation);
        for (int n = 0; n < MaxAnswers; ++n) {
            t.fieldByName(QString("Q%1").arg(n + 1)).setAsString(n < q.answers.size() ? q.answers[n] : QString());
            t.fieldByName(QString("A%1").arg(n + 1)).setAsBoolean(q.keys[n]);
        }
        t.fieldByName("PICT1").setAsString(q.pict1);
        t.fieldByName("PICT2").setAsString(q.pict2);
        t.fieldByName("Q_SIM").setAsString(q.sim);
        t.fieldByName("U_MEMO").setAsString(q.note);
        t.post();
    }
    tx.commit();
}

} // namespace

std::vector<CompileProblem> compileBank(const QString& jsonPath, const QString& pictureDir, const QString& outputPath,
                                        const Session& session, int* questionsWritten)
{
    if (questionsWritten)
        *questionsWritten = 0;
    Checker checker(pictureDir);
    checker.checkFile(jsonPath);
    if (!checker.problems.empty())
        return checker.problems;
    if (!session.hasPassword())
        return {{0, QString(), "no table password was given to stamp the bank with"}};

    const QString target = QFileInfo(outputPath).absoluteFilePath();
    const QDir outDir = QFileInfo(target).absoluteDir();
    if (!outDir.exists())
        return {{0, QString(), QString("the output folder %1 does not exist").arg(outDir.path())}};

    // Built beside the output so that the final rename stays on one file system, and so is atomic.
    QTemporaryDir work(outDir.filePath(".veldra-bank-XXXXXX"));
    if (!work.isValid())
        return {
            {0, QString(), QString("cannot make a working folder in %1: %2").arg(outDir.path(), work.errorString())}};
    const QString built = work.filePath(bankTableDef().fileName);
    Session own(session);
    own.setActive(true);
    try {
        createTableFile(built, own);
        Table t;
        t.setSession(&own);
        t.setTableName(built);
        t.open();
        writeQuestions(t, checker.questions);
        t.close();
    } catch (const VeldraError& e) {
        return {{0, QString(), e.message()}};
    }
    if (std::rename(QFile::encodeName(built).constData(), QFile::encodeName(target).constData()) != 0)
        return {
            {0, QString(), QString("cannot replace %1: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno)))}};
    if (questionsWritten)
        *questionsWritten = int(checker.questions.size());
    return {};
}

QString describeProblem(const QString& sourceName, const CompileProblem& problem)
{
    QStringList where;
    if (problem.questionId > 0)
        where << QString("question %1").arg(problem.questionId);
    if (!problem.field.isEmpty())
        where << QString("field %1").arg(problem.field);
    if (where.isEmpty())
        return QString("%1: %2").arg(sourceName, problem.message);
    return QString("%1: %2: %3").arg(sourceName, where.join(", "), problem.message);
}
