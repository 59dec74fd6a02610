// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog as a writer uses it: what it shows when it opens, what OK stores and
// Cancel leaves alone, the settings profiles, and that every control can be reached and
// is named for a screen reader.

#include "platform/shell/desktopintegration.h"
#include "platform/store/sqlitesettingsstore.h"
#include "scripteddialogs.h"
#include "settings/options/tfrmoptions.h"
#include "settings/profiles.h"
#include "settings/registrydump.h"
#include "settings/settingsio.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::ScriptedMessageBoxes;

namespace {

const QString kRoot = settingsRoot();
const QDate kToday(2027, 3, 5);

template<typename T> T *control(QWidget *dialog, const QString &caption)
{
    for (T *widget : dialog->findChildren<T *>()) {
        if (widget->accessibleName() == caption)
            return widget;
        if (auto *button = qobject_cast<QAbstractButton *>(widget);
            button && button->text() == caption)
            return widget;
    }
    return nullptr;
}

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<SqliteSettingsStore> store;
    std::unique_ptr<DesktopIntegration> desktop;
    ScriptedMessageBoxes messages;
    QList<Settings> applied;
    QList<DocumentLimits> storedLimits;
    int reloads = 0;
    QString chosenFolder;
    QColor chosenColour;

    std::unique_ptr<TfrmOptions> open(const Settings &settings, const DocumentLimits &limits = {},
                                      int page = TfrmOptions::Profiles)
    {
        OptionsContext context{*store,
                               kRoot,
                               settings,
                               limits,
                               QStringLiteral("/home/writer/novels/a-very-long-title-indeed.txt"),
                               kToday,
                               *desktop,
                               QStringLiteral("/usr/bin/calmdesk"),
                               messages,
                               [this](const DocumentLimits &l) { storedLimits << l; },
                               [this](const Settings &s) { applied << s; },
                               [this] { ++reloads; },
                               [this](const QString &) { return chosenFolder; },
                               [](const QFont &font) -> std::optional<QFont> {
                                   QFont chosen = font;
                                   chosen.setFamily(QStringLiteral("DejaVu Sans Mono"));
                                   chosen.setPointSize(14);
                                   chosen.setUnderline(true);
                                   return chosen;
                               },
                               [this](const QColor &) -> std::optional<QColor> {
                                   return chosenColour;
                               }};
        return std::make_unique<TfrmOptions>(std::move(context), page);
    }
    Settings stored() const
    {
        return loadSettings(*store, kRoot, IsolatedEnvironment::current()->dataHome());
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
        desktop = std::make_unique<DesktopIntegration>();
        messages = ScriptedMessageBoxes();
        applied.clear();
        storedLimits.clear();
        reloads = 0;
    }

    void fillingCorrectsWhatItShows()
    {
        Settings s = stored();
        s.cron_pause = 0;
        s.width = 5;
        s.openlst = StartupDocument(7);
        s.deadlines = true;
        auto dialog = open(s, DocumentLimits{0, 500, 0, 0, 0, 0, 0}, TfrmOptions::Notification);
        QCOMPARE(dialog->pages()->currentIndex(), int(TfrmOptions::Notification));
        OptionsValues shown = dialog->values();
        QCOMPARE(shown.pausePosition + 1, 20);
        QCOMPARE(shown.widthField, "90");
        QCOMPARE(shown.openlstPosition, 3);
        // No stored deadline: the picker offers today; OK stores it.
        QCOMPARE(shown.deadline, kToday);
        QCOMPARE(shown.wordLimitField, "500");
        // Empty lists offer the built-in rules and words.
        QCOMPARE(shown.corrections.size(), 117);
        QCOMPARE(shown.autoTextWords, (QStringList{"Love", "This", "Editor"}));

        auto withDate = open(s, DocumentLimits{0, 0, 0, 0, 24, 12, 2027});
        QCOMPARE(withDate->values().deadline, QDate(2027, 12, 24));
    }

    void okStoresTheChangesAndCancelNothing()
    {
        // A first opening makes the profiles' key, and nothing else.
        const QString before = registrydump::exportTree(*store, kRoot);
        open(stored())->reject();
        const QString afterFirst = registrydump::exportTree(*store, kRoot);
        QVERIFY(afterFirst.contains("Profiles"));
        auto cancelled = open(stored());
        control<QSpinBox>(cancelled.get(), "Editor Width:")->setValue(60);
        cancelled->reject();
        QCOMPARE(registrydump::exportTree(*store, kRoot), afterFirst);
        QVERIFY(applied.isEmpty());
        QVERIFY(before != afterFirst);

        auto dialog = open(stored(), {}, TfrmOptions::Editor);
        control<QSpinBox>(dialog.get(), "Editor Width:")->setValue(60);
        chosenColour = QColor(10, 200, 30);
        dialog->cmdForeClick();
        dialog->cmdFontClick();
        control<QCheckBox>(dialog.get(), "&Check Spelling as you type")->setChecked(true);
        control<QSpinBox>(dialog.get(), "Words:")->setValue(80000);
        control<QComboBox>(dialog.get(), "Hours:")->setCurrentIndex(2);
        dialog->cmdOKClick(false);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));

        const Settings s = stored();
        QCOMPARE(s.width, 60);
        QCOMPARE(s.txtfore, QColor(10, 200, 30));
        QCOMPARE(s.txtfont, "DejaVu Sans Mono");
        QCOMPARE(s.txtsize, 14);
        QVERIFY(s.spelltype);
        // The alarm is stored but never read back at a start.
        QCOMPARE(store->regReadString(generalKey(kRoot), "alarmhh"), "2");
        QCOMPARE(applied.value(0).alarmhh, 2);
        // The built-in rules were offered and are kept.
        QVERIFY(!s.acFind.at(116).isEmpty());
        QVERIFY(s.acFind.at(117).isEmpty());
        QCOMPARE(s.atWords.at(2), "Editor");
        QCOMPARE(applied.size(), 1);
        QCOMPARE(applied.last().width, 60);
        QCOMPARE(storedLimits.last().limword, 80000);
        QVERIFY(lastProfileName(*store, kRoot).isEmpty());
    }

    void smallActionsOfThePages()
    {
        Settings s = stored();
        s.deadlines = true;
        s.alarmmm = 30;
        auto dialog = open(s, DocumentLimits{100, 200, 3, 4, 0, 0, 0});
        dialog->cmdAlarmClick();
        dialog->cmdResetClick();
        OptionsValues v = dialog->values();
        QVERIFY(!v.deadlines);
        QCOMPARE(v.alarmMinutePosition, 0);
        QCOMPARE(v.charLimitField, "0");
        QCOMPARE(v.pageLimitField, "0");

        const auto browse = [&](const QString &chosen) {
            chosenFolder = chosen;
            dialog->cmdBrowseClick();
            return dialog->values().diaryField;
        };
        QCOMPARE(browse("/home/writer/d/"), "/home/writer/d");
        QCOMPARE(browse("/home/writer/x"), "/home/writer/x");
        // A cancelled browser leaves the folder as it was.
        QCOMPARE(browse(""), "/home/writer/x");

        // A chosen underline never reaches the sample.
        dialog->cmdFontClick();
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->text() == "Sample Font")
                QVERIFY(!label->font().underline());
        }
        QVERIFY(!dialog->values().fontFamily.isEmpty());

        // Enter in the rule fields adds the rule; an empty pair adds nothing.
        auto *rules = dialog->findChild<QTreeWidget *>();
        const int count = rules->topLevelItemCount();
        control<QLineEdit>(dialog.get(), "Replace")->setText(" teh");
        dialog->Button1Click();
        dialog->Button1Click();
        QCOMPARE(rules->topLevelItemCount(), count + 1);
        QCOMPARE(rules->topLevelItem(count)->text(0), " teh");
    }

    void profilesSaveUseAndReset()
    {
        store->regWriteString(kRoot + "\\mru", "m0", "/tmp/a.txt");
        store->regWriteString(kRoot + "\\limits", "x", "5");
        store->regWriteString(kRoot + "\\refs1", "name", "src");

        // No name: told, and nothing written.
        auto unnamed = open(stored());
        const QString before = registrydump::exportTree(*store, kRoot);
        unnamed->cmdOKClick(true);
        QCOMPARE(messages.shown.last().text, "You must specify a name for your profile.");
        QCOMPARE(unnamed->result(), 0);
        QCOMPARE(registrydump::exportTree(*store, kRoot), before);

        auto saving = open(stored());
        control<QSpinBox>(saving.get(), "Editor Width:")->setValue(55);
        saving->profileBox()->setCurrentText(" my:profile ");
        saving->cmdOKClick(true);
        QVERIFY(profileNames(*store, kRoot).contains("myprofile"));
        QCOMPARE(lastProfileName(*store, kRoot), "myprofile");

        auto changing = open(stored());
        QCOMPARE(changing->profileBox()->currentText(), "myprofile");
        control<QSpinBox>(changing.get(), "Editor Width:")->setValue(80);
        changing->cmdOKClick(false);
        QCOMPARE(stored().width, 80);

        auto using_ = open(stored());
        using_->profileBox()->setCurrentText("myprofile");
        using_->cmdLoadSettingsClick();
        QCOMPARE(stored().width, 55);
        QCOMPARE(reloads, 1);
        // The name is not part of the profile.
        QVERIFY(lastProfileName(*store, kRoot).isEmpty());

        // A profile saved with no auto-text words has no such key: it is not found.
        Settings noWords = stored();
        noWords.atWords = Settings::emptyList();
        QVERIFY(updateSettings(*store, profileRoot(kRoot, "bare"), noWords));
        auto missing = open(stored());
        missing->profileBox()->setCurrentText("bare");
        missing->cmdLoadSettingsClick();
        QCOMPARE(messages.shown.last().text,
                 "The system was unbable to find the specified profile.");
        QCOMPARE(stored().width, 55);
        QCOMPARE(reloads, 2);

        auto resetting = open(stored());
        messages.answers = {Answer::No};
        resetting->Button3Click();
        QCOMPARE(stored().width, 55);
        messages.answers = {Answer::Yes};
        resetting->Button3Click();
        QCOMPARE(stored().width, defaultSettings().width);
        QCOMPARE(store->regReadString(kRoot + "\\mru", "m0"), "/tmp/a.txt");
        QCOMPARE(store->regReadString(kRoot + "\\limits", "x"), "5");
        QCOMPARE(store->regReadString(kRoot + "\\refs1", "name"), "src");
        QVERIFY(profileNames(*store, kRoot).contains("myprofile"));
    }

    void everyControlIsReachableAndNamed()
    {
        auto dialog = open(stored());
        for (QWidget *widget : dialog->findChildren<QWidget *>()) {
            const bool field = qobject_cast<QLineEdit *>(widget) ||
                               qobject_cast<QComboBox *>(widget) ||
                               qobject_cast<QAbstractSpinBox *>(widget) ||
                               qobject_cast<QAbstractItemView *>(widget);
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if (!field && !button)
                continue;
            // Parts of a compound control (a combo box's own line edit) speak for it.
            // The tab bar's own scroll arrows are the toolkit's.
            if (widget->window() != dialog.get() ||
                qobject_cast<QTabBar *>(widget->parentWidget()) ||
                qobject_cast<QComboBox *>(widget->parentWidget()) ||
                qobject_cast<QAbstractSpinBox *>(widget->parentWidget()) ||
                qobject_cast<QAbstractItemView *>(widget->parentWidget()) ||
                widget->objectName().startsWith("qt_"))
                continue;
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus,
                     qPrintable(widget->metaObject()->className()));
            const QString name = button ? button->text() : widget->accessibleName();
            QVERIFY2(!name.isEmpty(), qPrintable(widget->metaObject()->className()));
        }
    }
};

CALMDESK_TEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
