// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling engine as its callers meet it: keys, the case rules, the tokenizer and its
// sentence starts, suggestions, the word list files and the background load.

#include "aids/spelling/dictionaryloader.h"
#include "aids/spelling/soundcode.h"
#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/spellingpass.h"
#include "aids/spelling/suggestions.h"
#include "aids/spelling/wordlistfiles.h"
#include "aids/spelling/wordranges.h"
#include "aids/spelling/wordtokenizer.h"
#include "testmain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

using namespace calmdesk;

namespace {

SpellingDictionary dictionaryOf(const QStringList &words)
{
    SpellingDictionary dictionary;
    for (const QString &word : words)
        dictionary.loadWord(word);
    return dictionary;
}

const QStringList kWords = {"hello", "world", "London", "the",  "cat",  "sat",   "is",   "end",
                            "fine",  "last",  "see",    "e.g.", "i.e.", "don't", "this", "iPod"};

QStringList paragraphsOf(const QString &text)
{
    return text.split("\r\n");
}

// Every word a walk hands over, "|"-joined.
QString walkedWords(const QString &text, int from = 0)
{
    QStringList words;
    walkWords(paragraphsOf(text), from, [&](const WalkedWord &word) {
        words << word.word.toString();
        return true;
    });
    return words.join('|');
}

// The words a check marks, as "word@position", "|"-joined.
QString marked(const SpellingDictionary &dictionary, const QString &text)
{
    QStringList found;
    const QList<WordRange> marks =
        SpellingPass::findMarks(paragraphsOf(text), dictionary.snapshot());
    for (const WordRange &range : marks)
        found << QString("%1@%2").arg(text.mid(range.start, range.length)).arg(range.start);
    return found.join('|');
}

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

std::shared_ptr<SpellingDictionary> load(const QString &list, const QString &userWords)
{
    DictionaryLoader loader;
    QSignalSpy loaded(&loader, &DictionaryLoader::loaded);
    loader.start(list, userWords);
    if (!loaded.wait(10000))
        return nullptr;
    return loaded.first().first().value<std::shared_ptr<SpellingDictionary>>();
}

} // namespace

class TestSpellingEngine : public QObject
{
    Q_OBJECT

private slots:
    void soundCodes_data();
    void soundCodes();
    void caseRules_data();
    void caseRules();
    void aListGrowingWordByWordKeepsEveryWord();
    void failedLookupRemembersItsGroup();
    void tokenizerWords_data();
    void tokenizerWords();
    void sentenceStarts_data();
    void sentenceStarts();
    void earlierWalkNeverFlagsLaterText();
    void walkFromTheMiddleSeesWhatAWalkFromTheTopSees();
    void menuSuggestionOrder_data();
    void menuSuggestionOrder();
    void dialogSuggestionChoice_data();
    void dialogSuggestionChoice();
    void wordAtCaretAndMarkChanges();
    void paragraphsAroundTheCaret();
    void passJudgesTheCaretsStretchFirst();
    void wordListLines();
    void loadsListThenUserWords();
    void addedWordSurvivesARestart();
    void stoppedLoadHandsNothingOver();
};

void TestSpellingEngine::soundCodes_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("key");
    QTest::newRow("doubled l each count (classic: H400)") << "hello"
                                                          << "H440";
    QTest::newRow("ck and s each count (classic: J250)") << "Jackson"
                                                         << "J222";
    QTest::newRow("letters equal to the first are skipped") << "Bubble"
                                                            << "B400";
    QTest::newRow("empty word") << ""
                                << "000";
    QTest::newRow("small first letter gives a capital") << "jackson"
                                                        << "J222";
    QTest::newRow("only three digits") << "strengths"
                                       << "S365";
    QTest::newRow("apostrophe and vowels add nothing") << "o'clock"
                                                       << "O242";
    QTest::newRow("first letter skipped wherever it stands") << "tattoo"
                                                             << "T000";
}

void TestSpellingEngine::soundCodes()
{
    QFETCH(QString, word);
    QFETCH(QString, key);
    QCOMPARE(soundCode(word), key);
    // The list finds a word's group by that key.
    const SpellingDictionary dictionary = dictionaryOf({"zebra", word});
    QCOMPARE(dictionary.wordCol(dictionary.groupCount() - 1).phoneticKey, key);
    QCOMPARE(dictionary.findGroup(key), 1);
}

void TestSpellingEngine::caseRules_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("known");
    QTest::newRow("small entry, as written") << "hello" << true;
    QTest::newRow("small entry, capitalised") << "Hello" << true;
    QTest::newRow("small entry, all capitals") << "HELLO" << true;
    QTest::newRow("small entry, mixed") << "hELLo" << true;
    QTest::newRow("proper noun as written") << "London" << true;
    QTest::newRow("proper noun in small letters") << "london" << false;
    QTest::newRow("proper noun in capitals") << "LONDON" << false;
    QTest::newRow("small first letter, capital inside, as written") << "iPod" << true;
    QTest::newRow("small first letter, capital inside, any case") << "IPOD" << true;
    QTest::newRow("misspelt") << "helo" << false;
    QTest::newRow("one letter is never checked") << "q" << true;
    QTest::newRow("digits are never checked") << "1984" << true;
    QTest::newRow("trimmed first") << " hello\t" << true;
    QTest::newRow("accented letters are other characters") << "h\u00e9llo" << false;
}

void TestSpellingEngine::caseRules()
{
    QFETCH(QString, word);
    QFETCH(bool, known);
    SpellingDictionary dictionary = dictionaryOf(kWords);
    QCOMPARE(dictionary.isKnownWord(word), known);
    // The same rules hold in a pass on another thread.
    QCOMPARE(dictionary.snapshot().isKnownWord(word.trimmed()), known);
}

void TestSpellingEngine::aListGrowingWordByWordKeepsEveryWord()
{
    // Read without room made first, the list grows many times over; every word stays
    // known with its case rule, and words only like them stay unknown.
    SpellingDictionary dictionary;
    constexpr int kCount = 20000;
    const auto wordOf = [](int n, const char *stem) {
        return QString::fromLatin1(stem) + QString::number(n, 36).replace('0', 'o');
    };
    for (int n = 0; n < kCount; ++n)
        dictionary.loadWord(n % 2 ? wordOf(n, "Name") : wordOf(n, "word"));
    for (int n = 0; n < kCount; n += 97) {
        const QString word = n % 2 ? wordOf(n, "Name") : wordOf(n, "word");
        QVERIFY2(dictionary.isKnownWord(word), qPrintable(word));
        QCOMPARE(dictionary.isKnownWord(word.toUpper()), n % 2 == 0);
        QVERIFY(!dictionary.isKnownWord("zz" + word));
    }
    QCOMPARE(dictionary.wordCount(), kCount);
}

void TestSpellingEngine::failedLookupRemembersItsGroup()
{
    SpellingDictionary dictionary = dictionaryOf({"hello", "world", "wield", "world"});
    QVERIFY(!dictionary.isKnownWord("wrold"));
    const int group = dictionary.lastBucket();
    QVERIFY(group >= 0);
    // Groups keep the list's order and its duplicates.
    QCOMPARE(dictionary.wordCol(group).words, QStringList({"world", "world"}));
    QVERIFY(!dictionary.isKnownWord("zzzz"));
    QCOMPARE(dictionary.lastBucket(), -1);
    // A word added joins its group at the end, and is known from then on.
    dictionary.addWord("wrold");
    QVERIFY(dictionary.isKnownWord("wrold"));
    QCOMPARE(dictionary.wordCol(group).words.last(), QString("wrold"));
    QCOMPARE(dictionary.wordCol(0).phoneticKey, QString("H440"));
    QCOMPARE(dictionary.findGroup("H440"), 0);
    QCOMPARE(dictionary.findGroup("H44"), -1);
    QCOMPARE(dictionary.findGroup("H4400"), -1);
}

void TestSpellingEngine::tokenizerWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");
    QTest::newRow("apostrophe between letters") << "don't stop"
                                                << "don't|stop";
    QTest::newRow("leading and trailing apostrophes are boundaries") << "say 'quoted' words'"
                                                                     << "say|quoted|words";
    QTest::newRow("e.g. is one word") << "see e.g. this"
                                      << "see|e.g.|this";
    QTest::newRow("i.e. at the end") << "so i.e."
                                     << "so|i.e.";
    QTest::newRow("one full stop splits") << "end.Next"
                                          << "end|Next";
    QTest::newRow("accented letters split") << "caf\u00e9 na\u00efve"
                                            << "caf|na|ve";
    QTest::newRow("numbers are not judged") << "abc123 4567 x"
                                            << "abc123|x";
    QTest::newRow("one-letter first word is left alone") << "a cat"
                                                         << "cat";
    QTest::newRow("but not later") << "the a"
                                   << "the|a";
    QTest::newRow("line breaks") << "two\r\n\r\nlines"
                                 << "two|lines";
    QTest::newRow("hyphen and dash") << "well-known \u2014 fine"
                                     << "well|known|fine";
}

void TestSpellingEngine::tokenizerWords()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QCOMPARE(walkedWords(text), words);
}

void TestSpellingEngine::sentenceStarts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::newRow("first word of the text") << "hello world"
                                            << "hello@0";
    QTest::newRow("after a full stop and a space") << "Hello. world is"
                                                   << "world@7";
    QTest::newRow("after ! and ?") << "Hello! the cat? this"
                                   << "the@7|this@16";
    QTest::newRow("after a comma") << "Hello, the cat"
                                   << "";
    QTest::newRow("after a line break") << "Hello\r\nworld is"
                                        << "world@7";
    QTest::newRow("after a blank line") << "Hello\r\n\r\nworld is"
                                        << "world@9";
    QTest::newRow("after two spaces") << "Hello.  world is"
                                      << "";
    QTest::newRow("after two spaces, last word") << "Hello.  world"
                                                 << "";
    QTest::newRow("last word after a sentence's first") << "Hello. World is"
                                                        << "";
    QTest::newRow("last word after a sentence end") << "Hello. world"
                                                    << "world@7";
    QTest::newRow("after e.g. in a sentence") << "See e.g. the cat"
                                              << "";
    QTest::newRow("misspelt anywhere") << "Hello wrold"
                                       << "wrold@6";
    QTest::newRow("proper noun in small letters") << "London and london"
                                                  << "and@7|london@11";
}

void TestSpellingEngine::sentenceStarts()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);
    QCOMPARE(::marked(dictionaryOf(kWords), text), marked);
}

void TestSpellingEngine::earlierWalkNeverFlagsLaterText()
{
    // A walk ending on a sentence's last word leaves "a sentence starts" behind; a later,
    // unrelated text must not see it (here "the" after "e.g.").
    const SpellingDictionary dictionary = dictionaryOf(kWords);
    const QString later = "e.g. the cat";
    const QString alone = marked(dictionary, later);
    QCOMPARE(alone, QString("e.g.@0"));
    QCOMPARE(marked(dictionary, "End. last"), QString("last@5"));
    QCOMPARE(marked(dictionary, later), alone);
}

void TestSpellingEngine::walkFromTheMiddleSeesWhatAWalkFromTheTopSees()
{
    const QString text = "Hello. the cat\r\nsat on. world is\r\n\r\nthe end.  fine";
    const QStringList paragraphs = paragraphsOf(text);
    QList<WalkedWord> all;
    walkWords(paragraphs, 0, [&](const WalkedWord &w) {
        all << w;
        return true;
    });
    for (int from = 0; from <= text.size(); ++from) {
        QStringList expected;
        for (const WalkedWord &w : all) {
            if (w.start + w.word.size() > from)
                expected << QString("%1@%2:%3").arg(w.word).arg(w.start).arg(w.startsSentence);
        }
        QStringList seen;
        walkWords(paragraphs, from, [&](const WalkedWord &w) {
            seen << QString("%1@%2:%3").arg(w.word).arg(w.start).arg(w.startsSentence);
            return true;
        });
        QCOMPARE(seen, expected);
    }
}

void TestSpellingEngine::menuSuggestionOrder_data()
{
    QTest::addColumn<QStringList>("group");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("bold");
    const QStringList twelve = {"alpha", "alps",  "also",  "alto", "alum",  "amble",
                                "ample", "angle", "ankle", "axle", "ampex", "amped"};
    QTest::newRow("first eleven, last first, best start bold")
        << twelve << "ampel"
        << QStringList({"ampex", "axle", "ankle", "angle", "ample", "amble", "alum", "alto", "also",
                        "alps", "alpha"})
        << "ample";
    QTest::newRow("differs only in letter case: the capitalised word alone")
        << QStringList({"world", "Hello", "help"}) << "hELLO" << QStringList({"Hello"}) << "Hello";
    QTest::newRow("nothing shares a start: none bold")
        << QStringList({"Wield", "World"}) << "wrold" << QStringList({"World", "Wield"}) << "";
    QTest::newRow("ties keep the first")
        << QStringList({"wield", "world"}) << "wrold" << QStringList({"world", "wield"}) << "wield";
}

void TestSpellingEngine::menuSuggestionOrder()
{
    QFETCH(QStringList, group);
    QFETCH(QString, typed);
    QFETCH(QStringList, captions);
    QFETCH(QString, bold);
    const MenuSuggestions menu = menuSuggestions(&group, typed);
    QCOMPARE(menu.captions, captions);
    QCOMPARE(menu.defaultIndex >= 0 ? menu.captions[menu.defaultIndex] : QString(), bold);
    QVERIFY(menuSuggestions(nullptr, typed).captions.isEmpty());
}

void TestSpellingEngine::dialogSuggestionChoice_data()
{
    QTest::addColumn<QStringList>("group");
    QTest::addColumn<bool>("miscapitalised");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("changeTo");
    QTest::newRow("miscapitalised: the capitalised word")
        << QStringList() << true << QStringList({"Wrold"}) << "Wrold";
    QTest::newRow("best start chosen, whole group listed")
        << QStringList({"wild", "wrote", "world", "Wold"}) << false
        << QStringList({"wild", "wrote", "world", "Wold"}) << "wrote";
    QTest::newRow("no shared start: the second entry")
        << QStringList({"Wield", "World", "Wold"}) << false
        << QStringList({"Wield", "World", "Wold"}) << "World";
    QTest::newRow("single entry without a shared start")
        << QStringList({"Wild"}) << false << QStringList({"Wild"}) << "Wild";
    QTest::newRow("a word equal but for case ends the list and is chosen")
        << QStringList({"wa", "WROLD", "wb"}) << false << QStringList({"wa", "WROLD"}) << "WROLD";
    QTest::newRow("no group: no suggestions") << QStringList() << false << QStringList() << "";
}

void TestSpellingEngine::dialogSuggestionChoice()
{
    QFETCH(QStringList, group);
    QFETCH(bool, miscapitalised);
    QFETCH(QStringList, entries);
    QFETCH(QString, changeTo);
    const DialogSuggestions list =
        dialogSuggestions(group.isEmpty() ? nullptr : &group, "wrold", 5, miscapitalised);
    QCOMPARE(list.entries, entries);
    QCOMPARE(list.changeTo, changeTo);
    if (!entries.isEmpty())
        QCOMPARE(list.entries[list.selected], changeTo);
}

void TestSpellingEngine::wordAtCaretAndMarkChanges()
{
    const QStringList text = paragraphsOf("one two\r\nthree, four");
    const struct
    {
        int caret;
        WordRange word;
    } rows[] = {{0, {0, 3}}, {2, {0, 3}},  {3, {0, 3}},   {4, {4, 3}},   {7, {4, 3}},
                {9, {9, 5}}, {14, {9, 5}}, {15, {15, 0}}, {16, {16, 4}}, {20, {16, 4}}};
    for (const auto &row : rows)
        QCOMPARE(wordAtCaret(text, row.caret), row.word);

    const MarkChanges changes = markChanges({{0, 3}, {10, 4}, {20, 2}}, {{0, 3}, {10, 5}, {30, 1}});
    QCOMPARE(changes.removed, QList<WordRange>({{10, 4}, {20, 2}}));
    QCOMPARE(changes.added, QList<WordRange>({{10, 5}, {30, 1}}));
}

void TestSpellingEngine::paragraphsAroundTheCaret()
{
    // Paragraphs at 0 ("aaaa"), 6 ("bb"), 10 ("cccccc"), 18 ("dd"), 22 ("").
    const QStringList text = paragraphsOf("aaaa\r\nbb\r\ncccccc\r\ndd\r\n");
    const struct
    {
        int caret;
        int reach;
        WordRange stretch;
    } rows[] = {
        {12, 0, {10, 6}},  // the caret's paragraph only
        {12, 1, {6, 14}},  // one more on each side
        {2, 5, {0, 16}},   // a side goes on until it holds the reach
        {12, 99, {0, 22}}, // or at the text's ends
        {0, 1, {0, 8}},    // nothing before the first
        {22, 3, {18, 4}},  // the empty last paragraph
    };
    for (const auto &row : rows)
        QCOMPARE(paragraphsAround(text, row.caret, row.reach), row.stretch);
}

void TestSpellingEngine::passJudgesTheCaretsStretchFirst()
{
    const SpellingDictionary dictionary = dictionaryOf(kWords);
    // Sentence starts and a first word: a stretch from the middle judges them as the
    // whole pass does.
    const QStringList text =
        paragraphsOf("helo world.\r\nthe cat sat. the wrld\r\nsee e.g. thiss\r\nend");
    const WordRange middle = paragraphsAround(text, 20, 0);
    SpellingPass pass;
    QSignalSpy stretch(&pass, &SpellingPass::stretchFinished);
    QSignalSpy finished(&pass, &SpellingPass::finished);
    pass.start(text, dictionary.snapshot(), middle);
    QVERIFY(finished.wait(10000));
    QCOMPARE(stretch.count(), 1);

    const auto all = finished.first().first().value<QList<WordRange>>();
    QList<WordRange> inMiddle;
    for (const WordRange &range : all) {
        if (range.start >= middle.start && range.start < middle.start + middle.length)
            inMiddle.append(range);
    }
    QCOMPARE(inMiddle.size(), 3); // "the" twice (sentence starts) and "wrld"
    QCOMPARE(stretch.first().first().value<QList<WordRange>>(), inMiddle);
}

void TestSpellingEngine::wordListLines()
{
    QStringList words;
    QList<qsizetype> consumed;
    const QByteArray bytes("one\r\n\r\n  two \r\ncaf\xe9\r\nlast");
    wordlistfiles::readWords(
        bytes, //
        [&](QStringView w) { words << w.toString(); },
        [&](qsizetype n) {
            consumed << n;
            return true;
        });
    QCOMPARE(words, QStringList({"one", "", "two", "caf\u00e9", "last"}));
    QCOMPARE(consumed.last(), bytes.size());
    // A final line break makes no empty word; a blank line is one, under "000".
    words.clear();
    wordlistfiles::readWords(
        "a\r\n", [&](QStringView w) { words << w.toString(); }, [](qsizetype) { return true; });
    QCOMPARE(words, QStringList({"a"}));
    SpellingDictionary dictionary = dictionaryOf({"", "hello"});
    QCOMPARE(dictionary.wordCol(0).phoneticKey, QString("000"));
    QCOMPARE(dictionary.wordCol(0).words, QStringList({""}));
}

void TestSpellingEngine::loadsListThenUserWords()
{
    QTemporaryDir dir;
    const QString list =
        QString::fromLocal8Bit(qgetenv("CALMDESK_TEST_DATA")) + "/spelling/small.dct";
    const QString own = write(dir, "own.dct", "wrold\r\nhello\r\n");
    DictionaryLoader loader;
    QSignalSpy progress(&loader, &DictionaryLoader::progressChanged);
    QSignalSpy loaded(&loader, &DictionaryLoader::loaded);
    loader.start(list, own);
    QVERIFY(loaded.wait(10000));
    QCOMPARE(progress.last().first().toInt(), 100);
    QCOMPARE(DictionaryLoader::progressText(42), QString(" Loading dictionary: 42% "));
    auto dictionary = loaded.first().first().value<std::shared_ptr<SpellingDictionary>>();
    QVERIFY(dictionary->isKnownWord("world"));
    QVERIFY(dictionary->isKnownWord("don't"));
    QVERIFY(dictionary->isKnownWord("wrold"));
    // The writer's words come after the list's, in the same groups.
    QVERIFY(!dictionary->isKnownWord("wrld"));
    QCOMPARE(dictionary->wordCol(dictionary->lastBucket()).words, QStringList({"world", "wrold"}));
}

void TestSpellingEngine::addedWordSurvivesARestart()
{
    QTemporaryDir dir;
    const QString list = write(dir, "english.dct", "hello\r\n");
    const QString own = dir.filePath("calmdesk/more/added-words.dct");
    QVERIFY(wordlistfiles::appendWord(own, "Calmdesk"));
    QVERIFY(wordlistfiles::appendWord(own, "wrold"));
    QFile file(own);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Calmdesk\r\nwrold\r\n"));
    const auto restarted = load(list, own);
    QVERIFY(restarted);
    QVERIFY(restarted->isKnownWord("Calmdesk"));
    QVERIFY(restarted->isKnownWord("wrold"));
    QVERIFY(!restarted->isKnownWord("calmdesk"));
    // The list itself is never written.
    QFile listFile(list);
    QVERIFY(listFile.open(QIODevice::ReadOnly));
    QCOMPARE(listFile.readAll(), QByteArray("hello\r\n"));
    // A word Windows-1252 cannot hold is not written, and nothing else is lost.
    QVERIFY(!wordlistfiles::appendWord(own, "\u0416uk"));
    QVERIFY(load(list, own)->isKnownWord("wrold"));
}

void TestSpellingEngine::stoppedLoadHandsNothingOver()
{
    QTemporaryDir dir;
    QByteArray big;
    for (int i = 0; i < 200000; ++i)
        big += "word" + QByteArray::number(i) + "\r\n";
    const QString list = write(dir, "english.dct", big);
    DictionaryLoader loader;
    QSignalSpy loaded(&loader, &DictionaryLoader::loaded);
    loader.start(list, QString());
    loader.stop();
    QTRY_VERIFY(!loader.isLoading());
    QCOMPARE(loaded.count(), 0);
    // The program closing while the list loads: the loader goes before its thread has said
    // it finished, and takes the thread with it (the leak check's build sees the rest).
    auto closing = std::make_unique<DictionaryLoader>();
    closing->start(list, QString());
    closing.reset();
}

CALMDESK_TEST_MAIN_CORE(TestSpellingEngine)
#include "tst_spellingengine.moc"
