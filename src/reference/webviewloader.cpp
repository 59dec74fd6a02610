// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/webviewloader.h"

#include "reference/webview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QSurfaceFormat>

// The toolkit's own hook for the shared context, exported by QtGui.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();

namespace calmdesk {

namespace {

const QString kModuleName = QStringLiteral("calmdesk-webview.so");

// The engine draws through a graphics context shared with the window's. Asked for when
// the application starts, such a context loads the system's OpenGL stack at every start
// (about 60 MiB and a quarter of a second under a software renderer); made here, only a
// writer who opens the browser pays for it. This is what the application would have made.
void shareGraphicsContexts()
{
    if (qt_gl_global_share_context())
        return;
    auto *shared = new QOpenGLContext(qApp);
    shared->setFormat(QSurfaceFormat::defaultFormat());
    shared->create();
    qt_gl_set_global_share_context(shared);
}

} // namespace

QStringList webViewModuleCandidates()
{
    const QString chosen = qEnvironmentVariable("CALMDESK_WEBVIEW_DIR");
    if (!chosen.isEmpty())
        return {chosen + QLatin1Char('/') + kModuleName};
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The installed module folder, as seen from the installed program's folder.
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/') +
                                              QLatin1String(CALMDESK_MODULES_FROM_PROGRAM));
    return {programFolder + QLatin1Char('/') + kModuleName,
            installed + QLatin1Char('/') + kModuleName};
}

WebViewFactory *loadWebViewFactory(QString *error)
{
    QString reason =
        QCoreApplication::translate("calmdesk::WebView", "The web browser is not installed.");
    for (const QString &path : webViewModuleCandidates()) {
        if (!QFileInfo(path).isFile())
            continue;
        shareGraphicsContexts();
        // The loader object may go: the module stays loaded while its instance lives.
        QPluginLoader loader(path);
        if (auto *factory = qobject_cast<WebViewFactory *>(loader.instance()))
            return factory;
        reason = loader.errorString();
    }
    if (error)
        *error = reason;
    return nullptr;
}

} // namespace calmdesk
