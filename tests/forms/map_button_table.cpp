#include "map_button_table.h"

#include <QFile>
#include <QRect>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

constexpr int twipsPerPixel = 15;
constexpr int buttonTwips = 255;

bool IsLandColour(const QString& colour) {
    return colour.compare(QLatin1String("#00FF00"), Qt::CaseInsensitive) == 0;
}

/// Reads the <rect> inside the current <property name="geometry"> element.
QRect ReadRect(QXmlStreamReader& xml) {
    QRect rect;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("rect")) {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            const int value = xml.readElementText().toInt();
            if (xml.name() == QLatin1String("x"))
                rect.moveLeft(value);
            else if (xml.name() == QLatin1String("y"))
                rect.moveTop(value);
            else if (xml.name() == QLatin1String("width"))
                rect.setWidth(value);
            else if (xml.name() == QLatin1String("height"))
                rect.setHeight(value);
        }
    }
    return rect;
}

/// Reads one QRadioButton element (the reader stands on its start tag).
MapButton ReadRadioButton(QXmlStreamReader& xml) {
    MapButton button;
    button.name = xml.attributes().value(QLatin1String("name")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("property")) {
            xml.skipCurrentElement();
            continue;
        }
        const auto property = xml.attributes().value(QLatin1String("name"));
        if (property == QLatin1String("geometry")) {
            const QRect rect = ReadRect(xml);
            button.left = rect.left();
            button.top = rect.top();
            button.size = rect.width();
        } else if (property == QLatin1String("backColor")) {
            xml.readNextStartElement();
            button.onLand = IsLandColour(xml.readElementText());
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
    return button;
}

} // namespace

QList<MapButton> MapButtonsFromForm(const QString& uiPath, int mapWidth, int mapHeight) {
    QFile file(uiPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<MapButton> buttons;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("widget") ||
            xml.attributes().value(QLatin1String("class")) != QLatin1String("QRadioButton"))
            continue;
        const MapButton button = ReadRadioButton(xml);
        // Option1 hides behind the close button, off the map.
        const bool onMap =
            button.left + button.size <= mapWidth && button.top + button.size <= mapHeight;
        if (button.name != QLatin1String("Option1") && onMap)
            buttons.append(button);
    }
    if (xml.hasError())
        return {};
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
