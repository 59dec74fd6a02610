// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"

#include <QObject>

#include <functional>

class QDate;

namespace calmdesk {

class DiaryPanel;
class DocumentHandler;
class StatusPanel;
class TextControl;

// The diary's handlers: the panel opened from the status line, dated pages opened as
// ordinary documents (made first when missing), the calendar's bold days, and the rules
// that hide the panel again.
class Diary : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        // The panel's parent; a click on its bare background hides the panel.
        QWidget *window;
        // The keyboard entering the text hides the panel.
        TextControl *txtMain;
        // A click on the clock (or a label that stands for it) opens the panel; a
        // double-click on the clock opens today's page.
        StatusPanel *pctStatus;
        // The writing tools' panel, hidden when the diary's opens.
        QWidget *pctDict;
        DocumentHandler *document;
        std::function<QString()> diaryDir;
        Clock clock;
    };

    Diary(const Parts &parts, QObject *parent = nullptr);

    DiaryPanel *panel() const { return pctDiary; }
    // The calendar goes to the clock's today, as at start-up.
    void setClock(Clock clock);

    void lblTimeClick();
    void lblTimeDblClick();
    void hidePanel();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Calendar { Stays, GoesToPage };
    void openPage(const QDate &day, Calendar calendar);
    void lblCloseClick();
    void refreshBoldDays();
    void placePanel();
    QDate today() const;

    Parts m_parts;
    DiaryPanel *pctDiary;
};

} // namespace calmdesk
