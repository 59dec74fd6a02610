// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/options/optionscontext.h"
#include "settings/optionsvalues.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QListWidget;

namespace calmdesk {

// The options dialog: every setting, the current document's goals, the auto-correct rules
// and auto-text words, the diary folder, the program as the desktop's text editor, and
// the settings profiles. Made afresh each time, filled from the settings, and nothing is
// written until OK or "Save Profile"; Cancel and Escape keep everything as it was.
class TfrmOptions : public QDialog
{
    Q_OBJECT

public:
    enum Page { Profiles, General, Editor, AutoCorrect, AutoText, Notification };

    TfrmOptions(OptionsContext context, int page, QWidget *parent = nullptr);

    // The dialog's controls as OK would read them.
    OptionsValues values() const;

    // OK (`saveProfile` false) and "Save Profile": write, apply, close.
    void cmdOKClick(bool saveProfile);
    void cmdLoadSettingsClick();
    void Button3Click();
    void cmdBrowseClick();
    void cmdDefClick();
    void cmdFontClick();
    void cmdForeClick();
    void cmdBackClick();
    void cmdResetClick();
    void cmdAlarmClick();
    void Button1Click();
    void cmdAddTextClick();

    QTabWidget *pages() const { return ctlTab; }
    QComboBox *profileBox() const { return lstProfiles; }

private:
    QWidget *makeProfilesPage();
    QWidget *makeGeneralPage();
    QWidget *makeEditorPage();
    QWidget *makeAutoCorrectPage();
    QWidget *makeAutoTextPage();
    QWidget *makeNotificationPage();
    void FormCreate();
    void fill(const OptionsValues &values);
    void showSample(const QFont &font, const QColor &foreground, const QColor &background);
    void closeAfter(const std::function<void()> &work);
    // While the keyboard is in one of `fields`, Enter presses `button` instead of OK.
    void makeDefaultWhileIn(QList<QWidget *> fields, QPushButton *button);
    bool eventFilter(QObject *watched, QEvent *event) override;

    OptionsContext m_context;
    QHash<QWidget *, QPushButton *> m_defaultWhileIn;

    QTabWidget *ctlTab;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    // Settings Profiles
    QComboBox *lstProfiles;
    // General
    QCheckBox *chkRestore;
    QCheckBox *chkRestorePara;
    QCheckBox *chkRestoreTime;
    QCheckBox *chkSavePara;
    QCheckBox *chkSaveTime;
    QCheckBox *chkMRU;
    QCheckBox *chkScr;
    QComboBox *lstDost;
    QCheckBox *chkWin;
    QCheckBox *chkMin;
    QLineEdit *txtDir;
    // Editor
    QLabel *txtFont;
    QCheckBox *chkSpacing;
    QCheckBox *chkCorect;
    QCheckBox *chkText;
    QCheckBox *chkSpellType;
    QSpinBox *txtWidth;
    QComboBox *lstBold;
    QComboBox *lstScroll;
    QComboBox *lstStarus;
    QFont m_sampleFont;
    QColor m_sampleFore;
    QColor m_sampleBack;
    // Auto-Correct and Auto-Text
    QTreeWidget *lstCorect;
    QLineEdit *txtReplace;
    QLineEdit *txtWith;
    QListWidget *lstText;
    QLineEdit *txtText;
    // Notification
    QSpinBox *txtChar;
    QSpinBox *txtWord;
    QSpinBox *txtPara;
    QSpinBox *txtPage;
    QCheckBox *chkChar;
    QCheckBox *chkWord;
    QCheckBox *chkPara;
    QCheckBox *chkPage;
    QCheckBox *chkDeadline;
    QDateEdit *txtDate;
    QComboBox *lstHour;
    QComboBox *lstMins;
    QSpinBox *txtLPP;
    QCheckBox *chkCron;
    QComboBox *lstPause;
};

} // namespace calmdesk
