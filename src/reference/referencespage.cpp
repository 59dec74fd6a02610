// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/referencespage.h"

#include "core/asciitext.h"
#include "platform/text/textcontrol.h"
#include "reference/lookupwords.h"
#include "reference/pagefetcher.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace calmdesk {

namespace {

constexpr int kResultPixels = 12;

} // namespace

ReferencesPage::ReferencesPage(QWidget *page, QObject *parent)
    : QObject(parent)
    , lblWhere(new QLabel(tr("&Where:"), page))
    , lstDict(new QComboBox(page))
    , txtFind(new QLineEdit(page))
    , imgGoto(new QToolButton(page))
    , cmdGoTo(new QPushButton(tr("Go"), page))
    , txtDict(new TextControl(TextKind::Formatted, page))
    , cmdCopyRef(new QPushButton(tr("Insert"), page))
    , cmdFindRef(new QPushButton(tr("Research"), page))
    , m_fetcher(new PageFetcher(this))
{
    lblWhere->setBuddy(lstDict);
    lstDict->setAccessibleName(tr("Where"));
    txtFind->setAccessibleName(tr("Word to look up"));
    imgGoto->setArrowType(Qt::RightArrow);
    imgGoto->setAccessibleName(tr("Go"));
    imgGoto->setToolTip(tr("Go"));
    txtDict->setReadOnly(true);
    txtDict->setAccessibleName(tr("Look-up result"));
    QFont font(QStringLiteral("Trebuchet MS"));
    font.setPixelSize(kResultPixels);
    txtDict->setFont(font);
    txtDict->setAddressRecognition(true);

    auto *where = new QHBoxLayout;
    where->addWidget(lblWhere);
    where->addWidget(lstDict, 1);
    auto *find = new QHBoxLayout;
    find->addWidget(txtFind, 1);
    find->addWidget(imgGoto);
    find->addWidget(cmdGoTo);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdCopyRef);
    buttons->addWidget(cmdFindRef);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(where);
    layout->addLayout(find);
    layout->addWidget(txtDict, 1);
    layout->addLayout(buttons);

    connect(imgGoto, &QToolButton::clicked, this, &ReferencesPage::imgGotoClick);
    connect(cmdGoTo, &QPushButton::clicked, this, &ReferencesPage::imgGotoClick);
    // Enter in the search box starts the look-up, as the default button would.
    connect(txtFind, &QLineEdit::returnPressed, this, &ReferencesPage::imgGotoClick);
    connect(lstDict, &QComboBox::activated, this, &ReferencesPage::lstDictClick);
    connect(cmdFindRef, &QPushButton::clicked, this, &ReferencesPage::cmdFindRefClick);
    connect(cmdCopyRef, &QPushButton::clicked, this, [this] {
        const QString text = txtDict->selectedText();
        if (!text.isEmpty())
            emit insertRequested(text);
    });
    connect(txtDict, &TextControl::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint &) {
                txtDictMouseUp(button);
            });
    connect(m_fetcher, &PageFetcher::fetched, this, &ReferencesPage::pageFetched);
}

void ReferencesPage::loadReferenceSources(const SettingsStore &store, const QString &root)
{
    m_sources = calmdesk::loadReferenceSources(store, root);
    lstDict->clear();
    lstDict->addItems(referenceSourceItems(m_sources));
    // The first listed source is the one in use.
    if (lstDict->count() > 0) {
        lstDict->setCurrentIndex(0);
        lstDictClick();
    } else {
        m_current = 0;
    }
}

void ReferencesPage::lstDictClick()
{
    m_current = referenceSlotOfItem(lstDict->currentText());
    if (m_current == 0)
        return;
    // Another source repeats the last look-up while the panel shows.
    if (txtDict->isVisibleTo(txtDict->window()) && txtDict->window()->isVisible() &&
        !trimmed(lastLookupWord).isEmpty()) {
        txtFind->setText(lastLookupWord);
        imgGotoClick();
    }
}

void ReferencesPage::imgGotoClick()
{
    const QString word = trimmed(txtFind->text());
    txtFind->setText(word);
    if (!word.isEmpty())
        lookupReference(word);
}

void ReferencesPage::lookUpIn(const TextControl &text, bool selectionFirst)
{
    const QString word = lookupWordFor(
        selectionFirst ? text.selectedText() : QString(), [&text] { return text.text(); },
        text.selStart());
    if (word.isEmpty())
        return;
    txtFind->setText(word);
    imgGotoClick();
}

void ReferencesPage::cmdFindRefClick()
{
    const QString selected = trimmed(txtDict->selectedText());
    if (selected.isEmpty())
        return;
    txtFind->setText(selected);
    imgGotoClick();
}

void ReferencesPage::lookupReference(const QString &word)
{
    if (m_current < 1 || m_current > kReferenceSlots)
        return;
    // The word goes into the address as it is.
    m_url = m_sources[m_current - 1][ReferenceSource::UrlTemplate];
    m_url.replace(QStringLiteral("%s"), word);
    show(searchingPage(word));
    emit showRequested();
    lastLookupWord = word;
    // The result replaces "Searching..." only when the whole page has come.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_fetcher->fetch(m_url);
}

void ReferencesPage::pageFetched(const QString &page)
{
    QGuiApplication::restoreOverrideCursor();
    show(resultPage(page, m_sources[m_current - 1], lastLookupWord, m_url));
    txtDict->setCaret(0);
    txtDict->setVerticalScrollPosition(0);
    txtDict->setFocus();
    emit lookupFinished();
}

void ReferencesPage::txtDictMouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    const QString text = txtDict->text();
    const QString topic = topicAt(text, txtDict->selStart());
    if (!topic.isEmpty()) {
        txtFind->setText(topic);
        imgGotoClick();
        return;
    }
    const QString address = addressAt(text, txtDict->selStart());
    if (!address.isEmpty())
        emit openAddressRequested(address);
}

void ReferencesPage::show(const LookupPage &page)
{
    txtDict->clearText();
    for (const LookupLine &line : page) {
        CharAttributes look;
        look.pointSize = line.pointSize;
        look.colour = line.colour;
        look.bold = line.bold;
        look.italic = line.italic;
        look.underline = UnderlineStyle::None;
        txtDict->setCharAttributes(look, FormatScope::Selection);
        txtDict->setFirstLineIndent(line.indent);
        txtDict->appendParagraph(line.text);
        showAddresses(line.text);
    }
}

void ReferencesPage::showAddresses(const QString &line)
{
    const QList<std::pair<int, int>> spans = addressSpans(line);
    if (spans.isEmpty())
        return;
    // The line just appended ends the text.
    const int lineStart = txtDict->textLength() - int(line.size());
    CharAttributes link;
    link.colour = QColor(0, 0, 255);
    link.underline = UnderlineStyle::Single;
    for (const auto &[start, length] : spans) {
        txtDict->select(lineStart + start, length);
        txtDict->setCharAttributes(link, FormatScope::Selection);
    }
    txtDict->setCaret(txtDict->textLength());
}

} // namespace calmdesk
