"""Reader for Marble's packed polygon files (.pn2, Natural Earth data shipped with marble-data).

The file is a Qt QDataStream (big-endian): u8 version, u32 polygon count, u8 colour-field flag,
then for version 2 one record per ring: u8 flag, u32 placemark id, [u8 colour index when a new
placemark starts and the colour field is on], u32 absolute-node count, and per absolute node
i16 lat, i16 lon (in 1/120 degree), i16 relative-node count followed by that many i8 pairs of
offsets to the absolute node. Flag 4 wraps a u8-counted list of such rings into one placemark.
"""
from __future__ import annotations

import struct
from dataclasses import dataclass, field

LINESTRING, LINEARRING, OUTER, INNER, MULTI = 0, 1, 2, 3, 4


@dataclass
class Polygon:
    """One ring set: an outer ring with its holes, coordinates as (lon, lat) degrees."""
    outer: list[tuple[float, float]]
    holes: list[list[tuple[float, float]]] = field(default_factory=list)


@dataclass
class Placemark:
    ident: int
    polygons: list[Polygon] = field(default_factory=list)


class _Stream:
    def __init__(self, data: bytes):
        self.data, self.pos = data, 0

    def read(self, fmt: str):
        size = struct.calcsize(">" + fmt)
        values = struct.unpack_from(">" + fmt, self.data, self.pos)
        self.pos += size
        return values if len(values) > 1 else values[0]

    def at_end(self) -> bool:
        return self.pos >= len(self.data)


def _ring(stream: _Stream, absolute_nodes: int) -> list[tuple[float, float]]:
    points = []
    for _ in range(absolute_nodes):
        lat, lon, relatives = stream.read("hhh")
        points.append((lon / 120.0, lat / 120.0))
        for _ in range(relatives):
            dlat, dlon = stream.read("bb")
            points.append(((lon + dlon) / 120.0, (lat + dlat) / 120.0))
    return points


def _add_ring(placemark: Placemark, flag: int, ring) -> None:
    if flag == INNER and placemark.polygons:
        placemark.polygons[-1].holes.append(ring)
    elif flag in (OUTER, LINEARRING):
        placemark.polygons.append(Polygon(ring))
    # Line strings carry no area; they are not needed for filling land.


def read_pn2(path: str) -> list[Placemark]:
    """Returns the file's placemarks in file order; raises ValueError on a malformed file."""
    with open(path, "rb") as handle:
        stream = _Stream(handle.read())
    version, count, has_colour = stream.read("BIB")
    if version != 2:
        raise ValueError(f"{path}: unsupported pn2 version {version}")
    placemarks: list[Placemark] = []
    previous_id = None
    for _ in range(count):
        if stream.at_end():
            break
        flag, ident = stream.read("BI")
        if ident != previous_id:
            if has_colour:
                stream.read("B")
            placemarks.append(Placemark(ident))
            previous_id = ident
        current = placemarks[-1]
        if flag != MULTI:
            _add_ring(current, flag, _ring(stream, stream.read("I")))
            continue
        for _ in range(stream.read("B")):
            inner_flag, _inner_id, nodes = stream.read("BII")
            _add_ring(current, inner_flag, _ring(stream, nodes))
    return placemarks
