#pragma once

#include <Qt>

namespace calmdesk {

// The window-wide commands a released key asks for.
enum class WindowCommand {
    None,
    NewDocument,    // Ctrl+N
    OpenDocument,   // Ctrl+O
    SaveDocument,   // Ctrl+S
    SaveDocumentAs, // Ctrl+D
    HideToTray,     // Ctrl+T
    CloseEditor,    // Ctrl+Q
};

WindowCommand windowCommandForKey(int key, Qt::KeyboardModifiers modifiers);

// Keys held with Ctrl that still reach the text (selection, undo, clipboard, word
// deletion, movement). Every other Ctrl key is swallowed before the text sees it, so the
// widget's own shortcuts never act behind the program's back.
bool ctrlKeyReachesText(int key);

} // namespace calmdesk
