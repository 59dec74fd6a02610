// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting a source's page into a look-up result, and the sources table.

#include "isolatedenvironment.h"
#include "platform/store/sqlitesettingsstore.h"
#include "reference/lookuppage.h"
#include "reference/lookupwords.h"
#include "reference/referencesources.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;

namespace {

QStringList texts(const LookupPage &page)
{
    QStringList lines;
    for (const LookupLine &line : page)
        lines << line.text;
    return lines;
}

const LookupLine *lineWith(const LookupPage &page, const QString &text)
{
    for (const LookupLine &line : page) {
        if (line.text == text)
            return &line;
    }
    return nullptr;
}

const QString kRoot = QStringLiteral("Software\\Osmira\\v11\\Settings");

ReferenceSource wikipedia()
{
    SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
    return loadReferenceSources(store, kRoot)[4];
}

} // namespace

class TestLookupPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { IsolatedEnvironment::current()->reset(); }

    void cleaningEndsOnEveryInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("tags");
        QTest::addColumn<QString>("spans");
        QTest::newRow("tags and entities") << "a <b>bold</b>&NBSP;&quot;x&quot; &amp;"
                                           << "a bold \"x\" &"
                                           << "a <b>bold</b>&NBSP;&quot;x&quot; &amp;";
        QTest::newRow("a tag cut at the start") << "ss=\"x\">Hello <i>there</i>"
                                                << "Hello there"
                                                << "ss=\"x\">Hello <i>there</i>";
        QTest::newRow("stray closers, once endless") << ">>a<"
                                                     << "a<"
                                                     << ">>a<";
        QTest::newRow("stray span ends, once endless") << "x] y] [z"
                                                       << "x] y] [z"
                                                       << " y [z";
        QTest::newRow("footnotes") << "A[1] b[22]."
                                   << "A[1] b[22]."
                                   << "A b.";
        QTest::newRow("no closer") << "a < b"
                                   << "a < b"
                                   << "a < b";
    }
    void cleaningEndsOnEveryInput()
    {
        QFETCH(QString, input);
        QFETCH(QString, tags);
        QFETCH(QString, spans);
        QCOMPARE(stripTags(input), tags);
        QCOMPARE(removeSpans(input, "[", "]"), spans);
    }

    void percentEscapes_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("blank") << "Foo%20Bar"
                               << "Foo Bar";
        QTest::newRow("cut short at the end") << "End%2"
                                              << "End2";
        QTest::newRow("not hexadecimal") << "a%zzb"
                                         << "azzb";
        QTest::newRow("zero") << "a%00b"
                              << "a00b";
        QTest::newRow("a sign, not a number") << "%+1x"
                                              << "+1x";
        QTest::newRow("Windows-1252") << "caf%E9%85"
                                      << "café…";
    }
    void percentEscapes()
    {
        QFETCH(QString, input);
        QFETCH(QString, decoded);
        QCOMPARE(decodePercent(input), decoded);
    }

    void sourcesFromTheStore()
    {
        SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
        store.regWriteString(kRoot + "\\refs6", "ref1", " Mine ");
        store.regWriteString(kRoot + "\\refs6", "ref2", "http://mine.example/%s");
        store.regWriteString(kRoot + "\\refs2", "ref1", "Only a name");
        store.regWriteString(kRoot + "\\refs12", "ref1", "  ");
        const ReferenceSources sources = loadReferenceSources(store, kRoot);
        QCOMPARE(referenceSourceItems(sources),
                 (QStringList{"1. thesaurus.com", "3. en.wiktionary.org (Wikisaurus)",
                              "4. Encarta (MSN)", "5. Wikipedia (Article)", "6. Mine"}));
        QCOMPARE(referenceSlotOfItem("12. Name"), 12);
        QCOMPARE(referenceSlotOfItem("7. Name"), 7);
        QCOMPARE(referenceSlotOfItem("Name"), 0);
    }

    void aFoundPageShowsItsSectionsAndTopics()
    {
        const QByteArray page =
            "<html><p>Cats are <b>small</b> animals[1].</p>"
            "<h2><span class=\"mw-headline\">Biology</span></h2><ul><li>Whiskers[2]</li>"
            "<li>Tails</li></ul><p><a name=\"See_also\" id=\"See_also\"></a><ul>"
            "<li><a href=\"/wiki/Foo%20Bar\" title=\"x\">Foo Bar</a></li>"
            "<li><a href=\"/wiki/Wikipedia:About\">x</a></li>"
            "<li><a href=\"/wiki/End%2\">y</a></li></ul><p>end";
        const LookupPage result =
            resultPage(QString::fromLatin1(page), wikipedia(), "Cat", "http://w/wiki/Cat");
        const QStringList lines = texts(result);
        QCOMPARE(lines.mid(0, 5), (QStringList{"", "Cat", "", "Cats are small animals.", ""}));
        QVERIFY(lineWith(result, "Cats are small animals.")->italic);
        // The section keeps its heading (the start marker matched), bold, and the list.
        QVERIFY(lineWith(result, "Biology")->bold);
        QVERIFY(lines.contains("\u2022 Whiskers"));
        QVERIFY(lines.contains("\u2022 Tails"));
        const qsizetype related = lines.indexOf("Related topics:");
        QVERIFY(related > 0);
        QCOMPARE(lines.mid(related + 1, 2),
                 (QStringList{"http://\u2026/Foo Bar", "http://\u2026/End2"}));
        QCOMPARE(lines.mid(lines.indexOf("Source:"), 2),
                 (QStringList{"Source:", "http://w/wiki/Cat"}));
        QVERIFY(lines.contains("http://www.google.com/search?q=Cat"));
    }

    void notFoundAndMissingSections()
    {
        const ReferenceSource source = wikipedia();
        const QStringList missing =
            texts(resultPage("This wiki does NOT YET HAVE an article", source, "Zq", "u"));
        QCOMPARE(missing.mid(0, 4), (QStringList{"", "Not found", "",
                                                 "The specified item was not found in the "
                                                 "selected location."}));
        QCOMPARE(texts(resultPage("", source, "Zq", "u")), missing);
        // No section markers at all: the word and the footers only.
        const QStringList bare = texts(resultPage("<html>nothing here</html>", source, "Zq", "u"));
        QCOMPARE(bare.mid(0, 5), (QStringList{"", "Zq", "", "_______________________", "Source:"}));
    }

    void laterStartPairAndFootnotes()
    {
        ReferenceSource source;
        source[ReferenceSource::Start2] = "<def>|<alt>";
        source[ReferenceSource::End2] = "</def>";
        // <def> has no end after it; <alt> has one.
        const QString page = "<alt>Kind[7] and[129] true</def> then <def>never ended";
        const QStringList lines = texts(resultPage(page, source, "w", "u"));
        QVERIFY(lines.contains("Kind and[129] true"));
    }

    void wordsAndAddressesUnderTheCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("address");
        QTest::newRow("inside a word") << "the quick fox" << 6 << "quick"
                                       << "";
        QTest::newRow("after punctuation") << "say: hello!" << 7 << "hello"
                                           << "";
        QTest::newRow("an address") << "see http://a.b/c now" << 8 << "http"
                                    << "http://a.b/c";
        QTest::newRow("a topic line") << "x\r\nhttp://\u2026/Foo Bar" << 18 << "Bar"
                                      << "";
    }
    void wordsAndAddressesUnderTheCaret()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, word);
        QFETCH(QString, address);
        QCOMPARE(lookupWordAt(text, caret), word);
        QCOMPARE(addressAt(text, caret), address);
        // A click anywhere on a related topic's line takes the whole topic.
        QCOMPARE(topicAt(text, caret),
                 address.isEmpty() && text.contains("\u2026") ? "Foo Bar" : "");
    }

    void mangledPagesNeverHang()
    {
        const ReferenceSource source = wikipedia();
        const QString seed = "<p>a[1]</p><h2><span class=\"mw-headline\">x<li>y</li>"
                             "<p><a name=\"See_also\" id=\"See_also\"></a><a href=\"/wiki/q%2\"a>"
                             "<p>&amp;]>[<";
        QRandomGenerator random(20261209);
        const QString alphabet = "<>[]%/\"pah2&; ";
        for (int round = 0; round < 3000; ++round) {
            QString page = seed;
            for (int edits = random.bounded(1, 12); edits > 0; --edits) {
                const int at = random.bounded(int(page.size()) + 1);
                if (random.bounded(2) == 0 && at < page.size())
                    page.remove(at, random.bounded(1, 6));
                else
                    page.insert(at, alphabet.at(random.bounded(int(alphabet.size()))));
            }
            const LookupPage result = resultPage(page, source, "w", "u");
            QVERIFY(!result.empty());
            stripTags(page);
            removeSpans(page, "]", "[");
            decodePercent(page);
        }
    }
};

CALMDESK_TEST_MAIN_CORE(TestLookupPage)
#include "tst_lookuppage.moc"
