#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

enum class FieldType { Integer, Text, Boolean };

struct FieldDef {
    QString name;
    FieldType type;
};

// The columns of one of the program's three tables. The key, where there is one, is Q_ID and is
// also the SQLite rowid, so key order and rowid order are one and the same.
struct TableDef {
    QString fileName;
    QString tableName;
    bool hasKey;
    std::vector<FieldDef> fields;
};

const TableDef& bankTableDef();
const TableDef& currentSetTableDef();
const TableDef& userSetTableDef();

// The definition of a known table file ("veldra.DAT", "ces.DAT", "veldrusr.DAT"), matched without
// regard to case; none for any other file.
std::optional<TableDef> tableDefForFile(const QString& fileName);

// The table a file holds is named after the file without its extension.
QString tableNameForFile(const QString& fileName);

// The six sections of the exam, indexed by Q_SECT 1 to 6.
const QStringList& SectionNames();
constexpr int SectionCount = 6;
