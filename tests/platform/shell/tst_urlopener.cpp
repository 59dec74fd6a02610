// SPDX-License-Identifier: GPL-3.0-or-later
// Folders and web addresses reach the desktop's opener as the right URLs.

#include "platform/shell/urlopener.h"
#include "testmain.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class RecordingOpener final : public calmdesk::UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened << url;
        return true;
    }
    QList<QUrl> opened;
};

} // namespace

// Stands in for the browser: QDesktopServices hands http and https addresses here.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> received;

public slots:
    void showUrl(const QUrl &url) { received << url; }
};

class TestUrlOpener : public QObject
{
    Q_OBJECT

private slots:
    void foldersBecomeLocalFileUrls_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QUrl>("url");

        QTest::newRow("plain") << QStringLiteral("/home/me/Diary")
                               << QUrl(QStringLiteral("file:///home/me/Diary"));
        QTest::newRow("trailing separator")
            << QStringLiteral("/home/me/Diary/") << QUrl(QStringLiteral("file:///home/me/Diary"));
        QTest::newRow("blanks around are trimmed") << QStringLiteral("  /home/me/Diary \t")
                                                   << QUrl(QStringLiteral("file:///home/me/Diary"));
        QTest::newRow("space and hash are part of the name")
            << QStringLiteral("/home/me/My #1 Novel")
            << QUrl::fromLocalFile(QStringLiteral("/home/me/My #1 Novel"));
    }

    void foldersBecomeLocalFileUrls()
    {
        QFETCH(QString, path);
        QFETCH(QUrl, url);
        RecordingOpener opener;
        QVERIFY(calmdesk::openFolder(path, opener));
        QCOMPARE(opener.opened, QList<QUrl>{url});
        QCOMPARE(opener.opened.first().toLocalFile(), url.toLocalFile());
    }

    void emptyFolderOpensNothing()
    {
        RecordingOpener opener;
        QVERIFY(!calmdesk::openFolder(QStringLiteral("   "), opener));
        QVERIFY(opener.opened.isEmpty());
    }

    void webAddressesBecomeWebUrls_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("url");

        QTest::newRow("full address") << QStringLiteral("http://example.com/a?b=c")
                                      << QUrl(QStringLiteral("http://example.com/a?b=c"));
        QTest::newRow("secure address") << QStringLiteral("https://example.com/")
                                        << QUrl(QStringLiteral("https://example.com/"));
        QTest::newRow("bare host gets http")
            << QStringLiteral("www.example.com") << QUrl(QStringLiteral("http://www.example.com"));
        QTest::newRow("blanks around are trimmed") << QStringLiteral(" http://example.com/ \n")
                                                   << QUrl(QStringLiteral("http://example.com/"));
    }

    void webAddressesBecomeWebUrls()
    {
        QFETCH(QString, address);
        QFETCH(QUrl, url);
        RecordingOpener opener;
        QVERIFY(calmdesk::openWebAddress(address, opener));
        QCOMPARE(opener.opened, QList<QUrl>{url});
    }

    void emptyWebAddressOpensNothing()
    {
        RecordingOpener opener;
        QVERIFY(!calmdesk::openWebAddress(QString(), opener));
        QVERIFY(!calmdesk::openWebAddress(QStringLiteral(" \t"), opener));
        QVERIFY(opener.opened.isEmpty());
    }

    void desktopOpenerHandsWebAddressesToTheBrowser()
    {
        BrowserStandIn browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "showUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "showUrl");

        QVERIFY(calmdesk::openWebAddress(QStringLiteral("www.example.com/page")));
        QVERIFY(calmdesk::openWebAddress(QStringLiteral("https://example.org/x")));

        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.received, QList<QUrl>({QUrl(QStringLiteral("http://www.example.com/page")),
                                                QUrl(QStringLiteral("https://example.org/x"))}));
    }
};

CALMDESK_TEST_MAIN(TestUrlOpener)

#include "tst_urlopener.moc"
