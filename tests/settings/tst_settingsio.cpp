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

} // namespace

class TestSettingsIo : public QObject
{
    Q_OBJECT

    std::unique_ptr<SqliteSettingsStore> store;

    QString dataHome() const { return IsolatedEnvironment::current()->dataHome(); }
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
        QCOMPARE(s.txtfont, QStringLiteral("Courier New"));
        QCOMPARE(s.txtsize, 12);
        QCOMPARE(s.txtfore, 255 + 256 * 128 + 65536 * 64);
        QCOMPARE(s.txtback, 0);
        QCOMPARE(s.txtpara, 1);
        QCOMPARE(s.cron_pause, 20);
        QCOMPARE(s.perpage, 24);
        for (int flag :
             {s.restore,     s.restpar,   s.restmin,   s.use_scratch, s.scrollbar, s.cron_use,
              s.show_status, s.width,     s.show_char, s.show_word,   s.show_para, s.show_page,
              s.formats,     s.deadlines, s.spelltype, s.savepar,     s.savemin,   s.showmru,
              s.openlst,     s.txtbold,   s.txtital,   s.txtcore,     s.txttext})
            QCOMPARE(flag, 0);
        const QString diary = dataHome() + QStringLiteral("/Calmdesk/Diary");
        QCOMPARE(s.diaryDir, diary);
        QVERIFY(QDir(diary).exists());
        QVERIFY(s.acFind.at(0).isEmpty());
        QCOMPARE(s.acFind.size(), Settings::kListSlots);
        // Loading writes nothing.
        QVERIFY(!store->keyExists(kGeneral));
    }

    void loadCorrections_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");

        QTest::newRow("cron_pause 0 becomes 20") << "cron_pause"
                                                 << "0" << 20;
        QTest::newRow("cron_pause 1 is kept") << "cron_pause"
                                              << "1" << 1;
        QTest::newRow("cron_pause 59 is kept") << "cron_pause"
                                               << "59" << 59;
        QTest::newRow("cron_pause 60 becomes 20") << "cron_pause"
                                                  << "60" << 20;
        QTest::newRow("txtsize 5 becomes 12") << "txtsize"
                                              << "5" << 12;
        QTest::newRow("txtsize 6 is kept") << "txtsize"
                                           << "6" << 6;
        QTest::newRow("formats 7 clamps to 2") << "formats"
                                               << "7" << 2;
        QTest::newRow("formats 1 is kept") << "formats"
                                           << "1" << 1;
        QTest::newRow("perpage 1 becomes 24") << "perpage"
                                              << "1" << 24;
        QTest::newRow("perpage 2 is kept") << "perpage"
                                           << "2" << 2;
        QTest::newRow("blank around a number is trimmed") << "perpage"
                                                          << " \t30 " << 30;
        QTest::newRow("a value that is not a number reads as absent") << "perpage"
                                                                      << "lots" << 24;
        QTest::newRow("width has no check at load") << "width"
                                                    << "150" << 150;
        QTest::newRow("txtpara stored 0 is off") << "txtpara"
                                                 << "0" << 0;
        QTest::newRow("txtpara stored empty is on") << "txtpara"
                                                    << "" << 1;
    }

    void loadCorrections()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        put(kGeneral, name, stored);
        const Settings s = load();
        int actual = -1;
        for (const auto &table : {leadingGeneralValues(), trailingGeneralValues()})
            for (const GeneralValue &v : table)
                if (v.name == name)
                    actual = s.*(v.number);
        QCOMPARE(actual, expected);
    }

    void equalColoursFallBackToOrangeOnBlack()
    {
        put(kGeneral, QStringLiteral("txtfore"), QStringLiteral("16777215"));
        put(kGeneral, QStringLiteral("txtback"), QStringLiteral("16777215"));
        const Settings s = load();
        QCOMPARE(s.txtfore, colorValue(255, 128, 64));
        QCOMPARE(s.txtback, 0);
    }

    void differentColoursAreKept()
    {
        put(kGeneral, QStringLiteral("txtfore"), QStringLiteral("0"));
        put(kGeneral, QStringLiteral("txtback"), QStringLiteral("16777215"));
        const Settings s = load();
        QCOMPARE(s.txtfore, 0);
        QCOMPARE(s.txtback, 16777215);
    }

    void blankFontNameBecomesCourierNew()
    {
        put(kGeneral, QStringLiteral("txtfont"), QStringLiteral("  "));
        QCOMPARE(load().txtfont, QStringLiteral("Courier New"));
        put(kGeneral, QStringLiteral("txtfont"), QStringLiteral("Liberation Serif"));
        QCOMPARE(load().txtfont, QStringLiteral("Liberation Serif"));
    }

    // A fresh user may have no data folder at all yet.
    void defaultDiaryFolderIsMadeWithItsParents()
    {
        const QString fresh = IsolatedEnvironment::current()->root() + QStringLiteral("/fresh");
        const QString missingHome = fresh + QStringLiteral("/.local/share");
        const Settings s = loadSettings(*store, kRoot, missingHome);
        QCOMPARE(s.diaryDir, missingHome + QStringLiteral("/Calmdesk/Diary"));
        QVERIFY(QFileInfo(s.diaryDir).isDir());
        // The folders made are the user's alone.
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
        for (const QString &made : {fresh, missingHome, s.diaryDir})
            QCOMPARE(QFileInfo(made).permissions() & others, QFileDevice::Permissions());
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

    void updateWritesEveryValueAndReadsBackTheSame()
    {
        Settings s;
        s.width = 75;
        s.cron_pause = 7;
        s.txtfont = QStringLiteral("Liberation Serif");
        s.txtsize = 14;
        s.txtfore = colorValue(1, 2, 3);
        s.txtback = colorValue(200, 200, 200);
        s.txtpara = 0;
        s.diaryDir = IsolatedEnvironment::current()->root() + QStringLiteral("/");
        s.alarmhh = 2;
        s.perpage = 40;
        s.acFind[0] = QStringLiteral("teh");
        s.acReplace[0] = QStringLiteral("the");
        s.atWords[0] = QStringLiteral("writing");
        QVERIFY(updateSettings(*store, kRoot, s));

        QCOMPARE(store->regReadString(kGeneral, QStringLiteral("width")), QStringLiteral("75"));
        QCOMPARE(store->regReadString(kGeneral, QStringLiteral("alarmhh")), QStringLiteral("2"));
        QCOMPARE(store->regReadString(kGeneral, QStringLiteral("txtpara")), QStringLiteral("0"));
        const Settings back = load();
        QCOMPARE(back.width, 75);
        QCOMPARE(back.cron_pause, 7);
        QCOMPARE(back.txtfont, s.txtfont);
        QCOMPARE(back.txtsize, 14);
        QCOMPARE(back.txtfore, s.txtfore);
        QCOMPARE(back.txtback, s.txtback);
        QCOMPARE(back.txtpara, 0);
        QCOMPARE(back.diaryDir, s.diaryDir);
        QCOMPARE(back.perpage, 40);
        QCOMPARE(back.acFind.at(0), QStringLiteral("teh"));
        QCOMPARE(back.atWords.at(0), QStringLiteral("writing"));
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

    void ruleWithAnEmptySideIsNotStored()
    {
        Settings s;
        s.acFind[0] = QStringLiteral("teh");
        s.acFind[1] = QStringLiteral("replace me");
        s.acReplace[1] = QStringLiteral("   ");
        s.acFind[2] = QStringLiteral("adn");
        s.acReplace[2] = QStringLiteral("and");
        QVERIFY(updateSettings(*store, kRoot, s));
        QVERIFY(!store->valueExists(kAutocorrect, QStringLiteral("a1")));
        QVERIFY(!store->valueExists(kAutocorrect, QStringLiteral("b1")));
        // So the next start loses that rule and every rule after it.
        const Settings back = load();
        QVERIFY(back.acFind.at(0).isEmpty());
        QVERIFY(back.acFind.at(2).isEmpty());
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
