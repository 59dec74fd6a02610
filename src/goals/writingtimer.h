// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace calmdesk {

// A duration written as a time of day, "HH:MM:SS": whole seconds, and only the part
// below 24 hours.
QString formatDuration(double seconds);

// The writing timer's state: it adds up the time in which the writer is typing and,
// once a pause is longer than allowed, reports how long the pause has gone on.
// Times are milliseconds of a monotonic tick.
class WritingTimer
{
public:
    struct Reading
    {
        bool paused = false;
        // The writing time while running; the pause beyond the allowed one while paused.
        double shownSeconds = 0;
    };

    // The timer was switched on: it counts from now, keeping the time written so far.
    void switchOn(qint64 nowMs);
    // Switched off: the time written so far is dropped.
    void switchOff();
    // New document or saved: counting starts again from 0.
    void reset(qint64 nowMs);
    // A character was typed.
    void markActivity(qint64 nowMs);

    // One tick of the timer; nothing when the display is not due to change (the first
    // tick, or less than a second since the last advance). `allowedPauseSeconds` is the
    // longest pause between keystrokes that still counts as writing.
    std::optional<Reading> tick(qint64 nowMs, int allowedPauseSeconds);

    double writingSeconds() const { return m_writingSeconds; }

private:
    double m_writingSeconds = 0;
    qint64 m_lastActivityMs = 0;
    std::optional<qint64> m_lastAdvanceMs;
};

} // namespace calmdesk
