// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/plainclipboard.h"

#include "platform/text/textcontrol.h"

#include <QClipboard>
#include <QMimeData>

namespace calmdesk {

namespace {

QString withDesktopBreaks(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

void copyPlainText(const TextControl &control, QClipboard &clipboard)
{
    if (control.selLength() == 0)
        return;
    clipboard.setText(withDesktopBreaks(control.selectedText()));
}

void cutPlainText(TextControl &control, QClipboard &clipboard)
{
    if (control.selLength() == 0)
        return;
    copyPlainText(control, clipboard);
    if (!control.isReadOnly())
        control.replaceSelection(QString());
}

void pastePlainText(TextControl &control, QClipboard &clipboard)
{
    const QMimeData *data = clipboard.mimeData();
    if (!data || !data->hasText()) {
        clipboard.clear();
        return;
    }
    const QString text = clipboard.text();
    clipboard.clear();
    clipboard.setText(text);
    if (!control.isReadOnly())
        control.replaceSelection(text);
}

} // namespace calmdesk
