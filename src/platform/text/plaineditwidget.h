// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/text/reportingeditor.h"

#include <QPlainTextEdit>

namespace calmdesk {

class SpacedPlainLayout;

// Qt's plain editing widget, for a whole document in one look: it lays out only the
// paragraphs in view, so a novel opens and types as fast as a letter. Paragraphs may
// have space after them; characters keep one font.
class PlainEditWidget : public ReportingEditor<QPlainTextEdit>
{
public:
    explicit PlainEditWidget(QWidget *parent = nullptr);

    void setSpaceAfter(qreal pixels);

    QRectF blockRect(const QTextBlock &block) const override;
    void scrollByLines(int lines) override;

private:
    SpacedPlainLayout *m_layout;
};

} // namespace calmdesk
