// The program's icons at the sizes the desktops ask for, and the banners' colours. The windows'
// own pictures, at 1x and @2x, are checked where the windows show them (ui.window_definitions and
// ui.pictures_2x).

#include <QImage>
#include <QImageReader>
#include <QtTest>

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void iconHasItsSizeAndFormat_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        const QString dir = QStringLiteral(ZORIMEX_PICTURES_DIR "/");
        QTest::newRow("icon.jpg") << dir + QStringLiteral("icon.jpg") << QSize(31, 31)
                                  << QByteArray("jpeg");
        const QString icons = QStringLiteral(ZORIMEX_ICONS_DIR "/");
        for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString name = QStringLiteral("%1x%1/apps/zorimex.png").arg(side);
            QTest::newRow(qPrintable(QStringLiteral("hicolor ") + name))
                << icons + name << QSize(side, side) << QByteArray("png");
        }
#ifndef Q_OS_WIN // the desktop's scalable icon; Windows takes the .ico, and has no SVG reader
        QTest::newRow("hicolor scalable") << icons + QStringLiteral("scalable/apps/zorimex.svg")
                                          << QSize(256, 256) << QByteArray("svg");
#endif
    }

    void iconHasItsSizeAndFormat() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(QByteArray, format);
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    void programIconIsOpaqueTrueColour() {
        // The executable's one icon resource is a 24-bit colour bitmap without a mask.
        QImageReader reader(QStringLiteral(ZORIMEX_PICTURES_DIR "/icon.jpg"));
        const QImage icon = reader.read();
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.hasAlphaChannel());
        QVERIFY(!icon.isGrayscale());
        QCOMPARE(icon.format(), QImage::Format_RGB32); // 24 bits of colour, padding byte unused
    }

    void bannersAreWhiteWordsOnBlue_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("feedback") << QStringLiteral("banner_feedback.gif");
        QTest::newRow("maker") << QStringLiteral("banner_maker.gif");
    }

    void bannersAreWhiteWordsOnBlue() {
        QFETCH(QString, name);
        const QImage banner(QStringLiteral(ZORIMEX_PICTURES_DIR "/") + name);
        QVERIFY(!banner.isNull());
        int blue = 0;
        int white = 0;
        for (int y = 0; y < banner.height(); ++y) {
            for (int x = 0; x < banner.width(); ++x) {
                const QColor colour = banner.pixelColor(x, y);
                if (colour.blue() > colour.red() + 60 && colour.blue() > colour.green() + 30)
                    ++blue;
                else if (colour.red() > 230 && colour.green() > 230 && colour.blue() > 230)
                    ++white;
            }
        }
        const int area = banner.width() * banner.height();
        QVERIFY2(blue > area / 2, "the ground is not mostly blue");
        QVERIFY2(white > area / 20, "there are hardly any white letters");
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
