#include "exam/TestForm.h"
#include "fixtures/ProgramUnderTest.h"
#include "platform/Handlers.h"
#include "platform/ShapeButton.h"
#include "sampler/Rep1Unit.h"
#include "sampler/SamplerUnit.h"
#include "shell/AboutUnit.h"
#include "shell/MainUnit.h"
#include "shell/Startup.h"
#include "store/Error.h"
#include "store/Fields.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void startsInItsOwnFolderFromAnyOther();
    void examWindowSessionServesTheDataModule();
    void startWindowLayout();
    void buttonsHaveAccelerators_data();
    void buttonsHaveAccelerators();
    void startTestingHidesStartWindowWhileExamWindowIsUp();
    void samplerListsTheSixSectionsOnce();
    void exitEndsWithoutAQuestion();
    void aboutBox();
    void defaultHandlerShowsTheTextAndGoesOn();
};

void TestStartup::startsInItsOwnFolderFromAnyOther()
{
    ProgramFolder elsewhere;
    QCOMPARE(QDir::currentPath(), elsewhere.path());
    createWindows();
    QCOMPARE(QDir(QDir::currentPath()).canonicalPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    destroyWindows();
}

void TestStartup::examWindowSessionServesTheDataModule()
{
    ProgramUnderTest program;
    QVERIFY(TestForm && DM && MainForm && AboutForm && SamplerForm);
    // The data module's table opens through the exam window's session, password and all.
    DM->dtUserSet.open();
    QVERIFY(DM->dtUserSet.active());
    QVERIFY(DM->dtUserSet.isEmpty());
    DM->dtUserSet.close();
    QCOMPARE(TestForm->windowTitle(), QString("Veldra 4"));
    QVERIFY(TestForm->windowState() & Qt::WindowMaximized);
    QCOMPARE(TestForm->minimumSize(), QSize(732, 502));
}

void TestStartup::startWindowLayout()
{
    ProgramUnderTest program;
    QCOMPARE(MainForm->windowTitle(), QString("Veldra 4"));
    const struct {
        ShapeButton* button;
        QString caption;
        QColor color;
        int top;
    } rows[] = {{MainForm->StartTestBtn, "Start &Testing", QColor(0, 0, 128), 14},
                {MainForm->SamplerBtn, "Test &Sampler", QColor(128, 0, 128), 50},
                {MainForm->fcShapeBtn3, "E&xit", QColor(0, 128, 128), 102}};
    for (const auto& r : rows) {
        QCOMPARE(r.button->text(), r.caption);
        QCOMPARE(r.button->color(), r.color);
        QCOMPARE(r.button->geometry(), QRect(47, r.top, 138, 34));
    }
}

void TestStartup::buttonsHaveAccelerators_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("key");
    QTest::newRow("start") << "Start &Testing" << int(Qt::Key_T);
    QTest::newRow("sampler") << "Test &Sampler" << int(Qt::Key_S);
    QTest::newRow("exit") << "E&xit" << int(Qt::Key_X);
}

void TestStartup::buttonsHaveAccelerators()
{
    QFETCH(QString, caption);
    QFETCH(int, key);
    ProgramUnderTest program;
    ShapeButton* button = nullptr;
    for (ShapeButton* b : {MainForm->StartTestBtn, MainForm->SamplerBtn, MainForm->fcShapeBtn3})
        if (b->text() == caption)
            button = b;
    QVERIFY(button);
    QCOMPARE(button->shortcut(), QKeySequence(Qt::ALT | Qt::Key(key)));
    QCOMPARE(button->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

void TestStartup::startTestingHidesStartWindowWhileExamWindowIsUp()
{
    ProgramUnderTest program;
    MainForm->show();
    bool startWindowHidden = false;
    program.modal = [&](QDialog* window) {
        startWindowHidden = window == TestForm && !MainForm->isVisible();
        return ModalResult::Cancel;
    };
    MainForm->StartTestBtn->click();
    QVERIFY(startWindowHidden);
}

void TestStartup::samplerListsTheSixSectionsOnce()
{
    ProgramUnderTest program;
    MainForm->show();
    for (int i = 0; i < 3; ++i) {
        MainForm->SamplerBtn->click();
        QVERIFY(MainForm->isVisible());
    }
    QStringList items;
    for (int i = 0; i < SamplerForm->ListBox1->count(); ++i)
        items << SamplerForm->ListBox1->item(i)->text();
    QCOMPARE(items, SectionNames());
}

void TestStartup::exitEndsWithoutAQuestion()
{
    ProgramUnderTest program;
    MainForm->show();
    QSignalSpy finished(MainForm, &QDialog::finished);
    MainForm->fcShapeBtn3->click();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!MainForm->isVisible());
    QVERIFY(program.messages.isEmpty());
}

void TestStartup::aboutBox()
{
    ProgramUnderTest program;
    QCOMPARE(AboutForm->windowTitle(), QString("About Tessarin"));
    QCOMPARE(AboutForm->size(), QSize(310, 233));
    QVERIFY(AboutForm->URLLabel1->openExternalLinks());
    QVERIFY(AboutForm->URLLabel1->text().contains(MakerAddress));
    bool shown = false;
    program.modal = [&](QDialog* window) {
        shown = window == AboutForm;
        return ModalResult::OK;
    };
    TestForm->About1->trigger();
    QVERIFY(shown);
}

void TestStartup::defaultHandlerShowsTheTextAndGoesOn()
{
    ProgramUnderTest program;
    // A handler that throws, connected as every handler is: the text is shown, the signal returns.
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, guarded([] {
        throw VeldraError("The table file \"x.DAT\" is damaged or is not a table file.");
    }));
    button.click();
    QCOMPARE(program.messages, QStringList{"The table file \"x.DAT\" is damaged or is not a table file."});
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
