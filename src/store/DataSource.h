#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class Table;

// Passes a table's notifications on to the windows that show it.
class DataSource : public QObject {
    Q_OBJECT

public:
    explicit DataSource(QObject* parent = nullptr) : QObject(parent) {}

    void setDataSet(Table* table);
    Table* dataSet() const { return table_; }

signals:
    // The current record moved, the table opened or closed (fieldName empty), or a field changed.
    void dataChange(const QString& fieldName);
    void stateChange();

private:
    QPointer<Table> table_;
};
