#include "map_button_table.h"

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

constexpr int twipsPerPixel = 15;
constexpr int buttonTwips = 255;

bool IsLandColour(const QString& colour) {
    return colour.compare(QLatin1String("#00FF00"), Qt::CaseInsensitive) == 0;
}

} // namespace

QList<MapButton> MapButtonsFromForm(const QString& uiPath, int mapWidth, int mapHeight) {
    QFile file(uiPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read flat: a radio button's <widget> element, then the elements of its properties.
    QList<MapButton> buttons;
    bool inButton = false;
    QString property;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString element = xml.name().toString();
        if (element == u"widget") {
            inButton = xml.attributes().value(QLatin1String("class")) == u"QRadioButton";
            if (inButton)
                buttons.append(MapButton{xml.attributes().value(QLatin1String("name")).toString()});
        } else if (element == u"property") {
            property = xml.attributes().value(QLatin1String("name")).toString();
        } else if (inButton && property == u"geometry" && element != u"rect") {
            MapButton& button = buttons.last();
            // A square: its width and its height are both its size.
            (element == u"x"   ? button.left
             : element == u"y" ? button.top
                               : button.size) = xml.readElementText().toInt();
        } else if (inButton && property == u"backColor" && element == u"string") {
            buttons.last().onLand = IsLandColour(xml.readElementText());
        }
    }
    if (xml.hasError())
        return {};
    // Option1 hides behind the close button, off the map.
    buttons.removeIf([&](const MapButton& button) {
        return button.name == u"Option1" || button.left + button.size > mapWidth ||
               button.top + button.size > mapHeight;
    });
    return buttons;
}

QList<MapButton> MapButtonsFromGeneratorTable(const QString& csvPath) {
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<MapButton> buttons;
    bool header = true;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (header) { // name,left,top,back,...
            header = false;
            continue;
        }
        const QStringList cells = line.split(QLatin1Char(','));
        if (cells.size() < 4)
            return {};
        buttons.append({cells[0], cells[1].toInt() / twipsPerPixel,
                        cells[2].toInt() / twipsPerPixel, buttonTwips / twipsPerPixel,
                        cells[3] == QLatin1String("green")});
    }
    return buttons;
}
