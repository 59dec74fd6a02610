// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/documenthandler.h"
#include "goals/statuspanel.h"
#include "isolatedenvironment.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/shell/urlopener.h"
#include "platform/text/textcontrol.h"
#include "scripteddialogs.h"
#include "statuslabels.h"

#include <QColor>
#include <QDir>
#include <QLabel>
#include <QList>
#include <QPalette>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace calmdesk::test {

// Records the addresses the desktop would have opened.
class RecordingOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened << url;
        return true;
    }
    QList<QUrl> opened;
};

// One message as a line, so a list of them compares and prints readably.
inline QString describe(const Message &message)
{
    const QString buttons = message.buttons == Message::Buttons::YesNoCancel
                                ? QStringLiteral("YesNoCancel")
                                : QStringLiteral("Ok");
    QString icon;
    switch (message.icon) {
    case Message::Icon::None:
        icon = QStringLiteral("none");
        break;
    case Message::Icon::Question:
        icon = QStringLiteral("question");
        break;
    case Message::Icon::Error:
        icon = QStringLiteral("error");
        break;
    case Message::Icon::Warning:
        icon = QStringLiteral("warning");
        break;
    case Message::Icon::Information:
        icon = QStringLiteral("information");
        break;
    }
    return message.text + QStringLiteral(" | ") + message.caption + QStringLiteral(" | ") + icon +
           QStringLiteral(" | ") + buttons;
}

inline const QString kSaveQuestion =
    QStringLiteral("The text in the current file has changed. Do you want to save the changes? | "
                   "Save Confirmation | question | YesNoCancel");
inline const QString kOpenFailed = QStringLiteral(
    "The system was unable to open the specified file. | Unable to open file | error | Ok");
inline const QString kSaveFailed = QStringLiteral(
    "The system was unable to save the specified file. | Unable to save file | error | Ok");

inline const QColor kGrey(192, 192, 192);
inline const QColor kLime(0, 255, 0);

// The window's part in a test: the real text control and status line, scripted dialogs, and
// the text-change wiring the window makes (a changed text marks the document changed).
struct HandlerFixture
{
    HandlerFixture()
    {
        QDir().mkpath(folder());
        QObject::connect(txtMain, &TextControl::changed, &handler, [this] {
            const QString text = txtMain->text();
            if (text == lastSeenText)
                return;
            lastSeenText = text;
            handler.markChanged();
        });
    }

    static QString folder() { return IsolatedEnvironment::current()->root() + "/docs/"; }

    // Typing at the end of the text.
    void type(const QString &text)
    {
        txtMain->setCaret(txtMain->textLength());
        txtMain->replaceSelection(text);
    }

    QColor labelColour() const { return lblFile->palette().color(QPalette::WindowText); }

    QStringList messagesShown() const
    {
        QStringList lines;
        for (const Message &message : messages.shown)
            lines << describe(message);
        return lines;
    }

    QWidget window;
    TextControl *txtMain = new TextControl(TextKind::Uniform, &window);
    StatusPanel *pctStatus = new StatusPanel(&window);
    // The document's name in the status line, where the writer reads it.
    StatusLabel *lblFile = statusLabel(pctStatus, "lblFile");
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    RecordingOpener opener;
    DocumentHandler handler{txtMain, pctStatus, messages, dialogs, opener};
    QString lastSeenText;
};

} // namespace calmdesk::test
