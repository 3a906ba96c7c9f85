#!/usr/bin/python3
"""Draws the selection window's world map (forms/pictures/world_map.gif) from Natural Earth data.

The window places seventeen radio buttons at fixed spots; no plain projection puts all of them on
their countries. So the map is a Miller-style cylindrical projection centred on the Pacific,
fitted by least squares to the buttons' centres, then bent by a thin-plate spline so that each
button's anchor point (map_buttons.csv) lands exactly under the button's centre. Land is pure
#00FF00, the sea is the GIF's transparent colour, with no intermediate colours.

The script checks the result against the buttons' back colours and exits with status 1 when a
green-backed button does not stand on land or a blue-backed one does not stand on sea right
beside its country's land.

Usage: worldmap.py [--preview PNG]   (the preview shows the buttons drawn on the map)
"""
from __future__ import annotations

import argparse
import csv
import sys
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass
from pathlib import Path

import numpy as np
from PIL import Image, ImageDraw
from shapely.geometry import Point, Polygon as ShapelyPolygon

import pn2

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
OUTPUT = ROOT / "forms" / "pictures" / "world_map.gif"
BUTTONS = HERE / "map_buttons.csv"
FORM4_UI = ROOT / "forms" / "form4.ui"
NATURAL_EARTH = Path("/usr/share/marble/data/naturalearth")

WIDTH, HEIGHT = 412, 162
BUTTON = 17  # a radio button is 255 twips square
LAND_RGB, SEA_RGB = (0x00, 0xFF, 0x00), (0x00, 0x00, 0xC0)

# The map wraps around the globe once; the cut runs through the Atlantic west of Iceland and
# Africa and east of Brazil, so that Europe and Africa open the map and the Americas close it.
SEAM_LON = -26.0
# Lakes bigger than this (square degrees) are drawn as water: the Caspian, the Great Lakes...
LAKE_MIN_AREA = 3.0
# Antarctica would only show as specks along the bottom edge.
SOUTH_LIMIT = -60.0
RASTER_STEP = 0.05  # degrees per cell of the land raster the map is sampled from
SUPERSAMPLE = 4  # sub-samples per pixel side; a pixel is land when half its samples are
LAND_SHARE = 0.5

# Acceptance limits for the buttons.
MIN_SQUARE_LAND = 0.60  # share of a green-backed button's square that must be land
MAX_COAST_DISTANCE = 9.0  # px from a blue-backed button's centre to its country's land


@dataclass
class MapButton:
    name: str
    left: int  # px
    top: int  # px
    on_land: bool
    place: str
    anchor: tuple[float, float]  # lon, lat
    country_point: tuple[float, float]

    @property
    def centre(self) -> tuple[float, float]:
        """Centre of the button's square in continuous pixel coordinates."""
        return self.left + BUTTON / 2.0, self.top + BUTTON / 2.0

    @property
    def centre_pixel(self) -> tuple[int, int]:
        return self.left + BUTTON // 2, self.top + BUTTON // 2


def load_buttons(path: Path = BUTTONS) -> list[MapButton]:
    with path.open(encoding="utf-8") as handle:
        rows = csv.DictReader(line for line in handle if not line.startswith("#"))
        buttons = []
        for row in rows:
            left, top = int(row["left"]), int(row["top"])
            if left % 15 or top % 15:
                raise ValueError(f"{row['name']}: twips not on a whole pixel")
            buttons.append(MapButton(row["name"], left // 15, top // 15, row["back"] == "green",
                                     row["place"],
                                     (float(row["anchor_lon"]), float(row["anchor_lat"])),
                                     (float(row["country_lon"]), float(row["country_lat"]))))
    return buttons


def form_mismatches(buttons: list[MapButton], ui_path: Path = FORM4_UI) -> list[str]:
    """Differences between the table and the selection window's definition, if it exists."""
    if not ui_path.exists():
        return []
    found = {}
    for widget in ElementTree.parse(ui_path).iter("widget"):
        if widget.get("class") != "QRadioButton":
            continue
        rect = widget.find("property[@name='geometry']/rect")
        colour = widget.findtext("property[@name='backColor']/string", default="")
        found[widget.get("name")] = (int(rect.findtext("x")), int(rect.findtext("y")),
                                     colour.upper() == "#00FF00")
    problems = []
    for b in buttons:
        expected = (b.left, b.top, b.on_land)
        if found.get(b.name) != expected:
            problems.append(f"{b.name}: table {expected}, {ui_path.name} {found.get(b.name)}")
    return problems


# --- geography -------------------------------------------------------------------------------

class LonLatRaster:
    """A boolean raster over the whole globe, one cell per RASTER_STEP degrees."""

    def __init__(self):
        self.cols = int(round(360 / RASTER_STEP))
        self.rows = int(round(180 / RASTER_STEP))
        self.image = Image.new("1", (self.cols, self.rows), 0)
        self.draw = ImageDraw.Draw(self.image)

    def _cells(self, ring):
        return [((lon + 180.0) / RASTER_STEP, (90.0 - lat) / RASTER_STEP) for lon, lat in ring]

    def fill(self, polygon: pn2.Polygon, value: int = 1) -> None:
        if len(polygon.outer) >= 3:
            self.draw.polygon(self._cells(polygon.outer), fill=value)
        for hole in polygon.holes:
            if len(hole) >= 3:
                self.draw.polygon(self._cells(hole), fill=1 - value)

    def array(self) -> np.ndarray:
        return np.array(self.image, dtype=bool)


def ring_area(ring) -> float:
    xy = np.asarray(ring)
    return 0.5 * abs(np.dot(xy[:, 0], np.roll(xy[:, 1], 1)) - np.dot(xy[:, 1], np.roll(xy[:, 0], 1)))


def land_raster() -> np.ndarray:
    raster = LonLatRaster()
    for placemark in pn2.read_pn2(str(NATURAL_EARTH / "ne_50m_land.pn2")):
        for polygon in placemark.polygons:
            raster.fill(polygon, 1)
    for placemark in pn2.read_pn2(str(NATURAL_EARTH / "ne_50m_lakes.pn2")):
        for polygon in placemark.polygons:
            if ring_area(polygon.outer) >= LAKE_MIN_AREA:
                raster.fill(polygon, 0)
    return raster.array()


def country_rasters(buttons: list[MapButton]) -> dict[str, np.ndarray]:
    """For each button, the raster of the country that contains its country point."""
    countries = pn2.read_pn2(str(NATURAL_EARTH / "ne_50m_admin_0_countries.pn2"))
    shapes = []
    for placemark in countries:
        shapes.append([ShapelyPolygon(p.outer, p.holes).buffer(0) for p in placemark.polygons
                       if len(p.outer) >= 3])
    result = {}
    for button in buttons:
        point = Point(*button.country_point)
        owners = [i for i, polys in enumerate(shapes) if any(s.contains(point) for s in polys)]
        if len(owners) != 1:
            raise ValueError(f"{button.place}: country point lies in {len(owners)} countries")
        raster = LonLatRaster()
        for polygon in countries[owners[0]].polygons:
            raster.fill(polygon, 1)
        result[button.name] = raster.array()
    return result


def sample(raster: np.ndarray, lon: np.ndarray, lat: np.ndarray) -> np.ndarray:
    """Raster values at the given points; points off the globe read as False."""
    valid = (lat < 90.0) & (lat > SOUTH_LIMIT)
    col = np.floor(((lon + 180.0) % 360.0) / RASTER_STEP).astype(int) % raster.shape[1]
    row = np.clip(np.floor((90.0 - lat) / RASTER_STEP).astype(int), 0, raster.shape[0] - 1)
    return raster[row, col] & valid


# --- projection ------------------------------------------------------------------------------

def miller(lat):
    return np.degrees(1.25 * np.log(np.tan(np.pi / 4 + 0.4 * np.radians(lat))))


def inverse_miller(m):
    return np.degrees(2.5 * np.arctan(np.exp(0.8 * np.radians(m))) - 0.625 * np.pi)


def unwrap(lon):
    return (np.asarray(lon) - SEAM_LON) % 360.0 + SEAM_LON


@dataclass
class BaseProjection:
    """x = scale_x * unwrapped lon + offset_x, y = scale_y * miller(lat) + offset_y."""
    scale_x: float
    offset_x: float
    scale_y: float
    offset_y: float

    @classmethod
    def fit(cls, buttons: list[MapButton]) -> "BaseProjection":
        # One turn of the globe spans the map's width exactly, so nothing shows twice; only
        # the central meridian and the vertical scale are fitted to the buttons.
        scale_x = WIDTH / 360.0
        lon = unwrap([b.anchor[0] for b in buttons])
        cx = np.array([b.centre[0] for b in buttons])
        offset_x = float(np.mean(cx - scale_x * lon))
        m = miller(np.array([b.anchor[1] for b in buttons]))
        cy = np.array([b.centre[1] for b in buttons])
        (scale_y, offset_y), *_ = np.linalg.lstsq(np.c_[m, np.ones_like(m)], cy, rcond=None)
        return cls(scale_x, offset_x, float(scale_y), float(offset_y))

    def forward(self, lon, lat):
        return self.scale_x * unwrap(lon) + self.offset_x, self.scale_y * miller(lat) + self.offset_y

    def inverse(self, x, y):
        lon = (x - self.offset_x) / self.scale_x
        m = (y - self.offset_y) / self.scale_y
        inside = np.abs(m) < 131.0  # beyond the poles
        lat = np.where(inside, inverse_miller(np.clip(m, -131.0, 131.0)), 99.0)
        return lon, lat

    @property
    def central_meridian(self) -> float:
        return ((WIDTH / 2.0 - self.offset_x) / self.scale_x + 180.0) % 360.0 - 180.0


class ThinPlateSpline:
    """Smooth 2-D displacement field that takes exactly the given values at the given points."""

    def __init__(self, points: np.ndarray, values: np.ndarray):
        n = len(points)
        kernel = self._kernel(points[:, None, :] - points[None, :, :])
        affine = np.c_[np.ones(n), points]
        system = np.zeros((n + 3, n + 3))
        system[:n, :n], system[:n, n:], system[n:, :n] = kernel, affine, affine.T
        rhs = np.zeros((n + 3, values.shape[1]))
        rhs[:n] = values
        solution = np.linalg.solve(system, rhs)
        self.points, self.weights, self.affine = points, solution[:n], solution[n:]

    @staticmethod
    def _kernel(delta):
        r2 = np.sum(delta * delta, axis=-1)
        with np.errstate(divide="ignore", invalid="ignore"):
            return np.where(r2 > 0, 0.5 * r2 * np.log(r2), 0.0)

    def __call__(self, xy: np.ndarray) -> np.ndarray:
        kernel = self._kernel(xy[:, None, :] - self.points[None, :, :])
        return kernel @ self.weights + np.c_[np.ones(len(xy)), xy] @ self.affine


class MapWarp:
    """Maps a point of the picture (px) to the point of the globe (lon, lat) drawn there."""

    def __init__(self, buttons: list[MapButton]):
        self.base = BaseProjection.fit(buttons)
        centres = np.array([b.centre for b in buttons])
        anchors = np.array([self.base.forward(*b.anchor) for b in buttons])
        self.spline = ThinPlateSpline(centres, anchors - centres)

    def to_globe(self, x: np.ndarray, y: np.ndarray):
        xy = np.c_[x.ravel(), y.ravel()]
        moved = xy + self.spline(xy)
        lon, lat = self.base.inverse(moved[:, 0], moved[:, 1])
        # Only one turn of the globe: what falls beyond the seam is left as sea.
        lon_turns = (moved[:, 0] - self.base.offset_x) / self.base.scale_x
        outside = (lon_turns < SEAM_LON) | (lon_turns >= SEAM_LON + 360.0)
        lat = np.where(outside, 99.0, lat)
        return lon.reshape(x.shape), lat.reshape(x.shape)

    def folding(self) -> float:
        """Smallest Jacobian determinant of the bend over the picture; <= 0 means a fold."""
        ys, xs = np.mgrid[0:HEIGHT + 1:2, 0:WIDTH + 1:2].astype(float)
        xy = np.c_[xs.ravel(), ys.ravel()]
        h = 0.25
        dx = (self.spline(xy + [h, 0]) - self.spline(xy - [h, 0])) / (2 * h)
        dy = (self.spline(xy + [0, h]) - self.spline(xy - [0, h])) / (2 * h)
        det = (1 + dx[:, 0]) * (1 + dy[:, 1]) - dy[:, 0] * dx[:, 1]
        return float(det.min())


def coverage(warp: MapWarp, raster: np.ndarray, scale: int = 1) -> np.ndarray:
    """Share of each pixel's sub-samples that fall on the raster's True cells; scale 2 draws the
    same map on a grid twice as fine (the "@2x" picture for high-density screens)."""
    offsets = (np.arange(SUPERSAMPLE) + 0.5) / SUPERSAMPLE
    ys, xs = np.mgrid[0:HEIGHT * scale, 0:WIDTH * scale].astype(float)
    total = np.zeros((HEIGHT * scale, WIDTH * scale))
    for oy in offsets:
        for ox in offsets:
            lon, lat = warp.to_globe((xs + ox) / scale, (ys + oy) / scale)
            total += sample(raster, lon, lat)
    return total / SUPERSAMPLE ** 2


# --- checks ----------------------------------------------------------------------------------

@dataclass
class ButtonCheck:
    button: MapButton
    centre_on_land: bool
    square_land: float  # share of the 17x17 square that is land
    country_distance: float  # px from the centre pixel to the nearest pixel of its country
    ok: bool


def check_buttons(buttons, land: np.ndarray, countries: dict[str, np.ndarray]):
    ys, xs = np.mgrid[0:HEIGHT, 0:WIDTH]
    results = []
    for b in buttons:
        cx, cy = b.centre_pixel
        square = land[b.top:b.top + BUTTON, b.left:b.left + BUTTON]
        own = land & countries[b.name]
        if own.any():
            distance = float(np.sqrt(((xs - cx) ** 2 + (ys - cy) ** 2)[own]).min())
        else:
            distance = float("inf")
        centre = bool(land[cy, cx])
        share = float(square.mean())
        if b.on_land:
            ok = centre and share >= MIN_SQUARE_LAND and distance == 0.0
        else:
            ok = (not centre) and distance <= MAX_COAST_DISTANCE
        results.append(ButtonCheck(b, centre, share, distance, ok))
    return results


def report(results, warp: MapWarp, fold: float) -> bool:
    base = warp.base
    print(f"base projection: central meridian {base.central_meridian:.1f}, "
          f"{base.scale_x:.3f} px/deg across, {base.scale_y:.3f} px/Miller-deg down, "
          f"smallest Jacobian of the bend {fold:.2f}")
    print(f"{'button':9} {'place':19} {'back':5} {'centre':6} {'land%':>5} {'to country':>10}  result")
    for r in results:
        print(f"{r.button.name:9} {r.button.place:19} {'green' if r.button.on_land else 'blue':5} "
              f"{'land' if r.centre_on_land else 'sea':6} {100 * r.square_land:5.0f} "
              f"{r.country_distance:10.1f}  {'ok' if r.ok else 'FAIL'}")
    return all(r.ok for r in results) and fold > 0


# --- output ----------------------------------------------------------------------------------

def save_gif(land: np.ndarray, path: Path) -> None:
    image = Image.fromarray(land.astype(np.uint8), "P")
    # Index 0 is the transparent sea; its colour is the window's, for viewers without alpha.
    image.putpalette(list(SEA_RGB) + list(LAND_RGB))
    image.save(path, transparency=0, optimize=False)


def save_preview(land: np.ndarray, buttons, path: Path) -> None:
    scale = 3
    rgb = np.where(land[..., None], np.array(LAND_RGB), np.array(SEA_RGB)).astype(np.uint8)
    image = Image.fromarray(rgb, "RGB").resize((WIDTH * scale, HEIGHT * scale), Image.NEAREST)
    draw = ImageDraw.Draw(image)
    for b in buttons:
        box = [b.left * scale, b.top * scale, (b.left + BUTTON) * scale - 1, (b.top + BUTTON) * scale - 1]
        draw.rectangle(box, outline=(255, 255, 0) if b.on_land else (255, 0, 255))
        inset = [box[0] + 4 * scale, box[1] + 4 * scale, box[2] - 4 * scale, box[3] - 4 * scale]
        draw.ellipse(inset, fill=LAND_RGB if b.on_land else SEA_RGB, outline=(255, 255, 255), width=2)
        draw.text((box[0] + 2, box[3] + 2), b.place, fill=(255, 255, 255))
    image.save(path)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", type=Path, help="also write an enlarged PNG with the buttons")
    parser.add_argument("--output", type=Path, default=OUTPUT)
    args = parser.parse_args()

    buttons = load_buttons()
    mismatches = form_mismatches(buttons)
    for problem in mismatches:
        print(f"button table differs from the window: {problem}", file=sys.stderr)
    if mismatches:
        return 1
    warp = MapWarp(buttons)
    land = coverage(warp, land_raster()) >= LAND_SHARE
    countries = {}
    for name, raster in country_rasters(buttons).items():
        countries[name] = coverage(warp, raster) >= LAND_SHARE / 2
    results = check_buttons(buttons, land, countries)
    passed = report(results, warp, warp.folding())
    save_gif(land, args.output)
    dense = coverage(warp, land_raster(), scale=2) >= LAND_SHARE
    save_gif(dense, args.output.with_name(args.output.stem + "@2x" + args.output.suffix))
    if args.preview:
        save_preview(land, buttons, args.preview)
    if not passed:
        print("world map check FAILED", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
