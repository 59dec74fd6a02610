// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/text/reportingeditor.h"

#include <QTextEdit>

namespace calmdesk {

// Qt's rich editing widget, for text whose paragraphs and characters carry formats of
// their own (indents, sizes, colours).
class TextEditWidget : public ReportingEditor<QTextEdit>
{
    Q_OBJECT

public:
    explicit TextEditWidget(QWidget *parent = nullptr);

    QRectF blockRect(const QTextBlock &block) const override;
    void scrollByLines(int lines) override;

private slots:
    // Qt asks to repaint from an edited paragraph down to the end of the view, even when
    // the text ends a few lines below; only what the text covers (now or before the
    // edit) is repainted.
    void repaintContents(const QRectF &contentsRect);

private:
    // The lowest the text reached since the last repaint, in document coordinates.
    qreal m_coveredHeight = 0;
};

} // namespace calmdesk
