// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/richtext/richtext.h"

namespace calmdesk {

QString plainText(const RichText &text)
{
    qsizetype size = 0;
    for (const RichRun &run : text)
        size += run.text.size();
    QString joined;
    joined.reserve(size);
    for (const RichRun &run : text)
        joined.append(run.text);
    return joined;
}

void appendRun(RichText &text, const QString &piece, const RichFormat &format)
{
    if (piece.isEmpty())
        return;
    if (!text.isEmpty() && text.last().format == format)
        text.last().text.append(piece);
    else
        text.append(RichRun{piece, format});
}

} // namespace calmdesk
