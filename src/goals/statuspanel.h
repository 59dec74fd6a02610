// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace calmdesk {

class StatusLabel;
struct Settings;
struct StatusReport;
enum class LabelTone;

// The status line along the bottom of the window (pctStatus): goal counts, the
// message slot, the deadline, the document name, the alarm, the writing timer and the
// clock. It owns and places its labels (lblWord, lblChar, lblPara, lblPage, lblHelp,
// lblDeadline, lblFile, lblAlarm, lblTime, lblCron, found by those object names); what
// they say comes from GoalsController and, for the document name, the document handler.
class StatusPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 24;

    explicit StatusPanel(QWidget *parent = nullptr);

    // The goal and deadline labels as computed by statusReport().
    void showReport(const StatusReport &report);
    // The status line's part of applying the settings: which labels show, and the
    // panel itself only in "always show" mode (auto-hide shows it under the pointer).
    void applySettings(const Settings &settings);

    // The message slot.
    void showHelpText(const QString &text);
    // The document's name and its hint.
    void showFileName(const QString &name, const QString &hint);
    // Grey while the document has no unsaved changes, lime once it has.
    void showFileSaved(bool saved);
    // Where the file menu opens: the name's right end, level with the status line's top
    // (global coordinates).
    QPoint fileMenuPosition() const;
    // The alarm countdown in its tone; an empty text clears it.
    void showAlarm(const QString &text, LabelTone tone);
    // The clock.
    void showClock(const QString &time);
    // The writing timer's reading, white while it counts and red while it is paused,
    // with a hint that says which.
    void showTimer(const QString &text, bool paused);
    // The writing timer before its first tick: a blank.
    void clearTimer();
    // Shows or hides the writing timer and moves the document name beside it.
    void setTimerVisible(bool visible);
    bool isTimerVisible() const;
    int timerWidth() const;
    // Places the labels for the panel's current width; the right-hand group follows
    // whether the writing timer is visible.
    void placeLabels();

signals:
    // A click on the clock, or on any goal, deadline, alarm or timer label.
    void timeLabelClicked();
    void timeLabelDoubleClicked();
    void helpLabelClicked();
    void fileLabelMouseUp(Qt::MouseButton button, const QPoint &globalPos);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    StatusLabel *addLabel(const QString &caption);
    void connectClicks();

    StatusLabel *lblWord;
    StatusLabel *lblChar;
    StatusLabel *lblPara;
    StatusLabel *lblPage;
    StatusLabel *lblHelp;
    StatusLabel *lblDeadline;
    StatusLabel *lblFile;
    StatusLabel *lblAlarm;
    StatusLabel *lblTime;
    StatusLabel *lblCron;
};

} // namespace calmdesk
