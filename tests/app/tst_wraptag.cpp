// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/wraptag.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

class TestWrapTag : public QObject
{
    Q_OBJECT

private slots:
    void toggle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("newSelStart");
        QTest::addColumn<int>("newSelLength");

        const int html = int(MarkupStyle::Html);
        const int bb = int(MarkupStyle::BBCode);
        QTest::newRow("bare word is wrapped in HTML, wrapped text selected")
            << "a word here" << 2 << 4 << "b" << html << "a <b>word</b> here" << 2 << 11;
        QTest::newRow("bare word is wrapped in BBCode")
            << "a word here" << 2 << 4 << "u" << bb << "a [u]word[/u] here" << 2 << 11;
        QTest::newRow("word between the tags loses both")
            << "a <b>word</b> here" << 5 << 4 << "b" << html << "a word here" << 2 << 4;
        QTest::newRow("tags of another name around are kept and wrapped inside")
            << "a <i>word</i> here" << 5 << 4 << "b" << html << "a <i><b>word</b></i> here" << 5
            << 11;
        QTest::newRow("capital tags around are found")
            << "a <B>word</B> here" << 5 << 4 << "b" << html << "a <b><B>word</B></b> here" << 2
            << 18;
        QTest::newRow("inner pair is removed, the rest kept")
            << "x <b>bold</b> y" << 0 << 15 << "b" << html << "x bold y" << 0 << 8;
        QTest::newRow("several inner pairs all go")
            << "[b]1[/b] 2 [b]3[/b]" << 0 << 19 << "b" << bb << "1 2 3" << 0 << 5;
        QTest::newRow("a lone open tag inside is removed")
            << "a <b>word" << 0 << 9 << "b" << html << "a word" << 0 << 6;
        QTest::newRow("a lone close tag inside is removed")
            << "word</b> z" << 0 << 8 << "b" << html << "word z" << 0 << 4;
        QTest::newRow("inner tags in capitals are no match: wrapped")
            << "<B>w</B>" << 0 << 8 << "b" << html << "<b><B>w</B></b>" << 0 << 15;
        QTest::newRow("open tag at the very start is found")
            << "<b>w</b>" << 3 << 1 << "b" << html << "w" << 0 << 1;
        QTest::newRow("selection too near the start to look back: wrapped")
            << "wo</b>" << 0 << 2 << "b" << html << "<b>wo</b></b>" << 0 << 9;
        QTest::newRow("only the open tag before: wrapped again")
            << "<b>word" << 3 << 4 << "b" << html << "<b><b>word</b>" << 3 << 11;
        QTest::newRow("no selection: empty HTML pair, caret inside")
            << "ab" << 1 << 0 << "i" << html << "a<i></i>b" << 4 << 0;
        QTest::newRow("no selection: empty BBCode pair, caret inside")
            << "" << 0 << 0 << "b" << bb << "[b][/b]" << 3 << 0;
        QTest::newRow("caret inside an empty pair removes it")
            << "x<b></b>y" << 4 << 0 << "b" << html << "xy" << 1 << 0;
        QTest::newRow("line breaks count two")
            << "line\r\n<i>two</i>" << 9 << 3 << "i" << html << "line\r\ntwo" << 6 << 3;
        QTest::newRow("wrapping over a line break")
            << "one\r\ntwo" << 0 << 8 << "u" << bb << "[u]one\r\ntwo[/u]" << 0 << 15;
    }

    void toggle()
    {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, tag);
        QFETCH(int, style);
        QFETCH(QString, result);
        QFETCH(int, newSelStart);
        QFETCH(int, newSelLength);

        const auto edit = wrapTag(text, selStart, selLength, tag, MarkupStyle(style));
        QVERIFY(edit.has_value());
        QString after = text;
        after.replace(edit->start, edit->length, edit->text);
        QCOMPARE(after, result);
        QCOMPARE(edit->newSelStart, newSelStart);
        QCOMPARE(edit->newSelLength, newSelLength);
    }

    void noMarkupDoesNothing()
    {
        QVERIFY(!wrapTag(QStringLiteral("word"), 0, 4, QStringLiteral("b"), MarkupStyle::None));
        QVERIFY(!wrapTag(QString(), 0, 0, QStringLiteral("b"), MarkupStyle::None));
    }

    void keyTogglesTheWordInTheControl()
    {
        TextControl control;
        control.setText(QStringLiteral("a word\r\nhere"));
        control.select(2, 4);

        applyWrapTag(control, QStringLiteral("b"), MarkupStyle::Html);
        QCOMPARE(control.text(), QStringLiteral("a <b>word</b>\r\nhere"));
        QCOMPARE(control.selectedText(), QStringLiteral("<b>word</b>"));

        applyWrapTag(control, QStringLiteral("b"), MarkupStyle::Html);
        QCOMPARE(control.text(), QStringLiteral("a word\r\nhere"));
        QCOMPARE(control.selectedText(), QStringLiteral("word"));

        applyWrapTag(control, QStringLiteral("b"), MarkupStyle::Html);
        QCOMPARE(control.text(), QStringLiteral("a <b>word</b>\r\nhere"));
    }

    void emptyPairLeavesTheCaretInside()
    {
        TextControl control;
        control.setText(QStringLiteral("one\r\ntwo"));
        control.setCaret(5);
        applyWrapTag(control, QStringLiteral("b"), MarkupStyle::BBCode);
        QCOMPARE(control.text(), QStringLiteral("one\r\n[b][/b]two"));
        QCOMPARE(control.selStart(), 8);
        QCOMPARE(control.selLength(), 0);
        // Typing goes between the tags.
        control.replaceSelection(QStringLiteral("bold"));
        QCOMPARE(control.text(), QStringLiteral("one\r\n[b]bold[/b]two"));
    }

    void noMarkupLeavesTheControlUntouched()
    {
        TextControl control;
        control.setText(QStringLiteral("word"));
        control.select(0, 4);
        applyWrapTag(control, QStringLiteral("b"), MarkupStyle::None);
        QCOMPARE(control.text(), QStringLiteral("word"));
        QCOMPARE(control.selectedText(), QStringLiteral("word"));
        QVERIFY(!control.canUndo());
    }

    void oneUndoTakesTheToggleBack()
    {
        TextControl control;
        control.setText(QStringLiteral("a <i>word</i> here"));
        control.select(5, 4);
        applyWrapTag(control, QStringLiteral("i"), MarkupStyle::Html);
        QCOMPARE(control.text(), QStringLiteral("a word here"));
        control.undo();
        QCOMPARE(control.text(), QStringLiteral("a <i>word</i> here"));
    }
};

CALMDESK_TEST_MAIN(TestWrapTag)
#include "tst_wraptag.moc"
