// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace calmdesk {

// The spelling images at the right end of the status line, one place for all three:
// `imgSpell3` while the word list loads (its hint tells how far), then `imgSpell`
// ("Spelling Check", a click checks the whole text), covered by `imgSpell2` while the
// as-you-type check runs.
class SpellStatusIcons : public QWidget
{
    Q_OBJECT

public:
    // Sits in `statusLine`, 20 pixels from its right edge, and follows its width.
    explicit SpellStatusIcons(QWidget *statusLine);

    // dictProgressText, the loading image's hint.
    void setProgressText(const QString &text);
    QString progressText() const;
    // The word list is loaded: the "Spelling Check" image replaces the loading one.
    void showLoaded();
    void setChecking(bool checking);

    QToolButton *const imgSpell;
    QToolButton *const imgSpell2;
    QToolButton *const imgSpell3;

signals:
    void imgSpellClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
};

} // namespace calmdesk
