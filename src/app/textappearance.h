#pragma once

#include <QColor>
#include <QString>

namespace calmdesk {

// How the text column looks: what a fresh user sees until the settings say otherwise.
struct TextAppearance
{
    // 240 twips (12 pt) of space after each paragraph when paragraph spacing is on.
    static constexpr int kParagraphSpacingTwips = 240;

    QString fontFamily = QStringLiteral("Courier New");
    int pointSize = 12;
    bool bold = false;
    bool italic = false;
    QColor foreground = QColor(255, 128, 64);
    QColor background = QColor(0, 0, 0);
    bool paragraphSpacing = true;
};

} // namespace calmdesk
