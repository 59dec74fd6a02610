// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/richtext/rtfwriter.h"

#include "platform/codec/windows1252.h"

#include <QHash>

#include <cmath>

namespace calmdesk {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendHexByte(QByteArray &out, unsigned char byte)
{
    out.append("\\'");
    out.append(kHexDigits[byte >> 4]);
    out.append(kHexDigits[byte & 0xF]);
}

// One character of text or of a table entry. Breaks are handled by the caller.
void appendCharacter(QByteArray &out, char16_t ch)
{
    if (ch == '\\' || ch == '{' || ch == '}') {
        out.append('\\');
        out.append(char(ch));
    } else if (ch == '\t') {
        out.append("\\tab ");
    } else if (ch >= 0x20 && ch < 0x7F) {
        out.append(char(ch));
    } else if (const std::optional<char> byte = windows1252Byte(ch)) {
        appendHexByte(out, static_cast<unsigned char>(*byte));
    } else {
        // RTF numbers are signed 16-bit; a character outside the basic plane goes as its
        // two surrogates, each with its own fallback.
        out.append("\\u");
        out.append(QByteArray::number(int(static_cast<qint16>(ch))));
        out.append('?');
    }
}

// Fonts and colours in the order first used; colour 0 is the reader's automatic one.
struct Tables
{
    QStringList fonts;
    QHash<QString, int> fontIndex;
    QList<quint32> colours;
    QHash<quint32, int> colourIndex;

    explicit Tables(const RichText &text)
    {
        for (const RichRun &run : text) {
            if (!fontIndex.contains(run.format.family)) {
                fontIndex.insert(run.format.family, int(fonts.size()));
                fonts.append(run.format.family);
            }
            if (!colourIndex.contains(run.format.colour)) {
                colourIndex.insert(run.format.colour, int(colours.size()) + 1);
                colours.append(run.format.colour);
            }
        }
        if (fonts.isEmpty())
            fonts.append(QString());
    }
};

void appendHeader(QByteArray &out, const Tables &tables)
{
    out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl");
    for (qsizetype i = 0; i < tables.fonts.size(); ++i) {
        out.append("{\\f");
        out.append(QByteArray::number(i));
        out.append("\\fnil\\fcharset0 ");
        for (const QChar ch : tables.fonts.at(i)) {
            // A font name ends at ";" in the table.
            if (ch != QLatin1Char(';') && ch.unicode() >= 0x20)
                appendCharacter(out, ch.unicode());
        }
        out.append(";}");
    }
    out.append("}\n{\\colortbl ;");
    for (const quint32 colour : tables.colours) {
        out.append("\\red");
        out.append(QByteArray::number((colour >> 16) & 0xFF));
        out.append("\\green");
        out.append(QByteArray::number((colour >> 8) & 0xFF));
        out.append("\\blue");
        out.append(QByteArray::number(colour & 0xFF));
        out.append(';');
    }
    out.append("}\n\\pard");
}

void appendFormat(QByteArray &out, const RichFormat &format, const Tables &tables)
{
    out.append("\\plain\\f");
    out.append(QByteArray::number(tables.fontIndex.value(format.family)));
    out.append("\\fs");
    out.append(QByteArray::number(qRound(format.pointSize * 2)));
    out.append("\\cf");
    out.append(QByteArray::number(tables.colourIndex.value(format.colour)));
    if (format.bold)
        out.append("\\b");
    if (format.italic)
        out.append("\\i");
    if (format.underline)
        out.append("\\ul");
    if (format.strikeOut)
        out.append("\\strike");
    out.append(' ');
}

} // namespace

QByteArray writeRtf(const RichText &text)
{
    const Tables tables(text);
    qsizetype size = 256;
    for (const RichRun &run : text)
        size += run.text.size() + 64;
    QByteArray out;
    out.reserve(size + size / 16);
    appendHeader(out, tables);

    // A CR LF split between two runs is still one break.
    bool afterCr = false;
    for (const RichRun &run : text) {
        appendFormat(out, run.format, tables);
        for (const QChar c : run.text) {
            const char16_t ch = c.unicode();
            if (ch == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = ch == '\r';
            if (ch == '\r' || ch == '\n')
                out.append("\\par\n");
            else
                appendCharacter(out, ch);
        }
    }
    out.append("}\n");
    return out;
}

} // namespace calmdesk
