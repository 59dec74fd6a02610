// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/statusreport.h"

#include "core/asciitext.h"

#include <QCoreApplication>

#include <cmath>

namespace calmdesk {

namespace {

constexpr double kMsecsPerDay = 24.0 * 60 * 60 * 1000;

// A figure as the labels write it: unsigned decimal.
QString figure(quint64 value)
{
    return QString::number(value);
}

QString figure(int value)
{
    return QString::number(quint32(value));
}

LabelTone goalTone(int limit, quint64 reached)
{
    return limit > 0 && reached >= quint64(limit) ? LabelTone::Met : LabelTone::NotMet;
}

} // namespace

quint32 pageBreaks(int displayLines, int perpage)
{
    if (perpage > 0 && displayLines >= perpage)
        return quint32(displayLines / perpage);
    return 0;
}

LabelState deadlineLabel(const DocumentLimits &limits, bool deadlines, const QString &curFile,
                         const QDateTime &now)
{
    const QDate date(limits.deadlineYear, limits.deadlineMonth, limits.deadlineDay);
    if (!deadlines || trimmed(curFile).isEmpty() || limits.deadlineDay < 1 ||
        limits.deadlineMonth < 1 || limits.deadlineYear < 1 || !date.isValid())
        return {QString(), LabelTone::NotMet};

    // Days on the local calendar, as wall-clock days: a change to or from summer time
    // does not shift the count by an hour.
    const double sinceDeadline =
        double(date.daysTo(now.date())) + now.time().msecsSinceStartOfDay() / kMsecsPerDay;
    if (sinceDeadline < 0) {
        const auto days = quint64(std::trunc(-sinceDeadline)) + 1;
        const QString text =
            days == 1 ? QCoreApplication::translate("calmdesk::StatusLine", "%1 day remaining")
                      : QCoreApplication::translate("calmdesk::StatusLine", "%1 days remaining");
        return {text.arg(figure(days)), LabelTone::NotMet};
    }
    return {QCoreApplication::translate("calmdesk::StatusLine", "Deadline reached (%1-%2-%3)")
                .arg(figure(limits.deadlineDay), figure(limits.deadlineMonth),
                     figure(limits.deadlineYear)),
            LabelTone::Overdue};
}

StatusReport statusReport(const StatusInputs &in)
{
    const TextCounts &c = in.counts;
    const DocumentLimits &lim = in.limits;
    const quint32 pages = pageBreaks(in.displayLines, in.perpage);

    StatusReport report;
    report.paragraphs = {QCoreApplication::translate("calmdesk::StatusLine", "Paragraphs: %1/%2")
                             .arg(figure(quint64(c.paragraphBreaks) + 1), figure(lim.limpara)),
                         goalTone(lim.limpara, c.paragraphBreaks)};
    report.pages = {QCoreApplication::translate("calmdesk::StatusLine", "Pages: %1/%2")
                        .arg(figure(quint64(pages) + 1), figure(lim.limpage)),
                    goalTone(lim.limpage, pages)};
    report.words = {QCoreApplication::translate("calmdesk::StatusLine", "Words: %1/%2")
                        .arg(figure(quint64(c.words)), figure(lim.limword)),
                    goalTone(lim.limword, c.words)};
    report.characters = {
        QCoreApplication::translate("calmdesk::StatusLine", "Characters: %1 (%2)/%3")
            .arg(figure(quint64(c.characters)), figure(quint64(c.solidChars)), figure(lim.limchar)),
        goalTone(lim.limchar, c.characters)};
    report.deadline = deadlineLabel(lim, in.deadlines, in.curFile, in.now);
    return report;
}

} // namespace calmdesk
