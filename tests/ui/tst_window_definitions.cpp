// Each window checked against its definition on the live widgets: frame, geometry, captions,
// fonts, colours, pictures, front-to-back order, tab order and initial focus.

#include "window_test_support.h"
#include "zorimex/ui/clickable_image.h"
#include "zorimex/ui/line_shape.h"
#include "zorimex/ui/picture_button.h"
#include "zorimex/ui/picture_surface.h"
#include "zorimex/ui/system_colours.h"

#include "zorimex/webpane/web_pane.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QUrl>

#include <cstdlib>

using namespace zorimex::ui;
using namespace zorimex::ui::test;

namespace {

/// A control as its window's definition designs it. A row checks what it gives: the rectangle
/// (when it has a width), the caption, the font (when it has points), the text colour.
struct DesignedControl {
    int form = 0;
    const char* name = nullptr;
    int left = 0, top = 0, width = 0, height = 0; // in twips; none for the window and its menu bar
    const char* caption = nullptr;
    const char* face = nullptr;
    double points = 0;
    bool bold = false;
    const char* textColour = nullptr;
    bool opaque = false; // a label that paints its own background
};

constexpr char kPGothic[] = "ＭＳ Ｐゴシック";
constexpr char kGothic[] = "ＭＳ ゴシック";
constexpr char kPMincho[] = "ＭＳ Ｐ明朝";
constexpr char kPop[] = "HG創英角ﾎﾟｯﾌﾟ体";
constexpr char kDefaultFace[] = ""; // the toolkit default font

const DesignedControl kDesignedControls[] = {
    // Main window.
    {2, "Form2", 0, 0, 0, 0, nullptr, kPop, 9},           // the window font
    {2, "menubar", 0, 0, 0, 0, nullptr, kDefaultFace, 9}, // the desktop's, not the window's
    {2, "Text7", 4920, 2880, 255, 375, nullptr, kGothic, 15.75, false, "WindowText"},
    {2, "Picture1", 0, 0, 2175, 1695},
    {2, "Command6", 6360, 2640, 735, 735, "もっと正確！", kPGothic, 9, true},
    {2, "WebBrowser1", 3360, 0, 3855, 1215},
    {2, "Text10", 240, 360, 495, 270, nullptr, kPop, 9},
    {2, "Text9", 240, 120, 495, 270, nullptr, kPop, 9},
    {2, "Text8", 3480, 2880, 1095, 375, nullptr, kGothic, 15.75},
    {2, "Command5", 6840, 5040, 375, 375, "", kPGothic, 9},
    {2, "Text6", 3240, 1800, 2175, 375, nullptr, kPGothic, 12, true, "#000000"},
    {2, "Text5", 1800, 120, 150, 735, nullptr, kPGothic, 9},
    {2, "Command4", 3960, 1440, 975, 375, "国を選択", kPGothic, 9, true},
    {2, "Command3", 4680, 3360, 1095, 615, "換算", kPGothic, 14.25, true},
    {2, "Command2", 2280, 2760, 1095, 615, "換算", kPGothic, 14.25, true},
    {2, "Command1", 5520, 1680, 1095, 615, "換算", kPGothic, 14.25, true},
    {2, "Text4", 3600, 4440, 2775, 450, nullptr, kPGothic, 15.75, true},
    {2, "Text3", 5520, 2880, 615, 405, nullptr, kPGothic, 15.75},
    {2, "Text2", 120, 3960, 3135, 495, nullptr, kPGothic, 15.75},
    {2, "Text1", 120, 1800, 3015, 495, nullptr, kPGothic, 15.75, true, "#000000"},
    {2, "Text11", 960, 360, 180, 270, nullptr, kPop, 9},
    {2, "Image2", 5040, 5040, 1860, 390},
    {2, "Image1", 3240, 5040, 1860, 390},
    {2, "Label5", 4560, 2880, 375, 375, "万", kPGothic, 15.75, true, "#FFFFFF", true},
    {2, "Label4", 5160, 2880, 375, 375, "千", kPGothic, 18, true},
    {2, "Label1", 3720, 4080, 2535, 375, "日本円+消費税", kPGothic, 18, true},
    {2, "Label3", 6360, 2880, 375, 375, "円", kPop, 15.75, false, "#FFFFFF", true},
    {2, "Label2", 360, 3600, 2535, 375, "$(ドル)+消費税", kPGothic, 15.75, true},
    // Selection window.
    {4, "Option18", 4680, 840, 255, 255},
    {4, "Command1", 4920, 4200, 1455, 615, "選択終了", kPGothic, 15.75, true},
    {4, "Option17", 1800, 1440, 255, 255},
    {4, "Option16", 840, 1080, 255, 255},
    {4, "Option15", 840, 1680, 255, 255},
    {4, "Option14", 5520, 1560, 255, 255},
    {4, "Option13", 2640, 1320, 255, 255},
    {4, "Option12", 480, 720, 255, 255},
    {4, "Option11", 120, 600, 255, 255},
    {4, "Option10", 840, 480, 255, 255},
    {4, "Option9", 1800, 720, 255, 255},
    {4, "Option8", 2280, 1080, 255, 255},
    {4, "Option7", 2280, 720, 255, 255},
    {4, "Option6", 2640, 1080, 255, 255},
    {4, "Option5", 2400, 1440, 255, 255},
    {4, "Option4", 3480, 2160, 255, 255},
    {4, "Option3", 2760, 1800, 255, 255},
    {4, "Option2", 4680, 480, 255, 255},
    {4, "Option1", 5760, 4440, 255, 255},
    {4, "Label17", 1560, 4080, 1455, 255, "インドルピー", kPGothic, 9, true},
    {4, "Label16", 120, 4560, 1455, 255, "南アフリカランド"},
    {4, "Label15", 120, 4080, 1335, 255, "エジプト￡"},
    {4, "Label14", 120, 3600, 1335, 255, "EUユーロ"},
    {4, "Label13", 120, 3120, 1335, 255, "イギリス￡"},
    {4, "Label12", 120, 2640, 1335, 375, "スウェーデンクローネ", kPGothic, 9, true},
    {4, "Label11", 1560, 3600, 1455, 255, "香港$"},
    {4, "Label10", 1560, 3120, 1455, 255, "中国元"},
    {4, "Label9", 1560, 2640, 1455, 255, "ロシアルーブル"},
    {4, "Label8", 3120, 4560, 1575, 255, "ニュージーランド$"},
    {4, "Label7", 3120, 4080, 1575, 255, "オーストラリア$", nullptr, 0, false, "ButtonText", true},
    {4, "Label6", 3120, 3600, 1575, 255, "タイバーツ"},
    {4, "Label5", 3120, 3120, 1575, 255, "台湾$"},
    {4, "Label4", 3120, 2640, 1575, 255, "韓国ウォン"},
    {4, "Label3", 4800, 3600, 1575, 255, "ブラジルリアル"},
    {4, "Label2", 4800, 3120, 1575, 255, "アメリカ$"},
    {4, "Label1", 4800, 2640, 1575, 255, "カナダ$", kPGothic, 9, true},
    // Start-up window.
    {1, "Command2", 6720, 0, 375, 375, ""},
    {1, "Command1", 4440, 0, 2295, 615, "OK", kPGothic, 21.75, true},
    {1, "Label9", 360, 3960, 3015, 255, "受取人名：例田　太郎\n\n", kDefaultFace, 9, false,
     "#FFFFFF"},
    {1, "Label8", 360, 3720, 2775, 255, "例示銀行　見本支店\n"},
    {1, "Label7", 360, 3480, 2175, 255, "口座番号：0123456\n"},
    {1, "Label6", 360, 3240, 2055, 255, "科目　　：普通預金\n", kDefaultFace, 9, false, "#FFFFFF"},
    {1, "Label5", 120, 1800, 2655, 1455, "気に入ったなら、開発金を寄付してくださるようお願いします",
     kPMincho, 18, false, "#FF8000"},
    {1, "Label4", 3720, 720, 3375, 375, "OKを押してください。", kPGothic, 15.75, true},
    {1, "Label3", 240, 4680, 1575, 255, "バージョン：6.0", kPGothic, 9, true},
    {1, "Label2", 240, 4440, 1575, 255, "品名：Zorimex", kPGothic, 9, true},
    {1, "Label1", 120, 4200, 2655, 255, "Copyright (C) 2002 ZRMX工房 例田太郎", kPGothic, 9, true,
     "#FFFFFF"},
    // About and information windows; the About labels lie in the picture pane.
    {3, "cmdOK", 1440, 3840, 1980, 345, "OK", kDefaultFace, 9},
    {3, "Picture1", 0, 0, 6615, 3735},
    {3, "Label1", 0, 720, 4935, 735, "アプリケーション名：Zorimex", kPGothic, 15.75, true,
     "#000000"},
    {3, "Label2", 120, 1320, 4695, 375, "作者：ZRMX工房　例田　太郎", kPGothic, 15.75, true,
     "ButtonText"},
    {3, "Label3", 120, 2040, 4575, 375, "バージョン：6.0", kPGothic, 15.75, true},
    {5, "Command1", 5280, 360, 1815, 495, "閉じる", kPGothic, 14.25, true},
    {6, "Command1", 5760, 5160, 2415, 495, "閉じる", kPGothic, 15.75, true},
    // Consent dialog.
    {7, "Command2", 480, 720, 1575, 495, "はい"},
    {7, "Command1", 2520, 720, 1575, 495, "いいえ", kDefaultFace, 9},
    {7, "Label3", 360, 480, 3855, 255, "わからない場合は適当な方を選択してください。"},
    {7, "Label2", 360, 240, 3855, 255, "（毎回インターネットに接続することになります。）",
     kDefaultFace, 9},
    {7, "Label1", 480, 0, 3615, 255, "右端に最新バージョン情報を表示させますか？", nullptr, 0,
     false, "ButtonText", true},
};

QColor ColourAt(QWidget* window, QWidget* control, QPoint inControl) {
    QWidget* surface = ClientArea(window);
    const QImage image = surface->grab().toImage();
    return image.pixelColor(control->mapTo(surface, inControl));
}

bool IsDrawnOnSurface(const QWidget* control) {
    return qobject_cast<const QLabel*>(control) || qobject_cast<const ClickableImage*>(control) ||
           qobject_cast<const LineShape*>(control);
}

} // namespace

Q_DECLARE_METATYPE(DesignedControl)

class WindowDefinitionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    void windowFrame_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("clientTwips");
        QTest::addColumn<QString>("background");
        QTest::newRow("Form1 start-up")
            << Form1::kNumber << QString() << QSize(7110, 5325) << "InactiveTitleBar";
        QTest::newRow("Form2 main")
            << Form2::kNumber << "Zorimex" << QSize(7245, 5445) << "InactiveTitleBar";
        QTest::newRow("Form3 about")
            << Form3::kNumber << "バージョン情報" << QSize(4965, 4395) << "InactiveTitleBar";
        QTest::newRow("Form4 selection")
            << Form4::kNumber << "国を選択" << QSize(6780, 5070) << "#0000C0";
        QTest::newRow("Form5 advice, つ in hiragana")
            << Form5::kNumber << "気をつけたいこと" << QSize(8070, 5220) << QString();
        QTest::newRow("Form6 hotel rates")
            << Form6::kNumber << "標準ホテル料金" << QSize(8565, 5985) << QString();
        QTest::newRow("Form7 consent")
            << Form7::kNumber << QString() << QSize(4680, 1335) << QString();
    }

    void windowFrame() {
        QFETCH(int, form);
        QFETCH(QString, title);
        QFETCH(QSize, clientTwips);
        QFETCH(QString, background);

        QWidget* window = ShowForm(form);
        QCOMPARE(window->objectName(), QStringLiteral("Form%1").arg(form));
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(ClientArea(window)->size(), clientTwips / 15);
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(31, 31)));
        auto* surface = qobject_cast<PictureSurface*>(ClientArea(window));
        QVERIFY(surface);
        QCOMPARE(surface->resolvedBackColor(), background.isEmpty()
                                                   ? window->palette().color(QPalette::Button)
                                                   : DesignColour(background, window->palette()));
        // One colour whoever asks: the background the surface reports is the one it paints.
        QCOMPARE(surface->palette().color(surface->backgroundRole()), surface->resolvedBackColor());
    }

    void fixedScreenPosition_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QPoint>("clientTwips");
        QTest::newRow("Form1") << Form1::kNumber << QPoint(4170, 2790);
        QTest::newRow("Form7") << Form7::kNumber << QPoint(495, 450);
    }

    void fixedScreenPosition() {
        QFETCH(int, form);
        QFETCH(QPoint, clientTwips);
        for (int opening = 0; opening < 2; ++opening) {
            QWidget* window = ShowForm(form);
            QCOMPARE(window->geometry().topLeft(), clientTwips / 15);
            Windows().destroyAll();
            SettleDeletions();
        }
    }

    void designedControls_data() {
        QTest::addColumn<DesignedControl>("designed");
        for (const DesignedControl& designed : kDesignedControls)
            QTest::addRow("Form%d %s", designed.form, designed.name) << designed;
    }

    void designedControls() {
        QFETCH(DesignedControl, designed);
        QWidget* window = ShowForm(designed.form);
        const QString name = QString::fromLatin1(designed.name);
        QWidget* widget = name == window->objectName() ? window : Control(window, name);
        if (designed.width > 0) {
            QCOMPARE(widget->geometry(),
                     FromTwips(designed.left, designed.top, designed.width, designed.height));
            QVERIFY(widget->isVisible());
            QVERIFY(widget->isEnabled());
        }
        if (designed.caption) {
            if (auto* label = qobject_cast<QLabel*>(widget))
                QCOMPARE(label->text(), QString::fromUtf8(designed.caption));
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                QCOMPARE(button->text(), QString::fromUtf8(designed.caption));
            else
                QFAIL("not a captioned control");
        }
        if (designed.points > 0) {
            const QFont font = widget->font();
            const QString face = QString::fromUtf8(designed.face);
            QCOMPARE(font.family(), face.isEmpty() ? QApplication::font().family() : face);
            QCOMPARE(font.pointSizeF(), designed.points);
            QCOMPARE(font.weight(), designed.bold ? QFont::Bold : QFont::Normal);
            QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        }
        if (designed.textColour) {
            const auto role =
                qobject_cast<QLineEdit*>(widget) ? QPalette::Text : widget->foregroundRole();
            QCOMPARE(widget->palette().color(role),
                     DesignColour(QString::fromLatin1(designed.textColour), widget->palette()));
            if (qobject_cast<QLabel*>(widget))
                QCOMPARE(widget->autoFillBackground(), designed.opaque);
        }
    }

    void lineEnds_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QPoint>("fromTwips");
        QTest::addColumn<QPoint>("toTwips");
        QTest::newRow("Line4") << "Line4" << QPoint(5280, 2760) << QPoint(5280, 4680);
        QTest::newRow("Line3") << "Line3" << QPoint(5280, 2160) << QPoint(5280, 2760);
        QTest::newRow("Line2") << "Line2" << QPoint(3120, 2040) << QPoint(5280, 2040);
        QTest::newRow("Line1") << "Line1" << QPoint(2880, 2280) << QPoint(2880, 4080);
    }

    void lineEnds() {
        QFETCH(QString, line);
        QFETCH(QPoint, fromTwips);
        QFETCH(QPoint, toTwips);
        QWidget* window = ShowForm(Form2::kNumber);
        auto* shape = Control<LineShape>(window, line);
        QCOMPARE(shape->start(), fromTwips / 15);
        QCOMPARE(shape->end(), toTwips / 15);
        QCOMPARE(shape->lineWidth(), 3);
        // The line is 3 pixels wide, centred on its ends, in the window-text colour.
        const QImage painted = shape->grab().toImage();
        const QPoint middle = (shape->start() + shape->end()) / 2 - shape->pos();
        const QColor ink = DesignColour(u"WindowText", shape->palette());
        const QPoint across = shape->start().x() == shape->end().x() ? QPoint(1, 0) : QPoint(0, 1);
        for (const QPoint offset : {-across, QPoint(0, 0), across})
            QCOMPARE(painted.pixelColor(middle + offset), ink);
        QCOMPARE(painted.size().width() * painted.size().height(),
                 3 * (1 + (shape->end() - shape->start()).manhattanLength() + 2));
    }

    void paintedBackColours_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>(
            "where"); // a point of the control where no caption or mark is drawn
        QTest::addColumn<QString>("colour");
        auto row = [](int form, const char* name, QPoint where, const char* colour) {
            QTest::addRow("Form%d %s", form, name)
                << form << QString::fromLatin1(name) << where << QString::fromLatin1(colour);
        };
        row(Form2::kNumber, "Label5", QPoint(24, 24), "#404040");
        row(Form2::kNumber, "Label4", QPoint(1, 1), "#404040");
        row(Form2::kNumber, "Label1", QPoint(165, 2), "#404040");
        row(Form2::kNumber, "Label2", QPoint(165, 2), "#404040");
        row(Form2::kNumber, "Text1", QPoint(190, 16), "#FFFFFF");
        row(Form2::kNumber, "Text6", QPoint(135, 12), "#FFFFFF");
        row(Form2::kNumber, "Text8", QPoint(65, 12), "WindowBackground");
        row(Form4::kNumber, "Option2", QPoint(0, 0), "#00FF00");
        row(Form4::kNumber, "Option18", QPoint(16, 16), "#00FF00");
        row(Form4::kNumber, "Option11", QPoint(0, 0), "#0000C0");
        row(Form4::kNumber, "Option17", QPoint(16, 0), "#0000C0");
        row(Form4::kNumber, "Label1", QPoint(100, 15), "InfoBackground");
        row(Form4::kNumber, "Label12", QPoint(85, 23), "InfoBackground");
        row(Form5::kNumber, "Command1", QPoint(6, 16), "ScrollBar");
    }

    void paintedBackColours() {
        QFETCH(int, form);
        QFETCH(QString, control);
        QFETCH(QPoint, where);
        QFETCH(QString, colour);
        QWidget* window = ShowForm(form);
        QWidget* widget = Control(window, control);
        QCOMPARE(ColourAt(window, widget, where), DesignColour(colour, widget->palette()));
    }

    void pictures_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("control"); // empty: the window's background picture
        QTest::addColumn<QSize>("size");
        auto row = [](int form, const char* name, QSize size) {
            QTest::addRow("Form%d %s", form, *name ? name : "background")
                << form << QString::fromLatin1(name) << size;
        };
        row(Form1::kNumber, "", QSize(523, 374));
        row(Form2::kNumber, "", QSize(523, 374));
        row(Form3::kNumber, "", QSize(464, 380));
        row(Form4::kNumber, "", QSize(412, 162));
        row(Form5::kNumber, "", QSize(583, 417));
        row(Form6::kNumber, "", QSize(583, 417));
        row(Form7::kNumber, "", QSize(0, 0));
        row(Form2::kNumber, "Picture1", QSize(150, 111));
        row(Form2::kNumber, "Command1", QSize(236, 120));
        row(Form2::kNumber, "Command2", QSize(236, 120));
        row(Form2::kNumber, "Command3", QSize(236, 120));
        row(Form2::kNumber, "Command4", QSize(142, 71));
        row(Form2::kNumber, "Command5", QSize(25, 25));
        row(Form2::kNumber, "Image1", QSize(124, 26));
        row(Form2::kNumber, "Image2", QSize(124, 26));
        row(Form1::kNumber, "Command1", QSize(236, 120));
        row(Form1::kNumber, "Command2", QSize(25, 25));
        row(Form3::kNumber, "Picture1", QSize(330, 258));
        row(Form3::kNumber, "cmdOK", QSize(236, 120));
        row(Form4::kNumber, "Command1", QSize(236, 120));
        row(Form5::kNumber, "Command1", QSize(0, 0));
    }

    void pictures() {
        QFETCH(int, form);
        QFETCH(QString, control);
        QFETCH(QSize, size);
        QWidget* window = Form(form);
        QWidget* widget = control.isEmpty() ? ClientArea(window) : Control(window, control);
        QPixmap pixmap;
        if (auto* surface = qobject_cast<PictureSurface*>(widget))
            pixmap = surface->pixmap();
        else if (auto* button = qobject_cast<PictureButton*>(widget))
            pixmap = button->pixmap();
        else if (auto* image = qobject_cast<ClickableImage*>(widget))
            pixmap = image->pixmap();
        else
            QFAIL("not a control with a picture");
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
        // As dense as the screen: the "@2x" picture on a high-density screen (ui.pictures_2x runs
        // this at twice the scale), never on a 1x one.
        if (!pixmap.isNull())
            QCOMPARE(pixmap.devicePixelRatio(), widget->devicePixelRatioF());
    }

    void topmostControl_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("covered");
        QTest::addColumn<QString>("topmost");
        auto row = [](int form, const char* covered, const char* topmost) {
            QTest::addRow("Form%d %s under %s", form, covered, topmost)
                << form << QString::fromLatin1(covered) << QString::fromLatin1(topmost);
        };
        row(Form2::kNumber, "Text5", "Picture1");
        row(Form2::kNumber, "Text9", "Picture1");
        row(Form2::kNumber, "Text10", "Picture1");
        row(Form2::kNumber, "Text11", "Picture1");
        row(Form2::kNumber, "Label3", "Command6");
        row(Form2::kNumber, "Text7", "Text7"); // in front of the labels 万 and 千 beside it
        row(Form4::kNumber, "Option1", "Command1");
        row(Form4::kNumber, "Option18", "Option18");
        row(Form1::kNumber, "Command2", "Command2");
    }

    void topmostControl() {
        QFETCH(int, form);
        QFETCH(QString, covered);
        QFETCH(QString, topmost);
        QWidget* window = ShowForm(form);
        QWidget* under = Control(window, covered);
        QWidget* surface = ClientArea(window);
        QWidget* hit = surface->childAt(under->mapTo(surface, under->rect().center()));
        while (hit && hit->parentWidget() != surface)
            hit = hit->parentWidget();
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), topmost);
        if (covered != topmost) // wholly covered, yet still shown and enabled
            QVERIFY(Control(window, topmost)->geometry().contains(under->geometry()));
    }

    void surfaceControlsStayBehindWindowedOnes_data() { AddRowPerForm(); }

    void surfaceControlsStayBehindWindowedOnes() {
        QFETCH(int, form);
        QWidget* window = Form(form);
        QList<QWidget*> containers{ClientArea(window)};
        for (auto* pane : ClientArea(window)->findChildren<PictureSurface*>())
            containers << pane;
        for (QWidget* container : containers) {
            int lastSurfaceControl = -1;
            int firstWindowed = -1;
            const auto children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (int i = 0; i < children.size(); ++i) {
                if (IsDrawnOnSurface(children[i]))
                    lastSurfaceControl = i;
                else if (firstWindowed < 0)
                    firstWindowed = i;
            }
            if (firstWindowed >= 0)
                QVERIFY2(lastSurfaceControl < firstWindowed, qPrintable(container->objectName()));
        }
    }

    void tabOrderFromInitialFocus_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("order");
        const QStringList main{"Text1", "Text2", "Text3", "Text4", "Command1", "Command2",
                               "Command3", "Command4", "Text5", "Text6", "Picture1", "Command5",
                               "Text8", "Text9", "Text10", "WebBrowser1", "Command6", "Text11",
                               "Text7",
                               // the banners follow the designed chain
                               "Image1", "Image2"};
        QTest::newRow("Form2 main") << Form2::kNumber << main;
        QTest::newRow("Form2 main, after the page loaded") << -Form2::kNumber << main;
        // The eighteen map buttons are one group: Tab enters it once, the arrow keys move within.
        // The currency labels between them take the focus in their places of the designed order.
        QStringList selection{"Option1"};
        for (int label = 1; label <= 17; ++label)
            selection << QStringLiteral("Label%1").arg(label);
        QTest::newRow("Form4 selection") << Form4::kNumber << (selection << "Command1");
        QTest::newRow("Form1 start-up") << Form1::kNumber << QStringList{"Command1", "Command2"};
        QTest::newRow("Form3 about") << Form3::kNumber << QStringList{"Picture1", "cmdOK"};
        QTest::newRow("Form5 advice") << Form5::kNumber << QStringList{"Command1"};
        QTest::newRow("Form6 hotel rates") << Form6::kNumber << QStringList{"Command1"};
        QTest::newRow("Form7 consent, いいえ first")
            << Form7::kNumber << QStringList{"Command1", "Command2"};
    }

    void tabOrderFromInitialFocus() {
        QFETCH(int, form);
        QFETCH(QStringList, order);
        const bool afterLoad = form < 0; // the main window once its pane has made its browser
        QWidget* window = ShowForm(std::abs(form));
        auto* pane = window->findChild<zorimex::webpane::WebPane*>(QStringLiteral("WebBrowser1"));
        if (afterLoad) {
            pane->navigate(QUrl(QStringLiteral("https://home.zrmx.example/")));
            QTRY_VERIFY(pane->content());
            QTest::qWait(50); // what the browser makes once the page arrives
            window->findChild<QWidget*>(QStringLiteral("Text1"))->setFocus();
        }
        QStringList visited;
        for (int step = 0; visited.size() <= order.size() && step < 3 * order.size(); ++step) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            // Whatever the pane shows is one stop, the pane's, however many Tabs its links take.
            const bool inPane = pane && (focus == pane || pane->isAncestorOf(focus));
            if (!inPane || visited.isEmpty() || visited.constLast() != pane->objectName())
                visited << (inPane ? pane->objectName() : focus->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, order + QStringList{order.front()});
        if (form == Form4::kNumber) { // focus on a radio button selects nothing
            for (auto* option : window->findChildren<QRadioButton*>())
                QVERIFY(!option->isChecked());
        }
    }

    void screenReaderNamesEveryControl_data() { AddRowPerForm(); }

    // Walks the window as a screen reader does and lists what it reads: every control a user can
    // act on (or reach with Tab) has a Japanese name, and nothing merely decorative is there.
    void screenReaderNamesEveryControl() {
        QFETCH(int, form);
        QWidget* window = ShowForm(form);
        static const QRegularExpression controlName(
            QStringLiteral("^(Text|Command|Option|Label|Picture|Image|Line|cmd)\\w*$"));
        const auto japanese = [](const QString& name) {
            return name == QLatin1String("OK") ||
                   std::any_of(name.begin(), name.end(),
                               [](QChar c) { return c.unicode() >= 0x3000; });
        };
        QStringList read;
        // A window with an empty title too: landing in it, the user hears what it is.
        QVERIFY(!QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name).isEmpty());
        QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
        while (!pending.isEmpty()) {
            QAccessibleInterface* node = pending.takeFirst();
            QVERIFY(node && node->isValid());
            for (int i = 0; i < node->childCount(); ++i)
                pending << node->child(i);
            const QString name = node->text(QAccessible::Name);
            QVERIFY2(!qobject_cast<LineShape*>(node->object()), "a decorative line is presented");
            const auto role = node->role();
            const bool actionable =
                node->state().focusable ||
                (node->actionInterface() && !node->actionInterface()->actionNames().isEmpty()) ||
                role == QAccessible::Button || role == QAccessible::RadioButton ||
                role == QAccessible::EditableText || role == QAccessible::MenuItem ||
                role == QAccessible::Link;
            if (!actionable || role == QAccessible::Window || role == QAccessible::MenuBar ||
                (role == QAccessible::Client && !node->state().focusable))
                continue;
            read << QStringLiteral("%1 %2").arg(int(role)).arg(name);
            QVERIFY2(japanese(name) && !controlName.match(name).hasMatch(),
                     qPrintable(QStringLiteral("%1 reads \"%2\"")
                                    .arg(node->object() ? node->object()->objectName() : QString(),
                                         name)));
        }
        qInfo().noquote() << "read:" << read.join(QStringLiteral(" | "));
        if (form == Form2::kNumber) { // the fields a screen reader tells apart by name alone
            QCOMPARE(Control(window, "Text1")->accessibleName(), QStringLiteral("金額"));
            QCOMPARE(Control(window, "Text8")->accessibleName(), QStringLiteral("万の位"));
            QCOMPARE(Control(window, "Text7")->accessibleName(), QStringLiteral("千の位"));
            QCOMPARE(Control(window, "Text3")->accessibleName(), QStringLiteral("千未満の円"));
        }
    }

    void mainWindowMenus() {
        auto* window = qobject_cast<QMainWindow*>(ShowForm(Form2::kNumber));
        QVERIFY(window);
        QStringList bar;
        for (QAction* action : window->menuBar()->actions())
            bar << (action->menu() ? action->menu()->objectName() : action->objectName()) +
                       QLatin1Char('=') + action->text();
        QCOMPARE(bar,
                 (QStringList{"files=ファイル", "add=旅行アドバイス", "version=バージョン情報"}));
        auto items = [window](const char* menu) {
            QStringList names;
            for (QAction* action : Control<QMenu>(window, QString::fromLatin1(menu))->actions())
                names << action->objectName() + QLatin1Char('=') + action->text();
            return names;
        };
        QCOMPARE(items("files"), QStringList{"finish=終了"});
        QCOMPARE(items("add"), (QStringList{"pk=気を付けたいこと", "hotel=標準ホテル料金"}));
        for (QAction* action : window->findChildren<QAction*>()) {
            // Only 終了 has a key of its own, the desktop's quit key; the captions carry no marks.
            QVERIFY(action->objectName() == QLatin1String("finish") ||
                    action->shortcut().isEmpty());
            QVERIFY(!action->text().contains(u'&'));
            QVERIFY(!action->isCheckable());
            QVERIFY(action->isEnabled());
        }
    }

    void enlargingMovesNothing() {
        QWidget* window = ShowForm(Form2::kNumber);
        QWidget* surface = ClientArea(window);
        QMap<QString, QRect> before;
        for (QWidget* child : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            before.insert(child->objectName(), child->geometry());
        window->resize(window->width() + 150, window->height() + 120);
        QTRY_COMPARE(surface->width(), 483 + 150);
        for (QWidget* child : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QCOMPARE(child->geometry(), before.value(child->objectName()));
        // Beyond the 523×374 background picture the back colour shows.
        const QImage image = surface->grab().toImage();
        QCOMPARE(image.pixelColor(600, 440), DesignColour(u"InactiveTitleBar", surface->palette()));
    }
};

QTEST_MAIN(WindowDefinitionsTest)
#include "tst_window_definitions.moc"
