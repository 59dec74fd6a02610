// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace calmdesk {

// The page view of the browser page. The web engine is large: it lives in a module of
// its own, loaded the first time the browser page is shown, so a writer who never opens
// it pays nothing for it at start-up. This is what the page asks of it.
class WebView
{
public:
    // What the view tells the page. Each may be left empty.
    struct Events
    {
        std::function<void(const QString &)> statusTextChanged;
        // Progress of the current download, out of `maximum`; both 0 when it stopped.
        std::function<void(int progress, int maximum)> progressChanged;
        // A page asks for a window of its own; true lets it open, in the desktop's web
        // browser, once its address is known.
        std::function<bool()> newWindowRequested;
        std::function<void(const QString &address)> newWindowOpened;
        // The top-level page finished loading.
        std::function<void()> documentComplete;
    };

    virtual ~WebView() = default;

    virtual QWidget *widget() = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void reload() = 0;
    virtual void stop() = 0;
    // The address as typed: no scheme is added.
    virtual void navigate(const QString &address) = 0;
    // The top-level page's address.
    virtual QString location() const = 0;
    // The text selected in the page; empty when there is none.
    virtual QString selectedText() const = 0;
};

class WebViewFactory
{
public:
    virtual ~WebViewFactory() = default;
    // A view inside `parent`; the view is its widget, which `parent` owns.
    virtual WebView *createView(QWidget *parent, WebView::Events events) = 0;
};

} // namespace calmdesk

#define CalmdeskWebViewFactory_iid "org.calmdesk.WebViewFactory/1"
Q_DECLARE_INTERFACE(calmdesk::WebViewFactory, CalmdeskWebViewFactory_iid)
