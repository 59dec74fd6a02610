// SPDX-License-Identifier: GPL-3.0-or-later
// The document's list of visited pages: what a visit records, and what each history
// command leaves in the list.

#include "reference/webhistory.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

class TestWebHistory : public QObject
{
    Q_OBJECT

private slots:
    void visitsAreRecordedOnceInLowerCase_data()
    {
        QTest::addColumn<QStringList>("visits");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("same page twice, other case")
            << QStringList{"http://Example.org/A", " http://example.org/a "}
            << QStringList{"http://example.org/a"};
        QTest::newRow("order of first visit")
            << QStringList{"https://b.org/", "http://a.org/", "https://b.org/"}
            << QStringList{"https://b.org/", "http://a.org/"};
        QTest::newRow("local files, other schemes, too short")
            << QStringList{"file:///home/x.html", "about:blank", "http:", "ftp://a.org/",
                           "data:text/html,x"}
            << QStringList{};
        QTest::newRow("a single slash after http: counts")
            << QStringList{"http:/x"} << QStringList{"http:/x"};
    }
    void visitsAreRecordedOnceInLowerCase()
    {
        QFETCH(QStringList, visits);
        QStringList entries;
        for (const QString &visit : visits)
            addToHistory(entries, visit);
        QFETCH(QStringList, expected);
        QCOMPARE(entries, expected);
    }

    void hostOfAnEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("host");
        QTest::newRow("scheme, port, path") << "https://example.org:8080/a/b"
                                            << "example.org:8080";
        QTest::newRow("no scheme") << "example.org/path/more"
                                   << "example.org";
        QTest::newRow("own host") << "example.org"
                                  << "example.org";
        QTest::newRow("slashes after //") << "file:////srv/share/x"
                                          << "srv";
        QTest::newRow("blanks") << "  http:// host.org /x "
                                << "host.org";
        QTest::newRow("only slashes") << "///"
                                      << "";
    }
    void hostOfAnEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, host);
        QCOMPARE(urlHost(entry), host);
    }

    void commandsOnTheList()
    {
        QStringList entries{"http://a.org/", "http://a.org/page", "b.org", "http://b.org/x",
                            "http://c.org/"};
        removeContainingDuplicates(entries);
        // The site's start address stays, its page goes; "b.org" removes its page too.
        QCOMPARE(entries, (QStringList{"http://a.org/", "b.org", "http://c.org/"}));

        removeEntriesOf(entries, QStringLiteral("a.org"));
        QCOMPARE(entries, (QStringList{"b.org", "http://c.org/"}));
        removeEntriesOf(entries, QString());
        QCOMPARE(entries.size(), 2);

        QStringList same{"x", "x", "", ""};
        removeContainingDuplicates(same);
        // An empty entry contains nothing, and nothing else removes it.
        QCOMPARE(same, (QStringList{"x", "", ""}));

        QStringList prefixed{"b.org", "https://s.org", "httpx", "ftp://f.org", "mailto:m@x"};
        for (QString &entry : prefixed)
            addHttpPrefix(entry);
        QCOMPARE(prefixed, (QStringList{"http://b.org", "https://s.org", "httpx", "ftp://f.org",
                                        "http://mailto:m@x"}));

        QStringList sorted{"b", "C", "a", "B"};
        sortHistory(sorted);
        QCOMPARE(sorted, (QStringList{"a", "b", "B", "C"}));
    }
};

CALMDESK_TEST_MAIN_CORE(TestWebHistory)
#include "tst_webhistory.moc"
