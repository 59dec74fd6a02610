// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/exportsettings.h"

#include "document/documentpresentation.h"
#include "settings/settings.h"

namespace calmdesk {

ExportSource exportSource(const Settings &settings, const QString &text, const QString &curFile)
{
    ExportSource source;
    source.text = text;
    source.tags = TagStyle(int(settings.formats));
    source.fontFamily = settings.txtfont;
    source.fontSize = settings.txtsize;
    source.bold = settings.txtbold;
    source.italic = settings.txtital;
    source.title = fileLabelCaption(curFile);
    return source;
}

} // namespace calmdesk
