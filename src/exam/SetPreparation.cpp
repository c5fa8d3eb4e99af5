#include "exam/TestForm.h"

#include "exam/SetDrawing.h"
#include "platform/Dialogs.h"
#include "shell/ProgressUnit.h"
#include "store/Error.h"
#include "store/Fields.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace {

// The progress window is up for exactly as long as a preparation runs, whichever way it ends.
class ProgressShown {
public:
    ProgressShown()
    {
        ProgressForm->ProgressBar1->setValue(0);
        ProgressForm->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~ProgressShown() { ProgressForm->close(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;
};

struct FieldCopy {
    Field from;
    Field to;
    FieldType type;
};

// The fields a new item takes from its source question, in the order they are written.
std::vector<FieldCopy> fieldCopies(Table& source, Table& target, const TableDef& sourceDef)
{
    std::vector<FieldCopy> copies;
    for (const FieldDef& f : sourceDef.fields)
        if (f.name != QLatin1String("Q_ID") && f.name != QLatin1String("U_MEMO"))
            copies.push_back({source.fieldByName(f.name), target.fieldByName(f.name), f.type});
    copies.push_back({source.fieldByName("Q_ID"), target.fieldByName("Q_OR_NUMBER"), FieldType::Integer});
    copies.push_back({source.fieldByName("U_MEMO"), target.fieldByName("U_MEMO"), FieldType::Text});
    return copies;
}

void copyField(const FieldCopy& c)
{
    switch (c.type) {
    case FieldType::Integer:
        c.to.setAsInteger(c.from.asInteger());
        break;
    case FieldType::Text:
        c.to.setAsString(c.from.asString());
        break;
    case FieldType::Boolean:
        c.to.setAsBoolean(c.from.asBoolean());
        break;
    }
}

} // namespace

bool TTestForm::PrepareShuffledSet()
{
    return prepareSet(dtQSet, -1, true);
}

bool TTestForm::PrepareRandomSet(int count)
{
    return prepareSet(dtQSet, count, true);
}

bool TTestForm::PrepareUserSet()
{
    return prepareSet(dtUserSet, -1, false);
}

bool TTestForm::prepareSet(Table& source, int count, bool fromBank)
{
    ProgressShown progress;

    // Bank questions are collected by record number, which is their Q_ID; user questions by Q_ID,
    // which has gaps. Either way a candidate is found again by a key look-up.
    std::vector<int> candidates;
    candidates.reserve(source.recordCount());
    for (source.first(); !source.eof(); source.next())
        candidates.push_back(fromBank ? source.recNo() : int(source.fieldByName("Q_ID").asInteger()));
    std::mt19937 random = clockSeededGenerator();
    const std::vector<int> order = drawOrder(candidates, count < 0 ? int(candidates.size()) : count, random);
    if (order.empty()) {
        messageBox(MsgKind::Information,
                   QStringLiteral("There are no questions for the %1 in the question set.").arg(ExamTitle),
                   MsgButtons::OK, this);
        return false;
    }

    dtCurrentSet.close();
    dtCurrentSet.setExclusive(true);
    dtCurrentSet.emptyTable();
    dtCurrentSet.open();
    ProgressForm->ProgressBar1->setMaximum(int(order.size()));

    const std::vector<FieldCopy> copies =
        fieldCopies(source, dtCurrentSet, fromBank ? bankTableDef() : userSetTableDef());
    {
        // One transaction for the whole set: one disk sync instead of one per item.
        Transaction tx(dtCurrentSet);
        for (int i = 0; i < int(order.size()); ++i) {
            if (!source.findKey(order[i]))
                throw VeldraError(
                    QStringLiteral("Question %1 is missing from \"%2\".").arg(order[i]).arg(source.tableName()));
            ProgressForm->ProgressBar1->setValue(i);
            dtCurrentSet.append();
            for (const FieldCopy& c : copies)
                copyField(c);
            dtCurrentSet.post();
        }
        tx.commit();
    }
    dtCurrentSet.first();
    FirstRecNo = dtCurrentSet.recNo();
    ItemCount = dtCurrentSet.recordCount();
    return true;
}

void TTestForm::InitAnswerSheet()
{
    dtCurrentSet.first();
    AnswerSheet.assign(dtCurrentSet.recordCount(), AnswerRecord{});
    const Field section = dtCurrentSet.fieldByName("Q_SECT");
    for (; !dtCurrentSet.eof(); dtCurrentSet.next()) {
        AnswerRecord& r = AnswerSheet[dtCurrentSet.recNo() - 1];
        r = AnswerRecord{};
        r.Section = int32_t(section.asInteger());
    }
}
