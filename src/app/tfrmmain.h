#pragma once

#include "textappearance.h"

#include <QWidget>

class QScreen;

namespace calmdesk {

class TextControl;

// The editor's one window: borderless, filling a screen, one text column on a dark
// background. It owns the components and wires them to the subsystems; the work itself
// lives in those subsystems.
class TfrmMain : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    TextControl *textColumn() const { return txtMain; }

    void applyAppearance(const TextAppearance &appearance);
    // Recomputes the geometry of the window and its components.
    void layoutWindow();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QScreen *targetScreen() const;

    TextControl *txtMain = nullptr;
    TextAppearance m_appearance;
    int m_widthSetting = 0;
};

} // namespace calmdesk
