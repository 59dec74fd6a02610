// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving real files: refusals, atomic replacement, permissions, links.
#include "platform/codec/textfilecodec.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace calmdesk;

namespace {

enum class FileKind { Regular, Missing, DanglingLink, Folder, NamedPipe };

constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kTestUmask = 022;
constexpr mode_t kNewFilePermissions = 0644; // 0666 less kTestUmask
constexpr rlim_t kTinyFileSizeLimit = 1024;
constexpr int kLargeTextRepeats = 8192; // well past kTinyFileSizeLimit

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

mode_t permissionsOf(const QString &path)
{
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & kPermissionBits;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Makes every write past the limit fail with EFBIG, as a full disk would, for as long
// as it lives. SIGXFSZ is ignored so the failure is an error, not the end of the test.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, m_saved.rlim_max};
        m_active = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

} // namespace

class TestTextFileCodec : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unchangedFileRoundTripsByteForByte_data();
    void unchangedFileRoundTripsByteForByte();
    void loadSaysWhyAFileIsRefused_data();
    void loadSaysWhyAFileIsRefused();
    void fileBeyondTheDefaultLimitIsRefusedUnread();
    void failedWriteLeavesTheOldFileIntact();
    void saveIntoAMissingFolderFails();
    void saveOverAFolderFails();
    void saveKeepsPermissions_data();
    void saveKeepsPermissions();
    void newFileGetsTheUsualPermissions();
    void saveThroughASymlinkReplacesTheTarget_data();
    void saveThroughASymlinkReplacesTheTarget();
    void documentThatNeedsUtf8CarriesOnAsUtf8();
    void newDocumentIsWrittenAsUtf8WithLf();

private:
    QString path(const QString &name) const { return m_folder + QLatin1Char('/') + name; }

    QString m_folder;
    mode_t m_savedUmask = 0;
};

void TestTextFileCodec::init()
{
    test::IsolatedEnvironment::current()->reset();
    m_folder = test::IsolatedEnvironment::current()->root() + QStringLiteral("/documents");
    QVERIFY(QDir().mkpath(m_folder));
    m_savedUmask = ::umask(kTestUmask);
}

void TestTextFileCodec::cleanup()
{
    ::umask(m_savedUmask);
}

void TestTextFileCodec::unchangedFileRoundTripsByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("UTF-8, LF") << QByteArray("Caf\xC3\xA9 \xE2\x80\x94 ok\nnext\n");
    QTest::newRow("UTF-8 with BOM, CR LF") << QByteArray("\xEF\xBB\xBFone\r\ntwo\r\n");
    QTest::newRow("Windows-1252, CR LF, no final break") << QByteArray("\x93Quote\x94\r\n\x80 10");
    QTest::newRow("old Mac, lone CR") << QByteArray("one\rtwo\r");
}

void TestTextFileCodec::unchangedFileRoundTripsByteForByte()
{
    QFETCH(QByteArray, bytes);
    const QString file = path(QStringLiteral("story.txt"));
    writeBytes(file, bytes);

    const TextLoadResult loaded = loadTextFile(file);
    QCOMPARE(loaded.status, LoadStatus::Ok);
    const TextSaveResult saved = saveTextFile(file, loaded.text, loaded.format);
    QVERIFY2(saved.ok, qPrintable(saved.errorString));
    QCOMPARE(saved.written, loaded.format);
    QCOMPARE(readBytes(file), bytes);
    QCOMPARE(entriesOf(m_folder), QStringList{QStringLiteral("story.txt")});
}

void TestTextFileCodec::loadSaysWhyAFileIsRefused_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<LoadStatus>("status");

    const qint64 noLimit = kMaxTextFileBytes;
    QTest::newRow("missing file") << FileKind::Missing << QByteArray() << noLimit
                                  << LoadStatus::NotFound;
    QTest::newRow("link to a missing file")
        << FileKind::DanglingLink << QByteArray() << noLimit << LoadStatus::NotFound;
    QTest::newRow("a folder") << FileKind::Folder << QByteArray() << noLimit
                              << LoadStatus::Unreadable;
    QTest::newRow("a named pipe") << FileKind::NamedPipe << QByteArray() << noLimit
                                  << LoadStatus::Unreadable;
    QTest::newRow("NUL bytes") << FileKind::Regular << QByteArray("bin\0ary", 7) << noLimit
                               << LoadStatus::HasNulBytes;
    QTest::newRow("one byte over the limit")
        << FileKind::Regular << QByteArray("12345") << qint64(4) << LoadStatus::TooLarge;
    QTest::newRow("exactly at the limit")
        << FileKind::Regular << QByteArray("1234") << qint64(4) << LoadStatus::Ok;
    QTest::newRow("empty file") << FileKind::Regular << QByteArray() << noLimit << LoadStatus::Ok;
}

void TestTextFileCodec::loadSaysWhyAFileIsRefused()
{
    QFETCH(FileKind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, maxBytes);
    QFETCH(LoadStatus, status);

    const QString file = path(QStringLiteral("doc.txt"));
    switch (kind) {
    case FileKind::Regular:
        writeBytes(file, bytes);
        break;
    case FileKind::Missing:
        break;
    case FileKind::DanglingLink:
        QVERIFY(QFile::link(path(QStringLiteral("gone.txt")), file));
        break;
    case FileKind::Folder:
        QVERIFY(QDir().mkpath(file));
        break;
    case FileKind::NamedPipe:
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), kNewFilePermissions), 0);
        break;
    }
    const QStringList before = entriesOf(m_folder);

    const TextLoadResult result = loadTextFile(file, maxBytes);
    QCOMPARE(result.status, status);
    if (status != LoadStatus::Ok)
        QVERIFY(result.text.isEmpty());
    if (status == LoadStatus::Unreadable)
        QVERIFY(!result.errorString.isEmpty());
    // A refused file is left exactly as it was.
    QCOMPARE(entriesOf(m_folder), before);
    if (kind == FileKind::Regular)
        QCOMPARE(readBytes(file), bytes);
}

void TestTextFileCodec::fileBeyondTheDefaultLimitIsRefusedUnread()
{
    // Sparse: the size is there, the disk blocks and the memory are not.
    const QString file = path(QStringLiteral("huge.txt"));
    QFile huge(file);
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(kMaxTextFileBytes + 1));
    huge.close();

    QCOMPARE(loadTextFile(file).status, LoadStatus::TooLarge);
}

void TestTextFileCodec::failedWriteLeavesTheOldFileIntact()
{
    const QString file = path(QStringLiteral("novel.txt"));
    const QByteArray old("Chapter one\nIt was a dark night.\n");
    writeBytes(file, old);
    const QString longer = QStringLiteral("The new chapter.\r\n").repeated(kLargeTextRepeats);

    TextSaveResult saved;
    {
        FileSizeLimit diskFull(kTinyFileSizeLimit);
        if (!diskFull.isActive())
            QSKIP("cannot limit the file size here");
        saved = saveTextFile(file, longer, TextFileFormat{});
    }

    QVERIFY(!saved.ok);
    QVERIFY(!saved.errorString.isEmpty());
    QCOMPARE(readBytes(file), old);
    // No half-written temporary file is left behind.
    QCOMPARE(entriesOf(m_folder), QStringList{QStringLiteral("novel.txt")});
}

void TestTextFileCodec::saveIntoAMissingFolderFails()
{
    const QString file = path(QStringLiteral("vanished/doc.txt"));

    const TextSaveResult saved = saveTextFile(file, QStringLiteral("text"), TextFileFormat{});
    QVERIFY(!saved.ok);
    QVERIFY(!saved.errorString.isEmpty());
    QVERIFY(entriesOf(m_folder).isEmpty());
}

void TestTextFileCodec::saveOverAFolderFails()
{
    const QString folder = path(QStringLiteral("chapters"));
    QVERIFY(QDir().mkpath(folder));
    writeBytes(folder + QStringLiteral("/one.txt"), "one");

    const TextSaveResult saved = saveTextFile(folder, QStringLiteral("text"), TextFileFormat{});
    QVERIFY(!saved.ok);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(readBytes(folder + QStringLiteral("/one.txt")), QByteArray("one"));
    QCOMPARE(entriesOf(m_folder), QStringList{QStringLiteral("chapters")});
}

void TestTextFileCodec::saveKeepsPermissions_data()
{
    QTest::addColumn<int>("permissions");

    QTest::newRow("private to the owner") << 0600;
    QTest::newRow("group may read") << 0640;
    QTest::newRow("everyone may read and write") << 0666;
    QTest::newRow("executable script") << 0755;
}

void TestTextFileCodec::saveKeepsPermissions()
{
    QFETCH(int, permissions);
    const QString file = path(QStringLiteral("diary.txt"));
    writeBytes(file, "before\n");
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(permissions)), 0);

    const TextSaveResult saved = saveTextFile(file, QStringLiteral("after\r\n"), TextFileFormat{});
    QVERIFY(saved.ok);
    QCOMPARE(readBytes(file), QByteArray("after\n"));
    QCOMPARE(permissionsOf(file), mode_t(permissions));
}

void TestTextFileCodec::newFileGetsTheUsualPermissions()
{
    const QString file = path(QStringLiteral("fresh.txt"));

    QVERIFY(saveTextFile(file, QStringLiteral("new"), TextFileFormat{}).ok);
    QCOMPARE(permissionsOf(file), kNewFilePermissions);
}

void TestTextFileCodec::saveThroughASymlinkReplacesTheTarget_data()
{
    QTest::addColumn<QString>("linkTarget"); // as stored in the link
    QTest::addColumn<bool>("viaSecondLink");

    QTest::newRow("absolute link") << QStringLiteral("ABS") << false;
    QTest::newRow("relative link") << QStringLiteral("../library/real.txt") << false;
    QTest::newRow("link to a link") << QStringLiteral("ABS") << true;
}

void TestTextFileCodec::saveThroughASymlinkReplacesTheTarget()
{
    QFETCH(QString, linkTarget);
    QFETCH(bool, viaSecondLink);

    const QString library =
        test::IsolatedEnvironment::current()->root() + QStringLiteral("/library");
    QVERIFY(QDir().mkpath(library));
    const QString real = library + QStringLiteral("/real.txt");
    writeBytes(real, "old\r\n");
    if (linkTarget == QLatin1String("ABS"))
        linkTarget = real;
    QString link = path(QStringLiteral("link.txt"));
    QCOMPARE(
        ::symlink(QFile::encodeName(linkTarget).constData(), QFile::encodeName(link).constData()),
        0);
    if (viaSecondLink) {
        const QString outer = path(QStringLiteral("outer.txt"));
        QVERIFY(QFile::link(link, outer));
        link = outer;
    }

    const TextLoadResult loaded = loadTextFile(link);
    QCOMPARE(loaded.format.lineBreak, LineBreak::CrLf);
    const TextSaveResult saved = saveTextFile(link, QStringLiteral("new\r\n"), loaded.format);
    QVERIFY2(saved.ok, qPrintable(saved.errorString));

    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).canonicalFilePath(), QFileInfo(real).canonicalFilePath());
    QCOMPARE(readBytes(real), QByteArray("new\r\n"));
    QCOMPARE(entriesOf(library), QStringList{QStringLiteral("real.txt")});
}

void TestTextFileCodec::documentThatNeedsUtf8CarriesOnAsUtf8()
{
    const QString file = path(QStringLiteral("letter.txt"));
    writeBytes(file, "Dzie\xF1 dobry\r\n"); // ñ in Windows-1252
    const TextLoadResult loaded = loadTextFile(file);
    QCOMPARE(loaded.format.encoding, TextEncoding::Windows1252);

    const QString typed = loaded.text + QStringLiteral("Łódź 😀\r\n");
    const TextSaveResult saved = saveTextFile(file, typed, loaded.format);
    QVERIFY(saved.ok);
    QCOMPARE(saved.written, (TextFileFormat{TextEncoding::Utf8, LineBreak::CrLf}));
    QCOMPARE(readBytes(file), QByteArray("Dzie\xC3\xB1 dobry\r\n\xC5\x81\xC3\xB3"
                                         "d\xC5\xBA "
                                         "\xF0\x9F\x98\x80\r\n"));

    const TextLoadResult reloaded = loadTextFile(file);
    QCOMPARE(reloaded.text, typed);
    QCOMPARE(reloaded.format, saved.written);
}

void TestTextFileCodec::newDocumentIsWrittenAsUtf8WithLf()
{
    const QString file = path(QStringLiteral("untitled.txt"));

    const TextSaveResult saved =
        saveTextFile(file, QStringLiteral("Títle\r\n\r\nBody"), TextFileFormat{});
    QVERIFY(saved.ok);
    QCOMPARE(saved.written, (TextFileFormat{TextEncoding::Utf8, LineBreak::Lf}));
    QCOMPARE(readBytes(file), QByteArray("T\xC3\xADtle\n\nBody"));
}

CALMDESK_TEST_MAIN_CORE(TestTextFileCodec)

#include "tst_textfilecodec.moc"
