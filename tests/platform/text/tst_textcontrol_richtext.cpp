// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/richtext/rtfwriter.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QSignalSpy>

using namespace calmdesk;

// Rich-text mode: what a scratchpad saves and loads.
class TestTextControlRichText : public QObject
{
    Q_OBJECT

private slots:
    void runsGoInAndComeBack()
    {
        TextControl control(TextKind::Formatted);
        RichFormat plain;
        plain.family = QStringLiteral("DejaVu Sans");
        plain.pointSize = 11;
        RichFormat bold = plain;
        bold.bold = true;
        bold.colour = 0xCC0000;
        const RichText text = {{QStringLiteral("one "), plain},
                               {QStringLiteral("two\r\n"), bold},
                               {QStringLiteral("three"), plain}};
        QSignalSpy changed(&control, &TextControl::changed);
        control.setRichText(text);
        QCOMPARE(changed.size(), 1);
        QVERIFY(!control.canUndo());
        QCOMPARE(control.text(), QStringLiteral("one two\r\nthree"));
        const RichText back = control.richText();
        QCOMPARE(plainText(back), control.text());
        QCOMPARE(back.at(1).text, QStringLiteral("two\r\n"));
        QVERIFY(back.at(1).format.bold);
        QCOMPARE(back.at(1).format.colour, 0xCC0000u);
        QCOMPARE(back.at(0).format.family, QStringLiteral("DejaVu Sans"));
    }

    void contentByMode()
    {
        TextControl control(TextKind::Formatted);
        RichFormat italic;
        italic.family = QStringLiteral("DejaVu Serif");
        italic.italic = true;
        control.setPlainTextMode(false);
        control.loadContent(writeRtf({{QString::fromUtf8("ł é"), italic}}));
        QCOMPARE(control.text(), QString::fromUtf8("ł é"));
        QVERIFY(control.saveContent().startsWith("{\\rtf1"));
        QVERIFY(control.saveContent().contains("\\i \\u322?"));

        control.setPlainTextMode(true);
        control.loadContent(QByteArray("a\r\nb"));
        QCOMPARE(control.saveContent(), QByteArray("a\nb"));
    }
};

CALMDESK_TEST_MAIN(TestTextControlRichText)
#include "tst_textcontrol_richtext.moc"
