// Where "the current drive" is: Windows drive and share roots, and the data folder elsewhere.

#include "zorimex/preferences/drive_root.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using zorimex::preferences::DriveRoot;

namespace {

/// A row of the tables below, each of two text columns.
void TextRow(const char* name, const char* first, const char* second) {
    QTest::newRow(name) << QString::fromUtf8(first) << QString::fromUtf8(second);
}

} // namespace

class DriveRootTest : public QObject {
    Q_OBJECT

private slots:
    void rootOfPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("root");
        TextRow("drive letter", "C:/Users/taro", "C:/");
        TextRow("drive root itself", "D:/", "D:/");
        TextRow("drive letter alone", "F:", "F:/");
        TextRow("lower-case letter, backslashes", "e:\\work\\zorimex", "E:/");
        TextRow("network share", "//server/share/dir/sub", "//server/share/");
        TextRow("network share, backslashes", "\\\\server\\share\\dir", "//server/share/");
        TextRow("share itself", "//server/share", "//server/share/");
        TextRow("server without share", "//server", "/");
        TextRow("Unix path", "/home/taro/work", "/");
    }
    void rootOfPath() {
        QFETCH(QString, path);
        QFETCH(QString, root);
        QCOMPARE(DriveRoot::rootOfPath(path), root);
    }

    void resolve_data() {
        QTest::addColumn<QString>("rootRelative");
        QTest::addColumn<QString>("suffix");
        TextRow("root-relative with backslashes", "\\Program Files\\Zorimex 2002\\or.txt",
                "/Program Files/Zorimex 2002/or.txt");
        TextRow("without leading separator", "Program Files/Zorimex 2002",
                "/Program Files/Zorimex 2002");
        TextRow("the root itself", "\\", "");
    }
    void resolve() {
        QFETCH(QString, rootRelative);
        QFETCH(QString, suffix);
        QTemporaryDir drive;
        QCOMPARE(DriveRoot(drive.path()).resolve(rootRelative), drive.path() + suffix);
    }

    void relativeRootBecomesAbsolute() {
        const DriveRoot root(QStringLiteral("some/where/../here"));
        QVERIFY(QDir::isAbsolutePath(root.path()));
        QVERIFY(root.path().endsWith(QStringLiteral("/some/here")));
    }

    void invalidRootResolvesToNothing() {
        const DriveRoot root{QString()};
        QVERIFY(!root.isValid());
        QVERIFY(root.resolve(QStringLiteral("\\Program Files")).isEmpty());
    }

#ifdef Q_OS_WIN
    // Never the root of the current folder's drive: "\Program Files" there is not the user's.
    void currentIsTheZorimexFolderInTheUsersLocalData() {
        const QString localData = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
        QVERIFY(!localData.isEmpty());
        QVERIFY(QDir::setCurrent(QDir::rootPath()));

        const DriveRoot root = DriveRoot::current();

        QVERIFY(root.isValid());
        QCOMPARE(root.path().toLower(), (localData + QStringLiteral("/Zorimex")).toLower());
    }
#else
    void currentIsTheZorimexDataFolderWhateverTheNames_data() {
        QTest::addColumn<QString>("organisation");
        QTest::addColumn<QString>("application");
        TextRow("no names", "", "");
        TextRow("application only", "", "Zorimex");
        TextRow("organisation too", "ZRMX", "Zorimex");
        TextRow("other application name", "Kobo", "tst_drive_root");
    }
    void currentIsTheZorimexDataFolderWhateverTheNames() {
        QFETCH(QString, organisation);
        QFETCH(QString, application);
        QTemporaryDir dataHome;
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
        QCoreApplication::setOrganizationName(organisation);
        QCoreApplication::setApplicationName(application);

        const DriveRoot root = DriveRoot::current();

        qputenv("XDG_DATA_HOME", saved);
        QVERIFY(root.isValid());
        QCOMPARE(root.path(), dataHome.path() + QStringLiteral("/Zorimex"));
    }
#endif
};

QTEST_GUILESS_MAIN(DriveRootTest)
#include "tst_drive_root.moc"
