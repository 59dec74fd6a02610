// SPDX-License-Identifier: GPL-3.0-or-later
// Look-ups against a real HTTP server on 127.0.0.1: found, not found, failures, a server that
// never answers, a look-up replaced by the next, and a related topic followed.

#include "isolatedenvironment.h"
#include "loopbackhttpserver.h"
#include "platform/store/sqlitesettingsstore.h"
#include "platform/text/textcontrol.h"
#include "reference/pagefetcher.h"
#include "reference/referencespage.h"
#include "testmain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace calmdesk;
using namespace calmdesk::test;

namespace {

const QString kRoot = QStringLiteral("Software\\Osmira\\v11\\Settings");

const QByteArray kCatPage =
    "<html><p>Cats are <b>small</b> animals.</p><h2>x</h2>"
    "<p><a name=\"See_also\" id=\"See_also\"></a><a href=\"/wiki/Big%20Cat\" t>B</a><p>";

} // namespace

class TestReferencesPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackHttpServer> server;
    std::unique_ptr<QWidget> panel;
    ReferencesPage *refs = nullptr;

    // Waits for the result of the look-up under way.
    bool finished(int count = 1)
    {
        QSignalSpy done(refs, &ReferencesPage::lookupFinished);
        return QTest::qWaitFor([&] { return done.size() >= count; }, 10000);
    }
    QString shown() const { return refs->results()->text(); }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        server = std::make_unique<LoopbackHttpServer>();
        server->pages["/wiki/Cat"] = kCatPage;
        server->pages["/wiki/Big%20Cat"] = "<p>Lions.</p>";
        server->pages["/wiki/Zq"] = "This wiki does not yet have an article";
        // The encyclopedia's row pointed at the loopback server (its topic links and span
        // cutting stay built in).
        SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
        const QString key = kRoot + "\\refs5";
        const QStringList values{"Loopback",
                                 server->address("/wiki/%s"),
                                 "<p>",
                                 "</p>",
                                 "<h2>",
                                 "<p><a name=\"See_also\" id=\"See_also\"></a>",
                                 "",
                                 "",
                                 "does not yet have",
                                 ""};
        for (int m = 0; m < values.size(); ++m)
            store.regWriteString(key, QStringLiteral("ref%1").arg(m + 1), values.at(m));
        store.regWriteString(kRoot + "\\refs2", "ref1", "Gone"); // no address: not listed
        panel = std::make_unique<QWidget>();
        refs = new ReferencesPage(panel.get(), panel.get());
        refs->loadReferenceSources(store, kRoot);
        refs->sourceList()->setCurrentText("5. Loopback");
        refs->lstDictClick();
        refs->fetcher()->setLimits(PageFetcher::kDefaultMaxBytes, 500);
        panel->show();
    }
    void cleanup()
    {
        panel.reset();
        server.reset();
    }

    void foundPageShowsTheExtract()
    {
        QCOMPARE(refs->sourceList()->count(), 4);
        QCOMPARE(refs->currentSourceNumber(), 5);
        QSignalSpy shownPanel(refs, &ReferencesPage::showRequested);
        refs->lookupReference("Cat");
        QVERIFY(shown().contains("Searching..."));
        QCOMPARE(shownPanel.size(), 1);
        QVERIFY(finished());
        QVERIFY(shown().contains("Cats are small animals."));
        QVERIFY(shown().contains("Source:\r\n" + server->address("/wiki/Cat")));
        QVERIFY(shown().contains("Related topics:\r\nhttp://\u2026/Big Cat"));
        // Addresses a click acts on are drawn as links, the topic's whole line included;
        // the extract is not.
        const auto isLink = [this](const QString &text, int offset) {
            refs->results()->setCaret(int(shown().indexOf(text)) + offset);
            return refs->results()->caretAttributes().underline.value_or(UnderlineStyle::None) ==
                   UnderlineStyle::Single;
        };
        QVERIFY(isLink(server->address("/wiki/Cat"), 5));
        QVERIFY(isLink("Big Cat", 6));
        QVERIFY(!isLink("Cats are", 3));

        // A click on the related topic looks it up in turn.
        refs->results()->setCaret(int(shown().indexOf("Big Cat")) + 2);
        refs->txtDictMouseUp(Qt::LeftButton);
        QVERIFY(finished());
        QVERIFY(shown().contains("Lions."));
        QCOMPARE(refs->searchBox()->text(), "Big Cat");
    }

    void failuresShowTheNotFoundPage_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("silent");
        QTest::newRow("the source has no entry") << "Zq" << false;
        QTest::newRow("404") << "Nothing" << false;
        QTest::newRow("a server that never answers") << "Hang" << true;
    }
    void failuresShowTheNotFoundPage()
    {
        QFETCH(QString, word);
        QFETCH(bool, silent);
        if (silent)
            server->silent << "/wiki/Hang";
        // The window keeps running its events while the page is awaited.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(20);
        refs->lookupReference(word);
        QVERIFY(finished());
        QVERIFY(shown().contains("Not found\r\n\r\nThe specified item was not found in the "
                                 "selected location."));
        QVERIFY(shown().contains("Search the web:"));
        if (silent)
            QVERIFY(ticks > 5);
    }

    void aNewLookupReplacesTheOneUnderWay()
    {
        server->silent << "/wiki/Slow";
        refs->fetcher()->setLimits(PageFetcher::kDefaultMaxBytes, 5000);
        QSignalSpy done(refs, &ReferencesPage::lookupFinished);
        refs->lookupReference("Slow");
        refs->lookupReference("Cat");
        QVERIFY(QTest::qWaitFor([&] { return done.size() >= 1; }, 5000));
        QTest::qWait(200);
        QCOMPARE(done.size(), 1);
        QVERIFY(shown().contains("Cats are small animals."));
    }

    void blanksLookNothingUpAndInsertTakesTheSelection()
    {
        refs->searchBox()->setText("   ");
        refs->imgGotoClick();
        QVERIFY(refs->searchBox()->text().isEmpty());
        QVERIFY(server->requested.isEmpty());

        refs->lookupReference("Cat");
        QVERIFY(finished());
        QSignalSpy inserted(refs, &ReferencesPage::insertRequested);
        const int at = int(shown().indexOf("small"));
        refs->results()->select(at, 5);
        for (QPushButton *button : panel->findChildren<QPushButton *>()) {
            if (button->text() == "Insert")
                button->click();
        }
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.first().first().toString(), "small");
    }
};

CALMDESK_TEST_MAIN(TestReferencesPage)
#include "tst_referencespage.moc"
