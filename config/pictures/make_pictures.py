#!/usr/bin/env python3
"""Draws the two sheet-arrangement pictures of the configuration window as 48 x 39
one-bit PNGs: fasc_s.png (collated) and fasc_n.png (not collated).

Each picture shows two landscape sheets, the one behind shifted up and to the right, every
sheet split into two halves that carry a page number. Collated: 1 2 in front, 1 2 behind.
Not collated: 1 1 in front, 2 2 behind. Run it from this folder after changing the drawing
and commit the PNGs it writes."""

import struct
import zlib

WIDTH, HEIGHT = 48, 39
SHEET_W, SHEET_H = 40, 26
BACK = (8, 0)    # top-left corner of the sheet behind
FRONT = (0, 13)  # top-left corner of the sheet in front

DIGITS = {
    "1": ["..##.",
          ".###.",
          "..##.",
          "..##.",
          "..##.",
          "..##.",
          ".####"],
    "2": [".###.",
          "##.##",
          "...##",
          "..##.",
          ".##..",
          "##...",
          "#####"],
}


def sheet(pixels, left, top, numbers, digit_top):
    """Clears the sheet's area, draws its border and middle fold and its two numbers."""
    for y in range(top, top + SHEET_H):
        for x in range(left, left + SHEET_W):
            pixels[y][x] = 0
    for x in range(left, left + SHEET_W):
        pixels[top][x] = pixels[top + SHEET_H - 1][x] = 1
    for y in range(top, top + SHEET_H):
        pixels[y][left] = pixels[y][left + SHEET_W - 1] = 1
        if y % 2 == 0:  # the fold between the halves, dotted
            pixels[y][left + SHEET_W // 2] = 1
    half = SHEET_W // 2
    for i, number in enumerate(numbers):
        glyph = DIGITS[number]
        gx = left + i * half + (half - len(glyph[0])) // 2 + 1
        for dy, row in enumerate(glyph):
            for dx, c in enumerate(row):
                if c == "#":
                    pixels[top + digit_top + dy][gx + dx] = 1


def picture(back_numbers, front_numbers):
    pixels = [[0] * WIDTH for _ in range(HEIGHT)]
    # The sheet behind shows only the strip above the front sheet: its numbers go there.
    sheet(pixels, *BACK, back_numbers, 3)
    sheet(pixels, *FRONT, front_numbers, (SHEET_H - 7) // 2)
    return pixels


def png(pixels):
    """A one-bit greyscale PNG; 1 in pixels is black."""
    raw = b""
    for row in pixels:
        bits = "".join("0" if p else "1" for p in row).ljust((WIDTH + 7) // 8 * 8, "1")
        raw += b"\0" + bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 1, 0, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    with open("fasc_s.png", "wb") as f:
        f.write(png(picture("12", "12")))
    with open("fasc_n.png", "wb") as f:
        f.write(png(picture("22", "11")))
