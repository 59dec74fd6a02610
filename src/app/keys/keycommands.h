// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QList>
#include <QString>
#include <Qt>

namespace calmdesk {

// The window-wide commands a released key asks for. Conditions that depend on the
// program's state (auto-text on, the recent-files menu allowed, a search text present, the
// window in a half) are checked by whoever runs the command.
enum class WindowCommand {
    None,
    NewDocument,    // Ctrl+N
    OpenDocument,   // Ctrl+O
    SaveDocument,   // Ctrl+S
    SaveDocumentAs, // Ctrl+D
    HideToTray,     // Ctrl+T
    CloseEditor,    // Ctrl+Q
    // Alt held
    ShowBrowser,          // Alt+B: tools panel on "The Internet"
    ShowGlobalScratchpad, // Alt+P: tools panel on "Notes"
    FullScreen,           // Alt+F
    // Ctrl held
    ShowDocumentScratchpad, // Ctrl+P: tools panel on "Scratchpad"
    CloseToolsPanel,        // Ctrl+F4
    NextMonitor,            // Ctrl+L
    SwapScreenHalf,         // Ctrl+J
    ToggleKeepOnTop,        // Ctrl+K
    ExportDocument,         // Ctrl+E
    AutoText,               // Ctrl+Space, when auto-text is on
    RecentFilesMenu,        // Ctrl+R, when the recent-files menu is allowed
    FindDialog,             // Ctrl+F
    ReplaceDialog,          // Ctrl+H
    InsertLongDateTime,     // Ctrl+F5: "ddd, mmm d, yyyy" and the time
    // Ctrl not held (Alt or Shift may be)
    InsertShortDateTime, // F5: "m/d/yyyy" and the time
    SpellingCheck,       // F7
    ShowHelp,            // F1
    ShowOptions,         // F9, F11
    FindNext,            // F3, when a search text exists
};

// Pages of the writing-tools panel the commands open.
enum class ToolsPage { References = 0, Notes = 1, Scratchpad = 2, Internet = 3 };

// Every command a released key runs, in the order to run them: with both Alt and Ctrl
// held, the Alt command and then the Ctrl command.
QList<WindowCommand> windowCommandsForKey(int key, Qt::KeyboardModifiers modifiers);

// The first of windowCommandsForKey, or None.
WindowCommand windowCommandForKey(int key, Qt::KeyboardModifiers modifiers);

// Keys held with Ctrl that reach the text control for its own handling: select all, undo,
// word deletion and movement. Every other Ctrl key is swallowed before the text sees it,
// so the widget's own shortcuts never act behind the program's back (the clipboard keys
// run the program's plain-text commands instead).
bool ctrlKeyReachesText(int key);

// What a key going down in the text does besides (or instead of) reaching the control.
enum class TextKeyAction {
    None,
    WrapTag,      // Ctrl+B, Ctrl+I, Ctrl+U with markup on: `tag` says which
    Cut,          // Ctrl+X, Shift+Delete
    Copy,         // Ctrl+C, Ctrl+Insert
    Paste,        // Ctrl+V, Shift+Insert
    ParagraphEnd, // Enter: the backup point and auto-save run before the break goes in
};

struct KeyDownDecision
{
    TextKeyAction action = TextKeyAction::None;
    QString tag;
    // The control does not receive the key.
    bool swallow = false;
};

// `formats`: the markup the setting asks for.
KeyDownDecision txtMainKeyDown(int key, Qt::KeyboardModifiers modifiers, MarkupStyle formats);

struct KeyUpDecision
{
    // Enter came up: the crash-recovery copy is written.
    bool writeRecoveryCopy = false;
    bool swallow = false;
};

KeyUpDecision txtMainKeyUp(int key, Qt::KeyboardModifiers modifiers);

// A space or tab typed with Ctrl held (Ctrl+Space, Ctrl+I) never reaches the text.
bool txtMainCharacterSwallowed(const QString &text, Qt::KeyboardModifiers modifiers);

} // namespace calmdesk
