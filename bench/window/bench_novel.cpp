// SPDX-License-Identifier: GPL-3.0-or-later
// A novel in the whole editor window, in-process: how long the window takes to show and
// the document to load, how long its lines take to count in the background, what a typed
// key costs at the end of it, how soon typing goes on after each change of the column's
// width and after Ctrl+L, and what Ctrl+S takes. Not a test.
//
//   bench_novel [WORDS | FILE] [KEYSTROKES]     (default 1,000,000 generated words)

#include "app/layout/edgepanels.h"
#include "app/layout/toolspaneldock.h"
#include "app/layout/topbar.h"
#include "app/window/tfrmmain.h"
#include "bench/support/benchprose.h"
#include "bench/support/benchstats.h"
#include "document/crashrecovery.h"
#include "document/recoveryfile.h"
#include "platform/dialogs/filedialogs.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/shell/urlopener.h"
#include "platform/store/sqlitesettingsstore.h"
#include "platform/text/textcontrol.h"
#include "settings/settingsio.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace calmdesk;

namespace {

constexpr int kDefaultWords = 1'000'000;
constexpr int kDefaultKeystrokes = 200;
constexpr int kWarmUp = 20;
constexpr int kEnters = 9;
constexpr double kNsPerMs = 1e6;
constexpr int kCountTimeoutMs = 60'000;

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / kNsPerMs;
}

// One key typed and everything it causes, painting included.
void typeKey(QWidget *target, char c)
{
    QTest::keyClick(target, c);
    QCoreApplication::processEvents();
}

// From a change of the column until the key typed right after it is in and painted.
double backToTyping(TfrmMain &window, const std::function<void()> &change)
{
    QElapsedTimer clock;
    clock.start();
    change();
    QCoreApplication::processEvents();
    typeKey(window.textColumn()->focusProxy(), 'x');
    return double(clock.nsecsElapsed()) / kNsPerMs;
}

void waitForLines(const TextControl &text)
{
    if (!QTest::qWaitFor([&] { return text.knownDisplayLineCount().has_value(); }, kCountTimeoutMs))
        std::fprintf(stderr, "the lines were not counted\n");
}

QString documentPath(const QString &argument, const QTemporaryDir &folder)
{
    if (QFileInfo(argument).isFile())
        return argument;
    const int words = argument.isEmpty() ? kDefaultWords : argument.toInt();
    const QString path = folder.filePath(QStringLiteral("novel.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bench::generateProse(words).toUtf8());
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        const QString path = home.filePath(QString::fromLatin1(name));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
        qputenv(name, QFile::encodeName(path));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path = documentPath(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(), home);
    const int keystrokes = argc > 2 ? std::max(1, atoi(argv[2])) : kDefaultKeystrokes;

    SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
    QtMessageBoxes messages(nullptr);
    QtFileDialogs dialogs(nullptr, messages);
    TfrmMain window(TfrmMain::Services{store,
                                       messages,
                                       dialogs,
                                       desktopUrlOpener(),
                                       home.filePath(QStringLiteral("XDG_DATA_HOME")),
                                       {},
                                       {}});
    TextControl *text = window.textColumn();

    QElapsedTimer clock;
    clock.start();
    window.FormCreate({path});
    const double createdMs = double(clock.nsecsElapsed()) / kNsPerMs;
    if (!QTest::qWaitFor([&] { return window.hasFinishedStartup(); }, kCountTimeoutMs))
        std::fprintf(stderr, "the document did not open\n");
    const double openedMs = double(clock.nsecsElapsed()) / kNsPerMs;
    waitForLines(*text);
    const double countedMs = double(clock.nsecsElapsed()) / kNsPerMs;

    std::printf("document: %s, %d paragraphs, %d display lines\n", qPrintable(path),
                text->paragraphCount(), text->knownDisplayLineCount().value_or(-1));
    std::printf("| step | figure |\n|---|---|\n");
    std::printf("| window created and shown | %.0f ms |\n", createdMs);
    std::printf("| document opened | %.0f ms |\n", openedMs);
    std::printf("| lines counted | %.0f ms |\n", countedMs);

    // Typing at the end, as a writer carries on a novel.
    QWidget *input = text->focusProxy();
    text->setCaret(text->textLength());
    QCoreApplication::processEvents();
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int i = 0; i < kWarmUp + keystrokes; ++i) {
        const double before = processCpuMs();
        clock.start();
        typeKey(input, i % 6 == 5 ? ' ' : char('a' + i % 26));
        if (i >= kWarmUp) {
            cpu.push_back(processCpuMs() - before);
            wall.push_back(double(clock.nsecsElapsed()) / kNsPerMs);
        }
    }
    std::printf("| typed key, CPU (median) | %.2f ms |\n", bench::median(cpu));
    std::printf("| typed key, wall (median) | %.2f ms |\n", bench::median(wall));

    WindowButtons *buttons = window.edgePanels()->buttons();
    const auto report = [&](const char *what, const std::function<void()> &change) {
        std::printf("| %s, back to typing | %.1f ms |\n", what, backToTyping(window, change));
        waitForLines(*text);
    };
    report("right half", [&] { emit buttons->screenHalfRequested(2); });
    report("Ctrl+J (left half)", [&] { window.FormKeyUp(Qt::Key_J, Qt::ControlModifier); });
    report("Alt+F (full screen)", [&] { window.FormKeyUp(Qt::Key_F, Qt::AltModifier); });
    report("panel pinned", [&] { window.toolsDock()->togglePin(); });
    report("panel unpinned", [&] { window.toolsDock()->togglePin(); });
    report("Ctrl+L (settings applied)", [&] { window.FormKeyUp(Qt::Key_L, Qt::ControlModifier); });

    clock.start();
    window.FormKeyUp(Qt::Key_S, Qt::ControlModifier);
    std::printf("| Ctrl+S | %.1f ms |\n", double(clock.nsecsElapsed()) / kNsPerMs);

    // Enter, whose release hands the text to the recovery copy's writer; then with the
    // paragraph-end save on as well.
    RecoveryFile &copy = window.crashRecovery()->file();
    const auto enters = [&](const char *what) {
        std::vector<double> times;
        std::vector<double> copies;
        for (int i = 0; i < kEnters; ++i) {
            clock.start();
            typeKey(input, '\r');
            times.push_back(double(clock.nsecsElapsed()) / kNsPerMs);
            clock.start();
            copy.flush();
            copies.push_back(double(clock.nsecsElapsed()) / kNsPerMs);
        }
        std::printf("| Enter, %s (median) | %.1f ms |\n", what, bench::median(times));
        std::printf("| recovery copy written after it (median) | %.1f ms |\n",
                    bench::median(copies));
    };
    enters("recovery copy only");
    store.regWriteString(generalKey(settingsRoot()), QStringLiteral("savepar"),
                         QStringLiteral("1"));
    window.loadSettings();
    window.applySettings();
    enters("saved at the paragraph end");

    // The kept count against the widget's own layout of every paragraph.
    const int counted = text->displayLineCount();
    const auto *document = text->findChild<QTextDocument *>();
    int shown = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);
        shown += block.layout()->lineCount();
    }
    shown -= document->lastBlock().length() <= 1 ? 1 : 0;
    std::printf("\ndisplay lines: %d counted, %d laid out by the widget (%s)\n", counted, shown,
                counted == shown ? "exact" : "WRONG");
    return counted == shown ? 0 : 1;
}
