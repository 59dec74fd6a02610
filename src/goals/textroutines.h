// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk {

// Small string routines shared by several subsystems. Character classes are ASCII
// only: letters outside A-Z and a-z are never alphanumeric.

// Non-overlapping occurrences of `pattern` in `text`, scanning left to right; 0 when
// either is empty.
int countOccurrences(const QString &pattern, const QString &text);

// Splits `text` at `delimiter`. Empty text gives an empty list; a leading delimiter an
// empty first part; adjacent delimiters an empty part between them; a trailing
// delimiter no empty last part. With `partLimit` N > 0 the N-th part holds the
// unsplit rest; 0 means no limit.
QStringList splitString(const QString &delimiter, const QString &text, int partLimit = 0);

// ASCII A-Z, a-z and 0-9 only.
bool isAlphaNumeric(QChar c);
// 0-9 only.
bool isDigitChar(QChar c);
// True when every character is 0-9, also for the empty string.
bool isAllDigits(const QString &text);
// The alphanumeric characters and spaces of `text`, in order.
QString keepAlphaNumeric(const QString &text);

} // namespace calmdesk
