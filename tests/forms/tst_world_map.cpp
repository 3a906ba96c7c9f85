// The selection window's map must put land under the green-backed buttons and sea right beside
// land under the blue-backed ones, or the buttons stand out as coloured squares.

#include "map_button_table.h"

#include <QImage>
#include <QImageReader>
#include <QtTest>

#include <cmath>

namespace {

constexpr QRgb land = 0xFF00FF00u;
constexpr double minimumSquareLand = 0.6;
constexpr double maximumCoastDistance = 9.0; // px from a sea button's centre to land

bool IsLand(const QImage& map, int x, int y) {
    return map.pixel(x, y) == land;
}

// `scale` 2 reads the map drawn for high-density screens, where a button covers twice as many
// pixels each way.
double SquareLandShare(const QImage& map, const MapButton& button, int scale) {
    int count = 0;
    const int side = button.size * scale;
    for (int y = button.top * scale; y < button.top * scale + side; ++y)
        for (int x = button.left * scale; x < button.left * scale + side; ++x)
            count += IsLand(map, x, y) ? 1 : 0;
    return count / double(side * side);
}

double DistanceToLand(const QImage& map, int cx, int cy) {
    double best = INFINITY;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            if (IsLand(map, x, y))
                best = std::min(best, std::hypot(double(x - cx), double(y - cy)));
    return best;
}

} // namespace

class WorldMapTest : public QObject {
    Q_OBJECT

    QImage map;
    QImage denseMap; // world_map@2x.gif
    QList<MapButton> buttons;

private slots:
    void initTestCase() {
        QImageReader reader(QStringLiteral(ZORIMEX_PICTURES_DIR "/world_map.gif"));
        QCOMPARE(reader.format(), QByteArray("gif"));
        map = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!map.isNull(), qPrintable(reader.errorString()));
        buttons = MapButtonsFromForm(QStringLiteral(ZORIMEX_FORM4_UI), map.width(), map.height());
        QCOMPARE(buttons.size(), 17);
        denseMap = QImage(QStringLiteral(ZORIMEX_PICTURES_DIR "/world_map@2x.gif"))
                       .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(denseMap.size(), 2 * map.size());
    }

    void generatorTableMatchesWindowDefinition() {
        // The map generator places countries by its own copy of the button table.
        QList<MapButton> table = MapButtonsFromGeneratorTable(QStringLiteral(ZORIMEX_MAP_TABLE));
        QList<MapButton> form = buttons;
        const auto byName = [](const MapButton& a, const MapButton& b) { return a.name < b.name; };
        std::sort(table.begin(), table.end(), byName);
        std::sort(form.begin(), form.end(), byName);
        QCOMPARE(table, form);
    }

    void mapIsPureLandOnTransparentSea() {
        qsizetype landPixels = 0;
        for (int y = 0; y < map.height(); ++y) {
            for (int x = 0; x < map.width(); ++x) {
                const QRgb pixel = map.pixel(x, y);
                if (pixel == land)
                    ++landPixels;
                else if (qAlpha(pixel) != 0)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is neither land nor sea: #%3")
                                         .arg(x)
                                         .arg(y)
                                         .arg(pixel, 8, 16, QLatin1Char('0'))));
            }
        }
        // A world map without Antarctica is about a third land.
        const double share = double(landPixels) / double(map.width() * map.height());
        QVERIFY2(share > 0.2 && share < 0.5, qPrintable(QString::number(share)));
    }

    void buttonStandsOnItsGround_data() {
        QTest::addColumn<MapButton>("button");
        QTest::addColumn<int>("scale");
        for (const int scale : {1, 2})
            for (const MapButton& button : std::as_const(buttons))
                QTest::addRow("%s at %dx", qPrintable(button.name), scale) << button << scale;
    }

    void buttonStandsOnItsGround() {
        QFETCH(MapButton, button);
        QFETCH(int, scale);
        const QImage& shown = scale == 1 ? map : denseMap;
        const int cx = (button.left + button.size / 2) * scale;
        const int cy = (button.top + button.size / 2) * scale;
        if (button.onLand) {
            QVERIFY2(IsLand(shown, cx, cy), "green-backed button's centre is not on land");
            const double share = SquareLandShare(shown, button, scale);
            QVERIFY2(share >= minimumSquareLand, qPrintable(QString::number(share)));
        } else {
            QVERIFY2(qAlpha(shown.pixel(cx, cy)) == 0, "blue-backed button's centre is not sea");
            const double distance = DistanceToLand(shown, cx, cy);
            QVERIFY2(distance <= maximumCoastDistance * scale,
                     qPrintable(QString::number(distance)));
        }
    }
};

QTEST_GUILESS_MAIN(WorldMapTest)
#include "tst_world_map.moc"
