// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for find and replace on a 1,000,000-word document, in the text column's kind of
// control with the status line and its change handler wired as the window wires them:
// Find Next with its match count, Replace All and its undo. Run offscreen; not a test.

#include "app/find/findreplace.h"
#include "bench/support/benchprose.h"
#include "bench/support/benchstats.h"
#include "goals/goalscontroller.h"
#include "goals/statuspanel.h"
#include "platform/store/sqlitesettingsstore.h"
#include "platform/text/textcontrol.h"
#include "settings/settings.h"
#include "settings/settingstable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace calmdesk;

namespace {

constexpr int kDefaultWords = 1'000'000;
constexpr int kRuns = 5;
constexpr QSize kWindowSize(1728, 1056);
constexpr double kNsPerMs = 1e6;

struct Search
{
    const char *what;
    QString text;
    bool matchCase;
    bool wholeWord;
};

// The median of `runs` timings of `action`, each followed by the events it caused
// (painting included); `between` runs untimed after each.
double medianMs(const std::function<void()> &action, const std::function<void()> &between = {})
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer clock;
        clock.start();
        action();
        QCoreApplication::processEvents();
        ms.push_back(double(clock.nsecsElapsed()) / kNsPerMs);
        if (between)
            between();
    }
    return bench::median(ms);
}

FindRequest requestFor(const Search &search, FindAction action)
{
    FindRequest request;
    request.searchText = search.text;
    request.replacement = QStringLiteral("XyZ");
    request.matchCase = search.matchCase;
    request.wholeWord = search.wholeWord;
    request.action = action;
    return request;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int words = argc > 1 ? std::max(1, atoi(argv[1])) : kDefaultWords;

    QTemporaryDir folder;
    SqliteSettingsStore store(folder.filePath(QStringLiteral("settings.db")));
    Settings settings = defaultSettings();
    settings.show_status = BarMode::Always;
    settings.show_word = settings.show_char = settings.show_para = settings.show_page = true;

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *txtMain = new TextControl(TextKind::Uniform);
    auto *pctStatus = new StatusPanel;
    layout->addWidget(txtMain);
    layout->addWidget(pctStatus);
    window.resize(kWindowSize);
    GoalsController goals(txtMain, pctStatus, store);
    QObject::connect(txtMain, &TextControl::changed, &goals, &GoalsController::txtMainChange);
    goals.applySettings(settings);
    FindReplace find(txtMain, pctStatus, settings, &window);
    find.setBeep([] {});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "window not exposed\n");

    const QString document = bench::generateProse(words);
    txtMain->setText(document);
    txtMain->displayLineCount();
    txtMain->setFocus();
    QCoreApplication::processEvents();
    std::printf("%d words, %lld characters, %d paragraphs\n\n", words,
                static_cast<long long>(document.size()), txtMain->paragraphCount());

    const QList<Search> searches = {
        {"a whole word, letter case ignored", QStringLiteral("e"), false, true},
        {"a word inside words, letter case ignored", QStringLiteral("ab"), false, false},
        {"a letter, case matched", QStringLiteral("e"), true, false},
        {"a letter, letter case ignored", QStringLiteral("E"), false, false},
    };
    std::printf("| search | matches | Find Next with its count | Replace All | its undo | "
                "text right |\n|---|---|---|---|---|---|\n");
    for (const Search &search : searches) {
        const FindFlags flags = requestFor(search, FindAction::FindNext).flags();
        const int matches = txtMain->findAll(search.text, flags).size();
        const double findMs = medianMs([&] {
            txtMain->setCaret(0);
            find.findOrReplace(requestFor(search, FindAction::FindNext));
        });
        const double replaceMs = medianMs(
            [&] {
                txtMain->setCaret(0);
                find.findOrReplace(requestFor(search, FindAction::ReplaceAll));
            },
            [&] { txtMain->undo(); });
        txtMain->setCaret(0);
        find.findOrReplace(requestFor(search, FindAction::ReplaceAll));
        const double undoMs =
            medianMs([&] { txtMain->undo(); },
                     [&] {
                         txtMain->setCaret(0);
                         find.findOrReplace(requestFor(search, FindAction::ReplaceAll));
                     });
        // The last run's replacement stands; one undo must bring the novel back.
        const bool replacedAll = txtMain->countMatches(search.text, flags) == 0;
        txtMain->undo();
        const bool right = replacedAll && txtMain->text() == document;
        std::printf("| %s | %d | %.1f ms | %.1f ms | %.1f ms | %s |\n", search.what, matches,
                    findMs, replaceMs, undoMs, right ? "yes" : "NO");
    }
    return 0;
}
