// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/handover.h"

#include "core/asciitext.h"
#include "platform/instance/singleinstance.h"
#include "platform/store/settingsstore.h"
#include "settings/settings.h"
#include "settings/settingsio.h"

#include <QFileInfo>

namespace calmdesk {

QString handOverKey()
{
    return generalKey(settingsRoot());
}
QString handOverValueName()
{
    return QStringLiteral("fdf");
}

void handOverToRunningInstance(SingleInstance &instance, SettingsStore &store,
                               const QStringList &arguments)
{
    if (!instance.requestActivate())
        return;
    if (arguments.isEmpty())
        return;
    // The test uses the path as typed, trimmed; the value keeps it as typed. A relative
    // path is made absolute first: the running editor works in another folder, where the
    // same relative name would miss the file.
    const QString &first = arguments.constFirst();
    const QFileInfo info(trimmed(first));
    if (!info.exists() || !info.isFile())
        return;
    store.regWriteString(handOverKey(), handOverValueName(),
                         info.isRelative() ? info.absoluteFilePath() : first);
    instance.requestOpen();
}

} // namespace calmdesk
