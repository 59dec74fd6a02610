// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/storenotices.h"

#include "platform/store/sqlitesettingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace calmdesk {

namespace {

const char *const kContext = "calmdesk::StoreNotices";

// One notice naming a file; the texts are marked for translation where they stand.
Message notice(const char *text, const QString &path, const char *caption, Message::Icon icon)
{
    return Message{QCoreApplication::translate(kContext, text).arg(QDir::toNativeSeparators(path)),
                   QCoreApplication::translate(kContext, caption), icon, Message::Buttons::Ok};
}

} // namespace

QList<Message> storeNotices(const SqliteSettingsStore &store)
{
    QList<Message> notices;
    if (!store.setAsidePath().isEmpty())
        notices.append(notice(QT_TRANSLATE_NOOP("calmdesk::StoreNotices",
                                                "The settings file was damaged and has been "
                                                "moved to:\n%1\nAll settings are back to their "
                                                "defaults."),
                              store.setAsidePath(),
                              QT_TRANSLATE_NOOP("calmdesk::StoreNotices", "Settings file damaged"),
                              Message::Icon::Information));
    if (store.isInMemory())
        notices.append(notice(
            QT_TRANSLATE_NOOP("calmdesk::StoreNotices",
                              "The system was unable to open the settings "
                              "file:\n%1\nThe default settings are used, and "
                              "changes to them will not be kept."),
            store.path(), QT_TRANSLATE_NOOP("calmdesk::StoreNotices", "Unable to open settings"),
            Message::Icon::Error));
    else if (store.isReadOnly())
        notices.append(notice(
            QT_TRANSLATE_NOOP("calmdesk::StoreNotices",
                              "The settings file can be read but not "
                              "written:\n%1\nChanges to the settings will not "
                              "be kept."),
            store.path(), QT_TRANSLATE_NOOP("calmdesk::StoreNotices", "Unable to save settings"),
            Message::Icon::Error));
    return notices;
}

void printStoreNotices(const QList<Message> &notices, QTextStream &err)
{
    for (const Message &notice : notices)
        err << QStringLiteral("calmdesk: ") << notice.text << Qt::endl;
}

} // namespace calmdesk
