// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace calmdesk {

// What the options dialog offers a writer whose lists are empty: they reach the settings
// only when the dialog is confirmed, never at start-up.

// The 117 auto-correct rules (text to look for, text put in its place), in their order.
QList<QPair<QString, QString>> defaultAutoCorrectRules();
// "Love", "This" and "Editor".
QStringList defaultAutoTextWords();

} // namespace calmdesk
