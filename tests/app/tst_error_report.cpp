// The text of the failure message box.

#include "zorimex/failure/error_report.h"

#include <QTest>

using zorimex::failure::AppError;

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void title() { QCOMPARE(zorimex::failure::ApplicationTitle(), QStringLiteral("ZRMX Ver.6")); }

    void text_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("text");
        const QString file = QStringLiteral("/home/taro/.local/share/Zorimex/Program Files/"
                                            "Zorimex 2002/or.txt");
        const QString shown = QDir::toNativeSeparators(file);
        QTest::newRow("file not found names the file")
            << 53 << file << ""
            << QStringLiteral("エラー 53: ファイルが見つかりません。\n") + shown;
        QTest::newRow("path not found names the file")
            << 76 << file << "" << QStringLiteral("エラー 76: パスが見つかりません。\n") + shown;
        QTest::newRow("empty file")
            << 62 << file << ""
            << QStringLiteral("エラー 62: ファイルの終わりを越えて読み込もうとしました。\n") +
                   shown;
        QTest::newRow("system detail in parentheses")
            << 61 << file << "No space left on device"
            << QStringLiteral("エラー 61: ディスクの空き容量が足りません。\n") + shown +
                   QStringLiteral("\n(No space left on device)");
        QTest::newRow("not about a file: one line")
            << 57 << QString() << QString()
            << QStringLiteral("エラー 57: デバイス I/O エラーです。");
        QTest::newRow("browser not started names the page")
            << 429 << QString() << "https://www.zrmx-kobo.example"
            << QStringLiteral(
                   "エラー 429: ブラウザを起動できません。\n(https://www.zrmx-kobo.example)");
        QTest::newRow("unknown number still described")
            << 9999 << QString() << QString()
            << QStringLiteral(
                   "エラー 9999: アプリケーション定義またはオブジェクト定義のエラーです。");
    }
    void text() {
        QFETCH(int, number);
        QFETCH(QString, path);
        QFETCH(QString, detail);
        QFETCH(QString, text);
        QCOMPARE(zorimex::failure::ErrorReportText(AppError::make(number, path, detail)), text);
    }

    void everyReportedNumberHasItsOwnDescription() {
        const int numbers[] = {53, 57, 61, 62, 75, 76, 429};
        QSet<QString> descriptions;
        for (int number : numbers)
            descriptions.insert(zorimex::failure::DescribeErrorNumber(number));
        descriptions.insert(zorimex::failure::DescribeErrorNumber(0));
        QCOMPARE(descriptions.size(), 8);
    }
};

QTEST_GUILESS_MAIN(ErrorReportTest)
#include "tst_error_report.moc"
