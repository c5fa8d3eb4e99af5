#include "store/Table.h"

#include "store/Error.h"
#include "store/Fields.h"
#include "store/Session.h"
#include "store/Sqlite.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>

namespace {

// A lock another program holds is tried again this often, this far apart, before we give up.
constexpr int LockRetryCount = 15;
constexpr int LockWaitMs = 100;

int retryBusy(void*, int tries)
{
    if (tries >= LockRetryCount)
        return 0;
    QThread::msleep(LockWaitMs);
    return 1;
}

QString sqlType(FieldType type)
{
    return type == FieldType::Text ? "TEXT" : "INTEGER";
}

QString quoteIdentifier(const QString& name)
{
    return '"' + QString(name).replace('"', "\"\"") + '"';
}

} // namespace

void createTableFile(const QString& fileName, const Session& session)
{
    const std::optional<TableDef> def = tableDefForFile(fileName);
    if (!def)
        throw VeldraError(QString("\"%1\" is not one of the program's table files.").arg(fileName));
    if (QFileInfo::exists(fileName))
        throw VeldraError(QString("The table file \"%1\" exists already.").arg(fileName));
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(fileName).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throwSqliteError(nullptr, rc, fileName);
    }
    QStringList columns;
    for (const FieldDef& f : def->fields)
        columns << quoteIdentifier(f.name) + ' ' + sqlType(f.type) +
                       (def->hasKey && f.name == "Q_ID" ? " PRIMARY KEY" : "");
    // Schema and stamp in one transaction: a file either has both or is not made at all.
    const QByteArray sql = QString("BEGIN; CREATE TABLE %1 (%2); PRAGMA application_id=%3; COMMIT;")
                               .arg(quoteIdentifier(def->tableName), columns.join(", "))
                               .arg(session.passwordStamp())
                               .toUtf8();
    rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        QFile::remove(fileName);
        throwSqliteError(nullptr, rc, fileName);
    }
}

// ---- Field

QString Field::fieldName() const
{
    return table_->columns_[column_];
}

bool Field::isNull() const
{
    return table_->value(column_).isNull();
}

qint64 Field::asInteger() const
{
    const QVariant v = table_->value(column_);
    return v.isNull() ? 0 : v.toLongLong();
}

QString Field::asString() const
{
    const QVariant v = table_->value(column_);
    return v.isNull() ? QString() : v.toString();
}

bool Field::asBoolean() const
{
    const QVariant v = table_->value(column_);
    return !v.isNull() && v.toLongLong() != 0;
}

void Field::setAsInteger(qint64 value) const
{
    table_->setValue(column_, QVariant(value));
}

void Field::setAsString(const QString& value) const
{
    table_->setValue(column_, QVariant(value));
}

void Field::setAsBoolean(bool value) const
{
    table_->setValue(column_, QVariant(qint64(value ? 1 : 0)));
}

// ---- Table: set-up and life

Table::Table(QObject* parent) : QObject(parent) {}

Table::~Table()
{
    if (db_) {
        statements_ = Statements();
        sqlite3_close(db_);
    }
}

void Table::setTableName(const QString& fileName)
{
    requireClosed("change its file");
    fileName_ = fileName;
    sqlTable_ = tableNameForFile(fileName);
}

void Table::setExclusive(bool exclusive)
{
    requireClosed("change its exclusive use");
    exclusive_ = exclusive;
}

void Table::requireActive() const
{
    if (!db_)
        throw VeldraError(QString("The table \"%1\" is not open.").arg(fileName_));
}

void Table::requireClosed(const char* what) const
{
    if (db_)
        throw VeldraError(QString("The table \"%1\" is open: close it to %2.").arg(fileName_, what));
}

void Table::exec(const QString& sql)
{
    SqliteStatement(db_, sql, fileName_).run();
}

QString Table::quoted(int column) const
{
    return quoteIdentifier(columns_[column]);
}

void Table::open()
{
    if (db_)
        return;
    if (!session_ || !session_->active())
        throw VeldraError(QString("The table \"%1\" has no active session to open it through.").arg(fileName_));
    if (!session_->hasPassword())
        throw VeldraError(QString("No table password was given for \"%1\".").arg(fileName_));
    try {
        openDatabase();
        checkStamp();
        readColumns();
        loadKeys();
        buildVisible();
    } catch (...) {
        statements_ = Statements();
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
    setState(TableState::Browse);
    moveTo(0);
}

void Table::openDatabase()
{
    const std::optional<TableDef> def = tableDefForFile(fileName_);
    const bool creatable = def && def->fileName != bankTableDef().fileName;
    const bool exists = QFileInfo::exists(fileName_);
    if (!exists && !creatable)
        throw VeldraError(
            QString("The table file \"%1\" was not found in the folder \"%2\".").arg(fileName_, QDir::currentPath()));

    if (!exists)
        createTableFile(fileName_, *session_);
    const int rc = sqlite3_open_v2(QFile::encodeName(fileName_).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(db_, rc, fileName_);
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_handler(db_, retryBusy, nullptr);

    if (exclusive_) {
        // Held from the first write until the file is closed, so no other program gets in meanwhile.
        exec("PRAGMA locking_mode=EXCLUSIVE");
        exec("BEGIN EXCLUSIVE");
        exec("COMMIT");
    }
}

void Table::checkStamp()
{
    SqliteStatement stamp(db_, "PRAGMA application_id", fileName_);
    stamp.step();
    const qint64 found = stamp.columnInt(0);
    if (found == 0)
        throw VeldraError(QString("The file \"%1\" is not a table file of this program.").arg(fileName_));
    if (found != session_->passwordStamp())
        throw VeldraError(QString("The table file \"%1\" was made under another table password and cannot be "
                                  "opened.")
                              .arg(fileName_));
}

void Table::readColumns()
{
    columns_.clear();
    keyColumn_ = -1;
    SqliteStatement info(db_, QString("PRAGMA table_info(%1)").arg(quoteIdentifier(sqlTable_)), fileName_);
    while (info.step()) {
        columns_.push_back(info.column(1).toString());
        if (info.columnInt(5) == 1)
            keyColumn_ = int(columns_.size()) - 1;
    }
    if (columns_.empty())
        throw VeldraError(QString("The table file \"%1\" holds no table \"%2\".").arg(fileName_, sqlTable_));
    if (const std::optional<TableDef> def = tableDefForFile(fileName_))
        for (const FieldDef& f : def->fields)
            if (!findField(f.name))
                throw VeldraError(QString("The table file \"%1\" has no field %2.").arg(fileName_, f.name));

    const QString table = quoteIdentifier(sqlTable_);
    QStringList names, marks, sets, namesWithoutKey, marksWithoutKey;
    for (int c = 0; c < int(columns_.size()); ++c) {
        names << quoted(c);
        marks << "?";
        sets << quoted(c) + "=?";
        if (c != keyColumn_) {
            namesWithoutKey << quoted(c);
            marksWithoutKey << "?";
        }
    }
    const auto prepare = [this](const QString& sql) { return std::make_unique<SqliteStatement>(db_, sql, fileName_); };
    statements_.readRow = prepare(QString("SELECT %1 FROM %2 WHERE rowid=?").arg(names.join(", "), table));
    statements_.insertAll =
        prepare(QString("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(", "), marks.join(", ")));
    statements_.insertWithoutKey =
        namesWithoutKey.isEmpty() ? prepare(QString("INSERT INTO %1 DEFAULT VALUES").arg(table))
                                  : prepare(QString("INSERT INTO %1 (%2) VALUES (%3)")
                                                .arg(table, namesWithoutKey.join(", "), marksWithoutKey.join(", ")));
    statements_.update = prepare(QString("UPDATE %1 SET %2 WHERE rowid=?").arg(table, sets.join(", ")));
}

void Table::loadKeys()
{
    all_.clear();
    SqliteStatement keys(db_, QString("SELECT rowid FROM %1 ORDER BY rowid").arg(quoteIdentifier(sqlTable_)),
                         fileName_);
    while (keys.step())
        all_.push_back(keys.columnInt(0));
    loadedRowid_ = 0;
}

void Table::close()
{
    if (!db_)
        return;
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        leaveEditing();
    if (inTransaction_)
        commit();
    statements_ = Statements();
    sqlite3_close(db_);
    db_ = nullptr;
    all_.clear();
    visible_.clear();
    cur_ = -1;
    eof_ = bof_ = true;
    loadedRowid_ = 0;
    setState(TableState::Inactive);
    emit dataChanged(QString());
}

void Table::emptyTable()
{
    if (!db_) {
        if (!exclusive_)
            throw VeldraError(QString("The table \"%1\" must be set to exclusive use to be emptied.").arg(fileName_));
        open();
        try {
            exec(QString("DELETE FROM %1").arg(quoteIdentifier(sqlTable_)));
        } catch (...) {
            close();
            throw;
        }
        close();
        return;
    }
    if (state_ != TableState::Browse)
        cancel();
    exec(QString("DELETE FROM %1").arg(quoteIdentifier(sqlTable_)));
    all_.clear();
    visible_.clear();
    loadedRowid_ = 0;
    moveTo(0);
}

// ---- Filtering

void Table::setFilter(const QString& text)
{
    // An empty text means no filter; anything else must be of the one form understood.
    std::optional<Filter> parsed;
    if (!text.trimmed().isEmpty())
        parsed = parseFilter(text);
    filterText_ = text;
    activeFilter_ = parsed;
    filterColumn_ = -1;
    if (db_) {
        buildVisible();
        if (filtered_)
            moveTo(0);
    }
}

void Table::setFiltered(bool on)
{
    if (filtered_ == on)
        return;
    filtered_ = on;
    if (db_) {
        buildVisible();
        moveTo(0);
    }
}

void Table::buildVisible()
{
    visible_.clear();
    if (!activeFilter_)
        return;
    filterColumn_ = -1;
    for (int c = 0; c < int(columns_.size()); ++c)
        if (columns_[c].compare(activeFilter_->field, Qt::CaseInsensitive) == 0)
            filterColumn_ = c;
    if (filterColumn_ < 0)
        throw VeldraError(QString("The filter \"%1\" names no field of the table \"%2\".").arg(filterText_, fileName_));
    if (!filtered_)
        return;
    // The value is bound, never pasted into the statement; the column is one of the table's own.
    SqliteStatement rows(
        db_,
        QString("SELECT rowid FROM %1 WHERE IFNULL(%2, 0) %3 ? ORDER BY rowid")
            .arg(quoteIdentifier(sqlTable_), quoted(filterColumn_), activeFilter_->notEqual ? "<>" : "="),
        fileName_);
    rows.bind(1, QVariant(activeFilter_->value));
    while (rows.step())
        visible_.push_back(rows.columnInt(0));
}

bool Table::passesFilter(const std::vector<QVariant>& values) const
{
    if (!filtered_ || !activeFilter_)
        return true;
    const QVariant& v = values[filterColumn_];
    return activeFilter_->passes(v.isNull() ? 0 : v.toLongLong());
}

// ---- Navigation

void Table::moveTo(int viewIndex)
{
    const std::vector<qint64>& rows = view();
    if (rows.empty()) {
        cur_ = -1;
        eof_ = bof_ = true;
    } else {
        cur_ = std::clamp(viewIndex, 0, int(rows.size()) - 1);
        eof_ = bof_ = false;
    }
    emit dataChanged(QString());
}

void Table::first()
{
    requireActive();
    leaveEditing();
    moveTo(0);
    bof_ = true;
}

void Table::next()
{
    requireActive();
    leaveEditing();
    if (cur_ + 1 >= int(view().size())) {
        eof_ = true;
        return;
    }
    moveTo(cur_ + 1);
}

void Table::prior()
{
    requireActive();
    leaveEditing();
    if (cur_ <= 0) {
        bof_ = true;
        return;
    }
    moveTo(cur_ - 1);
}

int Table::recNo() const
{
    if (!db_ || cur_ < 0)
        return 0;
    if (state_ == TableState::Insert)
        return 0;
    const qint64 rowid = view()[cur_];
    return int(std::lower_bound(all_.begin(), all_.end(), rowid) - all_.begin()) + 1;
}

void Table::setRecNo(int recNo)
{
    requireActive();
    leaveEditing();
    if (recNo < 1 || recNo > int(all_.size()))
        throw VeldraError(QString("The table \"%1\" has no record number %2.").arg(fileName_).arg(recNo));
    const qint64 rowid = all_[recNo - 1];
    const std::vector<qint64>& rows = view();
    const auto it = std::lower_bound(rows.begin(), rows.end(), rowid);
    if (it == rows.end() || *it != rowid)
        throw VeldraError(
            QString("Record number %1 of the table \"%2\" is hidden by its filter.").arg(recNo).arg(fileName_));
    moveTo(int(it - rows.begin()));
}

int Table::recordCount() const
{
    return db_ ? int(view().size()) : 0;
}

bool Table::findKey(qint64 id)
{
    requireActive();
    leaveEditing();
    const std::vector<qint64>& rows = view();
    const auto it = std::lower_bound(rows.begin(), rows.end(), id);
    if (it == rows.end() || *it != id)
        return false;
    moveTo(int(it - rows.begin()));
    return true;
}

// ---- Field access

std::optional<Field> Table::findField(const QString& name)
{
    for (int c = 0; c < int(columns_.size()); ++c)
        if (columns_[c].compare(name, Qt::CaseInsensitive) == 0)
            return Field(this, c);
    return std::nullopt;
}

Field Table::fieldByName(const QString& name)
{
    requireActive();
    if (std::optional<Field> f = findField(name))
        return *f;
    throw VeldraError(QString("The table \"%1\" has no field %2.").arg(fileName_, name));
}

const std::vector<QVariant>& Table::values() const
{
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        return editBuffer_;
    const qint64 rowid = cur_ >= 0 ? view()[cur_] : 0;
    if (rowid == 0) {
        record_.assign(columns_.size(), QVariant());
        return record_;
    }
    if (rowid != loadedRowid_) {
        statements_.readRow->bind(1, QVariant(rowid));
        record_.assign(columns_.size(), QVariant());
        if (statements_.readRow->step())
            for (int c = 0; c < int(columns_.size()); ++c)
                record_[c] = statements_.readRow->column(c);
        statements_.readRow->reset();
        loadedRowid_ = rowid;
    }
    return record_;
}

QVariant Table::value(int column) const
{
    requireActive();
    return values()[column];
}

void Table::setValue(int column, const QVariant& value)
{
    requireActive();
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        throw VeldraError(QString("The table \"%1\" is not being edited: field %2 cannot be written.")
                              .arg(fileName_, columns_[column]));
    editBuffer_[column] = value;
    modified_ = true;
    emit dataChanged(columns_[column]);
}

// ---- Editing

void Table::setState(TableState state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged();
}

void Table::leaveEditing()
{
    // Moving away posts what was changed and drops a record that was never touched.
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        return;
    if (modified_)
        post();
    else
        cancel();
}

void Table::append()
{
    requireActive();
    leaveEditing();
    editBuffer_.assign(columns_.size(), QVariant());
    modified_ = false;
    setState(TableState::Insert);
    emit dataChanged(QString());
}

void Table::insert()
{
    // With records kept in key order, a new record takes its place by key when posted.
    append();
}

void Table::edit()
{
    requireActive();
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        return;
    if (cur_ < 0)
        throw VeldraError(QString("The table \"%1\" has no record to edit.").arg(fileName_));
    editBuffer_ = values();
    modified_ = false;
    setState(TableState::Edit);
}

void Table::post()
{
    requireActive();
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        return;
    qint64 rowid;
    if (state_ == TableState::Insert) {
        // A new record without a key gets the next free one from SQLite.
        const bool keyGiven = keyColumn_ < 0 || !editBuffer_[keyColumn_].isNull();
        SqliteStatement& ins = keyGiven ? *statements_.insertAll : *statements_.insertWithoutKey;
        int index = 1;
        for (int c = 0; c < int(columns_.size()); ++c)
            if (keyGiven || c != keyColumn_)
                ins.bind(index++, editBuffer_[c]);
        ins.run();
        rowid = sqlite3_last_insert_rowid(db_);
        if (keyColumn_ >= 0)
            editBuffer_[keyColumn_] = QVariant(rowid);
    } else {
        const qint64 oldRowid = view()[cur_];
        SqliteStatement& upd = *statements_.update;
        for (int c = 0; c < int(columns_.size()); ++c)
            upd.bind(c + 1, editBuffer_[c]);
        upd.bind(int(columns_.size()) + 1, QVariant(oldRowid));
        upd.run();
        rowid = keyColumn_ >= 0 ? editBuffer_[keyColumn_].toLongLong() : oldRowid;
        if (rowid != oldRowid) {
            all_.erase(std::lower_bound(all_.begin(), all_.end(), oldRowid));
            if (filtered_ && activeFilter_) {
                const auto it = std::lower_bound(visible_.begin(), visible_.end(), oldRowid);
                if (it != visible_.end() && *it == oldRowid)
                    visible_.erase(it);
            }
        }
    }

    // Keep the key order in memory as SQLite keeps it on disk.
    const auto place = [rowid](std::vector<qint64>& rows) {
        const auto it = std::lower_bound(rows.begin(), rows.end(), rowid);
        if (it == rows.end() || *it != rowid)
            rows.insert(it, rowid);
    };
    place(all_);
    const bool visible = passesFilter(editBuffer_);
    if (filtered_ && activeFilter_) {
        const auto it = std::lower_bound(visible_.begin(), visible_.end(), rowid);
        const bool present = it != visible_.end() && *it == rowid;
        if (visible && !present)
            visible_.insert(it, rowid);
        else if (!visible && present)
            visible_.erase(it);
    }
    loadedRowid_ = 0;
    modified_ = false;
    setState(TableState::Browse);
    const std::vector<qint64>& rows = view();
    const auto at = std::lower_bound(rows.begin(), rows.end(), rowid);
    moveTo(visible ? int(at - rows.begin()) : std::min(cur_, int(rows.size()) - 1));
}

void Table::cancel()
{
    requireActive();
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        return;
    editBuffer_.clear();
    modified_ = false;
    setState(TableState::Browse);
    moveTo(cur_);
}

void Table::deleteRecord()
{
    requireActive();
    if (state_ == TableState::Insert) {
        cancel();
        return;
    }
    if (state_ == TableState::Edit)
        cancel();
    if (cur_ < 0)
        throw VeldraError(QString("The table \"%1\" has no record to delete.").arg(fileName_));
    const qint64 rowid = view()[cur_];
    SqliteStatement del(db_, QString("DELETE FROM %1 WHERE rowid=?").arg(quoteIdentifier(sqlTable_)), fileName_);
    del.bind(1, QVariant(rowid));
    del.run();
    all_.erase(std::lower_bound(all_.begin(), all_.end(), rowid));
    if (filtered_ && activeFilter_)
        visible_.erase(std::lower_bound(visible_.begin(), visible_.end(), rowid));
    loadedRowid_ = 0;
    moveTo(cur_);
}

// ---- Transactions

void Table::startTransaction()
{
    requireActive();
    if (inTransaction_)
        throw VeldraError(QString("The table \"%1\" is already in a transaction.").arg(fileName_));
    exec("BEGIN IMMEDIATE");
    inTransaction_ = true;
}

void Table::commit()
{
    requireActive();
    if (!inTransaction_)
        return;
    leaveEditing();
    exec("COMMIT");
    inTransaction_ = false;
}

void Table::rollback()
{
    requireActive();
    if (!inTransaction_)
        return;
    editBuffer_.clear();
    modified_ = false;
    setState(TableState::Browse);
    exec("ROLLBACK");
    inTransaction_ = false;
    // What the cursor knew of the rolled-back records is gone with them.
    loadKeys();
    buildVisible();
    moveTo(0);
}
