// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QObject>

#include <functional>

class QClipboard;

namespace calmdesk {

class TextControl;

// The key filtering of the text column: Ctrl keys swallowed before the widget sees them,
// the markup keys, the plain-text clipboard keys, and the hooks for what Enter does at a
// paragraph's end.
class TextKeys : public QObject
{
    Q_OBJECT

public:
    // `formats` reads the markup setting at each key.
    TextKeys(TextControl *text, QClipboard *clipboard, std::function<MarkupStyle()> formats,
             QObject *parent = nullptr);

signals:
    // Enter is going down: the backup point and auto-save run before the break goes in.
    void paragraphEnding();
    // Enter came up: the crash-recovery copy is written.
    void paragraphEnded();

private:
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    void keyUp(int key, Qt::KeyboardModifiers modifiers, bool *handled);

    TextControl *m_text;
    QClipboard *m_clipboard;
    std::function<MarkupStyle()> m_formats;
};

} // namespace calmdesk
