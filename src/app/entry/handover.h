// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace calmdesk {

class SettingsStore;
class SingleInstance;

// A second start: brings the running editor to the front and, when the first argument
// names an existing file, hands that file over through the "fdf" value and waits until
// the running editor has dealt with it. Ends silently when no editor answers.
void handOverToRunningInstance(SingleInstance &instance, SettingsStore &store,
                               const QStringList &arguments);

// The value that carries a handed-over path, under the settings root.
QString handOverKey();
QString handOverValueName();

} // namespace calmdesk
