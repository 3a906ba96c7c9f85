// The window layouts draw these pictures unscaled and clip them to controls of fixed size, so a
// picture of another size or format shifts or breaks what the windows show.

#include <QImage>
#include <QImageReader>
#include <QtTest>

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void pictureHasItsSizeAndFormat_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("format");
        const QString dir = QStringLiteral(ZORIMEX_PICTURES_DIR "/");
        const struct {
            const char* name;
            int width, height;
            const char* format;
        } pictures[] = {
            {"background.jpg", 523, 374, "jpeg"},  {"logo.jpg", 150, 111, "jpeg"},
            {"button_face.jpg", 236, 120, "jpeg"}, {"country_button.jpg", 142, 71, "jpeg"},
            {"close_mark.jpg", 25, 25, "jpeg"},    {"banner_feedback.gif", 124, 26, "gif"},
            {"banner_maker.gif", 124, 26, "gif"},  {"icon.jpg", 31, 31, "jpeg"},
            {"world_map.gif", 412, 162, "gif"},    {"about_background.jpg", 464, 380, "jpeg"},
            {"about_logo.jpg", 330, 258, "jpeg"},  {"advice.gif", 583, 417, "gif"},
            {"hotel_rates.gif", 583, 417, "gif"},
        };
        for (const auto& picture : pictures) {
            QTest::newRow(picture.name)
                << dir + QLatin1String(picture.name) << QSize(picture.width, picture.height)
                << QByteArray(picture.format);
            // Each window picture also comes at twice the size for high-density screens.
            if (QLatin1String(picture.name) == QLatin1String("icon.jpg"))
                continue;
            const QString dense = QString::fromLatin1(picture.name).replace(u'.', "@2x.");
            QTest::newRow(qPrintable(dense))
                << dir + dense << QSize(2 * picture.width, 2 * picture.height)
                << QByteArray(picture.format);
        }
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

    void pictureHasItsSizeAndFormat() {
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
        QCOMPARE(icon.depth(), 32); // RGB32: 24 bits of colour, padding byte unused
        QVERIFY(icon.format() == QImage::Format_RGB32 || icon.format() == QImage::Format_RGB888);
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
