// SPDX-License-Identifier: GPL-3.0-or-later
// Which rule matches the characters before the caret, and in which letter case.

#include "aids/autocorrectrules.h"
#include "aids/defaultlists.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

namespace {

AutoCorrectRules rulesOf(const QList<QPair<QString, QString>> &pairs, int firstSlot = 0)
{
    QStringList find(firstSlot);
    QStringList replace(firstSlot);
    for (const auto &[f, r] : pairs) {
        find << f;
        replace << r;
    }
    AutoCorrectRules rules;
    rules.setRules(find, replace);
    return rules;
}

// The text typed so far, checked at its end.
QString corrected(const AutoCorrectRules &rules, const QString &typed)
{
    const auto match = rules.match(typed.right(rules.longestFind() + 1), int(typed.size()));
    return match ? typed.left(typed.size() - match->typed.size()) + match->replacement : typed;
}

} // namespace

class TestAutoCorrectRules : public QObject
{
    Q_OBJECT

private slots:
    void matchCaseFollowsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lower") << "The"
                               << "teh"
                               << "the";
        QTest::newRow("capitalised") << "the"
                                     << "Teh"
                                     << "The";
        QTest::newRow("upper") << "the"
                               << "TEH"
                               << "THE";
        QTest::newRow("mixed from lower: as stored") << "tHe"
                                                     << "tEh"
                                                     << "tHe";
        QTest::newRow("mixed, one character") << "x"
                                              << "Ab"
                                              << "X";
        QTest::newRow("no letters count as lower") << "Ok"
                                                   << "1;2"
                                                   << "ok";
        QTest::newRow("ASCII only: é is no letter") << "ÉCOLE"
                                                    << "ecolé"
                                                    << "École";
    }
    void matchCaseFollowsWhatWasTyped()
    {
        QFETCH(QString, with);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(matchCase(with, typed), expected);
    }

    void rulesMatchAtTheCaret_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("at a word's end") << "I saw teh"
                                         << "I saw the";
        QTest::newRow("inside a word") << " atm"
                                       << " a™";
        QTest::newRow("the match may start a word inside") << " teh"
                                                           << " the";
        QTest::newRow("capital typed") << "I Teh"
                                       << "I The";
        QTest::newRow("lower slot wins, case from typing") << " Adn"
                                                           << " And";
        QTest::newRow("at the very start: nothing") << "teh"
                                                    << "teh";
        QTest::newRow("one character before is enough") << "xteh"
                                                        << "xthe";
        QTest::newRow("signs") << "a(c)"
                               << "a©";
        QTest::newRow("across a line break") << "int\r\nhe"
                                             << "int\r\nhe";
        QTest::newRow("a rule with a blank inside") << "go int he"
                                                    << "go in the";
    }
    void rulesMatchAtTheCaret()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(corrected(rulesOf(defaultAutoCorrectRules()), typed), expected);
    }

    void slotOrderDecidesWhateverTheIndex()
    {
        // Free slots in between are skipped; of two rules that end alike the lower wins.
        const AutoCorrectRules rules =
            rulesOf({{"", ""}, {"cat", "dog"}, {"", ""}, {"at", "@"}, {"t", "+"}}, 100);
        QCOMPARE(corrected(rules, "a cat"), "a dog");
        QCOMPARE(corrected(rules, "a bat"), "a b@");
        QCOMPARE(corrected(rules, "a bit"), "a bi+");
        QCOMPARE(rules.longestFind(), 3);
        // An empty table matches nothing (and reads nothing past the text).
        QCOMPARE(corrected(AutoCorrectRules(), "a teh"), "a teh");
    }
};

CALMDESK_TEST_MAIN_CORE(TestAutoCorrectRules)
#include "tst_autocorrectrules.moc"
