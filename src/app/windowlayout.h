#pragma once

#include <QRect>
#include <QSize>

namespace calmdesk {

// The column width in per cent that the editor falls back to when the setting is out
// of range.
inline constexpr int kDefaultColumnPercent = 90;
inline constexpr int kMinColumnPercent = 10;
inline constexpr int kMaxColumnPercent = 100;
// The text column starts one pixel below the window's top edge.
inline constexpr int kTextColumnTop = 1;

// A width setting outside 10..100 per cent lays the column out at 90 per cent.
int effectiveColumnPercent(int widthSetting);

// The text column inside a window of `window` size. A pinned panel of `pinnedPanelWidth`
// pixels takes its width off the right, and the column centres in what is left.
// `columnHeight` is the height the status line leaves to the text.
QRect textColumnRect(QSize window, int widthSetting, int pinnedPanelWidth, int columnHeight);

} // namespace calmdesk
