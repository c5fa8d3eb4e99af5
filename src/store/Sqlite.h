#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// Thin owners of SQLite handles; every failure becomes a VeldraError that names the table file.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const QString& sql, const QString& fileName);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(int index, const QVariant& value); // 1-based, as SQLite counts
    bool step();                                 // true while a row is there
    void run();                                  // step to the end, then reset
    void reset();
    QVariant column(int index) const; // 0-based
    qint64 columnInt(int index) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString fileName_;
};

// Throws the message for an SQLite result code on a table file.
[[noreturn]] void throwSqliteError(sqlite3* db, int rc, const QString& fileName);
