#!/usr/bin/python3
"""Draws the program icon: forms/pictures/icon.jpg (31x31, 24-bit, no alpha) and the desktop's
hicolor icons (packaging/icons/hicolor/<N>x<N>/apps/zorimex.png and scalable/apps/zorimex.svg).

One vector description (a 256-unit square) feeds both the SVG and every PNG, which is painted
at a large multiple of its size and averaged down, so each size is crisp rather than scaled from
another bitmap. The design: a blue gradient square, a large black Z, and the initials ZRMX in
small stroked letters under it; below 31 px the initials would be a smudge, so those sizes show
the Z alone, a little larger.

Usage: icons.py
"""
from __future__ import annotations

import math
import sys
from pathlib import Path

import numpy as np
from PIL import Image, ImageDraw

import drawing as d

ROOT = Path(__file__).resolve().parents[2]
# JPEG rather than PNG: a PNG makes Qt load every image-format plugin to let each claim it (SVG,
# GIF, ICO, JPEG) when the first window shows its icon; the JPEG plugin is loaded anyway.
PROGRAM_ICON = ROOT / "forms" / "pictures" / "icon.jpg"
HICOLOR = ROOT / "packaging" / "icons" / "hicolor"
HICOLOR_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
UNITS = 256.0

GRADIENT = ("#b4e2ff", "#2f78e0", "#0d3f9e")  # top left, middle, bottom right
EDGE = "#0a2f78"
EDGE_WIDTH = 8.0
INK = "#000000"
CORNER = 0.0  # the program icon is a full square; the desktop icons round their corners
DESKTOP_CORNER = 36.0

# The big Z: top bar, parallel diagonal, bottom bar (x, y in units).
Z_FULL = [(56, 26), (200, 26), (200, 62), (114, 148), (200, 148), (200, 184), (56, 184),
          (56, 150), (142, 64), (56, 64)]
INITIALS = "ZRMX"
INITIALS_TOP, INITIALS_HEIGHT, INITIALS_WIDTH, INITIALS_GAP, INITIALS_STROKE = 198.0, 38.0, 33.0, 11.0, 10.0


def z_alone() -> list[tuple[float, float]]:
    """The Z scaled about the square's centre to fill the room the initials leave."""
    cx, cy, k = 128.0, 105.0, 1.3
    return [(128 + (x - cx) * k, 128 + (y - cy) * k) for x, y in Z_FULL]


def letter_strokes(letter: str, left: float, top: float, w: float, h: float):
    """Polylines of one stroked capital, in units."""
    r, b = left + w, top + h
    if letter == "Z":
        return [[(left, top), (r, top), (left, b), (r, b)]]
    if letter == "M":
        return [[(left, b), (left, top), (left + w / 2, top + h * 0.62), (r, top), (r, b)]]
    if letter == "X":
        return [[(left, top), (r, b)], [(r, top), (left, b)]]
    if letter == "R":
        bowl_r = h * 0.26
        bx = left + w - bowl_r
        arc = [(bx + bowl_r * math.sin(a), top + bowl_r - bowl_r * math.cos(a))
               for a in np.linspace(0, math.pi, 13)]
        return [[(left, b), (left, top), (bx, top)] + arc[1:] + [(left, top + 2 * bowl_r)],
                [(left + w * 0.45, top + 2 * bowl_r), (r, b)]]
    raise ValueError(letter)


def initials_strokes():
    total = len(INITIALS) * INITIALS_WIDTH + (len(INITIALS) - 1) * INITIALS_GAP
    left = (UNITS - total) / 2
    strokes = []
    for i, letter in enumerate(INITIALS):
        strokes += letter_strokes(letter, left + i * (INITIALS_WIDTH + INITIALS_GAP),
                                  INITIALS_TOP, INITIALS_WIDTH, INITIALS_HEIGHT)
    return strokes


def design(with_initials: bool):
    z = Z_FULL if with_initials else z_alone()
    return z, (initials_strokes() if with_initials else [])


# --- SVG -------------------------------------------------------------------------------------

def svg(corner: float) -> str:
    z, strokes = design(True)
    fmt = lambda pts: " ".join(f"{x:.2f},{y:.2f}" for x, y in pts)
    inset = EDGE_WIDTH / 2
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
        '  <title>Zorimex</title>',
        '  <defs>',
        '    <linearGradient id="face" x1="0" y1="0" x2="256" y2="256" gradientUnits="userSpaceOnUse">',
        f'      <stop offset="0" stop-color="{GRADIENT[0]}"/>',
        f'      <stop offset="0.5" stop-color="{GRADIENT[1]}"/>',
        f'      <stop offset="1" stop-color="{GRADIENT[2]}"/>',
        '    </linearGradient>',
        '  </defs>',
        f'  <rect x="{inset}" y="{inset}" width="{UNITS - 2 * inset}" height="{UNITS - 2 * inset}" '
        f'rx="{max(corner - inset, 0)}" fill="url(#face)" stroke="{EDGE}" stroke-width="{EDGE_WIDTH}"/>',
        f'  <polygon points="{fmt(z)}" fill="{INK}"/>',
        f'  <g fill="none" stroke="{INK}" stroke-width="{INITIALS_STROKE}" '
        'stroke-linecap="round" stroke-linejoin="round">',
    ]
    lines += [f'    <polyline points="{fmt(s)}"/>' for s in strokes]
    lines += ['  </g>', '</svg>', '']
    return "\n".join(lines)


# --- bitmaps ---------------------------------------------------------------------------------

def render(size: int, corner: float, alpha: bool) -> Image.Image:
    with_initials = size >= 31
    factor = max(4, math.ceil(1024 / size))
    big = size * factor
    s = big / UNITS
    x, y = d.grid(big, big)
    t = (x + y) / (2 * big)
    rgb = d.ramp(t, [(0.0, GRADIENT[0]), (0.5, GRADIENT[1]), (1.0, GRADIENT[2])])
    canvas = Image.fromarray(np.clip(np.round(rgb), 0, 255).astype(np.uint8), "RGB")
    draw = ImageDraw.Draw(canvas)
    inset = EDGE_WIDTH / 2 * s
    edge_px = max(EDGE_WIDTH * s, factor)  # at least one output pixel wide
    draw.rounded_rectangle([inset, inset, big - inset, big - inset], radius=max(corner * s - inset, 0),
                           outline=EDGE, width=int(round(edge_px)))
    z, strokes = design(with_initials)
    draw.polygon([(px * s, py * s) for px, py in z], fill=INK)
    width = INITIALS_STROKE * s
    for stroke in strokes:
        pts = [(px * s, py * s) for px, py in stroke]
        draw.line(pts, fill=INK, width=int(round(width)), joint="curve")
        for px, py in (pts[0], pts[-1]):
            draw.ellipse([px - width / 2, py - width / 2, px + width / 2, py + width / 2], fill=INK)
    if alpha:
        mask = Image.new("L", (big, big), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, big - 1, big - 1], radius=corner * s, fill=255)
        canvas.putalpha(mask)
    return canvas.resize((size, size), Image.BOX)


def main() -> int:
    PROGRAM_ICON.parent.mkdir(parents=True, exist_ok=True)
    render(31, CORNER, alpha=False).save(PROGRAM_ICON, quality=100, subsampling=0, optimize=True)
    print(f"{PROGRAM_ICON.relative_to(ROOT)}: 31x31 RGB")
    for size in HICOLOR_SIZES:
        path = HICOLOR / f"{size}x{size}" / "apps" / "zorimex.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        render(size, DESKTOP_CORNER, alpha=True).save(path, optimize=True)
        print(f"{path.relative_to(ROOT)}: {size}x{size} RGBA")
    path = HICOLOR / "scalable" / "apps" / "zorimex.svg"
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(svg(DESKTOP_CORNER), encoding="utf-8")
    print(f"{path.relative_to(ROOT)}: SVG")
    return 0


if __name__ == "__main__":
    sys.exit(main())
