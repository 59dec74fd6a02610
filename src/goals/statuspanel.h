#pragma once

#include <QWidget>

namespace calmdesk {

class StatusLabel;
struct Settings;
struct StatusReport;

// The status line along the bottom of the window (pctStatus): goal counts, the
// message slot, the deadline, the document name, the alarm, the writing timer and the
// clock. It owns and places its labels; what they say is set by GoalsController, and
// lblFile's caption, hint and colour by the document handler.
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
    // Shows or hides the writing timer and moves the document name beside it.
    void setCronVisible(bool visible);
    // Places the labels for the panel's current width; the right-hand group follows
    // whether lblCron is visible.
    void placeLabels();

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
};

} // namespace calmdesk
