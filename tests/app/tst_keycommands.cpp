#include "keycommands.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

class TestKeyCommands : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("command");

        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("Ctrl+N new") << int(Qt::Key_N) << ctrl << int(WindowCommand::NewDocument);
        QTest::newRow("Ctrl+O open") << int(Qt::Key_O) << ctrl << int(WindowCommand::OpenDocument);
        QTest::newRow("Ctrl+S save") << int(Qt::Key_S) << ctrl << int(WindowCommand::SaveDocument);
        QTest::newRow("Ctrl+D save as")
            << int(Qt::Key_D) << ctrl << int(WindowCommand::SaveDocumentAs);
        QTest::newRow("Ctrl+T tray") << int(Qt::Key_T) << ctrl << int(WindowCommand::HideToTray);
        QTest::newRow("Ctrl+Q close") << int(Qt::Key_Q) << ctrl << int(WindowCommand::CloseEditor);
        QTest::newRow("Ctrl+Shift+S still saves")
            << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier)
            << int(WindowCommand::SaveDocument);
        QTest::newRow("S alone is typing") << int(Qt::Key_S) << 0 << int(WindowCommand::None);
        QTest::newRow("Alt+S is no command")
            << int(Qt::Key_S) << int(Qt::AltModifier) << int(WindowCommand::None);
    }

    void commands()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, command);
        QCOMPARE(int(windowCommandForKey(key, Qt::KeyboardModifiers(modifiers))), command);
    }

    void ctrlKeysThatReachTheText()
    {
        for (int key : {Qt::Key_A, Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_Left,
                        Qt::Key_Home, Qt::Key_Delete, Qt::Key_Shift})
            QVERIFY2(ctrlKeyReachesText(key), qPrintable(QString::number(key)));
        // The widget's own Ctrl+D (delete a character) must not run before Save As.
        for (int key :
             {Qt::Key_D, Qt::Key_S, Qt::Key_N, Qt::Key_K, Qt::Key_Space, Qt::Key_M, Qt::Key_Return})
            QVERIFY2(!ctrlKeyReachesText(key), qPrintable(QString::number(key)));
    }
};

CALMDESK_TEST_MAIN_CORE(TestKeyCommands)
#include "tst_keycommands.moc"
