// SPDX-License-Identifier: GPL-3.0-or-later
// Export speed on a novel: a 1,000,000-word document with bold, italic and underline tags
// exported to PDF, RTF and HTML, and an RTF file read back. Prints a Markdown table of
// medians for docs/performance.md (goals: PDF under 1 s, RTF under 2 s).
#include "bench/support/benchprose.h"
#include "bench/support/benchstats.h"
#include "document/export/exportfile.h"
#include "platform/richtext/rtfreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace calmdesk;

namespace {

constexpr int kWordCount = 1'000'000;
constexpr int kRuns = 5;
constexpr double kNanosPerMilli = 1e6;

// The novel with a tagged word in every 50 words or so, as a writer marks emphasis.
QString taggedNovel()
{
    const QStringList words = bench::generateProse(kWordCount).split(QLatin1Char(' '));
    const char *const tags[] = {"b", "i", "u"};
    QStringList out;
    out.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i % 50 == 7) {
            const QString tag = QLatin1String(tags[(i / 50) % 3]);
            out << QStringLiteral("[%1]%2[/%1]").arg(tag, words.at(i));
        } else {
            out << words.at(i);
        }
    }
    return out.join(QLatin1Char(' '));
}

double medianMillis(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / kNanosPerMilli);
    }
    return bench::median(times);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ExportSource source;
    source.text = taggedNovel();
    source.tags = TagStyle::Brackets;
    source.fontFamily = QStringLiteral("Courier New");
    source.fontSize = 12;
    source.title = QStringLiteral("novel.txt");

    std::printf("| export of 1,000,000 words (%lld characters) | median of %d |\n|---|---|\n",
                static_cast<long long>(source.text.size()), kRuns);
    QByteArray rtf;
    const struct
    {
        const char *name;
        ExportFormat format;
    } rows[] = {{"PDF", ExportFormat::Pdf},
                {"RTF", ExportFormat::Rtf},
                {"HTML page", ExportFormat::Html},
                {"plain text", ExportFormat::Text}};
    for (const auto &row : rows) {
        QByteArray bytes;
        const double ms =
            medianMillis([&] { bytes = exportBytes(row.format, source, HtmlForm::Page).bytes; });
        std::printf("| %s (%.1f MB) | %.0f ms |\n", row.name, bytes.size() / 1e6, ms);
        if (row.format == ExportFormat::Rtf)
            rtf = bytes;
    }
    const double readMs = medianMillis([&] { readRtf(rtf); });
    std::printf("| reading that RTF back | %.0f ms |\n", readMs);
    return 0;
}
