#pragma once

#include "store/Filter.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
class Session;
class SqliteStatement;
class Table;

// Makes an empty file for one of the program's tables, stamped with the session's password.
void createTableFile(const QString& fileName, const Session& session);

enum class TableState { Inactive, Browse, Edit, Insert };

// A handle on one field of a table's current record. Reads of a null give 0, empty text or false.
class Field {
public:
    Field(Table* table, int column) : table_(table), column_(column) {}

    QString fieldName() const;
    bool isNull() const;
    qint64 asInteger() const;
    QString asString() const;
    bool asBoolean() const;
    void setAsInteger(qint64 value) const;
    void setAsString(const QString& value) const;
    void setAsBoolean(bool value) const;

private:
    Table* table_;
    int column_;
};

// One table file (an SQLite database holding one table named after the file) seen through a cursor.
// Record numbers are 1-based positions in key order over the whole table, whatever the filter;
// moving and counting see only the records that pass the filter while filtering is on.
// Every operation that fails throws VeldraError with a message that names the file.
class Table : public QObject {
    Q_OBJECT

public:
    explicit Table(QObject* parent = nullptr);
    ~Table() override;

    void setSession(Session* session) { session_ = session; }
    void setTableName(const QString& fileName);
    const QString& tableName() const { return fileName_; }

    void setExclusive(bool exclusive);
    bool exclusive() const { return exclusive_; }

    void open();
    void close();
    bool active() const { return db_ != nullptr; }
    // Removes every record: on a closed table set to exclusive use, or on an open one.
    void emptyTable();

    void first();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }

    int recNo() const;
    void setRecNo(int recNo);
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }

    void setFilter(const QString& text);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // Key look-up on Q_ID among the records the filter lets through; false when there is none.
    bool findKey(qint64 id);

    Field fieldByName(const QString& name);
    std::optional<Field> findField(const QString& name);

    void append();
    void insert();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    TableState state() const { return state_; }

    // Groups many posts into one disk sync; see Transaction.
    void startTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

signals:
    // A record moved, the table opened or closed (fieldName empty), or one field's value changed.
    void dataChanged(const QString& fieldName);
    void stateChanged();

private:
    friend class Field;

    const std::vector<qint64>& view() const { return filtered_ && activeFilter_ ? visible_ : all_; }
    void requireActive() const;
    void requireClosed(const char* what) const;
    void openDatabase();
    void checkStamp();
    void readColumns();
    void loadKeys();
    void buildVisible();
    bool passesFilter(const std::vector<QVariant>& values) const;
    void leaveEditing();
    void moveTo(int viewIndex);
    const std::vector<QVariant>& values() const;
    QVariant value(int column) const;
    void setValue(int column, const QVariant& value);
    void setState(TableState state);
    void exec(const QString& sql);
    QString quoted(int column) const;

    Session* session_ = nullptr;
    QString fileName_;
    QString sqlTable_;
    bool exclusive_ = false;
    sqlite3* db_ = nullptr;

    std::vector<QString> columns_;
    int keyColumn_ = -1;
    std::vector<qint64> all_;     // rowids in key order: the record number is the position here + 1
    std::vector<qint64> visible_; // the subset that passes the filter, same order

    QString filterText_;
    std::optional<Filter> activeFilter_;
    int filterColumn_ = -1;
    bool filtered_ = false;

    int cur_ = -1; // index into view()
    bool eof_ = true;
    bool bof_ = true;

    mutable std::vector<QVariant> record_;
    mutable qint64 loadedRowid_ = 0;
    std::vector<QVariant> editBuffer_;
    bool modified_ = false;
    TableState state_ = TableState::Inactive;
    bool inTransaction_ = false;

    // Prepared once per open: a set of thousands of posts must not parse its statement each time.
    struct Statements {
        std::unique_ptr<SqliteStatement> readRow;
        std::unique_ptr<SqliteStatement> insertAll;
        std::unique_ptr<SqliteStatement> insertWithoutKey; // SQLite picks the key
        std::unique_ptr<SqliteStatement> update;
    };
    Statements statements_;
};

// Runs a group of posts as one transaction: committed by commit(), rolled back if left unfinished.
class Transaction {
public:
    explicit Transaction(Table& table) : table_(table) { table_.startTransaction(); }
    ~Transaction()
    {
        if (open_)
            try {
                table_.rollback();
            } catch (...) {
            }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit()
    {
        table_.commit();
        open_ = false;
    }

private:
    Table& table_;
    bool open_ = true;
};
