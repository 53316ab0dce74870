#!/usr/bin/python3
"""Draws the program icon and the nine section icons of the main window.

    resources/orvanel.ico           program icon: 16, 24, 32, 48, 256 px
    resources/section_<name>.ico    tree icons: 16 and 32 px

All are 32-bit with alpha. The section icons sit in a tree that is white in
the light appearance and black in the dark one, so each has a coloured body
with a darker rim of the same hue: the body carries it on black, the rim on
white. Every icon is drawn for its own size (the 16-pixel ones are laid out
on the pixel grid) instead of being shrunk from one big picture.

Usage:  resources/tools/make_icons.py [--preview build/assets-preview.png]
Needs:  python3-pil.
"""
import argparse
import os
import sys

from PIL import Image, ImageDraw

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from iconkit import Canvas, rgb, mix, write_ico, read_ico_sizes  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
RESOURCES = os.path.join(ROOT, "resources")
PREVIEW = os.path.join(ROOT, "build", "assets-preview.png")

# One hue per section; (rim, body top, body bottom).
BLUE = (rgb("#1d4fb8"), rgb("#6aa8ff"), rgb("#2f6fe0"))
PURPLE = (rgb("#5a2fb0"), rgb("#b18cff"), rgb("#7b4ae6"))
CYAN = (rgb("#0b6877"), rgb("#5fe3f2"), rgb("#16a9bf"))
GREEN = (rgb("#17693a"), rgb("#6edc94"), rgb("#27a653"))
ORANGE = (rgb("#9a4d00"), rgb("#ffc25c"), rgb("#f08a12"))
PINK = (rgb("#98205d"), rgb("#ff8cc6"), rgb("#dc3f8f"))
STEEL = (rgb("#1f3f66"), rgb("#4f86bd"), rgb("#2a5d93"))
SLATE = (rgb("#2b3644"), rgb("#dfe6ee"), rgb("#9aa8b8"))

WHITE = rgb("#ffffff")
PAPER = rgb("#f4f1ff")
INK = rgb("#1b2330")
SILVER = rgb("#b8c3cf")
SILVER_DARK = rgb("#5f6d7c")
GOLD = rgb("#f2c14e")
LED = rgb("#3df07a")
TEAL = rgb("#27d3e6")


def shaded(c, colours, top=0.0, bottom=16.0):
    return c.vgradient(top, bottom, colours[1], colours[2])


# -- section icons ---------------------------------------------------------
def draw_summary(c, n):
    rim, _, _ = BLUE
    c.body(lambda d: c.ellipse(1 + d, 1 + d, 15 - d, 15 - d), rim, shaded(c, BLUE, 1, 15))
    if n >= 32:
        c.fill(c.ellipse(7, 3.5, 9, 5.5), WHITE)
        c.fill(c.rect(7, 6.5, 9, 12.5, 0.5), WHITE)
        c.fill(c.rect(6, 11.5, 10, 12.5, 0.3), WHITE)
        c.fill(c.rect(6, 6.5, 8, 7.5), WHITE)
    else:
        c.fill(c.rect(7, 3, 9, 5), WHITE)
        c.fill(c.rect(7, 6, 9, 12), WHITE)
        c.fill(c.rect(6, 6, 7, 7), WHITE)
        c.fill(c.rect(6, 11, 10, 12), WHITE)


def draw_software(c, n):
    rim, top, bottom = PURPLE
    c.fill(c.rect(1, 2, 15, 14, 1.5 if n >= 32 else 1), rim)
    c.fill(c.rect(1 + c.px, 2 + c.px, 15 - c.px, 5, 1), c.vgradient(2, 5, top, bottom))
    c.fill(c.rect(1 + c.px, 5, 15 - c.px, 14 - c.px), PAPER)
    if n >= 32:
        for i, x in enumerate((11.5, 13)):
            c.fill(c.ellipse(x - 0.5, 3, x + 0.5, 4), WHITE)
        w = 1.0
        c.fill(c.stroke([(6, 7), (4, 9.5), (6, 12)], w), bottom)
        c.fill(c.stroke([(10, 7), (12, 9.5), (10, 12)], w), bottom)
        c.fill(c.stroke([(8.8, 6.8), (7.2, 12.2)], w), rim)
    else:
        # Pixel-laid brackets: a 3x5 "<" and ">" read cleaner than anti-aliased strokes.
        for x, y in ((5, 7), (4, 8), (3, 9), (4, 10), (5, 11)):
            c.fill(c.rect(x, y, x + 1, y + 1), bottom)
        for x, y in ((10, 7), (11, 8), (12, 9), (11, 10), (10, 11)):
            c.fill(c.rect(x, y, x + 1, y + 1), bottom)
        for x, y in ((8, 7), (8, 8), (7, 9), (7, 10), (7, 11)):
            c.fill(c.rect(x, y, x + 1, y + 1), rim)


def draw_cpu(c, n):
    rim, top, bottom = CYAN
    if n >= 32:
        pins = (4.5, 6.5, 8.5, 10.5)
        for p in pins:
            for box in ((p, 1.5, p + 1, 3.5), (p, 12.5, p + 1, 14.5),
                        (1.5, p, 3.5, p + 1), (12.5, p, 14.5, p + 1)):
                c.fill(c.rect(*box, 0.25), SILVER)
        c.body(lambda d: c.rect(3 + d, 3 + d, 13 - d, 13 - d, 1.2 - d), rim, shaded(c, CYAN, 3, 13))
        c.fill(c.rect(5.5, 5.5, 10.5, 10.5, 0.5), rim)
        c.fill(c.rect(6, 6, 10, 10, 0.3), c.vgradient(6, 10, rgb("#c9f7fd"), rgb("#7fe3f0")))
        c.fill(c.ellipse(3.7, 11.3, 4.7, 12.3), rim)
    else:
        for p in (4, 6, 9, 11):
            for box in ((p, 1, p + 1, 3), (p, 13, p + 1, 15), (1, p, 3, p + 1), (13, p, 15, p + 1)):
                c.fill(c.rect(*box), SILVER)
        c.body(lambda d: c.rect(3 + d, 3 + d, 13 - d, 13 - d, 1 - d), rim, shaded(c, CYAN, 3, 13))
        c.fill(c.rect(5, 5, 11, 11), rim)
        c.fill(c.rect(6, 6, 10, 10), c.vgradient(6, 10, rgb("#c9f7fd"), rgb("#7fe3f0")))


def draw_memory(c, n):
    rim, top, bottom = GREEN
    if n >= 32:
        c.body(lambda d: c.polygon([(1 + d, 4 + d), (15 - d, 4 + d), (15 - d, 12 - d), (9 - d * 0.4, 12 - d),
                                    (9 - d * 0.4, 11 - d), (7 + d * 0.4, 11 - d), (7 + d * 0.4, 12 - d),
                                    (1 + d, 12 - d)]), rim, shaded(c, GREEN, 4, 12))
        for x in (2.5, 6.5, 10.5):
            c.fill(c.rect(x, 5.5, x + 3, 9, 0.3), INK)
            c.fill(c.rect(x + 0.5, 6, x + 2.5, 6.5), rgb("#3b4a5e"))
        for x in [1.5 + i for i in range(13)]:
            if 6.5 <= x < 9.5:
                continue
            c.fill(c.rect(x + 0.25, 10, x + 0.75, 11.5), GOLD)
    else:
        c.body(lambda d: c.rect(1 + d, 4 + d, 15 - d, 12 - d), rim, shaded(c, GREEN, 4, 12))
        c.fill(c.rect(3, 5, 7, 9), INK)
        c.fill(c.rect(9, 5, 13, 9), INK)
        for x in (2, 4, 6, 9, 11, 13):
            c.fill(c.rect(x, 10, x + 1, 11), GOLD)
        # Key notch in the contact edge.
        c.fill(c.rect(7, 11, 9, 12), rim)
        c.image.paste((0, 0, 0, 0), [int(c._s(7)), int(c._s(11)), int(c._s(9)), int(c._s(12))])


def draw_graphics(c, n):
    rim, top, bottom = SLATE
    frame = rgb("#3d4b5c")
    sky_top, sky_bottom = rgb("#5ac8ff"), rgb("#b9ecff")
    if n >= 32:
        c.fill(c.rect(6.5, 11.5, 9.5, 13.5), frame)
        c.fill(c.rect(4.5, 13, 11.5, 14.5, 0.6), frame)
        c.fill(c.rect(0.5, 1.5, 15.5, 12, 1.2), rim)
        c.fill(c.rect(1, 2, 15, 11.5, 0.9), frame)
        screen = c.rect(2, 3, 14, 10.5, 0.3)
        c.fill(screen, c.vgradient(3, 10.5, sky_top, sky_bottom))
        c.fill(c.intersect(screen, c.ellipse(9.5, 3.5, 12.5, 6.5)), rgb("#ffd23f"))
        c.fill(c.intersect(screen, c.polygon([(2, 10.5), (6, 5.5), (9, 9), (10.5, 7.5), (14, 10.5)])),
               c.vgradient(5.5, 10.5, rgb("#4ed37a"), rgb("#1d8a4a")))
    else:
        c.fill(c.rect(7, 12, 9, 13), frame)
        c.fill(c.rect(4, 13, 12, 14), frame)
        c.fill(c.rect(1, 2, 15, 12, 1), frame)
        screen = c.rect(2, 3, 14, 11)
        c.fill(screen, c.vgradient(3, 11, sky_top, sky_bottom))
        c.fill(c.rect(10, 4, 12, 6), rgb("#ffd23f"))
        hills = [(2, 9, 3), (3, 8, 3), (4, 7, 4), (5, 6, 5), (6, 7, 4), (7, 8, 3), (8, 9, 2),
                 (9, 9, 2), (10, 8, 3), (11, 9, 2), (12, 10, 1), (13, 10, 1)]
        for x, y, h in hills:
            c.fill(c.rect(x, y, x + 1, 11), rgb("#2fb563"))


def draw_motherboard(c, n):
    rim, top, bottom = STEEL
    c.body(lambda d: c.rect(1 + d, 1 + d, 15 - d, 15 - d, 1 - d if n < 32 else 1.2 - d), rim,
           shaded(c, STEEL, 1, 15))
    if n >= 32:
        # Traces first, components on top.
        for pts in ([(5.5, 8.5), (5.5, 10.5), (8.5, 10.5)], [(8.5, 5.5), (10, 5.5)],
                    [(4, 8.5), (4, 12.5), (2.5, 12.5)]):
            c.fill(c.stroke(pts, 0.5, round_caps=False), GOLD, 0.9)
        c.fill(c.rect(2.5, 2.5, 8.5, 8.5, 0.4), SILVER)
        c.fill(c.rect(3.5, 3.5, 7.5, 7.5, 0.3), SILVER_DARK)
        c.fill(c.rect(4.25, 4.25, 6.75, 6.75), rgb("#cfd8e2"))
        for x in (10.5, 12.5):
            c.fill(c.rect(x, 2.5, x + 1, 9.5, 0.25), rgb("#f1f5f9"))
        for y in (11, 13):
            c.fill(c.rect(6, y, 13.5, y + 1, 0.25), INK)
        c.fill(c.rect(2.5, 10.5, 4.5, 12, 0.2), GOLD)
    else:
        c.fill(c.rect(3, 3, 8, 8), SILVER)
        c.fill(c.rect(4, 4, 7, 7), SILVER_DARK)
        for x in (10, 12):
            c.fill(c.rect(x, 3, x + 1, 9), rgb("#f1f5f9"))
        c.fill(c.rect(3, 10, 13, 11), INK)
        c.fill(c.rect(3, 12, 13, 13), INK)


def draw_storage(c, n):
    rim, top, bottom = SLATE
    if n >= 32:
        c.body(lambda d: c.rect(1 + d, 4 + d, 15 - d, 12.5 - d, 1.5 - d), rim,
               c.vgradient(4, 12.5, rgb("#f4f7fa"), rgb("#a7b4c2")))
        c.fill(c.rect(1.5, 9, 14.5, 9.5), rgb("#6b7a8b"))
        c.fill(c.rect(2.5, 10.3, 9.5, 11), rgb("#6b7a8b"))
        c.glow(c.ellipse(11.5, 10, 13, 11.5), LED, 0.6, 1.3)
        c.fill(c.ellipse(11.5, 10, 13, 11.5), LED)
        for x in (2.2, 13.3):
            c.fill(c.ellipse(x, 5.2, x + 0.6, 5.8), rgb("#6b7a8b"))
    else:
        c.body(lambda d: c.rect(1 + d, 4 + d, 15 - d, 13 - d, 1 - d), rim,
               c.vgradient(4, 13, rgb("#f4f7fa"), rgb("#a7b4c2")))
        c.fill(c.rect(2, 9, 14, 10), rgb("#6b7a8b"))
        c.fill(c.rect(3, 11, 8, 12), rgb("#6b7a8b"))
        c.fill(c.rect(11, 11, 13, 12), LED)


def draw_network(c, n):
    rim, top, bottom = ORANGE
    line = rgb("#7b8796")
    if n >= 32:
        w = 1.0
        c.fill(c.stroke([(8, 5), (8, 8), (3.5, 8), (3.5, 11)], w, round_caps=False), line)
        c.fill(c.stroke([(8, 8), (12.5, 8), (12.5, 11)], w, round_caps=False), line)
        boxes = [(5.5, 0.5, 10.5, 5.5), (1, 10.5, 6, 15.5), (10, 10.5, 15, 15.5)]
    else:
        c.fill(c.rect(7, 5, 9, 8), line)
        c.fill(c.rect(2, 7, 14, 9), line)
        c.fill(c.rect(2, 9, 4, 11), line)
        c.fill(c.rect(12, 9, 14, 11), line)
        boxes = [(5, 0, 11, 6), (0, 10, 6, 16), (10, 10, 16, 16)]
    for x0, y0, x1, y1 in boxes:
        c.body(lambda d: c.rect(x0 + d, y0 + d, x1 - d, y1 - d, 1 - d), rim, shaded(c, ORANGE, y0, y1))
        if n >= 32:
            c.fill(c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1.5, 0.3), rgb("#fff1d6"))
        else:
            c.fill(c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 2), rgb("#fff1d6"))


def draw_audio(c, n):
    rim, top, bottom = PINK
    paint = shaded(c, PINK, 2, 14)
    if n >= 32:
        speaker = lambda d: c.polygon([(1 + d, 5.5 + d), (4.5 + d * 0.5, 5.5 + d), (9 - d, 1.5 + d * 2),
                                        (9 - d, 14.5 - d * 2), (4.5 + d * 0.5, 10.5 - d), (1 + d, 10.5 - d)])
        c.body(speaker, rim, paint)
        c.fill(c.arc(9, 8, 3, -45, 45, 1.1), bottom)
        c.fill(c.arc(9, 8, 5.6, -50, 50, 1.1), bottom)
    else:
        c.body(lambda d: c.rect(1 + d, 5 + d, 5 - d, 11 - d), rim, paint)
        for x, y0, y1 in ((5, 4, 12), (6, 3, 13), (7, 2, 14), (8, 1, 15)):
            c.fill(c.rect(x, y0, x + 1, y1), rim)
        for x, y0, y1 in ((5, 5, 11), (6, 4, 12), (7, 3, 13)):
            c.fill(c.rect(x, y0, x + 1, y1), paint)
        # Sound waves laid on the pixel grid.
        for x, y in ((10, 6), (11, 7), (11, 8), (10, 9)):
            c.fill(c.rect(x, y, x + 1, y + 1), bottom)
        for x, y in ((12, 3), (13, 4), (14, 5), (14, 6), (14, 7), (14, 8), (14, 9), (14, 10), (13, 11), (12, 12)):
            c.fill(c.rect(x, y, x + 1, y + 1), bottom)


SECTIONS = [
    # (file stem, resource id, tree text, drawing)
    ("summary", 149, "Summary", draw_summary),
    ("software", 147, "Software", draw_software),
    ("cpu", 142, "CPU", draw_cpu),
    ("memory", 144, "Memory", draw_memory),
    ("graphics", 143, "Graphics", draw_graphics),
    ("motherboard", 145, "Motherboard", draw_motherboard),
    ("storage", 148, "Storage", draw_storage),
    ("network", 146, "Network", draw_network),
    ("audio", 141, "Audio", draw_audio),
]


# -- program icon ----------------------------------------------------------
TILE_RIM = rgb("#2b5866")
TILE_TOP = rgb("#1a2e38")
TILE_BOTTOM = rgb("#070d11")
FACE_TOP = rgb("#0f4752")
FACE_BOTTOM = rgb("#082a31")
PULSE = rgb("#c8fbff")


def draw_tile(c, grid, radius):
    c.fill(c.rect(0, 0, grid, grid, radius), TILE_RIM)
    c.fill(c.rect(c.px, c.px, grid - c.px, grid - c.px, radius - c.px * 0.7),
           c.vgradient(0, grid, TILE_TOP, TILE_BOTTOM))


def draw_program_pixels(c, grid, chip, pins, pin_len, pulse, rim=1, pin_w=1, glow=True):
    """Smaller program icons, laid out on their own pixel grid (grid == size).

    chip: (first, last) pixel of the chip square; pins: first pixel column or
    row of each pin; pulse: whole-pixel corners of the pulse line.
    """
    draw_tile(c, grid, grid / 5)
    a, b = chip
    for p in pins:
        q = p + pin_w
        for box in ((p, a - pin_len, q, a), (p, b + 1, q, b + 1 + pin_len),
                    (a - pin_len, p, a, q), (b + 1, p, b + 1 + pin_len, q)):
            c.fill(c.rect(*box), TEAL)
    outline = c.rect(a, a, b + 1, b + 1, rim * 0.9 if rim > 1 else 0)
    c.glow(outline, rgb("#27d3e6", 160), 0.8 * grid / 16, 0.7)
    c.fill(outline, TEAL)
    c.fill(c.rect(a + rim, a + rim, b + 1 - rim, b + 1 - rim),
           c.vgradient(a + rim, b + 1 - rim, FACE_TOP, FACE_BOTTOM))
    line = c.pixel_line(pulse)
    if glow:
        c.glow(line, rgb("#7ff4ff", 200), 0.6 * grid / 16, 0.9)
    c.fill(line, PULSE)


def draw_program(c, n):
    """A dark tile with a glowing cyan chip whose face carries a pulse line."""
    if n == 16:
        return draw_program_pixels(c, 16, (4, 11), (6, 9), 2,
                                   [(5, 9), (6, 9), (7, 6), (8, 9), (10, 9)], glow=False)
    if n == 32:
        return draw_program_pixels(c, 32, (8, 23), (11, 14, 17, 20), 3,
                                   [(10, 16), (13, 16), (15, 11), (17, 20), (19, 14), (20, 16), (21, 16)],
                                   rim=2)
    if n == 24:
        return draw_program_pixels(c, 24, (6, 17), (8, 10, 13, 15), 2,
                                   [(7, 12), (9, 12), (10, 9), (12, 15), (13, 11), (14, 12), (16, 12)])
    # 48 and 256 px: smooth shapes on the 16-unit grid, plus faint board
    # traces from the pins out to the tile edge.
    draw_tile(c, 16, 3.0)
    trace = rgb("#1b6f7d")
    for pts in ([(6.5, 3.5), (6.5, 2.5), (4.5, 1.5)], [(9.5, 3.5), (9.5, 1.6)],
                [(12.5, 6.5), (13.5, 6.5), (14.4, 5.6)], [(12.5, 9.5), (14.4, 9.5)],
                [(6.5, 12.5), (6.5, 13.5), (5.6, 14.4)], [(9.5, 12.5), (9.5, 14.4)],
                [(3.5, 6.5), (1.6, 6.5)], [(3.5, 9.5), (2.5, 9.5), (1.6, 10.4)]):
        c.fill(c.stroke(pts, 0.22), trace)
        x, y = pts[-1]
        c.fill(c.ellipse(x - 0.45, y - 0.45, x + 0.45, y + 0.45), trace)
        c.fill(c.ellipse(x - 0.18, y - 0.18, x + 0.18, y + 0.18), rgb("#08151a"))
    pin_w = 0.55
    for p in (5.5, 8, 10.5):
        for box in ((p - pin_w / 2, 2.6, p + pin_w / 2, 4), (p - pin_w / 2, 12, p + pin_w / 2, 13.4),
                    (2.6, p - pin_w / 2, 4, p + pin_w / 2), (12, p - pin_w / 2, 13.4, p + pin_w / 2)):
            c.fill(c.rect(*box, pin_w / 3), TEAL)
    chip = lambda d: c.rect(4 + d, 4 + d, 12 - d, 12 - d, 1.0 - d)
    c.glow(chip(0), rgb("#27d3e6", 200), 0.9, 0.8)
    c.fill(chip(0), TEAL)
    c.fill(chip(0.6), c.vgradient(4, 12, FACE_TOP, FACE_BOTTOM))
    pulse = [(4.9, 8.4), (6.2, 8.4), (7.0, 6.0), (8.3, 10.6), (9.2, 7.4), (9.8, 8.4), (11.1, 8.4)]
    c.glow(c.stroke(pulse, 0.55), rgb("#7ff4ff", 220), 0.5, 1.2)
    c.fill(c.stroke(pulse, 0.55), PULSE)


PROGRAM_SIZES = (16, 24, 32, 48, 256)
SECTION_SIZES = (16, 32)


def render(draw, size):
    # The small program icons are laid out on a grid of their own pixels.
    c = Canvas(size, grid=size if draw is draw_program and size in (16, 24, 32) else 16)
    draw(c, size)
    return c.render()


# -- contact sheet ---------------------------------------------------------
def contact_sheet(program, sections, path):
    """Both tree backgrounds, icons at 1x, a mock tree, and 6x enlargements."""
    from PIL import ImageFont
    try:
        font = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 12)
    except OSError:
        font = ImageFont.load_default()
    zoom = 6
    backgrounds = [(255, 255, 255), (0, 0, 0)]
    col_w = 16 * zoom + 8
    width = max(40 + len(sections) * col_w, 900)
    panel_h = 24 + 16 * zoom + 8 + 32 * 3 + 20 + 9 * 18 + 16
    sheet = Image.new("RGB", (width, panel_h * 2 + 260), (60, 60, 60))
    for p, bg in enumerate(backgrounds):
        y0 = p * panel_h
        fg = (0, 0, 0) if bg == (255, 255, 255) else (255, 255, 255)
        panel = Image.new("RGBA", (width, panel_h), bg + (255,))
        d = ImageDraw.Draw(panel)
        # Row 1: 16 px enlarged.
        for i, (stem, imgs) in enumerate(sections):
            big = imgs[16].resize((16 * zoom, 16 * zoom), Image.NEAREST)
            panel.alpha_composite(big, (20 + i * col_w, 8))
        # Row 2: 32 px at 1x and 3x enlarged.
        y = 16 + 16 * zoom
        for i, (stem, imgs) in enumerate(sections):
            panel.alpha_composite(imgs[32].resize((96, 96), Image.NEAREST), (20 + i * col_w, y))
        # Row 3: a mock tree at 1x: 16 px icon + text, item height 18.
        y += 104
        for i, (label, imgs) in enumerate(sections):
            panel.alpha_composite(imgs[16], (24, y + i * 18 + 1))
            d.text((46, y + i * 18 + 2), label, fill=fg, font=font)
            panel.alpha_composite(imgs[32], (180 + i * 40, y + 20))
            panel.alpha_composite(imgs[16], (180 + i * 40 + 8, y + 60))
        sheet.paste(panel.convert("RGB"), (0, y0))
    # Program icon: 256 px at 1x, the small sizes enlarged 4x, then every
    # small size at 1x on black, a dark taskbar grey, a light grey and white.
    y0 = panel_h * 2
    area = Image.new("RGBA", (width, 260), (32, 32, 32, 255))
    area.alpha_composite(program[256], (2, 2))
    x = 270
    for size in (16, 24, 32, 48):
        area.alpha_composite(program[size].resize((size * 4, size * 4), Image.NEAREST), (x, 4))
        x += size * 4 + 10
    x = 270
    for bg in ((0, 0, 0, 255), (32, 32, 32, 255), (230, 233, 238, 255), (255, 255, 255, 255)):
        strip = Image.new("RGBA", (150, 56), bg)
        sx = 4
        for size in (16, 24, 32, 48):
            strip.alpha_composite(program[size], (sx, 4))
            sx += size + 4
        area.alpha_composite(strip, (x, 200))
        x += 160
    sheet.paste(area.convert("RGB"), (0, y0))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    sheet.save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", default=PREVIEW)
    parser.add_argument("--no-preview", action="store_true")
    args = parser.parse_args()

    program = {s: render(draw_program, s) for s in PROGRAM_SIZES}
    target = os.path.join(RESOURCES, "orvanel.ico")
    write_ico(target, program.values())
    assert [e[0] for e in read_ico_sizes(target)] == list(PROGRAM_SIZES)
    print(target)

    sections = []
    for stem, _, text, draw in SECTIONS:
        imgs = {s: render(draw, s) for s in SECTION_SIZES}
        target = os.path.join(RESOURCES, "section_%s.ico" % stem)
        write_ico(target, imgs.values())
        assert [e[0] for e in read_ico_sizes(target)] == list(SECTION_SIZES)
        sections.append((text, imgs))
        print(target)

    if not args.no_preview:
        contact_sheet(program, sections, args.preview)
        print("preview: " + args.preview)


if __name__ == "__main__":
    main()
