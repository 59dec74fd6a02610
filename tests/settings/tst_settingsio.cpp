// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/settingsstore.h"
#include "platform/store/sqlitesettingsstore.h"
#include "settings/settingsio.h"
#include "settings/settingstable.h"
#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <memory>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;

namespace {

const QString kRoot = settingsRoot();
const QString kGeneral = kRoot + QStringLiteral("\\general");
const QString kAutocorrect = kRoot + QStringLiteral("\\autocorect");
const QString kAutotext = kRoot + QStringLiteral("\\autotext");

// Every setting by its value name, read through the named fields (not through the table
// under test), enumerations as their numbers.
QVariantMap named(const Settings &s)
{
    return {{"restore", s.restore},
            {"restpar", s.restpar},
            {"restmin", s.restmin},
            {"use_scratch", s.use_scratch},
            {"scrollbar", int(s.scrollbar)},
            {"cron_use", s.cron_use},
            {"cron_pause", s.cron_pause},
            {"show_status", int(s.show_status)},
            {"width", s.width},
            {"show_char", s.show_char},
            {"show_word", s.show_word},
            {"show_para", s.show_para},
            {"show_page", s.show_page},
            {"formats", int(s.formats)},
            {"deadlines", s.deadlines},
            {"spelltype", s.spelltype},
            {"diary", s.diaryDir},
            {"savepar", s.savepar},
            {"savemin", s.savemin},
            {"showmru", s.showmru},
            {"openlst", int(s.openlst)},
            {"txtfont", s.txtfont},
            {"txtsize", s.txtsize},
            {"txtfore", s.txtfore},
            {"txtback", s.txtback},
            {"txtpara", s.txtpara},
            {"txtbold", s.txtbold},
            {"txtital", s.txtital},
            {"txtcore", s.txtcore},
            {"txttext", s.txttext},
            {"alarmhh", s.alarmhh},
            {"alarmmm", s.alarmmm},
            {"perpage", s.perpage}};
}

} // namespace

class TestSettingsIo : public QObject
{
    Q_OBJECT

    std::unique_ptr<SqliteSettingsStore> store;

    QString dataHome() const { return IsolatedEnvironment::current()->dataHome(); }
    static QString root() { return IsolatedEnvironment::current()->root(); }
    // The general key's values in store order, as "name=data;" each.
    QString written() const
    {
        QString text;
        for (const StoreValue &value : store->values(kGeneral))
            text += value.name + '=' + value.data + ';';
        return text;
    }
    Settings load() const { return loadSettings(*store, kRoot, dataHome()); }
    void put(const QString &key, const QString &name, const QString &data)
    {
        QVERIFY(store->regWriteString(key, name, data));
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
    }
    void cleanup() { store.reset(); }

    void freshUserGetsTheDefaults()
    {
        const Settings s = load();
        const QVariantMap fields = named(s);
        const QVariantMap notOffOrZero = {{"cron_pause", 20},
                                          {"diary", dataHome() + QStringLiteral("/Calmdesk/Diary")},
                                          {"txtfont", "Courier New"},
                                          {"txtsize", 12},
                                          {"txtfore", QColor(255, 128, 64)},
                                          {"txtback", QColor(0, 0, 0)},
                                          {"txtpara", true},
                                          {"perpage", 24}};
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            if (notOffOrZero.contains(it.key()))
                QCOMPARE(it.value(), notOffOrZero.value(it.key()));
            else
                QVERIFY2(it.value().toInt() == 0, qPrintable(it.key()));
        }
        QVERIFY(QDir(s.diaryDir).exists());
        QVERIFY(s.acFind.at(0).isEmpty());
        QCOMPARE(s.acFind.size(), Settings::kListSlots);
        // Loading writes nothing.
        QVERIFY(!store->keyExists(kGeneral));
        // A Settings made fresh is the same, but for the folder only a load can know.
        QVariantMap fresh = named(Settings());
        QCOMPARE(fresh.value("diary"), QVariant(QString()));
        fresh["diary"] = s.diaryDir;
        QCOMPARE(fresh, fields);
    }

    // Each stored value lands in its own field, with its own reading and correction, and
    // in no other field.
    void loadReadsEachValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QVariant>("expected");

        for (const char *flag :
             {"restore", "restpar", "restmin", "use_scratch", "cron_use", "show_char", "show_word",
              "show_para", "show_page", "deadlines", "spelltype", "savepar", "savemin", "showmru",
              "txtbold", "txtital", "txtcore", "txttext"})
            QTest::addRow("%s stored 1 is on", flag) << flag << "1" << QVariant(true);
        QTest::newRow("a flag stored 5 is on") << "txtcore"
                                               << "5" << QVariant(true);
        QTest::newRow("deadlines stored 2 is off") << "deadlines"
                                                   << "2" << QVariant(false);
        QTest::newRow("txtpara stored 0 is off") << "txtpara"
                                                 << "0" << QVariant(false);
        QTest::newRow("txtpara stored blank is off") << "txtpara"
                                                     << " " << QVariant(false);
        QTest::newRow("txtpara stored empty is on") << "txtpara"
                                                    << "" << QVariant(true);

        QTest::newRow("cron_pause 0 becomes 20") << "cron_pause"
                                                 << "0" << QVariant(20);
        QTest::newRow("cron_pause 1 is kept") << "cron_pause"
                                              << "1" << QVariant(1);
        QTest::newRow("cron_pause 59 is kept") << "cron_pause"
                                               << "59" << QVariant(59);
        QTest::newRow("cron_pause 60 becomes 20") << "cron_pause"
                                                  << "60" << QVariant(20);
        QTest::newRow("txtsize 5 becomes 12") << "txtsize"
                                              << "5" << QVariant(12);
        QTest::newRow("txtsize 6 is kept") << "txtsize"
                                           << "6" << QVariant(6);
        QTest::newRow("perpage 1 becomes 24") << "perpage"
                                              << "1" << QVariant(24);
        QTest::newRow("perpage 2 is kept") << "perpage"
                                           << "2" << QVariant(2);
        QTest::newRow("blank around a number is trimmed") << "perpage"
                                                          << " \t30 " << QVariant(30);
        QTest::newRow("a value that is not a number reads as absent") << "perpage"
                                                                      << "lots" << QVariant(24);
        QTest::newRow("width has no check at load") << "width"
                                                    << "150" << QVariant(150);

        QTest::newRow("formats 1 is HTML") << "formats"
                                           << "1" << QVariant(int(MarkupStyle::Html));
        QTest::newRow("formats 7 clamps to BBCode") << "formats"
                                                    << "7" << QVariant(int(MarkupStyle::BBCode));
        QTest::newRow("formats -3 clamps to none") << "formats"
                                                   << "-3" << QVariant(int(MarkupStyle::None));
        QTest::newRow("scrollbar 2 is auto-hide") << "scrollbar"
                                                  << "2" << QVariant(int(BarMode::AutoHide));
        QTest::newRow("scrollbar 7 is kept as read") << "scrollbar"
                                                     << "7" << QVariant(7);
        QTest::newRow("show_status 1 is always") << "show_status"
                                                 << "1" << QVariant(int(BarMode::Always));
        QTest::newRow("show_status -1 is kept as read") << "show_status"
                                                        << "-1" << QVariant(-1);
        QTest::newRow("openlst 3 is the last diary page")
            << "openlst"
            << "3" << QVariant(int(StartupDocument::LastDiaryPage));
        QTest::newRow("openlst 9 is kept as read") << "openlst"
                                                   << "9" << QVariant(9);

        QTest::newRow("a blank font name is Courier New")
            << "txtfont"
            << "  " << QVariant(QStringLiteral("Courier New"));
        QTest::newRow("a font name is kept as stored")
            << "txtfont"
            << "Liberation Serif " << QVariant(QStringLiteral("Liberation Serif "));
        // (An absent background is black, so the background's reading is in the pair test.)
        QTest::newRow("text colour is red + 256 green + 65536 blue")
            << "txtfore"
            << "65535" << QVariant(QColor(255, 255, 0));
    }
    void loadReadsEachValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QVariant, expected);
        QVariantMap fields = named(load());
        QVERIFY(fields.contains(name));
        fields[name] = expected;
        put(kGeneral, name, stored);
        QCOMPARE(named(load()), fields);
    }

    void textAndBackgroundAreCheckedAsAPair_data()
    {
        QTest::addColumn<QString>("fore");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::newRow("white on white becomes orange on black")
            << "16777215"
            << "16777215" << QColor(255, 128, 64) << QColor(0, 0, 0);
        QTest::newRow("black on white is kept")
            << "0"
            << "16777215" << QColor(0, 0, 0) << QColor(255, 255, 255);
        QTest::newRow("an absent text colour is black")
            << ""
            << "16777215" << QColor(0, 0, 0) << QColor(255, 255, 255);
    }
    void textAndBackgroundAreCheckedAsAPair()
    {
        QFETCH(QString, fore);
        QFETCH(QString, back);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        if (!fore.isEmpty())
            put(kGeneral, QStringLiteral("txtfore"), fore);
        put(kGeneral, QStringLiteral("txtback"), back);
        const Settings s = load();
        QCOMPARE(s.txtfore, text);
        QCOMPARE(s.txtback, background);
    }

    void diaryFolder_data()
    {
        QTest::addColumn<QString>("stored");   // %1 = an existing folder
        QTest::addColumn<QString>("expected"); // %1 = that folder, %2 = the default

        QTest::newRow("an existing folder gains a separator") << "%1"
                                                              << "%1/";
        QTest::newRow("an existing folder with a separator is kept") << "%1/"
                                                                     << "%1/";
        QTest::newRow("a folder that is gone falls back") << "%1/gone"
                                                          << "%2";
        QTest::newRow("a one-character value falls back") << "x"
                                                          << "%2";
        QTest::newRow("absent falls back") << ""
                                           << "%2";
    }

    void diaryFolder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        const QString existing =
            IsolatedEnvironment::current()->root() + QStringLiteral("/My Diary");
        QVERIFY(QDir().mkpath(existing));
        const QString fallback = dataHome() + QStringLiteral("/Calmdesk/Diary");
        if (!stored.isEmpty())
            put(kGeneral, QStringLiteral("diary"), QString(stored).replace("%1", existing));
        QCOMPARE(load().diaryDir,
                 QString(expected).replace("%1", existing).replace("%2", fallback));
    }

    void autocorrectListStopsAtTheFirstEmptySlot()
    {
        for (int n : {0, 1, 2, 4}) {
            put(kAutocorrect, QStringLiteral("a%1").arg(n), QStringLiteral(" teh%1 ").arg(n));
            put(kAutocorrect, QStringLiteral("b%1").arg(n), QStringLiteral("the%1").arg(n));
        }
        const Settings s = load();
        QCOMPARE(s.acFind.mid(0, 3), (QStringList{"teh0", "teh1", "teh2"}));
        QCOMPARE(s.acReplace.mid(0, 3), (QStringList{"the0", "the1", "the2"}));
        QVERIFY(s.acFind.at(3).isEmpty());
        QVERIFY(s.acFind.at(4).isEmpty());
        QVERIFY(s.acReplace.at(4).isEmpty());
    }

    void autocorrectPairWithOneSideGoesOn()
    {
        put(kAutocorrect, QStringLiteral("a0"), QStringLiteral("x"));
        put(kAutocorrect, QStringLiteral("b1"), QStringLiteral("y"));
        put(kAutocorrect, QStringLiteral("a2"), QStringLiteral("z"));
        const Settings s = load();
        QCOMPARE(s.acFind.at(0), QStringLiteral("x"));
        QCOMPARE(s.acReplace.at(1), QStringLiteral("y"));
        QCOMPARE(s.acFind.at(2), QStringLiteral("z"));
    }

    void autotextListStopsAtTheFirstEmptySlot()
    {
        put(kAutotext, QStringLiteral("a0"), QStringLiteral("alpha"));
        put(kAutotext, QStringLiteral("a1"), QStringLiteral("beta"));
        put(kAutotext, QStringLiteral("a3"), QStringLiteral("delta"));
        const Settings s = load();
        QCOMPARE(s.atWords.mid(0, 2), (QStringList{"alpha", "beta"}));
        QVERIFY(s.atWords.at(2).isEmpty());
        QVERIFY(s.atWords.at(3).isEmpty());
    }

    void alarmIsOffAfterEveryLoad()
    {
        put(kGeneral, QStringLiteral("alarmhh"), QStringLiteral("3"));
        put(kGeneral, QStringLiteral("alarmmm"), QStringLiteral("15"));
        const Settings s = load();
        QCOMPARE(s.alarmhh, 0);
        QCOMPARE(s.alarmmm, 0);
    }

    // What each field is stored as, every value in the order the update writes them.
    void updateWritesEveryValueInOrder()
    {
        Settings s;
        s.restpar = true;
        s.use_scratch = true;
        s.scrollbar = BarMode::AutoHide;
        s.cron_pause = 7;
        s.show_status = BarMode::Always;
        s.width = 75;
        s.show_word = true;
        s.formats = MarkupStyle::BBCode;
        s.deadlines = true;
        s.diaryDir = IsolatedEnvironment::current()->root() + QStringLiteral("/");
        s.showmru = true;
        s.openlst = StartupDocument::TodaysDiary;
        s.txtfont = QStringLiteral("Liberation Serif");
        s.txtsize = 14;
        s.txtfore = QColor(1, 2, 3);
        s.txtback = QColor(200, 200, 200);
        s.txtpara = false;
        s.txtital = true;
        s.alarmhh = 2;
        s.alarmmm = 30;
        s.perpage = 40;
        s.acFind[0] = QStringLiteral("teh");
        s.acReplace[0] = QStringLiteral("the");
        s.atWords[0] = QStringLiteral("writing");
        QVERIFY(updateSettings(*store, kRoot, s));

        const QString colours = QStringLiteral("txtfore=%1;txtback=%2;")
                                    .arg(1 + 256 * 2 + 65536 * 3)
                                    .arg(200 + 256 * 200 + 65536 * 200);
        QCOMPARE(written(),
                 "restore=0;restpar=1;restmin=0;use_scratch=1;scrollbar=2;cron_use=0;"
                 "cron_pause=7;show_status=1;width=75;show_char=0;show_word=1;show_para=0;"
                 "show_page=0;formats=2;deadlines=1;spelltype=0;diary=" +
                     s.diaryDir +
                     ";savepar=0;savemin=0;showmru=1;openlst=2;txtfont=Liberation Serif;"
                     "txtsize=14;" +
                     colours +
                     "txtpara=0;txtbold=0;txtital=1;txtcore=0;txttext=0;alarmhh=2;alarmmm=30;"
                     "perpage=40;");

        Settings back = load();
        QCOMPARE(back.acFind.at(0), QStringLiteral("teh"));
        QCOMPARE(back.atWords.at(0), QStringLiteral("writing"));
        back.alarmhh = s.alarmhh; // never read back
        back.alarmmm = s.alarmmm;
        QCOMPARE(named(back), named(s));
    }

    // Storing what was loaded writes back what was read, also values outside a list's
    // range, so a load and an update never change what the store says.
    void loadThenUpdateChangesNothing()
    {
        const QString stored =
            "restore=1;restpar=0;restmin=1;use_scratch=0;scrollbar=7;cron_use=1;cron_pause=33;"
            "show_status=-1;width=150;show_char=1;show_word=0;show_para=1;show_page=0;"
            "formats=1;deadlines=0;spelltype=1;diary=" +
            root() +
            "/;savepar=1;savemin=0;showmru=1;openlst=9;txtfont=Serif ;txtsize=9;"
            "txtfore=16777215;txtback=4210752;txtpara=0;txtbold=1;txtital=0;txtcore=1;"
            "txttext=0;alarmhh=0;alarmmm=0;perpage=60;";
        for (const QString &value : stored.split(';', Qt::SkipEmptyParts))
            put(kGeneral, value.section('=', 0, 0), value.section('=', 1));
        QVERIFY(updateSettings(*store, kRoot, load()));
        QCOMPARE(written(), stored);
    }

    void updateDeletesEverySlotAboveTheList()
    {
        // Stale values from an older, longer list, up to the last slot.
        for (int n : {0, 1, 500, 2048}) {
            put(kAutocorrect, QStringLiteral("a%1").arg(n), QStringLiteral("old"));
            put(kAutocorrect, QStringLiteral("b%1").arg(n), QStringLiteral("old"));
            put(kAutotext, QStringLiteral("a%1").arg(n), QStringLiteral("old"));
        }
        Settings s;
        s.acFind[0] = QStringLiteral("teh");
        s.acReplace[0] = QStringLiteral("the");
        QVERIFY(updateSettings(*store, kRoot, s));

        const QList<StoreValue> ac = store->values(kAutocorrect);
        QCOMPARE(ac.size(), 2);
        QCOMPARE(store->regReadString(kAutocorrect, QStringLiteral("b0")), QStringLiteral("the"));
        QVERIFY(store->values(kAutotext).isEmpty());
    }

    void listsWithGapsComeBackWholeAndPacked()
    {
        Settings s;
        s.acFind[0] = QStringLiteral("teh"); // no replacement: kept for this run only
        s.acFind[1] = QStringLiteral(" replace me ");
        s.acReplace[1] = QStringLiteral(" with this ");
        s.acFind[4] = QStringLiteral("adn");
        s.acReplace[4] = QStringLiteral("and");
        s.atWords[0] = QStringLiteral("Love");
        s.atWords[3] = QStringLiteral(" Editor ");
        QVERIFY(updateSettings(*store, kRoot, s));

        // No rule after an empty one is lost at the next start.
        const Settings back = load();
        QCOMPARE(back.acFind.mid(0, 3), (QStringList{"replace me", "adn", ""}));
        QCOMPARE(back.acReplace.mid(0, 3), (QStringList{"with this", "and", ""}));
        QCOMPARE(back.atWords.mid(0, 3), (QStringList{"Love", "Editor", ""}));
        QCOMPARE(store->values(kAutocorrect).size(), 4);
    }

    void limitsAreWrittenInTheSameUpdate()
    {
        Settings s;
        bool called = false;
        QVERIFY(updateSettings(*store, kRoot, s, [&](SettingsStore &target) {
            called = true;
            QVERIFY(target.regWriteString(kRoot + QStringLiteral("\\limits"),
                                          QStringLiteral(":limword"), QStringLiteral("500")));
        }));
        QVERIFY(called);
        QCOMPARE(
            store->regReadString(kRoot + QStringLiteral("\\limits"), QStringLiteral(":limword")),
            QStringLiteral("500"));
    }

    void profileUpdateWritesUnderItsOwnRoot()
    {
        const QString profile = kRoot + QStringLiteral("\\Profiles\\night");
        Settings s;
        s.width = 60;
        QVERIFY(updateSettings(*store, profile, s));
        QCOMPARE(
            store->regReadString(profile + QStringLiteral("\\general"), QStringLiteral("width")),
            QStringLiteral("60"));
        QVERIFY(!store->keyExists(kGeneral));
    }
};

CALMDESK_TEST_MAIN_CORE(TestSettingsIo)
#include "tst_settingsio.moc"
