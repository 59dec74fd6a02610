// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page's view on Qt's web engine, built as a module the program loads the
// first time the page is shown.

#include "reference/webview.h"

#include <QObject>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace calmdesk {

namespace {

// Pages speak only through the view: no alert, question or prompt boxes of their own, and
// a new window only when the view agrees (the writer holds Ctrl).
class QuietPage : public QWebEnginePage
{
public:
    QuietPage(QWebEngineProfile *profile, const WebView::Events &events, QObject *parent)
        : QWebEnginePage(profile, parent)
        , m_events(events)
    {}

protected:
    QWebEnginePage *createWindow(WebWindowType) override
    {
        if (!m_events.newWindowRequested || !m_events.newWindowRequested())
            return nullptr;
        // The new window is the desktop's browser: a page of our own only learns the
        // address, hands it on and goes.
        auto *carrier = new QWebEnginePage(profile(), this);
        connect(carrier, &QWebEnginePage::urlChanged, carrier, [this, carrier](const QUrl &url) {
            if (url.isEmpty())
                return;
            if (m_events.newWindowOpened)
                m_events.newWindowOpened(url.toString());
            carrier->deleteLater();
        });
        return carrier;
    }
    void javaScriptAlert(const QUrl &, const QString &) override {}
    bool javaScriptConfirm(const QUrl &, const QString &) override { return false; }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override
    {
        return false;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int,
                                  const QString &) override
    {}

private:
    WebView::Events m_events;
};

class EngineView : public QWebEngineView, public WebView
{
public:
    EngineView(QWidget *parent, const WebView::Events &events)
        : QWebEngineView(parent)
        // Kept in memory only: no cookies, cache or visited pages reach the disk.
        , m_profile(new QWebEngineProfile(this))
        , m_page(new QuietPage(m_profile, events, this))
    {
        setPage(m_page);
        connect(page(), &QWebEnginePage::linkHovered, this, [events](const QString &link) {
            if (events.statusTextChanged)
                events.statusTextChanged(link);
        });
        connect(page(), &QWebEnginePage::loadStarted, this, [events] {
            if (events.progressChanged)
                events.progressChanged(0, 100);
        });
        connect(page(), &QWebEnginePage::loadProgress, this, [events](int progress) {
            if (events.progressChanged)
                events.progressChanged(progress, 100);
        });
        connect(page(), &QWebEnginePage::loadFinished, this, [events](bool ok) {
            if (events.progressChanged)
                events.progressChanged(0, 0);
            if (ok && events.documentComplete)
                events.documentComplete();
        });
    }

    // The page goes before the profile it runs in.
    ~EngineView() override { delete m_page; }

    QWidget *widget() override { return this; }
    void goBack() override { back(); }
    void goForward() override { forward(); }
    void reload() override { QWebEngineView::reload(); }
    void stop() override { QWebEngineView::stop(); }
    void navigate(const QString &address) override { load(QUrl(address)); }
    QString location() const override { return url().toString(); }
    QString selectedText() const override { return QWebEngineView::selectedText(); }

private:
    QWebEngineProfile *m_profile;
    QuietPage *m_page;
};

} // namespace

class WebEngineViewFactory : public QObject, public WebViewFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CalmdeskWebViewFactory_iid)
    Q_INTERFACES(calmdesk::WebViewFactory)

public:
    WebView *createView(QWidget *parent, WebView::Events events) override
    {
        return new EngineView(parent, events);
    }
};

} // namespace calmdesk

#include "webengineview.moc"
