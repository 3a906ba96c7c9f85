// The preference file on a temporary drive root: what start-up reads, what the consent answers
// write, and what a failing disk leaves behind.

#include "drive_files.h"
#include "failing_file_calls.h"
#include "ordinary_user.h"

#include "zorimex/preferences/durable_write_test_hooks.h"
#include "zorimex/preferences/preference_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using zorimex::failure::AppError;
using zorimex::preferences::DriveRoot;
using zorimex::preferences::DurableWriter;
using zorimex::preferences::PreferenceFile;
using namespace zorimex::test;
namespace error_number = zorimex::failure::error_number;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

#ifndef Q_OS_WIN
// Opens the temporary file only after taking its name, the first time, as another writer might.
QByteArray g_takenName;
int OpenAfterTakingTheName(const char* path, int flags, mode_t mode) {
    if (g_takenName.isEmpty()) {
        g_takenName = path;
        ::close(::open(path, O_WRONLY | O_CREAT | O_EXCL, 0600));
    }
    return zorimex::preferences::FileCalls::system().open(path, flags, mode);
}
#endif

} // namespace

class PreferenceFileTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> driveDir_;
    QTemporaryDir& drive() const { return *driveDir_; }
    QString folder() const {
        return drive().filePath(QStringLiteral("Program Files/Zorimex 2002"));
    }
    QString file() const { return folder() + QStringLiteral("/or.txt"); }
    PreferenceFile preferences() const { return PreferenceFile(DriveRoot(drive().path())); }
    /// Makes the folder, with or.txt in it holding exactly bytes.
    bool fileHolds(const QByteArray& bytes) const {
        return PrepareDrive(drive().path(), DriveHolds::FileWithContent, bytes);
    }

private slots:
    void init() {
        driveDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(driveDir_->isValid());
    }

    void firstLineIsTheValue_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::newRow("U with CR LF") << QByteArray("U\r\n") << "U";
        QTest::newRow("Y with LF alone") << QByteArray("Y\n") << "Y";
        QTest::newRow("Y with CR alone") << QByteArray("Y\r") << "Y";
        QTest::newRow("Y without line end") << QByteArray("Y") << "Y";
        QTest::newRow("only the first of several lines") << QByteArray("N\r\nY\r\n") << "N";
        QTest::newRow("first of LF lines") << QByteArray("N\nY\n") << "N";
        QTest::newRow("CR alone ends the line before a LF line") << QByteArray("N\rY\n") << "N";
        QTest::newRow("trailing blank kept") << QByteArray("Y \r\n") << "Y ";
        QTest::newRow("leading blank kept") << QByteArray(" Y\r\n") << " Y";
        QTest::newRow("tab kept") << QByteArray("Y\t\r\n") << "Y\t";
        QTest::newRow("lower case kept") << QByteArray("y\r\n") << "y";
        QTest::newRow("longer value beginning with Y") << QByteArray("Yes\r\n") << "Yes";
        QTest::newRow("empty first line CR LF") << QByteArray("\r\nY\r\n") << "";
        QTest::newRow("empty first line LF") << QByteArray("\nY") << "";
        QTest::newRow("only a CR") << QByteArray("\r") << "";
        QTest::newRow("LF CR is two line ends") << QByteArray("Y\n\rN") << "Y";
        QTest::newRow("byte order mark is not skipped")
            << QByteArray("\xEF\xBB\xBFY\r\n") << QString::fromLatin1("\xEF\xBB\xBFY");
        QTest::newRow("invalid UTF-8 read byte by byte")
            << QByteArray("\xFF\xFE\xC3\r\n") << QString::fromLatin1("\xFF\xFE\xC3");
        QTest::newRow("NUL bytes are characters")
            << QByteArray("Y\0\0\r\n", 5) << QString::fromLatin1(QByteArray("Y\0\0", 3));
        QTest::newRow("only NUL") << QByteArray("\0", 1) << QString(QChar(u'\0'));
        QTest::newRow("Shift-JIS bytes")
            << QByteArray("\x82\xCD\x82\xA2\r\n") << QString::fromLatin1("\x82\xCD\x82\xA2");
    }
    void firstLineIsTheValue() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        QVERIFY(fileHolds(bytes));

        const auto read = preferences().read();
        QVERIFY(read.ok());
        QCOMPARE(read.value, value);
        QCOMPARE(FileBytes(file()), bytes); // reading changes nothing
    }

    void hugeLineWithoutLineEndIsReadOnlyInPart() {
        QVERIFY(fileHolds(QByteArray(1024 * 1024, 'Y')));
        const auto read = preferences().read();
        QVERIFY(read.ok());
        QCOMPARE(read.value.size(), PreferenceFile::kReadLimit);
        QVERIFY(read.value != QStringLiteral("Y"));
    }

    void lineEndRightAfterTheReadLimitIsNotNeeded() {
        QByteArray bytes(PreferenceFile::kReadLimit - 1, 'N');
        bytes += "\r\n";
        QVERIFY(fileHolds(bytes));
        QCOMPARE(preferences().read().value.size(), PreferenceFile::kReadLimit - 1);
    }

    void readFailures_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("number");
        QTest::newRow("no folder: path not found") << "no folder" << error_number::kPathNotFound;
        QTest::newRow("no Program Files either")
            << "no drive folders" << error_number::kPathNotFound;
        QTest::newRow("a file where the folder belongs")
            << "file as folder" << error_number::kPathNotFound;
        QTest::newRow("folder without file: file not found")
            << "no file" << error_number::kFileNotFound;
#ifndef Q_OS_WIN // links, pipes and unreadable files are POSIX things
        QTest::newRow("dangling link: file not found")
            << "dangling link" << error_number::kFileNotFound;
#endif
        QTest::newRow("empty file: input past end") << "empty" << error_number::kInputPastEnd;
        QTest::newRow("a folder named or.txt: access error")
            << "folder as file" << error_number::kPathFileAccess;
#ifndef Q_OS_WIN
        QTest::newRow("a pipe named or.txt: access error, no hang")
            << "pipe" << error_number::kPathFileAccess;
        QTest::newRow("unreadable file: access error")
            << "unreadable" << error_number::kPathFileAccess;
#endif
    }
    void readFailures() {
        QFETCH(QString, situation);
        QFETCH(int, number);
        const QString programFiles = drive().filePath(QStringLiteral("Program Files"));
        if (situation == QLatin1String("no drive folders")) {
        } else if (situation == QLatin1String("no folder")) {
            QVERIFY(QDir().mkpath(programFiles));
        } else if (situation == QLatin1String("file as folder")) {
            QVERIFY(QDir().mkpath(programFiles));
            QVERIFY(WriteFileBytes(folder(), "U\r\n"));
        } else {
            QVERIFY(QDir().mkpath(folder()));
            if (situation == QLatin1String("dangling link"))
                QVERIFY(QFile::link(drive().filePath(QStringLiteral("gone.txt")), file()));
            else if (situation == QLatin1String("empty"))
                QVERIFY(WriteFileBytes(file(), QByteArray()));
            else if (situation == QLatin1String("folder as file"))
                QVERIFY(QDir().mkpath(file()));
#ifndef Q_OS_WIN
            else if (situation == QLatin1String("pipe"))
                QCOMPARE(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
            else if (situation == QLatin1String("unreadable")) {
                QVERIFY(WriteFileBytes(file(), "Y\r\n"));
                QVERIFY(QFile::setPermissions(file(), QFileDevice::WriteOwner));
            }
#endif
        }

        const AsOrdinaryUser user(drive().path());
        QVERIFY2(user.ok(), qPrintable(user.error()));
        const auto read = preferences().read();
        QVERIFY(!read.ok());
        QCOMPARE(read.error->number, number);
        QCOMPARE(read.error->path, file());
        QVERIFY(!read.error->description.isEmpty());
    }

    void invalidDriveRootFindsNothing() {
        const PreferenceFile nowhere{DriveRoot(QString())};
        QVERIFY(nowhere.path().isEmpty());
        QCOMPARE(nowhere.read().error->number, error_number::kPathNotFound);
        QCOMPARE(nowhere.write('Y')->number, error_number::kPathNotFound);
        QCOMPARE(nowhere.ensureInstalled()->number, error_number::kPathNotFound);
        QVERIFY(!QFileInfo::exists(QStringLiteral("Program Files/Zorimex 2002")));
    }

    void firstRunInstallsUnanswered() {
        QVERIFY(!preferences().ensureInstalled());
        QCOMPARE(FileBytes(file()), QByteArray("U\r\n"));
        QCOMPARE(StrayEntries(folder()), QStringList());
    }

    void writeLeavesExactlyOneLine_data() {
        QTest::addColumn<char>("answer");
        QTest::addColumn<std::optional<QByteArray>>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray yes("\x59\x0D\x0A");
        const QByteArray no("\x4E\x0D\x0A");
        QTest::newRow("Y replaces U") << 'Y' << std::optional(QByteArray("U\r\n")) << yes;
        QTest::newRow("N replaces U") << 'N' << std::optional(QByteArray("U\r\n")) << no;
        QTest::newRow("Y creates a missing file") << 'Y' << std::optional<QByteArray>() << yes;
        QTest::newRow("N fills an empty file") << 'N' << std::optional(QByteArray()) << no;
        QTest::newRow("Y replaces several lines")
            << 'Y' << std::optional(QByteArray("U\r\nsecond\r\nthird\n")) << yes;
        QTest::newRow("N replaces a long file")
            << 'N' << std::optional(QByteArray(200000, 'x')) << no;
        QTest::newRow("Y replaces Y") << 'Y' << std::optional(QByteArray("Y\r\n")) << yes;
    }
    void writeLeavesExactlyOneLine() {
        QFETCH(char, answer);
        QFETCH(std::optional<QByteArray>, before);
        QFETCH(QByteArray, after);
        QVERIFY(before ? fileHolds(*before) : QDir().mkpath(folder()));

        QVERIFY(!preferences().write(answer));
        QCOMPARE(FileBytes(file()), after);
        QCOMPARE(StrayEntries(folder()), QStringList());
    }

    void writeClearsTemporariesLeftByAKilledWriterOnly() {
        QVERIFY(QDir().mkpath(folder()));
        const QString stale = folder() + QStringLiteral("/.or.txt.0badcafe.tmp");
        const QString fresh = folder() + QStringLiteral("/.or.txt.12345678.tmp");
        const QString unrelated = folder() + QStringLiteral("/.notes.0badcafe.tmp");
        for (const QString& path : {stale, fresh, unrelated}) {
            QVERIFY(WriteFileBytes(path, "Y"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (path != fresh)
                QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                         QFileDevice::FileModificationTime));
        }
        QVERIFY(!preferences().write('N'));
        QCOMPARE(FileBytes(file()), QByteArray("N\r\n"));
        QVERIFY(!QFile::exists(stale));
        QVERIFY(QFile::exists(fresh)); // may belong to a writer still at work
        QVERIFY(QFile::exists(unrelated));
    }

    void writeWorksBelowAJapaneseFolderName() {
        const QString root = drive().filePath(QStringLiteral("ドライブ 甲"));
        QVERIFY(QDir().mkpath(root));
        const PreferenceFile file{DriveRoot(root)};
        QVERIFY(!file.ensureInstalled());
        QVERIFY(!file.write('N'));
        QCOMPARE(file.read().value, QStringLiteral("N"));
    }

#ifndef Q_OS_WIN // POSIX file modes and symbolic links
    void writeKeepsTheFileMode() {
        QVERIFY(fileHolds("U\r\n"));
        QVERIFY(QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup));
        QVERIFY(!preferences().write('Y'));
        QCOMPARE(QFile::permissions(file()) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    }

    void writeGoesThroughASymbolicLink() {
        QVERIFY(QDir().mkpath(folder()));
        const QString real = drive().filePath(QStringLiteral("real-or.txt"));
        QVERIFY(WriteFileBytes(real, "U\r\n"));
        QVERIFY(QFile::link(real, file()));
        QVERIFY(!preferences().write('N'));
        QVERIFY(QFileInfo(file()).isSymLink());
        QCOMPARE(FileBytes(real), QByteArray("N\r\n"));
    }

#endif

    void writeWithoutTheFolderIsPathNotFound() {
        QVERIFY(QDir().mkpath(drive().filePath(QStringLiteral("Program Files"))));
        const auto error = preferences().write('Y');
        QVERIFY(error);
        QCOMPARE(error->number, error_number::kPathNotFound);
        QCOMPARE(error->path, file());
        QVERIFY(!QFileInfo::exists(folder())); // nothing created on the way
    }

    void writeOverAFolderChangesNothing() {
        QVERIFY(QDir().mkpath(file()));
        QVERIFY(WriteFileBytes(file() + QStringLiteral("/inside.txt"), "kept"));
        const auto error = preferences().write('Y');
        QVERIFY(error);
        QCOMPARE(error->number, error_number::kPathFileAccess);
        QVERIFY(QFileInfo(file()).isDir());
        QCOMPARE(FileBytes(file() + QStringLiteral("/inside.txt")), QByteArray("kept"));
        QCOMPARE(StrayEntries(folder()), QStringList());
    }

    void writeToAReadOnlyFileChangesNothing() {
        QVERIFY(fileHolds("U\r\n"));
        QVERIFY(QFile::setPermissions(file(), QFileDevice::ReadOwner));
        std::optional<AppError> error;
        {
            const AsOrdinaryUser user(drive().path());
            QVERIFY2(user.ok(), qPrintable(user.error()));
            error = preferences().write('Y');
        }
        QVERIFY(error);
        QCOMPARE(error->number, error_number::kPathFileAccess);
        QCOMPARE(FileBytes(file()), QByteArray("U\r\n"));
    }

    void writeFailingPartWayKeepsTheOldContent_data() {
        QTest::addColumn<FailingCall>("call");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("number");
#ifdef Q_OS_WIN
        QTest::newRow("disk full on write")
            << FailingCall::Write << int(ERROR_DISK_FULL) << error_number::kDiskFull;
        QTest::newRow("quota on write") << FailingCall::Write << 1295 << error_number::kDiskFull;
        QTest::newRow("device error on write")
            << FailingCall::Write << int(ERROR_CRC) << error_number::kDeviceIo;
        QTest::newRow("disk full before the last byte")
            << FailingCall::ShortWrite << int(ERROR_HANDLE_DISK_FULL) << error_number::kDiskFull;
        QTest::newRow("a write that takes nothing")
            << FailingCall::WriteNothing << 0 << error_number::kDeviceIo;
        QTest::newRow("device error on flush")
            << FailingCall::Sync << int(ERROR_IO_DEVICE) << error_number::kDeviceIo;
        QTest::newRow("disk full on close")
            << FailingCall::Close << int(ERROR_DISK_FULL) << error_number::kDiskFull;
        QTest::newRow("file in use on replace")
            << FailingCall::Rename << int(ERROR_SHARING_VIOLATION) << error_number::kPathFileAccess;
        QTest::newRow("write-protected on replace")
            << FailingCall::Rename << int(ERROR_WRITE_PROTECT) << error_number::kPathFileAccess;
#else
        QTest::newRow("read-only file system on open")
            << FailingCall::Open << EROFS << error_number::kPathFileAccess;
        QTest::newRow("no space for the temporary file on open")
            << FailingCall::Open << ENOSPC << error_number::kDiskFull;
        QTest::newRow("disk full on write")
            << FailingCall::Write << ENOSPC << error_number::kDiskFull;
        QTest::newRow("quota on write") << FailingCall::Write << EDQUOT << error_number::kDiskFull;
        QTest::newRow("device error on write")
            << FailingCall::Write << EIO << error_number::kDeviceIo;
        QTest::newRow("disk full before the last byte")
            << FailingCall::ShortWrite << ENOSPC << error_number::kDiskFull;
        QTest::newRow("a write that takes nothing")
            << FailingCall::WriteNothing << 0 << error_number::kDeviceIo;
        QTest::newRow("device error on sync")
            << FailingCall::Sync << EIO << error_number::kDeviceIo;
        QTest::newRow("disk full on close")
            << FailingCall::Close << ENOSPC << error_number::kDiskFull;
        QTest::newRow("read-only file system on rename")
            << FailingCall::Rename << EROFS << error_number::kPathFileAccess;
#endif
    }
    void writeFailingPartWayKeepsTheOldContent() {
        QFETCH(FailingCall, call);
        QFETCH(int, code);
        QFETCH(int, number);
        const QByteArray before("U\r\nsecond line\r\n");
        QVERIFY(fileHolds(before));

        const PreferenceFile failing{DriveRoot(drive().path()), WriterFailingAt(call, code)};

        const auto error = failing.write('Y');
        QVERIFY(error);
        QCOMPARE(error->number, number);
        QCOMPARE(error->path, file());
        QVERIFY(!error->detail.isEmpty());
        QCOMPARE(FileBytes(file()), before);
        QCOMPARE(StrayEntries(folder()), QStringList());
    }

#ifndef Q_OS_WIN // the temporary file's name is chosen by the POSIX writer
    void writeTakesAnotherTemporaryNameWhenOneIsTaken() {
        QVERIFY(fileHolds("U\r\n"));
        zorimex::preferences::FileCalls calls = zorimex::preferences::FileCalls::system();
        calls.open = OpenAfterTakingTheName;
        g_takenName.clear();
        const PreferenceFile file{DriveRoot(drive().path()), DurableWriter(calls)};

        QVERIFY(!file.write('Y'));
        QCOMPARE(FileBytes(file.path()), QByteArray("Y\r\n"));
        // The other writer's file is left alone.
        QVERIFY(!g_takenName.isEmpty());
        QCOMPARE(StrayEntries(folder()),
                 QStringList{QFileInfo(QFile::decodeName(g_takenName)).fileName()});
    }
#endif
};

QTEST_GUILESS_MAIN(PreferenceFileTest)
#include "tst_preference_file.moc"
