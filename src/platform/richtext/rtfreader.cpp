// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/richtext/rtfreader.h"

#include "platform/codec/windows1252.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace calmdesk {

namespace {

// Groups nested deeper than this share the state of the deepest one kept: real documents
// nest a few dozen deep, and the state per group stays bounded.
constexpr int kMaxKeptDepth = 1024;
// Control words are at most 32 letters and numbers 10 digits; anything longer is read
// and dropped.
constexpr int kMaxWordLength = 32;
constexpr int kMaxDigits = 10;
// Half-points: 1 to 1638 points.
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
constexpr int kDefaultHalfPoints = 24;

enum class Destination { Text, FontTable, ColourTable, Skipped };

struct CharState
{
    int font = -1; // the document's default font
    int halfPoints = kDefaultHalfPoints;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

struct GroupState
{
    CharState chars;
    Destination destination = Destination::Text;
    // Fallback characters after \uN.
    int unicodeSkip = 1;
};

// Destinations whose content is no text of the document.
bool isSkippedDestination(QByteArrayView word)
{
    static const char *const kSkipped[] = {
        "author",
        "bkmkend",
        "bkmkstart",
        "buptim",
        "category",
        "colorschememapping",
        "comment",
        "company",
        "creatim",
        "datastore",
        "docvar",
        "doccomm",
        "falt",
        "fldinst",
        "filetbl",
        "footer",
        "footerf",
        "footerl",
        "footerr",
        "footnote",
        "ftncn",
        "ftnsep",
        "ftnsepc",
        "generator",
        "header",
        "headerf",
        "headerl",
        "headerr",
        "hlinkbase",
        "info",
        "keywords",
        "latentstyles",
        "listoverridetable",
        "listtable",
        "manager",
        "mmathPr",
        "nonshppict",
        "object",
        "operator",
        "panose",
        "pgdsctbl",
        "pict",
        "pn",
        "pntext",
        "pntxta",
        "pntxtb",
        "printim",
        "private",
        "revtbl",
        "revtim",
        "rsidtbl",
        "shpinst",
        "sn",
        "sp",
        "stylesheet",
        "subject",
        "sv",
        "tc",
        "template",
        "themedata",
        "title",
        "txe",
        "userprops",
        "wgrffmtfilter",
        "xe",
        "xmlnstbl",
        "xmlopen",
    };
    return std::any_of(std::begin(kSkipped), std::end(kSkipped),
                       [word](const char *name) { return word == QByteArrayView(name); });
}

// "ul", "uld", "ulwave" ... turn underlining on (off with a 0); "ulnone" turns it off.
// ("ulc", the underline's colour, is no underline.)
std::optional<bool> underlineWord(QByteArrayView word, bool hasNumber, int number)
{
    static const char *const kUnderlines[] = {
        "ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
        "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
        "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave",
    };
    if (word == QByteArrayView("ulnone"))
        return false;
    if (std::none_of(std::begin(kUnderlines), std::end(kUnderlines),
                     [word](const char *name) { return word == QByteArrayView(name); }))
        return std::nullopt;
    return !(hasNumber && number == 0);
}

class Reader
{
public:
    explicit Reader(QByteArrayView rtf)
        : m_in(rtf)
    {
        m_groups.push_back(GroupState{});
    }

    RichText read()
    {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos];
            if (c == '{') {
                ++m_pos;
                openGroup();
            } else if (c == '}') {
                ++m_pos;
                closeGroup();
            } else if (c == '\\') {
                ++m_pos;
                controlSequence();
            } else if (c == '\r' || c == '\n' || c == '\0') {
                // Line ends in the file are there for its reader's eyes only.
                ++m_pos;
            } else {
                ++m_pos;
                textByte(static_cast<unsigned char>(c));
            }
        }
        flush();
        return std::move(m_out);
    }

private:
    GroupState &state() { return m_groups.back(); }

    void openGroup()
    {
        m_pendingSkip = 0;
        if (int(m_groups.size()) < kMaxKeptDepth)
            m_groups.push_back(m_groups.back());
        else
            ++m_uncountedDepth;
        m_destinationWordDue = false;
    }

    void closeGroup()
    {
        m_pendingSkip = 0;
        m_destinationWordDue = false;
        if (m_uncountedDepth > 0) {
            --m_uncountedDepth;
            return;
        }
        if (m_groups.size() > 1) {
            if (state().destination == Destination::FontTable)
                endFontEntry();
            m_groups.pop_back();
            formatChanged();
        }
    }

    void controlSequence()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(c);
            break;
        case '~':
            character(0x00A0);
            break;
        case '_':
            character(0x2011);
            break;
        case '-':
            skipOrNothing();
            break;
        case '\'':
            hexByte();
            break;
        case '*':
            m_destinationWordDue = true;
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            skipOrNothing();
            break;
        }
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    void controlWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        const QByteArrayView word =
            m_in.sliced(start, std::min<qsizetype>(m_pos - start, kMaxWordLength));
        bool hasNumber = false;
        bool negative = false;
        qint64 number = 0;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() &&
            isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            if (digits++ < kMaxDigits)
                number = number * 10 + (m_in[m_pos] - '0');
            hasNumber = true;
            ++m_pos;
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;
        number = std::clamp<qint64>(negative ? -number : number, INT_MIN, INT_MAX);

        const bool destination = m_destinationWordDue;
        m_destinationWordDue = false;
        if (destination || isSkippedDestination(word)) {
            if (word != QByteArrayView("fldrslt"))
                state().destination = Destination::Skipped;
            return;
        }
        applyWord(word, hasNumber, int(number));
    }

    void applyWord(QByteArrayView word, bool hasNumber, int number)
    {
        GroupState &group = state();
        CharState &chars = group.chars;
        const bool on = !(hasNumber && number == 0);
        if (word == QByteArrayView("bin")) {
            // Raw bytes follow: never text.
            m_pos += std::clamp<qsizetype>(hasNumber ? number : 0, 0, m_in.size() - m_pos);
            return;
        }
        if (word == QByteArrayView("fonttbl")) {
            group.destination = Destination::FontTable;
            return;
        }
        if (word == QByteArrayView("colortbl")) {
            group.destination = Destination::ColourTable;
            m_colourSeen = false;
            return;
        }
        if (group.destination == Destination::FontTable) {
            if (word == QByteArrayView("f") && hasNumber) {
                endFontEntry();
                m_fontNumber = number;
            } else if (word == QByteArrayView("u") && hasNumber) {
                character(char16_t(number < 0 ? number + 0x10000 : number));
            }
            return;
        }
        if (group.destination == Destination::ColourTable) {
            colourComponent(word, number);
            return;
        }
        if (group.destination == Destination::Skipped)
            return;

        if (word == QByteArrayView("u") && hasNumber) {
            unicodeCharacter(number);
            return;
        }
        if (skipFallback())
            return;
        if (word == QByteArrayView("par") || word == QByteArrayView("line") ||
            word == QByteArrayView("row") || word == QByteArrayView("page") ||
            word == QByteArrayView("sect")) {
            paragraph();
        } else if (word == QByteArrayView("tab") || word == QByteArrayView("cell")) {
            text(u'\t');
        } else if (word == QByteArrayView("emdash")) {
            text(0x2014);
        } else if (word == QByteArrayView("endash")) {
            text(0x2013);
        } else if (word == QByteArrayView("bullet")) {
            text(0x2022);
        } else if (word == QByteArrayView("lquote")) {
            text(0x2018);
        } else if (word == QByteArrayView("rquote")) {
            text(0x2019);
        } else if (word == QByteArrayView("ldblquote")) {
            text(0x201C);
        } else if (word == QByteArrayView("rdblquote")) {
            text(0x201D);
        } else if (word == QByteArrayView("emspace") || word == QByteArrayView("enspace") ||
                   word == QByteArrayView("qmspace")) {
            text(u' ');
        } else if (word == QByteArrayView("uc")) {
            group.unicodeSkip = std::clamp(hasNumber ? number : 1, 0, 16);
        } else if (word == QByteArrayView("deff")) {
            m_defaultFont = number;
        } else if (word == QByteArrayView("plain")) {
            chars = CharState{};
        } else if (word == QByteArrayView("f")) {
            chars.font = number;
        } else if (word == QByteArrayView("fs")) {
            chars.halfPoints =
                std::clamp(hasNumber ? number : kDefaultHalfPoints, kMinHalfPoints, kMaxHalfPoints);
        } else if (word == QByteArrayView("cf")) {
            chars.colour = number;
        } else if (word == QByteArrayView("b")) {
            chars.bold = on;
        } else if (word == QByteArrayView("i")) {
            chars.italic = on;
        } else if (word == QByteArrayView("strike") || word == QByteArrayView("striked")) {
            chars.strikeOut = on;
        } else if (const std::optional<bool> underline = underlineWord(word, hasNumber, number)) {
            chars.underline = *underline;
        } else {
            return;
        }
        formatChanged();
    }

    // The fallback characters that follow \uN are for readers that do not know \u: each
    // text character, \'hh or control word counts one.
    bool skipFallback()
    {
        if (m_pendingSkip <= 0)
            return false;
        --m_pendingSkip;
        return true;
    }

    void skipOrNothing()
    {
        if (state().destination == Destination::Text)
            skipFallback();
    }

    void unicodeCharacter(int number)
    {
        skipFallback();
        const int code = number < 0 ? number + 0x10000 : number;
        if (code > 0 && code <= 0xFFFF)
            text(char16_t(code));
        m_pendingSkip = state().unicodeSkip;
    }

    void hexByte()
    {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            if (m_pos >= m_in.size())
                return;
            const int digit = QByteArrayView("0123456789abcdef").indexOf(char(m_in[m_pos] | 0x20));
            if (digit < 0)
                return;
            value = value * 16 + digit;
            ++m_pos;
        }
        textByte(static_cast<unsigned char>(value));
    }

    void textByte(unsigned char byte)
    {
        const Destination destination = state().destination;
        if (destination == Destination::ColourTable) {
            if (byte == ';')
                endColourEntry();
            return;
        }
        character(decodeWindows1252(QByteArrayView(reinterpret_cast<const char *>(&byte), 1))
                      .at(0)
                      .unicode());
    }

    void character(char16_t ch)
    {
        switch (state().destination) {
        case Destination::Text:
            if (!skipFallback())
                text(ch);
            break;
        case Destination::FontTable:
            if (ch == ';')
                endFontEntry();
            else if (m_fontName.size() < 256)
                m_fontName.append(QChar(ch));
            break;
        case Destination::ColourTable:
        case Destination::Skipped:
            break;
        }
    }

    void text(char16_t ch)
    {
        if (ch == 0)
            return;
        if (m_formatDirty) {
            const RichFormat format = currentFormat();
            if (format != m_pendingFormat) {
                flush();
                m_pendingFormat = format;
            }
            m_formatDirty = false;
        }
        m_pending.append(QChar(ch));
    }

    void paragraph()
    {
        if (state().destination != Destination::Text)
            return;
        text(u'\r');
        text(u'\n');
    }

    void flush()
    {
        appendRun(m_out, m_pending, m_pendingFormat);
        m_pending.clear();
    }

    void formatChanged() { m_formatDirty = true; }

    RichFormat currentFormat() const
    {
        const CharState &chars = m_groups.back().chars;
        RichFormat format;
        const int font = chars.font < 0 ? m_defaultFont : chars.font;
        format.family = m_fonts.value(font, m_fonts.value(m_defaultFont));
        format.pointSize = chars.halfPoints / 2.0;
        format.colour = chars.colour > 0 ? m_colours.value(chars.colour - 1) : 0;
        format.bold = chars.bold;
        format.italic = chars.italic;
        format.underline = chars.underline;
        format.strikeOut = chars.strikeOut;
        return format;
    }

    void endFontEntry()
    {
        if (m_fontNumber >= 0) {
            const QString name = m_fontName.trimmed();
            if (!name.isEmpty() && !m_fonts.contains(m_fontNumber))
                m_fonts.insert(m_fontNumber, name);
        }
        m_fontNumber = -1;
        m_fontName.clear();
    }

    void colourComponent(QByteArrayView word, int number)
    {
        const int value = std::clamp(number, 0, 255);
        if (word == QByteArrayView("red"))
            m_colour = (m_colour & 0x00FFFF) | quint32(value) << 16;
        else if (word == QByteArrayView("green"))
            m_colour = (m_colour & 0xFF00FF) | quint32(value) << 8;
        else if (word == QByteArrayView("blue"))
            m_colour = (m_colour & 0xFFFF00) | quint32(value);
        else
            return;
        m_colourSeen = true;
    }

    // The first entry, usually empty, is the automatic colour: black here.
    void endColourEntry()
    {
        if (m_colourEntries++ > 0)
            m_colours.append(m_colourSeen ? m_colour : 0);
        m_colour = 0;
        m_colourSeen = false;
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_groups;
    int m_uncountedDepth = 0;
    bool m_destinationWordDue = false;
    int m_pendingSkip = 0;

    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_fontNumber = -1;
    QString m_fontName;
    QList<quint32> m_colours;
    int m_colourEntries = 0;
    quint32 m_colour = 0;
    bool m_colourSeen = false;

    RichText m_out;
    QString m_pending;
    RichFormat m_pendingFormat;
    bool m_formatDirty = true;
};

} // namespace

RichText readRtf(QByteArrayView rtf)
{
    return Reader(rtf).read();
}

bool looksLikeRtf(QByteArrayView bytes)
{
    return bytes.startsWith("{\\rtf");
}

} // namespace calmdesk
