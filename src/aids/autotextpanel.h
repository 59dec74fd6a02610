// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace calmdesk {

class TextControl;

// The auto-text panel `pctAT`: Ctrl+Space after the beginning of a word lists the stored
// words that begin with it, just below the word; OK (Enter) puts the chosen word in place
// of the typed letters, Cancel (Esc) closes it, and so does leaving the list.
class AutoTextPanel : public QFrame
{
    Q_OBJECT

public:
    AutoTextPanel(TextControl *txtMain, QWidget *window);

    void setWords(const QStringList &atWords) { m_words = atWords; }

    void editAutoText();
    void cmdShowTextClick();
    void cmdHideTextClick();

    // The listed words, in the order shown.
    QStringList listedWords() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TextControl *m_txtMain;
    QListWidget *lstAT;
    QPushButton *cmdShowText;
    QPushButton *cmdHideText;
    QStringList m_words;
    int atWordStart = 0;
    int atWordLength = 0;
};

} // namespace calmdesk
