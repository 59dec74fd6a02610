// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QTimer;
class QWidget;

namespace calmdesk {

class AsYouTypeSpelling;
class DictionaryLoader;
class DocumentSpellCheck;
class EditMenu;
class GoalsController;
class MessageBoxes;
class SpellingDictionary;
class SpellingMenu;
class SpellStatusIcons;
class TextControl;
class TfrmSpell;

// The spelling checker as the window uses it: the word list loaded in the background
// after start-up, the marks as the writer types, the context menu's spelling items and
// the spelling dialog.
class Spelling : public QObject
{
    Q_OBJECT

public:
    static constexpr int kLoadDelayMs = 500;

    // What the checker works with in the window.
    struct Parts
    {
        QWidget *window;
        TextControl *txtMain;
        EditMenu *mnuEdit;
        QWidget *statusLine;
        GoalsController *goals;
        MessageBoxes &messages;
        // "Check Spelling as you type".
        std::function<bool()> spellType;
        std::function<bool()> startHidden;
        // After the load: the window goes to the tray when minimised or started hidden.
        std::function<void()> hideIfMinimisedOrStartedHidden;
    };

    Spelling(const Parts &parts, QObject *parent = nullptr);
    ~Spelling() override;

    // Where the word list is looked for ("english.dct" beside the program, then in the
    // installed data folder) and where the writer's words are kept.
    void setDictionaryCandidates(const QStringList &paths) { m_candidates = paths; }
    void setUserWordFile(const QString &path) { m_userWordFile = path; }

    // tmrLoadDic: the load starts half a second after start-up.
    void startLoadTimer();
    void tmrLoadDicTimer();
    // The window agreed to close: a load under way stops.
    void appClosing();

    bool dictLoaded() const { return m_dictionary != nullptr; }
    QString dictProgressText() const;

    // F7 and the "Spelling Check" image: the whole text from the top.
    void checkWholeText();

    // Ignore and Add To Dictionary (`toFile`): the word is accepted from now on; with
    // `toFile` it is also kept in the writer's word file for the next start.
    void addWord(const QString &word, bool toFile);

    SpellingDictionary *dictionary() const { return m_dictionary.get(); }
    AsYouTypeSpelling *asYouType() const { return m_asYouType; }
    SpellingMenu *menu() const { return m_menu; }
    TfrmSpell *dialog() const { return frmSpell; }
    DocumentSpellCheck *documentCheck() const { return m_documentCheck; }
    SpellStatusIcons *statusIcons() const { return m_icons; }
    QTimer *loadTimer() const { return tmrLoadDic; }

signals:
    void dictionaryLoaded();
    void beepRequested();

private:
    void onLoaded(std::shared_ptr<SpellingDictionary> dictionary);

    Parts m_parts;
    QStringList m_candidates;
    QString m_userWordFile;
    std::shared_ptr<SpellingDictionary> m_dictionary;
    QTimer *tmrLoadDic;
    DictionaryLoader *m_loader;
    SpellStatusIcons *m_icons;
    AsYouTypeSpelling *m_asYouType;
    SpellingMenu *m_menu;
    TfrmSpell *frmSpell;
    DocumentSpellCheck *m_documentCheck;
};

} // namespace calmdesk
