// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/storenotices.h"
#include "platform/store/sqlitesettingsstore.h"
#include "refusingfiles.h"
#include "testmain.h"

#include <QTest>
#include <QTextStream>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::RefusingFiles;

// What the writer is told about a settings file that can be read but not written, or
// not read at all (a damaged one: tst_mainwindow, tst_console_commands).
class TestStoreNotices : public QObject
{
    Q_OBJECT

private slots:
    void init() { IsolatedEnvironment::current()->reset(); }

    void fileThatCannotBeWrittenOrRead_data()
    {
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("says");
        QTest::newRow("read-only: changes are not kept")
            << int(RefusingFiles::Refusal::Writing) << "can be read but not written";
        QTest::newRow("unreadable: defaults, changes are not kept")
            << int(RefusingFiles::Refusal::Reading) << "unable to open";
    }
    void fileThatCannotBeWrittenOrRead()
    {
        QFETCH(int, refusal);
        QFETCH(QString, says);
        const QString path = SqliteSettingsStore::defaultPath();
        SqliteSettingsStore(path).regWriteString(QStringLiteral("general"), QStringLiteral("width"),
                                                 QStringLiteral("80"));
        RefusingFiles files(path, RefusingFiles::Refusal(refusal));
        SqliteSettingsStore store(path, files);
        const QList<Message> notices = storeNotices(store);

        QCOMPARE(notices.size(), 1);
        const Message &notice = notices.constFirst();
        QCOMPARE(notice.icon, Message::Icon::Error);
        QVERIFY(!notice.caption.isEmpty());
        QVERIFY2(notice.text.contains(path) && notice.text.contains(says), qPrintable(notice.text));
        // Without a window the same words go to standard error.
        QString err;
        QTextStream stream(&err);
        printStoreNotices(notices, stream);
        QCOMPARE(err, QStringLiteral("calmdesk: ") + notice.text + QLatin1Char('\n'));
    }
};

CALMDESK_TEST_MAIN_CORE(TestStoreNotices)
#include "tst_storenotices.moc"
