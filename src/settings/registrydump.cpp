// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/registrydump.h"

#include "platform/store/settingsstore.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace calmdesk::registrydump {

namespace {

constexpr QChar kSeparator = QLatin1Char('\\');
constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kNewline = QLatin1Char('\n');
constexpr QChar kByteOrderMark = QChar(0xfeff);
constexpr char16_t kLastControl = 0x1f;
constexpr char16_t kDelete = 0x7f;
constexpr int kHexEscapeDigits = 2;
constexpr int kHexBase = 16;

const char *const kContext = "calmdesk::registrydump";
QString tr(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

// The headers of files this reader understands: its own, and those of registry
// editor exports whose string values have the same form.
const char *const kKnownHeaders[] = {kHeader, "Windows Registry Editor Version 5.00", "REGEDIT4"};

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool isControl(QChar c)
{
    return c.unicode() <= kLastControl || c.unicode() == kDelete;
}

void appendKey(const SettingsStore &store, const QString &spelled, QString &out)
{
    out += QLatin1Char('[') + QLatin1String(kHive);
    if (!spelled.isEmpty())
        out += kSeparator + spelled;
    out += QStringLiteral("]\n");
    for (const StoreValue &value : store.values(spelled)) {
        out += value.name.isEmpty() ? QStringLiteral("@") : quoted(value.name);
        out += QLatin1Char('=') + quoted(value.data) + kNewline;
    }
    out += kNewline;
}

void appendTree(const SettingsStore &store, const QString &spelled, QString &out)
{
    const QString prefix = spelled.isEmpty() ? QString() : spelled + kSeparator;
    for (const QString &name : store.subkeyNames(spelled)) {
        appendKey(store, prefix + name, out);
        appendTree(store, prefix + name, out);
    }
}

// Reads one line of an export, keeping the position of the first error.
class LineReader
{
public:
    explicit LineReader(const QString &line)
        : m_line(line)
    {}

    bool atEnd() const { return m_pos >= m_line.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_line.at(m_pos); }
    bool take(QChar c)
    {
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }
    void skipBlanks()
    {
        while (!atEnd() && (peek() == QLatin1Char(' ') || peek() == QLatin1Char('\t')))
            ++m_pos;
    }

    // A quoted string at the current position; false with error set otherwise.
    bool quotedString(QString *text, QString *error)
    {
        if (!take(kQuote)) {
            *error = tr("expected a quoted name or data");
            return false;
        }
        while (!atEnd()) {
            const QChar c = m_line.at(m_pos++);
            if (c == kQuote)
                return true;
            if (c != kSeparator) {
                text->append(c);
                continue;
            }
            if (!escape(text, error))
                return false;
        }
        *error = tr("missing closing quote");
        return false;
    }

private:
    bool escape(QString *text, QString *error)
    {
        const QChar c = peek();
        ++m_pos;
        switch (c.unicode()) {
        case u'\\':
        case u'"':
            text->append(c);
            return true;
        case u'n':
            text->append(kNewline);
            return true;
        case u'r':
            text->append(QLatin1Char('\r'));
            return true;
        case u't':
            text->append(QLatin1Char('\t'));
            return true;
        case u'x': {
            const QString digits = m_line.mid(m_pos, kHexEscapeDigits);
            if (digits.size() == kHexEscapeDigits &&
                std::all_of(digits.begin(), digits.end(), isHexDigit)) {
                m_pos += kHexEscapeDigits;
                text->append(QChar(char16_t(digits.toUInt(nullptr, kHexBase))));
                return true;
            }
            break;
        }
        default:
            break;
        }
        *error = tr("unknown escape sequence after a backslash");
        return false;
    }

    const QString &m_line;
    qsizetype m_pos = 0;
};

// The key path of a "[HKEY_CURRENT_USER\...]" line, without the hive.
bool keyOfBracket(const QString &inner, QString *key)
{
    const QString hive = QLatin1String(kHive);
    const QString shortHive = QStringLiteral("HKCU");
    for (const QString &prefix : {hive, shortHive}) {
        if (!inner.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QString rest = inner.mid(prefix.size());
        if (rest.isEmpty() || rest.startsWith(kSeparator)) {
            *key = rest.split(kSeparator, Qt::SkipEmptyParts).join(kSeparator);
            return true;
        }
    }
    return false;
}

class Parser
{
public:
    Parsed run(const QString &text)
    {
        QString body = text;
        if (body.startsWith(kByteOrderMark))
            body.remove(0, 1);
        const QStringList lines = body.split(kNewline);
        for (qsizetype i = 0; i < lines.size() && m_result.ok(); ++i) {
            QString line = lines.at(i);
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            QString error;
            if (!parseLine(line.trimmed(), &error)) {
                m_result.errorLine = int(i + 1);
                m_result.error = error;
            }
        }
        if (m_result.ok() && !m_sawHeader) {
            m_result.errorLine = 1;
            m_result.error = tr("the text is empty");
        }
        if (!m_result.ok())
            m_result.changes.clear();
        return m_result;
    }

private:
    bool parseLine(const QString &line, QString *error)
    {
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            return true;
        if (!m_sawHeader) {
            m_sawHeader = true;
            for (const char *header : kKnownHeaders)
                if (line == QLatin1String(header))
                    return true;
            *error = tr("not a settings export: the first line must be \"%1\"")
                         .arg(QLatin1String(kHeader));
            return false;
        }
        if (line.startsWith(QLatin1Char('[')))
            return parseKey(line, error);
        if (line.startsWith(QLatin1Char('@')) || line.startsWith(kQuote))
            return parseValue(line, error);
        *error = tr("expected a [key] line or a \"name\"=\"data\" line");
        return false;
    }

    bool parseKey(const QString &line, QString *error)
    {
        if (!line.endsWith(QLatin1Char(']'))) {
            *error = tr("a key line must end with ]");
            return false;
        }
        QString inner = line.mid(1, line.size() - 2);
        const bool deletion = inner.startsWith(QLatin1Char('-'));
        if (deletion)
            inner.remove(0, 1);
        QString key;
        if (!keyOfBracket(inner, &key)) {
            *error = tr("only keys of %1 can be imported").arg(QLatin1String(kHive));
            return false;
        }
        if (deletion && key.isEmpty()) {
            *error = tr("the whole store cannot be deleted");
            return false;
        }
        m_result.changes.append(
            {deletion ? Change::Kind::DeleteKey : Change::Kind::CreateKey, key, {}, {}});
        m_currentKey = deletion ? QString() : key;
        m_inKey = !deletion;
        return true;
    }

    bool parseValue(const QString &line, QString *error)
    {
        if (!m_inKey) {
            *error = tr("a value line must follow a [key] line");
            return false;
        }
        LineReader reader(line);
        QString name;
        if (!reader.take(QLatin1Char('@')) && !reader.quotedString(&name, error))
            return false;
        reader.skipBlanks();
        if (!reader.take(QLatin1Char('='))) {
            *error = tr("expected = after the value name");
            return false;
        }
        reader.skipBlanks();
        Change change{Change::Kind::DeleteValue, m_currentKey, name, {}};
        if (!reader.take(QLatin1Char('-'))) {
            if (reader.peek() != kQuote) {
                *error = tr("only string values (\"data\") can be imported");
                return false;
            }
            if (!reader.quotedString(&change.data, error))
                return false;
            change.kind = Change::Kind::WriteValue;
        }
        reader.skipBlanks();
        if (!reader.atEnd()) {
            *error = tr("unexpected text after the value");
            return false;
        }
        m_result.changes.append(change);
        return true;
    }

    Parsed m_result;
    QString m_currentKey;
    bool m_inKey = false;
    bool m_sawHeader = false;
};

} // namespace

QString quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += kQuote;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (isControl(c))
                out +=
                    QStringLiteral("\\x") + QString::number(c.unicode(), kHexBase)
                                                .rightJustified(kHexEscapeDigits, QLatin1Char('0'))
                                                .toUpper();
            else
                out += c;
        }
    }
    out += kQuote;
    return out;
}

QString storedSpelling(const SettingsStore &store, const QString &key)
{
    QStringList spelled;
    for (const QString &name : key.split(kSeparator, Qt::SkipEmptyParts)) {
        const QString folded = name.toCaseFolded();
        QString match = name;
        for (const QString &candidate : store.subkeyNames(spelled.join(kSeparator))) {
            if (candidate.toCaseFolded() == folded) {
                match = candidate;
                break;
            }
        }
        spelled << match;
    }
    return spelled.join(kSeparator);
}

QString exportTree(const SettingsStore &store, const QString &key)
{
    const QString spelled = storedSpelling(store, key);
    QString out = QLatin1String(kHeader) + kNewline + kNewline;
    if (!spelled.isEmpty() || !store.values(spelled).isEmpty())
        appendKey(store, spelled, out);
    appendTree(store, spelled, out);
    return out;
}

Parsed parse(const QString &text)
{
    return Parser().run(text);
}

bool apply(const QList<Change> &changes, SettingsStore &store)
{
    StoreBatch batch(store);
    if (!batch.isActive())
        return false;
    for (const Change &change : changes) {
        bool done = false;
        switch (change.kind) {
        case Change::Kind::CreateKey:
            done = store.createKey(change.key);
            break;
        case Change::Kind::DeleteKey:
            done = store.deleteTree(change.key);
            break;
        case Change::Kind::WriteValue:
            done = store.regWriteString(change.key, change.name, change.data);
            break;
        case Change::Kind::DeleteValue:
            done = store.regDeleteValue(change.key, change.name);
            break;
        }
        if (!done)
            return false;
    }
    return batch.commit();
}

} // namespace calmdesk::registrydump
