#!/usr/bin/python3
"""Draws the windows' pictures (forms/pictures/*.jpg, *.gif) except the world map and the icon.

Every picture is computed from gradients, shapes and the system's IPA and DejaVu fonts, so a run
on the same Debian fonts reproduces the same files. Where controls lie over a picture, the
picture keeps its big elements clear of them (positions are the windows' control rectangles in
pixels).

Usage: pictures.py [--only NAME ...]
"""
from __future__ import annotations

import argparse
import sys
from pathlib import Path

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import drawing as d

ROOT = Path(__file__).resolve().parents[2]
OUT = ROOT / "forms" / "pictures"

MAKER = "ZRMX工房"
RIGHTS = "Copyright (C) 2002 ZRMX工房 例田太郎"
PRODUCT = "Zorimex"


def save_jpeg(image: Image.Image, name: str) -> None:
    # No chroma subsampling: the pictures carry thin white letters on coloured ground.
    image.save(OUT / name, "JPEG", quality=92, subsampling=0, optimize=True)


def save_gif(image: Image.Image, name: str, colours: int = 128) -> None:
    paletted = image.quantize(colors=colours, method=Image.MEDIANCUT, dither=Image.NONE)
    paletted.save(OUT / name, "GIF", optimize=False)


# --- main and start-up windows ---------------------------------------------------------------

def background() -> Image.Image:
    """523x374: dark grey, the product name and 2002 in big white slanted letters.

    The start-up window (474x355 of the picture shown) puts its OK button at the top right
    (296..449 x 0..41) with a hint label under it (248..473 x 48..73), and its labels in the
    left column (x < 226) from y 120 down. So the name runs across the right middle, the year
    sits under it at the right, and the free top left carries only a faint globe.
    """
    width, height = 523, 374
    x, y = d.grid(width, height)
    base = d.ramp(y / height, [(0.0, "#47474b"), (0.55, "#2e2e31"), (1.0, "#1c1c1e")])
    glow = np.exp(-(((x - 345) / 170) ** 2 + ((y - 170) / 95) ** 2))
    rgb = base + glow[..., None] * np.array([22, 24, 30])
    # A faint slanted light streak behind the letters gives the grey some depth.
    streak = np.exp(-(((y - 172) + 0.35 * (x - 330)) / 26) ** 2) * (x > 150)
    rgb += streak[..., None] * np.array([10, 11, 14])
    # A faint graticule globe in the empty top left, cut by the picture's edges.
    gx, gy, radius = (x - 70) / 150, (y - 20) / 150, 1.0
    r2 = gx * gx + gy * gy
    gz = np.sqrt(np.clip(radius - r2, 0, 1))
    lat = np.degrees(np.arcsin(np.clip(-gy, -1, 1)))
    lon = np.degrees(np.arctan2(gx, np.maximum(gz, 1e-6)))
    width_lon = 0.9 / np.maximum(np.cos(np.radians(lat)), 0.15)
    lines = (np.abs((lat + 10) % 20 - 10) < 0.35) | (np.abs((lon + 10) % 20 - 10) < width_lon)
    rim = np.abs(np.sqrt(r2) - 1.0) < 0.004
    fade = np.clip(1.2 - np.sqrt((x / 260) ** 2 + (y / 170) ** 2), 0, 1)
    rgb += (((lines & (r2 < 1)) | rim) * fade)[..., None] * np.array([16, 18, 22])
    image = d.to_image(rgb, seed=1)

    shadow = (8, 8, 10)
    name_font = d.font(d.LATIN_BOLD_OBLIQUE, 62)
    d.draw_text(image, (466, 158), PRODUCT, name_font, (255, 255, 255), anchor="rs",
                shadow=shadow, shadow_offset=(3, 3), shadow_blur=2.5, shear=-0.12)
    draw = ImageDraw.Draw(image)
    draw.line([(d.px(228), d.px(174)), (d.px(468), d.px(174))], fill=(200, 205, 215),
              width=int(d.px(2)))
    year_font = d.font(d.LATIN_BOLD_OBLIQUE, 92)
    d.draw_text(image, (464, 266), "2002", year_font, (255, 255, 255), anchor="rs",
                shadow=shadow, shadow_offset=(4, 4), shadow_blur=3.0, shear=-0.12)

    notice_font = d.font(d.GOTHIC_PROPORTIONAL, 11)
    d.draw_text(image, (8, 341), RIGHTS, notice_font, (255, 255, 255),
                shadow=(0, 0, 0), shadow_offset=(1, 1), shadow_blur=0.6)
    return image


def logo() -> Image.Image:
    """150x111: the maker group's logo, a blue globe under the large letters ZRMX工房."""
    width, height = 150, 111
    _, y = d.grid(width, height)
    rgb = d.ramp(y / height, [(0.0, "#ffffff"), (1.0, "#d6ebff")])
    image = d.to_image(rgb, seed=2)

    factor = 6
    cx, cy, radius = 75.0, 72.0, 36.0
    big_w, big_h = width * factor, height * factor
    bx, by = d.grid(big_w, big_h)
    bx, by = bx / factor, by / factor
    nx, ny = (bx - cx) / radius, (by - cy) / radius
    r2 = nx * nx + ny * ny
    inside = r2 <= 1.0
    nz = np.sqrt(np.clip(1.0 - r2, 0.0, 1.0))
    # Lambert shading from a light at the upper left, plus a specular spot.
    light = np.array([-0.45, -0.55, 0.70])
    light /= np.linalg.norm(light)
    diffuse = np.clip(nx * light[0] + ny * light[1] + nz * light[2], 0, 1)
    sphere = d.ramp(diffuse, [(0.0, "#062062"), (0.5, "#1450c0"), (0.85, "#3d8ef0"), (1.0, "#8cc8ff")])
    specular = np.clip(diffuse, 0, 1) ** 24
    sphere += specular[..., None] * 120
    # Graticule: meridians every 30 degrees of longitude, parallels every 30 of latitude.
    lat = np.degrees(np.arcsin(np.clip(-ny, -1, 1)))
    lon = np.degrees(np.arctan2(nx, np.maximum(nz, 1e-6)))
    near_line = ((np.abs((lat + 15) % 30 - 15) < 1.4) | (np.abs((lon + 15 + 10) % 30 - 15) < 1.6 / np.maximum(np.cos(np.radians(lat)), 0.2)))
    sphere = np.where((near_line & inside & (nz > 0.08))[..., None], sphere * 0.55 + np.array([170, 215, 255]) * 0.45, sphere)
    rim = np.clip((np.sqrt(r2) - 0.97) / 0.03, 0, 1)
    sphere = sphere * (1 - rim[..., None]) + np.array([10, 30, 90]) * rim[..., None]
    big = np.array(image.resize(d.size(big_w, big_h), Image.NEAREST), dtype=float)
    big = np.where(inside[..., None], sphere, big)
    globe = Image.fromarray(np.clip(big, 0, 255).astype(np.uint8)).resize(d.size(width, height), Image.BOX)
    # A soft shadow under the globe on the ground.
    shade = Image.new("L", d.size(width, height), 0)
    ImageDraw.Draw(shade).ellipse([d.px(cx - 30), d.px(104), d.px(cx + 30), d.px(112)], fill=90)
    shade = shade.filter(ImageFilter.GaussianBlur(d.px(3)))
    image = globe
    image.paste(Image.new("RGB", image.size, (90, 110, 140)), (0, 0), shade)
    image.paste(globe, (0, 0), Image.fromarray((inside.astype(np.uint8) * 255)).resize(d.size(width, height), Image.BOX))

    navy, white = (10, 36, 104), (255, 255, 255)
    latin = d.font(d.LATIN_BOLD, 24)
    kanji = d.font(d.ROUNDED_DISPLAY, 25)
    latin_w = latin.getlength("ZRMX") / d.SCALE
    kanji_w = kanji.getlength("工房") / d.SCALE
    left = (width - (latin_w + 2 + kanji_w)) / 2
    for text, face, at in (("ZRMX", latin, left), ("工房", kanji, left + latin_w + 2)):
        d.draw_text(image, (at, 33), text, face, navy, anchor="ls", outline=white, outline_width=2,
                    shadow=(120, 140, 170), shadow_offset=(1, 2), shadow_blur=1.2)
    return image


def radial_face(width: int, height: int, stops, seed: int) -> Image.Image:
    x, y = d.grid(width, height)
    t = np.sqrt(((x - width / 2) / (width / 2)) ** 2 + ((y - height / 2) / (height / 2)) ** 2)
    return d.to_image(d.ramp(t, stops), seed=seed)


def button_face() -> Image.Image:
    """236x120: the blue radial face of the 換算, 選択終了 and OK buttons.

    The buttons show only a centred crop (73x41 for 換算, up to 153x41), with a black caption,
    so the light centre and the first turn to blue lie within the inner third.
    """
    return radial_face(236, 120, [(0.0, "#eaf7ff"), (0.14, "#bfe5ff"), (0.34, "#62aaf4"),
                                  (0.62, "#2766d0"), (1.0, "#0c358a"), (1.5, "#082766")], seed=3)


def country_button() -> Image.Image:
    """142x71: the 国を選択 face, a glassy vertical blue gradient; the button shows 65x25 of its centre."""
    width, height = 142, 71
    x, y = d.grid(width, height)
    top, bottom = 23.0, 48.0  # the rows the button shows
    mid = (top + bottom) / 2
    upper = d.ramp((y - top) / (mid - top), [(0.0, "#dff1ff"), (1.0, "#98cbf8")])
    lower = d.ramp((y - mid) / (bottom - mid), [(0.0, "#4f95ec"), (1.0, "#2a6ad4")])
    rgb = np.where((y < mid)[..., None], upper, lower)
    outside = np.clip(np.maximum(top - y, y - bottom) / 23.0, 0, 1)
    rgb = rgb * (1 - outside[..., None]) + d.hex_rgb("#0e3a8c") * outside[..., None]
    side = np.clip(np.abs(x - width / 2) / (width / 2), 0, 1) ** 2
    rgb *= (1 - 0.25 * side)[..., None]
    return d.to_image(rgb, seed=4)


def close_mark() -> Image.Image:
    """25x25: a white cross in a red box, framed dark for the dark windows around it."""
    def paint(image, draw, s):
        draw.rectangle([0, 0, 25 * s, 25 * s], fill=(52, 52, 56))
        box = [1.5 * s, 1.5 * s, 23.5 * s, 23.5 * s]
        draw.rounded_rectangle(box, radius=3 * s, fill=(150, 24, 14))
        inner = [2.5 * s, 2.5 * s, 22.5 * s, 22.5 * s]
        draw.rounded_rectangle(inner, radius=2.5 * s, fill=(214, 62, 40))
        draw.rounded_rectangle([2.5 * s, 2.5 * s, 22.5 * s, 12 * s], radius=2.5 * s, fill=(232, 98, 74))
        draw.line([(7.5 * s, 7.5 * s), (17.5 * s, 17.5 * s)], fill=(255, 255, 255), width=int(3 * s))
        draw.line([(17.5 * s, 7.5 * s), (7.5 * s, 17.5 * s)], fill=(255, 255, 255), width=int(3 * s))
    return d.supersampled(25, 25, 8, paint)


def banner(text_parts) -> Image.Image:
    """124x26: white words on a blue bar with a light edge."""
    width, height = 124, 26
    _, y = d.grid(width, height)
    rgb = d.ramp(y / height, [(0.0, "#3f86ea"), (0.5, "#1f5fcc"), (1.0, "#0f3f9a")])
    image = d.to_image(rgb, seed=5)
    draw = ImageDraw.Draw(image)
    s = d.SCALE
    draw.rectangle([0, 0, width * s - 1, height * s - 1], outline=(10, 34, 90), width=s)
    draw.rectangle([s, s, (width - 1) * s - 1, (height - 1) * s - 1], outline=(120, 176, 250), width=s)
    total = sum(face.getlength(text) for text, face in text_parts) / s
    at = (width - total) / 2
    for text, face in text_parts:
        d.draw_text(image, (at, 19), text, face, (255, 255, 255), anchor="ls",
                    shadow=(8, 24, 70), shadow_offset=(1, 1), shadow_blur=0.7)
        at += face.getlength(text) / s
    return image


def banner_feedback() -> Image.Image:
    return banner([("感想・要望", d.font(d.ROUNDED_DISPLAY, 16))])


def banner_maker() -> Image.Image:
    return banner([("Go to ", d.font(d.LATIN_BOLD, 12)), ("ZRMX", d.font(d.LATIN_BOLD, 12)),
                   ("工房", d.font(d.ROUNDED_DISPLAY, 13))])


# --- About window ----------------------------------------------------------------------------

def about_background() -> Image.Image:
    """464x380: light cyan in the middle fading to blue at the edges."""
    return radial_face(464, 380, [(0.0, "#e4ffff"), (0.3, "#a6f0ff"), (0.7, "#4aa6f2"),
                                  (1.1, "#1a4fc8"), (1.5, "#123c9e")], seed=6)


def about_logo() -> Image.Image:
    """330x258: the product artwork behind the About window's three labels.

    The labels (black, 21 px bold) stand at y 48..73, 88..113 and 136..161 across the width,
    so the artwork's big elements keep to the top right corner ($) and the bottom band
    (円 at the left, the product name to its right), and the label rows stay light.
    """
    width, height = 330, 258
    x, y = d.grid(width, height)
    s = 0.55 * (x / width) + 0.45 * ((height - y) / height)
    rgb = d.ramp(s, [(0.0, "#1d4fd0"), (0.28, "#4f8ff0"), (0.5, "#a9d2ff"), (0.68, "#fff4b0"),
                     (0.85, "#ffe15a"), (1.0, "#ffc90e")])
    image = d.to_image(rgb, seed=7)

    dollar = d.font(d.LATIN_SERIF_BOLD, 50)
    d.draw_text(image, (320, 43), "$", dollar, (222, 28, 28), anchor="rs", outline=(255, 255, 255),
                outline_width=2, shadow=(150, 90, 0), shadow_offset=(2, 2), shadow_blur=1.5)
    yen = d.font(d.ROUNDED_DISPLAY, 62)
    d.draw_text(image, (12, 244), "円", yen, (255, 222, 40), anchor="ls", outline=(120, 60, 0),
                outline_width=2, shadow=(10, 20, 70), shadow_offset=(3, 3), shadow_blur=2.0)
    name = d.font(d.LATIN_BOLD_OBLIQUE, 52)
    d.draw_text(image, (322, 240), PRODUCT, name, (255, 255, 255), anchor="rs",
                shadow=(12, 30, 90), shadow_offset=(3, 3), shadow_blur=2.5, shear=-0.1)
    return image


# --- information windows ---------------------------------------------------------------------

INFO_SIZE = (583, 417)
INFO_GROUND, INFO_PANEL, INFO_LINE, INFO_ACCENT = (44, 44, 46), (54, 54, 57), (78, 78, 82), (96, 140, 200)
INFO_BOTTOM = 333  # the bottom fifth stays empty


def info_base(heading_bottom: int) -> tuple[Image.Image, ImageDraw.ImageDraw]:
    image = Image.new("RGB", d.size(*INFO_SIZE), INFO_GROUND)
    draw = ImageDraw.Draw(image)
    s = d.SCALE

    def box(left, top, right, bottom):  # inclusive 1x pixel rows and columns
        return [left * s, top * s, (right + 1) * s - 1, (bottom + 1) * s - 1]

    draw.rectangle(box(8, 8, 574, heading_bottom), fill=INFO_PANEL)
    draw.rectangle(box(8, heading_bottom + 1, 574, heading_bottom + 2), fill=INFO_ACCENT)
    draw.rectangle(box(8, 8, 574, INFO_BOTTOM - 8), outline=INFO_LINE, width=s)
    return image, draw


def advice() -> Image.Image:
    """583x417: ground for the advice text: a heading band and a frame, nothing below y 333.

    The window (538x348 shown) puts its 閉じる button at 352..473 x 24..57, inside the band.
    """
    image, draw = info_base(heading_bottom=64)
    return image


def hotel_rates() -> Image.Image:
    """583x417: ground for the hotel-rate table: a taller band for the three notes and a frame.

    The 閉じる button sits at the bottom right (384..545 x 344..377), in the empty bottom fifth.
    """
    image, draw = info_base(heading_bottom=76)
    return image


PICTURES = {
    "background.jpg": background, "logo.jpg": logo, "button_face.jpg": button_face,
    "country_button.jpg": country_button, "close_mark.jpg": close_mark,
    "banner_feedback.gif": banner_feedback, "banner_maker.gif": banner_maker,
    "about_background.jpg": about_background, "about_logo.jpg": about_logo,
    "advice.gif": advice, "hotel_rates.gif": hotel_rates,
}


def scaled_name(name: str, scale: int) -> str:
    """Qt's convention for high-density versions: background.jpg, background@2x.jpg."""
    if scale == 1:
        return name
    stem, dot, suffix = name.rpartition(".")
    return f"{stem}@{scale}x{dot}{suffix}"


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--only", nargs="*", choices=sorted(PICTURES))
    args = parser.parse_args()
    OUT.mkdir(parents=True, exist_ok=True)
    for scale in (1, 2):
        d.SCALE = scale
        for name in args.only or PICTURES:
            image = PICTURES[name]()
            out = scaled_name(name, scale)
            if name.endswith(".gif"):
                save_gif(image, out, colours=16 if name in ("advice.gif", "hotel_rates.gif") else 128)
            else:
                save_jpeg(image, out)
            print(f"{out}: {image.size[0]}x{image.size[1]}")
    d.SCALE = 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
