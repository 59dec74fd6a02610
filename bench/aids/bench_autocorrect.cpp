// SPDX-License-Identifier: GPL-3.0-or-later
// What auto-correct adds to a keystroke at the end of a novel, with every one of the
// 2,049 rule slots filled. Not a test.
//
// Usage: bench_autocorrect [WORDS]

#include "aids/autocorrect.h"
#include "aids/defaultlists.h"
#include "bench/support/benchprose.h"
#include "bench/support/benchstats.h"
#include "platform/text/textcontrol.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace calmdesk;
using calmdesk::bench::median;

namespace {

constexpr int kSlots = 2049;
constexpr int kRounds = 2000;
constexpr double kNsPerMs = 1e6;

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int words = argc > 1 ? std::max(1, atoi(argv[1])) : 1'000'000;

    // The stock rules first, then made-up ones up to the last slot, many ending in the
    // letters prose ends in most.
    QStringList find;
    QStringList replace;
    for (const auto &[f, r] : defaultAutoCorrectRules()) {
        find << f;
        replace << r;
    }
    for (int i = int(find.size()); i < kSlots; ++i) {
        find << QStringLiteral("q%1%2").arg(i).arg(QChar(u"estndrl"[i % 7]));
        replace << QStringLiteral("r%1").arg(i);
    }

    TextControl text(TextKind::Uniform);
    text.resize(800, 600);
    text.setText(bench::generateProse(words));
    QAction mnuAC;
    AutoCorrect correct(&text, &mnuAC);
    correct.setRules(find, replace);

    text.setCaret(text.textLength());
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < kRounds; ++i) {
        clock.start();
        correct.editAutoCorrect();
        times.push_back(double(clock.nsecsElapsed()) / kNsPerMs);
    }
    std::printf("%d words, %d rule slots filled\n", words, int(find.size()));
    std::printf(
        "| auto-correct check at the end of the text, no rule matches (median) | %.4f ms |\n",
        median(times));

    // A correction: the typed letters replaced and the check run again from the change.
    times.clear();
    for (int i = 0; i < 200; ++i) {
        text.setCaret(text.textLength());
        text.replaceSelection(QStringLiteral(" te"));
        clock.start();
        text.replaceSelection(QStringLiteral("h"));
        correct.editAutoCorrect();
        times.push_back(double(clock.nsecsElapsed()) / kNsPerMs);
    }
    std::printf("| a typed letter that completes a rule: the letter, the check and the replacement "
                "(median) | %.4f ms |\n",
                median(times));
    return 0;
}
