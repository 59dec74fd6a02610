// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the text control on a 1,000,000-word document: the two Qt editing
// widgets side by side, then the control itself. Run offscreen; not a test.

#include "platform/text/textcontrol.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <cstdio>
#include <functional>

using namespace calmdesk;

namespace {

constexpr int DocumentWords = 1'000'000;
constexpr int ShortestParagraph = 50;
constexpr int LongestParagraph = 300;
constexpr int LongestWord = 10;
constexpr quint32 Seed = 1007;
constexpr QSize WindowSize(900, 700);
constexpr int Keystrokes = 50;
constexpr int PageScrolls = 50;
constexpr int Queries = 1000;
constexpr int SpellingMarks = 10'000;
constexpr int SpaceAfterTwips = 240;
constexpr qreal SpaceAfterPixels = 16.0;
constexpr double KilobytesPerMegabyte = 1024.0;

QString generateDocument()
{
    QRandomGenerator random(Seed);
    QString text;
    int words = 0;
    while (words < DocumentWords) {
        const int paragraph =
            ShortestParagraph + random.bounded(LongestParagraph - ShortestParagraph + 1);
        for (int i = 0; i < paragraph && words < DocumentWords; ++i, ++words) {
            const int length = 1 + random.bounded(LongestWord);
            for (int k = 0; k < length; ++k)
                text.append(QChar(u'a' + random.bounded(26)));
            text.append(i + 1 < paragraph ? QChar(u' ') : QChar(u'.'));
        }
        text.append(QStringLiteral("\r\n"));
    }
    return text;
}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / KilobytesPerMegabyte;
    }
    return 0;
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void typeKey(QWidget *target, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

template<class Editor> void compareWidget(const char *name, const QString &lfText)
{
    const double before = residentMegabytes();
    Editor editor;
    editor.resize(WindowSize);
    editor.show();
    QApplication::processEvents();
    const double load = milliseconds([&] { editor.setPlainText(lfText); });
    QTextDocument *doc = editor.document();
    const double layout =
        milliseconds([&] { doc->documentLayout()->blockBoundingRect(doc->lastBlock()); });

    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    QTextBlockFormat spaced;
    spaced.setBottomMargin(SpaceAfterPixels);
    all.mergeBlockFormat(spaced);
    const QTextBlock first = doc->firstBlock();
    const qreal gap = doc->documentLayout()->blockBoundingRect(first.next()).top() -
                      doc->documentLayout()->blockBoundingRect(first).bottom();
    const bool spacingRenders =
        gap > 0 || doc->documentLayout()->blockBoundingRect(first).height() >
                       first.layout()->boundingRect().height();

    QTextCursor middle(doc);
    middle.setPosition(doc->characterCount() / 2);
    editor.setTextCursor(middle);
    const double typing = milliseconds([&] {
                              for (int i = 0; i < Keystrokes; ++i) {
                                  typeKey(editor.viewport(), Qt::Key_X, QStringLiteral("x"));
                                  typeKey(&editor, Qt::Key_X, QStringLiteral("x"));
                                  QApplication::processEvents();
                              }
                          }) /
                          (2 * Keystrokes);
    editor.verticalScrollBar()->setValue(0);
    const double scrolling = milliseconds([&] {
                                 for (int i = 0; i < PageScrolls; ++i) {
                                     QScrollBar *bar = editor.verticalScrollBar();
                                     bar->setValue(bar->value() + bar->pageStep());
                                     editor.viewport()->repaint();
                                 }
                             }) /
                             PageScrolls;
    std::printf("%-14s load %7.1f ms | full layout %7.1f ms | paragraph spacing %-3s | "
                "keystroke %5.2f ms | page scroll+paint %5.2f ms | memory +%5.0f MB\n",
                name, load, layout, spacingRenders ? "yes" : "no", typing, scrolling,
                residentMegabytes() - before);
}

void measureControl(const QString &text, TextKind kind)
{
    const double before = residentMegabytes();
    TextControl control(kind);
    control.resize(WindowSize);
    control.show();
    QApplication::processEvents();
    control.setParagraphSpaceAfter(SpaceAfterTwips);

    int notifications = 0;
    int lines = 0;
    const auto counter =
        QObject::connect(&control, &TextControl::changed, [&] { ++notifications; });

    std::printf("\nTextControl (%s inside), %d words, %lld characters\n",
                kind == TextKind::Uniform ? "QPlainTextEdit, uniform text" : "QTextEdit",
                DocumentWords, qlonglong(text.size()));
    std::printf("  setText                         %8.1f ms\n",
                milliseconds([&] { control.setText(text); }));
    const double firstCount = milliseconds([&] { lines = control.displayLineCount(); });
    std::printf("  first displayLineCount (waits)  %8.1f ms (%d lines)\n", firstCount, lines);
    std::printf("  displayLineCount, laid out      %8.3f ms\n",
                milliseconds([&] { lines = control.displayLineCount(); }));
    QString copy;
    std::printf("  text()                          %8.1f ms\n",
                milliseconds([&] { copy = control.text(); }));
    if (copy != text)
        std::printf("  !! text() differs from the text set\n");

    const int end = control.textLength();
    volatile int sink = 0;
    std::printf("  select+selStart near the end    %8.4f ms per call\n",
                milliseconds([&] {
                    for (int i = 0; i < Queries; ++i) {
                        control.setCaret(end - i);
                        sink = sink + control.selStart();
                    }
                }) / Queries);
    std::printf("  find, word absent (whole text)  %8.1f ms\n",
                milliseconds([&] { sink = control.find(QStringLiteral("calmdesk"), 0, -1, {}); }));
    std::printf("  find, whole word, match case    %8.1f ms\n", milliseconds([&] {
                    sink = control.find(QStringLiteral("calmdesk"), 0, -1,
                                        FindFlag::WholeWord | FindFlag::MatchCase);
                }));

    QWidget *input = control.focusProxy();
    QObject::disconnect(counter);
    QObject::connect(&control, &TextControl::changed, [&] {
        ++notifications;
        lines = control.displayLineCount();
    });
    control.setCaret(end / 2);
    notifications = 0;
    const double keystroke = milliseconds([&] {
                                 for (int i = 0; i < Keystrokes; ++i) {
                                     typeKey(input, Qt::Key_X, QStringLiteral("x"));
                                     QApplication::processEvents();
                                 }
                             }) /
                             Keystrokes;
    std::printf("  keystroke + change + lines      %8.2f ms (%d notifications)\n", keystroke,
                notifications);
    const double enter = milliseconds([&] {
                             for (int i = 0; i < Keystrokes; ++i) {
                                 typeKey(input, Qt::Key_Return, QStringLiteral("\r"));
                                 QApplication::processEvents();
                             }
                         }) /
                         Keystrokes;
    std::printf("  Enter + change + lines          %8.2f ms\n", enter);

    const double fetch = milliseconds([&] {
                             for (int i = 0; i < Keystrokes; ++i)
                                 copy = control.text();
                         }) /
                         Keystrokes;
    std::printf("  text() per change handler fetch %8.2f ms\n", fetch);

    // Mark changes are laid out together later; the line count forces that here.
    const double adding = milliseconds([&] {
        for (int i = 0; i < SpellingMarks; ++i)
            control.addMark(i * (end / SpellingMarks), 3, MarkKind::SpellingError);
        lines = control.displayLineCount();
    });
    std::printf("  add %d marks + relayout      %8.1f ms\n", SpellingMarks, adding);
    const double marked = milliseconds([&] {
                              for (int i = 0; i < Keystrokes; ++i) {
                                  typeKey(input, Qt::Key_X, QStringLiteral("x"));
                                  QApplication::processEvents();
                              }
                          }) /
                          Keystrokes;
    std::printf("  keystroke with %d marks      %8.2f ms\n", SpellingMarks, marked);
    std::printf("  clear all marks + relayout      %8.1f ms\n", milliseconds([&] {
                    control.clearMarks(MarkKind::SpellingError);
                    lines = control.displayLineCount();
                }));
    control.setCaret(end / 2);
    const double local =
        milliseconds([&] {
            for (int i = 0; i < Keystrokes; ++i) {
                control.addMark(end / 2 + i * LongestWord, 3, MarkKind::SpellingError);
                control.clearMarks(end / 2 + i * LongestWord, 1, MarkKind::SpellingError);
                lines = control.displayLineCount();
            }
        }) /
        Keystrokes;
    std::printf("  mark + unmark one word + lines  %8.2f ms\n", local);

    control.setVerticalScrollPosition(0);
    const double scroll = milliseconds([&] {
                              for (int i = 0; i < PageScrolls; ++i) {
                                  control.scrollLines(40);
                                  control.repaint();
                              }
                          }) /
                          PageScrolls;
    std::printf("  scroll 40 lines + paint         %8.2f ms\n", scroll);
    std::printf("  memory                          +%7.0f MB\n", residentMegabytes() - before);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString text = generateDocument();
    QString lfText = text;
    lfText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    std::printf("Qt editing widgets, %d words\n", DocumentWords);
    compareWidget<QPlainTextEdit>("QPlainTextEdit", lfText);
    compareWidget<QTextEdit>("QTextEdit", lfText);
    measureControl(text, TextKind::Uniform);
    measureControl(text, TextKind::Formatted);
    return 0;
}
