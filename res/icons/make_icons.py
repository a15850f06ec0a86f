#!/usr/bin/env python3
"""Draws the program's icons and writes them as 16-colour .ico files beside
this script. The .ico files are kept in the repository, so the build never
runs this; run it again after changing a picture."""

from __future__ import annotations

import struct
from pathlib import Path

# The standard 16-colour palette, in the order every 4-bit icon expects.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, OLIVE, NAVY = 0, 1, 2, 3, 4
SILVER, GRAY, RED, YELLOW, BLUE, WHITE = 7, 8, 9, 11, 12, 15

Point = tuple[float, float]


class Canvas:
    """A square picture of palette indexes; None is a transparent pixel.
    Shapes are given in a 32-unit space and scaled to the canvas size."""

    def __init__(self, size: int) -> None:
        self.size = size
        self.scale = size / 32.0
        self.pixels: list[list[int | None]] = [[None] * size for _ in range(size)]

    def fill_rows(self, first: int, last: int, colour_of_pixel) -> None:
        """Fills whole rows (pixel rows, not units): colour_of_pixel(x, y)."""
        for y in range(first, last + 1):
            for x in range(self.size):
                self.pixels[y][x] = colour_of_pixel(x, y)

    def polygon(self, points: list[Point], colour: int) -> None:
        for x, y in self._covered(points):
            self.pixels[y][x] = colour

    def rect(self, x0: float, y0: float, x1: float, y1: float, colour: int) -> None:
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour)

    def outline(self, points: list[Point], colour: int) -> None:
        """Colours the shape's own edge pixels, so outline and fill agree."""
        covered = self._covered(points)
        for x, y in covered:
            if any(n not in covered for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
                self.pixels[y][x] = colour

    def _covered(self, points: list[Point]) -> set[tuple[int, int]]:
        scaled = [(x * self.scale, y * self.scale) for x, y in points]
        return {(x, y) for y in range(self.size) for x in range(self.size)
                if _inside(scaled, x + 0.5, y + 0.5)}


def _inside(points: list[Point], px: float, py: float) -> bool:
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > py) != (y1 > py):
            if px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
    return inside


def folder_with_arrow(size: int) -> Canvas:
    c = Canvas(size)
    back = [(2, 5), (12, 5), (14, 8), (29, 8), (29, 27), (2, 27)]
    front = [(6, 13), (31, 13), (27, 27), (2, 27)]
    c.polygon(back, OLIVE)
    c.outline(back, BLACK)
    c.polygon(front, YELLOW)
    c.outline(front, BLACK)
    arrow = [(9, 18), (18, 18), (18, 15), (25, 20.5), (18, 26), (18, 23), (9, 23)]
    c.polygon(arrow, BLUE)
    c.outline(arrow, NAVY)
    return c


def archive_box(size: int) -> Canvas:
    c = Canvas(size)
    front = [(3, 13), (23, 13), (23, 29), (3, 29)]
    top = [(3, 13), (10, 5), (30, 5), (23, 13)]
    side = [(23, 13), (30, 5), (30, 21), (23, 29)]
    c.polygon(front, YELLOW)
    c.polygon(top, YELLOW)
    c.polygon(side, OLIVE)
    # A strap around the box and a label on its front.
    c.polygon([(12, 13), (15, 13), (15, 29), (12, 29)], MAROON)
    c.polygon([(12, 13), (19, 5), (22, 5), (15, 13)], MAROON)
    c.rect(5, 18, 10, 24, WHITE)
    for shape in (front, top, side):
        c.outline(shape, BLACK)
    return c


# Every flag fills the full width of these pixel rows; the rows above and
# below stay transparent.
FLAG_TOP, FLAG_BOTTOM = 6, 24
FLAG_ROWS = FLAG_BOTTOM - FLAG_TOP + 1


def flag_rows(size: int) -> tuple[int, int]:
    """The first and last flag row at a size: the 32-pixel rows, scaled."""
    return FLAG_TOP * size // 32, (FLAG_BOTTOM + 1) * size // 32 - 1


def vertical_bands(colours: list[int], size: int = 32) -> Canvas:
    """Bands from left to right."""
    c = Canvas(size)
    top, bottom = flag_rows(size)
    c.fill_rows(top, bottom, lambda x, _y: colours[x * len(colours) // size])
    return c


def horizontal_bands(colours: list[int], size: int = 32) -> Canvas:
    """Bands from top to bottom."""
    c = Canvas(size)
    top, bottom = flag_rows(size)
    c.fill_rows(top, bottom, lambda _x, y: colours[(y - top) * len(colours) // (bottom - top + 1)])
    return c


def stars_and_stripes(size: int = 32) -> Canvas:
    stripes = 13
    canton_width = 13 * size // 32
    canton_stripes = 7
    top, bottom = flag_rows(size)
    rows = bottom - top + 1

    def colour(x: int, y: int) -> int:
        stripe = (y - top) * stripes // rows
        if x < canton_width and stripe < canton_stripes:
            # Stars as a sparse pattern of white dots on the canton.
            row = y - top
            return WHITE if row % 2 == 1 and (x + row // 2) % 3 == 1 and x < canton_width - 1 else NAVY
        return RED if stripe % 2 == 0 else WHITE

    c = Canvas(size)
    c.fill_rows(top, bottom, colour)
    return c


def bitmap_entry(canvas: Canvas) -> bytes:
    """One icon image: header, palette, colour bits and transparency mask,
    both bottom-up with rows padded to 32 bits."""
    size = canvas.size
    xor_row = ((size * 4 + 31) // 32) * 4
    and_row = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        row = canvas.pixels[y]
        colour_bits = bytearray(xor_row)
        mask_bits = bytearray(and_row)
        for x, index in enumerate(row):
            if index is None:
                mask_bits[x // 8] |= 0x80 >> (x % 8)
                index = 0
            colour_bits[x // 2] |= index << (4 if x % 2 == 0 else 0)
        xor += colour_bits
        mask += mask_bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def write_icon(path: Path, images: list[Canvas]) -> None:
    bodies = [bitmap_entry(image) for image in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, body in zip(images, bodies):
        directory += struct.pack("<BBBBHHII", image.size % 256, image.size % 256,
                                 16, 0, 1, 4, len(body), offset)
        offset += len(body)
    path.write_bytes(directory + b"".join(bodies))


def main() -> None:
    here = Path(__file__).resolve().parent
    # 32 and 16 pixels at 96 dpi; 40/20 at 120 dpi and 48/24 at 144 dpi, so
    # that the system never stretches a smaller picture on a scaled display.
    large = [32, 40, 48]
    small = [16, 20, 24]
    write_icon(here / "application.ico", [folder_with_arrow(s) for s in large + small])
    write_icon(here / "archive.ico", [archive_box(s) for s in large + small])
    write_icon(here / "flag_english.ico", [stars_and_stripes(s) for s in large])
    write_icon(here / "flag_german.ico", [horizontal_bands([BLACK, RED, YELLOW], s) for s in large])
    write_icon(here / "flag_french.ico", [vertical_bands([RED, WHITE, NAVY], s) for s in large])
    write_icon(here / "flag_italian.ico", [vertical_bands([GREEN, WHITE, RED], s) for s in large])


if __name__ == "__main__":
    main()
