// bankc SOURCE.json PICTURE_DIR OUTPUT.DAT: builds the question bank table from its JSON source.

#include "BankCompiler.h"

#include "store/ProgramSession.h"
#include "store/Session.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    // An application object, so picture formats that come as plugins can be read too.
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        err << "usage: bankc SOURCE.json PICTURE_DIR OUTPUT.DAT\n";
        return 2;
    }

    Session session(SessionName);
    session.addPassword(TablePassword);
    session.setActive(true);

    int written = 0;
    const std::vector<CompileProblem> problems = compileBank(args[1], args[2], args[3], session, &written);
    const QString sourceName = QFileInfo(args[1]).fileName();
    for (const CompileProblem& p : problems)
        err << describeProblem(sourceName, p) << '\n';
    if (!problems.empty()) {
        err << QString("bankc: %1 not written: %2 %3\n")
                   .arg(args[3])
                   .arg(problems.size())
                   .arg(problems.size() == 1 ? "problem" : "problems");
        return 1;
    }
    QTextStream(stdout) << QString("bankc: %1 questions written to %2\n").arg(written).arg(args[3]);
    return 0;
}
