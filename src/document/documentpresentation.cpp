// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentpresentation.h"

#include "document/documentfiles.h"

#include <QCoreApplication>

namespace calmdesk {

QString fileLabelCaption(const QString &curFile)
{
    if (curFile.isEmpty())
        return QCoreApplication::translate("calmdesk::DocumentHandler", "(untitled)");
    return fileNameOf(curFile);
}

QString fileLabelHint(const QString &curFile)
{
    return curFile;
}

FileMenuEnabling fileMenuEnabling(const QString &curFile, bool isSaved)
{
    const bool named = !curFile.isEmpty();
    FileMenuEnabling enabling;
    enabling.save = !isSaved;
    enabling.closeFile = named;
    enabling.reloadFile = named;
    enabling.folder = named;
    return enabling;
}

} // namespace calmdesk
