// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codec/textfiletypes.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace calmdesk {

// How often each convention occurs. A CR directly followed by LF is one CR LF break;
// any other CR or LF is a break on its own.
struct LineBreakCounts
{
    qsizetype crLf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;

    qsizetype total() const { return crLf + lf + cr; }
};

LineBreakCounts countLineBreaks(QStringView text);

// The convention most breaks use; a tie goes to LF, then CR LF, as LF is what a new
// document gets. Nothing when there are no breaks at all.
std::optional<LineBreak> dominantLineBreak(const LineBreakCounts &counts);

// The text with every break as CR LF, the form the rest of the program works on.
// Shares the input (no copy) when it is already in that form.
QString toCanonicalLineBreaks(const QString &text);

// The text with every break (CR LF, or a lone CR or LF) written as the given convention.
// Shares the input when nothing changes.
QString withLineBreaks(const QString &text, LineBreak lineBreak);
// The same, for a caller that has already counted the text's breaks (saves a pass).
QString withLineBreaks(const QString &text, LineBreak lineBreak, const LineBreakCounts &counts);

} // namespace calmdesk
