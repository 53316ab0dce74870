#!/usr/bin/python3
"""Draws resources/background.png: a 500 x 500 circuit-board texture.

Cyan copper traces with vias, pads and a few chip footprints glow softly on a
near-black board. The main window shows it at natural size around its tree
and pages, and dialogs lay a black (alpha 0xE4) or opaque face-coloured
overlay over all but a 10-pixel frame, so the picture has to work as a quiet
texture: detail reaches every edge, nothing is bright over a large area and
there is no text.

Traces are routed on a 45-degree grid by seeded random walks that never cross
each other, so the output is the same on every run.

Usage:  resources/tools/make_background.py [--seed N] [--preview build/background-preview.png]
Needs:  python3-pil.
"""
import argparse
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
OUTPUT = os.path.join(ROOT, "resources", "background.png")
PREVIEW = os.path.join(ROOT, "build", "background-preview.png")

SIZE = 500
SS = 3                 # supersampling for anti-aliased copper
PITCH = 12             # routing grid, in output pixels
ORIGIN = 4             # first grid line, so traces run right up to the edges
CELLS = (SIZE - ORIGIN) // PITCH + 2
SEED = 0x0A5E1
BOARD = (3, 8, 11)

DIRS = [(1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1), (0, -1), (1, -1)]


class Board:
    """Routing grid: which nodes and diagonal crossings are taken."""

    def __init__(self):
        self.nodes = set()
        self.crossings = set()

    @staticmethod
    def inside(p):
        return -1 <= p[0] <= CELLS and -1 <= p[1] <= CELLS

    def free(self, p):
        return self.inside(p) and p not in self.nodes

    def can_step(self, p, d):
        q = (p[0] + d[0], p[1] + d[1])
        if not self.free(q):
            return False
        if d[0] and d[1]:
            # Two diagonals through the same square would cross.
            if (min(p[0], q[0]), min(p[1], q[1])) in self.crossings:
                return False
        return True

    def take_path(self, path):
        for p in path:
            self.nodes.add(p)
        for p, q in zip(path, path[1:]):
            if p[0] != q[0] and p[1] != q[1]:
                self.crossings.add((min(p[0], q[0]), min(p[1], q[1])))

    def take_box(self, x0, y0, x1, y1):
        for x in range(x0, x1 + 1):
            for y in range(y0, y1 + 1):
                self.nodes.add((x, y))


def walk(board, rng, start, direction, length, turn_chance=0.18):
    """A trace from start: mostly straight, with 45-degree bends."""
    path = [start]
    d = direction
    straight = 0
    for _ in range(length):
        if straight >= 2 and rng.random() < turn_chance:
            d = (d + rng.choice((-1, 1))) % 8
            straight = 0
        if not board.can_step(path[-1], DIRS[d]):
            # Try the two gentle bends before giving up.
            for alt in rng.sample(((d + 1) % 8, (d - 1) % 8), 2):
                if board.can_step(path[-1], DIRS[alt]):
                    d = alt
                    break
            else:
                break
        p = path[-1]
        path.append((p[0] + DIRS[d][0], p[1] + DIRS[d][1]))
        straight += 1
    return path


def bus(board, rng, start, direction, lanes, length):
    """Parallel traces that bend together, like a data bus."""
    dx, dy = DIRS[direction]
    across = (-dy, dx) if direction % 2 == 0 else (dx, 0)
    plan = []
    d = direction
    for _ in range(rng.randint(1, 3)):
        plan.append((d, rng.randint(3, 9)))
        d = (d + rng.choice((-1, 1))) % 8 if len(plan) % 2 else direction
    plan.append((direction, max(2, length - sum(n for _, n in plan))))
    paths = []
    for lane in range(lanes):
        p = (start[0] + across[0] * lane, start[1] + across[1] * lane)
        if not board.free(p):
            continue
        path = [p]
        blocked = False
        for d, n in plan:
            for _ in range(n):
                if not board.can_step(path[-1], DIRS[d]):
                    blocked = True
                    break
                q = path[-1]
                path.append((q[0] + DIRS[d][0], q[1] + DIRS[d][1]))
            if blocked:
                break
        if len(path) >= 4:
            board.take_path(path)
            paths.append(path)
    return paths


def to_px(p):
    return (ORIGIN + p[0] * PITCH) * SS, (ORIGIN + p[1] * PITCH) * SS


class Layers:
    """Copper drawn twice: a dim layer and a 'hot' layer that gets more glow."""

    def __init__(self):
        big = SIZE * SS
        self.dim = Image.new("L", (big, big), 0)
        self.hot = Image.new("L", (big, big), 0)
        self.holes = Image.new("L", (big, big), 0)
        self.bodies = Image.new("L", (big, big), 0)

    def layer(self, hot):
        return ImageDraw.Draw(self.hot if hot else self.dim)

    def trace(self, path, hot, width=2.0):
        d = self.layer(hot)
        pts = [to_px(p) for p in path]
        w = round(width * SS)
        d.line(pts, fill=255, width=w, joint="curve")
        for x, y in (pts[0], pts[-1]):
            d.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=255)

    def via(self, p, hot, outer=3.6, inner=1.5):
        x, y = to_px(p)
        r, h = outer * SS, inner * SS
        self.layer(hot).ellipse([x - r, y - r, x + r, y + r], fill=255)
        ImageDraw.Draw(self.holes).ellipse([x - h, y - h, x + h, y + h], fill=255)

    def pad(self, p, hot, half=2.6):
        x, y = to_px(p)
        r = half * SS
        self.layer(hot).rectangle([x - r, y - r, x + r, y + r], fill=255)


def make_chip(board, layers, rng, x0, y0, w, h, hot):
    """A chip footprint: a dark body ringed by pads, traces leaving the pads."""
    board.take_box(x0 - 1, y0 - 1, x0 + w + 1, y0 + h + 1)
    bx0, by0 = to_px((x0, y0))
    bx1, by1 = to_px((x0 + w, y0 + h))
    inset = PITCH * SS * 0.45
    body = ImageDraw.Draw(layers.bodies)
    body.rectangle([bx0 + inset, by0 + inset, bx1 - inset, by1 - inset], fill=255)
    outline = layers.layer(False)
    outline.rectangle([bx0 + inset, by0 + inset, bx1 - inset, by1 - inset], outline=150, width=SS)
    # Pin-one mark.
    m = inset + 3 * SS
    outline.ellipse([bx0 + m, by0 + m, bx0 + m + 3 * SS, by0 + m + 3 * SS], fill=150)
    exits = []
    for x in range(x0 + 1, x0 + w):
        exits.append(((x, y0 - 1), 6))
        exits.append(((x, y0 + h + 1), 2))
    for y in range(y0 + 1, y0 + h):
        exits.append(((x0 - 1, y), 4))
        exits.append(((x0 + w + 1, y), 0))
    for p, d in exits:
        layers.pad(p, hot, 1.8)
        if rng.random() < 0.55:
            board.nodes.discard(p)
            path = walk(board, rng, p, d, rng.randint(3, 14), 0.25)
            if len(path) >= 3:
                board.take_path(path)
                layers.trace(path, hot and rng.random() < 0.6, 1.6)
                layers.via(path[-1], hot, 3.0, 1.2)
            board.nodes.add(p)


def draw(seed):
    rng = random.Random(seed)
    board = Board()
    layers = Layers()

    # A few chip footprints first, so the traces route around them.
    for x0, y0, w, h in ((27, 4, 6, 4), (5, 29, 4, 6), (22, 31, 7, 5)):
        make_chip(board, layers, rng, x0, y0, w, h, hot=rng.random() < 0.5)

    # Buses, then loose traces until the board is pleasantly (not fully) used.
    for _ in range(7):
        start = (rng.randint(0, CELLS - 1), rng.randint(0, CELLS - 1))
        direction = rng.choice((0, 2, 4, 6))
        hot = rng.random() < 0.35
        for path in bus(board, rng, start, direction, rng.randint(3, 6), rng.randint(10, 26)):
            layers.trace(path, hot)
            layers.via(path[0], hot)
            layers.via(path[-1], hot)
    for _ in range(900):
        if len(board.nodes) > CELLS * CELLS * 0.6:
            break
        start = (rng.randint(-1, CELLS), rng.randint(-1, CELLS))
        if not board.free(start):
            continue
        path = walk(board, rng, start, rng.randrange(8) // 2 * 2 if rng.random() < 0.8 else rng.randrange(8),
                    rng.randint(4, 22))
        if len(path) < 4:
            continue
        board.take_path(path)
        hot = rng.random() < 0.16
        layers.trace(path, hot)
        for end in (path[0], path[-1]):
            kind = rng.random()
            if kind < 0.55:
                layers.via(end, hot)
            elif kind < 0.8:
                layers.pad(end, hot)
    # Stray vias in the gaps, as on a real board.
    for _ in range(60):
        p = (rng.randint(0, CELLS - 1), rng.randint(0, CELLS - 1))
        if board.free(p) and all(board.free((p[0] + dx, p[1] + dy)) for dx, dy in DIRS):
            board.nodes.add(p)
            layers.via(p, rng.random() < 0.2, 2.8, 1.2)

    def shrink(img):
        return img.resize((SIZE, SIZE), Image.BOX)

    dim = shrink(layers.dim)
    hot = shrink(layers.hot)
    holes = shrink(layers.holes)
    bodies = shrink(layers.bodies)
    copper = ImageChops.lighter(dim, hot)

    # Board with a faint uneven sheen so large empty areas are not flat.
    sheen = Image.new("L", (8, 8))
    for y in range(8):
        for x in range(8):
            sheen.putpixel((x, y), rng.randint(0, 255))
    sheen = sheen.resize((SIZE, SIZE), Image.BICUBIC).filter(ImageFilter.GaussianBlur(40))
    base = Image.merge("RGB", [sheen.point(lambda v, c=c, k=k: round(c + v * k / 255))
                               for c, k in zip(BOARD, (4, 12, 14))])

    def tint(mask, colour, gain=1.0):
        return Image.merge("RGB", [mask.point(lambda v, c=c: min(255, round(v * c / 255 * gain)))
                                   for c in colour])

    glow_wide = ImageChops.add(dim.point(lambda v: v // 3), hot).filter(ImageFilter.GaussianBlur(9))
    glow_near = hot.filter(ImageFilter.GaussianBlur(3))
    img = base
    img = ImageChops.subtract(img, tint(bodies, (255, 255, 255), 0.02))
    img = ImageChops.add(img, tint(glow_wide, (0, 150, 190), 0.55))
    img = ImageChops.add(img, tint(glow_near, (0, 200, 235), 0.45))
    img = ImageChops.add(img, tint(dim, (10, 78, 92)))
    img = ImageChops.add(img, tint(hot, (34, 168, 192)))
    # Drill holes in the vias show the dark board again.
    img = Image.composite(Image.new("RGB", (SIZE, SIZE), BOARD), img, holes)
    return img


def preview(img, path):
    """The picture as the program shows it: bare, under the dark overlay with
    its 10-pixel frame, and under the light (opaque) one."""
    w = SIZE
    sheet = Image.new("RGB", (w * 3 + 20, w), (60, 60, 60))
    sheet.paste(img, (0, 0))
    dark = img.copy()
    inner = Image.new("RGB", (w - 20, w - 20), (0, 0, 0))
    dark.paste(Image.blend(img.crop((10, 10, w - 10, w - 10)), inner, 0xE4 / 255), (10, 10))
    sheet.paste(dark, (w + 10, 0))
    light = img.copy()
    light.paste(Image.new("RGB", (w - 20, w - 20), (240, 240, 240)), (10, 10))
    sheet.paste(light, (2 * w + 20, 0))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    sheet.save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=SEED)
    parser.add_argument("--output", default=OUTPUT)
    parser.add_argument("--preview", default=PREVIEW)
    parser.add_argument("--no-preview", action="store_true")
    args = parser.parse_args()

    img = draw(args.seed)
    assert img.size == (SIZE, SIZE)
    img.save(args.output, optimize=True)
    print("%s: %d bytes" % (args.output, os.path.getsize(args.output)))
    if not args.no_preview:
        preview(img, args.preview)
        print("preview: " + args.preview)


if __name__ == "__main__":
    main()
