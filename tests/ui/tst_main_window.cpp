// The main window driven as a user drives it: typing, choosing a currency, the three "換算"
// buttons, "もっと正確！", the menus and the keyboard.

#include "window_test_support.h"
#include "zorimex/ui/form2.h"

#include <QAbstractButton>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

using namespace zorimex::ui;
using namespace zorimex::ui::test;

namespace {

void Type(QWidget* window, const char* field, const QString& typed) {
    auto* edit = Control<QLineEdit>(window, QString::fromLatin1(field));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar character : typed) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(edit, character.toLatin1());
        } else { // what a Japanese input method delivers when a conversion is committed
            QInputMethodEvent committed;
            committed.setCommitString(QString(character));
            QApplication::sendEvent(edit, &committed);
        }
    }
}

/// Chooses a currency the way a user does: "国を選択", then a label or map button.
void ChooseCurrency(QWidget* mainWindow, const QString& control) {
    Click(mainWindow, QStringLiteral("Command4"));
    Click<Form4>(control);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    void conversionsByClicks_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("currency"); // the selection-window control the user clicks
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("exact");         // Text11
        QTest::addColumn<QStringList>("breakdown"); // Text8, Text7, Text3
        QTest::addColumn<QString>("dollarWithTax");
        QTest::addColumn<QString>("yenWithTax");
        auto row = [](const char* title, const char* amount, const char* currency, const char* name,
                      const char* exact, const QStringList& breakdown, const char* dollarWithTax,
                      const char* yenWithTax) {
            QTest::newRow(title) << QString::fromUtf8(amount) << QString::fromUtf8(currency)
                                 << QString::fromUtf8(name) << QString::fromUtf8(exact) << breakdown
                                 << QString::fromUtf8(dollarWithTax)
                                 << QString::fromUtf8(yenWithTax);
        };
        row("1234.56 euros reads 13万5千802", "1234.56", "Label14", "EUユーロ", "135801.6",
            {"13", "5", "802"}, "1333.3248", "135842.1");
        row("12.5 Canadian dollars from the list keeps the three zeros", "12.5", "Label1",
            "カナダドル", "1000", {"0", "1", "000"}, "13.5", "010");
        row("5 baht from the list rounds a half away from zero", "5", "Label6", "タイバーツ",
            "13.5", {"0", "0", "14"}, "5.4", "0014.7");
        row("a million US dollars from the map", "1000000", "Option18", "米ドル", "130000000",
            {"13000", "0", "000"}, "1080000", "1300000");
        row("4.1 yuan: the exact amount is the 15-digit text", "4.1", "Label10", "中国元", "61.5",
            {"0", "0", "62"}, "4.428", "0065.1");
        row("a negative amount ends with 千 at 0", "-3", "Label1", "カナダドル", "-240",
            {"0", "0", "240"}, "-3.24", "00252");
        row("12.5 Canadian dollars from the map uses the map rate 78", "12.5", "Option2",
            "カナダドル", "975", {"0", "0", "975"}, "13.5", "001023.75");
    }

    void conversionsByClicks() {
        QFETCH(QString, amount);
        QFETCH(QString, currency);
        QFETCH(QString, name);
        QFETCH(QString, exact);
        QFETCH(QStringList, breakdown);
        QFETCH(QString, dollarWithTax);
        QFETCH(QString, yenWithTax);

        QWidget* window = ShowForm(Form2::kNumber);
        Type(window, "Text1", amount);
        ChooseCurrency(window, currency);
        QCOMPARE(FieldText(window, "Text6"), name);
        Click(window, "Command1");
        QCOMPARE(FieldText(window, "Text11"), exact);
        QCOMPARE(FieldText(window, "Text9"), exact);
        QCOMPARE((QStringList{FieldText(window, "Text8"), FieldText(window, "Text7"),
                              FieldText(window, "Text3")}),
                 breakdown);
        QVERIFY(FieldText(window, "Text2").isEmpty()); // each tax figure waits for its own button
        QVERIFY(FieldText(window, "Text4").isEmpty());
        Click(window, "Command2");
        QCOMPARE(FieldText(window, "Text2"), dollarWithTax);
        Click(window, "Command3");
        QCOMPARE(FieldText(window, "Text4"), yenWithTax);
        QCOMPARE(FieldText(window, "Text1"), amount);
    }

    void exactAmountMessage_data() {
        QTest::addColumn<QString>("amount"); // empty: no conversion before the press
        QTest::addColumn<QString>("message");
        QTest::newRow("after converting 1234.56 euros") << "1234.56"
                                                        << "135801.6円";
        QTest::newRow("after converting 4.1 at 15, not the rounded 62") << "4.1"
                                                                        << "61.5円";
        QTest::newRow("before any conversion") << QString() << "円";
    }

    void exactAmountMessage() {
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QWidget* window = ShowForm(Form2::kNumber);
        if (!amount.isEmpty()) {
            Type(window, "Text1", amount);
            ChooseCurrency(window, amount == "4.1" ? "Label10" : "Label14");
            Click(window, "Command1");
        }
        MessageBoxWatcher watcher;
        Click(window, QStringLiteral("Command6"));
        QCOMPARE(watcher.boxes().size(), 1);
        const SeenBox& seen = watcher.boxes().first();
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.title, QStringLiteral("ZRMX Ver.6"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, 1);
        QVERIFY(seen.modal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void failedStepsLeaveFieldsAsTheyWere() {
        QWidget* window = ShowForm(Form2::kNumber);
        Type(window, "Text1", QStringLiteral("1234.56"));
        ChooseCurrency(window, QStringLiteral("Label14"));
        for (const char* button : {"Command1", "Command2", "Command3"})
            Click(window, button);
        const QStringList before = FieldTexts(window).mid(1); // all but the amount

        // Not a number: every step that reads it fails, and the rest recompute the same texts.
        Type(window, "Text1", QStringLiteral("12.5円"));
        for (const char* button : {"Command1", "Command2", "Command3"})
            Click(window, button);
        QCOMPARE(FieldTexts(window).mid(1), before);
    }

    void typingComputesNothing() {
        QWidget* window = ShowForm(Form2::kNumber);
        Type(window, "Text1", QStringLiteral("1234.56"));
        Type(window, "Text5", QStringLiteral("110"));
        for (int field = 2; field <= 11; ++field) {
            if (field != 5)
                QVERIFY(FieldText(window, QStringLiteral("Text%1").arg(field)).isEmpty());
        }
        // The rate is read at the press: what was typed into the hidden Text5 is what multiplies.
        Click(window, "Command1");
        QCOMPARE(FieldText(window, "Text11"), QStringLiteral("135801.6"));
    }

    void enterAndSpacePressTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void enterAndSpacePressTheFocusedButton() {
        QFETCH(int, key);
        QWidget* window = ShowForm(Form2::kNumber);
        Type(window, "Text1", QStringLiteral("1234.56"));
        Type(window, "Text5", QStringLiteral("110"));
        auto* convert = Control<QAbstractButton>(window, QStringLiteral("Command1"));
        convert->setFocus();
        QTest::keyClick(convert, static_cast<Qt::Key>(key));
        QCOMPARE(FieldText(window, "Text8"), QStringLiteral("13"));
    }

    void menuCommandsOpenTheirWindows_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("form");
        QTest::newRow("気を付けたいこと") << "pk" << Form5::kNumber;
        QTest::newRow("標準ホテル料金") << "hotel" << Form6::kNumber;
        QTest::newRow("バージョン情報") << "version" << Form3::kNumber;
    }

    void menuCommandsOpenTheirWindows() {
        QFETCH(QString, command);
        QFETCH(int, form);
        QWidget* window = ShowForm(Form2::kNumber);
        QVERIFY(!Windows().loaded(form));
        Control<QAction>(window, command)->trigger();
        QWidget* opened = Windows().loaded(form);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QVERIFY(opened->parentWidget() == nullptr); // modeless, no owner
        QVERIFY(!opened->isModal());
        QTRY_COMPARE(QApplication::activeWindow(), opened);
        QVERIFY(window->isVisible()); // the main window stays
    }

    // The captions carry no key marks, yet the menus open from the keyboard as on any desktop.
    void menusOpenFromTheKeyboard() {
        auto* window = qobject_cast<QMainWindow*>(ShowForm(Form2::kNumber));
        QVERIFY(window);
        QMenuBar* bar = window->menuBar();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTRY_VERIFY(bar->activeAction());
        QCOMPARE(bar->activeAction()->menu()->objectName(), QStringLiteral("files"));
        QTRY_VERIFY(QApplication::activePopupWidget());
        while (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        QTest::keyClick(window->findChild<QWidget*>(QStringLiteral("Text1")), Qt::Key_V,
                        Qt::AltModifier);
        QVERIFY(Windows().loaded(Form3::kNumber));
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        QTest::keySequence(window->findChild<QWidget*>(QStringLiteral("Text1")),
                           Control<QAction>(window, QStringLiteral("finish"))->shortcut());
        // "終了" ended the program: every window went at once, the About window too.
        QVERIFY(LoadedWindows().isEmpty());
        const auto desktopQuit = QKeySequence::keyBindings(QKeySequence::Quit);
        QVERIFY(desktopQuit.isEmpty() ||
                Control<QAction>(window, QStringLiteral("finish"))->shortcuts() == desktopQuit);
    }

    void windowsOpenedTwiceAreBroughtForward() {
        QWidget* window = ShowForm(Form2::kNumber);
        Click(window, "Command4");
        QWidget* selection = Windows().loaded(Form4::kNumber);
        QVERIFY(selection);
        Control<QAction>(window, QStringLiteral("pk"))->trigger();
        Control<QAction>(window, QStringLiteral("hotel"))->trigger();
        Control<QAction>(window, QStringLiteral("version"))->trigger();
        for (int form : {Form3::kNumber, Form4::kNumber, Form5::kNumber, Form6::kNumber})
            QVERIFY(Windows().loaded(form)->isVisible());
        Click(window, "Command4");
        QCOMPARE(Windows().loaded(Form4::kNumber), selection);
        QTRY_COMPARE(QApplication::activeWindow(), selection);
        QCOMPARE(QApplication::topLevelWidgets().count(selection), 1);
    }

    void noFieldLimitsItsLength() {
        QWidget* window = ShowForm(Form2::kNumber);
        const QString pasted = QString(40000, QLatin1Char('9'));
        for (int field = 1; field <= 11; ++field) {
            auto* edit = Control<QLineEdit>(window, QStringLiteral("Text%1").arg(field));
            QInputMethodEvent committed;
            committed.setCommitString(pasted);
            QApplication::sendEvent(edit, &committed);
            QCOMPARE(edit->text().size(), pasted.size());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
