// SPDX-License-Identifier: GPL-3.0-or-later
// The spelling checker on a novel: how long the word list takes to load and how long the
// window waits meanwhile, what judging 1,000,000 words costs, how soon the marks of the
// caret's stretch and of the whole text are in after the pause, the longest the window
// waits for any step, and a typed key with and without the marks. Not a test.
//
// Usage: bench_spelling [WORDS] [DICTIONARY]  (default: the english.dct of the build)

#include "aids/spelling/asyoutypespelling.h"
#include "aids/spelling/dictionaryloader.h"
#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/spellingpass.h"
#include "aids/spelling/wordtokenizer.h"
#include "bench/support/benchprose.h"
#include "bench/support/benchstats.h"
#include "platform/text/textcontrol.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <time.h>
#include <vector>

using namespace calmdesk;
using calmdesk::bench::median;

namespace {

constexpr double kNsPerMs = 1e6;
constexpr double kMsPerSecond = 1e3;
constexpr int kMisspellingEvery = 1000;
constexpr int kKeys = 300;

// The longest the event loop went without running a 1 ms timer: how long the window
// would have kept a key or a repaint waiting; and how much of that wait the window's thread
// spent working, which tells its own work from a busy machine.
class LoopWatch
{
public:
    LoopWatch()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 wait = m_since.nsecsElapsed();
            const qint64 cpu = threadCpuNs();
            if (wait > m_longest) {
                m_longest = wait;
                m_longestWork = cpu - m_cpuSince;
            }
            m_since.restart();
            m_cpuSince = cpu;
        });
    }
    void start()
    {
        m_longest = 0;
        m_longestWork = 0;
        m_since.start();
        m_cpuSince = threadCpuNs();
        m_timer.start();
    }
    // The longest wait, "12.34 ms (own work 5.67 ms)".
    QByteArray stop()
    {
        m_timer.stop();
        return QByteArray::number(double(m_longest) / kNsPerMs, 'f', 2) + " ms (own work " +
               QByteArray::number(double(m_longestWork) / kNsPerMs, 'f', 2) + " ms)";
    }

private:
    static qint64 threadCpuNs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    }

    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_cpuSince = 0;
    qint64 m_longest = 0;
    qint64 m_longestWork = 0;
};

// Prose whose paragraphs start with a capital, with one word in a thousand misspelt.
QString novel(int words)
{
    QString text = bench::generateProse(words);
    bool atStart = true;
    int word = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            atStart = true;
        } else if (c.isLetter() && atStart) {
            text[i] = c.toUpper();
            atStart = false;
        } else if (c == u' ' && ++word % kMisspellingEvery == 0) {
            text.insert(i, u"qx");
            i += 2;
        }
    }
    return text;
}

double typeKeys(TextControl &text)
{
    std::vector<double> times;
    QWidget *target = text.focusWidget() ? text.focusWidget() : &text;
    QElapsedTimer clock;
    for (int i = 0; i < kKeys; ++i) {
        clock.start();
        QTest::keyClick(target, Qt::Key(Qt::Key_A + i % 26));
        QCoreApplication::processEvents();
        times.push_back(double(clock.nsecsElapsed()) / kNsPerMs);
    }
    return median(times);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int words = argc > 1 ? std::max(1, atoi(argv[1])) : 1'000'000;
    const QString list =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(CALMDESK_BUILT_DICTIONARY);

    // The word list, loaded as at start-up.
    LoopWatch watch;
    DictionaryLoader loader;
    std::shared_ptr<SpellingDictionary> dictionary;
    QObject::connect(&loader, &DictionaryLoader::loaded,
                     [&](std::shared_ptr<SpellingDictionary> d) { dictionary = std::move(d); });
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuBefore = std::clock();
    watch.start();
    loader.start(list, QString());
    while (!dictionary)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double loadMs = double(clock.nsecsElapsed()) / kNsPerMs;
    // The processor time of both threads: the load's own work, however busy the machine.
    const double loadCpuMs = double(std::clock() - cpuBefore) * kMsPerSecond / CLOCKS_PER_SEC;
    const QByteArray loadWait = watch.stop();
    std::printf("| load %lld words, %d groups | %.1f ms (processor: %.1f ms) | window's longest "
                "wait %s |\n",
                qlonglong(dictionary->wordCount()), dictionary->groupCount(), loadMs, loadCpuMs,
                loadWait.constData());

    // The novel's own words join the list, so only the planted misspellings are wrong.
    const QString text = novel(words);
    const QStringList paragraphs = text.split(QStringLiteral("\r\n"));
    QSet<QString> own;
    walkWords(paragraphs, 0, [&](const WalkedWord &w) {
        own.insert(w.word.toString().toLower());
        return true;
    });
    for (const QString &w : std::as_const(own)) {
        if (!w.startsWith(QStringLiteral("qx")) && !w.endsWith(QStringLiteral("qx")))
            dictionary->addWord(w);
    }

    clock.start();
    const QList<WordRange> found = SpellingPass::findMarks(paragraphs, dictionary->snapshot());
    std::printf("| judge %d words (worker thread's work) | %.1f ms | %lld words to mark |\n", words,
                double(clock.nsecsElapsed()) / kNsPerMs, qlonglong(found.size()));

    // The as-you-type check in a text column, from the pause's end to the marks.
    TextControl column(TextKind::Uniform);
    column.resize(1728, 1000);
    column.show();
    column.setText(text);
    column.setCaret(column.textLength() / 2);
    AsYouTypeSpelling check(&column, [] { return true; });
    check.setDictionary(dictionary.get());
    QTest::qWait(AsYouTypeSpelling::kMinimumGapMs + 100);
    const auto caretMarked = [&] {
        const int caret = column.selStart();
        for (const MarkRange &m : column.marks(MarkKind::SpellingError)) {
            if (m.start >= caret)
                return true;
        }
        return false;
    };
    watch.start();
    clock.start();
    check.tmrSpellTimer();
    double caretMs = -1;
    while (check.isChecking()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (caretMs < 0 && caretMarked())
            caretMs = double(clock.nsecsElapsed()) / kNsPerMs;
    }
    const double allMs = double(clock.nsecsElapsed()) / kNsPerMs;
    std::printf("| marks after the pause: the caret's stretch / all %lld | %.1f ms / %.1f ms | "
                "window's longest wait %s |\n",
                qlonglong(column.marks(MarkKind::SpellingError).size()), caretMs, allMs,
                watch.stop().constData());

    // A typed key in the middle, with the marks and the change hooks, then without; the
    // first keys there lay its paragraphs out, so a round of them goes first, unmeasured.
    column.setFocus();
    typeKeys(column);
    QObject::connect(&column, &TextControl::changed, &check, [&] {
        check.stopTimer();
        check.textEdited();
        check.restartTimer();
    });
    QObject::connect(&column, &TextControl::keyDown, &check,
                     [&](int key, Qt::KeyboardModifiers modifiers, bool *) {
                         check.txtMainKeyDown(key, modifiers);
                     });
    const double withMarks = typeKeys(column);
    check.stopTimer();
    QObject::disconnect(&column, nullptr, &check, nullptr);
    column.clearMarks(MarkKind::SpellingError);
    QCoreApplication::processEvents();
    const double without = typeKeys(column);
    std::printf("| typed key in the middle (median): spelling on / off | %.3f ms / %.3f ms |\n",
                withMarks, without);
    return 0;
}
