#!/usr/bin/python3
"""Builds resources/SebastianGothicNBP.ttf, the font embedded as RT_FONT 151.

The glyphs come from Play Regular (SIL Open Font License 1.1), shipped by
Debian's fonts-play package. The OFL reserves the name "Play" for the
original, so our modified copy must carry a name of its own: every family,
full, unique and PostScript name record is rewritten to "Sebastian Gothic NBP",
the face name the program asks GDI for after AddFontMemResourceEx.

The font is cut down to Latin (Basic, Latin-1, Extended-A) plus the usual
punctuation, currency and maths signs: the languages that need Cyrillic or
CJK switch the application font off, so those glyphs would only add weight
to the executable.

Usage:  resources/tools/make_font.py [SOURCE.ttf] [OUTPUT.ttf]
        --preview PNG   also render a 14-pixel sample (default build/font-preview.png)
Needs:  python3-fonttools, fonts-play; python3-pil for the preview.
"""
import argparse
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

SOURCE = "/usr/share/fonts/truetype/play/Play-Regular.ttf"
OUTPUT = os.path.join(ROOT, "resources", "SebastianGothicNBP.ttf")
PREVIEW = os.path.join(ROOT, "build", "font-preview.png")

FAMILY = "Sebastian Gothic NBP"
POSTSCRIPT = "SebastianGothicNBP"
SAMPLE = "CPU Usage 42% Specification Maximum Clock Speed 3600 MHz"

# Code points kept. The Windows-1252 extras (0x80..0x9F mapped to Unicode)
# are all in here, so the ANSI character set the program asks for is whole.
KEEP_RANGES = [
    (0x0020, 0x007E),  # Basic Latin
    (0x00A0, 0x00FF),  # Latin-1 Supplement
    (0x0100, 0x017F),  # Latin Extended-A (Central European languages)
    (0x0192, 0x0192),  # florin (Windows-1252)
    (0x0218, 0x021B),  # Romanian comma-below letters
    (0x02C6, 0x02DD),  # spacing accents
    (0x0400, 0x045F),  # Cyrillic: a settings file may pair Russian texts with this font
    (0x2013, 0x2026),  # dashes, quotes, daggers, bullet, ellipsis
    (0x2030, 0x2030),  # per mille
    (0x2039, 0x203A),  # single guillemets
    (0x2044, 0x2044),  # fraction slash
    (0x20AC, 0x20AC),  # euro
    (0x2116, 0x2116),  # numero
    (0x2122, 0x2122),  # trade mark
    (0x2126, 0x2126),  # ohm
    (0x2202, 0x2202), (0x2206, 0x2206), (0x220F, 0x220F), (0x2211, 0x2212),
    (0x2215, 0x2215), (0x2219, 0x221A), (0x221E, 0x221E), (0x222B, 0x222B),
    (0x2248, 0x2248), (0x2260, 0x2260), (0x2264, 0x2265),  # maths signs
]

# Apple layout tables and the font editor's own timestamp table do nothing on
# Windows; GDI uses 'kern' for pair kerning, so that one stays.
DROP_TABLES = ["FFTM", "feat", "morx", "prop"]

# Name ids that carry the font's name, and what they become.
NEW_NAMES = {
    1: FAMILY,                              # family (what GDI matches lfFaceName against)
    3: "Orvanel: " + FAMILY + ": 1.002",    # unique id
    4: FAMILY,                              # full name
    6: POSTSCRIPT,                          # PostScript name
    16: FAMILY,                             # typographic family, if present
    18: FAMILY,                             # Mac compatible full name, if present
    21: FAMILY,                             # WWS family, if present
}
DESCRIPTION = ("Modified version of Play Regular (SIL Open Font License 1.1): "
               "subset to Latin and renamed to " + FAMILY + " for embedding in Orvanel.")


def keep_codepoints(font):
    cmap = font.getBestCmap()
    wanted = set()
    for first, last in KEEP_RANGES:
        wanted.update(range(first, last + 1))
    return sorted(cp for cp in wanted if cp in cmap)


def cut_down(font, codepoints):
    options = subset.Options()
    options.name_IDs = ["*"]          # keep copyright, licence and trademark notices
    options.name_languages = ["*"]
    options.name_legacy = True        # keep the Mac records too (renamed below)
    options.hinting = True
    options.legacy_kern = True        # keep the 'kern' table GDI reads
    options.notdef_outline = True
    options.drop_tables = sorted(set(options.drop_tables) | set(DROP_TABLES))
    options.layout_features = ["*"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=codepoints)
    subsetter.subset(font)


def rename(font):
    name = font["name"]
    # Records 256 and up named the dropped Apple layout features.
    name.names = [r for r in name.names if r.nameID < 256]
    for record in name.names:
        if record.nameID in NEW_NAMES:
            record.string = NEW_NAMES[record.nameID]
    for platform, encoding, language in {(r.platformID, r.platEncID, r.langID) for r in name.names}:
        name.setName(DESCRIPTION, 10, platform, encoding, language)
    # Only Latin code pages remain (bit 0 Latin 1, bit 1 Latin 2, bit 4 Turkish,
    # bit 7 Baltic, bit 29 Macintosh character set).
    os2 = font["OS/2"]
    os2.ulCodePageRange1 &= (1 << 0) | (1 << 1) | (1 << 4) | (1 << 7) | (1 << 29)
    os2.ulCodePageRange2 = 0
    font["post"].formatType = 2.0


def check(path):
    """Re-reads the written font and fails loudly if Windows would not find it."""
    font = TTFont(path)
    name = font["name"]
    windows = [r for r in name.names if r.platformID == 3]
    assert windows, "no Windows name records"
    for nid, expected in NEW_NAMES.items():
        for record in name.names:
            if record.nameID == nid:
                got = record.toUnicode()
                assert got == expected, "name %d is %r, want %r" % (nid, got, expected)
    assert any(r.nameID == 1 for r in windows), "no Windows family name"
    assert len(FAMILY) < 32, "face name must fit LOGFONT.lfFaceName"
    for record in name.names:
        text = record.toUnicode()
        if record.nameID in (1, 3, 4, 6, 16, 18, 21):
            assert "Play" not in text, "reserved name left in record %d" % record.nameID
    cmap = font.getBestCmap()
    missing = [c for c in SAMPLE if ord(c) not in cmap]
    assert not missing, "sample characters missing: %r" % missing
    assert font["OS/2"].ulCodePageRange1 & 1, "Latin 1 code page bit lost"
    assert font["OS/2"].fsType == 0, "font must be installable for embedding"
    return font


def render_preview(font_path, out_path):
    from PIL import Image, ImageDraw, ImageFont

    font = TTFont(font_path)
    os2 = font["OS/2"]
    # CreateFont with a positive height asks for that cell height: ascent plus
    # descent (the win metrics) come out as 14 pixels, so the em is smaller.
    cell = 14
    em = round(cell * font["head"].unitsPerEm / (os2.usWinAscent + os2.usWinDescent))
    face = ImageFont.truetype(font_path, em)
    rows = [((0, 0, 0), (0, 255, 0)), ((0, 0, 0), (255, 255, 255)),
            ((240, 240, 240), (0, 0, 0))]
    extra = "abcdefghijklm nopqrstuvwxyz 0123456789 ÄÖÜ äöü ß é č ł ő ž – “ ” € ° ± µ"
    width = max(face.getbbox(SAMPLE)[2], face.getbbox(extra)[2]) + 16
    one = Image.new("RGB", (width, (len(rows) + 1) * (cell + 6)), (0, 0, 0))
    draw = ImageDraw.Draw(one)
    for i, (bg, fg) in enumerate(rows):
        y = i * (cell + 6)
        draw.rectangle((0, y, width, y + cell + 5), fill=bg)
        draw.text((8, y + 3), SAMPLE, font=face, fill=fg)
    y = len(rows) * (cell + 6)
    draw.text((8, y + 3), extra, font=face, fill=(255, 255, 255))
    big = one.resize((one.width * 3, one.height * 3), Image.NEAREST)
    sheet = Image.new("RGB", (big.width, one.height + 8 + big.height), (40, 40, 40))
    sheet.paste(one, (0, 0))
    sheet.paste(big, (0, one.height + 8))
    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    sheet.save(out_path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source", nargs="?", default=SOURCE)
    parser.add_argument("output", nargs="?", default=OUTPUT)
    parser.add_argument("--preview", default=PREVIEW)
    parser.add_argument("--no-preview", action="store_true")
    args = parser.parse_args()

    if not os.path.exists(args.source):
        sys.exit("missing %s: apt-get install fonts-play" % args.source)
    # Fixed timestamps keep the output byte-identical from run to run.
    font = TTFont(args.source, recalcTimestamp=False)
    cut_down(font, keep_codepoints(font))
    rename(font)
    font["head"].modified = font["head"].created
    font.save(args.output)
    checked = check(args.output)
    print("%s: %d glyphs, %d bytes" % (args.output, checked["maxp"].numGlyphs,
                                       os.path.getsize(args.output)))
    if not args.no_preview:
        render_preview(args.output, args.preview)
        print("preview: " + args.preview)


if __name__ == "__main__":
    main()
