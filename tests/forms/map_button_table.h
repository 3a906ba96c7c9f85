#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

/// One radio button standing on the selection window's world map.
struct MapButton {
    QString name;        ///< control name, e.g. "Option13"
    int left = 0;        ///< pixels from the map's left edge
    int top = 0;         ///< pixels from the map's top edge
    int size = 0;        ///< the square's side in pixels
    bool onLand = false; ///< back colour #00FF00 (land) rather than #0000C0 (sea)

    friend bool operator==(const MapButton&, const MapButton&) = default;
};
Q_DECLARE_METATYPE(MapButton)

/// The map buttons (Option2 and up, only those inside the map) of a Designer .ui file, in file
/// order; empty when the file cannot be read or parsed.
QList<MapButton> MapButtonsFromForm(const QString& uiPath, int mapWidth, int mapHeight);

/// The map buttons of the map generator's table (CSV with twip positions), in file order;
/// empty when the file cannot be read.
QList<MapButton> MapButtonsFromGeneratorTable(const QString& csvPath);
