#include "windowlayout.h"

namespace calmdesk {

int effectiveColumnPercent(int widthSetting)
{
    if (widthSetting < kMinColumnPercent || widthSetting > kMaxColumnPercent)
        return kDefaultColumnPercent;
    return widthSetting;
}

QRect textColumnRect(QSize window, int widthSetting, int pinnedPanelWidth, int columnHeight)
{
    const int percent = effectiveColumnPercent(widthSetting);
    const int available = window.width() - pinnedPanelWidth;
    // Integer division truncating towards zero, as the layout always did.
    const int width = available * percent / 100;
    const int left = (available - width) / 2;
    return QRect(left, kTextColumnTop, width, columnHeight);
}

} // namespace calmdesk
