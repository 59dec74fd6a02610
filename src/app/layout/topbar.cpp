// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/topbar.h"

#include "platform/widgets/imagebutton.h"

#include <QPainter>
#include <QToolButton>

namespace calmdesk {

namespace {

constexpr int kButtonWidth = 22;
constexpr int kButtonHeight = 24;
constexpr int kBarWidth = 121;
constexpr int kBarHeight = 23;
constexpr int kIconSize = 12;
const QColor kBarColour(24, 30, 36);
const QColor kIconColour(200, 200, 200);

enum class Glyph { Minimise, SideBySide, Stacked, FullScreen, Close };

// Plain line drawings on the dark bar, so they read the same on every desktop theme.
QIcon glyphIcon(Glyph glyph)
{
    return lineIcon(kIconSize, kIconColour, [glyph](QPainter &painter) {
        const int last = kIconSize - 1;
        const int middle = kIconSize / 2;
        switch (glyph) {
        case Glyph::Minimise:
            painter.drawLine(1, last - 1, last - 1, last - 1);
            break;
        case Glyph::SideBySide:
            painter.drawRect(0, 0, middle - 1, last);
            painter.drawRect(middle + 1, 0, middle - 2, last);
            break;
        case Glyph::Stacked:
            painter.drawRect(0, 0, last, middle - 1);
            painter.drawRect(0, middle + 1, last, middle - 2);
            break;
        case Glyph::FullScreen:
            painter.drawRect(0, 0, last, last);
            painter.drawLine(0, 1, last, 1);
            break;
        case Glyph::Close:
            painter.drawLine(1, 1, last - 1, last - 1);
            painter.drawLine(1, last - 1, last - 1, 1);
            break;
        }
    });
}

QToolButton *barButton(QWidget *parent, const char *name, const QString &hint, Glyph glyph,
                       int index)
{
    QToolButton *button = imageButton(parent, name, hint, glyphIcon(glyph), kIconSize);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(index * kButtonWidth, 0, kButtonWidth, kButtonHeight);
    return button;
}

} // namespace

WindowButtons::WindowButtons(QWidget *parent)
    : QWidget(parent)
    , imgMin(barButton(this, "imgMin", tr("Minimize to Tray"), Glyph::Minimise, 0))
    , imgRestore1(barButton(this, "imgRestore1", tr("Restore horizontally"), Glyph::Stacked, 1))
    , imgRestore2(barButton(this, "imgRestore2", tr("Restore vertically"), Glyph::SideBySide, 2))
    , Image4(barButton(this, "Image4", tr("Full-screen"), Glyph::FullScreen, 3))
    , imgClose(barButton(this, "imgClose", tr("Close Editor"), Glyph::Close, 4))
{
    setObjectName(QStringLiteral("pctControl"));
    resize(kBarWidth, kBarHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBarColour);
    setPalette(colours);
    setAutoFillBackground(true);

    // The buttons' tags: the screen modes they stand for.
    constexpr int kTopHalf = 1;
    constexpr int kRightHalf = 2;
    constexpr int kFullScreen = 0;
    connect(imgMin, &QToolButton::clicked, this, &WindowButtons::minimizeRequested);
    connect(imgRestore1, &QToolButton::clicked, this,
            [this] { emit screenHalfRequested(kTopHalf); });
    connect(imgRestore2, &QToolButton::clicked, this,
            [this] { emit screenHalfRequested(kRightHalf); });
    connect(Image4, &QToolButton::clicked, this, [this] { emit screenHalfRequested(kFullScreen); });
    connect(imgClose, &QToolButton::clicked, this, &WindowButtons::closeRequested);
}

QColor WindowButtons::barColour()
{
    return kBarColour;
}

QAbstractButton *recentFilesButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("pctRecent"));
    button->setText(WindowButtons::tr("Recent Files"));
    button->setAccessibleName(button->text());
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    QPalette colours = button->palette();
    colours.setColor(QPalette::Window, kBarColour);
    colours.setColor(QPalette::Button, kBarColour);
    colours.setColor(QPalette::ButtonText, kIconColour);
    button->setPalette(colours);
    button->setAutoFillBackground(true);
    return button;
}

} // namespace calmdesk
