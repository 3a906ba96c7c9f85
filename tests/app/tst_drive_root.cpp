// Where "the current drive" is: Windows drive and share roots, and the data folder elsewhere.

#include "zorimex/preferences/drive_root.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using zorimex::preferences::DriveRoot;

class DriveRootTest : public QObject {
    Q_OBJECT

private slots:
    void rootOfPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("root");
        QTest::newRow("drive letter") << "C:/Users/taro"
                                      << "C:/";
        QTest::newRow("drive root itself") << "D:/"
                                           << "D:/";
        QTest::newRow("drive letter alone") << "F:"
                                            << "F:/";
        QTest::newRow("lower-case letter, backslashes") << "e:\\work\\zorimex"
                                                        << "E:/";
        QTest::newRow("network share") << "//server/share/dir/sub"
                                       << "//server/share/";
        QTest::newRow("network share, backslashes") << "\\\\server\\share\\dir"
                                                    << "//server/share/";
        QTest::newRow("share itself") << "//server/share"
                                      << "//server/share/";
        QTest::newRow("server without share") << "//server"
                                              << "/";
        QTest::newRow("Unix path") << "/home/taro/work"
                                   << "/";
    }
    void rootOfPath() {
        QFETCH(QString, path);
        QFETCH(QString, root);
        QCOMPARE(DriveRoot::rootOfPath(path), root);
    }

    void resolve_data() {
        QTest::addColumn<QString>("rootRelative");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("root-relative with backslashes") << "\\Program Files\\Zorimex 2002\\or.txt"
                                                        << "/Program Files/Zorimex 2002/or.txt";
        QTest::newRow("without leading separator") << "Program Files/Zorimex 2002"
                                                   << "/Program Files/Zorimex 2002";
        QTest::newRow("the root itself") << "\\"
                                         << "";
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
        QTest::newRow("no names") << ""
                                  << "";
        QTest::newRow("application only") << ""
                                          << "Zorimex";
        QTest::newRow("organisation too") << "ZRMX"
                                          << "Zorimex";
        QTest::newRow("other application name") << "Kobo"
                                                << "tst_drive_root";
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
