#!/usr/bin/python3
"""Draws resources/screensaver/city.png: a 3072 x 1728 night city skyline.

The screensaver's "cyberpunk_city" background. Layers of towers stand against
a violet-to-navy sky, each with rows of lit windows in warm white, cyan and
magenta; the nearest towers carry neon signs and red beacons, and the street
at the bottom glows with their reflections. The board draws green text and
graphs over the whole picture, so it stays dark: nothing bright covers a large
area, the upper third is mostly sky and a haze dims the lower quarter, where
the board's text row sits.

Everything is placed by a seeded random generator, so the output is the same
on every run.

Usage:  resources/tools/make_city.py [--seed N] [--preview build/city-preview.png]
Needs:  python3-pil.
"""
import argparse
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
OUTPUT = os.path.join(ROOT, "resources", "screensaver", "city.png")
PREVIEW = os.path.join(ROOT, "build", "city-preview.png")

WIDTH, HEIGHT = 3072, 1728
SEED = 0xC17E
GROUND = 1560  # street level

SKY_TOP = (6, 4, 22)
SKY_HORIZON = (58, 14, 72)
WINDOW_COLOURS = [(255, 214, 140), (255, 236, 190), (90, 230, 255), (255, 80, 200), (150, 120, 255)]
NEON = [(0, 240, 255), (255, 40, 180), (255, 200, 40), (255, 120, 30), (170, 90, 255)]


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def sky():
    img = Image.new("RGB", (WIDTH, HEIGHT))
    draw = ImageDraw.Draw(img)
    for y in range(HEIGHT):
        t = min(1.0, y / GROUND) ** 1.8
        draw.line([(0, y), (WIDTH, y)], fill=mix(SKY_TOP, SKY_HORIZON, t))
    return img


def stars(img, rnd):
    draw = ImageDraw.Draw(img)
    for _ in range(700):
        x, y = rnd.randrange(WIDTH), rnd.randrange(int(GROUND * 0.55))
        v = rnd.randrange(90, 230)
        draw.point((x, y), fill=(v, v, min(255, v + 20)))
    # A hazy moon, low on the left.
    glow = Image.new("RGB", (WIDTH, HEIGHT))
    g = ImageDraw.Draw(glow)
    g.ellipse([380, 230, 620, 470], fill=(70, 50, 90))
    glow = glow.filter(ImageFilter.GaussianBlur(60))
    img = ImageChops.add(img, glow)
    ImageDraw.Draw(img).ellipse([440, 290, 560, 410], fill=(236, 226, 246))
    return img


def tower(draw, glow, rnd, x, w, top, body, lit_share, window, gap, near):
    draw.rectangle([x, top, x + w, GROUND], fill=body)
    # A stepped crown on some towers.
    if rnd.random() < 0.4 and w > 60:
        inset = w // 5
        crown = top - rnd.randrange(20, 90)
        draw.rectangle([x + inset, crown, x + w - inset, top], fill=body)
        if near and rnd.random() < 0.7:
            mast = crown - rnd.randrange(40, 140)
            mx = x + w // 2
            draw.line([(mx, crown), (mx, mast)], fill=body, width=4)
            glow.ellipse([mx - 9, mast - 9, mx + 9, mast + 9], fill=(255, 30, 30))
            draw.ellipse([mx - 4, mast - 4, mx + 4, mast + 4], fill=(255, 90, 90))
    colour = rnd.choice(WINDOW_COLOURS)
    ww, wh = window
    for wy in range(top + gap, GROUND - wh - gap, wh + gap):
        # Whole floors go dark now and then.
        if rnd.random() < 0.15:
            continue
        for wx in range(x + gap, x + w - ww - gap + 1, ww + gap):
            if rnd.random() < lit_share:
                shade = mix(body, colour, rnd.uniform(0.55, 1.0))
                draw.rectangle([wx, wy, wx + ww - 1, wy + wh - 1], fill=shade)
    if near and rnd.random() < 0.55 and w > 110:
        # A vertical neon sign down the side.
        neon = rnd.choice(NEON)
        sx = x + (6 if rnd.random() < 0.5 else w - 34)
        sy = top + rnd.randrange(40, max(41, (GROUND - top) // 2))
        sh = rnd.randrange(120, 320)
        glow.rectangle([sx - 6, sy - 6, sx + 34, sy + sh + 6], fill=neon)
        draw.rectangle([sx, sy, sx + 28, sy + sh], fill=mix(neon, (255, 255, 255), 0.35))
        for k in range(sy + 14, sy + sh - 10, 34):
            draw.rectangle([sx + 6, k, sx + 22, k + 16], fill=mix(neon, (0, 0, 0), 0.5))


def skyline(img, rnd):
    layers = [
        # body colour, height range, width range, lit share, window, gap, near
        ((22, 14, 40), (420, 900), (90, 200), 0.18, (6, 8), 6, False),
        ((14, 10, 30), (300, 760), (120, 260), 0.26, (9, 12), 8, False),
        ((8, 6, 18), (200, 640), (150, 330), 0.34, (12, 16), 10, True),
    ]
    glow = Image.new("RGB", (WIDTH, HEIGHT))
    glow_draw = ImageDraw.Draw(glow)
    draw = ImageDraw.Draw(img)
    for body, heights, widths, lit, window, gap, near in layers:
        x = -rnd.randrange(0, 80)
        while x < WIDTH:
            w = rnd.randrange(*widths)
            top = GROUND - rnd.randrange(*heights) - (0 if near else 260)
            tower(draw, glow_draw, rnd, x, w, top, body, lit, window, gap, near)
            x += w + rnd.randrange(-20, 40 if near else 10)
    # Horizontal signs on the near towers' lower floors.
    for _ in range(14):
        neon = rnd.choice(NEON)
        sx, sy = rnd.randrange(0, WIDTH - 260), rnd.randrange(GROUND - 420, GROUND - 120)
        sw = rnd.randrange(140, 260)
        glow_draw.rectangle([sx - 8, sy - 8, sx + sw + 8, sy + 46], fill=neon)
        draw.rectangle([sx, sy, sx + sw, sy + 38], fill=mix(neon, (0, 0, 0), 0.25))
        draw.rectangle([sx + 6, sy + 6, sx + sw - 6, sy + 32], outline=mix(neon, (255, 255, 255), 0.5), width=3)
    glow = glow.filter(ImageFilter.GaussianBlur(18))
    return ImageChops.add(img, ImageChops.multiply(glow, Image.new("RGB", glow.size, (150, 150, 150))))


def street(img, rnd):
    draw = ImageDraw.Draw(img)
    for y in range(GROUND, HEIGHT):
        t = (y - GROUND) / (HEIGHT - GROUND)
        draw.line([(0, y), (WIDTH, y)], fill=mix((30, 10, 40), (4, 3, 8), t))
    # The skyline's lights smeared into the wet street.
    band = img.crop((0, GROUND - (HEIGHT - GROUND), WIDTH, GROUND)).transpose(Image.FLIP_TOP_BOTTOM)
    band = band.filter(ImageFilter.GaussianBlur(6)).resize((WIDTH, HEIGHT - GROUND))
    band = ImageChops.multiply(band, Image.new("RGB", band.size, (90, 90, 100)))
    img.paste(ImageChops.add(img.crop((0, GROUND, WIDTH, HEIGHT)), band), (0, GROUND))
    # Lane markings.
    for x in range(-40, WIDTH, 220):
        draw.rectangle([x, HEIGHT - 70, x + 110, HEIGHT - 62], fill=(120, 110, 70))
    return img


def dim_lower_part(img):
    """The board's text row sits over the lower quarter: a night haze settles
    there so the green text stays readable over the lights."""
    shade = Image.new("L", (1, HEIGHT))
    for y in range(HEIGHT):
        t = min(1.0, max(0.0, (y - 1050) / 250.0))
        shade.putpixel((0, y), int(round(255 * (0.8 - 0.4 * t))))
    shade = shade.resize((WIDTH, HEIGHT))
    return ImageChops.multiply(img, Image.merge("RGB", (shade, shade, shade)))


def make(seed):
    rnd = random.Random(seed)
    img = stars(sky(), rnd)
    img = skyline(img, rnd)
    img = street(img, rnd)
    img = dim_lower_part(img)
    return img.convert("RGBA")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=SEED)
    parser.add_argument("--preview", nargs="?", const=PREVIEW, help="also write a half-size preview")
    args = parser.parse_args()
    img = make(args.seed)
    os.makedirs(os.path.dirname(OUTPUT), exist_ok=True)
    img.save(OUTPUT, optimize=True)
    print("wrote %s (%d bytes)" % (os.path.relpath(OUTPUT), os.path.getsize(OUTPUT)))
    if args.preview:
        os.makedirs(os.path.dirname(args.preview), exist_ok=True)
        img.resize((WIDTH // 2, HEIGHT // 2)).save(args.preview)
        print("wrote %s" % args.preview)


if __name__ == "__main__":
    main()
