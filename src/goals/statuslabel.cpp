// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/statuslabel.h"

#include "goals/statusreport.h"
#include "goals/statustones.h"

#include <QMouseEvent>

#include <utility>

namespace calmdesk {

StatusLabel::StatusLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
    , m_tone(LabelTone::Quiet)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toneColour(m_tone));
    colours.setColor(QPalette::Window, kStatusBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
    adjustSize();
}

void StatusLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    emit resized();
}

void StatusLabel::display(const QString &text, LabelTone tone)
{
    setCaption(text);
    setTone(tone);
}

void StatusLabel::setCaption(const QString &text)
{
    if (text == this->text())
        return;
    setText(text);
    if (m_autoSize)
        adjustSize();
}

void StatusLabel::setTone(LabelTone tone)
{
    if (tone == m_tone)
        return;
    m_tone = tone;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toneColour(tone));
    setPalette(colours);
}

void StatusLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    emit mouseUp(event->button(), event->globalPosition().toPoint());
    // The release that ends a double click is no click of its own: the clock's double
    // click opens today's page and must not open the diary panel again afterwards.
    const bool endsDoubleClick = std::exchange(m_endsDoubleClick, false);
    if (event->button() == Qt::LeftButton && !endsDoubleClick &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void StatusLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_endsDoubleClick = true;
        emit doubleClicked();
    }
}

} // namespace calmdesk
