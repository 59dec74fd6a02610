// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/keycommands.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

Q_DECLARE_METATYPE(QList<calmdesk::WindowCommand>)

namespace {

constexpr int kCtrl = int(Qt::ControlModifier);
constexpr int kAlt = int(Qt::AltModifier);
constexpr int kShift = int(Qt::ShiftModifier);
constexpr int kNone = 0;

using Commands = QList<WindowCommand>;

} // namespace

class TestKeyCommands : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Commands>("commands");

        using C = WindowCommand;
        const auto row = [](const char *name, int key, int modifiers, Commands commands) {
            QTest::newRow(name) << key << modifiers << commands;
        };
        row("Ctrl+N new", Qt::Key_N, kCtrl, {C::NewDocument});
        row("Ctrl+O open", Qt::Key_O, kCtrl, {C::OpenDocument});
        row("Ctrl+S save", Qt::Key_S, kCtrl, {C::SaveDocument});
        row("Ctrl+D save as", Qt::Key_D, kCtrl, {C::SaveDocumentAs});
        row("Ctrl+T tray", Qt::Key_T, kCtrl, {C::HideToTray});
        row("Ctrl+Q close", Qt::Key_Q, kCtrl, {C::CloseEditor});
        row("Ctrl+E export", Qt::Key_E, kCtrl, {C::ExportDocument});
        row("Ctrl+P document scratchpad", Qt::Key_P, kCtrl, {C::ShowDocumentScratchpad});
        row("Ctrl+F4 closes the panel", Qt::Key_F4, kCtrl, {C::CloseToolsPanel});
        row("Ctrl+L next monitor", Qt::Key_L, kCtrl, {C::NextMonitor});
        row("Ctrl+J swaps halves", Qt::Key_J, kCtrl, {C::SwapScreenHalf});
        row("Ctrl+K keeps on top", Qt::Key_K, kCtrl, {C::ToggleKeepOnTop});
        row("Ctrl+Space auto-text", Qt::Key_Space, kCtrl, {C::AutoText});
        row("Ctrl+R recent files", Qt::Key_R, kCtrl, {C::RecentFilesMenu});
        row("Ctrl+F find", Qt::Key_F, kCtrl, {C::FindDialog});
        row("Ctrl+H replace", Qt::Key_H, kCtrl, {C::ReplaceDialog});
        row("Ctrl+F5 long date", Qt::Key_F5, kCtrl, {C::InsertLongDateTime});
        row("Alt+B browser", Qt::Key_B, kAlt, {C::ShowBrowser});
        row("Alt+P global scratchpad", Qt::Key_P, kAlt, {C::ShowGlobalScratchpad});
        row("Alt+F full screen", Qt::Key_F, kAlt, {C::FullScreen});
        row("F5 short date", Qt::Key_F5, kNone, {C::InsertShortDateTime});
        row("F7 spelling", Qt::Key_F7, kNone, {C::SpellingCheck});
        row("F1 help", Qt::Key_F1, kNone, {C::ShowHelp});
        row("F9 options", Qt::Key_F9, kNone, {C::ShowOptions});
        row("F11 options", Qt::Key_F11, kNone, {C::ShowOptions});
        row("F3 find next", Qt::Key_F3, kNone, {C::FindNext});

        row("Ctrl+Shift+S still saves", Qt::Key_S, kCtrl | kShift, {C::SaveDocument});
        row("Alt+Ctrl+P runs both scratchpads, Alt first", Qt::Key_P, kCtrl | kAlt,
            {C::ShowGlobalScratchpad, C::ShowDocumentScratchpad});
        row("Alt+Ctrl+F: full screen, then find", Qt::Key_F, kCtrl | kAlt,
            {C::FullScreen, C::FindDialog});
        row("Alt+Ctrl+S saves", Qt::Key_S, kCtrl | kAlt, {C::SaveDocument});
        row("function keys run with Shift", Qt::Key_F7, kShift, {C::SpellingCheck});
        row("function keys run with Alt", Qt::Key_F1, kAlt, {C::ShowHelp});
        row("function keys do not run with Ctrl", Qt::Key_F7, kCtrl, {});
        row("Ctrl+F1 is no help", Qt::Key_F1, kCtrl, {});

        row("S alone is typing", Qt::Key_S, kNone, {});
        row("Alt+S is no command", Qt::Key_S, kAlt, {});
        row("P alone is typing", Qt::Key_P, kNone, {});
        row("F alone is typing", Qt::Key_F, kNone, {});
        row("Shift+F4 is nothing", Qt::Key_F4, kShift, {});
        row("Ctrl+B is markup, not a window command", Qt::Key_B, kCtrl, {});
    }

    void commands()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Commands, commands);
        QCOMPARE(windowCommandsForKey(key, Qt::KeyboardModifiers(modifiers)), commands);
        QCOMPARE(windowCommandForKey(key, Qt::KeyboardModifiers(modifiers)),
                 commands.isEmpty() ? WindowCommand::None : commands.first());
    }

    void keyDown_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("formats");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("swallowed");

        using A = TextKeyAction;
        const auto row = [](const char *name, int key, int modifiers, int formats, A action,
                            const char *tag, bool swallowed) {
            QTest::newRow(name) << key << modifiers << formats << int(action)
                                << QString::fromLatin1(tag) << swallowed;
        };
        row("Ctrl+B with HTML wraps b", Qt::Key_B, kCtrl, 1, A::WrapTag, "b", true);
        row("Ctrl+I with BBCode wraps i", Qt::Key_I, kCtrl, 2, A::WrapTag, "i", true);
        row("Ctrl+U wraps u", Qt::Key_U, kCtrl, 1, A::WrapTag, "u", true);
        row("Ctrl+Shift+B still wraps", Qt::Key_B, kCtrl | kShift, 1, A::WrapTag, "b", true);
        row("Ctrl+B without markup: nothing, and the control never sees it", Qt::Key_B, kCtrl, 0,
            A::None, "", true);
        row("Ctrl+X cuts", Qt::Key_X, kCtrl, 1, A::Cut, "", true);
        row("Ctrl+C copies", Qt::Key_C, kCtrl, 1, A::Copy, "", true);
        row("Ctrl+Insert copies", Qt::Key_Insert, kCtrl, 1, A::Copy, "", true);
        row("Ctrl+V pastes", Qt::Key_V, kCtrl, 1, A::Paste, "", true);
        row("Shift+Delete cuts", Qt::Key_Delete, kShift, 1, A::Cut, "", true);
        row("Shift+Insert pastes", Qt::Key_Insert, kShift, 1, A::Paste, "", true);
        row("Ctrl+A selects all in the control", Qt::Key_A, kCtrl, 1, A::None, "", false);
        row("Ctrl+Z undoes in the control", Qt::Key_Z, kCtrl, 1, A::None, "", false);
        row("Ctrl+Delete deletes a word", Qt::Key_Delete, kCtrl, 1, A::None, "", false);
        row("Ctrl+Home moves", Qt::Key_Home, kCtrl, 1, A::None, "", false);
        row("Ctrl+Shift+Right selects a word", Qt::Key_Right, kCtrl | kShift, 1, A::None, "",
            false);
        row("Ctrl held alone lets Shift through", Qt::Key_Shift, kCtrl, 1, A::None, "", false);
        row("Ctrl+D (the widget's delete) is swallowed", Qt::Key_D, kCtrl, 1, A::None, "", true);
        row("Ctrl+Space is swallowed", Qt::Key_Space, kCtrl, 1, A::None, "", true);
        row("Ctrl+M is swallowed", Qt::Key_M, kCtrl, 1, A::None, "", true);
        row("Ctrl+Y (the widget's redo) is swallowed", Qt::Key_Y, kCtrl, 1, A::None, "", true);
        row("Ctrl+Enter is swallowed", Qt::Key_Return, kCtrl, 1, A::None, "", true);
        row("Shift+Left selects in the control", Qt::Key_Left, kShift, 1, A::None, "", false);
        row("Shift+Enter is no paragraph-end hook", Qt::Key_Return, kShift, 1, A::None, "", false);
        row("Enter runs the paragraph-end hook first", Qt::Key_Return, kNone, 1, A::ParagraphEnd,
            "", false);
        row("keypad Enter too", Qt::Key_Enter, int(Qt::KeypadModifier), 1, A::ParagraphEnd, "",
            false);
        row("Alt+Enter is no paragraph end", Qt::Key_Return, kAlt, 1, A::None, "", false);
        row("a letter is typing", Qt::Key_B, kNone, 1, A::None, "", false);
        row("Shift+B is typing", Qt::Key_B, kShift, 1, A::None, "", false);
    }

    void keyDown()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, formats);
        QFETCH(int, action);
        QFETCH(QString, tag);
        QFETCH(bool, swallowed);
        const KeyDownDecision decision =
            txtMainKeyDown(key, Qt::KeyboardModifiers(modifiers), MarkupStyle(formats));
        QCOMPARE(int(decision.action), action);
        QCOMPARE(decision.tag, tag);
        QCOMPARE(decision.swallow, swallowed);
    }

    void keyUp_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("recovery");
        QTest::addColumn<bool>("swallowed");
        QTest::newRow("Enter up writes the recovery copy")
            << int(Qt::Key_Return) << kNone << true << false;
        QTest::newRow("keypad Enter up too") << int(Qt::Key_Enter) << kNone << true << false;
        QTest::newRow("Ctrl+Space up swallowed") << int(Qt::Key_Space) << kCtrl << false << true;
        QTest::newRow("Ctrl+M up swallowed") << int(Qt::Key_M) << kCtrl << false << true;
        QTest::newRow("Ctrl+I up swallowed") << int(Qt::Key_I) << kCtrl << false << true;
        QTest::newRow("Ctrl+S up reaches") << int(Qt::Key_S) << kCtrl << false << false;
        QTest::newRow("Space up without Ctrl reaches")
            << int(Qt::Key_Space) << kNone << false << false;
    }

    void keyUp()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, recovery);
        QFETCH(bool, swallowed);
        const KeyUpDecision decision = txtMainKeyUp(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(decision.writeRecoveryCopy, recovery);
        QCOMPARE(decision.swallow, swallowed);
    }

    void typedCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("swallowed");
        QTest::newRow("Ctrl+Space's space") << " " << kCtrl << true;
        QTest::newRow("Ctrl+I's tab") << "\t" << kCtrl << true;
        QTest::newRow("a plain space") << " " << kNone << false;
        QTest::newRow("a plain tab") << "\t" << kNone << false;
        QTest::newRow("Shift+Space") << " " << kShift << false;
        QTest::newRow("a letter with Ctrl") << "a" << kCtrl << false;
    }

    void typedCharacters()
    {
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(bool, swallowed);
        QCOMPARE(txtMainCharacterSwallowed(text, Qt::KeyboardModifiers(modifiers)), swallowed);
    }
};

CALMDESK_TEST_MAIN_CORE(TestKeyCommands)
#include "tst_keycommands.moc"
