// SPDX-License-Identifier: GPL-3.0-or-later
// The byte-level rules: what a file's bytes become in memory and what the program's
// text becomes on disk, without touching any file.
#include "platform/codec/documentcodec.h"
#include "platform/codec/linebreaks.h"
#include "platform/codec/textcodec.h"
#include "testmain.h"

#include <QObject>

using namespace calmdesk;

namespace {

// Bytes 0x80-0x9F and the characters Windows-1252 gives them, the five undefined ones
// standing for themselves.
struct SpecialByte
{
    unsigned char byte;
    const char *name;
    const char *utf8;
};

const SpecialByte kSpecialBytes[] = {
    {0x80, "euro sign", "€"},
    {0x81, "undefined 81", "\xC2\x81"},
    {0x82, "low single quote", "‚"},
    {0x83, "florin", "ƒ"},
    {0x84, "low double quote", "„"},
    {0x85, "ellipsis", "…"},
    {0x86, "dagger", "†"},
    {0x87, "double dagger", "‡"},
    {0x88, "circumflex", "ˆ"},
    {0x89, "per mille", "‰"},
    {0x8A, "S caron", "Š"},
    {0x8B, "single left angle quote", "‹"},
    {0x8C, "OE ligature", "Œ"},
    {0x8D, "undefined 8D", "\xC2\x8D"},
    {0x8E, "Z caron", "Ž"},
    {0x8F, "undefined 8F", "\xC2\x8F"},
    {0x90, "undefined 90", "\xC2\x90"},
    {0x91, "left single quote", "‘"},
    {0x92, "right single quote", "’"},
    {0x93, "left double quote", "“"},
    {0x94, "right double quote", "”"},
    {0x95, "bullet", "•"},
    {0x96, "en dash", "–"},
    {0x97, "em dash", "—"},
    {0x98, "small tilde", "˜"},
    {0x99, "trade mark", "™"},
    {0x9A, "s caron", "š"},
    {0x9B, "single right angle quote", "›"},
    {0x9C, "oe ligature", "œ"},
    {0x9D, "undefined 9D", "\xC2\x9D"},
    {0x9E, "z caron", "ž"},
    {0x9F, "Y diaeresis", "Ÿ"},
};

QByteArray withNul(const char *before, const char *after)
{
    return QByteArray(before) + '\0' + QByteArray(after);
}

} // namespace

class TestTextCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodeDetectsFormat_data();
    void decodeDetectsFormat();
    void unchangedTextRoundTripsByteForByte_data();
    void unchangedTextRoundTripsByteForByte();
    void windows1252SpecialBytesRoundTrip_data();
    void windows1252SpecialBytesRoundTrip();
    void everyNonNulByteRoundTripsAsWindows1252();
    void nulBytesAreRefused_data();
    void nulBytesAreRefused();
    void mixedConventionsSaveInTheDominantOne_data();
    void mixedConventionsSaveInTheDominantOne();
    void everyBreakInMemoryIsWrittenInTheFileConvention_data();
    void everyBreakInMemoryIsWrittenInTheFileConvention();
    void unrepresentableTextIsWrittenAsUtf8_data();
    void unrepresentableTextIsWrittenAsUtf8();
};

void TestTextCodec::decodeDetectsFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<LineBreak>("lineBreak");

    // Encoding.
    QTest::newRow("empty file is a new document")
        << QByteArray() << QString() << TextEncoding::Utf8 << LineBreak::Lf;
    QTest::newRow("plain ASCII is UTF-8")
        << QByteArray("plain") << QStringLiteral("plain") << TextEncoding::Utf8 << LineBreak::Lf;
    QTest::newRow("accented UTF-8") << QByteArray("caf\xC3\xA9") << QStringLiteral("café")
                                    << TextEncoding::Utf8 << LineBreak::Lf;
    QTest::newRow("UTF-8 with BOM, BOM not in text")
        << QByteArray("\xEF\xBB\xBF"
                      "caf\xC3\xA9")
        << QStringLiteral("café") << TextEncoding::Utf8Bom << LineBreak::Lf;
    QTest::newRow("BOM only") << QByteArray("\xEF\xBB\xBF") << QString() << TextEncoding::Utf8Bom
                              << LineBreak::Lf;
    QTest::newRow("second BOM after the first is text")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QStringLiteral("\uFEFFx")
        << TextEncoding::Utf8Bom << LineBreak::Lf;
    QTest::newRow("emoji, four bytes") << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("😀")
                                       << TextEncoding::Utf8 << LineBreak::Lf;
    QTest::newRow("noncharacter U+FFFF is still UTF-8")
        << QByteArray("\xEF\xBF\xBF") << QString(QChar(0xFFFF)) << TextEncoding::Utf8
        << LineBreak::Lf;
    QTest::newRow("last code point U+10FFFF")
        << QByteArray("\xF4\x8F\xBF\xBF") << QString::fromUcs4(U"\U0010FFFF") << TextEncoding::Utf8
        << LineBreak::Lf;
    QTest::newRow("last code point before the surrogates")
        << QByteArray("\xED\x9F\xBF") << QString(QChar(0xD7FF)) << TextEncoding::Utf8
        << LineBreak::Lf;
    // Windows-1252 text that happens to form valid UTF-8 ("Ã©") cannot be told apart;
    // valid UTF-8 is far more likely to be meant as UTF-8.
    QTest::newRow("1252 that is valid UTF-8 by accident reads as UTF-8")
        << QByteArray("\xC3\xA9") << QStringLiteral("é") << TextEncoding::Utf8 << LineBreak::Lf;

    // Invalid UTF-8 falls back to Windows-1252.
    QTest::newRow("lone E9 is 1252 e acute") << QByteArray("caf\xE9") << QStringLiteral("café")
                                             << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("smart quotes are 1252") << QByteArray("\x93Hi\x94") << QStringLiteral("“Hi”")
                                           << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("stray continuation byte")
        << QByteArray("a\x80"
                      "b")
        << QStringLiteral("a€b") << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("sequence cut off at the end")
        << QByteArray("ab\xE2\x82") << QStringLiteral("abâ‚") << TextEncoding::Windows1252
        << LineBreak::Lf;
    QTest::newRow("sequence cut off by ASCII")
        << QByteArray("\xC3"
                      "A")
        << QStringLiteral("ÃA") << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QStringLiteral("À¯")
                                    << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("overlong three-byte form") << QByteArray("\xE0\x80\xAF") << QStringLiteral("à€¯")
                                              << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€")
                                       << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("ô\u0090€€")
        << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("lead byte F5 never occurs")
        << QByteArray("\xF5\x80\x80\x80") << QStringLiteral("õ€€€") << TextEncoding::Windows1252
        << LineBreak::Lf;
    QTest::newRow("BOM followed by invalid UTF-8 is 1252 throughout")
        << QByteArray("\xEF\xBB\xBF\xE9") << QStringLiteral("ï»¿é") << TextEncoding::Windows1252
        << LineBreak::Lf;
    QTest::newRow("invalid byte after long ASCII run")
        << QByteArray("0123456789abcdefghij\xE9") << QStringLiteral("0123456789abcdefghijé")
        << TextEncoding::Windows1252 << LineBreak::Lf;

    // Line breaks: every convention reaches memory as CR LF.
    QTest::newRow("CR LF stays CR LF") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n")
                                       << TextEncoding::Utf8 << LineBreak::CrLf;
    QTest::newRow("LF becomes CR LF") << QByteArray("a\nb\n") << QStringLiteral("a\r\nb\r\n")
                                      << TextEncoding::Utf8 << LineBreak::Lf;
    QTest::newRow("lone CR becomes CR LF") << QByteArray("a\rb\r") << QStringLiteral("a\r\nb\r\n")
                                           << TextEncoding::Utf8 << LineBreak::Cr;
    QTest::newRow("blank lines keep their count")
        << QByteArray("a\n\n\nb") << QStringLiteral("a\r\n\r\n\r\nb") << TextEncoding::Utf8
        << LineBreak::Lf;
    QTest::newRow("CR then CR LF is two breaks")
        << QByteArray("a\r\r\nb") << QStringLiteral("a\r\n\r\nb") << TextEncoding::Utf8
        << LineBreak::CrLf;
    QTest::newRow("LF then CR is two breaks, not a CR LF")
        << QByteArray("a\n\rb") << QStringLiteral("a\r\n\r\nb") << TextEncoding::Utf8
        << LineBreak::Lf;
    QTest::newRow("1252 with LF breaks")
        << QByteArray("\x93One\x94\n\x85two") << QStringLiteral("“One”\r\n…two")
        << TextEncoding::Windows1252 << LineBreak::Lf;
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringLiteral("\r\n")
                                  << TextEncoding::Utf8 << LineBreak::CrLf;
}

void TestTextCodec::decodeDetectsFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(LineBreak, lineBreak);

    const TextLoadResult result = decodeText(bytes);
    QCOMPARE(result.status, LoadStatus::Ok);
    QCOMPARE(result.text, text);
    QCOMPARE(result.format.encoding, encoding);
    QCOMPARE(result.format.lineBreak, lineBreak);
}

void TestTextCodec::unchangedTextRoundTripsByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("UTF-8, LF, final break") << QByteArray("Caf\xC3\xA9\nline two\n");
    QTest::newRow("UTF-8, LF, no final break") << QByteArray("Caf\xC3\xA9\nline two");
    QTest::newRow("UTF-8, CR LF, final break") << QByteArray("one\r\ntwo\r\n");
    QTest::newRow("UTF-8, CR LF, no final break") << QByteArray("one\r\ntwo");
    QTest::newRow("UTF-8, lone CR") << QByteArray("one\rtwo\r");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFone\r\ntwo\r\n");
    QTest::newRow("BOM only") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("double BOM") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\n");
    QTest::newRow("1252, CR LF") << QByteArray("\x93Quoted\x94 \x80 5\r\n\xE9t\xE9\r\n");
    QTest::newRow("1252, LF, no final break") << QByteArray("na\xEFve\nd\xE9j\xE0");
    QTest::newRow("1252 with undefined bytes") << QByteArray("\x81\x8D\x8F\x90\x9D");
    QTest::newRow("blank lines only") << QByteArray("\n\n\n");
    QTest::newRow("trailing spaces and tabs") << QByteArray("a \t\n\t b  ");
    // Documents are written a piece at a time: a long paragraph is cut, here through an
    // emoji's surrogate pair, and the pieces fill the writer's buffer several times over.
    const QByteArray longParagraph =
        QByteArray(16383, 'a') + "\xF0\x9F\x98\x80" + QByteArray(70000, 'b') + "\xC3\xA9";
    QTest::newRow("long paragraphs, a character cut between pieces")
        << longParagraph + "\n" + longParagraph + "\n";
    QTest::newRow("long 1252 paragraph") << QByteArray(100000, 'x') + "\xE9\r\n\x80";
}

void TestTextCodec::unchangedTextRoundTripsByteForByte()
{
    QFETCH(QByteArray, bytes);

    const TextLoadResult loaded = decodeText(bytes);
    QCOMPARE(loaded.status, LoadStatus::Ok);
    const EncodedText saved = encodeText(loaded.text, loaded.format);
    QCOMPARE(saved.bytes, bytes);
    QCOMPARE(saved.format, loaded.format);

    // A document, kept as paragraphs with what ended each, comes back the same.
    const DocumentLoadResult document = decodeDocument(bytes);
    QCOMPARE(document.status, LoadStatus::Ok);
    QCOMPARE(document.document.paragraphs.join("\r\n"), loaded.text);
    const EncodedText written = encodeDocument(document.document.paragraphs, document.document.ends,
                                               document.document.format);
    QCOMPARE(written.bytes, bytes);
    QCOMPARE(written.format, loaded.format);
}

void TestTextCodec::windows1252SpecialBytesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    for (const SpecialByte &special : kSpecialBytes) {
        // Framed by an invalid lone E9 so the byte is read as Windows-1252 even where
        // it would start a valid UTF-8 sequence.
        QByteArray bytes("\xE9");
        bytes += char(special.byte);
        QTest::addRow("%02X %s", special.byte, special.name)
            << bytes << QStringLiteral("é") + QString::fromUtf8(special.utf8);
    }
}

void TestTextCodec::windows1252SpecialBytesRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    const TextLoadResult loaded = decodeText(bytes);
    QCOMPARE(loaded.format.encoding, TextEncoding::Windows1252);
    QCOMPARE(loaded.text, text);
    const EncodedText saved = encodeText(loaded.text, loaded.format);
    QCOMPARE(saved.format.encoding, TextEncoding::Windows1252);
    QCOMPARE(saved.bytes, bytes);
}

void TestTextCodec::everyNonNulByteRoundTripsAsWindows1252()
{
    QByteArray bytes;
    for (int value = 1; value <= 0xFF; ++value) {
        if (value != '\r' && value != '\n')
            bytes += char(value);
    }

    const TextLoadResult loaded = decodeText(bytes);
    QCOMPARE(loaded.format.encoding, TextEncoding::Windows1252);
    QCOMPARE(loaded.text.size(), bytes.size());
    QCOMPARE(encodeText(loaded.text, loaded.format).bytes, bytes);
}

void TestTextCodec::nulBytesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("NUL inside text") << withNul("abc", "def");
    QTest::newRow("NUL at the start") << withNul("", "text");
    QTest::newRow("NUL at the end") << withNul("text", "");
    QTest::newRow("NUL in 1252 text") << withNul("\x93q\x94", "\xE9");
    const QString sample = QStringLiteral("Hi\r\n");
    QByteArray utf16le("\xFF\xFE");
    utf16le.append(reinterpret_cast<const char *>(sample.utf16()), sample.size() * 2);
    QTest::newRow("UTF-16 LE with BOM") << utf16le;
    QTest::newRow("UTF-16 BE without BOM") << withNul("", "H") + withNul("", "i");
}

void TestTextCodec::nulBytesAreRefused()
{
    QFETCH(QByteArray, bytes);

    const TextLoadResult result = decodeText(bytes);
    QCOMPARE(result.status, LoadStatus::HasNulBytes);
    QVERIFY(result.text.isEmpty());
}

void TestTextCodec::mixedConventionsSaveInTheDominantOne_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<LineBreak>("lineBreak");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("mostly CR LF") << QByteArray("a\r\nb\r\nc\nd") << LineBreak::CrLf
                                  << QByteArray("a\r\nb\r\nc\r\nd");
    QTest::newRow("mostly LF") << QByteArray("a\nb\nc\r\nd\re") << LineBreak::Lf
                               << QByteArray("a\nb\nc\nd\ne");
    QTest::newRow("mostly CR") << QByteArray("a\rb\rc\r\nd") << LineBreak::Cr
                               << QByteArray("a\rb\rc\rd");
    QTest::newRow("tie of CR LF and LF goes to LF")
        << QByteArray("a\r\nb\nc") << LineBreak::Lf << QByteArray("a\nb\nc");
    QTest::newRow("tie of CR LF and CR goes to CR LF")
        << QByteArray("a\rb\r\nc") << LineBreak::CrLf << QByteArray("a\r\nb\r\nc");
    QTest::newRow("three-way tie goes to LF")
        << QByteArray("a\rb\r\nc\nd") << LineBreak::Lf << QByteArray("a\nb\nc\nd");
}

void TestTextCodec::mixedConventionsSaveInTheDominantOne()
{
    QFETCH(QByteArray, bytes);
    QFETCH(LineBreak, lineBreak);
    QFETCH(QByteArray, saved);

    const TextLoadResult loaded = decodeText(bytes);
    QCOMPARE(loaded.format.lineBreak, lineBreak);
    QCOMPARE(countLineBreaks(loaded.text).crLf, countLineBreaks(loaded.text).total());
    QCOMPARE(encodeText(loaded.text, loaded.format).bytes, saved);
}

void TestTextCodec::everyBreakInMemoryIsWrittenInTheFileConvention_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LineBreak>("lineBreak");
    QTest::addColumn<QByteArray>("saved");

    const QString mixed = QStringLiteral("a\r\nb\nc\rd\r\n");
    QTest::newRow("to LF") << mixed << LineBreak::Lf << QByteArray("a\nb\nc\nd\n");
    QTest::newRow("to CR LF") << mixed << LineBreak::CrLf << QByteArray("a\r\nb\r\nc\r\nd\r\n");
    QTest::newRow("to CR") << mixed << LineBreak::Cr << QByteArray("a\rb\rc\rd\r");
    QTest::newRow("pasted LF in a CR LF document")
        << QStringLiteral("one\r\npasted\nline") << LineBreak::CrLf
        << QByteArray("one\r\npasted\r\nline");
    QTest::newRow("text without breaks is unchanged")
        << QStringLiteral("no breaks") << LineBreak::Cr << QByteArray("no breaks");
}

void TestTextCodec::everyBreakInMemoryIsWrittenInTheFileConvention()
{
    QFETCH(QString, text);
    QFETCH(LineBreak, lineBreak);
    QFETCH(QByteArray, saved);

    const EncodedText encoded = encodeText(text, TextFileFormat{TextEncoding::Utf8, lineBreak});
    QCOMPARE(encoded.bytes, saved);
    QCOMPARE(encoded.format.lineBreak, lineBreak);
}

void TestTextCodec::unrepresentableTextIsWrittenAsUtf8_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("written");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Polish l stroke")
        << QStringLiteral("é\r\nł") << TextEncoding::Utf8 << QByteArray("\xC3\xA9\n\xC5\x82");
    QTest::newRow("emoji") << QStringLiteral("ok 😀") << TextEncoding::Utf8
                           << QByteArray("ok \xF0\x9F\x98\x80");
    QTest::newRow("C1 control without a 1252 byte")
        << QString(QChar(0x80)) << TextEncoding::Utf8 << QByteArray("\xC2\x80");
    QTest::newRow("euro and quotes stay 1252")
        << QStringLiteral("“5 €”\r\n") << TextEncoding::Windows1252
        << QByteArray("\x93"
                      "5 \x80\x94\n");
    QTest::newRow("Latin-1 letters stay 1252")
        << QStringLiteral("déjà vu") << TextEncoding::Windows1252 << QByteArray("d\xE9j\xE0 vu");
}

void TestTextCodec::unrepresentableTextIsWrittenAsUtf8()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, written);
    QFETCH(QByteArray, bytes);

    const EncodedText encoded =
        encodeText(text, TextFileFormat{TextEncoding::Windows1252, LineBreak::Lf});
    QCOMPARE(encoded.format.encoding, written);
    QCOMPARE(encoded.format.lineBreak, LineBreak::Lf);
    QCOMPARE(encoded.bytes, bytes);
    // What was written reads back as the same text.
    QCOMPARE(decodeText(encoded.bytes).text, text);
}

CALMDESK_TEST_MAIN_CORE(TestTextCodec)

#include "tst_textcodec.moc"
