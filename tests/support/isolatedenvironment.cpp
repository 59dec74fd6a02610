// SPDX-License-Identifier: GPL-3.0-or-later
#include "isolatedenvironment.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace calmdesk::test {

namespace {
IsolatedEnvironment *g_current = nullptr;
}

IsolatedEnvironment::IsolatedEnvironment()
{
    g_current = this;
    populate();
}

IsolatedEnvironment::~IsolatedEnvironment()
{
    if (g_current == this)
        g_current = nullptr;
    delete m_dir;
}

void IsolatedEnvironment::reset()
{
    delete m_dir;
    m_dir = nullptr;
    populate();
}

void IsolatedEnvironment::populate()
{
    m_dir = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/calmdesk-test-XXXXXX"));
    Q_ASSERT(m_dir->isValid());
    const QString base = m_dir->path();
    const struct
    {
        const char *var;
        const char *sub;
    } folders[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"},
        {"XDG_STATE_HOME", "state"},
        {"XDG_CACHE_HOME", "cache"},
        {"XDG_RUNTIME_DIR", "runtime"},
    };
    for (const auto &f : folders) {
        const QString path = base + QLatin1Char('/') + QLatin1String(f.sub);
        QDir().mkpath(path);
        qputenv(f.var, QFile::encodeName(path));
    }
    // The runtime folder must be private to the user, as a real one is.
    QFile::setPermissions(runtimeDir(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Nothing from the real desktop leaks in.
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(base + QStringLiteral("/config-dirs")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(base + QStringLiteral("/data-dirs")));
}

void IsolatedEnvironment::pointAtMissingFolders()
{
    const QString home = root() + QStringLiteral("/fresh/home");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home + QStringLiteral("/.local/state")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/.cache")));
}

QString IsolatedEnvironment::root() const
{
    return m_dir->path();
}
QString IsolatedEnvironment::configHome() const
{
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}
QString IsolatedEnvironment::dataHome() const
{
    return qEnvironmentVariable("XDG_DATA_HOME");
}
QString IsolatedEnvironment::stateHome() const
{
    return qEnvironmentVariable("XDG_STATE_HOME");
}
QString IsolatedEnvironment::runtimeDir() const
{
    return qEnvironmentVariable("XDG_RUNTIME_DIR");
}

IsolatedEnvironment *IsolatedEnvironment::current()
{
    return g_current;
}

QString binaryDir()
{
    return qEnvironmentVariable("CALMDESK_BINARY_DIR");
}

QString calmdeskExecutable()
{
    return binaryDir() + QStringLiteral("/src/app/calmdesk");
}

} // namespace calmdesk::test
