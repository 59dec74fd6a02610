// SPDX-License-Identifier: GPL-3.0-or-later
// What one typed character costs with the status line running, on documents of
// 10,000, 100,000 and 1,000,000 words: a real text control and status panel, the
// goals controller wired as the window wires it, keys sent as key events. Each
// keystroke is timed from the key event to the repainted window; the share of the
// change handler (counting and painting the labels) is timed on its own. Not a test.
//
//   bench_keystroke [KEYSTROKES]

#include "bench/support/benchprose.h"
#include "goals/goalscontroller.h"
#include "goals/statuslabel.h"
#include "goals/statuspanel.h"
#include "goals/textcounts.h"
#include "platform/store/sqlitesettingsstore.h"
#include "platform/text/textcontrol.h"
#include "settings/settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace calmdesk;

namespace {

constexpr int kDefaultKeystrokes = 300;
constexpr int kWarmUpKeystrokes = 20;
// The text column of a 1920 x 1080 screen at the default 90 % width.
constexpr QSize kWindowSize(1728, 1080);
constexpr double kNsPerMs = 1e6;
constexpr double kPercentile99 = 0.99;

struct Figures
{
    double median = 0;
    double p99 = 0;
    double worst = 0;
};

Figures summarise(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    const auto at = [&](double q) {
        return double(ns[std::min(ns.size() - 1, std::size_t(q * double(ns.size())))]) / kNsPerMs;
    };
    return {at(0.5), at(kPercentile99), double(ns.back()) / kNsPerMs};
}

struct Run
{
    Figures keystroke;
    Figures handler;
    double openMs = 0;
    double displayLinesMs = 0;
    bool countsAgree = false;
};

// With `withGoals` false the controller is left out: the text control's own cost.
Run typeInto(int words, bool caretInMiddle, bool withGoals, int keystrokes, SettingsStore &store)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *txtMain = new TextControl(TextKind::Uniform);
    auto *pctStatus = new StatusPanel;
    layout->addWidget(txtMain);
    layout->addWidget(pctStatus);
    window.resize(kWindowSize);

    GoalsController goals(txtMain, pctStatus, store);
    std::vector<qint64> handlerNs;
    QElapsedTimer handlerClock;
    QObject::connect(txtMain, &TextControl::changed, &goals, [&] {
        handlerClock.start();
        if (withGoals)
            goals.txtMainChange();
        handlerNs.push_back(handlerClock.nsecsElapsed());
    });
    Settings settings;
    settings.show_status = BarMode::Always;
    settings.show_word = settings.show_char = settings.show_para = settings.show_page = true;
    settings.cron_use = true;
    settings.deadlines = true;
    goals.applySettings(settings);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "window not exposed\n");

    Run run;
    const QString document = bench::generateProse(words);
    QElapsedTimer open;
    open.start();
    txtMain->setText(document);
    QCoreApplication::processEvents();
    run.openMs = double(open.nsecsElapsed()) / kNsPerMs;

    txtMain->setFocus();
    txtMain->setCaret(caretInMiddle ? int(document.size() / 2) : int(document.size()));
    QWidget *editor = txtMain->focusProxy();
    QCoreApplication::processEvents();

    std::vector<qint64> keystrokeNs;
    QElapsedTimer clock;
    for (int key = 0; key < kWarmUpKeystrokes + keystrokes; ++key) {
        const char c = key % 6 == 5 ? ' ' : char('a' + key % 26);
        clock.start();
        QTest::keyClick(editor, c);
        pctStatus->repaint();
        QCoreApplication::processEvents();
        if (key >= kWarmUpKeystrokes)
            keystrokeNs.push_back(clock.nsecsElapsed());
    }
    handlerNs.erase(handlerNs.begin(), handlerNs.end() - keystrokes);
    run.keystroke = summarise(keystrokeNs);
    run.handler = summarise(handlerNs);

    constexpr int kLineCountRuns = 20;
    QElapsedTimer lines;
    lines.start();
    for (int i = 0; i < kLineCountRuns; ++i)
        txtMain->displayLineCount();
    run.displayLinesMs = double(lines.nsecsElapsed()) / kNsPerMs / kLineCountRuns;

    const TextCounts recount = countText(txtMain->text());
    run.countsAgree =
        !withGoals || (goals.counts() == recount &&
                       pctStatus->findChild<QLabel *>(QStringLiteral("lblWord"))->text() ==
                           QStringLiteral("Words: %1/0").arg(recount.words));
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int keystrokes = argc > 1 ? std::max(1, atoi(argv[1])) : kDefaultKeystrokes;

    QTemporaryDir folder;
    SqliteSettingsStore store(folder.filePath(QStringLiteral("settings.db")));

    std::printf(
        "| words | caret | goals | keystroke median | p99 | worst | change handler median | p99 "
        "| display lines | open | counts |\n|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const int words : {10'000, 100'000, 1'000'000}) {
        for (const bool middle : {false, true}) {
            for (const bool withGoals : {true, false}) {
                const Run run = typeInto(words, middle, withGoals, keystrokes, store);
                std::printf(
                    "| %d | %s | %s | %.3f ms | %.3f ms | %.3f ms | %.3f ms | %.3f ms | %.3f ms "
                    "| %.0f ms | %s |\n",
                    words, middle ? "middle" : "end", withGoals ? "on" : "off",
                    run.keystroke.median, run.keystroke.p99, run.keystroke.worst,
                    run.handler.median, run.handler.p99, run.displayLinesMs, run.openMs,
                    run.countsAgree ? "exact" : "WRONG");
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
