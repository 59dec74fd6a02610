// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/tfrmspell.h"

#include "aids/spelling/suggestions.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace calmdesk {

namespace {

QLabel *buddyLabel(const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TfrmSpell::TfrmSpell(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , Label17(new QLabel(tr("Spelling Check"), this))
    , Label21(new QLabel(
          tr("Verifiy and correct the selected word, or choose an suggested alternative."), this))
    , txtWord(new QLineEdit(this))
    , txtChangeTo(new QLineEdit(this))
    , lstSuggestions(new QListWidget(this))
    , cmdChange(new QPushButton(tr("&Change"), this))
    , cmdIgnore(new QPushButton(tr("&Ignore"), this))
    , cmdIgnoreAll(new QPushButton(tr("I&gnore All"), this))
    , cmdAdd(new QPushButton(tr("&Add Word..."), this))
    , cmdCancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("TfrmSpell"));
    setWindowTitle(tr("Spelling Check"));
    setModal(false);
    QFont header = Label17->font();
    header.setBold(true);
    Label17->setFont(header);
    Label21->setWordWrap(true);
    txtWord->setReadOnly(true);
    // Kept as the dialog has always had it, without an action.
    cmdIgnoreAll->hide();
    cmdCancel->setDefault(true);

    const auto name = [](QWidget *widget, const char *objectName) {
        widget->setObjectName(QLatin1String(objectName));
    };
    name(Label17, "Label17");
    name(Label21, "Label21");
    name(txtWord, "txtWord");
    name(txtChangeTo, "txtChangeTo");
    name(lstSuggestions, "lstSuggestions");
    name(cmdChange, "cmdChange");
    name(cmdIgnore, "cmdIgnore");
    name(cmdIgnoreAll, "cmdIgnoreAll");
    name(cmdAdd, "cmdAdd");
    name(cmdCancel, "cmdCancel");

    auto *fields = new QGridLayout;
    fields->addWidget(buddyLabel(tr("&Not in Dictionary:"), txtWord, this), 0, 0);
    fields->addWidget(txtWord, 1, 0);
    fields->addWidget(buddyLabel(tr("Change &To:"), txtChangeTo, this), 2, 0);
    fields->addWidget(txtChangeTo, 3, 0);
    fields->addWidget(buddyLabel(tr("&Suggestions:"), lstSuggestions, this), 4, 0);
    fields->addWidget(lstSuggestions, 5, 0);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdChange);
    buttons->addWidget(cmdIgnore);
    buttons->addWidget(cmdIgnoreAll);
    buttons->addWidget(cmdAdd);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    fields->addLayout(buttons, 1, 1, 5, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label17);
    layout->addWidget(Label21);
    layout->addLayout(fields);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdChange, &QPushButton::clicked, this, &TfrmSpell::changeRequested);
    connect(cmdIgnore, &QPushButton::clicked, this, &TfrmSpell::ignoreRequested);
    connect(cmdAdd, &QPushButton::clicked, this, &TfrmSpell::addRequested);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
    connect(lstSuggestions, &QListWidget::itemClicked, this, &TfrmSpell::lstSuggestionsClick);
    connect(lstSuggestions, &QListWidget::itemDoubleClicked, this,
            &TfrmSpell::lstSuggestionsDblClick);
    txtWord->installEventFilter(this);
    txtChangeTo->installEventFilter(this);
}

void TfrmSpell::showWord(const QString &word, const DialogSuggestions &suggestions)
{
    txtWord->clear();
    txtChangeTo->clear();
    lstSuggestions->clear();
    if (suggestions.entries.isEmpty()) {
        lstSuggestions->setEnabled(false);
        lstSuggestions->addItem(tr("(no suggestions)"));
    } else {
        lstSuggestions->setEnabled(true);
        lstSuggestions->addItems(suggestions.entries);
        lstSuggestions->setCurrentRow(suggestions.selected);
        txtChangeTo->setText(suggestions.changeTo);
    }
    txtWord->setText(word);
}

QString TfrmSpell::word() const
{
    return txtWord->text();
}

QString TfrmSpell::changeTo() const
{
    return txtChangeTo->text();
}

void TfrmSpell::lstSuggestionsClick()
{
    if (QListWidgetItem *item = lstSuggestions->currentItem())
        txtChangeTo->setText(item->text());
}

void TfrmSpell::lstSuggestionsDblClick()
{
    lstSuggestionsClick();
    emit changeRequested();
}

bool TfrmSpell::eventFilter(QObject *watched, QEvent *event)
{
    // Enter changes the word while one of the fields has the keyboard, and cancels
    // elsewhere.
    if (event->type() == QEvent::FocusIn) {
        cmdCancel->setDefault(false);
        cmdChange->setDefault(true);
    } else if (event->type() == QEvent::FocusOut) {
        cmdChange->setDefault(false);
        cmdCancel->setDefault(true);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace calmdesk
