// The country selection window: a choice brings the main window forward and writes the rate and
// name; the window stays open until "選択終了".

#include "currency_table.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

using namespace zorimex::ui;
using namespace zorimex::ui::test;

namespace {

QWidget* OpenSelection() {
    Click(ShowForm(Form2::kNumber), QStringLiteral("Command4"));
    QWidget* selection = Loaded<Form4>();
    if (!selection || !QTest::qWaitForWindowActive(selection))
        QTest::qFail("the selection window did not open and become active", __FILE__, __LINE__);
    return selection;
}

// "Label7" is a mouse click; "Label7 keys" Tab until the label has the focus, then Space;
// "Label7 press" the press action of a screen reader.
void ClickControl(QWidget* selection, const QString& click) {
    QWidget* control = Control(selection, click.section(u' ', 0, 0));
    const QString how = click.section(u' ', 1);
    if (how == QLatin1String("keys")) {
        for (int tab = 0; tab < 40 && QApplication::focusWidget() != control; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control);
        QTest::keyClick(control, Qt::Key_Space);
    } else if (how == QLatin1String("press")) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    } else {
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
    }
}

QRadioButton* CheckedOption(QWidget* selection) {
    for (auto* option : selection->findChildren<QRadioButton*>())
        if (option->isChecked())
            return option;
    return nullptr;
}

} // namespace

class SelectionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    // Each control alone, then several in a row: the last one clicked writes its rate and name.
    void lastControlClickedWritesItsRate_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("name");
        for (const auto& currency : zorimex::test::kCurrencyRows) {
            const QString name = QString::fromUtf8(currency.name);
            const QString label = QStringLiteral("Label%1").arg(currency.row);
            const QString option = QStringLiteral("Option%1").arg(currency.option);
            QTest::newRow(qPrintable(label))
                << QStringList{label} << QString::fromUtf8(currency.listRate) << name;
            QTest::newRow(qPrintable(option))
                << QStringList{option} << QString::fromUtf8(currency.mapRate) << name;
        }
        QTest::newRow("Label1 then Option2") << QStringList{"Label1", "Option2"} << "78"
                                             << "カナダドル";
        QTest::newRow("Option2 then Label1") << QStringList{"Option2", "Label1"} << "80"
                                             << "カナダドル";
        QTest::newRow("Label13 then Option11") << QStringList{"Label13", "Option11"} << "180"
                                               << "英ポンド";
        QTest::newRow("Option11 then Label13") << QStringList{"Option11", "Label13"} << "185"
                                               << "英ポンド";
        QTest::newRow("several countries in a row")
            << QStringList{"Label2", "Option7", "Label16", "Option15"} << "14"
            << "南アフリカランド";
        QTest::newRow("the same label twice") << QStringList{"Label4", "Label4"} << "0.102"
                                              << "韓国ウォン";
        QTest::newRow("Option2 then Label1 from the keyboard")
            << QStringList{"Option2", "Label1 keys"} << "80"
            << "カナダドル";
        QTest::newRow("Option11 then Label13 by a screen reader")
            << QStringList{"Option11", "Label13 press"} << "185"
            << "英ポンド";
    }

    void lastControlClickedWritesItsRate() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, rate);
        QFETCH(QString, name);
        QWidget* selection = OpenSelection();
        QWidget* mainWindow = Windows().loaded(Form2::kNumber);
        for (const QString& control : clicks) {
            ClickControl(selection, control);
            QVERIFY(selection->isVisible());
        }
        QCOMPARE(FieldText(mainWindow, "Text5"), rate);
        QCOMPARE(FieldText(mainWindow, "Text6"), name);
    }

    void openingAndOption1WriteNothing() {
        QWidget* mainWindow = ShowForm(Form2::kNumber);
        Control<QLineEdit>(mainWindow, QStringLiteral("Text1"))->setText(QStringLiteral("12"));
        Control<QLineEdit>(mainWindow, QStringLiteral("Text6"))->setText(QStringLiteral("typed"));
        const QStringList before = FieldTexts(mainWindow);
        QWidget* selection = OpenSelection();
        QCOMPARE(FieldTexts(mainWindow), before);

        auto* option1 = Control<QRadioButton>(selection, QStringLiteral("Option1"));
        QCOMPARE(QApplication::focusWidget(), option1);
        QVERIFY(!CheckedOption(selection)); // focus on it selects nothing
        QTest::keyClick(option1, Qt::Key_Space);
        QVERIFY(option1->isChecked());
        QCOMPARE(FieldTexts(mainWindow), before);
        QCOMPARE(QApplication::activeWindow(), selection);
    }

    void choiceBringsMainWindowForwardAndStaysOpen() {
        QWidget* selection = OpenSelection();
        QWidget* mainWindow = Windows().loaded(Form2::kNumber);
        QCOMPARE(QApplication::activeWindow(), selection);
        Control<QLineEdit>(mainWindow, QStringLiteral("Text8"))->setText(QStringLiteral("13"));
        ClickControl(selection, QStringLiteral("Option12"));
        QTRY_COMPARE(QApplication::activeWindow(), mainWindow);
        QVERIFY(selection->isVisible());
        QCOMPARE(Windows().loaded(Form4::kNumber), selection);
        // No conversion runs: the earlier result stays until the user converts again.
        QCOMPARE(FieldText(mainWindow, "Text8"), QStringLiteral("13"));
        QVERIFY(FieldText(mainWindow, "Text11").isEmpty());
    }

    void labelChoiceLeavesMapSelectionAlone() {
        QWidget* selection = OpenSelection();
        ClickControl(selection, QStringLiteral("Option9"));
        ClickControl(selection, QStringLiteral("Label1"));
        QCOMPARE(CheckedOption(selection)->objectName(), QStringLiteral("Option9"));
        QCOMPARE(FieldText(Windows().loaded(Form2::kNumber), "Text6"),
                 QStringLiteral("カナダドル"));
    }

    void arrowKeysChooseOnceEach() {
        QWidget* selection = OpenSelection();
        QWidget* mainWindow = Windows().loaded(Form2::kNumber);
        ClickControl(selection, QStringLiteral("Option7")); // China
        // The user comes back to the selection window and moves the selection with the keyboard.
        Windows().show(selection);
        QVERIFY(QTest::qWaitForWindowActive(selection));
        auto* name = Control<QLineEdit>(mainWindow, QStringLiteral("Text6"));
        QSignalSpy writes(name, &QLineEdit::textChanged);
        QRadioButton* from = CheckedOption(selection);
        QCOMPARE(QApplication::focusWidget(), from);
        QTest::keyClick(from, Qt::Key_Down);
        QRadioButton* to = CheckedOption(selection);
        QVERIFY(to && to != from);
        QTRY_COMPARE(QApplication::activeWindow(), mainWindow);
        QCOMPARE(writes.count(), 1);
        const auto choice = zorimex::ChoiceForControl(to->objectName().toStdString());
        QVERIFY(choice);
        QCOMPARE(name->text(),
                 QString::fromUtf8(choice->currency->name.data(),
                                   static_cast<qsizetype>(choice->currency->name.size())));
    }

    void reopeningStartsUnselectedAndKeepsTheTexts() {
        QWidget* selection = OpenSelection();
        QWidget* mainWindow = Windows().loaded(Form2::kNumber);
        ClickControl(selection, QStringLiteral("Option14"));
        QVERIFY(CheckedOption(selection));
        Windows().show(selection);
        QTest::mouseClick(Control<QAbstractButton>(selection, QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(!Windows().loaded(Form4::kNumber));
        SettleDeletions();

        QWidget* reopened = OpenSelection();
        QVERIFY(reopened);
        QVERIFY(!CheckedOption(reopened));
        QCOMPARE(FieldText(mainWindow, "Text5"), QStringLiteral("55.4"));
        QCOMPARE(FieldText(mainWindow, "Text6"), QStringLiteral("ブラジルリアル"));
    }

    void openingAgainKeepsTheMapSelection() {
        QWidget* selection = OpenSelection();
        ClickControl(selection, QStringLiteral("Option3"));
        QWidget* again = OpenSelection();
        QCOMPARE(again, selection);
        QCOMPARE(CheckedOption(selection)->objectName(), QStringLiteral("Option3"));
        QCOMPARE(QApplication::activeWindow(), selection);
    }

    void choiceAfterMainWindowClosedMakesAFreshOne() {
        QWidget* selection = OpenSelection();
        QPointer<QWidget> oldMain = Windows().loaded(Form2::kNumber);
        Control<QLineEdit>(oldMain, QStringLiteral("Text1"))->setText(QStringLiteral("50"));
        oldMain->close(); // through its frame; the selection window keeps the program running
        SettleDeletions();
        QVERIFY(oldMain.isNull());
        QVERIFY(selection->isVisible());

        ClickControl(selection, QStringLiteral("Label17"));
        QWidget* mainWindow = Windows().loaded(Form2::kNumber);
        QVERIFY(mainWindow);
        QVERIFY(mainWindow->isVisible());
        QStringList expected(11, QString());
        expected[4] = QStringLiteral("2.5");
        expected[5] = QStringLiteral("インドルピー");
        QCOMPARE(FieldTexts(mainWindow), expected);
    }
};

QTEST_MAIN(SelectionWindowTest)
#include "tst_selection_window.moc"
