// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs/messageboxes.h"

#include <QList>

class QTextStream;

namespace calmdesk {

class SqliteSettingsStore;

// What the writer is told at start-up about a settings file that could not be used as
// it was: where a damaged one went, that changes will not be kept. Empty when the store
// opened normally. The window shows them as message boxes.
QList<Message> storeNotices(const SqliteSettingsStore &store);

// The same for a start without a window (calmdesk --reg, a second start): each text on a
// line of its own after "calmdesk: ".
void printStoreNotices(const QList<Message> &notices, QTextStream &err);

} // namespace calmdesk
