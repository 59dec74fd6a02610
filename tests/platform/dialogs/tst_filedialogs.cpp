// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs/filedialogs.h"
#include "scripteddialogs.h"
#include "testmain.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::ScriptedMessageBoxes;

// Saving as "notes" in a folder that holds "notes.txt".
class TestFileDialogs : public QObject
{
    Q_OBJECT

    static QString inFolder(const QString &name)
    {
        return IsolatedEnvironment::current()->root() + "/" + name;
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        QFile notes(inFolder("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
    }

    void desktopsDialogAsksBeforeReplacing()
    {
        // A portal checks the name as typed ("notes" is free); the suffix comes after.
        QStringList typed{"notes", "notes", "other"};
        const auto portal = [&typed](const QString &) {
            return typed.isEmpty() ? QString() : inFolder(typed.takeFirst() + ".txt");
        };
        ScriptedMessageBoxes messages;
        messages.answers = {Answer::Cancel, Answer::No};
        QCOMPARE(askSavePath(portal, messages, QString()), QString()); // Cancel: no save
        QCOMPARE(askSavePath(portal, messages, QString()), inFolder("other.txt")); // No: again
        QCOMPARE(messages.shown.size(), 2);
    }

    void qtsOwnDialogAsksOnce()
    {
        ScriptedMessageBoxes messages;
        messages.answers = {Answer::Yes};
        QtFileDialogs dialogs(nullptr, messages);
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(QStringLiteral("notes"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(dialogs.savePath(inFolder("draft.txt")), inFolder("notes.txt"));
        QCOMPARE(messages.shown.size(), 1); // the program's, and none of Qt's own
    }
};

CALMDESK_TEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
