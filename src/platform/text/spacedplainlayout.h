// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextDocumentLayout>

namespace calmdesk {

// Qt's layout of plain text, with room below every paragraph.
class SpacedPlainLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT

public:
    explicit SpacedPlainLayout(QTextDocument *document);

    void setSpaceAfter(qreal pixels);
    qreal spaceAfter() const { return m_spaceAfter; }

    QRectF blockBoundingRect(const QTextBlock &block) const override;

private:
    qreal m_spaceAfter = 0;
};

} // namespace calmdesk
