#pragma once

#include "store/DataSource.h"
#include "store/Table.h"

#include <QObject>

// The data module: the sampler's user question set, opened through the exam window's session.
class TDM : public QObject {
    Q_OBJECT

public:
    explicit TDM(QObject* parent = nullptr);

    Table dtUserSet;
    DataSource dsUserSet;
};

extern TDM* DM;
