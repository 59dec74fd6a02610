// SPDX-License-Identifier: GPL-3.0-or-later
// The backup point, the automatic saves, the crash-recovery copy at start-up, and a
// document's file changed by another program.

#include "document/crashrecovery.h"
#include "document/recoveryfile.h"
#include "document/safetynets.h"
#include "filehelpers.h"
#include "handlerfixture.h"
#include "settings/settings.h"
#include "testmain.h"

#include <QFile>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace calmdesk;
using namespace calmdesk::test;

namespace {

const QString kRestoreQuestion =
    QStringLiteral("Are you sure you want to restore the last back-up point? | "
                   "Restore Confirmation | question | YesNoCancel");

Settings nets(bool restpar, bool restmin, bool savepar, bool savemin)
{
    Settings s;
    s.restpar = restpar;
    s.restmin = restmin;
    s.savepar = savepar;
    s.savemin = savemin;
    return s;
}

} // namespace

class TestSafetyNets : public QObject
{
    Q_OBJECT

    std::unique_ptr<HandlerFixture> f;
    std::unique_ptr<SafetyNets> safety;

    static QString path(const QString &name) { return HandlerFixture::folder() + name; }
    QString helpText() const { return statusLabel(f->pctStatus, "lblHelp")->text(); }

    void openDocument(const QByteArray &bytes)
    {
        QVERIFY(writeBytes(path("a.txt"), bytes));
        QVERIFY(f->handler.openDocument(path("a.txt")));
    }
    // Enter as the key filter reports it: the nets first, then the break goes in.
    void pressEnter()
    {
        safety->paragraphEnding();
        f->type("\r\n");
        QCoreApplication::processEvents();
    }
    // Another program writes the file: other bytes, a later time, a new file in its place.
    static void changeOnDisk(const QString &file, const QByteArray &bytes)
    {
        const QString other = file + ".new";
        QVERIFY(writeBytes(other, bytes));
        QFile::remove(file);
        QVERIFY(QFile::rename(other, file));
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        f = std::make_unique<HandlerFixture>();
        safety = std::make_unique<SafetyNets>(
            &f->handler, f->pctStatus, f->messages, [](bool withSeconds) {
                return withSeconds ? QStringLiteral("14:05:09") : QStringLiteral("14:05");
            });
    }
    void cleanup()
    {
        safety.reset();
        f.reset();
    }

    void restoreSwapsTheTextWithTheBackupPoint_data()
    {
        QTest::addColumn<bool>("pointTaken");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("afterOne");
        QTest::addColumn<QString>("afterTwo");
        QTest::newRow("no point yet: empties, then brings back")
            << false << Answer::Yes << QString() << "draft\r\nmore";
        QTest::newRow("point taken: swaps both ways") << true << Answer::Yes << "draft"
                                                      << "draft\r\nmore";
        QTest::newRow("No keeps the text") << true << Answer::No << "draft\r\nmore"
                                           << "draft\r\nmore";
    }
    void restoreSwapsTheTextWithTheBackupPoint()
    {
        QFETCH(bool, pointTaken);
        QFETCH(Answer, answer);
        QFETCH(QString, afterOne);
        QFETCH(QString, afterTwo);
        f->type("draft");
        if (pointTaken)
            safety->mnuSaveRestoreClick();
        f->type("\r\nmore");
        f->txtMain->addMark(0, 5, MarkKind::SpellingError);

        f->messages.answers << answer << answer;
        safety->mnuRestoreClick();
        QCOMPARE(f->txtMain->text(), afterOne);
        QCOMPARE(f->messagesShown().first(), kRestoreQuestion);
        if (answer == Answer::Yes)
            QVERIFY(f->txtMain->marks(MarkKind::SpellingError).isEmpty());
        safety->mnuRestoreClick();
        QCOMPARE(f->txtMain->text(), afterTwo);
    }

    void paragraphEndSavesTheTextWithoutTheNewBreak()
    {
        openDocument("old");
        safety->applySettings(nets(true, false, true, false));
        f->type(" more");

        pressEnter();

        QCOMPARE(readBytes(path("a.txt")), "old more");
        QCOMPARE(f->handler.backupText(), "old more");
        QCOMPARE(f->txtMain->text(), "old more\r\n");
        // The note follows the break, which would otherwise replace it at once.
        QCOMPARE(helpText(), "Auto-saved at 14:05");
        QVERIFY(f->messages.shown.isEmpty());
    }

    void paragraphEndSaveOfAnUntitledDocumentAsksForANameEachTime()
    {
        safety->applySettings(nets(false, false, true, false));
        f->type("untitled");
        pressEnter();
        pressEnter();
        QCOMPARE(f->dialogs.saveCount, 2);
        QVERIFY(!helpText().startsWith("Auto-saved"));

        f->dialogs.paths << path("named.txt");
        pressEnter();
        QCOMPARE(readBytes(path("named.txt")), "untitled\n\n");
        pressEnter();
        QCOMPARE(f->dialogs.saveCount, 3);
    }

    void timedActionsStartWithTheFirstOpen_data()
    {
        QTest::addColumn<bool>("restmin");
        QTest::addColumn<bool>("savemin");
        QTest::newRow("both") << true << true;
        QTest::newRow("backup point only") << true << false;
        QTest::newRow("save only") << false << true;
    }
    void timedActionsStartWithTheFirstOpen()
    {
        QFETCH(bool, restmin);
        QFETCH(bool, savemin);
        safety->applySettings(nets(false, restmin, false, savemin));
        connect(&f->handler, &DocumentHandler::documentOpened, safety.get(),
                &SafetyNets::restartTimedActions);
        // A new document saved under a name is no open.
        f->type("new");
        f->dialogs.paths << path("new.txt");
        QVERIFY(f->handler.saveDocument(false));
        QVERIFY(!safety->timedActionsTimer()->isActive());

        openDocument("opened");
        QVERIFY(safety->timedActionsTimer()->isActive());
        QCOMPARE(safety->timedActionsTimer()->interval(), 600000);
        f->type(" typed");
        safety->tmrTimerTimer();

        QCOMPARE(f->handler.backupText(), restmin ? "opened typed" : "new");
        QCOMPARE(readBytes(path("a.txt")), savemin ? "opened typed" : "opened");
        QCOMPARE(helpText() == "Auto-saved at 14:05:09", savemin);
    }

    void recoveryCopyAtStart_data()
    {
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("recovered");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << QByteArray() << false << false << QString();
        QTest::newRow("text") << QByteArray("lost\nwords") << true << true << "lost\r\nwords";
        QTest::newRow("blanks: loaded, nothing to tell")
            << QByteArray("  \n ") << true << false << "  \r\n ";
    }
    void recoveryCopyAtStart()
    {
        QFETCH(QByteArray, copy);
        QFETCH(bool, exists);
        QFETCH(bool, recovered);
        QFETCH(QString, shown);
        const QString file = RecoveryFile::defaultPath();
        if (exists) {
            QVERIFY(QDir().mkpath(QFileInfo(file).path()));
            QVERIFY(writeBytes(file, copy));
        }
        CrashRecovery recovery(f->txtMain, file);
        QCOMPARE(recovery.restoreAtStart(), recovered);
        QCOMPARE(f->txtMain->text(), shown);
        // Left for the next write to replace: a second crash offers the newer text.
        QCOMPARE(QFileInfo::exists(file), exists);
        f->type(" newer");
        recovery.writeCopy();
        recovery.file().flush();
        QCOMPARE(readBytes(file), QString(shown + " newer").replace("\r\n", "\n").toUtf8());
        recovery.removeCopy();
        QVERIFY(!QFileInfo::exists(file));
    }

    void recoveryCopyKeepsTheNewestTextForItsOwnerAlone()
    {
        // A fresh user: not even the state folder exists yet.
        RecoveryFile copy(RecoveryFile::defaultPath());
        for (int i = 0; i < 50; ++i)
            copy.write({QString::number(i), "end"}, {ParagraphEnd::CrLf});
        copy.flush();
        QCOMPARE(readBytes(copy.path()), "49\r\nend");
        const auto othersMay = QFileDevice::ReadGroup | QFileDevice::ReadOther |
                               QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QCOMPARE(QFileInfo(copy.path()).permissions() & othersMay, 0);
        QCOMPARE(QFileInfo(QFileInfo(copy.path()).path()).permissions() & othersMay, 0);

        // A write queued before a normal close never brings the copy back.
        copy.write({"late"}, {});
        copy.remove();
        copy.flush();
        QVERIFY(!QFileInfo::exists(copy.path()));
    }

    void saveAsksBeforeReplacingAFileChangedOnDisk()
    {
        openDocument("mine");
        f->type(" edited");
        changeOnDisk(path("a.txt"), "theirs");

        f->messages.answers << Answer::No;
        QVERIFY(!f->handler.saveDocument(false));
        QCOMPARE(readBytes(path("a.txt")), "theirs");
        QVERIFY(!f->handler.isSaved());
        QVERIFY(f->messagesShown().first().contains("| Replace Confirmation |"));

        f->messages.answers << Answer::Yes;
        QVERIFY(f->handler.saveDocument(false));
        QCOMPARE(readBytes(path("a.txt")), "mine edited");
        // The editor's own save is no change: the next one asks nothing.
        f->type("!");
        QVERIFY(f->handler.saveDocument(false));
        QCOMPARE(f->messages.shown.size(), 2);
    }

    void automaticSavesSkipAChangedFileAndSaySoOnce()
    {
        openDocument("mine");
        safety->applySettings(nets(false, false, true, true));
        changeOnDisk(path("a.txt"), "theirs");
        f->type(" edited");

        pressEnter();
        QCOMPARE(helpText(), "Not auto-saved: the file was changed on disk");
        f->pctStatus->showHelpText("Press F1 for Help.");
        pressEnter();
        safety->tmrTimerTimer();
        QCOMPARE(helpText(), "Press F1 for Help.");
        QCOMPARE(readBytes(path("a.txt")), "theirs");
        QVERIFY(f->messages.shown.isEmpty());
    }

    void theFocusTellsOfAChangeOnDiskOnce_data()
    {
        QTest::addColumn<bool>("removed");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("saved");
        QTest::newRow("changed, reloaded") << false << Answer::Yes << "theirs" << true;
        QTest::newRow("changed, text kept") << false << Answer::No << "mine" << false;
        QTest::newRow("removed") << true << Answer::Ok << "mine" << false;
    }
    void theFocusTellsOfAChangeOnDiskOnce()
    {
        QFETCH(bool, removed);
        QFETCH(Answer, answer);
        QFETCH(QString, shown);
        QFETCH(bool, saved);
        openDocument("mine");
        f->handler.checkDiskChanges();
        QVERIFY(f->messages.shown.isEmpty());
        if (removed)
            QVERIFY(QFile::remove(path("a.txt")));
        else
            changeOnDisk(path("a.txt"), "theirs");

        f->messages.answers << answer;
        f->handler.checkDiskChanges();
        f->handler.checkDiskChanges();
        QCOMPARE(f->messages.shown.size(), 1);
        QCOMPARE(f->txtMain->text(), shown);
        QCOMPARE(f->handler.isSaved(), saved);
        if (answer == Answer::Yes)
            QCOMPARE(f->handler.backupText(), "mine");
        // Removed: saving writes the file again without asking.
        if (removed) {
            QVERIFY(f->handler.saveDocument(false));
            QCOMPARE(readBytes(path("a.txt")), "mine");
        }
    }
};

CALMDESK_TEST_MAIN(TestSafetyNets)
#include "test_safetynets.moc"
