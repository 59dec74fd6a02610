// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/statuspanel.h"

#include "goals/statuslabel.h"
#include "goals/statusreport.h"
#include "goals/statustones.h"
#include "settings/settings.h"

namespace calmdesk {

namespace {

// Tahoma is the status line's face; where it is missing, Liberation Sans comes
// closest in its 11-pixel size, then any sans face.
const QStringList kFontFamilies = {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("sans-serif")};
constexpr int kFontPixelHeight = 11;

// Fixed places from the left; the lock button sits at 4.
constexpr int kWordLeft = 24;
constexpr int kCharLeft = 112;
constexpr int kParaLeft = 248;
constexpr int kPageLeft = 376;
constexpr int kHelpLeft = 480;
constexpr int kDeadlineLeft = 624;
constexpr int kAlarmLeft = 800;
constexpr int kLabelTop = 6;
constexpr int kAlarmTop = 7;
// The right-hand group, from the panel's right edge.
constexpr int kTimeFromRight = 90;
constexpr int kFileBeforeNext = 130;
constexpr int kCronGap = 2;
// The document name ends just before the label that follows it.
constexpr int kFileWidth = 126;

QFont statusFont()
{
    QFont font;
    font.setFamilies(kFontFamilies);
    font.setPixelSize(kFontPixelHeight);
    return font;
}

} // namespace

StatusPanel::StatusPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pctStatus"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kStatusBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(statusFont());
    resize(width(), kHeight);

    lblWord = addLabel(tr("Words: 0/0"));
    lblChar = addLabel(tr("Characters: 0/0"));
    lblPara = addLabel(tr("Paragraphs: 0/0"));
    lblPage = addLabel(tr("Pages: 0/0"));
    lblHelp = addLabel(tr("Press F1 for help."));
    lblHelp->setTone(LabelTone::Met);
    lblDeadline = addLabel(QStringLiteral(" "));
    lblFile = addLabel(tr("(untitled)"));
    lblFile->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblFile->setAutoSize(false);
    lblFile->setToolTip(tr("Click here for Recent Files"));
    lblAlarm = addLabel(QStringLiteral("   "));
    lblTime = addLabel(tr("00:00:00 am"));
    lblTime->setToolTip(tr("Diary pages"));
    lblCron = addLabel(tr("00:00:00"));
    lblCron->setToolTip(tr("Time spent writing"));
    lblCron->setTone(LabelTone::Running);
    QFont bold = lblCron->font();
    bold.setBold(true);
    lblCron->setFont(bold);
    lblCron->adjustSize();
    lblCron->hide();

    lblWord->setObjectName(QStringLiteral("lblWord"));
    lblChar->setObjectName(QStringLiteral("lblChar"));
    lblPara->setObjectName(QStringLiteral("lblPara"));
    lblPage->setObjectName(QStringLiteral("lblPage"));
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblDeadline->setObjectName(QStringLiteral("lblDeadline"));
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblAlarm->setObjectName(QStringLiteral("lblAlarm"));
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblCron->setObjectName(QStringLiteral("lblCron"));

    connectClicks();
    placeLabels();
}

StatusLabel *StatusPanel::addLabel(const QString &caption)
{
    auto *label = new StatusLabel(caption, this);
    return label;
}

void StatusPanel::connectClicks()
{
    for (StatusLabel *label :
         {lblWord, lblChar, lblPara, lblPage, lblDeadline, lblAlarm, lblCron, lblTime})
        connect(label, &StatusLabel::clicked, this, &StatusPanel::timeLabelClicked);
    connect(lblTime, &StatusLabel::doubleClicked, this, &StatusPanel::timeLabelDoubleClicked);
    connect(lblHelp, &StatusLabel::clicked, this, &StatusPanel::helpLabelClicked);
    connect(lblFile, &StatusLabel::mouseUp, this, &StatusPanel::fileLabelMouseUp);
    // The writing timer stands left of the clock by its own width, which its text sets.
    connect(lblCron, &StatusLabel::resized, this, &StatusPanel::placeLabels);
}

void StatusPanel::showReport(const StatusReport &report)
{
    lblWord->display(report.words.text, report.words.tone);
    lblChar->display(report.characters.text, report.characters.tone);
    lblPara->display(report.paragraphs.text, report.paragraphs.tone);
    lblPage->display(report.pages.text, report.pages.tone);
    lblDeadline->display(report.deadline.text, report.deadline.tone);
}

void StatusPanel::applySettings(const Settings &s)
{
    const bool statusLine = s.show_status != BarMode::Never;
    if (statusLine)
        lblDeadline->setCaption(QStringLiteral(" "));
    // With the display off the label would be empty anyway; hidden, it takes no clicks.
    lblDeadline->setVisible(statusLine && s.deadlines);
    setVisible(s.show_status == BarMode::Always);
    for (StatusLabel *label : {lblHelp, lblFile, lblTime})
        label->setVisible(statusLine);
    lblChar->setVisible(statusLine && s.show_char);
    lblWord->setVisible(statusLine && s.show_word);
    lblPara->setVisible(statusLine && s.show_para);
    lblPage->setVisible(statusLine && s.show_page);
}

void StatusPanel::showHelpText(const QString &text)
{
    lblHelp->setCaption(text);
}

void StatusPanel::showFileName(const QString &name, const QString &hint)
{
    lblFile->setCaption(name);
    lblFile->setToolTip(hint);
}

void StatusPanel::showFileSaved(bool saved)
{
    lblFile->setTone(saved ? LabelTone::NotMet : LabelTone::Met);
}

QPoint StatusPanel::fileMenuPosition() const
{
    return mapToGlobal(QPoint(lblFile->x() + lblFile->width(), 0));
}

void StatusPanel::showAlarm(const QString &text, LabelTone tone)
{
    if (text.isEmpty())
        lblAlarm->setCaption(QString());
    else
        lblAlarm->display(text, tone);
}

void StatusPanel::showClock(const QString &time)
{
    lblTime->setCaption(time);
}

void StatusPanel::showTimer(const QString &text, bool paused)
{
    lblCron->display(text, paused ? LabelTone::Paused : LabelTone::Running);
    lblCron->setToolTip(paused ? tr("Writing timer is paused") : tr("Time spent writing"));
}

void StatusPanel::clearTimer()
{
    lblCron->setCaption(QStringLiteral(" "));
}

void StatusPanel::setTimerVisible(bool visible)
{
    lblCron->setVisible(visible);
    placeLabels();
}

bool StatusPanel::isTimerVisible() const
{
    return lblCron->isVisibleTo(this);
}

int StatusPanel::timerWidth() const
{
    return lblCron->width();
}

void StatusPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeLabels();
}

void StatusPanel::placeLabels()
{
    const struct
    {
        StatusLabel *label;
        int left;
        int top;
    } fixedPlaces[] = {
        {lblWord, kWordLeft, kLabelTop},   {lblChar, kCharLeft, kLabelTop},
        {lblPara, kParaLeft, kLabelTop},   {lblPage, kPageLeft, kLabelTop},
        {lblHelp, kHelpLeft, kLabelTop},   {lblDeadline, kDeadlineLeft, kLabelTop},
        {lblAlarm, kAlarmLeft, kAlarmTop},
    };
    for (const auto &place : fixedPlaces)
        place.label->move(place.left, place.top);

    const int timeLeft = width() - kTimeFromRight;
    lblTime->move(timeLeft, kLabelTop);
    lblCron->move(timeLeft - lblCron->width() - kCronGap, kLabelTop);
    const int fileLeft = (lblCron->isVisibleTo(this) ? lblCron->x() : timeLeft) - kFileBeforeNext;
    lblFile->setGeometry(fileLeft, kLabelTop, kFileWidth, lblFile->sizeHint().height());
}

} // namespace calmdesk
