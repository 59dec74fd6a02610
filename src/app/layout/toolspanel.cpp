// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/toolspanel.h"

#include "app/layout/windowlayout.h"
#include "platform/widgets/imagebutton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace calmdesk {

namespace {

constexpr int kDragWidth = 9;
constexpr int kIconSize = 12;
// The page tabs use a slightly smaller face than the rest of the panel.
constexpr qreal kTabFontScale = 0.85;
constexpr int kPinHeadSize = 5;

// A drawing pin seen from the side: pinned stands upright and filled, unpinned lies tilted.
QIcon pinIcon(bool pinned, const QColor &colour)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1));
    const int middle = kIconSize / 2;
    if (!pinned) {
        constexpr int kTilt = 45;
        painter.translate(middle, middle);
        painter.rotate(kTilt);
        painter.translate(-middle, -middle);
    }
    painter.setBrush(pinned ? QBrush(colour) : QBrush());
    painter.drawRect(middle - kPinHeadSize / 2, 0, kPinHeadSize - 1, kPinHeadSize);
    painter.drawLine(1, kPinHeadSize + 1, kIconSize - 2, kPinHeadSize + 1);
    painter.drawLine(middle, kPinHeadSize + 1, middle, kIconSize - 1);
    return QIcon(pixmap);
}

QWidget *page(QTabWidget *tabs, const char *name, const QString &caption)
{
    auto *widget = new QWidget(tabs);
    widget->setObjectName(QLatin1String(name));
    tabs->addTab(widget, caption);
    return widget;
}

} // namespace

PanelDragStrip::PanelDragStrip(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pctDrag"));
    setCursor(Qt::SizeHorCursor);
    setFixedWidth(kDragWidth);
}

void PanelDragStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit dragStarted(event->position().toPoint().x());
    QWidget::mousePressEvent(event);
}

void PanelDragStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons().testFlag(Qt::LeftButton))
        emit dragMoved(event->position().toPoint().x());
    QWidget::mouseMoveEvent(event);
}

ToolsPanel::ToolsPanel(QWidget *parent)
    : QWidget(parent)
    , lblTitle(new QLabel(tr("Writing Tools"), this))
    , Image1(imageButton(this, "Image1", tr("Close panel"),
                         style()->standardIcon(QStyle::SP_TitleBarCloseButton), kIconSize))
    , imgPin0(imageButton(this, "imgPin0", tr("Pin panel"),
                          pinIcon(false, palette().color(QPalette::WindowText)), kIconSize))
    , imgPin1(imageButton(this, "imgPin1", tr("Pin panel"),
                          pinIcon(true, palette().color(QPalette::WindowText)), kIconSize))
    , imgMax1(imageButton(this, "imgMax1", tr("Dettach panel"),
                          style()->standardIcon(QStyle::SP_TitleBarMaxButton), kIconSize))
    , imgMax0(imageButton(this, "imgMax0", tr("Attach panel"),
                          style()->standardIcon(QStyle::SP_TitleBarNormalButton), kIconSize))
    , pctDrag(new PanelDragStrip(this))
    , cmdCloseRef(new QPushButton(tr("Close"), this))
    , tabTools(new QTabWidget(this))
    , pctRefs(page(tabTools, "pctRefs", tr("References")))
    , pctGScr(page(tabTools, "pctGScr", tr("Notes")))
    , pctLScr(page(tabTools, "pctLScr", tr("Scratchpad")))
    , pctIE(page(tabTools, "pctIE", tr("The Internet")))
{
    setObjectName(QStringLiteral("pctDict"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    cmdCloseRef->setObjectName(QStringLiteral("cmdCloseRef"));
    tabTools->setObjectName(QStringLiteral("tabTools"));
    // The panel is a plain dialog-coloured surface, not the text's dark background.
    QPalette colours = QGuiApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                     QPalette::Text, QPalette::Button, QPalette::ButtonText})
        colours.setColor(role, colours.color(role));
    setPalette(colours);
    setAutoFillBackground(true);
    // All four page tabs stay in view in the panel's narrow width.
    QFont tabFont = tabTools->font();
    tabFont.setPointSizeF(tabFont.pointSizeF() * kTabFontScale);
    tabTools->tabBar()->setFont(tabFont);
    tabTools->setUsesScrollButtons(false);
    tabTools->setElideMode(Qt::ElideRight);
    setPinned(false);
    setFloating(false);

    connect(Image1, &QToolButton::clicked, this, &ToolsPanel::closeRequested);
    connect(imgPin0, &QToolButton::clicked, this, &ToolsPanel::pinToggled);
    connect(imgPin1, &QToolButton::clicked, this, &ToolsPanel::pinToggled);
    connect(imgMax1, &QToolButton::clicked, this, &ToolsPanel::detachRequested);
    connect(imgMax0, &QToolButton::clicked, this, &ToolsPanel::attachRequested);
    connect(cmdCloseRef, &QPushButton::clicked, this, &ToolsPanel::closeRefClicked);
    resize(layout::kDefaultPanelWidth, height());
}

void ToolsPanel::setPinned(bool pinned)
{
    imgPin1->setVisible(pinned);
    imgPin0->setVisible(!pinned);
}

void ToolsPanel::setFloating(bool floating)
{
    imgMax0->setVisible(floating);
    imgMax1->setVisible(!floating);
    imgPin0->setEnabled(!floating);
    imgPin1->setEnabled(!floating);
}

void ToolsPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const ToolsPanelLayout parts = layoutToolsPanel(size());
    pctDrag->setGeometry(parts.pctDrag);
    lblTitle->setGeometry(parts.title);
    tabTools->setGeometry(parts.tabTools);
    cmdCloseRef->setGeometry(parts.cmdCloseRef);
    Image1->setGeometry(parts.Image1);
    imgPin0->setGeometry(parts.imgPin0);
    imgPin1->setGeometry(parts.imgPin1);
    imgMax1->setGeometry(parts.imgMax);
    imgMax0->setGeometry(parts.imgMax);
}

} // namespace calmdesk
