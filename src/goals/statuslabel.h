// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace calmdesk {

enum class LabelTone;

// A label of the status line: reports clicks, and is painted in one of the status
// line's tones. Its accessible name is its visible text.
class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLabel(const QString &text, QWidget *parent = nullptr);

    // Sets the text and the font colour, touching the widget only for what changed
    // (it runs on every keystroke).
    void display(const QString &text, LabelTone tone);
    void setTone(LabelTone tone);
    LabelTone tone() const { return m_tone; }
    // Sets the text unless it is the same.
    void setCaption(const QString &text);
    // Whether the label takes the width and height of its text on every change (as
    // the status line's labels do); off for a label given a fixed size.
    void setAutoSize(bool on) { m_autoSize = on; }

signals:
    // The label grew or shrank with its text: neighbours placed by its width move.
    void resized();
    void clicked();
    void doubleClicked();
    void mouseUp(Qt::MouseButton button, const QPoint &globalPos);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    LabelTone m_tone;
    bool m_autoSize = true;
    bool m_endsDoubleClick = false;
};

} // namespace calmdesk
