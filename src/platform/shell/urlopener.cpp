// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell/urlopener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace calmdesk {

namespace {

class DesktopUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

} // namespace

UrlOpener &desktopUrlOpener()
{
    static DesktopUrlOpener opener;
    return opener;
}

bool openFolder(const QString &path, UrlOpener &opener)
{
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty())
        return false;
    return opener.open(QUrl::fromLocalFile(QDir::cleanPath(trimmed)));
}

bool openWebAddress(const QString &address, UrlOpener &opener)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return false;
    const QUrl url = QUrl::fromUserInput(trimmed);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return opener.open(url);
}

} // namespace calmdesk
