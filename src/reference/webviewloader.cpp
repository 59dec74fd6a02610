#include "reference/webviewloader.h"

#include "reference/webview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace calmdesk {

namespace {

const QString kModuleName = QStringLiteral("calmdesk-webview.so");

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
