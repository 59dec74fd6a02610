#include "tfrmmain.h"

#include "appinfo.h"
#include "textcontrol.h"
#include "windowlayout.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QScreen>

namespace calmdesk {

TfrmMain::TfrmMain(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , txtMain(new TextControl(this))
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(programName());
    setWindowIcon(QIcon(QStringLiteral(":/calmdesk/calmdesk-256.png")));
    setAutoFillBackground(true);

    txtMain->setObjectName(QStringLiteral("txtMain"));
    txtMain->setAccessibleName(tr("Document text"));
    txtMain->setFrameShape(QFrame::NoFrame);

    applyAppearance(m_appearance);

    if (QScreen *screen = targetScreen())
        setGeometry(screen->geometry());
    txtMain->setFocus();
}

TfrmMain::~TfrmMain() = default;

QScreen *TfrmMain::targetScreen() const { return QGuiApplication::primaryScreen(); }

void TfrmMain::applyAppearance(const TextAppearance &appearance)
{
    m_appearance = appearance;

    QFont font(appearance.fontFamily);
    font.setPointSize(appearance.pointSize);
    font.setBold(appearance.bold);
    font.setItalic(appearance.italic);
    txtMain->setFont(font);

    QPalette textPalette = txtMain->palette();
    textPalette.setColor(QPalette::Base, appearance.background);
    textPalette.setColor(QPalette::Text, appearance.foreground);
    // The caret takes the text colour, so it stays visible on any background.
    textPalette.setColor(QPalette::WindowText, appearance.foreground);
    txtMain->setPalette(textPalette);

    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, appearance.background);
    setPalette(windowPalette);

    txtMain->setParagraphSpaceAfter(appearance.paragraphSpacing
                                        ? TextAppearance::kParagraphSpacingTwips
                                        : 0);
}

void TfrmMain::layoutWindow()
{
    txtMain->setGeometry(textColumnRect(size(), m_widthSetting, 0, height()));
}

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutWindow();
}

} // namespace calmdesk
