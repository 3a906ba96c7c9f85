"""Small drawing helpers shared by the picture generators (PIL, supersampled antialiasing)."""
from __future__ import annotations

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts"
LATIN_BOLD = f"{FONT_DIR}/truetype/dejavu/DejaVuSans-Bold.ttf"
LATIN_BOLD_OBLIQUE = f"{FONT_DIR}/truetype/dejavu/DejaVuSans-BoldOblique.ttf"
LATIN_SERIF_BOLD = f"{FONT_DIR}/truetype/dejavu/DejaVuSerif-Bold.ttf"
GOTHIC = f"{FONT_DIR}/opentype/ipafont-gothic/ipag.ttf"
GOTHIC_PROPORTIONAL = f"{FONT_DIR}/opentype/ipafont-gothic/ipagp.ttf"
MINCHO = f"{FONT_DIR}/opentype/ipafont-mincho/ipam.ttf"
ROUNDED_DISPLAY = f"{FONT_DIR}/truetype/rocknroll/RocknRollOne-Regular.ttf"


# Pixels per picture pixel: 1 for the pictures as the windows define them, 2 for their "@2x"
# versions, which high-density screens show at the same size. The generators keep working in
# the 1x coordinates; the helpers here scale what they draw.
SCALE = 1


def px(value: float) -> float:
    """A length in 1x pixels, in the pixels of the picture being drawn."""
    return value * SCALE


def size(width: int, height: int) -> tuple[int, int]:
    return width * SCALE, height * SCALE


def font(path: str, size: float) -> ImageFont.FreeTypeFont:
    return ImageFont.truetype(path, int(round(size * SCALE)))


def hex_rgb(colour: str) -> np.ndarray:
    colour = colour.lstrip("#")
    return np.array([int(colour[i:i + 2], 16) for i in (0, 2, 4)], dtype=float)


def ramp(t: np.ndarray, stops: list[tuple[float, str]]) -> np.ndarray:
    """Colours along a piecewise-linear ramp; t is clipped to the stops' range."""
    positions = np.array([p for p, _ in stops])
    colours = np.array([hex_rgb(c) for _, c in stops])
    t = np.clip(t, positions[0], positions[-1])
    return np.stack([np.interp(t, positions, colours[:, k]) for k in range(3)], axis=-1)


def grid(width: int, height: int):
    """Pixel-centre coordinates (x, y) as float arrays of shape (height, width)."""
    ys, xs = np.mgrid[0:height * SCALE, 0:width * SCALE].astype(float)
    return (xs + 0.5) / SCALE, (ys + 0.5) / SCALE


def to_image(rgb: np.ndarray, seed: int = 0) -> Image.Image:
    """Rounds float RGB to 8 bits with a little ordered noise so gradients show no bands."""
    noise = np.random.default_rng(seed).uniform(-0.5, 0.5, rgb.shape[:2])[..., None]
    return Image.fromarray(np.clip(np.round(rgb + noise), 0, 255).astype(np.uint8), "RGB")


def draw_text(image: Image.Image, xy, text: str, draw_font, fill, anchor: str = "la",
              shadow: tuple[int, int, int] | None = None, shadow_offset=(2, 2),
              shadow_blur: float = 2.0, outline: tuple[int, int, int] | None = None,
              outline_width: int = 0, shear: float = 0.0) -> None:
    """Draws text with an optional soft shadow and outline; shear slants it further (x += shear*y).

    Positions, offsets, blur and outline width are in 1x pixels."""
    xy = (px(xy[0]), px(xy[1]))
    shadow_offset = (int(round(px(shadow_offset[0]))), int(round(px(shadow_offset[1]))))
    shadow_blur = px(shadow_blur)
    outline_width = int(round(px(outline_width)))
    width, height = image.size
    layer = Image.new("L", (width, height), 0)
    ImageDraw.Draw(layer).text(xy, text, font=draw_font, fill=255, anchor=anchor)
    edge = None
    if outline is not None and outline_width > 0:
        edge = Image.new("L", (width, height), 0)
        ImageDraw.Draw(edge).text(xy, text, font=draw_font, fill=255, anchor=anchor,
                                  stroke_width=outline_width, stroke_fill=255)
    if shear:
        # Shear about the text's baseline row so it stays where it was put.
        base_y = xy[1]
        matrix = (1, shear, -shear * base_y, 0, 1, 0)
        layer = layer.transform(layer.size, Image.AFFINE, matrix, resample=Image.BICUBIC)
        if edge is not None:
            edge = edge.transform(edge.size, Image.AFFINE, matrix, resample=Image.BICUBIC)
    if shadow is not None:
        source = edge if edge is not None else layer
        blurred = source.filter(ImageFilter.GaussianBlur(shadow_blur))
        shifted = Image.new("L", (width, height), 0)
        shifted.paste(blurred, shadow_offset)
        image.paste(Image.new("RGB", image.size, shadow), (0, 0), shifted)
    if edge is not None:
        image.paste(Image.new("RGB", image.size, outline), (0, 0), edge)
    image.paste(Image.new("RGB", image.size, fill), (0, 0), layer)


def supersampled(width: int, height: int, factor: int, paint, mode: str = "RGB",
                 background=(0, 0, 0)) -> Image.Image:
    """Calls paint(draw, scale) on a canvas factor times larger, then averages it down."""
    factor *= SCALE
    big = Image.new(mode, (width * factor, height * factor), background)
    paint(big, ImageDraw.Draw(big), factor)
    return big.resize(size(width, height), Image.BOX)
