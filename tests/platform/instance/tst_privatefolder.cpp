// SPDX-License-Identifier: GPL-3.0-or-later
// The folder that holds the instance lock and socket must be this user's alone.

#include "platform/instance/privatefolder.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions kOpenToAll = kOwnerOnly | QFileDevice::ReadGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::ExeOther;
// An account that is surely not ours.
constexpr uid_t kOtherUser = 65534;

enum class Setup { Missing, OpenToAll, AlreadyPrivate, LinkToPrivate, FileInTheWay };

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestPrivateFolder : public QObject
{
    Q_OBJECT

private:
    static QString root() { return calmdesk::test::IsolatedEnvironment::current()->root(); }

private slots:
    void init() { calmdesk::test::IsolatedEnvironment::current()->reset(); }

    void folderIsMadePrivateOrRefused_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("missing folder is created closed") << Setup::Missing << true;
        QTest::newRow("folder open to all is closed") << Setup::OpenToAll << true;
        QTest::newRow("private folder is taken as it is") << Setup::AlreadyPrivate << true;
        QTest::newRow("symbolic link is refused") << Setup::LinkToPrivate << false;
        QTest::newRow("a file in the way is refused") << Setup::FileInTheWay << false;
    }

    void folderIsMadePrivateOrRefused()
    {
        QFETCH(Setup, setup);
        QFETCH(bool, accepted);
        const QString path = root() + QStringLiteral("/instance");
        switch (setup) {
        case Setup::Missing:
            break;
        case Setup::OpenToAll:
            QVERIFY(QDir().mkdir(path, kOpenToAll));
            break;
        case Setup::AlreadyPrivate:
            QVERIFY(QDir().mkdir(path, kOwnerOnly));
            break;
        case Setup::LinkToPrivate: {
            const QString target = root() + QStringLiteral("/target");
            QVERIFY(QDir().mkdir(target, kOwnerOnly));
            QVERIFY(QFile::link(target, path));
            break;
        }
        case Setup::FileInTheWay: {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            break;
        }
        }

        QCOMPARE(calmdesk::ensurePrivateFolder(path), accepted);
        if (accepted) {
            const QFileInfo info(path);
            QVERIFY(info.isDir());
            QCOMPARE(info.permissions() &
                         ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
                     kOwnerOnly);
        }
    }

    void anotherUsersFolderIsRefused()
    {
        if (geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        const QString path = root() + QStringLiteral("/theirs");
        QVERIFY(QDir().mkdir(path, kOwnerOnly));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser), 0);
        QVERIFY(!calmdesk::ensurePrivateFolder(path));
    }

    void emptyPathIsRefused() { QVERIFY(!calmdesk::ensurePrivateFolder(QString())); }

    void runtimeFolderIsTheSessionOne()
    {
        QCOMPARE(calmdesk::privateRuntimeFolder(),
                 calmdesk::test::IsolatedEnvironment::current()->runtimeDir());
    }
};

CALMDESK_TEST_MAIN_CORE(TestPrivateFolder)

#include "tst_privatefolder.moc"
