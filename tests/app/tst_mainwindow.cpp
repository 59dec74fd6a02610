// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/edgepanels.h"
#include "app/layout/focuslock.h"
#include "app/layout/toolspanel.h"
#include "app/layout/toolspaneldock.h"
#include "app/layout/topbar.h"
#include "document/crashrecovery.h"
#include "document/filemenu.h"
#include "document/recoveryfile.h"
#include "goals/statuslabel.h"
#include "goals/statuspanel.h"
#include "mainwindowfixture.h"
#include "platform/session/terminationwatcher.h"
#include "statuslabels.h"
#include "testmain.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

#include <csignal>
#include <functional>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::MainWindowFixture;
using calmdesk::test::statusLabel;

namespace {

const QString kSaveQuestion =
    "The text in the current file has changed. Do you want to save the changes?";

void typeInto(TfrmMain &w, const QString &text)
{
    w.textColumn()->setFocus();
    QTest::keyClicks(w.focusWidget(), text);
}

void pressCtrl(TfrmMain &w, Qt::Key key)
{
    QWidget *target = w.focusWidget() ? w.focusWidget() : &w;
    QTest::keyClick(target, key, Qt::ControlModifier);
}

// The desktop's style, with a scroll bar as wide as the desktop says at the moment.
int g_scrollBarWidth = 16;
struct DesktopStyle : QProxyStyle
{
    DesktopStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {}
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        return metric == PM_ScrollBarExtent ? g_scrollBarWidth
                                            : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void freshUserSeesTheUntitledDocumentFullScreen()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Calmdesk"));
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w.geometry(), QGuiApplication::primaryScreen()->geometry());
        QCOMPARE(statusLabel(&w, "lblFile")->text(), QStringLiteral("(untitled)"));
        QVERIFY(w.document()->curFile().isEmpty());
        QVERIFY(w.document()->isSaved());

        const CharAttributes look = w.textColumn()->caretAttributes();
        QCOMPARE(look.family.value_or(QString()), QStringLiteral("Courier New"));
        QCOMPARE(look.pointSize.value_or(0), 12.0);
        QCOMPARE(look.colour.value_or(QColor()), QColor(255, 128, 64));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 0, 0));

        const int expectedWidth = w.width() * 90 / 100;
        QCOMPARE(w.textColumn()->width(), expectedWidth);
        QCOMPARE(w.textColumn()->x(), (w.width() - expectedWidth) / 2);
        QVERIFY(!f.store->keyExists(f.general())); // nothing written by merely starting
    }

    // A user with no configuration or data folder at all.
    void freshHomeGetsItsFolders()
    {
        MainWindowFixture f;
        IsolatedEnvironment::current()->pointAtMissingFolders();
        f.reopenStore();
        TfrmMain &w = f.window();
        w.FormCreate({});
        QVERIFY(f.messages.shown.isEmpty());
        QVERIFY(QFileInfo(SqliteSettingsStore::defaultPath()).isFile());
        QCOMPARE(w.settings().diaryDir,
                 IsolatedEnvironment::current()->dataHome() + QStringLiteral("/Calmdesk/Diary"));
        QVERIFY(QFileInfo(w.settings().diaryDir).isDir());
        // The folders made are the user's alone.
        const QFileInfo data(IsolatedEnvironment::current()->dataHome());
        QCOMPARE(data.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

    void damagedSettingsAreToldOnceAtStartUp()
    {
        MainWindowFixture f;
        f.store.reset();
        QFile file(SqliteSettingsStore::defaultPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("not a database").repeated(100));
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is damaged")));
        f.reopenStore();
        TfrmMain &w = f.window();
        w.FormCreate({});
        QCOMPARE(f.messages.shown.size(), 1);
        const Message &notice = f.messages.shown.constFirst();
        QCOMPARE(notice.icon, Message::Icon::Information);
        QVERIFY(notice.text.contains(f.store->setAsidePath()));
        QVERIFY(QFileInfo(f.store->setAsidePath()).isFile());
        // The window runs on the new, empty store.
        QCOMPARE(w.settings().txtfont, QStringLiteral("Courier New"));
    }

    void storedLookIsApplied()
    {
        MainWindowFixture f;
        f.setGeneral("txtfont", "Liberation Serif");
        f.setGeneral("txtsize", "16");
        f.setGeneral("txtfore", QString::number(0xFFFFFF));
        f.setGeneral("txtback", QString::number(0x402010));
        f.setGeneral("width", "50");
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        const CharAttributes look = w.textColumn()->caretAttributes();
        QCOMPARE(look.family.value_or(QString()), QStringLiteral("Liberation Serif"));
        QCOMPARE(look.pointSize.value_or(0), 16.0);
        QCOMPARE(look.colour.value_or(QColor()), QColor(255, 255, 255));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0x10, 0x20, 0x40));
        QCOMPARE(w.textColumn()->width(), w.width() / 2);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %1 = a.txt, %2 = b.txt
        QTest::addColumn<QString>("opened");        // a or b or empty
        QTest::addColumn<bool>("hidden");

        QTest::newRow("a file") << QStringList{"%1"} << "a" << false;
        QTest::newRow("a file then /auto: opened, the window's pass stops at the file")
            << QStringList{"%1", "/auto"} << "a" << false;
        QTest::newRow("/auto then a file: opened and hidden")
            << QStringList{"/auto", "%1"} << "a" << true;
        QTest::newRow("a missing file is skipped") << QStringList{"%3", "%2"} << "b" << false;
        QTest::newRow("nothing but /auto") << QStringList{"-AUTO"} << "" << true;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, opened);
        QFETCH(bool, hidden);
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "alpha");
        const QString b = f.writeFile("b.txt", "beta");
        for (QString &arg : arguments)
            arg.replace("%1", a).replace("%2", b).replace("%3", f.folder() + "/missing.txt");
        TfrmMain &w = f.window();
        QVERIFY(f.start(arguments));
        const QString expected = opened == "a" ? a : opened == "b" ? b : QString();
        QCOMPARE(w.document()->curFile(), expected);
        QCOMPARE(w.startsHidden(), hidden);
        QCOMPARE(w.isVisible(), !hidden);
        if (!expected.isEmpty())
            QCOMPARE(w.textColumn()->text(), opened == "a" ? QString("alpha") : QString("beta"));
    }

    // The writer sees the editor at once; the document then loads into it.
    void theWindowShowsBeforeTheDocumentLoads()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "alpha");
        TfrmMain &w = f.window();
        w.FormCreate({a});
        QVERIFY(w.isVisible());
        QVERIFY(w.textColumn()->isEmpty());
        QVERIFY(!w.hasFinishedStartup());
        QSignalSpy finished(&w, &TfrmMain::startupFinished);
        QVERIFY(finished.wait());
        QCOMPARE(w.textColumn()->text(), QString("alpha"));
        QCOMPARE(w.document()->curFile(), a);
    }

    void firstDocument_data()
    {
        QTest::addColumn<int>("openlst");
        QTest::addColumn<QString>("expected"); // last, today, newest, or empty

        QTest::newRow("0 keeps the untitled document") << 0 << "";
        QTest::newRow("1 opens the last edited file") << 1 << "last";
        QTest::newRow("2 makes and opens today's diary page") << 2 << "today";
        QTest::newRow("3 opens the newest diary page") << 3 << "newest";
    }

    void firstDocument()
    {
        QFETCH(int, openlst);
        QFETCH(QString, expected);
        MainWindowFixture f;
        const QString last = f.writeFile("last.txt", "last words");
        const QString diary = f.folder() + "/diary/";
        QVERIFY(QDir().mkpath(diary));
        const QString newest = diary + "01-12-2026.txt";
        QFile page(newest);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        f.setGeneral("openlst", QString::number(openlst));
        f.setGeneral("lastknonw", last);
        f.setGeneral("diary", diary);

        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        const QString today = diary + QDate::currentDate().toString("dd-MM-yyyy") + ".txt";
        const QString path = expected == "last"     ? last
                             : expected == "today"  ? today
                             : expected == "newest" ? newest
                                                    : QString();
        QCOMPARE(w.document()->curFile(), path);
        if (expected == "today")
            QVERIFY(QFileInfo::exists(today));
    }

    void lastEditedFileThatIsGoneLeavesTheUntitledDocument()
    {
        MainWindowFixture f;
        f.setGeneral("openlst", "1");
        f.setGeneral("lastknonw", f.folder() + "/gone.txt");
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(w.document()->curFile().isEmpty());
        QVERIFY(f.messages.shown.isEmpty());
    }

    void closingWithoutChangesAsksNothingAndRemembersTheFile()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "alpha");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        QVERIFY(w.close());
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.readGeneral("lastknonw"), a);
        QVERIFY(w.isClosing());
    }

    void closeQuestionCancelKeepsEverything()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "alpha");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        typeInto(w, "!");
        f.messages.answers = {Answer::Cancel};
        QVERIFY(!w.close());
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown.at(0).text, kSaveQuestion);
        QCOMPARE(f.messages.shown.at(0).caption, QStringLiteral("Save Confirmation"));
        QVERIFY(w.isVisible());
        QVERIFY(!w.document()->isSaved());
        QCOMPARE(f.readFile(a), QByteArray("alpha"));
        QVERIFY(f.readGeneral("lastknonw").isEmpty());
    }

    void closeQuestionNoDropsTheChanges()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "alpha");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        typeInto(w, "!");
        f.messages.answers = {Answer::No};
        QVERIFY(w.close());
        QCOMPARE(f.readFile(a), QByteArray("alpha"));
        QCOMPARE(f.readGeneral("lastknonw"), a);
    }

    void closeQuestionYesSavesFirst()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        typeInto(w, "New words");
        const QString target = f.folder() + "/new.txt";
        f.messages.answers = {Answer::Yes};
        f.dialogs.paths = {target};
        QVERIFY(w.close());
        QCOMPARE(f.readFile(target), QByteArray("New words"));
        QCOMPARE(f.readGeneral("lastknonw"), target);
    }

    void closeRefusedWhenTheSaveFails()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        typeInto(w, "Precious");
        f.messages.answers = {Answer::Yes};
        f.dialogs.paths = {f.folder() + "/no such folder/new.txt"};
        QVERIFY(!w.close());
        QCOMPARE(f.messages.shown.size(), 2);
        QCOMPARE(f.messages.shown.at(1).text,
                 QStringLiteral("The system was unable to save the specified file."));
        QVERIFY(w.isVisible());
        QCOMPARE(w.textColumn()->text(), QStringLiteral("Precious"));
    }

    void closeWhenTheSaveDialogIsCancelledIsRefused()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        typeInto(w, "Precious");
        f.messages.answers = {Answer::Yes};
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
    }

    void keysRunTheDocumentCommands()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeInto(w, "abc");
        const QString target = f.folder() + "/keys.txt";
        f.dialogs.paths = {target};
        pressCtrl(w, Qt::Key_S);
        QCOMPARE(f.dialogs.saveCount, 1);
        QCOMPARE(f.readFile(target), QByteArray("abc"));
        QVERIFY(w.document()->isSaved());

        pressCtrl(w, Qt::Key_N);
        QVERIFY(w.document()->curFile().isEmpty());
        QCOMPARE(w.textColumn()->text(), QString());

        f.dialogs.paths = {target};
        pressCtrl(w, Qt::Key_O);
        QCOMPARE(f.dialogs.openCount, 1);
        QCOMPARE(w.document()->curFile(), target);
    }

    void ctrlLetGoBeforeTheLetterStillSaves()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "alpha");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeInto(w, "!");
        QWidget *target = w.focusWidget();
        QTest::keyPress(target, Qt::Key_Control, Qt::ControlModifier);
        QTest::keyPress(target, Qt::Key_S, Qt::ControlModifier);
        QTest::keyRelease(target, Qt::Key_Control, Qt::NoModifier);
        QTest::keyRelease(target, Qt::Key_S, Qt::NoModifier);
        QCOMPARE(f.readFile(a), QByteArray("!alpha"));
        QVERIFY(w.document()->isSaved());
    }

    void ctrlDSavesAsWithoutDeletingACharacter()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeInto(w, "abc");
        w.textColumn()->setCaret(1);
        pressCtrl(w, Qt::Key_D);
        QCOMPARE(f.dialogs.saveCount, 1);
        QCOMPARE(w.textColumn()->text(), QStringLiteral("abc"));
    }

    void ctrlTHidesToTheTrayAndTheTrayBringsItBack()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        pressCtrl(w, Qt::Key_T);
        QVERIFY(!w.isVisible());
        emit w.tray()->showEditorRequested();
        QVERIFY(w.isVisible());
    }

    void minimisingHidesToTheTray()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.showMinimized();
        QTRY_VERIFY(!w.isVisible());
    }

    void rightClickOnTheFileNameOpensTheFileMenu()
    {
        MainWindowFixture f;
        f.setGeneral("show_status", "1");
        const QString a = f.writeFile("a.txt", "alpha");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(statusLabel(&w, "lblFile")->isVisible());
        QCOMPARE(statusLabel(&w, "lblFile")->text(), QStringLiteral("a.txt"));
        QTest::mouseClick(statusLabel(&w, "lblFile"), Qt::RightButton);
        QMenu *menu = w.document()->mnuFile();
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!menu->actions().at(2)->isEnabled()); // "&Save": nothing to save
        menu->close();
    }

    void typingMovesTheCountsAndSavingSettlesTheFileLabel()
    {
        MainWindowFixture f;
        f.setGeneral("show_status", "1");
        f.setGeneral("show_word", "1");
        f.setGeneral("show_char", "1");
        const QString a = f.writeFile("a.txt", "alpha");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        StatusPanel *status = w.statusPanel();
        QVERIFY(status->isVisible());
        QCOMPARE(statusLabel(status, "lblWord")->text(), QStringLiteral("Words: 1/0"));
        QCOMPARE(statusLabel(&w, "lblFile")->palette().color(QPalette::WindowText),
                 QColor(192, 192, 192));

        w.textColumn()->setFocus();
        w.textColumn()->setCaret(5);
        QTest::keyClicks(w.focusWidget(), " beta");
        QCOMPARE(statusLabel(status, "lblWord")->text(), QStringLiteral("Words: 2/0"));
        QCOMPARE(statusLabel(status, "lblChar")->text(), QStringLiteral("Characters: 10 (9)/0"));
        QCOMPARE(statusLabel(&w, "lblFile")->palette().color(QPalette::WindowText),
                 QColor(0, 255, 0));
        QCOMPARE(statusLabel(status, "lblHelp")->text(), QStringLiteral("Press F1 for Help."));

        pressCtrl(w, Qt::Key_S);
        QCOMPARE(f.readFile(a), QByteArray("alpha beta"));
        QCOMPARE(statusLabel(&w, "lblFile")->palette().color(QPalette::WindowText),
                 QColor(192, 192, 192));
    }

    void documentLimitsTravelWithTheDocument()
    {
        MainWindowFixture f;
        f.setGeneral("show_status", "1");
        f.setGeneral("show_word", "1");
        const QString a = f.writeFile("a.txt", "one two three");
        f.store->regWriteString(settingsRoot() + "\\limits", a + ":limword", "3");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        QCOMPARE(statusLabel(&w, "lblWord")->text(), QStringLiteral("Words: 3/3"));
        QCOMPARE(statusLabel(&w, "lblWord")->palette().color(QPalette::WindowText),
                 QColor(0, 255, 0));
        pressCtrl(w, Qt::Key_N);
        QCOMPARE(statusLabel(&w, "lblWord")->text(), QStringLiteral("Words: 0/0"));
    }

    void recoveredTextReplacesTheStartDocument_data()
    {
        QTest::addColumn<bool>("fromCommandLine");
        QTest::newRow("command-line file skipped") << true;
        QTest::newRow("last edited file skipped") << false;
    }
    void recoveredTextReplacesTheStartDocument()
    {
        QFETCH(bool, fromCommandLine);
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "on disk");
        f.setGeneral("openlst", "1");
        f.setGeneral("lastknonw", a);
        const QString copy = RecoveryFile::defaultPath();
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
        QFile file(copy);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("lost words");
        file.close();

        TfrmMain &w = f.window();
        QVERIFY(f.start(fromCommandLine ? QStringList{a} : QStringList{}));
        QCOMPARE(w.textColumn()->text(), "lost words");
        QVERIFY(w.document()->curFile().isEmpty());
        QVERIFY(!w.document()->isSaved());
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown.first().caption, "Auto-recovery");

        // A normal close, the changes dropped: the copy goes with it.
        f.messages.answers << Answer::No;
        QVERIFY(w.close());
        QVERIFY(!QFileInfo::exists(copy));
    }

    void enterSavesTheParagraphAndItsReleaseWritesTheCopy()
    {
        MainWindowFixture f;
        const QString a = f.writeFile("a.txt", "");
        f.setGeneral("savepar", "1");
        TfrmMain &w = f.window();
        QVERIFY(f.start({a}));
        typeInto(w, "First");
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        QCOMPARE(MainWindowFixture::readFile(a), "First");
        RecoveryFile &copy = w.crashRecovery()->file();
        copy.flush();
        QCOMPARE(MainWindowFixture::readFile(copy.path()), "First\n");
        QTRY_VERIFY(statusLabel(w.statusPanel(), "lblHelp")->text().startsWith("Auto-saved at "));
    }

    void enterStartsAParagraphInTheSameLook()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeInto(w, "First");
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        QTest::keyClicks(w.focusWidget(), "Second");
        QCOMPARE(w.textColumn()->text(), QStringLiteral("First\r\n\r\nSecond"));
        QCOMPARE(w.textColumn()->caretAttributes().colour.value_or(QColor()), QColor(255, 128, 64));
    }

    void markupKeysWrapTheSelectionAsSet()
    {
        MainWindowFixture f;
        f.setGeneral("formats", "1");
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeInto(w, "bold move");
        w.textColumn()->select(0, 4);
        pressCtrl(w, Qt::Key_B);
        QCOMPARE(w.textColumn()->text(), QStringLiteral("<b>bold</b> move"));
        pressCtrl(w, Qt::Key_B);
        QCOMPARE(w.textColumn()->text(), QStringLiteral("bold move"));
    }

    void markupKeysDoNothingWhenOff()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeInto(w, "plain");
        pressCtrl(w, Qt::Key_B);
        pressCtrl(w, Qt::Key_I);
        QCOMPARE(w.textColumn()->text(), QStringLiteral("plain"));
    }

    void clipboardKeysMovePlainText()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        typeInto(w, "copy me");
        w.textColumn()->select(0, 4);
        pressCtrl(w, Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copy"));
        w.textColumn()->setCaret(7);
        pressCtrl(w, Qt::Key_V);
        QCOMPARE(w.textColumn()->text(), QStringLiteral("copy mecopy"));
    }

    void f5InsertsTheDateAndTime()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.textColumn()->setFocus();
        QTest::keyClick(w.focusWidget(), Qt::Key_F5);
        const QString text = w.textColumn()->text();
        QVERIFY2(QRegularExpression("^\\d{1,2}/\\d{1,2}/\\d{4}( \\d\\d:\\d\\d:\\d\\d)?$")
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
        QVERIFY(text.contains(QString::number(QDate::currentDate().year())));
    }

    void windowButtonsAndKeysChooseTheScreenHalf()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        emit w.edgePanels()->buttons()->screenHalfRequested(2);
        QCOMPARE(w.geometry(), QRect(screen.x() + screen.width() / 2, screen.y(),
                                     screen.width() / 2, screen.height()));
        pressCtrl(w, Qt::Key_J);
        QCOMPARE(w.screenHalf(), 4);
        QCOMPARE(w.geometry().x(), screen.x());
        QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(w.screenHalf(), 0);
        QCOMPARE(w.geometry(), screen);
    }

    void topBarShowsUnderThePointerAtTheCorner()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.edgePanels()->isTopBarShown());
        // The pointer as the display reports it, thrown into the screen's top-right corner.
        QTest::mouseMove(w.windowHandle(), QPoint(w.width() - 1, 0));
        QTRY_VERIFY(w.edgePanels()->isTopBarShown());
        QTest::mouseMove(w.windowHandle(), QPoint(w.width() / 2, w.height() / 2));
        QTRY_VERIFY(!w.edgePanels()->isTopBarShown());
    }

    void pinnedToolsPanelNarrowsTheColumn()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_B, Qt::AltModifier);
        QVERIFY(w.toolsPanel()->isVisible());
        QCOMPARE(w.textColumn()->text(), QString()); // Alt+B types nothing
        // A surface of its own, not the text's dark background.
        QVERIFY(w.toolsPanel()->palette().color(QPalette::Window) !=
                w.palette().color(QPalette::Window));
        QCOMPARE(w.toolsPanel()->tabTools->currentIndex(), 3);
        emit w.toolsPanel()->pinToggled();
        const int width = (w.width() - 300) * 90 / 100;
        QCOMPARE(w.textColumn()->width(), width);
        QCOMPARE(w.textColumn()->x(), (w.width() - 300 - width) / 2);
        QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!w.toolsPanel()->isVisible());
        QCOMPARE(w.textColumn()->width(), w.width() * 90 / 100);
    }

    void detachingWithOneMonitorDoesNothing()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QTest::keyClick(w.focusWidget() ? w.focusWidget() : &w, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QGuiApplication::screens().size(), 1);
        emit w.toolsPanel()->detachRequested();
        QVERIFY(!w.toolsDock()->isFloating());
        QCOMPARE(w.toolsPanel()->parentWidget(), &w);
        QCOMPARE(w.toolsPanel()->tabTools->currentIndex(), 1);
    }

    void focusLockKeepsTheEditorOnTopUntilUnlocked()
    {
        MainWindowFixture f;
        f.setGeneral("show_status", "1");
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // "On top" changes on the native window in place, never hiding it: no flash.
        QSignalSpy shownOrHidden(w.windowHandle(), &QWindow::visibleChanged);
        const auto onTop = [&w] {
            return w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        };
        QToolButton *lock = w.focusLock()->button();
        QVERIFY(lock->isVisible());
        QCOMPARE(lock->toolTip(), QStringLiteral("Focus is unlocked. Click here to lock it."));
        QTest::mouseClick(lock, Qt::LeftButton);
        QVERIFY(w.focusLock()->isLocked());
        QVERIFY(onTop());
        QCOMPARE(lock->toolTip(), QStringLiteral("Focus is now locked. Click here to unlock it."));
        QCOMPARE(w.geometry(), QGuiApplication::primaryScreen()->geometry());
        pressCtrl(w, Qt::Key_K);
        pressCtrl(w, Qt::Key_K);
        QVERIFY(onTop()); // Ctrl+K twice leaves the lock's on top
        QTest::mouseClick(lock, Qt::LeftButton);
        QVERIFY(!w.focusLock()->isLocked());
        QVERIFY(!onTop());
        QCOMPARE(shownOrHidden.size(), 0);
    }

    void f1ShowsTheHelpCard()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QString title;
        QTimer::singleShot(0, [&title] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal) {
                title = modal->windowTitle();
                modal->close();
            }
        });
        w.textColumn()->setFocus();
        QTest::keyClick(w.focusWidget(), Qt::Key_F1);
        QCOMPARE(title, QStringLiteral("Help"));
    }

    void wheelNotchMovesTheTextThreeLines_data()
    {
        QTest::addColumn<int>("desktopLines");
        QTest::newRow("desktop wheel of one line") << 1;
        QTest::newRow("desktop wheel of seven lines") << 7;
    }

    void wheelNotchMovesTheTextThreeLines()
    {
        QFETCH(int, desktopLines);
        QApplication::setWheelScrollLines(desktopLines);
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({f.writeLines("long.txt", 300)})); // with space after each paragraph
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TextControl *text = w.textColumn();
        QWidget *view = text->findChild<QAbstractScrollArea *>()->viewport();
        const int top = view->mapTo(text, QPoint(0, 0)).y();
        const auto turn = [&](int angle) {
            QWheelEvent wheel(QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(view, &wheel);
            int firstShown = 0; // the first line whose top shows
            while (text->characterPosition(firstShown * 10).y() < top)
                ++firstShown;
            return firstShown;
        };
        QCOMPARE(turn(-120), 3);
        QCOMPARE(turn(-120), 6);
        QCOMPARE(turn(120), 3);
        QApplication::setWheelScrollLines(3);
    }

    void trayMenuReadsAsTheWriterSeesIt()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QCOMPARE(w.tray()->toolTip(), QStringLiteral("Calmdesk v1.12"));
        const QList<QAction *> items = w.tray()->menu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0)->text(), QStringLiteral("&Show Editor"));
        QCOMPARE(items.at(1)->text(), QStringLiteral("&Close Editor"));
    }

    void handedOverFileOpensAndTheValueIsEmptied()
    {
        MainWindowFixture f;
        const QString b = f.writeFile("b.txt", "beta");
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        f.setGeneral("fdf", "  " + b + " ");
        w.onOpenRequest();
        QCOMPARE(w.document()->curFile(), b);
        QCOMPARE(f.readGeneral("fdf"), QString());
        QVERIFY(f.store->valueExists(f.general(), "fdf"));
    }

    void handedOverMissingFileOpensNothing()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        f.setGeneral("fdf", f.folder() + "/gone.txt");
        w.onOpenRequest();
        QVERIFY(w.document()->curFile().isEmpty());
        QCOMPARE(f.readGeneral("fdf"), QString());
        QVERIFY(f.messages.shown.isEmpty());
    }

    void requestToEndDuringABoxClosesAsTheWriterWould()
    {
        MainWindowFixture f;
        TerminationWatcher watcher;
        QVERIFY(watcher.isActive());
        TfrmMain &w = f.window();
        connect(&watcher, &TerminationWatcher::terminationRequested, &w, &TfrmMain::requestClose);
        QSignalSpy closed(&w, &TfrmMain::closed);
        w.FormCreate({});
        typeInto(w, "Precious");
        // A request while the help card shows: the card goes, and the close asks first.
        const auto duringHelp = [&w](const std::function<void()> &request) {
            QTimer::singleShot(0, &w, request);
            QTest::keyClick(w.focusWidget(), Qt::Key_F1);
        };
        f.messages.answers = {Answer::Cancel};
        duringHelp([] { ::raise(SIGTERM); });
        QTRY_COMPARE(f.messages.shown.size(), 1);
        QTest::qWait(50);
        QVERIFY(w.isVisible() && !w.isClosing() && closed.isEmpty());
        // Nothing of the refused close stays behind: the tray's close asks again.
        f.messages.answers = {Answer::No};
        duringHelp([&w] { emit w.tray()->closeEditorRequested(); });
        QTRY_COMPARE(closed.size(), 1);
        QCOMPARE(f.messages.shown.size(), 2);
        QCOMPARE(f.messages.shown.last().text, kSaveQuestion);
    }

    void withoutATrayTheWindowGoesToTheTaskBar()
    {
        MainWindowFixture f;
        f.trayAvailable = false;
        TfrmMain &w = f.window();
        w.FormCreate({"/auto"});
        QTest::qWait(50); // a window bound for the tray hides from the event loop
        QVERIFY(w.isVisible() && w.isMinimized());
        w.showNormal();
        pressCtrl(w, Qt::Key_T);
        QVERIFY(w.isVisible() && w.isMinimized());
        w.showNormal();
        w.showMinimized();
        QTest::qWait(50);
        QVERIFY(w.isVisible() && w.isMinimized());
    }

    void desktopChangeLaysTheWindowOutAgain_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("a new style") << "style";
        QTest::newRow("a new font") << "font";
        QTest::newRow("new colours") << "palette";
    }

    void desktopChangeLaysTheWindowOutAgain()
    {
        QFETCH(QString, change);
        const QFont font = QApplication::font();
        const QPalette palette = QApplication::palette();
        g_scrollBarWidth = 16;
        QApplication::setStyle(new DesktopStyle);
        MainWindowFixture f;
        f.setGeneral("scrollbar", "0"); // the cover always stands over the scroll bar
        TfrmMain &w = f.window();
        w.FormCreate({});
        QWidget *cover = w.edgePanels()->scrollBarCover();
        QCOMPARE(cover->width(), 16);
        // A new desktop theme: the scroll bar's width changes with its style, font or colours.
        g_scrollBarWidth = 41;
        QPalette other = palette;
        other.setColor(QPalette::Button, Qt::darkRed);
        if (change == "style")
            QApplication::setStyle(new DesktopStyle);
        else if (change == "font")
            QApplication::setFont(QFont(font.family(), font.pointSize() + 3));
        else
            QApplication::setPalette(other);
        QTRY_COMPARE(cover->width(), 41);
        QApplication::setFont(font);
        QApplication::setPalette(palette);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void handOverAsksBeforeDroppingChanges()
    {
        MainWindowFixture f;
        const QString b = f.writeFile("b.txt", "beta");
        TfrmMain &w = f.window();
        QVERIFY(f.start({}));
        typeInto(w, "draft");
        f.setGeneral("fdf", b);
        f.messages.answers = {Answer::Cancel};
        w.onOpenRequest();
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(w.document()->curFile().isEmpty());
        QCOMPARE(w.textColumn()->text(), QStringLiteral("draft"));
    }
};

CALMDESK_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
