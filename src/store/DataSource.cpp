#include "store/DataSource.h"

#include "store/Table.h"

void DataSource::setDataSet(Table* table)
{
    if (table_)
        disconnect(table_, nullptr, this, nullptr);
    table_ = table;
    if (table_) {
        connect(table_, &Table::dataChanged, this, &DataSource::dataChange);
        connect(table_, &Table::stateChanged, this, &DataSource::stateChange);
    }
}
