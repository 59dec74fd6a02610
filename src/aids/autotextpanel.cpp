// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/autotextpanel.h"

#include "aids/autotextwords.h"
#include "platform/text/textcontrol.h"

#include <QFocusEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace calmdesk {

namespace {

constexpr int kPanelWidth = 250;
constexpr int kPanelHeight = 87;
constexpr int kListFontPixels = 13;

} // namespace

AutoTextPanel::AutoTextPanel(TextControl *txtMain, QWidget *window)
    : QFrame(window)
    , m_txtMain(txtMain)
    , lstAT(new QListWidget(this))
    , cmdShowText(new QPushButton(tr("OK"), this))
    , cmdHideText(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("pctAT"));
    setFrameShape(QFrame::Box);
    // The desktop's own colours, not the dark window's it sits on: roles set one by one
    // are kept when the window's palette changes.
    QPalette own = QGuiApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        own.setColor(role, own.color(role));
    setPalette(own);
    setAutoFillBackground(true);
    resize(kPanelWidth, kPanelHeight);
    hide();

    lstAT->setObjectName(QStringLiteral("lstAT"));
    lstAT->setAccessibleName(tr("Auto-text words"));
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setPixelSize(kListFontPixels);
    lstAT->setFont(listFont);
    lstAT->installEventFilter(this);
    for (QPushButton *button : {cmdShowText, cmdHideText})
        button->setFocusPolicy(Qt::NoFocus);
    cmdShowText->setObjectName(QStringLiteral("cmdShowText"));
    cmdHideText->setObjectName(QStringLiteral("cmdHideText"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdShowText);
    buttons->addWidget(cmdHideText);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(lstAT);
    layout->addLayout(buttons);

    connect(cmdShowText, &QPushButton::clicked, this, &AutoTextPanel::cmdShowTextClick);
    connect(cmdHideText, &QPushButton::clicked, this, &AutoTextPanel::cmdHideTextClick);
    connect(lstAT, &QListWidget::itemActivated, this, &AutoTextPanel::cmdShowTextClick);
}

void AutoTextPanel::editAutoText()
{
    if (m_txtMain->selLength() != 0)
        return;
    const int caret = m_txtMain->selStart();
    const std::optional<TypedWord> word = typedWordBefore(
        [this, caret](int maxLength) { return m_txtMain->textBefore(caret, maxLength); }, caret);
    if (!word)
        return;
    const QStringList found = completionsFor(m_words, word->text);
    lstAT->clear();
    if (found.isEmpty()) {
        hide();
        return;
    }
    lstAT->addItems(found);
    atWordStart = word->start + 1;
    atWordLength = int(word->text.size());

    const QPoint at = m_txtMain->characterPosition(word->start);
    const int fontHeight = std::abs(QFontInfo(m_txtMain->font()).pixelSize());
    move(m_txtMain->mapTo(parentWidget(), QPoint(at.x(), at.y() + fontHeight + 2)));
    show();
    raise();
    lstAT->setCurrentRow(0);
    lstAT->setFocus();
}

void AutoTextPanel::cmdShowTextClick()
{
    const QListWidgetItem *chosen = lstAT->currentItem();
    if (atWordStart >= 2 && atWordLength >= 1 && chosen) {
        m_txtMain->select(atWordStart - 1, atWordLength);
        m_txtMain->replaceSelection(chosen->text());
    }
    cmdHideTextClick();
}

void AutoTextPanel::cmdHideTextClick()
{
    hide();
    m_txtMain->setFocus();
}

QStringList AutoTextPanel::listedWords() const
{
    QStringList words;
    for (int i = 0; i < lstAT->count(); ++i)
        words << lstAT->item(i)->text();
    return words;
}

bool AutoTextPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstAT) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                cmdShowTextClick();
                return true;
            }
            if (key == Qt::Key_Escape) {
                cmdHideTextClick();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && isVisible()) {
            // Leaving the list (a click into the text) closes the panel.
            hide();
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace calmdesk
