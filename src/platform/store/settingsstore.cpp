// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/settingsstore.h"

#include "core/asciitext.h"

namespace calmdesk {

SettingsStore::~SettingsStore() = default;

QString SettingsStore::regReadNumberText(const QString &key, const QString &name) const
{
    const QString text = trimmed(regReadString(key, name));
    return text.isEmpty() ? QStringLiteral("0") : text;
}

StoreBatch::StoreBatch(SettingsStore &store)
    : m_store(store)
    , m_active(store.beginBatch())
{}

StoreBatch::~StoreBatch()
{
    if (m_active)
        m_store.rollbackBatch();
}

bool StoreBatch::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_store.commitBatch();
}

} // namespace calmdesk
