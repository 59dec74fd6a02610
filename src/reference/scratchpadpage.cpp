// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/scratchpadpage.h"

#include "core/asciitext.h"
#include "platform/codec/textcodec.h"
#include "platform/dialogs/filedialogs.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/text/textcontrol.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QToolBar>
#include <QVBoxLayout>

namespace calmdesk {

namespace {

constexpr qreal kLargest = 72;
constexpr qreal kSmallest = 6;
constexpr qreal kFontStep = 2;
constexpr qreal kNotesPointSize = 10;
const QString kNotesFont = QStringLiteral("Tahoma");
// The first entry of the export dialog writes rich text.
constexpr int kRichTextEntry = 1;

Message fileError(const char *text)
{
    return Message{QCoreApplication::translate("ScratchpadPage", text),
                   QCoreApplication::translate("ScratchpadPage", "System File Error"),
                   Message::Icon::Error, Message::Buttons::Ok};
}

} // namespace

void applyScratchpadCommand(TextControl &notes, ScratchpadCommand command)
{
    const CharAttributes now = notes.caretAttributes();
    CharAttributes change;
    switch (command) {
    case ScratchpadCommand::Bold:
        change.bold = !now.bold.value_or(false);
        break;
    case ScratchpadCommand::Italic:
        change.italic = !now.italic.value_or(false);
        break;
    case ScratchpadCommand::Underline:
        change.underline = now.underline.value_or(UnderlineStyle::None) == UnderlineStyle::None
                               ? UnderlineStyle::Single
                               : UnderlineStyle::None;
        break;
    case ScratchpadCommand::StrikeOut:
        change.strikeOut = !now.strikeOut.value_or(false);
        break;
    case ScratchpadCommand::GrowFont:
    case ScratchpadCommand::ShrinkFont: {
        const qreal size = now.pointSize.value_or(kNotesPointSize);
        if (command == ScratchpadCommand::GrowFont && size < kLargest)
            change.pointSize = size + kFontStep;
        else if (command == ScratchpadCommand::ShrinkFont && size > kSmallest)
            change.pointSize = size - kFontStep;
        else
            return;
        break;
    }
    case ScratchpadCommand::StandardText:
        change.colour = QColor(0, 0, 0);
        break;
    case ScratchpadCommand::Highlighted:
        change.colour = QColor(255, 0, 0);
        break;
    }
    notes.setCharAttributes(change, FormatScope::Selection);
}

ScratchpadPage::ScratchpadPage(QWidget *page, Kind kind, FileDialogs &dialogs,
                               MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_kind(kind)
    , m_dialogs(dialogs)
    , m_messages(messages)
    , m_notes(new TextControl(TextKind::Formatted, page))
{
    m_notes->setPlainTextMode(false);
    m_notes->setAccessibleName(kind == Kind::Global ? tr("Notes") : tr("Document scratchpad"));
    QFont font(kNotesFont);
    font.setPointSizeF(kNotesPointSize);
    m_notes->setFont(font);

    auto *bar = new QToolBar(page);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addCommand(bar, QStringLiteral("B"), tr("Bold"), ScratchpadCommand::Bold);
    addCommand(bar, QStringLiteral("I"), tr("Italic"), ScratchpadCommand::Italic);
    addCommand(bar, QStringLiteral("U"), tr("Underline"), ScratchpadCommand::Underline);
    addCommand(bar, QStringLiteral("S"), tr("Strikeout"), ScratchpadCommand::StrikeOut);
    bar->addSeparator();
    for (const auto &[symbol, hint, handler] :
         {std::tuple{QStringLiteral("\u2190"), tr("Import Notes"), &ScratchpadPage::importNotes},
          std::tuple{QStringLiteral("\u2192"), tr("Export notes"), &ScratchpadPage::exportNotes}}) {
        QAction *action = bar->addAction(symbol);
        action->setToolTip(hint);
        if (QWidget *button = bar->widgetForAction(action))
            button->setAccessibleName(hint);
        connect(action, &QAction::triggered, this, handler);
    }
    bar->addSeparator();
    addCommand(bar, QStringLiteral("A+"), tr("Grow Font"), ScratchpadCommand::GrowFont);
    addCommand(bar, QStringLiteral("A-"), tr("Shrink Font"), ScratchpadCommand::ShrinkFont);
    bar->addSeparator();
    addCommand(bar, QStringLiteral("A"), tr("Standard Text"), ScratchpadCommand::StandardText);
    addCommand(bar, QStringLiteral("A!"), tr("Highlighted"), ScratchpadCommand::Highlighted);

    auto *insert = new QPushButton(tr("Insert"), page);
    auto *locate = new QPushButton(tr("Locate"), page);
    auto *find = new QPushButton(tr("Find"), page);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(insert);
    buttons->addWidget(locate);
    buttons->addWidget(find);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(bar);
    layout->addWidget(m_notes, 1);
    layout->addLayout(buttons);

    connect(insert, &QPushButton::clicked, this, [this] {
        const QString text = selectedTrimmed();
        if (!text.isEmpty())
            emit insertRequested(text);
    });
    connect(locate, &QPushButton::clicked, this, [this] {
        if (!selectedTrimmed().isEmpty())
            emit locateRequested(selectedTrimmed());
    });
    connect(find, &QPushButton::clicked, this, [this] {
        if (!selectedTrimmed().isEmpty())
            emit findRequested(selectedTrimmed());
    });
    if (kind == Kind::Global) {
        connect(m_notes, &TextControl::keyUp, this, &ScratchpadPage::keyUp);
        connect(m_notes, &TextControl::characterTyped, this,
                [this](const QString &text, Qt::KeyboardModifiers modifiers, bool *handled) {
                    emit typed();
                    // Ctrl+Space and Ctrl+Tab put nothing in the notes.
                    if (modifiers.testFlag(Qt::ControlModifier) &&
                        (text == QStringLiteral(" ") || text == QStringLiteral("\t")))
                        *handled = true;
                });
    }
}

void ScratchpadPage::addCommand(QToolBar *bar, const QString &symbol, const QString &hint,
                                ScratchpadCommand command)
{
    QAction *action = bar->addAction(symbol);
    action->setToolTip(hint);
    // What a screen reader says is the hint the pointer shows, not the symbol.
    if (QWidget *button = bar->widgetForAction(action))
        button->setAccessibleName(hint);
    connect(action, &QAction::triggered, this,
            [this, command] { applyScratchpadCommand(*m_notes, command); });
}

void ScratchpadPage::keyUp(int key, Qt::KeyboardModifiers modifiers, bool *handled)
{
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    if (ctrl) {
        static const QList<std::pair<int, ScratchpadCommand>> keys = {
            {Qt::Key_B, ScratchpadCommand::Bold},
            {Qt::Key_I, ScratchpadCommand::Italic},
            {Qt::Key_U, ScratchpadCommand::Underline},
            {Qt::Key_M, ScratchpadCommand::StrikeOut}};
        for (const auto &[k, command] : keys) {
            if (k == key) {
                applyScratchpadCommand(*m_notes, command);
                *handled = true;
                return;
            }
        }
    }
    if ((ctrl && key == Qt::Key_V) ||
        (modifiers.testFlag(Qt::ShiftModifier) && key == Qt::Key_Insert)) {
        // Pasted text takes the notes' font and keeps its sizes, colours and styles.
        const int start = m_notes->selStart();
        const int length = m_notes->selLength();
        const int scroll = m_notes->verticalScrollPosition();
        m_notes->selectAllText();
        CharAttributes font;
        font.family = kNotesFont;
        m_notes->setCharAttributes(font, FormatScope::Selection);
        m_notes->setVerticalScrollPosition(scroll);
        m_notes->select(start, length);
    }
}

QString ScratchpadPage::selectedTrimmed() const
{
    return trimmed(m_notes->selectedText());
}

QByteArray ScratchpadPage::content() const
{
    return m_notes->saveContent();
}

void ScratchpadPage::setContent(const QByteArray &rtf)
{
    m_notes->loadContent(rtf);
}

bool ScratchpadPage::isBlank() const
{
    return trimmed(m_notes->text()).isEmpty();
}

void ScratchpadPage::importNotes()
{
    const QString path = m_dialogs.scratchpadImportPath();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_messages.show(fileError("The system was unable to open the specified file."));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("{\\rtf")) {
        m_notes->loadContent(bytes);
        return;
    }
    const TextLoadResult text = decodeText(bytes);
    if (text.status != LoadStatus::Ok) {
        m_messages.show(fileError("The system was unable to open the specified file."));
        return;
    }
    m_notes->setText(text.text);
}

void ScratchpadPage::exportNotes()
{
    const ExportTarget target = m_dialogs.scratchpadExportTarget();
    if (target.path.isEmpty())
        return;
    const QByteArray bytes = target.filterIndex == kRichTextEntry
                                 ? content()
                                 : encodeText(m_notes->text(), TextFileFormat()).bytes;
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_messages.show(fileError("The system was unable to write to the specified file."));
}

} // namespace calmdesk
