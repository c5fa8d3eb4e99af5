#include "store/Sqlite.h"

#include "store/Error.h"

#include <sqlite3.h>

void throwSqliteError(sqlite3* db, int rc, const QString& fileName)
{
    const int primary = rc & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw VeldraError(QString("The table file \"%1\" is being used by another program. Close that "
                                  "program and try again.")
                              .arg(fileName));
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        throw VeldraError(QString("The table file \"%1\" is damaged or is not a table file.").arg(fileName));
    if (primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM)
        throw VeldraError(QString("The table file \"%1\" cannot be opened for writing: %2.")
                              .arg(fileName, QString::fromUtf8(sqlite3_errstr(rc))));
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    throw VeldraError(QString("The table file \"%1\" failed: %2.").arg(fileName, detail));
}

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql, const QString& fileName)
    : db_(db), fileName_(fileName)
{
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        throwSqliteError(db_, rc, fileName_);
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(stmt_);
}

void SqliteStatement::bind(int index, const QVariant& value)
{
    int rc;
    if (value.isNull())
        rc = sqlite3_bind_null(stmt_, index);
    else if (value.typeId() == QMetaType::QString) {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(stmt_, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    } else if (value.typeId() == QMetaType::Bool)
        rc = sqlite3_bind_int(stmt_, index, value.toBool() ? 1 : 0);
    else
        rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
    if (rc != SQLITE_OK)
        throwSqliteError(db_, rc, fileName_);
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    throwSqliteError(db_, rc, fileName_);
}

void SqliteStatement::run()
{
    while (step()) {
    }
    reset();
}

void SqliteStatement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

QVariant SqliteStatement::column(int index) const
{
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt_, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt_, index));
    default:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index)),
                                          sqlite3_column_bytes(stmt_, index)));
    }
}

qint64 SqliteStatement::columnInt(int index) const
{
    return sqlite3_column_int64(stmt_, index);
}
