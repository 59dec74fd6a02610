#include "keycommands.h"

namespace calmdesk {

WindowCommand windowCommandForKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (!modifiers.testFlag(Qt::ControlModifier))
        return WindowCommand::None;
    switch (key) {
    case Qt::Key_N:
        return WindowCommand::NewDocument;
    case Qt::Key_O:
        return WindowCommand::OpenDocument;
    case Qt::Key_S:
        return WindowCommand::SaveDocument;
    case Qt::Key_D:
        return WindowCommand::SaveDocumentAs;
    case Qt::Key_T:
        return WindowCommand::HideToTray;
    case Qt::Key_Q:
        return WindowCommand::CloseEditor;
    default:
        return WindowCommand::None;
    }
}

bool ctrlKeyReachesText(int key)
{
    switch (key) {
    case Qt::Key_A:
    case Qt::Key_Z:
    case Qt::Key_X:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_Insert:
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

} // namespace calmdesk
