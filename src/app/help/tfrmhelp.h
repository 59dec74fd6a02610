// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace calmdesk {

class TextControl;
class UrlOpener;

// The card of keyboard shortcuts. Created for each showing and destroyed after it.
class TfrmHelp : public QDialog
{
    Q_OBJECT

public:
    TfrmHelp(QWidget *parent, UrlOpener &opener);

    // Creates the card over `parent`, shows it modally and destroys it when it closes.
    static void showHelp(QWidget *parent, UrlOpener &opener);

    // The address the footer opens, as shown there: a bare host name.
    static QString webAddress();

    // The four columns: keys and what they do, left pair and right pair.
    static QStringList columnLines(int column);

    TextControl *const txtCol1;
    TextControl *const txtCol2;
    TextControl *const txtCol3;
    TextControl *const txtCol4;
    QLabel *const lblClick1;
    QLabel *const lblHint1;
    QLabel *const lblClick2;
    QLabel *const lblHint2;
    QLabel *const imgFooter;
    QLabel *const Label1;
    QLabel *const Label2;
    QPushButton *const cmdClose;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildHeader();
    void buildColumns();
    void buildHints();
    void buildFooter();
    void centreOver(QWidget *parent);
    void Label2Click();

    UrlOpener &m_opener;
};

} // namespace calmdesk
