// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/pagefetcher.h"

#include "core/asciitext.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace calmdesk {

PageFetcher::PageFetcher(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{}

void PageFetcher::setLimits(qint64 maxBytes, int timeoutMs)
{
    m_maxBytes = maxBytes;
    m_timeoutMs = timeoutMs;
}

void PageFetcher::fetch(const QString &url)
{
    if (m_reply) {
        // The earlier look-up is replaced: its page never arrives.
        QNetworkReply *old = m_reply;
        m_reply = nullptr;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
    }
    m_bytes.clear();
    m_cutOff = false;
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(m_timeoutMs);
    QNetworkReply *reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, &PageFetcher::readAvailable);
    connect(reply, &QNetworkReply::finished, this, &PageFetcher::finish);
}

void PageFetcher::readAvailable()
{
    if (!m_reply)
        return;
    m_bytes += m_reply->read(m_maxBytes - m_bytes.size());
    if (m_bytes.size() >= m_maxBytes) {
        // Enough of a page: what came so far is used.
        m_cutOff = true;
        m_reply->abort();
    }
}

void PageFetcher::finish()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    readAvailable();
    const bool ok = reply->error() == QNetworkReply::NoError || m_cutOff;
    reply->deleteLater();
    emit fetched(ok ? asciiPageText(m_bytes) : QString());
}

QString asciiPageText(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray kept = nul >= 0 ? bytes.left(nul) : bytes;
    QString text;
    text.reserve(kept.size());
    for (const char byte : kept) {
        if (static_cast<unsigned char>(byte) < 128)
            text += QLatin1Char(byte);
    }
    return trimmed(text);
}

} // namespace calmdesk
