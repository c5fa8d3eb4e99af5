// How long an exam set takes to build from a large bank, against what SQLite itself needs to copy
// the same rows in one statement.
#include "exam/TestForm.h"
#include "fixtures/ProgramUnderTest.h"

#include <QAction>
#include <QApplication>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int BankSize = 100000;
ProgramUnderTest* program = nullptr;

void PrepareAllQuestions(benchmark::State& state)
{
    for (auto _ : state) {
        program->start(TestForm->AllQAct);
        if (TestForm->ItemCount != BankSize)
            state.SkipWithError("the exam did not hold the whole bank");
        state.PauseTiming();
        TestForm->CloseCurrentExam();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * BankSize);
}

void SqliteCopyBaseline(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(program->folder.file("ces.DAT").toUtf8().constData(), &db);
    const QByteArray attach = "ATTACH '" + program->folder.file("veldra.DAT").toUtf8() + "' AS bank";
    sqlite3_exec(db, attach.constData(), nullptr, nullptr, nullptr);
    const char* copy =
        "BEGIN; DELETE FROM ces; INSERT INTO ces (Q_EXAM_N, Q_SECT, Q_TEXT, Q_EXPL, Q_TYPE, Q1, Q2, Q3, Q4, Q5, Q6,"
        " Q_SIM, A1, A2, A3, A4, A5, A6, PICT1, PICT2, Q_OR_NUMBER, U_MEMO)"
        " SELECT Q_EXAM_N, Q_SECT, Q_TEXT, Q_EXPL, Q_TYPE, Q1, Q2, Q3, Q4, Q5, Q6, Q_SIM, A1, A2, A3, A4, A5, A6,"
        " PICT1, PICT2, Q_ID, U_MEMO FROM bank.veldra WHERE Q_EXAM_N<>0 ORDER BY random(); COMMIT;";
    for (auto _ : state)
        if (sqlite3_exec(db, copy, nullptr, nullptr, nullptr) != SQLITE_OK)
            state.SkipWithError(sqlite3_errmsg(db));
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * BankSize);
}

} // namespace

BENCHMARK(PrepareAllQuestions)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SqliteCopyBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramUnderTest under(sampleQuestions(BankSize));
    program = &under;
    program->showExamWindow();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
