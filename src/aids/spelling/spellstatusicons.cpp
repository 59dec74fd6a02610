// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/spellstatusicons.h"

#include "platform/widgets/imagebutton.h"

#include <QEvent>
#include <QPainter>
#include <QToolButton>

namespace calmdesk {

namespace {

constexpr int kFromRight = 20;
constexpr int kTop = 4;
constexpr int kSize = 16;
constexpr int kIconSize = 12;
const QColor kIconColour(200, 200, 200);

enum class Glyph { Check, Busy, Loading };

// Plain line drawings, like the window buttons.
QIcon glyphIcon(Glyph glyph)
{
    return lineIcon(kIconSize, kIconColour, [glyph](QPainter &painter) {
        const int last = kIconSize - 1;
        switch (glyph) {
        case Glyph::Check:
            // A tick over a dotted line: a word that passed.
            painter.drawLine(1, 5, 4, 8);
            painter.drawLine(4, 8, last - 1, 1);
            for (int x = 0; x < kIconSize; x += 2)
                painter.drawPoint(x, last);
            break;
        case Glyph::Busy:
            // An hourglass.
            painter.drawLine(1, 0, last - 1, 0);
            painter.drawLine(1, last, last - 1, last);
            painter.drawLine(2, 1, last - 2, last - 1);
            painter.drawLine(last - 2, 1, 2, last - 1);
            break;
        case Glyph::Loading:
            // A closed book.
            painter.drawRect(2, 0, last - 3, last);
            painter.drawLine(4, 0, 4, last);
            break;
        }
    });
}

QToolButton *statusImage(QWidget *parent, const char *name, const QString &hint, Glyph glyph)
{
    QToolButton *button = imageButton(parent, name, hint, glyphIcon(glyph), kIconSize);
    button->setGeometry(0, 0, kSize, kSize);
    return button;
}

} // namespace

SpellStatusIcons::SpellStatusIcons(QWidget *statusLine)
    : QWidget(statusLine)
    , imgSpell(statusImage(this, "imgSpell", tr("Spelling Check"), Glyph::Check))
    , imgSpell2(statusImage(this, "imgSpell2", tr("Spelling Check in Progress"), Glyph::Busy))
    , imgSpell3(statusImage(this, "imgSpell3", tr("Loading directory..."), Glyph::Loading))
{
    setObjectName(QStringLiteral("spellImages"));
    resize(kSize, kSize);
    imgSpell->setCursor(Qt::PointingHandCursor);
    imgSpell->hide();
    imgSpell2->hide();
    connect(imgSpell, &QToolButton::clicked, this, &SpellStatusIcons::imgSpellClick);
    statusLine->installEventFilter(this);
    follow();
}

void SpellStatusIcons::setProgressText(const QString &text)
{
    imgSpell3->setToolTip(text);
    imgSpell3->setAccessibleName(text);
}

QString SpellStatusIcons::progressText() const
{
    return imgSpell3->toolTip();
}

void SpellStatusIcons::showLoaded()
{
    imgSpell3->hide();
    imgSpell->show();
}

void SpellStatusIcons::setChecking(bool checking)
{
    imgSpell2->setVisible(checking);
    imgSpell2->raise();
}

bool SpellStatusIcons::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        follow();
    return QWidget::eventFilter(watched, event);
}

void SpellStatusIcons::follow()
{
    move(parentWidget()->width() - kFromRight, kTop);
    raise();
}

} // namespace calmdesk
