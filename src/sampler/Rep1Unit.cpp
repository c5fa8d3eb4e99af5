#include "sampler/Rep1Unit.h"

#include "exam/TestForm.h"

TDM* DM = nullptr;

TDM::TDM(QObject* parent) : QObject(parent)
{
    dtUserSet.setSession(&TestForm->DBISAMSession1);
    dtUserSet.setTableName(QStringLiteral("veldrusr.DAT"));
    dsUserSet.setDataSet(&dtUserSet);
}
