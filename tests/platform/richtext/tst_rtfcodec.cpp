// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/richtext/rtfreader.h"
#include "platform/richtext/rtfwriter.h"
#include "rtffuzz.h"
#include "testmain.h"

#include <QElapsedTimer>

using namespace calmdesk;

namespace {

RichFormat format(const QString &family, qreal size, quint32 colour = 0)
{
    RichFormat f;
    f.family = family;
    f.pointSize = size;
    f.colour = colour;
    return f;
}

} // namespace

class TestRtfCodec : public QObject
{
    Q_OBJECT

private slots:
    void writtenTextReadsBack()
    {
        RichFormat plain = format(QStringLiteral("Courier New"), 12);
        RichFormat styled = format(QStringLiteral("DejaVu Sans"), 10.5, 0x3366CC);
        styled.bold = styled.italic = styled.underline = styled.strikeOut = true;
        const RichText text = {
            {QString::fromUtf8("Tabs\there, braces {} and \\ é € ł 😀 \u00a0\r\nnext"), plain},
            {QStringLiteral("styled\r\n"), styled},
            {QStringLiteral("\r\nafter an empty paragraph"), plain},
        };
        const QByteArray rtf = writeRtf(text);
        QVERIFY(looksLikeRtf(rtf));
        // Plain 7-bit bytes, whatever the text holds.
        QVERIFY(std::all_of(rtf.begin(), rtf.end(), [](char c) { return uchar(c) < 0x80; }));
        const RichText back = readRtf(rtf);
        QCOMPARE(back.size(), text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            QCOMPARE(back.at(i).text, text.at(i).text);
            QVERIFY(back.at(i).format == text.at(i).format);
        }
    }

    void foreignDocuments()
    {
        const QList<QByteArray> seeds = test::rtfSeeds();
        const RichText wordpad = readRtf(seeds.at(0));
        QCOMPARE(plainText(wordpad),
                 QString::fromUtf8("Plain bold italic under gone red big\r\nsecond café ł😀\r\n"));
        const auto runOf = [&wordpad](const QString &piece) {
            for (const RichRun &run : wordpad)
                if (run.text == piece)
                    return run.format;
            return RichFormat{};
        };
        QVERIFY(runOf(QStringLiteral("bold")).bold);
        QVERIFY(runOf(QStringLiteral("italic")).italic);
        QVERIFY(runOf(QStringLiteral("under")).underline);
        QVERIFY(runOf(QStringLiteral("gone")).strikeOut);
        QCOMPARE(runOf(QStringLiteral("red")).colour, 0xFF0000u);
        QCOMPARE(runOf(QStringLiteral("bold")).family, QStringLiteral("Calibri"));
        QCOMPARE(runOf(QStringLiteral("bold")).pointSize, 11.0);

        // Pictures, binary data, document information, field instructions and starred
        // destinations are left out; a field's result, table cells and symbols are text.
        QCOMPARE(plainText(readRtf(seeds.at(1))), QStringLiteral("\r\n"));
        QCOMPARE(plainText(readRtf(seeds.at(2))),
                 QString::fromUtf8("linka\tb\t\r\n —\u00a0\u2011\tend"));
        // Not RTF at all: read as text.
        QCOMPARE(plainText(readRtf("just words")), QStringLiteral("just words"));
    }

    // Random mutations of real documents: the reader never crashes, never hangs (each input
    // is read in time proportional to its size) and gives text the control can hold.
    void fuzzedInputs()
    {
        const int count = qEnvironmentVariableIntValue("CALMDESK_FUZZ_COUNT") > 0
                              ? qEnvironmentVariableIntValue("CALMDESK_FUZZ_COUNT")
                              : 4000;
        const quint32 seed = qEnvironmentVariableIsSet("CALMDESK_FUZZ_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("CALMDESK_FUZZ_SEED"))
                                 : 20240611u;
        test::RtfMutator mutator(test::rtfSeeds(), seed);
        QElapsedTimer timer;
        for (int i = 0; i < count; ++i) {
            const QByteArray input = mutator.next();
            timer.start();
            const RichText text = readRtf(input);
            QVERIFY2(timer.elapsed() < 1000,
                     qPrintable(QStringLiteral("input %1 of seed %2").arg(i).arg(seed)));
            for (const RichRun &run : text) {
                QVERIFY(!run.text.isEmpty());
                QVERIFY(!run.text.contains(QChar(0)));
                QVERIFY(run.format.pointSize >= 1 && run.format.pointSize <= 1638);
            }
        }
    }

    void deepNestingAndHugeNumbers()
    {
        const QByteArray deep = QByteArray(200000, '{') + "\\b x" + QByteArray(200000, '}') + "y";
        const RichText text = readRtf(deep);
        QCOMPARE(plainText(text), QStringLiteral("xy"));
        QVERIFY(text.first().format.bold);
        QVERIFY(!text.last().format.bold);
        QCOMPARE(plainText(readRtf("{\\rtf1\\fs99999999999999999999 a\\bin99999999999999 b}")),
                 QStringLiteral("a"));
    }
};

CALMDESK_TEST_MAIN_CORE(TestRtfCodec)
#include "tst_rtfcodec.moc"
