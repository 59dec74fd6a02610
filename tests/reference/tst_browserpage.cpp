// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page: made only when first shown, the history list as a writer works on it
// through its menu, and the real web engine loading a page from 127.0.0.1, recording it
// once and handing its selected text to the document.

#include "isolatedenvironment.h"
#include "loopbackhttpserver.h"
#include "reference/browserpage.h"
#include "reference/webview.h"
#include "reference/webviewloader.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

using namespace calmdesk;
using namespace calmdesk::test;

namespace {

// Stands in for the engine: remembers where it was sent and completes at once.
class FakeView : public QWidget, public WebView
{
public:
    FakeView(QWidget *parent, WebView::Events events)
        : QWidget(parent)
        , m_events(std::move(events))
    {}
    QWidget *widget() override { return this; }
    void goBack() override {}
    void goForward() override {}
    void reload() override {}
    void stop() override {}
    void navigate(const QString &address) override
    {
        visited << address;
        m_events.documentComplete();
    }
    QString location() const override { return visited.value(visited.size() - 1); }
    QString selectedText() const override { return selection; }

    QStringList visited;
    QString selection;

private:
    WebView::Events m_events;
};

class FakeFactory : public WebViewFactory
{
public:
    WebView *createView(QWidget *parent, WebView::Events events) override
    {
        made = new FakeView(parent, std::move(events));
        return made;
    }
    FakeView *made = nullptr;
};

QAction *menuItem(QMenu *menu, const QString &caption)
{
    for (QAction *action : menu->actions()) {
        if (action->isVisible() && action->text() == caption)
            return action;
    }
    return nullptr;
}

} // namespace

class TestBrowserPage : public QObject
{
    Q_OBJECT

    FakeFactory factory;
    std::unique_ptr<QWidget> page;
    BrowserPage *browser = nullptr;

    void makePage(BrowserPage::FactorySource source)
    {
        page = std::make_unique<QWidget>();
        browser = new BrowserPage(page.get(), std::move(source), page.get());
    }
    // Selects the entry and right-clicks it: the menu's commands then act on it.
    void rightClickEntry(int row)
    {
        browser->historyList()->setCurrentRow(row);
        browser->lstBiblioMouseUp(QPoint(0, 0));
        browser->historyMenu()->hide();
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        factory.made = nullptr;
        makePage([this](QString *) { return &factory; });
    }

    void theViewIsMadeWhenThePageIsFirstShown()
    {
        QVERIFY(!factory.made);
        page->show();
        QVERIFY(factory.made);
        QCOMPARE(factory.made->visited, QStringList{BrowserPage::homeAddress()});
        // The home page enters the history when it was visited, once.
        page->hide();
        page->show();
        QCOMPARE(factory.made->visited.size(), 1);
        QCOMPARE(browser->entries(), QStringList{BrowserPage::homeAddress()});
    }

    void withoutTheEngineThePageSaysSo()
    {
        makePage([](QString *error) {
            *error = QStringLiteral("The web browser is not installed.");
            return nullptr;
        });
        page->show();
        QVERIFY(!browser->webMain());
        QTRY_VERIFY(std::ranges::any_of(page->findChildren<QLabel *>(), [](QLabel *label) {
            return label->isVisible() && label->text() == "The web browser is not installed.";
        }));
        // "Insert" with no page collapses the document's selection and inserts nothing.
        QSignalSpy collapse(browser, &BrowserPage::collapseSelectionRequested);
        QSignalSpy insert(browser, &BrowserPage::insertRequested);
        browser->cmdCopyBClick();
        QCOMPARE(collapse.size(), 1);
        QCOMPARE(insert.size(), 0);
    }

    void historyMenuCommands()
    {
        QSignalSpy changed(browser, &BrowserPage::entriesChanged);
        browser->setEntries({"http://a.org/x", "http://a.org/y", "b.org"});
        QMenu *menu = browser->historyMenu();

        // No selection, no menu.
        browser->historyList()->clearSelection();
        browser->historyList()->setCurrentRow(-1);
        browser->lstBiblioMouseUp(QPoint(0, 0));
        QVERIFY(!menu->isVisible());

        rightClickEntry(0);
        QVERIFY(menuItem(menu, "Re&move All a.org entries"));
        menuItem(menu, "&Replace with a.org")->trigger();
        QCOMPARE(browser->entries(), (QStringList{"a.org", "http://a.org/y", "b.org"}));
        QCOMPARE(browser->historyList()->item(0)->text(), QStringLiteral("a.org"));

        // The host of an entry without slashes is the entry: all containing it go.
        rightClickEntry(0);
        menuItem(menu, "Re&move All a.org entries")->trigger();
        QCOMPARE(browser->entries(), QStringList{"b.org"});

        browser->addressBox()->setText(QStringLiteral("  Typed Address "));
        menuItem(menu, "&Add Current Address")->trigger();
        rightClickEntry(0);
        menuItem(menu, "Add http:// &prefix")->trigger();
        QCOMPARE(browser->entries(), (QStringList{"http://b.org", "Typed Address"}));

        // A command on an entry deleted meanwhile does nothing.
        rightClickEntry(1);
        menuItem(menu, "&Delete")->trigger();
        menuItem(menu, "&Delete")->trigger();
        QCOMPARE(browser->entries(), QStringList{"http://b.org"});
        QCOMPARE(changed.last().at(0).toStringList(), QStringList{"http://b.org"});

        QSignalSpy insert(browser, &BrowserPage::insertRequested);
        QSignalSpy append(browser, &BrowserPage::appendListRequested);
        rightClickEntry(0);
        menuItem(menu, "&Insert URL into Document")->trigger();
        menuItem(menu, "Append &List to Document")->trigger();
        QCOMPARE(insert.value(0).value(0).toString(), QStringLiteral("http://b.org"));
        QCOMPARE(append.value(0).value(0).toStringList(), QStringList{"http://b.org"});
    }

    void theRealEngineLoadsRecordsAndInserts()
    {
#if defined(__SANITIZE_ADDRESS__)
        // The engine is a Chromium with an allocator of its own, built without the
        // sanitizers: loaded into a sanitized program it reports its own allocations.
        QSKIP("the web engine does not run under the address sanitizer");
#endif
        qputenv("CALMDESK_WEBVIEW_DIR", qgetenv("CALMDESK_BINARY_DIR") + "/src/app");
        LoopbackHttpServer server;
        server.pages["/"] = "<html><body>home</body></html>";
        server.pages["/page.html"] =
            "<html><body><p id='p'>Quiet words from a loopback page.</p></body></html>";
        makePage(loadWebViewFactory);
        WebView *view = browser->webMain();
        QVERIFY(view);
        page->resize(600, 400);
        page->show();
        auto *engine = page->findChild<QWebEngineView *>();
        QVERIFY(engine);
        // The first showing went home; the loopback page is opened as a writer types it.
        QSignalSpy loaded(engine, &QWebEngineView::loadFinished);
        browser->addressBox()->setText(server.address("/page.html"));
        browser->cmdGoIEClick();
        QVERIFY(QTest::qWaitFor(
            [&] { return browser->entries().contains(server.address("/page.html")); }, 20000));
        engine->page()->triggerAction(QWebEnginePage::Reload);
        QVERIFY(loaded.wait(20000));
        QCOMPARE(browser->entries().count(server.address("/page.html")), 1);

        QSignalSpy insert(browser, &BrowserPage::insertRequested);
        engine->page()->runJavaScript(
            "window.getSelection().selectAllChildren(document.getElementById('p'))");
        QVERIFY(QTest::qWaitFor([&] { return !engine->selectedText().isEmpty(); }, 10000));
        browser->cmdCopyBClick();
        QCOMPARE(insert.value(0).value(0).toString(),
                 QStringLiteral("Quiet words from a loopback page."));
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    IsolatedEnvironment environment;
    QApplication app(argc, argv);
    TestBrowserPage tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_browserpage.moc"
