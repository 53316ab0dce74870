#!/usr/bin/env python3
"""Writes both programs' language files from their UTF-8 sources.

    python3 resources/tools/make_lng.py          rewrite resources/lang/*.lng and
                                                 resources/screensaver/lang/*.lng
    python3 resources/tools/make_lng.py --check  only report sources that are
                                                 broken or .lng files that are stale

The sources (resources/lang/src/<Name>.ini for the main program,
resources/screensaver/lang/src/<Name>.ini for the screensaver, whose text
indexes mean other texts) are what people edit. The shipped
files are UTF-16 little-endian with a byte-order mark and CRLF line ends: only
then does the Windows profile reader see every character whatever the user's
code page is. Notes (lines starting with ";") and blank lines stay in the
sources.

A source is refused when something would not survive the profile reader or
would show wrongly: a missing, duplicate or unknown key, an empty value, a value
wrapped in quotation marks (the reader strips them), white space at either end
(trimmed), a backslash (backslash-n and backslash-r turn into line breaks), or a
different number of "&" than the English text (a menu accelerator gained or
lost).
"""
import argparse
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC_DIR = os.path.join(ROOT, "lang", "src")
OUT_DIR = os.path.join(ROOT, "lang")
REFERENCE = "English"

TEXT_COUNT = 165  # built-in texts 0..164

# Widget kinds in catalogue order; each has a title key "Widget<Kind>".
WIDGET_KINDS = [
    "AudioPeakMeter", "AudioPeakMeterWithArrow", "AudioPeakMeterHistory",
    "CPUUsage", "CPUUsageWithArrow", "CPUUsageHistory",
    "DateTime", "Drives", "EventsLogApps", "EventsLogSystem",
    "GPUUsage", "GPUUsageWithArrow", "GPUUsageHistory",
    "Keyboard",
    "MemoryUsage", "MemoryUsageWithArrow", "MemoryUsageHistory",
    "Mouse",
    "NetworkUsage", "NetworkUsageWithArrow", "NetworkUsageHistory",
    "OperatingSystem", "Specs",
    "StorageUsage", "StorageUsageWithArrow", "StorageUsageHistory",
    "WirelessAvailableNetworks",
]

SECTIONS = {
    "Language": ["lang_en", "lang_native"],
    "Text": [str(i) for i in range(TEXT_COUNT)] + ["Widget" + k for k in WIDGET_KINDS],
}

# The screensaver's own texts 0..26, in its own folder.
SCREENSAVER_DIR = os.path.join(ROOT, "screensaver", "lang")
SCREENSAVER_SECTIONS = {
    "Language": ["lang_en", "lang_native"],
    "Text": [str(i) for i in range(27)],
}

# (sources, output folder, keys) of every set of language files.
SETS = [
    (SRC_DIR, OUT_DIR, SECTIONS),
    (os.path.join(SCREENSAVER_DIR, "src"), SCREENSAVER_DIR, SCREENSAVER_SECTIONS),
]


class SourceError(Exception):
    pass


def parse_source(path, SECTIONS=SECTIONS):
    """Returns {section: {key: value}} in file order; raises SourceError with every problem found."""
    problems = []
    sections = {}
    current = None
    with open(path, encoding="utf-8-sig") as f:
        lines = f.read().split("\n")
    for number, raw in enumerate(lines, 1):
        line = raw.rstrip("\r")
        where = "%s:%d" % (os.path.basename(path), number)
        if not line.strip() or line.lstrip().startswith(";"):
            continue
        if line.startswith("["):
            if not line.endswith("]"):
                problems.append("%s: malformed section header" % where)
                continue
            current = line[1:-1]
            if current not in SECTIONS:
                problems.append("%s: unknown section [%s]" % (where, current))
            elif current in sections:
                problems.append("%s: section [%s] appears twice" % (where, current))
            sections.setdefault(current, {})
            continue
        if "=" not in line:
            problems.append("%s: line without '='" % where)
            continue
        key, value = line.split("=", 1)
        if current is None:
            problems.append("%s: key %r outside a section" % (where, key))
            continue
        if current not in SECTIONS:
            continue
        if key not in SECTIONS[current]:
            problems.append("%s: unknown key %r in [%s]" % (where, key, current))
        if key in sections[current]:
            problems.append("%s: key %r appears twice" % (where, key))
        if not value:
            problems.append("%s: key %r has no text" % (where, key))
        elif value != value.strip():
            problems.append("%s: key %r has white space at an end (the reader trims it)" % (where, key))
        elif len(value) >= 2 and value[0] == '"' and value[-1] == '"':
            problems.append("%s: key %r is wrapped in quotation marks (the reader strips them)" % (where, key))
        if "\\" in value:
            problems.append("%s: key %r contains a backslash" % (where, key))
        sections[current][key] = value
    for section, keys in SECTIONS.items():
        have = sections.get(section, {})
        missing = [k for k in keys if k not in have]
        if missing:
            problems.append("%s: [%s] lacks %s" % (os.path.basename(path), section, ", ".join(missing)))
    if problems:
        raise SourceError("\n".join(problems))
    return sections


def check_accelerators(name, texts, reference, SECTIONS=SECTIONS):
    problems = []
    for key in SECTIONS["Text"]:
        want = reference[key].count("&")
        have = texts[key].count("&")
        if want != have:
            problems.append("%s: key %r has %d '&', the English text %d" % (name, key, have, want))
    if problems:
        raise SourceError("\n".join(problems))


def render(sections, SECTIONS=SECTIONS):
    lines = []
    for section, keys in SECTIONS.items():
        if lines:
            lines.append("")
        lines.append("[%s]" % section)
        lines.extend("%s=%s" % (k, sections[section][k]) for k in keys)
    text = "\r\n".join(lines) + "\r\n"
    return b"\xff\xfe" + text.encode("utf-16-le")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="report stale files, write nothing")
    args = parser.parse_args()
    results = [build_set(src, out, sections, args.check) for src, out, sections in SETS]
    return max(results)


def build_set(SRC_DIR, OUT_DIR, SECTIONS, check):
    sources = sorted(f for f in os.listdir(SRC_DIR) if f.endswith(".ini"))
    names = [os.path.splitext(f)[0] for f in sources]
    if REFERENCE not in names:
        print("%s.ini is missing in %s" % (REFERENCE, SRC_DIR), file=sys.stderr)
        return 1

    failed = False
    parsed = {}
    for name in names:
        try:
            parsed[name] = parse_source(os.path.join(SRC_DIR, name + ".ini"), SECTIONS)
        except SourceError as e:
            print(e, file=sys.stderr)
            failed = True
    if REFERENCE not in parsed:
        return 1

    english_names = {}
    for name, sections in parsed.items():
        try:
            check_accelerators(name, sections["Text"], parsed[REFERENCE]["Text"], SECTIONS)
        except SourceError as e:
            print(e, file=sys.stderr)
            failed = True
        lang_en = sections["Language"]["lang_en"]
        if lang_en in english_names:
            print("%s and %s both call themselves %r; only the first found would ever load"
                  % (english_names[lang_en], name, lang_en), file=sys.stderr)
            failed = True
        english_names[lang_en] = name
    if failed:
        return 1

    stale = []
    for name, sections in parsed.items():
        out = os.path.join(OUT_DIR, name + ".lng")
        data = render(sections, SECTIONS)
        try:
            with open(out, "rb") as f:
                current = f.read()
        except FileNotFoundError:
            current = None
        if current == data:
            continue
        if check:
            stale.append(out)
        else:
            with open(out, "wb") as f:
                f.write(data)
            print("wrote %s" % os.path.relpath(out))
    orphans = [f for f in os.listdir(OUT_DIR)
               if f.endswith(".lng") and os.path.splitext(f)[0] not in parsed]
    for f in orphans:
        print("%s has no source in %s" % (f, os.path.relpath(SRC_DIR)), file=sys.stderr)
    for f in stale:
        print("%s is out of date; run %s" % (os.path.relpath(f), os.path.relpath(__file__)), file=sys.stderr)
    return 1 if stale or orphans else 0


if __name__ == "__main__":
    sys.exit(main())
