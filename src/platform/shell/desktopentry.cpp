// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell/desktopentry.h"

#include <QStringView>

namespace calmdesk::desktopentry {

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kBackslash = u'\\';
constexpr QChar kPercent = u'%';

// Characters that keep their backslash-escape inside a quoted Exec argument.
bool isQuotedEscapable(QChar c)
{
    return c == kQuote || c == u'`' || c == u'$' || c == kBackslash;
}

bool isExecSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Appends `c` to `argument`, undoing the Exec value's percent rules: "%%" is a percent
// sign, any other "%x" is a field code the caller drops. Returns how many characters of
// `text` from `i` were used.
qsizetype takeLiteral(QStringView text, qsizetype i, QString &argument, bool &hadFieldCode)
{
    if (text.at(i) != kPercent) {
        argument += text.at(i);
        return 1;
    }
    if (i + 1 < text.size() && text.at(i + 1) == kPercent) {
        argument += kPercent;
        return 2;
    }
    hadFieldCode = true;
    return i + 1 < text.size() ? 2 : 1;
}

} // namespace

QString quoteExecArgument(const QString &argument)
{
    QString quoted;
    quoted.reserve(argument.size() + 2);
    quoted += kQuote;
    for (const QChar c : argument) {
        if (isQuotedEscapable(c))
            quoted += kBackslash;
        else if (c == kPercent)
            quoted += kPercent;
        quoted += c;
    }
    quoted += kQuote;
    return quoted;
}

QString escapeValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == kBackslash)
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u' ' && i == 0)
            escaped += QStringLiteral("\\s");
        else
            escaped += c;
    }
    return escaped;
}

QString unescapeValue(const QString &rawValue)
{
    QString value;
    value.reserve(rawValue.size());
    for (qsizetype i = 0; i < rawValue.size(); ++i) {
        const QChar c = rawValue.at(i);
        if (c != kBackslash || i + 1 == rawValue.size()) {
            value += c;
            continue;
        }
        const QChar next = rawValue.at(++i);
        switch (next.unicode()) {
        case u's':
            value += u' ';
            break;
        case u'n':
            value += u'\n';
            break;
        case u't':
            value += u'\t';
            break;
        case u'r':
            value += u'\r';
            break;
        case u'\\':
            value += kBackslash;
            break;
        default:
            // Not a key file escape: it belongs to the Exec quoting, keep it whole.
            value += kBackslash;
            value += next;
            break;
        }
    }
    return value;
}

QStringList splitExecValue(const QString &rawValue)
{
    const QString text = unescapeValue(rawValue);
    QStringList arguments;
    QString argument;
    bool inArgument = false;
    bool hadFieldCode = false;
    qsizetype i = 0;

    const auto finish = [&] {
        // An argument that was nothing but a field code disappears with it.
        if (inArgument && !(hadFieldCode && argument.isEmpty()))
            arguments << argument;
        argument.clear();
        inArgument = false;
        hadFieldCode = false;
    };

    while (i < text.size()) {
        const QChar c = text.at(i);
        if (isExecSpace(c)) {
            finish();
            ++i;
        } else if (c == kQuote) {
            inArgument = true;
            ++i;
            while (i < text.size() && text.at(i) != kQuote) {
                if (text.at(i) == kBackslash && i + 1 < text.size() &&
                    isQuotedEscapable(text.at(i + 1))) {
                    argument += text.at(i + 1);
                    i += 2;
                } else {
                    i += takeLiteral(text, i, argument, hadFieldCode);
                }
            }
            ++i; // the closing quote
        } else if (c == kBackslash && i + 1 < text.size()) {
            // Not allowed unquoted, but read it as the shell would.
            inArgument = true;
            argument += text.at(i + 1);
            i += 2;
        } else {
            inArgument = true;
            i += takeLiteral(text, i, argument, hadFieldCode);
        }
    }
    finish();
    return arguments;
}

QString readRawValue(const QString &contents, const QString &group, const QString &key)
{
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    bool inGroup = false;
    const QStringList lines = contents.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == header;
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && QStringView(line).first(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

} // namespace calmdesk::desktopentry
