// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profiles.h"

#include "core/asciitext.h"
#include "platform/store/settingsstore.h"
#include "settings/settingsio.h"

namespace calmdesk {

namespace {

QString profilesKey(const QString &root)
{
    return root + QStringLiteral("\\Profiles");
}

void deleteLiveKeys(SettingsStore &store, const QString &root)
{
    store.deleteTree(autocorrectKey(root));
    store.deleteTree(autotextKey(root));
    store.deleteTree(generalKey(root));
}

} // namespace

QString cleanProfileName(const QString &typed)
{
    QString name = trimmed(typed);
    for (const QChar c : QStringLiteral("\\/:*?\"'"))
        name.remove(c);
    return name;
}

QString profileRoot(const QString &root, const QString &name)
{
    return profilesKey(root) + QLatin1Char('\\') + name;
}

QStringList profileNames(SettingsStore &store, const QString &root)
{
    QStringList names;
    for (const QString &name : store.listSubkeys(profilesKey(root))) {
        if (!trimmed(name).isEmpty())
            names.append(trimmed(name));
    }
    return names;
}

QString lastProfileName(const SettingsStore &store, const QString &root)
{
    return trimmed(store.regReadString(generalKey(root), QStringLiteral("profname")));
}

void setLastProfileName(SettingsStore &store, const QString &root, const QString &name)
{
    store.regWriteString(generalKey(root), QStringLiteral("profname"), name);
}

bool useProfile(SettingsStore &store, const QString &root, const QString &name)
{
    const QString profile = profileRoot(root, name);
    if (!store.keyExists(autotextKey(profile)))
        return false;
    // One transaction: a failure half-way leaves the live settings as they were.
    const bool batch = !store.inBatch() && store.beginBatch();
    deleteLiveKeys(store, root);
    store.copyTree(autocorrectKey(profile), autocorrectKey(root));
    store.copyTree(autotextKey(profile), autotextKey(root));
    store.copyTree(generalKey(profile), generalKey(root));
    if (batch && !store.commitBatch())
        store.rollbackBatch();
    return true;
}

void resetToDefaults(SettingsStore &store, const QString &root)
{
    const bool batch = !store.inBatch() && store.beginBatch();
    deleteLiveKeys(store, root);
    if (batch && !store.commitBatch())
        store.rollbackBatch();
}

} // namespace calmdesk
