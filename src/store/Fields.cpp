#include "store/Fields.h"

#include <QFileInfo>

namespace {

std::vector<FieldDef> questionFields(bool bank)
{
    std::vector<FieldDef> f;
    if (bank)
        f.push_back({"Q_EXAM_N", FieldType::Integer});
    f.push_back({"Q_SECT", FieldType::Integer});
    f.push_back({"Q_TEXT", FieldType::Text});
    f.push_back({"Q_EXPL", FieldType::Text});
    f.push_back({"Q_TYPE", FieldType::Boolean});
    for (int n = 1; n <= 6; ++n)
        f.push_back({QString("Q%1").arg(n), FieldType::Text});
    if (bank)
        f.push_back({"Q_SIM", FieldType::Text});
    for (int n = 1; n <= 6; ++n)
        f.push_back({QString("A%1").arg(n), FieldType::Boolean});
    if (bank) {
        f.push_back({"PICT1", FieldType::Text});
        f.push_back({"PICT2", FieldType::Text});
    }
    return f;
}

TableDef makeDef(const QString& file, bool hasKey, bool bankFields, bool origin)
{
    TableDef d{file, tableNameForFile(file), hasKey, {}};
    if (hasKey)
        d.fields.push_back({"Q_ID", FieldType::Integer});
    for (const FieldDef& f : questionFields(bankFields))
        d.fields.push_back(f);
    if (origin)
        d.fields.push_back({"Q_OR_NUMBER", FieldType::Integer});
    d.fields.push_back({"U_MEMO", FieldType::Text});
    return d;
}

} // namespace

const TableDef& bankTableDef()
{
    static const TableDef def = makeDef("veldra.DAT", true, true, false);
    return def;
}

const TableDef& currentSetTableDef()
{
    // Filled from the bank and from the user set alike, so it carries every field of both.
    static const TableDef def = makeDef("ces.DAT", false, true, true);
    return def;
}

const TableDef& userSetTableDef()
{
    static const TableDef def = makeDef("veldrusr.DAT", true, false, false);
    return def;
}

std::optional<TableDef> tableDefForFile(const QString& fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    for (const TableDef* def : {&bankTableDef(), &currentSetTableDef(), &userSetTableDef()})
        if (name.compare(def->fileName, Qt::CaseInsensitive) == 0)
            return *def;
    return std::nullopt;
}

QString tableNameForFile(const QString& fileName)
{
    return QFileInfo(fileName).completeBaseName();
}

const QStringList& SectionNames()
{
    static const QStringList names{"Planning",     "Installation and Configuration", "Managing Resources",
                                   "Connectivity", "Monitoring and Optimization",    "Troubleshooting"};
    return names;
}
