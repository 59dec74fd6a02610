// SPDX-License-Identifier: GPL-3.0-or-later
// What the status line's file label and file menu show for each document state.

#include "document/documentpresentation.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

Q_DECLARE_METATYPE(calmdesk::FileMenuEnabling)

namespace {

FileMenuEnabling enabling(bool save, bool closeFile, bool reloadFile, bool folder)
{
    FileMenuEnabling e;
    e.save = save;
    e.closeFile = closeFile;
    e.reloadFile = reloadFile;
    e.folder = folder;
    return e;
}

} // namespace

class TestDocumentPresentation : public QObject
{
    Q_OBJECT

private slots:
    void labelCaptionAndHint_data()
    {
        QTest::addColumn<QString>("curFile");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");

        QTest::newRow("untitled") << ""
                                  << "(untitled)"
                                  << "";
        QTest::newRow("file name without its folder") << "/home/w/Drafts/Story.TXT"
                                                      << "Story.TXT"
                                                      << "/home/w/Drafts/Story.TXT";
        QTest::newRow("name without extension") << "/w/v1.2/notes"
                                                << "notes"
                                                << "/w/v1.2/notes";
    }

    void labelCaptionAndHint()
    {
        QFETCH(QString, curFile);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QCOMPARE(fileLabelCaption(curFile), caption);
        QCOMPARE(fileLabelHint(curFile), hint);
    }

    void menuEnabling_data()
    {
        QTest::addColumn<QString>("curFile");
        QTest::addColumn<bool>("isSaved");
        QTest::addColumn<FileMenuEnabling>("expected");

        QTest::newRow("untitled and saved: only the always-on items")
            << "" << true << enabling(false, false, false, false);
        QTest::newRow("untitled with changes: Save only")
            << "" << false << enabling(true, false, false, false);
        QTest::newRow("named with changes: all")
            << "/w/a.txt" << false << enabling(true, true, true, true);
        QTest::newRow("named and saved: reload stays available")
            << "/w/a.txt" << true << enabling(false, true, true, true);
    }

    void menuEnabling()
    {
        QFETCH(QString, curFile);
        QFETCH(bool, isSaved);
        QFETCH(FileMenuEnabling, expected);
        QCOMPARE(fileMenuEnabling(curFile, isSaved), expected);
    }
};

CALMDESK_TEST_MAIN_CORE(TestDocumentPresentation)
#include "test_documentpresentation.moc"
