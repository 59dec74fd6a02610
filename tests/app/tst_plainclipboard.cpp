// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/plainclipboard.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>

using namespace calmdesk;

namespace {

QClipboard &clipboard()
{
    return *QGuiApplication::clipboard();
}

QStringList clipboardFormats()
{
    const QMimeData *data = clipboard().mimeData();
    return data ? data->formats() : QStringList();
}

QImage smallPicture()
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture;
}

} // namespace

class TestPlainClipboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { clipboard().clear(); }

    void copyPutsTheSelectionAsText()
    {
        TextControl control;
        control.setText(QStringLiteral("one\r\ntwo three"));
        control.select(2, 8);
        copyPlainText(control, clipboard());
        QCOMPARE(clipboard().text(), QStringLiteral("e\ntwo t"));
        QCOMPARE(clipboardFormats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(control.text(), QStringLiteral("one\r\ntwo three"));
    }

    void cutMovesTheSelection()
    {
        TextControl control;
        control.setText(QStringLiteral("keep cut keep"));
        control.select(5, 4);
        cutPlainText(control, clipboard());
        QCOMPARE(clipboard().text(), QStringLiteral("cut "));
        QCOMPARE(control.text(), QStringLiteral("keep keep"));
        QCOMPARE(control.selStart(), 5);
    }

    void nothingSelectedLeavesTheClipboard()
    {
        clipboard().setText(QStringLiteral("earlier"));
        TextControl control;
        control.setText(QStringLiteral("text"));
        control.setCaret(2);
        copyPlainText(control, clipboard());
        cutPlainText(control, clipboard());
        QCOMPARE(clipboard().text(), QStringLiteral("earlier"));
        QCOMPARE(control.text(), QStringLiteral("text"));
    }

    void pasteOfFormattedTextInsertsPlainTextAndKeepsOnlyIt()
    {
        auto *formatted = new QMimeData;
        formatted->setHtml(QStringLiteral("<b>Bold</b> words"));
        formatted->setText(QStringLiteral("Bold words"));
        formatted->setData(QStringLiteral("application/x-other"), QByteArray("x"));
        clipboard().setMimeData(formatted);

        TextControl control;
        control.setText(QStringLiteral("[SEL]"));
        control.select(0, 5);
        pastePlainText(control, clipboard());
        QCOMPARE(control.text(), QStringLiteral("Bold words"));
        QCOMPARE(clipboardFormats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(clipboard().text(), QStringLiteral("Bold words"));
    }

    void pasteOfLinesMakesParagraphs()
    {
        clipboard().setText(QStringLiteral("a\nb\r\nc"));
        TextControl control;
        pastePlainText(control, clipboard());
        QCOMPARE(control.text(), QStringLiteral("a\r\nb\r\nc"));
        QCOMPARE(control.paragraphCount(), 3);
    }

    void pictureOnlyClipboardIsEmptiedAndNothingPasted()
    {
        clipboard().setImage(smallPicture());
        QVERIFY(!clipboardFormats().isEmpty());

        TextControl control;
        control.setText(QStringLiteral("unchanged"));
        control.select(0, 3);
        pastePlainText(control, clipboard());
        QCOMPARE(control.text(), QStringLiteral("unchanged"));
        QVERIFY2(clipboardFormats().isEmpty(), qPrintable(clipboardFormats().join(u',')));
        QVERIFY(clipboard().image().isNull());
    }

    void pasteIntoReadOnlyTextInsertsNothing()
    {
        clipboard().setText(QStringLiteral("new"));
        TextControl control;
        control.setText(QStringLiteral("fixed"));
        control.setReadOnly(true);
        pastePlainText(control, clipboard());
        QCOMPARE(control.text(), QStringLiteral("fixed"));
    }

    void copyThenPasteRoundTripsLineBreaks()
    {
        TextControl source;
        source.setText(QStringLiteral("first\r\n\r\nthird"));
        source.selectAllText();
        copyPlainText(source, clipboard());

        TextControl target;
        pastePlainText(target, clipboard());
        QCOMPARE(target.text(), source.text());
    }
};

CALMDESK_TEST_MAIN(TestPlainClipboard)
#include "tst_plainclipboard.moc"
