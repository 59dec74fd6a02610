// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/options/tfrmoptions.h"

#include "aids/defaultlists.h"
#include "core/asciitext.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/shell/desktopintegration.h"
#include "settings/numbertext.h"
#include "settings/profiles.h"
#include "settings/settingsio.h"
#include "settings/startwithsystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace calmdesk {

namespace {

constexpr int kLimitMaximum = 999999999;
constexpr QChar kNoBreakSpace(0x00A0);

QCheckBox *checkBox(const QString &caption, QWidget *parent)
{
    return new QCheckBox(caption, parent);
}

QComboBox *choice(const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

QStringList numbers(int from, int to)
{
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QString::number(i);
    return items;
}

QSpinBox *numberField(int minimum, int maximum, QWidget *parent)
{
    auto *field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    return field;
}

// A field with its caption: the caption's mnemonic moves to the field, and a screen
// reader says the caption when the field has the keyboard.
QLabel *captionFor(const QString &caption, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return label;
}

// Each page opens with a bold title and a line that says what it is for.
QVBoxLayout *pageWithHeading(QWidget *page, const QString &title, const QString &explanation)
{
    auto *layout = new QVBoxLayout(page);
    auto *heading = new QLabel(title, page);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto *line = new QLabel(explanation, page);
    line->setWordWrap(true);
    layout->addWidget(heading);
    layout->addWidget(line);
    return layout;
}

} // namespace

TfrmOptions::TfrmOptions(OptionsContext context, int page, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_context(std::move(context))
    , ctlTab(new QTabWidget(this))
    , cmdOK(new QPushButton(tr("OK"), this))
    , cmdCancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Options"));
    setModal(true);
    ctlTab->addTab(makeProfilesPage(), tr("Settings &Profiles"));
    ctlTab->addTab(makeGeneralPage(), tr("&General"));
    ctlTab->addTab(makeEditorPage(), tr("&Editor"));
    ctlTab->addTab(makeAutoCorrectPage(), tr("&Auto-Correct"));
    ctlTab->addTab(makeAutoTextPage(), tr("Auto-&Text"));
    ctlTab->addTab(makeNotificationPage(), tr("&Notification"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOKClick(false); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ctlTab);
    layout->addLayout(buttons);

    FormCreate();
    ctlTab->setCurrentIndex(std::clamp(page, 0, ctlTab->count() - 1));
    // F9 opens on the profiles: the keyboard is in the name box, ready for a name.
    if (ctlTab->currentIndex() == Profiles)
        lstProfiles->setFocus();
}

QWidget *TfrmOptions::makeProfilesPage()
{
    auto *page = new QWidget(ctlTab);
    QVBoxLayout *layout =
        pageWithHeading(page, tr("Settings Profiles"),
                        tr("Save your settings under a name, use them again, or start afresh."));
    lstProfiles = new QComboBox(page);
    lstProfiles->setEditable(true);
    auto *form = new QFormLayout;
    form->addRow(captionFor(tr("&Profile name:"), lstProfiles, page), lstProfiles);
    layout->addLayout(form);
    auto *cmdLoadSettings = new QPushButton(tr("&Use Selected Profile"), page);
    auto *Button2 = new QPushButton(tr("&Save Profile"), page);
    auto *Button3 = new QPushButton(tr("&Reset to Defaults"), page);
    auto *row = new QHBoxLayout;
    row->addWidget(cmdLoadSettings);
    row->addWidget(Button2);
    row->addWidget(Button3);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    connect(cmdLoadSettings, &QPushButton::clicked, this, &TfrmOptions::cmdLoadSettingsClick);
    connect(Button2, &QPushButton::clicked, this, [this] { cmdOKClick(true); });
    connect(Button3, &QPushButton::clicked, this, &TfrmOptions::Button3Click);
    return page;
}

QWidget *TfrmOptions::makeGeneralPage()
{
    auto *page = new QWidget(ctlTab);
    QVBoxLayout *layout =
        pageWithHeading(page, tr("Files, Restore and Auto-save"),
                        tr("Create restore points to back-trace your work to a previous point."));
    chkRestore = checkBox(tr("Use &Restore Points"), page);
    chkRestorePara = checkBox(tr("Create after each &Paragraph"), page);
    chkRestoreTime = checkBox(tr("Create &every 10 minutes"), page);
    chkSavePara = checkBox(tr("Auto-save &after each Paragraph"), page);
    chkSaveTime = checkBox(tr("Auto-save e&very 10 minutes"), page);
    chkMRU = checkBox(tr("Show Recent &Files"), page);
    chkScr = checkBox(tr("Save scratch&pad/web history with each file"), page);
    chkWin = checkBox(tr("Start with &Windows"), page);
    chkMin = checkBox(tr("Start Mi&nimized"), page);
    lstDost = choice({tr("Create a new empty file"), tr("Open last edited file"),
                      tr("Open Today's Diary"), tr("Open last edited Diary page")},
                     page);
    txtDir = new QLineEdit(page);
    txtDir->setReadOnly(true);
    auto *cmdBrowse = new QPushButton(tr("&Browse..."), page);
    auto *cmdDef = new QPushButton(tr("Set as &Default Editor"), page);

    auto *grid = new QGridLayout;
    grid->addWidget(chkRestore, 0, 0);
    grid->addWidget(chkRestorePara, 1, 0);
    grid->addWidget(chkRestoreTime, 2, 0);
    grid->addWidget(chkSavePara, 0, 1);
    grid->addWidget(chkSaveTime, 1, 1);
    grid->addWidget(chkMRU, 2, 1);
    grid->addWidget(chkScr, 3, 0, 1, 2);
    grid->addWidget(chkWin, 4, 0);
    grid->addWidget(chkMin, 4, 1);
    layout->addLayout(grid);
    auto *form = new QFormLayout;
    form->addRow(captionFor(tr("&At Startup:"), lstDost, page), lstDost);
    auto *folder = new QHBoxLayout;
    folder->addWidget(txtDir, 1);
    folder->addWidget(cmdBrowse);
    form->addRow(captionFor(tr("Diary Files &Location:"), txtDir, page), folder);
    layout->addLayout(form);
    auto *association = new QGroupBox(tr("File Association"), page);
    auto *associationRow = new QHBoxLayout(association);
    auto *explanation = new QLabel(tr("To set the program as the default editor for Text (.txt) "
                                      "files, click the Default Editor button on the right."),
                                   association);
    explanation->setWordWrap(true);
    associationRow->addWidget(explanation, 1);
    associationRow->addWidget(cmdDef);
    layout->addWidget(association);
    layout->addStretch();

    connect(chkRestore, &QCheckBox::toggled, this, [this](bool on) {
        chkRestorePara->setEnabled(on);
        chkRestoreTime->setEnabled(on);
    });
    connect(chkWin, &QCheckBox::toggled, chkMin, &QCheckBox::setEnabled);
    connect(cmdBrowse, &QPushButton::clicked, this, &TfrmOptions::cmdBrowseClick);
    connect(cmdDef, &QPushButton::clicked, this, &TfrmOptions::cmdDefClick);
    return page;
}

QWidget *TfrmOptions::makeEditorPage()
{
    auto *page = new QWidget(ctlTab);
    QVBoxLayout *layout =
        pageWithHeading(page, tr("Editor format"),
                        tr("Configure your editor with the style that fits your needs."));
    txtFont = new QLabel(tr("Sample Font"), page);
    txtFont->setAlignment(Qt::AlignCenter);
    txtFont->setAutoFillBackground(true);
    txtFont->setMinimumHeight(60);
    layout->addWidget(txtFont);
    auto *cmdFont = new QPushButton(tr("&Font..."), page);
    auto *cmdFore = new QPushButton(tr("&Color..."), page);
    auto *cmdBack = new QPushButton(tr("&Background..."), page);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(cmdFont);
    fontRow->addWidget(cmdFore);
    fontRow->addWidget(cmdBack);
    fontRow->addStretch();
    layout->addLayout(fontRow);
    connect(cmdFont, &QPushButton::clicked, this, &TfrmOptions::cmdFontClick);
    connect(cmdFore, &QPushButton::clicked, this, &TfrmOptions::cmdForeClick);
    connect(cmdBack, &QPushButton::clicked, this, &TfrmOptions::cmdBackClick);

    chkSpacing = checkBox(tr("Use &Paragraph Spacing"), page);
    chkCorect = checkBox(tr("Use &Auto-corect"), page);
    chkText = checkBox(tr("Use Auto-&Text"), page);
    chkSpellType = checkBox(tr("&Check Spelling as you type"), page);
    auto *checks = new QGridLayout;
    checks->addWidget(chkSpacing, 0, 0);
    checks->addWidget(chkCorect, 0, 1);
    checks->addWidget(chkText, 1, 0);
    checks->addWidget(chkSpellType, 1, 1);
    layout->addLayout(checks);

    txtWidth = numberField(10, 100, page);
    txtWidth->setSuffix(QStringLiteral(" %"));
    lstBold = choice({tr("(take no action)"), tr("Insert HTML Tags (<b>, <i>, <u>)"),
                      tr("Insert BBCode ([b], [i], [u])")},
                     page);
    lstScroll = choice(
        {tr("Never show Scrollbar"), tr("Always show Scrollbar"), tr("Auto-hide Scrollbar")}, page);
    lstStarus = choice({tr("Never show the Statusbar"), tr("Always show the Statusbar"),
                        tr("Auto-hide the Statusbar")},
                       page);
    lstStarus->setAccessibleName(tr("Statusbar"));
    auto *form = new QFormLayout;
    form->addRow(captionFor(tr("Editor &Width:"), txtWidth, page), txtWidth);
    form->addRow(captionFor(tr("Pressing &Ctrl+B, Ctrl+I, Ctrl+U will:"), lstBold, page), lstBold);
    form->addRow(captionFor(tr("&Scrollbar:"), lstScroll, page), lstScroll);
    form->addRow(QString(), lstStarus);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget *TfrmOptions::makeAutoCorrectPage()
{
    auto *page = new QWidget(ctlTab);
    QVBoxLayout *layout =
        pageWithHeading(page, tr("Auto-Correct"), tr("Typos and shorthands replaced as you type."));
    lstCorect = new QTreeWidget(page);
    lstCorect->setColumnCount(2);
    lstCorect->setHeaderLabels({tr("Replace"), tr("With")});
    lstCorect->setRootIsDecorated(false);
    lstCorect->setAccessibleName(tr("Auto-Correct rules"));
    layout->addWidget(lstCorect, 1);
    txtReplace = new QLineEdit(page);
    txtWith = new QLineEdit(page);
    auto *Button1 = new QPushButton(tr("A&dd Rule"), page);
    auto *cmdDelCorect = new QPushButton(tr("D&elete"), page);
    auto *row = new QHBoxLayout;
    row->addWidget(captionFor(tr("Replace"), txtReplace, page));
    row->addWidget(txtReplace);
    row->addWidget(captionFor(tr("With"), txtWith, page));
    row->addWidget(txtWith);
    row->addWidget(Button1);
    row->addWidget(cmdDelCorect);
    layout->addLayout(row);
    connect(Button1, &QPushButton::clicked, this, &TfrmOptions::Button1Click);
    connect(cmdDelCorect, &QPushButton::clicked, this, [this] { delete lstCorect->currentItem(); });
    makeDefaultWhileIn({txtReplace, txtWith}, Button1);
    return page;
}

QWidget *TfrmOptions::makeAutoTextPage()
{
    auto *page = new QWidget(ctlTab);
    QVBoxLayout *layout = pageWithHeading(page, tr("Auto-Text"),
                                          tr("Your most used words, completed with Ctrl+Space."));
    lstText = new QListWidget(page);
    lstText->setAccessibleName(tr("Auto-Text words"));
    layout->addWidget(lstText, 1);
    txtText = new QLineEdit(page);
    txtText->setAccessibleName(tr("Text"));
    auto *cmdAddText = new QPushButton(tr("A&dd..."), page);
    auto *cmdDelText = new QPushButton(tr("D&elete"), page);
    auto *row = new QHBoxLayout;
    row->addWidget(txtText, 1);
    row->addWidget(cmdAddText);
    row->addWidget(cmdDelText);
    layout->addLayout(row);
    connect(cmdAddText, &QPushButton::clicked, this, &TfrmOptions::cmdAddTextClick);
    connect(cmdDelText, &QPushButton::clicked, this, [this] { delete lstText->currentItem(); });
    makeDefaultWhileIn({txtText}, cmdAddText);
    return page;
}

QWidget *TfrmOptions::makeNotificationPage()
{
    auto *page = new QWidget(ctlTab);
    QVBoxLayout *layout = pageWithHeading(
        page, tr("Targets and Alarms"),
        tr("Set the target you want to reach (in characters, words, paragraphs, pages and even "
           "time) and the Editor will notify you when you reach your goal."));
    txtChar = numberField(0, kLimitMaximum, page);
    txtWord = numberField(0, kLimitMaximum, page);
    txtPara = numberField(0, kLimitMaximum, page);
    txtPage = numberField(0, kLimitMaximum, page);
    chkChar = checkBox(tr("Show Character count"), page);
    chkWord = checkBox(tr("Show Word count"), page);
    chkPara = checkBox(tr("Show Paragraph count"), page);
    chkPage = checkBox(tr("Show Page count"), page);
    auto *grid = new QGridLayout;
    const QList<std::tuple<QString, QSpinBox *, QCheckBox *>> rows = {
        {tr("&Characters:"), txtChar, chkChar},
        {tr("&Words:"), txtWord, chkWord},
        {tr("&Paragraphs:"), txtPara, chkPara},
        {tr("&Pages:"), txtPage, chkPage}};
    for (int i = 0; i < rows.size(); ++i) {
        const auto &[caption, field, show] = rows.at(i);
        grid->addWidget(captionFor(caption, field, page), i, 0);
        grid->addWidget(field, i, 1);
        grid->addWidget(show, i, 2);
    }
    auto *lblFile = new QLabel(shortenMiddle(m_context.curFile, 32), page);
    auto *cmdReset = new QPushButton(tr("&Reset"), page);
    grid->addWidget(lblFile, 4, 0, 1, 2);
    grid->addWidget(cmdReset, 4, 2);
    layout->addLayout(grid);
    connect(cmdReset, &QPushButton::clicked, this, &TfrmOptions::cmdResetClick);

    chkDeadline = checkBox(tr("Use &dead-line"), page);
    txtDate = new QDateEdit(page);
    txtDate->setCalendarPopup(true);
    txtDate->setAccessibleName(tr("Deadline"));
    auto *deadline = new QHBoxLayout;
    deadline->addWidget(chkDeadline);
    deadline->addWidget(txtDate);
    deadline->addStretch();
    layout->addLayout(deadline);
    connect(chkDeadline, &QCheckBox::toggled, txtDate, &QWidget::setVisible);

    lstHour = choice(numbers(0, 23), page);
    lstMins = choice(numbers(0, 59), page);
    auto *cmdAlarm = new QPushButton(tr("&Disable"), page);
    auto *alarm = new QHBoxLayout;
    alarm->addWidget(new QLabel(tr("Time Alarm:"), page));
    alarm->addWidget(captionFor(tr("&Hours:"), lstHour, page));
    alarm->addWidget(lstHour);
    alarm->addWidget(captionFor(tr("&Minutes:"), lstMins, page));
    alarm->addWidget(lstMins);
    alarm->addWidget(cmdAlarm);
    alarm->addStretch();
    layout->addLayout(alarm);
    connect(cmdAlarm, &QPushButton::clicked, this, &TfrmOptions::cmdAlarmClick);

    txtLPP = numberField(1, 9999, page);
    chkCron = checkBox(tr("Show &Time spent writing"), page);
    lstPause = choice(numbers(1, 59), page);
    auto *form = new QFormLayout;
    form->addRow(captionFor(tr("&Lines/Page:"), txtLPP, page), txtLPP);
    form->addRow(chkCron);
    form->addRow(captionFor(tr("Maximum &Pause between Keystrokes:"), lstPause, page), lstPause);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

void TfrmOptions::FormCreate()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const StartWithSystemState start = readStartWithSystem(m_context.desktop);
    OptionsValues values =
        optionsFromSettings(m_context.settings, m_context.limits, m_context.today,
                            start.startWithSystem, start.startMinimized);
    // Empty lists offer the built-in ones; OK stores them.
    if (values.corrections.isEmpty())
        values.corrections = defaultAutoCorrectRules();
    if (values.autoTextWords.isEmpty())
        values.autoTextWords = defaultAutoTextWords();
    fill(values);
    lstProfiles->addItems(profileNames(m_context.store, m_context.root));
    lstProfiles->setCurrentText(lastProfileName(m_context.store, m_context.root));
    QGuiApplication::restoreOverrideCursor();
}

void TfrmOptions::fill(const OptionsValues &v)
{
    txtDate->setDate(v.deadline);
    chkDeadline->setChecked(v.deadlines);
    txtDate->setVisible(v.deadlines);
    txtDir->setText(v.diaryField);
    chkWin->setChecked(v.startWithSystem);
    chkMin->setChecked(v.startMinimized);
    chkMin->setEnabled(v.startWithSystem);
    lstScroll->setCurrentIndex(v.scrollbarPosition);
    chkScr->setChecked(v.use_scratch);
    chkRestore->setChecked(v.restore);
    chkRestorePara->setChecked(v.restpar);
    chkRestoreTime->setChecked(v.restmin);
    chkRestorePara->setEnabled(v.restore);
    chkRestoreTime->setEnabled(v.restore);
    chkSpellType->setChecked(v.spelltype);
    lstBold->setCurrentIndex(v.formatsPosition);
    lstStarus->setCurrentIndex(v.statusPosition);
    chkChar->setChecked(v.show_char);
    chkWord->setChecked(v.show_word);
    chkPara->setChecked(v.show_para);
    chkPage->setChecked(v.show_page);
    txtWidth->setValue(v.widthField.toInt());
    chkSavePara->setChecked(v.savepar);
    chkSaveTime->setChecked(v.savemin);
    chkMRU->setChecked(v.showmru);
    lstDost->setCurrentIndex(v.openlstPosition);
    QFont font(v.fontFamily);
    font.setPointSize(v.fontSize);
    font.setBold(v.bold);
    font.setItalic(v.italic);
    showSample(font, v.foreground, v.background);
    chkSpacing->setChecked(v.txtpara);
    chkCorect->setChecked(v.txtcore);
    chkText->setChecked(v.txttext);
    lstCorect->clear();
    for (const auto &[find, replace] : v.corrections)
        lstCorect->addTopLevelItem(new QTreeWidgetItem({find, replace}));
    lstText->clear();
    lstText->addItems(v.autoTextWords);
    txtChar->setValue(v.charLimitField.toInt());
    txtWord->setValue(v.wordLimitField.toInt());
    txtPara->setValue(v.paraLimitField.toInt());
    txtPage->setValue(v.pageLimitField.toInt());
    lstHour->setCurrentIndex(v.alarmHourPosition);
    lstMins->setCurrentIndex(v.alarmMinutePosition);
    chkCron->setChecked(v.cron_use);
    lstPause->setCurrentIndex(v.pausePosition);
    txtLPP->setValue(v.linesPerPageField.toInt());
}

OptionsValues TfrmOptions::values() const
{
    OptionsValues v;
    v.restore = chkRestore->isChecked();
    v.restpar = chkRestorePara->isChecked();
    v.restmin = chkRestoreTime->isChecked();
    v.use_scratch = chkScr->isChecked();
    v.scrollbarPosition = lstScroll->currentIndex();
    v.cron_use = chkCron->isChecked();
    v.pausePosition = lstPause->currentIndex();
    v.statusPosition = lstStarus->currentIndex();
    v.widthField = QString::number(txtWidth->value());
    v.show_char = chkChar->isChecked();
    v.show_word = chkWord->isChecked();
    v.show_para = chkPara->isChecked();
    v.show_page = chkPage->isChecked();
    v.formatsPosition = lstBold->currentIndex();
    v.deadlines = chkDeadline->isChecked();
    v.spelltype = chkSpellType->isChecked();
    v.diaryField = txtDir->text();
    v.savepar = chkSavePara->isChecked();
    v.savemin = chkSaveTime->isChecked();
    v.showmru = chkMRU->isChecked();
    v.openlstPosition = lstDost->currentIndex();
    v.fontFamily = m_sampleFont.family();
    v.fontSize = m_sampleFont.pointSize();
    v.foreground = m_sampleFore;
    v.background = m_sampleBack;
    v.bold = m_sampleFont.bold();
    v.italic = m_sampleFont.italic();
    v.txtpara = chkSpacing->isChecked();
    v.txtcore = chkCorect->isChecked();
    v.txttext = chkText->isChecked();
    v.alarmHourPosition = lstHour->currentIndex();
    v.alarmMinutePosition = lstMins->currentIndex();
    v.linesPerPageField = QString::number(txtLPP->value());
    for (int i = 0; i < lstCorect->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = lstCorect->topLevelItem(i);
        v.corrections.append({item->text(0), item->text(1)});
    }
    for (int i = 0; i < lstText->count(); ++i)
        v.autoTextWords.append(lstText->item(i)->text());
    v.charLimitField = QString::number(txtChar->value());
    v.wordLimitField = QString::number(txtWord->value());
    v.paraLimitField = QString::number(txtPara->value());
    v.pageLimitField = QString::number(txtPage->value());
    v.deadline = txtDate->date();
    v.startWithSystem = chkWin->isChecked();
    v.startMinimized = chkMin->isChecked();
    return v;
}

void TfrmOptions::showSample(const QFont &font, const QColor &foreground, const QColor &background)
{
    m_sampleFont = font;
    m_sampleFont.setUnderline(false);
    m_sampleFore = foreground;
    m_sampleBack = background;
    txtFont->setFont(m_sampleFont);
    QPalette palette = txtFont->palette();
    palette.setColor(QPalette::WindowText, foreground);
    palette.setColor(QPalette::Window, background);
    txtFont->setPalette(palette);
    txtFont->setText(tr("Sample Font"));
}

void TfrmOptions::cmdFontClick()
{
    if (!m_context.chooseFont)
        return;
    // The dialog's colour is not used: the sample keeps the text colour it has.
    if (const std::optional<QFont> font = m_context.chooseFont(m_sampleFont))
        showSample(*font, m_sampleFore, m_sampleBack);
}

void TfrmOptions::cmdForeClick()
{
    if (!m_context.chooseColour)
        return;
    if (const std::optional<QColor> colour = m_context.chooseColour(m_sampleFore))
        showSample(m_sampleFont, *colour, m_sampleBack);
}

void TfrmOptions::cmdBackClick()
{
    if (!m_context.chooseColour)
        return;
    if (const std::optional<QColor> colour = m_context.chooseColour(m_sampleBack))
        showSample(m_sampleFont, m_sampleFore, *colour);
}

void TfrmOptions::cmdResetClick()
{
    for (QSpinBox *field : {txtChar, txtWord, txtPara, txtPage})
        field->setValue(0);
}

void TfrmOptions::cmdAlarmClick()
{
    lstHour->setCurrentIndex(0);
    lstMins->setCurrentIndex(0);
    chkDeadline->setChecked(false);
}

void TfrmOptions::cmdBrowseClick()
{
    if (!m_context.chooseFolder)
        return;
    QString folder = trimmed(m_context.chooseFolder(txtDir->text()));
    // One trailing separator goes; the root folder stays what it is.
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    if (!folder.isEmpty())
        txtDir->setText(folder);
}

void TfrmOptions::cmdDefClick()
{
    m_context.desktop.makeDefaultForPlainText(m_context.programPath);
    m_context.messages.show(
        Message{tr("The editor was set as the default program to open Text (.txt) file."),
                tr("File Association"), Message::Icon::Information, Message::Buttons::Ok});
}

void TfrmOptions::Button1Click()
{
    if (trimmed(txtReplace->text()).isEmpty() && trimmed(txtWith->text()).isEmpty())
        return;
    // The table holds 2,049 rules: more are not taken.
    if (lstCorect->topLevelItemCount() >= Settings::kListSlots) {
        QApplication::beep();
        return;
    }
    lstCorect->addTopLevelItem(new QTreeWidgetItem({txtReplace->text(), txtWith->text()}));
    txtReplace->clear();
    txtWith->clear();
    txtReplace->setFocus();
}

void TfrmOptions::cmdAddTextClick()
{
    const QString word = trimmed(txtText->text());
    if (word.isEmpty())
        return;
    if (lstText->count() >= Settings::kListSlots) {
        QApplication::beep();
        return;
    }
    lstText->addItem(word);
    txtText->clear();
}

void TfrmOptions::cmdOKClick(bool saveProfile)
{
    const OptionsValues v = values();
    const Settings settings = settingsFromOptions(v, m_context.settings);
    const DocumentLimits limits = limitsFromOptions(v, m_context.limits);
    const auto writeLimits = [this, &limits](SettingsStore &) {
        m_context.storeLimits(limits);
    };
    SettingsStore &store = m_context.store;
    const QString &root = m_context.root;
    if (saveProfile) {
        const QString name = cleanProfileName(lstProfiles->currentText());
        if (name.isEmpty()) {
            m_context.messages.show(Message{tr("You must specify a name for your profile."),
                                            tr("Save Profile"), Message::Icon::Warning,
                                            Message::Buttons::Ok});
            return;
        }
        updateSettings(store, profileRoot(root, name), settings, writeLimits);
        applyStartWithSystem(m_context.desktop, v.startWithSystem, v.startMinimized,
                             m_context.programPath);
        setLastProfileName(store, root, name);
    } else {
        setLastProfileName(store, root, QString());
    }
    closeAfter([&] {
        updateSettings(store, root, settings, writeLimits);
        applyStartWithSystem(m_context.desktop, v.startWithSystem, v.startMinimized,
                             m_context.programPath);
        m_context.apply(settings);
    });
}

void TfrmOptions::cmdLoadSettingsClick()
{
    const QString name = cleanProfileName(lstProfiles->currentText());
    if (name.isEmpty())
        return;
    if (!useProfile(m_context.store, m_context.root, name))
        m_context.messages.show(Message{tr("The system was unbable to find the specified profile."),
                                        tr("Load Profile"), Message::Icon::Warning,
                                        Message::Buttons::Ok});
    closeAfter(m_context.reload);
}

void TfrmOptions::Button3Click()
{
    const Answer answer = m_context.messages.show(
        Message{tr("Are you sure you want to reset all settings to their default\r\nvalues "
                   "(including the Auto-Correct and Auto-Text lists?"),
                tr("Reset to Defaults"), Message::Icon::Question, Message::Buttons::YesNoCancel});
    if (answer != Answer::Yes)
        return;
    resetToDefaults(m_context.store, m_context.root);
    closeAfter(m_context.reload);
}

void TfrmOptions::closeAfter(const std::function<void()> &work)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    work();
    QGuiApplication::restoreOverrideCursor();
    accept();
}

void TfrmOptions::makeDefaultWhileIn(QList<QWidget *> fields, QPushButton *button)
{
    for (QWidget *field : fields) {
        m_defaultWhileIn.insert(field, button);
        field->installEventFilter(this);
    }
}

bool TfrmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (QPushButton *button = m_defaultWhileIn.value(qobject_cast<QWidget *>(watched))) {
            const bool in = event->type() == QEvent::FocusIn;
            button->setDefault(in);
            cmdOK->setDefault(!in);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace calmdesk
