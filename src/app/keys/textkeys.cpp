// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/textkeys.h"

#include "app/keys/keycommands.h"
#include "app/keys/plainclipboard.h"
#include "app/keys/wraptag.h"
#include "platform/text/textcontrol.h"

namespace calmdesk {

TextKeys::TextKeys(TextControl *text, QClipboard *clipboard, std::function<MarkupStyle()> formats,
                   QObject *parent)
    : QObject(parent)
    , m_text(text)
    , m_clipboard(clipboard)
    , m_formats(std::move(formats))
{
    connect(text, &TextControl::keyDown, this, &TextKeys::keyDown);
    connect(text, &TextControl::keyUp, this, &TextKeys::keyUp);
    connect(text, &TextControl::characterTyped, this,
            [](const QString &typed, Qt::KeyboardModifiers modifiers, bool *handled) {
                // An Alt combination is a command, never a character of the text.
                if (txtMainCharacterSwallowed(typed, modifiers) ||
                    modifiers.testFlag(Qt::AltModifier))
                    *handled = true;
            });
}

void TextKeys::keyDown(int key, Qt::KeyboardModifiers modifiers, bool *handled)
{
    const KeyDownDecision decision = txtMainKeyDown(key, modifiers, m_formats());
    switch (decision.action) {
    case TextKeyAction::WrapTag:
        applyWrapTag(*m_text, decision.tag, m_formats());
        break;
    case TextKeyAction::Cut:
        cutPlainText(*m_text, *m_clipboard);
        break;
    case TextKeyAction::Copy:
        copyPlainText(*m_text, *m_clipboard);
        break;
    case TextKeyAction::Paste:
        pastePlainText(*m_text, *m_clipboard);
        break;
    case TextKeyAction::ParagraphEnd:
        emit paragraphEnding();
        break;
    case TextKeyAction::None:
        break;
    }
    if (decision.swallow)
        *handled = true;
}

void TextKeys::keyUp(int key, Qt::KeyboardModifiers modifiers, bool *handled)
{
    const KeyUpDecision decision = txtMainKeyUp(key, modifiers);
    if (decision.writeRecoveryCopy)
        emit paragraphEnded();
    if (decision.swallow)
        *handled = true;
}

} // namespace calmdesk
