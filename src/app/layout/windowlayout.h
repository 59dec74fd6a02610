// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settingstable.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

namespace calmdesk {

// The text column starts one pixel below the window's top edge.
inline constexpr int kTextColumnTop = 1;

// Which part of its monitor the window fills.
enum class ScreenHalf {
    Full = 0,
    Top = 1,
    Right = 2,
    Bottom = 3,
    Left = 4,
};

// Fixed sizes and positions of the window's parts.
namespace layout {
inline constexpr int kStatusHeight = 24;
// The text leaves this much to an always-shown status line, and a pointer this near the
// bottom shows one that hides.
inline constexpr int kStatusReserve = 26;
inline constexpr int kTopBarTop = 1;
inline constexpr int kTopBarHeight = 24;
inline constexpr int kControlWidth = 121;
inline constexpr int kControlHeight = 23;
inline constexpr int kControlRightGap = 2;
inline constexpr int kRecentWidth = 128;
inline constexpr int kHoverCornerWidth = 121;
inline constexpr int kHoverCornerHeight = 25;
inline constexpr int kHoverEdgeWidth = 25;
inline constexpr int kHoverEdgeTop = 120;
// The edge strip leaves this much free at the top and the bottom together.
inline constexpr int kHoverEdgeMargins = 240;
inline constexpr int kPanelTop = 24;
// The panel leaves the top bar and the status line free.
inline constexpr int kPanelMargins = 48;
inline constexpr int kDefaultPanelWidth = 300;
inline constexpr int kMinPanelWidth = 200;
inline constexpr int kReCopyWidth = 1280;
inline constexpr int kReCopyTop = -1024;
inline constexpr int kReCopyHeight = 200;
inline constexpr int kSpellImagesFromRight = 20;
inline constexpr int kTimeFromRight = 90;
inline constexpr int kFileBeforeTime = 130;
inline constexpr int kCronGap = 2;
} // namespace layout

// The text column inside a window of `window` size. A pinned panel of `pinnedPanelWidth`
// pixels takes its width off the right, and the column centres in what is left.
// `columnHeight` is the height the status line leaves to the text.
QRect textColumnRect(QSize window, int widthSetting, int pinnedPanelWidth, int columnHeight);

// The monitor the window fills. `screens` lists the monitors' rectangles with the
// primary first. An index past the last monitor (one was removed) falls back to 0, the
// primary.
struct ScreenChoice
{
    QRect screen;
    int monitorIndex = 0;
};
ScreenChoice chooseScreen(const QList<QRect> &screens, int monitorIndex);

// The part of `screen` a window in `half` mode fills.
QRect applyScreenHalf(const QRect &screen, ScreenHalf half);

// Everything besides the window's size that places its parts.
struct LayoutState
{
    // The width setting; one outside its range lays the column out at the default
    // (widthInRange).
    int widthSetting = defaultSettings().width;
    // How the status line shows (`show_status`).
    BarMode showStatus = BarMode::Always;
    int scrollBarWidth = 0;
    int panelWidth = layout::kDefaultPanelWidth;
    bool panelPinned = false;
    bool panelFloating = false;
    bool cronVisible = false;
    int cronWidth = 0;
    // The top bar's dark strip starts here and runs to the right edge.
    int spanLeft = 0;
};

// The status line's parts that move with the window's width (the others keep the fixed
// positions in statusline constants below).
struct StatusLineLayout
{
    QRect status;
    int spellImagesLeft = 0;
    int timeLeft = 0;
    int cronLeft = 0;
    int fileLeft = 0;
};

// Where a hover strip notices the pointer: its place less the text column, so a strip never
// takes the pointer or a click from the text or its scroll bar. Empty when the text covers
// the whole place.
using HoverArea = QList<QRect>;

// `area` less `hole`, as up to four rectangles (the bands above, below, left and right of
// the hole).
QList<QRect> rectMinus(const QRect &area, const QRect &hole);

struct WindowLayout
{
    // Where the window goes, and the monitor it stands on after a fallback.
    QRect window;
    int monitorIndex = 0;

    QRect txtMain;
    QRect pctRed;
    QRect reCopy;
    // Empty while the panel is floating in a window of its own.
    QRect pctDict;
    StatusLineLayout statusLine;
    // The top-right corner and the right edge, each less the text column: along the top
    // the corner keeps its first row, which the column (one pixel down) never covers.
    HoverArea imgHover;
    HoverArea imgHover2;
    // The whole corner: while the top bar shows, the pointer anywhere in it keeps the bar.
    QRect topBarCorner;
    QRect pctSpan;
    QRect pctControl;
    // The "Recent Files" button at the top left, over the strip's start.
    QRect pctRecent;
};

// Positions of the parts in a window of the given size.
WindowLayout layoutInside(QSize window, const LayoutState &state);

// The whole layout: the window's rectangle from the monitors and the mode, then every part
// inside a window of that size.
WindowLayout computeWindowLayout(const QList<QRect> &screens, int monitorIndex, ScreenHalf half,
                                 const LayoutState &state);

// --- pointer rules ---

// With the status line shown under the pointer: shown while the pointer is within 26
// pixels of the bottom of the component it moves over.
bool statusShownAtPointer(int y, int componentHeight);

// With the scroll bar shown under the pointer: the cover stands over the scroll bar while
// the pointer is over the left three quarters of the text (exactly, without rounding).
bool scrollCoverShownAtPointer(int x, int textWidth);

// The cover's state a mode fixes for good: shown for "never", hidden for "always", and
// none for "under the pointer".
std::optional<bool> fixedScrollCoverVisibility(BarMode scrollbar);

// The mouse wheel scrolls the text three lines per notch. Fine-grained wheels and touch
// pads send parts of a notch; they add up until a whole notch is reached.
class WheelNotches
{
public:
    static constexpr int kAnglePerNotch = 120;
    static constexpr int kLinesPerNotch = 3;

    // Lines to scroll for a turn of `angleDeltaY` (Qt's eighths of a degree, positive
    // away from the writer): positive down, negative up.
    int linesFor(int angleDeltaY);

private:
    int m_pending = 0;
};

// --- panel ---

// One step of a splitter drag: the panel's new width, or none when the step would make the
// panel narrower than 200 pixels or wider than half the window.
std::optional<int> acceptPanelWidth(int panelLeft, int pointerX, int dragStartX, int windowWidth);

// The width a panel gets when it is attached again: at least 200, at most half the window
// (half the window wins in a window narrower than 400).
int dockedWidthOnAttach(int dockedPanelWidth, int windowWidth);

// The monitor after `monitorIndex`, wrapping to the primary after the last.
int nextMonitor(int monitorIndex, int monitorCount);

// The monitor a detached panel goes to, or none with a single monitor.
std::optional<int> detachTargetMonitor(int monitorIndex, int monitorCount);

// The opposite half: top and bottom, right and left swap; full screen stays.
ScreenHalf swappedScreenHalf(ScreenHalf half);

// Parts of the writing-tools panel, relative to the panel of size `panel`.
struct ToolsPanelLayout
{
    QRect pctDrag;
    QRect tabTools;
    QRect cmdCloseRef;
    QRect Image1;
    QRect imgPin0;
    QRect imgPin1;
    QRect imgMax;
    QRect title;
};
ToolsPanelLayout layoutToolsPanel(QSize panel);

} // namespace calmdesk
