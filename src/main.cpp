#include "shell/MainUnit.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veldra 4"));
    // The program ends when its start window closes, not when the last window happens to hide.
    QApplication::setQuitOnLastWindowClosed(false);
    createWindows();
    QObject::connect(MainForm, &QDialog::finished, &app, &QApplication::quit);
    MainForm->show();
    const int result = app.exec();
    destroyWindows();
    return result;
}
