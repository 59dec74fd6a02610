// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/entry/storenotices.h"
#include "app/window/tfrmmain.h"
#include "app/window/trayicon.h"
#include "document/documenthandler.h"
#include "isolatedenvironment.h"
#include "platform/shell/urlopener.h"
#include "platform/store/sqlitesettingsstore.h"
#include "platform/text/textcontrol.h"
#include "scripteddialogs.h"
#include "settings/settings.h"
#include "settings/settingsio.h"

#include <QFile>
#include <QList>
#include <QTest>
#include <QUrl>

#include <memory>

namespace calmdesk::test {

class RecordingOpener : public UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};

// A main window over a real store in fresh folders, with the writer's answers scripted.
struct MainWindowFixture
{
    MainWindowFixture()
    {
        IsolatedEnvironment::current()->reset();
        reopenStore();
    }

    // Opens the user's store again, as a new start finds it (the window is not made yet).
    void reopenStore()
    {
        store.reset();
        store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
    }

    TfrmMain &window()
    {
        if (!m_window)
            m_window = std::make_unique<TfrmMain>(TfrmMain::Services{
                *store, messages, dialogs, opener, IsolatedEnvironment::current()->dataHome(),
                storeNotices(*store), [this] { return trayAvailable; }});
        return *m_window;
    }

    // The creation sequence with the first document opened, as the writer meets it.
    bool start(const QStringList &arguments = {})
    {
        window().FormCreate(arguments);
        return QTest::qWaitFor([this] { return window().hasFinishedStartup(); });
    }

    QString general() const { return generalKey(settingsRoot()); }
    void setGeneral(const QString &name, const QString &data)
    {
        store->regWriteString(general(), name, data);
    }
    QString readGeneral(const QString &name) const { return store->regReadString(general(), name); }

    QString folder() const { return IsolatedEnvironment::current()->root(); }
    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = folder() + QLatin1Char('/') + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
    // "line 000" to "line nnn", one to a paragraph: ten characters a line with its break.
    QString writeLines(const QString &name, int count) const
    {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << QString("line %1").arg(i, 3, 10, QChar('0'));
        return writeFile(name, lines.join('\n').toUtf8());
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<SqliteSettingsStore> store;
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    RecordingOpener opener;
    // The desktop shows a notification area unless a test says otherwise.
    bool trayAvailable = true;

private:
    std::unique_ptr<TfrmMain> m_window;
};

} // namespace calmdesk::test
