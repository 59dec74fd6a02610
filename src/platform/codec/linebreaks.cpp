// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codec/linebreaks.h"

namespace calmdesk {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

QStringView breakSequence(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CrLf:
        return u"\r\n";
    case LineBreak::Lf:
        return u"\n";
    case LineBreak::Cr:
        return u"\r";
    }
    Q_UNREACHABLE();
}

// Copies text into a buffer of exactly the final size, writing each break as the given
// sequence: one pass, no reallocation however large the document.
QString replaceBreaks(QStringView text, const LineBreakCounts &counts, QStringView sequence)
{
    const qsizetype breakChars = counts.crLf * 2 + counts.lf + counts.cr;
    QString result(text.size() - breakChars + counts.total() * sequence.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    while (in != end) {
        const char16_t ch = *in++;
        if (ch != kCr && ch != kLf) {
            *out++ = ch;
            continue;
        }
        if (ch == kCr && in != end && *in == kLf)
            ++in;
        for (const QChar s : sequence)
            *out++ = s.unicode();
    }
    return result;
}

} // namespace

LineBreakCounts countLineBreaks(QStringView text)
{
    LineBreakCounts counts;
    const char16_t *in = text.utf16();
    const char16_t *const end = in + text.size();
    while (in != end) {
        const char16_t ch = *in++;
        if (ch == kLf) {
            ++counts.lf;
        } else if (ch == kCr) {
            if (in != end && *in == kLf) {
                ++in;
                ++counts.crLf;
            } else {
                ++counts.cr;
            }
        }
    }
    return counts;
}

std::optional<LineBreak> dominantLineBreak(const LineBreakCounts &counts)
{
    if (counts.total() == 0)
        return std::nullopt;
    if (counts.lf >= counts.crLf && counts.lf >= counts.cr)
        return LineBreak::Lf;
    if (counts.crLf >= counts.cr)
        return LineBreak::CrLf;
    return LineBreak::Cr;
}

QString toCanonicalLineBreaks(const QString &text)
{
    return withLineBreaks(text, LineBreak::CrLf);
}

QString withLineBreaks(const QString &text, LineBreak lineBreak)
{
    return withLineBreaks(text, lineBreak, countLineBreaks(text));
}

QString withLineBreaks(const QString &text, LineBreak lineBreak, const LineBreakCounts &counts)
{
    const bool unchanged = (lineBreak == LineBreak::CrLf && counts.lf + counts.cr == 0) ||
                           (lineBreak == LineBreak::Lf && counts.crLf + counts.cr == 0) ||
                           (lineBreak == LineBreak::Cr && counts.crLf + counts.lf == 0);
    if (unchanged)
        return text;
    return replaceBreaks(text, counts, breakSequence(lineBreak));
}

} // namespace calmdesk
