// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace calmdesk {

struct DialogSuggestions;

// The spelling dialog: modeless and on top, it shows the word a check stopped at with
// suggestions; its buttons tell the check how to go on.
class TfrmSpell : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSpell(QWidget *parent = nullptr);

    // Fills the dialog for `word`; without suggestions the list says so and is disabled.
    void showWord(const QString &word, const DialogSuggestions &suggestions);
    QString word() const;
    QString changeTo() const;

    QLabel *const Label17;
    QLabel *const Label21;
    QLineEdit *const txtWord;
    QLineEdit *const txtChangeTo;
    QListWidget *const lstSuggestions;
    QPushButton *const cmdChange;
    QPushButton *const cmdIgnore;
    QPushButton *const cmdIgnoreAll;
    QPushButton *const cmdAdd;
    QPushButton *const cmdCancel;

signals:
    void changeRequested();
    void ignoreRequested();
    void addRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lstSuggestionsClick();
    void lstSuggestionsDblClick();
};

} // namespace calmdesk
