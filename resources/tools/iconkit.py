"""Drawing and .ico writing helpers shared by the icon generator.

Shapes are drawn on a canvas many times larger than the icon and boxed down,
so edges that sit on the pixel grid stay sharp and diagonals and curves get
clean anti-aliasing. Coordinates are given in "units": a sixteenth of the icon
side, so a 16-pixel icon has 1 unit per pixel and a 32-pixel icon 2 pixels
per unit. Integer units therefore land on whole pixels at every size.
"""
import io
import math
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SUPERSAMPLE = 16


def rgb(hex_colour, alpha=255):
    hex_colour = hex_colour.lstrip("#")
    return (int(hex_colour[0:2], 16), int(hex_colour[2:4], 16), int(hex_colour[4:6], 16), alpha)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(4))


class Canvas:
    def __init__(self, size, grid=16):
        self.size = size
        self.scale = size / grid * SUPERSAMPLE   # big pixels per unit
        self.px = grid / size                    # one output pixel, in units
        self.big = size * SUPERSAMPLE
        self.image = Image.new("RGBA", (self.big, self.big), (0, 0, 0, 0))

    # -- masks ------------------------------------------------------------
    def _mask(self):
        return Image.new("L", (self.big, self.big), 0)

    def _s(self, v):
        return v * self.scale

    def rect(self, x0, y0, x1, y1, radius=0.0):
        """Box from (x0, y0) to (x1, y1), end exclusive, optionally rounded."""
        m = self._mask()
        box = [self._s(x0), self._s(y0), self._s(x1) - 1, self._s(y1) - 1]
        if box[2] < box[0] or box[3] < box[1]:
            return m
        d = ImageDraw.Draw(m)
        if radius > 0:
            d.rounded_rectangle(box, radius=self._s(radius), fill=255)
        else:
            d.rectangle(box, fill=255)
        return m

    def ellipse(self, x0, y0, x1, y1):
        m = self._mask()
        ImageDraw.Draw(m).ellipse([self._s(x0), self._s(y0), self._s(x1) - 1, self._s(y1) - 1], fill=255)
        return m

    def polygon(self, points):
        m = self._mask()
        ImageDraw.Draw(m).polygon([(self._s(x), self._s(y)) for x, y in points], fill=255)
        return m

    def stroke(self, points, width, round_caps=True):
        """Polyline of the given width; round joins and, optionally, round caps."""
        m = self._mask()
        d = ImageDraw.Draw(m)
        pts = [(self._s(x), self._s(y)) for x, y in points]
        w = max(1, round(self._s(width)))
        d.line(pts, fill=255, width=w, joint="curve")
        if round_caps:
            r = w / 2
            for x, y in (pts[0], pts[-1]):
                d.ellipse([x - r, y - r, x + r, y + r], fill=255)
        return m

    def arc(self, cx, cy, radius, start, end, width):
        """Arc centred on (cx, cy), angles in degrees clockwise from 3 o'clock."""
        m = self._mask()
        r = self._s(radius)
        cx, cy = self._s(cx), self._s(cy)
        w = max(1, round(self._s(width)))
        ImageDraw.Draw(m).arc([cx - r - w / 2, cy - r - w / 2, cx + r + w / 2, cy + r + w / 2],
                              start, end, fill=255, width=w)
        # Round the ends so short arcs do not look chopped.
        d = ImageDraw.Draw(m)
        for a in (start, end):
            x = cx + r * math.cos(math.radians(a))
            y = cy + r * math.sin(math.radians(a))
            d.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=255)
        return m

    def pixel_line(self, points):
        """One-pixel polyline through whole-pixel points (Bresenham), for
        icons laid out on their own pixel grid; returns the mask."""
        m = self._mask()
        d = ImageDraw.Draw(m)
        k = SUPERSAMPLE  # big pixels per output pixel
        step = self.px  # units per output pixel
        done = set()
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            x0, y0, x1, y1 = (round(v / step) for v in (x0, y0, x1, y1))
            dx, dy = abs(x1 - x0), -abs(y1 - y0)
            sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
            err = dx + dy
            while True:
                done.add((x0, y0))
                if x0 == x1 and y0 == y1:
                    break
                e2 = 2 * err
                if e2 >= dy:
                    err += dy
                    x0 += sx
                if e2 <= dx:
                    err += dx
                    y0 += sy
        for x, y in done:
            d.rectangle([x * k, y * k, (x + 1) * k - 1, (y + 1) * k - 1], fill=255)
        return m

    @staticmethod
    def union(*masks):
        out = masks[0]
        for m in masks[1:]:
            out = ImageChops.lighter(out, m)
        return out

    @staticmethod
    def minus(a, b):
        return ImageChops.subtract(a, b)

    @staticmethod
    def intersect(a, b):
        return ImageChops.darker(a, b)

    # -- paints -----------------------------------------------------------
    def vgradient(self, y0, y1, top, bottom):
        """Vertical gradient between two colours from y0 to y1 (units)."""
        column = Image.new("RGBA", (1, self.big))
        a, b = self._s(y0), self._s(y1)
        for y in range(self.big):
            t = 0.0 if b <= a else min(1.0, max(0.0, (y + 0.5 - a) / (b - a)))
            column.putpixel((0, y), mix(top, bottom, t))
        return column.resize((self.big, self.big), Image.NEAREST)

    def dgradient(self, first, second):
        """Diagonal gradient from the top-left corner to the bottom-right one."""
        small = Image.new("RGBA", (64, 64))
        for y in range(64):
            for x in range(64):
                small.putpixel((x, y), mix(first, second, (x + y) / 126))
        return small.resize((self.big, self.big), Image.BILINEAR)

    def fill(self, mask, paint, opacity=1.0):
        if isinstance(paint, tuple):
            layer = Image.new("RGBA", (self.big, self.big), paint)
        else:
            layer = paint.copy()
        alpha = ImageChops.multiply(layer.getchannel("A"), mask)
        if opacity < 1.0:
            alpha = alpha.point(lambda v: round(v * opacity))
        layer.putalpha(alpha)
        self.image.alpha_composite(layer)

    def glow(self, mask, colour, radius, strength=1.0):
        """Soft light around a shape (drawn beneath whatever comes next)."""
        blurred = mask.filter(ImageFilter.GaussianBlur(self._s(radius)))
        if strength != 1.0:
            blurred = blurred.point(lambda v: min(255, round(v * strength)))
        self.fill(blurred, colour)

    def body(self, shape, outline, paint, inset=None):
        """A filled shape with a one-pixel outline of its own darker colour.

        `shape(d)` returns the mask of the shape shrunk by d units.
        """
        inset = self.px if inset is None else inset
        self.fill(shape(0), outline)
        self.fill(shape(inset), paint)

    def render(self):
        return self.image.resize((self.size, self.size), Image.BOX)


# -- .ico files ------------------------------------------------------------
def _bmp_entry(img):
    """32-bit DIB with straight alpha plus the 1-bit AND mask Windows expects."""
    w, h = img.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = img.getpixel((x, y))
            pixels += bytes((b, g, r, a))
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if img.getpixel((x, y))[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def _png_entry(img):
    out = io.BytesIO()
    img.save(out, format="PNG", optimize=True)
    return out.getvalue()


def write_ico(path, images):
    """Writes the images (RGBA, square) into one .ico; 256 px goes in as PNG."""
    images = sorted(images, key=lambda im: im.size[0])
    blobs = [_png_entry(im) if im.size[0] >= 256 else _bmp_entry(im) for im in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


def read_ico_sizes(path):
    """(width, height, bit count, is PNG) of each entry, for checking output."""
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert reserved == 0 and kind == 1, "not an icon file"
    entries = []
    for i in range(count):
        w, h, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        assert offset + size <= len(data), "entry runs past the end of the file"
        entries.append((w or 256, h or 256, bits, data[offset:offset + 8] == b"\x89PNG\r\n\x1a\n"))
    return entries
