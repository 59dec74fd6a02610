// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/find/textfinder.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace calmdesk {

// The modeless Find (`FindDialog`) and Replace (`ReplaceDialog`) dialogs, in the usual
// layout: the search text, for Replace the replacement, Match case, Whole word, and the
// buttons down the right. They keep their texts and options between showings; the
// searching is FindReplace's.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Kind { Find, Replace };

    SearchDialog(Kind kind, QWidget *parent);

    Kind kind() const { return m_kind; }

    QString searchText() const;
    void setSearchText(const QString &text);
    // What the dialog's texts and options ask for.
    FindRequest request(FindAction action) const;

    // Shows the dialog, or brings it to the front, with the search text selected.
    void present();

    void done(int result) override;

signals:
    void findNextClicked();
    void replaceClicked();
    void replaceAllClicked();
    // Closed by its button, Escape or the window's close button.
    void closed();

private:
    void updateButtons();

    const Kind m_kind;
    QLineEdit *txtFindWhat;
    QLineEdit *txtReplaceWith = nullptr;
    QCheckBox *chkMatchCase;
    QCheckBox *chkWholeWord;
    QPushButton *cmdFindNext;
    QPushButton *cmdReplace = nullptr;
    QPushButton *cmdReplaceAll = nullptr;
    QPushButton *cmdClose;
};

} // namespace calmdesk
