// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>

class QNetworkAccessManager;

namespace calmdesk {

// Downloads a look-up's page in the background. A page comes from anywhere: it is read as
// 7-bit text only (cut at the first NUL byte, every byte of 128 or more dropped), cut off
// past a few megabytes, and given up after a timeout. A new fetch replaces a running one.
class PageFetcher : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 kDefaultMaxBytes = 4 * 1024 * 1024;
    static constexpr int kDefaultTimeoutMs = 20000;

    explicit PageFetcher(QObject *parent = nullptr);

    void setLimits(qint64 maxBytes, int timeoutMs);
    void fetch(const QString &url);
    bool isFetching() const { return m_reply != nullptr; }

signals:
    // The page, trimmed; empty when the download failed, timed out or was empty.
    void fetched(const QString &page);

private:
    void readAvailable();
    void finish();

    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_bytes;
    qint64 m_maxBytes = kDefaultMaxBytes;
    int m_timeoutMs = kDefaultTimeoutMs;
    bool m_cutOff = false;
};

// The bytes of a page as the look-up reads them: up to the first NUL, 7-bit only, trimmed.
QString asciiPageText(const QByteArray &bytes);

} // namespace calmdesk
