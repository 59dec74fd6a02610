#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

// Short spellings for the many literal names in store tests (implicit conversions
// from char strings are off in this project).
namespace calmdesk::test {

inline QString str(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

inline QStringList strs(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

} // namespace calmdesk::test
