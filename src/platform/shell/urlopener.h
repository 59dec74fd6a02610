// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QUrl;

namespace calmdesk {

// Hands an address to whatever the desktop opens it with. Callers take it by reference so
// tests can substitute one that records instead.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QUrl &url) = 0;
};

// The desktop's own opener (QDesktopServices).
UrlOpener &desktopUrlOpener();

// Shows a folder in the file manager. False for an empty path or when nothing opened it.
bool openFolder(const QString &path, UrlOpener &opener = desktopUrlOpener());

// Opens a web address in the default browser; "www.example.com" gets the http scheme.
// False for an empty or unusable address.
bool openWebAddress(const QString &address, UrlOpener &opener = desktopUrlOpener());

} // namespace calmdesk
