// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/spelling.h"

#include "aids/spelling/asyoutypespelling.h"
#include "aids/spelling/dictionaryloader.h"
#include "aids/spelling/documentspellcheck.h"
#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/spellingmenu.h"
#include "aids/spelling/spellstatusicons.h"
#include "aids/spelling/tfrmspell.h"
#include "aids/spelling/wordlistfiles.h"
#include "goals/goalscontroller.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/text/textcontrol.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

namespace calmdesk {

namespace {

Message wordNotKeptMessage()
{
    const char *const context = "calmdesk::Spelling";
    return Message{QCoreApplication::translate(
                       context, "The word could not be added to the dictionary file. It is "
                                "accepted until the program ends."),
                   QCoreApplication::translate(context, "Add To Dictionary"), Message::Icon::Error,
                   Message::Buttons::Ok};
}

} // namespace

Spelling::Spelling(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
    , m_candidates(wordlistfiles::dictionaryCandidates())
    , m_userWordFile(wordlistfiles::userWordFile())
    , tmrLoadDic(new QTimer(this))
    , m_loader(new DictionaryLoader(this))
    , m_icons(new SpellStatusIcons(parts.statusLine))
    , m_asYouType(new AsYouTypeSpelling(
          parts.txtMain,
          [this] {
              QWidget *window = m_parts.window;
              return m_parts.spellType() && window->isVisible() && !window->isMinimized() &&
                     !m_parts.startHidden();
          },
          this))
    , m_menu(new SpellingMenu(parts.txtMain, parts.mnuEdit, this))
    , frmSpell(new TfrmSpell(parts.window))
    , m_documentCheck(new DocumentSpellCheck(parts.txtMain, frmSpell, parts.messages, this))
{
    tmrLoadDic->setObjectName(QStringLiteral("tmrLoadDic"));
    tmrLoadDic->setSingleShot(true);
    connect(tmrLoadDic, &QTimer::timeout, this, &Spelling::tmrLoadDicTimer);
    connect(m_loader, &DictionaryLoader::progressChanged, m_icons, [this](int percent) {
        m_icons->setProgressText(DictionaryLoader::progressText(percent));
    });
    connect(m_loader, &DictionaryLoader::loaded, this, &Spelling::onLoaded);

    GoalsController *goals = parts.goals;
    connect(goals, &GoalsController::spellTimerStopRequested, m_asYouType,
            &AsYouTypeSpelling::stopTimer);
    connect(goals, &GoalsController::textEdited, m_asYouType, &AsYouTypeSpelling::textEdited);
    connect(goals, &GoalsController::spellTimerRestartRequested, m_asYouType,
            &AsYouTypeSpelling::restartTimer);
    connect(parts.txtMain, &TextControl::keyDown, m_asYouType,
            [this](int key, Qt::KeyboardModifiers modifiers, bool *) {
                m_asYouType->txtMainKeyDown(key, modifiers);
            });
    connect(m_asYouType, &AsYouTypeSpelling::checkingChanged, m_icons,
            &SpellStatusIcons::setChecking);

    connect(m_menu, &SpellingMenu::wordAccepted, this, &Spelling::addWord);
    connect(m_icons, &SpellStatusIcons::imgSpellClick, this, &Spelling::checkWholeText);
    connect(m_documentCheck, &DocumentSpellCheck::beepRequested, this, &Spelling::beepRequested);
    connect(this, &Spelling::beepRequested, this, [] { QApplication::beep(); });
}

Spelling::~Spelling() = default;

void Spelling::startLoadTimer()
{
    m_icons->setProgressText(tr("Loading directory..."));
    tmrLoadDic->start(kLoadDelayMs);
}

void Spelling::tmrLoadDicTimer()
{
    const QString path = wordlistfiles::findDictionary(m_candidates);
    // Without a word list nothing is ever marked and the check of the text only beeps.
    if (path.isEmpty())
        return;
    m_loader->start(path, m_userWordFile);
}

void Spelling::appClosing()
{
    tmrLoadDic->stop();
    m_loader->stop();
}

QString Spelling::dictProgressText() const
{
    return m_icons->progressText();
}

void Spelling::onLoaded(std::shared_ptr<SpellingDictionary> dictionary)
{
    m_dictionary = std::move(dictionary);
    m_asYouType->setDictionary(m_dictionary.get());
    m_menu->setDictionary(m_dictionary.get());
    m_documentCheck->setDictionary(m_dictionary.get());
    m_icons->showLoaded();
    m_parts.hideIfMinimisedOrStartedHidden();
    emit dictionaryLoaded();
}

void Spelling::checkWholeText()
{
    m_documentCheck->spellCheckRange(0, -1);
}

void Spelling::addWord(const QString &word, bool toFile)
{
    if (!m_dictionary)
        return;
    m_dictionary->addWord(word);
    m_asYouType->wordsChanged();
    if (toFile && !wordlistfiles::appendWord(m_userWordFile, word))
        m_parts.messages.show(wordNotKeptMessage());
}

} // namespace calmdesk
