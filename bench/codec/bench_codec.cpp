// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save speed of a long manuscript in the common on-disk formats. Prints a
// Markdown table of medians for docs/performance.md.
#include "platform/codec/documentcodec.h"
#include "platform/codec/textfilecodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace calmdesk;

namespace {

constexpr int kWordCount = 1'000'000;
constexpr int kMinParagraphWords = 5;
constexpr int kMaxParagraphWords = 400;
constexpr int kRuns = 11;
constexpr quint32 kSeed = 1007;
constexpr double kNanosPerMilli = 1e6;
constexpr double kBytesPerMegabyte = 1e6;

// Mostly plain English with the accents and punctuation a writer really uses; every
// word fits Windows-1252, so all three formats hold the same text.
const char *const kWords[] = {
    "the",   "and",     "of",       "to",      "a",       "in",        "was",     "he",
    "she",   "it",      "that",     "her",     "his",     "with",      "for",     "had",
    "as",    "on",      "at",       "not",     "but",     "by",        "from",    "they",
    "which", "morning", "window",   "letter",  "quietly", "remember",  "garden",  "across",
    "river", "nothing", "suddenly", "evening", "kitchen", "whispered", "station", "shadow",
    "café",  "naïve",   "déjà",     "façade",  "résumé",  "“quoted”",  "it’s",    "—",
    "…",     "señor",
};

QString generateManuscript()
{
    QRandomGenerator random(kSeed);
    const int vocabulary = int(std::size(kWords));
    QString text;
    int written = 0;
    while (written < kWordCount) {
        const int length = std::min(
            kWordCount - written, int(random.bounded(kMinParagraphWords, kMaxParagraphWords + 1)));
        for (int i = 0; i < length; ++i) {
            if (i > 0)
                text += QLatin1Char(' ');
            text += QString::fromUtf8(kWords[random.bounded(vocabulary)]);
        }
        text += QStringLiteral(".\r\n\r\n");
        written += length;
    }
    return text;
}

double medianMillis(const std::function<void()> &work)
{
    std::vector<qint64> nanos;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        nanos.push_back(timer.nsecsElapsed());
    }
    std::sort(nanos.begin(), nanos.end());
    return double(nanos[nanos.size() / 2]) / kNanosPerMilli;
}

struct Case
{
    const char *name;
    TextFileFormat format;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString text = generateManuscript();

    std::printf("Manuscript: %d words, %lld characters in memory, median of %d runs.\n\n",
                kWordCount, static_cast<long long>(text.size()), kRuns);
    std::printf("| format | file size | load (file) | decode only | save (file, synced) | "
                "encode only |\n|---|---|---|---|---|---|\n");

    const Case cases[] = {
        {"UTF-8, LF", {TextEncoding::Utf8, LineBreak::Lf}},
        {"UTF-8, CR LF", {TextEncoding::Utf8, LineBreak::CrLf}},
        {"Windows-1252, CR LF", {TextEncoding::Windows1252, LineBreak::CrLf}},
    };
    // A document is kept and saved as its paragraphs, each with what ended it.
    const QStringList paragraphs = text.split(QStringLiteral("\r\n"));
    for (const Case &c : cases) {
        const std::vector<ParagraphEnd> ends(std::size_t(paragraphs.size()),
                                             paragraphEndOf(c.format.lineBreak));
        const QString path = folder.filePath(QStringLiteral("manuscript.txt"));
        const EncodedText encoded = encodeDocument(paragraphs, ends, c.format);
        if (encoded.format != c.format || !saveDocumentFile(path, paragraphs, ends, c.format).ok) {
            std::fprintf(stderr, "%s: could not write the manuscript\n", c.name);
            return 1;
        }
        const DocumentLoadResult check = loadDocumentFile(path);
        if (check.document.paragraphs != paragraphs || check.document.format != c.format) {
            std::fprintf(stderr, "%s: the manuscript did not round-trip\n", c.name);
            return 1;
        }

        const double load = medianMillis([&] { (void)loadDocumentFile(path); });
        const double decode = medianMillis([&] { (void)decodeDocument(encoded.bytes); });
        const double save =
            medianMillis([&] { (void)saveDocumentFile(path, paragraphs, ends, c.format); });
        const double encode =
            medianMillis([&] { (void)encodeDocument(paragraphs, ends, c.format); });
        std::printf("| %s | %.1f MB | %.1f ms | %.1f ms | %.1f ms | %.1f ms |\n", c.name,
                    double(encoded.bytes.size()) / kBytesPerMegabyte, load, decode, save, encode);
    }
    return 0;
}
