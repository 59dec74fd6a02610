// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/keycommands.h"

namespace calmdesk {

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

WindowCommand altCommand(int key)
{
    switch (key) {
    case Qt::Key_B:
        return WindowCommand::ShowBrowser;
    case Qt::Key_P:
        return WindowCommand::ShowGlobalScratchpad;
    case Qt::Key_F:
        return WindowCommand::FullScreen;
    default:
        return WindowCommand::None;
    }
}

WindowCommand ctrlCommand(int key)
{
    switch (key) {
    case Qt::Key_P:
        return WindowCommand::ShowDocumentScratchpad;
    case Qt::Key_F4:
        return WindowCommand::CloseToolsPanel;
    case Qt::Key_L:
        return WindowCommand::NextMonitor;
    case Qt::Key_J:
        return WindowCommand::SwapScreenHalf;
    case Qt::Key_K:
        return WindowCommand::ToggleKeepOnTop;
    case Qt::Key_O:
        return WindowCommand::OpenDocument;
    case Qt::Key_S:
        return WindowCommand::SaveDocument;
    case Qt::Key_D:
        return WindowCommand::SaveDocumentAs;
    case Qt::Key_N:
        return WindowCommand::NewDocument;
    case Qt::Key_E:
        return WindowCommand::ExportDocument;
    case Qt::Key_T:
        return WindowCommand::HideToTray;
    case Qt::Key_Q:
        return WindowCommand::CloseEditor;
    case Qt::Key_Space:
        return WindowCommand::AutoText;
    case Qt::Key_R:
        return WindowCommand::RecentFilesMenu;
    case Qt::Key_F:
        return WindowCommand::FindDialog;
    case Qt::Key_H:
        return WindowCommand::ReplaceDialog;
    case Qt::Key_F5:
        return WindowCommand::InsertLongDateTime;
    default:
        return WindowCommand::None;
    }
}

WindowCommand withoutCtrlCommand(int key)
{
    switch (key) {
    case Qt::Key_F5:
        return WindowCommand::InsertShortDateTime;
    case Qt::Key_F7:
        return WindowCommand::SpellingCheck;
    case Qt::Key_F1:
        return WindowCommand::ShowHelp;
    case Qt::Key_F9:
    case Qt::Key_F11:
        return WindowCommand::ShowOptions;
    case Qt::Key_F3:
        return WindowCommand::FindNext;
    default:
        return WindowCommand::None;
    }
}

QString markupTag(int key)
{
    switch (key) {
    case Qt::Key_B:
        return QStringLiteral("b");
    case Qt::Key_I:
        return QStringLiteral("i");
    case Qt::Key_U:
        return QStringLiteral("u");
    default:
        return QString();
    }
}

KeyDownDecision ctrlKeyDown(int key, MarkupStyle formats)
{
    KeyDownDecision decision;
    const QString tag = markupTag(key);
    if (!tag.isEmpty()) {
        // Without markup the key does nothing at all: the widget's own bold or italic never
        // runs either.
        decision.swallow = true;
        if (formats != MarkupStyle::None) {
            decision.action = TextKeyAction::WrapTag;
            decision.tag = tag;
        }
        return decision;
    }
    switch (key) {
    case Qt::Key_X:
        return {TextKeyAction::Cut, QString(), true};
    case Qt::Key_C:
    case Qt::Key_Insert:
        return {TextKeyAction::Copy, QString(), true};
    case Qt::Key_V:
        return {TextKeyAction::Paste, QString(), true};
    default:
        decision.swallow = !ctrlKeyReachesText(key);
        return decision;
    }
}

} // namespace

QList<WindowCommand> windowCommandsForKey(int key, Qt::KeyboardModifiers modifiers)
{
    QList<WindowCommand> commands;
    const auto add = [&commands](WindowCommand command) {
        if (command != WindowCommand::None)
            commands.append(command);
    };
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    if (modifiers.testFlag(Qt::AltModifier))
        add(altCommand(key));
    if (ctrl)
        add(ctrlCommand(key));
    else
        add(withoutCtrlCommand(key));
    return commands;
}

WindowCommand windowCommandForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const QList<WindowCommand> commands = windowCommandsForKey(key, modifiers);
    return commands.isEmpty() ? WindowCommand::None : commands.first();
}

bool ctrlKeyReachesText(int key)
{
    switch (key) {
    case Qt::Key_A:
    case Qt::Key_Z:
    case Qt::Key_Delete:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    // Modifier keys alone: holding Ctrl must not swallow Shift for a selection.
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

KeyDownDecision txtMainKeyDown(int key, Qt::KeyboardModifiers modifiers, MarkupStyle formats)
{
    if (modifiers.testFlag(Qt::ControlModifier))
        return ctrlKeyDown(key, formats);
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        if (key == Qt::Key_Delete)
            return {TextKeyAction::Cut, QString(), true};
        if (key == Qt::Key_Insert)
            return {TextKeyAction::Paste, QString(), true};
        return {};
    }
    // Alt+Enter is no paragraph end: the keypad's Enter is, as the main one.
    if (isEnter(key) && !modifiers.testFlag(Qt::AltModifier))
        return {TextKeyAction::ParagraphEnd, QString(), false};
    return {};
}

KeyUpDecision txtMainKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    KeyUpDecision decision;
    decision.writeRecoveryCopy = isEnter(key);
    if (modifiers.testFlag(Qt::ControlModifier))
        decision.swallow = key == Qt::Key_Space || key == Qt::Key_M || key == Qt::Key_I;
    return decision;
}

bool txtMainCharacterSwallowed(const QString &text, Qt::KeyboardModifiers modifiers)
{
    if (!modifiers.testFlag(Qt::ControlModifier))
        return false;
    return text == QLatin1String(" ") || text == QLatin1String("\t");
}

} // namespace calmdesk
