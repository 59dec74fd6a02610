#include "app/entry/storenotices.h"
#include "platform/store/sqlitesettingsstore.h"
#include "refusingfiles.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTextStream>

#include <memory>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::RefusingFiles;

namespace {

enum class FileState { Sound, Damaged, ReadOnly, Unreadable };

QString dbPath()
{
    return SqliteSettingsStore::defaultPath();
}

void writeGarbage()
{
    QFile file(dbPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("not a database").repeated(100));
}

} // namespace

// What the writer is told about the settings file at start-up, and what is not said.
class TestStoreNotices : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        QVERIFY(QDir().mkpath(QFileInfo(dbPath()).absolutePath()));
    }

    void noticeForEachState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("namesTheSetAsideFile");
        QTest::newRow("a sound file: nothing is said") << int(FileState::Sound) << -1 << false;
        QTest::newRow("a damaged file: where it went")
            << int(FileState::Damaged) << int(Message::Icon::Information) << true;
        QTest::newRow("a read-only file: changes are not kept")
            << int(FileState::ReadOnly) << int(Message::Icon::Error) << false;
        QTest::newRow("an unreadable file: defaults, changes are not kept")
            << int(FileState::Unreadable) << int(Message::Icon::Error) << false;
    }
    void noticeForEachState()
    {
        QFETCH(int, state);
        QFETCH(int, icon);
        QFETCH(bool, namesTheSetAsideFile);
        SqliteSettingsStore(dbPath()).regWriteString(QStringLiteral("general"),
                                                     QStringLiteral("width"), QStringLiteral("80"));
        std::unique_ptr<RefusingFiles> files;
        if (FileState(state) == FileState::Damaged)
            writeGarbage();
        if (FileState(state) == FileState::ReadOnly)
            files = std::make_unique<RefusingFiles>(dbPath(), RefusingFiles::Refusal::Writing);
        if (FileState(state) == FileState::Unreadable)
            files = std::make_unique<RefusingFiles>(dbPath(), RefusingFiles::Refusal::Reading);
        SqliteSettingsStore store(dbPath(), files ? *files : StoreFiles::system());
        const QList<Message> notices = storeNotices(store);

        if (icon < 0) {
            QVERIFY(notices.isEmpty());
            return;
        }
        QCOMPARE(notices.size(), 1);
        const Message &notice = notices.constFirst();
        QCOMPARE(int(notice.icon), icon);
        QCOMPARE(notice.buttons, Message::Buttons::Ok);
        QVERIFY(!notice.caption.isEmpty());
        const QString named = namesTheSetAsideFile ? store.setAsidePath() : dbPath();
        QVERIFY2(notice.text.contains(named), qPrintable(notice.text));

        // Without a window the same words go to standard error.
        QString err;
        QTextStream stream(&err);
        printStoreNotices(notices, stream);
        QCOMPARE(err, QStringLiteral("calmdesk: ") + notice.text + QLatin1Char('\n'));
    }
};

CALMDESK_TEST_MAIN_CORE(TestStoreNotices)
#include "tst_storenotices.moc"
