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

} // namespace calmdesk
