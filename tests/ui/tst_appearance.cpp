// What every window relies on to look as designed: Japanese fonts behind the stored face names,
// the system colour table, and captions that are never cut off.

#include "window_test_support.h"
#include "zorimex/ui/caption_label.h"
#include "zorimex/ui/japanese_fonts.h"
#include "zorimex/ui/picture_button.h"
#include "zorimex/ui/system_colours.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QRawFont>

using namespace zorimex::ui;
using namespace zorimex::ui::test;

namespace {

/// The pixels the caption's letters cover: the label drawn with and without its caption.
QRect InkOf(CaptionLabel* label) {
    const QImage drawn = label->grab().toImage();
    const QString caption = label->text();
    label->setText(QString());
    const QImage blank = label->grab().toImage();
    label->setText(caption);
    QRect ink;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) != blank.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

// How far a one-line caption may be narrowed and stay legible. Windows' font engine rounds each
// letter's advance to whole pixels (hinting), so at 12 px the 31 letters of the start-up window's
// copyright line come out about 7% wider there than on Linux, and need 0.70.
#ifdef Q_OS_WIN
constexpr qreal kNarrowestCaption = 0.70;
#else
constexpr qreal kNarrowestCaption = 0.75;
#endif

class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    void storedFacesDrawJapanese_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("fixedPitch");
        // The faces the window definitions store, as a Japanese Windows desktop names them.
        QTest::newRow("ＭＳ ゴシック") << QStringLiteral("ＭＳ ゴシック") << true;
        QTest::newRow("ＭＳ Ｐゴシック") << QStringLiteral("ＭＳ Ｐゴシック") << false;
        QTest::newRow("ＭＳ Ｐ明朝") << QStringLiteral("ＭＳ Ｐ明朝") << false;
        QTest::newRow("HG創英角ﾎﾟｯﾌﾟ体") << QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体") << false;
        QTest::newRow("toolkit default font") << QApplication::font().family() << false;
    }

    void storedFacesDrawJapanese() {
        QFETCH(QString, face);
        QFETCH(bool, fixedPitch);
        QFont font(face);
        font.setPointSizeF(9);
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY(raw.isValid());
        for (const QChar character : QStringLiteral("円あア万千￡"))
            QVERIFY2(raw.supportsCharacter(character), qPrintable(QString(character)));
        // The fixed-pitch face keeps the breakdown digits in their columns; the P faces are
        // proportional, so a narrow 1 does not leave a gap.
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("i")) ==
                     metrics.horizontalAdvance(QStringLiteral("W")),
                 fixedPitch);
    }

    // Installed families as "Name" (Japanese glyphs) or "Name-" (none), comma-separated.
    void fallbackFamilyAlwaysHasJapaneseGlyphs_data() {
        QTest::addColumn<QString>("preferred");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the stored face itself") << "MS Gothic,IPAGothic"
                                                << "Arial-,MS Gothic,IPAGothic"
                                                << "MS Gothic";
        QTest::newRow("the next of its kind when it is missing") << "MS PGothic,Meiryo,Yu Gothic"
                                                                 << "Arial-,Yu Gothic,Meiryo"
                                                                 << "Meiryo";
        QTest::newRow("names match whatever their case") << "MS PGothic,Meiryo"
                                                         << "Arial-,MEIRYO"
                                                         << "Meiryo";
        QTest::newRow("pop face missing: not a face without Japanese")
            << "HGSoeiKakupoptai,RocknRoll One"
            << "Comic Sans MS-,Segoe UI-,Yu Mincho"
            << "Yu Mincho";
        QTest::newRow("a preferred name installed without Japanese glyphs is passed over")
            << "MS Gothic,Meiryo"
            << "MS Gothic-,Meiryo"
            << "Meiryo";
        QTest::newRow("nothing Japanese installed: the first preferred") << "MS Gothic,IPAGothic"
                                                                         << "Arial-,Tahoma-"
                                                                         << "MS Gothic";
    }

    void fallbackFamilyAlwaysHasJapaneseGlyphs() {
        QFETCH(QString, preferred);
        QFETCH(QString, installed);
        QFETCH(QString, chosen);
        QStringList families;
        QStringList japanese;
        for (const QString& entry : installed.split(QLatin1Char(','))) {
            families << (entry.endsWith(QLatin1Char('-')) ? entry.chopped(1) : entry);
            if (!entry.endsWith(QLatin1Char('-')))
                japanese << entry;
        }
        const auto hasJapanese = [&](const QString& family) {
            return japanese.contains(family, Qt::CaseInsensitive);
        };
        QCOMPARE(ChooseJapaneseFamily(preferred.split(QLatin1Char(',')), families, hasJapanese)
                     .toLower(),
                 chosen.toLower());
    }

    void systemColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>(
            "role"); // -1: the window manager's colour, the classic scheme's value
        QTest::addColumn<QColor>("classic");
        QTest::newRow("active title bar") << "ActiveTitleBar" << -1 << QColor(0x0A, 0x24, 0x6A);
        QTest::newRow("inactive title bar") << "InactiveTitleBar" << -1 << QColor(0x80, 0x80, 0x80);
        QTest::newRow("inactive title-bar text")
            << "InactiveTitleBarText" << -1 << QColor(0xD4, 0xD0, 0xC8);
        QTest::newRow("scroll bar") << "ScrollBar" << -1 << QColor(0xD4, 0xD0, 0xC8);
        QTest::newRow("tooltip background")
            << "InfoBackground" << int(QPalette::ToolTipBase) << QColor();
        QTest::newRow("button face") << "ButtonFace" << int(QPalette::Button) << QColor();
        QTest::newRow("button text") << "ButtonText" << int(QPalette::ButtonText) << QColor();
        QTest::newRow("window background") << "WindowBackground" << int(QPalette::Base) << QColor();
        QTest::newRow("window text") << "WindowText" << int(QPalette::Text) << QColor();
    }

    void systemColours() {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, classic);
        // A desktop with colours of its own: every role a colour no default palette has.
        QPalette palette = QApplication::palette();
        const QColor desktop(0x12, 0x34, 0x56);
        for (int other = 0; other < QPalette::NColorRoles; ++other)
            if (other != QPalette::NoRole)
                palette.setColor(static_cast<QPalette::ColorRole>(other), desktop);
        if (role < 0) {
            QCOMPARE(DesignColour(name, palette), classic);
        } else {
            QCOMPARE(DesignColour(name, palette), desktop);
            // The colour comes from that role, not another: change it alone and it follows.
            palette.setColor(static_cast<QPalette::ColorRole>(role), QColor(0x65, 0x43, 0x21));
            QCOMPARE(DesignColour(name, palette), QColor(0x65, 0x43, 0x21));
        }
        QCOMPARE(DesignColour(u"#404040", palette), QColor(0x40, 0x40, 0x40));
        QVERIFY(!DesignColour(u"NoSuchColour", palette).isValid());
    }

    void pictureButtonCaptionsAreNeverClipped_data() { AddRowPerForm(); }

    void pictureButtonCaptionsAreNeverClipped() {
        QFETCH(int, form);
        for (auto* button : Form(form)->findChildren<PictureButton*>()) {
            if (button->text().isEmpty())
                continue;
            const auto layout = button->captionLayout();
            const QRect inside = button->rect().adjusted(2, 2, -2, -2); // within the bevel
            QVERIFY2(inside.contains(layout.needed), qPrintable(button->objectName()));
        }
    }

    void longButtonCaptionBreaksIntoBalancedLines() {
        auto* exact = Control<PictureButton>(Form(Form2::kNumber), QStringLiteral("Command6"));
        const auto layout = exact->captionLayout();
        const QFontMetrics metrics(exact->font());
        QCOMPARE(qRound(double(layout.needed.height()) / metrics.lineSpacing()), 2);
        // "もっと" over "正確！": neither line is more than one character wider than the other.
        QVERIFY(layout.needed.width() <= metrics.horizontalAdvance(QStringLiteral("正確！")) +
                                             metrics.horizontalAdvance(u'正'));
    }

    void labelCaptionsFitTheirLabels_data() { AddRowPerForm(); }

    void labelCaptionsFitTheirLabels() {
        QFETCH(int, form);
        for (auto* label : Form(form)->findChildren<CaptionLabel*>()) {
            const QString name = label->objectName();
            const QString caption = label->text();
            if (caption.trimmed().isEmpty())
                continue;
            // A caption runs from the top left; letters cut off at the right or bottom edge leave
            // ink in its outermost pixels, and a caption that fits keeps clear of them. A narrowed
            // one-line caption is made exactly as wide as the label, so it may reach the right
            // edge.
            const CaptionLabel::Fit fit = label->fit();
            const QRect ink = InkOf(label);
            const int clearRight = fit.horizontalScale < 1.0 ? 0 : 1;
            const QRect inside = label->rect().adjusted(0, 0, -clearRight, -1);
            QVERIFY2(inside.contains(ink), qPrintable(QStringLiteral("%1: ink %2,%3 %4x%5 in %6x%7")
                                                          .arg(name)
                                                          .arg(ink.x())
                                                          .arg(ink.y())
                                                          .arg(ink.width())
                                                          .arg(ink.height())
                                                          .arg(label->width())
                                                          .arg(label->height())));
            // Every character is shown: the whole caption in a label with room for two lines, the
            // caption's first line in a label one line high.
            const QFontMetricsF metrics(label->font());
            const bool oneLine =
                !label->wordWrap() || label->contentsRect().height() < 1.5 * metrics.lineSpacing();
            const QString expected = oneLine ? caption.section(QLatin1Char('\n'), 0, 0)
                                             : QString(caption).remove(QLatin1Char('\n'));
            QCOMPARE(fit.lines.join(QString()), expected);
            // Line height never closes up so far that the letters of two lines overlap badly.
            QVERIFY2(fit.lines.size() == 1 || fit.lineHeight >= 0.75 * metrics.height(),
                     qPrintable(name));
            QVERIFY2(fit.horizontalScale >= kNarrowestCaption, qPrintable(name));
        }
    }

    void fieldsShowTheirTextFromTheFirstCharacter_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fitsWhole"); // within the field's width by its definition
        auto row = [](const char* title, const char* field, const char* text, bool fitsWhole) {
            QTest::newRow(title) << QString::fromLatin1(field) << QString::fromUtf8(text)
                                 << fitsWhole;
        };
        row("Text3 802", "Text3", "802", true);
        row("Text3 999", "Text3", "999", true);
        row("Text3 108", "Text3", "108", true);
        row("Text7 5", "Text7", "5", true);
        row("Text7 8", "Text7", "8", true);
        row("Text8 13", "Text8", "13", true);
        row("Text2 longest of the scripts", "Text2", "801795911037.534", true);
        row("Text4 longest result that fits", "Text4", "57907482463863.1", true);
        // Wider than the field by its definition as well: the end shows, as it always did.
        row("Text4 longest of the scripts", "Text4", "538243404540.25315.75", false);
        row("Text6 longest name", "Text6", "ニュージーランドドル", true);
    }

    // A text that fits the field by its definition is drawn whole, from its first character, even
    // with the cursor behind its last one (where writing it leaves the cursor): the field must not
    // scroll it. What is drawn then is what is drawn with the cursor at the start.
    void fieldsShowTheirTextFromTheFirstCharacter() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, fitsWhole);
        auto* edit = Control<QLineEdit>(ShowForm(Form2::kNumber), field);
        edit->setText(text);
        const QImage asWritten = edit->grab().toImage();
        edit->home(false);
        const QImage fromStart = edit->grab().toImage();
        QCOMPARE(asWritten == fromStart, fitsWhole);
    }

    // A map button's caption is clipped away; its focus still shows, so the arrow keys can be
    // followed across the map.
    void focusedMapButtonShowsItsFocus() {
        QWidget* selection = ShowForm(Form4::kNumber);
        auto* canada = Control<QRadioButton>(selection, QStringLiteral("Option2"));
        QVERIFY(!canada->text().isEmpty()); // its own name, not shown
        const QImage unfocused = canada->grab().toImage();
        selection->setAttribute(Qt::WA_KeyboardFocusChange); // as after a key moved the focus
        canada->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(canada->hasFocus());
        QVERIFY(canada->grab().toImage() != unfocused);
    }
};

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
