// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs/messageboxes.h"

namespace calmdesk {

// The message boxes of the document commands, worded as the writer sees them.

// The save question guarding unsaved changes (Yes/No/Cancel).
Message saveConfirmationMessage();
// A document (or its companion) could not be read, or a missing file not created.
Message openFailedMessage();
// A document (or its companion) could not be written.
Message saveFailedMessage();

// Another program changed or removed the document's file (`name`, without its folder).
Message reloadChangedFileMessage(const QString &name);
Message fileRemovedMessage(const QString &name);
// Save would replace a file another program changed since the editor read or wrote it.
Message replaceChangedFileMessage(const QString &name);
// The text of an abnormally ended run was brought back at start-up.
Message recoveredTextMessage();

} // namespace calmdesk
