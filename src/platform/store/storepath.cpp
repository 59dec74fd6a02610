// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/storepath.h"

namespace calmdesk::storepath {

QStringList components(const QString &keyPath)
{
    return keyPath.split(kSeparator, Qt::SkipEmptyParts);
}

QString folded(const QString &keyPath)
{
    return components(keyPath).join(kSeparator).toCaseFolded();
}

QString foldedName(const QString &name)
{
    return name.toCaseFolded();
}

} // namespace calmdesk::storepath
