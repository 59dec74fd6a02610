// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/regcommand.h"

#include "platform/store/settingsstore.h"
#include "settings/registrydump.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

namespace calmdesk {

namespace {

constexpr QChar kSeparator = QLatin1Char('\\');
const char *const kContext = "calmdesk::RegCommand";
QString tr(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

const QString kStandardInputName = QStringLiteral("-");

// One run of the command: the arguments, the store and the streams.
class RegCommand
{
public:
    RegCommand(const QStringList &args, SettingsStore &store, QTextStream &out, QTextStream &err,
               QIODevice &in)
        : m_args(args)
        , m_store(store)
        , m_out(out)
        , m_err(err)
        , m_in(in)
    {}

    int run()
    {
        const QString command = m_args.value(0);
        const qsizetype count = m_args.size();
        if (command == QStringLiteral("--help") || command == QStringLiteral("help")) {
            m_out << regCommandUsage();
            return RegCommandSucceeded;
        }
        if (command == QStringLiteral("query") && (count == 2 || count == 3))
            return withKey([this](const QString &key) { return query(key); });
        if (command == QStringLiteral("add") && count == 4)
            return withKey([this](const QString &key) { return add(key); });
        if (command == QStringLiteral("delete") && (count == 2 || count == 3))
            return withKey([this](const QString &key) { return remove(key); });
        if (command == QStringLiteral("export") && (count == 1 || count == 2))
            return withKey([this](const QString &key) { return exportKey(key); });
        if (command == QStringLiteral("import") && count == 2)
            return import(m_args.at(1));
        m_err << regCommandUsage();
        return RegCommandMisused;
    }

private:
    template<typename Action> int withKey(Action action)
    {
        QString key;
        if (!keyArgument(m_args.value(1), &key))
            return fail(tr("only keys of %1 are kept here: %2")
                            .arg(QLatin1String(registrydump::kHive), m_args.value(1)));
        return action(key);
    }

    // The key path below the user's root; a leading hive name is dropped.
    static bool keyArgument(const QString &argument, QString *key)
    {
        QStringList names = argument.split(kSeparator, Qt::SkipEmptyParts);
        if (!names.isEmpty()) {
            const QString first = names.first();
            if (first.compare(QLatin1String(registrydump::kHive), Qt::CaseInsensitive) == 0 ||
                first.compare(QStringLiteral("HKCU"), Qt::CaseInsensitive) == 0)
                names.removeFirst();
            else if (first.startsWith(QStringLiteral("HKEY_"), Qt::CaseInsensitive))
                return false;
        }
        *key = names.join(kSeparator);
        return true;
    }

    static QString shownName(const QString &name)
    {
        return name.isEmpty() ? QStringLiteral("@") : name;
    }

    // Keeps a listed value on its line.
    static QString oneLine(QString data)
    {
        return data.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
            .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
            .replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    }

    int fail(const QString &message)
    {
        m_err << QStringLiteral("calmdesk: ") << message << Qt::endl;
        return RegCommandFailed;
    }

    int missingKey(const QString &key)
    {
        return fail(tr("no such key: %1").arg(registrydump::storedSpelling(m_store, key)));
    }

    int query(const QString &key)
    {
        if (m_args.size() == 3) {
            const QString name = m_args.at(2);
            if (!m_store.valueExists(key, name))
                return fail(tr("no value %1 in key %2").arg(shownName(name), key));
            m_out << m_store.regReadString(key, name) << Qt::endl;
            return RegCommandSucceeded;
        }
        if (!m_store.keyExists(key))
            return missingKey(key);
        for (const StoreValue &value : m_store.values(key))
            m_out << shownName(value.name) << QLatin1Char('=') << oneLine(value.data) << Qt::endl;
        const QString spelled = registrydump::storedSpelling(m_store, key);
        const QString prefix = spelled.isEmpty() ? QString() : spelled + kSeparator;
        for (const QString &subkey : m_store.subkeyNames(key))
            m_out << QLatin1Char('[') << prefix << subkey << QLatin1Char(']') << Qt::endl;
        return RegCommandSucceeded;
    }

    int add(const QString &key)
    {
        if (!m_store.regWriteString(key, m_args.at(2), m_args.at(3)))
            return fail(tr("the value could not be written"));
        return RegCommandSucceeded;
    }

    int remove(const QString &key)
    {
        if (m_args.size() == 3) {
            const QString name = m_args.at(2);
            if (!m_store.valueExists(key, name))
                return fail(tr("no value %1 in key %2").arg(shownName(name), key));
            if (!m_store.regDeleteValue(key, name))
                return fail(tr("the value could not be deleted"));
            return RegCommandSucceeded;
        }
        if (key.isEmpty())
            return fail(tr("the whole store cannot be deleted"));
        if (!m_store.keyExists(key))
            return missingKey(key);
        if (!m_store.deleteTree(key))
            return fail(tr("the key could not be deleted"));
        return RegCommandSucceeded;
    }

    int exportKey(const QString &key)
    {
        if (!m_store.keyExists(key))
            return missingKey(key);
        m_out << registrydump::exportTree(m_store, key);
        m_out.flush();
        return RegCommandSucceeded;
    }

    int import(const QString &fileName)
    {
        QByteArray bytes;
        if (fileName == kStandardInputName) {
            bytes = m_in.readAll();
        } else {
            QFile file(fileName);
            if (!file.open(QIODevice::ReadOnly))
                return fail(tr("cannot read %1: %2").arg(fileName, file.errorString()));
            bytes = file.readAll();
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(bytes);
        if (decoder.hasError())
            return fail(tr("%1 is not UTF-8 text").arg(fileName));
        const registrydump::Parsed parsed = registrydump::parse(text);
        if (!parsed.ok())
            return fail(tr("%1:%2: %3; nothing was imported")
                            .arg(fileName)
                            .arg(parsed.errorLine)
                            .arg(parsed.error));
        if (!registrydump::apply(parsed.changes, m_store))
            return fail(tr("the store could not be changed; nothing was imported"));
        return RegCommandSucceeded;
    }

    const QStringList &m_args;
    SettingsStore &m_store;
    QTextStream &m_out;
    QTextStream &m_err;
    QIODevice &m_in;
};

} // namespace

int runRegCommand(const QStringList &args, SettingsStore &store, QTextStream &out, QTextStream &err)
{
    QFile standardInput;
    // A closed standard input simply reads as empty.
    standardInput.open(stdin, QIODevice::ReadOnly);
    return runRegCommand(args, store, out, err, standardInput);
}

int runRegCommand(const QStringList &args, SettingsStore &store, QTextStream &out, QTextStream &err,
                  QIODevice &standardInput)
{
    const int exitCode = RegCommand(args, store, out, err, standardInput).run();
    out.flush();
    err.flush();
    return exitCode;
}

QString regCommandUsage()
{
    return QCoreApplication::translate(
        kContext,
        "Usage: calmdesk --reg COMMAND [ARGUMENTS]\n"
        "Reads and changes the settings store (the HKEY_CURRENT_USER tree).\n"
        "\n"
        "  query KEY [NAME]     print a value's data, or a key's values and subkeys\n"
        "  add KEY NAME DATA    write a string value (NAME \"\" is the default value)\n"
        "  delete KEY [NAME]    delete a value, or a key with everything below it\n"
        "  export [KEY]         print a key's tree, or the whole store, as text\n"
        "  import FILE          load such a text (FILE - reads standard input)\n"
        "\n"
        "KEY is a path of names joined by backslashes below HKEY_CURRENT_USER,\n"
        "e.g. 'Software\\Osmira\\v11\\Settings\\general'; a leading\n"
        "HKEY_CURRENT_USER\\ or HKCU\\ is accepted. The default value is shown as @.\n"
        "Exit status: 0 done, 1 failed (missing key or value, bad import), 2 wrong usage.\n");
}

} // namespace calmdesk
