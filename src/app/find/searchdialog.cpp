// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/find/searchdialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace calmdesk {

namespace {

constexpr int kSearchFieldWidth = 240;

} // namespace

SearchDialog::SearchDialog(Kind kind, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
    , txtFindWhat(new QLineEdit(this))
    , chkMatchCase(new QCheckBox(tr("Match &case"), this))
    , chkWholeWord(new QCheckBox(tr("&Whole word"), this))
    , cmdFindNext(new QPushButton(tr("&Find Next"), this))
    , cmdClose(new QPushButton(tr("Close"), this))
{
    const bool replacing = kind == Kind::Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(replacing ? tr("Replace") : tr("Find"));
    txtFindWhat->setObjectName(QStringLiteral("txtFindWhat"));
    txtFindWhat->setMinimumWidth(kSearchFieldWidth);

    auto *fields = new QFormLayout;
    fields->addRow(tr("Fi&nd what:"), txtFindWhat);
    if (replacing) {
        txtReplaceWith = new QLineEdit(this);
        txtReplaceWith->setObjectName(QStringLiteral("txtReplaceWith"));
        fields->addRow(tr("Re&place with:"), txtReplaceWith);
    }
    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(chkMatchCase);
    left->addWidget(chkWholeWord);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdFindNext);
    if (replacing) {
        cmdReplace = new QPushButton(tr("&Replace"), this);
        cmdReplaceAll = new QPushButton(tr("Replace &All"), this);
        buttons->addWidget(cmdReplace);
        buttons->addWidget(cmdReplaceAll);
        connect(cmdReplace, &QPushButton::clicked, this, &SearchDialog::replaceClicked);
        connect(cmdReplaceAll, &QPushButton::clicked, this, &SearchDialog::replaceAllClicked);
    }
    buttons->addWidget(cmdClose);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    // Tab goes down the fields, then down the buttons, whatever order they were made in.
    const QList<QWidget *> tabOrder{txtFindWhat, txtReplaceWith, chkMatchCase,  chkWholeWord,
                                    cmdFindNext, cmdReplace,     cmdReplaceAll, cmdClose};
    QWidget *previous = nullptr;
    for (QWidget *next : tabOrder) {
        if (!next)
            continue; // not in the Find dialog
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    // Enter runs Find Next from any field.
    cmdFindNext->setDefault(true);
    connect(cmdFindNext, &QPushButton::clicked, this, &SearchDialog::findNextClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtFindWhat, &QLineEdit::textChanged, this, &SearchDialog::updateButtons);
    updateButtons();
}

QString SearchDialog::searchText() const
{
    return txtFindWhat->text();
}

void SearchDialog::setSearchText(const QString &text)
{
    txtFindWhat->setText(text);
}

FindRequest SearchDialog::request(FindAction action) const
{
    FindRequest request;
    request.searchText = txtFindWhat->text();
    if (txtReplaceWith)
        request.replacement = txtReplaceWith->text();
    request.matchCase = chkMatchCase->isChecked();
    request.wholeWord = chkWholeWord->isChecked();
    request.action = action;
    return request;
}

void SearchDialog::present()
{
    show();
    raise();
    activateWindow();
    txtFindWhat->setFocus();
    txtFindWhat->selectAll();
}

void SearchDialog::done(int result)
{
    QDialog::done(result);
    emit closed();
}

void SearchDialog::updateButtons()
{
    // Nothing to search for: the search buttons wait for a text.
    const bool searchable = !txtFindWhat->text().isEmpty();
    cmdFindNext->setEnabled(searchable);
    if (cmdReplace) {
        cmdReplace->setEnabled(searchable);
        cmdReplaceAll->setEnabled(searchable);
    }
}

} // namespace calmdesk
