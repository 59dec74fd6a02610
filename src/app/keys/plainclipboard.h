// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QClipboard;

namespace calmdesk {

class TextControl;

// The text's clipboard commands move plain text only, in both directions. Line breaks go
// onto the clipboard as LF, the desktop's convention; any break coming back is one break.
// With nothing selected, Cut and Copy leave the clipboard as it is.

void copyPlainText(const TextControl &control, QClipboard &clipboard);

// Copies, then removes the selection.
void cutPlainText(TextControl &control, QClipboard &clipboard);

// Pastes the clipboard's text in place of the selection, and leaves that text on the
// clipboard as plain text alone (formatting and other forms are dropped). A clipboard with
// no text at all (a picture only) is emptied, and nothing is pasted.
void pastePlainText(TextControl &control, QClipboard &clipboard);

} // namespace calmdesk
