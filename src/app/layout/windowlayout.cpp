// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/windowlayout.h"

#include <algorithm>

namespace calmdesk {

namespace {

constexpr int kPercent = 100;

// Inside the writing-tools panel: the splitter strip on the left, the title and the image
// buttons along the top, the pages, and the Close button at the bottom right.
constexpr int kDragWidth = 9;
constexpr int kPanelTitleLeft = 16;
constexpr int kPanelImageHeight = 24;
constexpr int kPanelImageWidth = 19;
constexpr int kPinUnpinnedWidth = 21;
constexpr int kCloseImageFromRight = 22;
constexpr int kPinFromRight = 44;
constexpr int kMaxFromRight = 66;
constexpr int kTabsLeft = 10;
constexpr int kTabsTop = 32;
constexpr int kTabsWidthMargin = 19;
constexpr int kTabsHeightMargin = 72;
constexpr int kCloseButtonWidth = 75;
constexpr int kCloseButtonHeight = 23;
constexpr int kCloseButtonFromRight = 86;
constexpr int kCloseButtonFromBottom = 31;

// The cover stands over the scroll bar at the text column's right edge.
QRect scrollCoverRect(const QRect &text, int scrollBarWidth, int windowHeight)
{
    return QRect(text.x() + text.width() - scrollBarWidth, 0, scrollBarWidth, windowHeight);
}

StatusLineLayout layoutStatusLine(QSize window, const LayoutState &state)
{
    StatusLineLayout line;
    const int w = window.width();
    line.status = QRect(0, window.height() - layout::kStatusHeight, w, layout::kStatusHeight);
    line.spellImagesLeft = w - layout::kSpellImagesFromRight;
    line.timeLeft = w - layout::kTimeFromRight;
    line.cronLeft = line.timeLeft - state.cronWidth - layout::kCronGap;
    // The file name makes room for the writing timer while that shows.
    line.fileLeft = (state.cronVisible ? line.cronLeft : line.timeLeft) - layout::kFileBeforeTime;
    return line;
}

} // namespace

QRect textColumnRect(QSize window, int widthSetting, int pinnedPanelWidth, int columnHeight)
{
    const int percent = widthInRange(widthSetting);
    const int available = window.width() - pinnedPanelWidth;
    // Integer division truncating towards zero, as the layout always did.
    const int width = available * percent / kPercent;
    const int left = (available - width) / 2;
    return QRect(left, kTextColumnTop, width, columnHeight);
}

ScreenChoice chooseScreen(const QList<QRect> &screens, int monitorIndex)
{
    if (monitorIndex > 0 && screens.size() > monitorIndex)
        return {screens.at(monitorIndex), monitorIndex};
    return {screens.isEmpty() ? QRect() : screens.first(), 0};
}

QRect applyScreenHalf(const QRect &screen, ScreenHalf half)
{
    int left = screen.x();
    int top = screen.y();
    int width = screen.width();
    int height = screen.height();
    switch (half) {
    case ScreenHalf::Full:
        break;
    case ScreenHalf::Top:
        height /= 2;
        break;
    case ScreenHalf::Right:
        left += width / 2;
        width /= 2;
        break;
    case ScreenHalf::Bottom:
        top += height / 2;
        height /= 2;
        break;
    case ScreenHalf::Left:
        width /= 2;
        break;
    }
    return QRect(left, top, width, height);
}

WindowLayout layoutInside(QSize window, const LayoutState &state)
{
    using namespace layout;
    WindowLayout result;
    const int w = window.width();
    const int h = window.height();
    result.window = QRect(QPoint(0, 0), window);

    result.reCopy = QRect(0, kReCopyTop, kReCopyWidth, kReCopyHeight);

    if (!state.panelFloating)
        result.pctDict =
            QRect(w - state.panelWidth, kPanelTop, state.panelWidth, h - kPanelMargins);

    result.statusLine = layoutStatusLine(window, state);

    result.pctSpan = QRect(state.spanLeft, kTopBarTop, w - state.spanLeft, kTopBarHeight);
    result.pctControl =
        QRect(w - kControlWidth - kControlRightGap, kTopBarTop, kControlWidth, kControlHeight);
    result.pctRecent = QRect(0, kTopBarTop, kRecentWidth, kTopBarHeight);

    // A pinned panel keeps its room even while it is closed, so the column does not jump
    // when it opens again.
    const int textHeight = state.showStatus == BarMode::Always ? h - kStatusReserve : h;
    const int pinnedWidth = state.panelPinned ? state.panelWidth : 0;
    result.txtMain = textColumnRect(window, state.widthSetting, pinnedWidth, textHeight);
    result.pctRed = scrollCoverRect(result.txtMain, state.scrollBarWidth, h);

    result.topBarCorner = QRect(w - kHoverCornerWidth, 0, kHoverCornerWidth, kHoverCornerHeight);
    const QRect edge(w - kHoverEdgeWidth, kHoverEdgeTop, kHoverEdgeWidth, h - kHoverEdgeMargins);
    result.imgHover = rectMinus(result.topBarCorner, result.txtMain);
    result.imgHover2 = rectMinus(edge, result.txtMain);
    return result;
}

QList<QRect> rectMinus(const QRect &area, const QRect &hole)
{
    if (area.isEmpty())
        return {};
    const QRect cut = area & hole;
    if (cut.isEmpty())
        return {area};
    QList<QRect> parts;
    const QRect bands[] = {
        QRect(QPoint(area.left(), area.top()), QPoint(area.right(), cut.top() - 1)),
        QRect(QPoint(area.left(), cut.bottom() + 1), QPoint(area.right(), area.bottom())),
        QRect(QPoint(area.left(), cut.top()), QPoint(cut.left() - 1, cut.bottom())),
        QRect(QPoint(cut.right() + 1, cut.top()), QPoint(area.right(), cut.bottom())),
    };
    for (const QRect &band : bands) {
        if (!band.isEmpty())
            parts.append(band);
    }
    return parts;
}

WindowLayout computeWindowLayout(const QList<QRect> &screens, int monitorIndex, ScreenHalf half,
                                 const LayoutState &state)
{
    const ScreenChoice choice = chooseScreen(screens, monitorIndex);
    const QRect window = applyScreenHalf(choice.screen, half);
    WindowLayout result = layoutInside(window.size(), state);
    result.window = window;
    result.monitorIndex = choice.monitorIndex;
    return result;
}

bool statusShownAtPointer(int y, int componentHeight)
{
    return y >= componentHeight - layout::kStatusReserve;
}

bool scrollCoverShownAtPointer(int x, int textWidth)
{
    // x < 0.75 * width, kept in integers so no rounding creeps in.
    constexpr int kQuarters = 4;
    constexpr int kCoveredQuarters = 3;
    return qint64(x) * kQuarters < qint64(textWidth) * kCoveredQuarters;
}

std::optional<bool> fixedScrollCoverVisibility(BarMode scrollbar)
{
    switch (scrollbar) {
    case BarMode::Never:
        return true;
    case BarMode::Always:
        return false;
    case BarMode::AutoHide:
        break;
    }
    return std::nullopt;
}

int WheelNotches::linesFor(int angleDeltaY)
{
    m_pending += angleDeltaY;
    // Truncation towards zero keeps the unused part of a notch, in either direction.
    const int notches = m_pending / kAnglePerNotch;
    m_pending -= notches * kAnglePerNotch;
    // Turning the wheel away from the writer scrolls up.
    return -notches * kLinesPerNotch;
}

std::optional<int> acceptPanelWidth(int panelLeft, int pointerX, int dragStartX, int windowWidth)
{
    const int newLeft = panelLeft + pointerX - dragStartX;
    const int newWidth = windowWidth - newLeft;
    if (newWidth < layout::kMinPanelWidth || newWidth > windowWidth / 2)
        return std::nullopt;
    return newWidth;
}

int dockedWidthOnAttach(int dockedPanelWidth, int windowWidth)
{
    int width = std::max(dockedPanelWidth, layout::kMinPanelWidth);
    width = std::min(width, windowWidth / 2);
    return width;
}

int nextMonitor(int monitorIndex, int monitorCount)
{
    const int next = monitorIndex + 1;
    return next < monitorCount ? next : 0;
}

std::optional<int> detachTargetMonitor(int monitorIndex, int monitorCount)
{
    constexpr int kMonitorsToDetach = 2;
    if (monitorCount < kMonitorsToDetach)
        return std::nullopt;
    return nextMonitor(monitorIndex, monitorCount);
}

ScreenHalf swappedScreenHalf(ScreenHalf half)
{
    switch (half) {
    case ScreenHalf::Full:
        return half;
    case ScreenHalf::Top:
        return ScreenHalf::Bottom;
    case ScreenHalf::Right:
        return ScreenHalf::Left;
    case ScreenHalf::Bottom:
        return ScreenHalf::Top;
    case ScreenHalf::Left:
        return ScreenHalf::Right;
    }
    return half;
}

ToolsPanelLayout layoutToolsPanel(QSize panel)
{
    const int w = panel.width();
    const int h = panel.height();
    ToolsPanelLayout result;
    result.pctDrag = QRect(0, 0, kDragWidth, h);
    result.tabTools = QRect(kTabsLeft, kTabsTop, w - kTabsWidthMargin, h - kTabsHeightMargin);
    result.cmdCloseRef = QRect(w - kCloseButtonFromRight, h - kCloseButtonFromBottom,
                               kCloseButtonWidth, kCloseButtonHeight);
    result.Image1 = QRect(w - kCloseImageFromRight, 0, kPanelImageWidth, kPanelImageHeight);
    result.imgPin0 = QRect(w - kPinFromRight, 0, kPinUnpinnedWidth, kPanelImageHeight);
    result.imgPin1 = QRect(w - kPinFromRight, 0, kPanelImageWidth, kPanelImageHeight);
    result.imgMax = QRect(w - kMaxFromRight, 0, kPanelImageWidth, kPanelImageHeight);
    result.title =
        QRect(kPanelTitleLeft, 0, w - kMaxFromRight - kPanelTitleLeft, kPanelImageHeight);
    return result;
}

} // namespace calmdesk
