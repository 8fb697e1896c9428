#!/usr/bin/env python3
"""Generate src/master/pinyin_table.inc: the pinyin initial of every double-byte GBK cell.

The table has one character per GBK cell, lead byte 0x81-0xFE by trail byte 0x40-0xFE
(126 x 191 = 24,066 cells), at (lead - 0x81) * 191 + (trail - 0x40): the upper-case first
letter of the cell's Mandarin reading, or '-' where the cell has no reading (symbols, kana,
Greek, Cyrillic, box drawing, user-defined areas, unassigned cells, and the few ideographs
that the Unihan database gives no Mandarin reading).

Reading of a character:
  - the GBK cell is decoded with Python's "gbk" codec;
  - a CJK compatibility ideograph is mapped through its canonical decomposition
    (unicodedata) to the unified ideograph;
  - the reading is the most frequent one of kHanyuPinlu (the first listed on a tie),
    else the first value of kMandarin;
  - its first letter with the tone mark removed (NFD), upper case.

Source: Unihan_Readings.txt of the Unicode Han database, Debian package unicode-data
(/usr/share/unicode/Unihan_Readings.txt.bz2), a plain Unihan_Readings.txt, or a Unihan.zip.
Only the Python standard library is used; the output depends on nothing but the input file.

Usage: gen_pinyin_table.py [--unihan FILE] [-o OUTPUT]   (OUTPUT "-" writes to stdout)
"""

import argparse
import bz2
import io
import os
import re
import sys
import unicodedata
import zipfile

LEAD_FIRST, LEAD_LAST = 0x81, 0xFE
TRAIL_FIRST, TRAIL_LAST = 0x40, 0xFE
TRAILS = TRAIL_LAST - TRAIL_FIRST + 1          # 191
CELLS = (LEAD_LAST - LEAD_FIRST + 1) * TRAILS  # 24066
NONE = "-"

DEFAULT_SOURCES = (
    "/usr/share/unicode/Unihan_Readings.txt.bz2",
    "/usr/share/unicode/Unihan_Readings.txt",
    "/usr/share/unicode/Unihan.zip",
)

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUTPUT = os.path.join(HERE, os.pardir, "src", "master", "pinyin_table.inc")


def open_readings(path):
    """A text stream over Unihan_Readings.txt, whether plain, bz2 or inside a zip."""
    if path.endswith(".bz2"):
        return bz2.open(path, "rt", encoding="utf-8")
    if path.endswith(".zip"):
        archive = zipfile.ZipFile(path)
        name = next(n for n in archive.namelist() if n.endswith("Unihan_Readings.txt"))
        return io.TextIOWrapper(archive.open(name), encoding="utf-8")
    return open(path, "rt", encoding="utf-8")


def read_unihan(path):
    """Returns ({code point: reading}, unicode version text)."""
    pinlu, mandarin = {}, {}
    version = "unknown"
    with open_readings(path) as stream:
        for line in stream:
            if line.startswith("#"):
                m = re.match(r"#\s*Unicode version:\s*(\S+)", line)
                if m:
                    version = m.group(1)
                continue
            parts = line.rstrip("\n").split("\t")
            if len(parts) != 3:
                continue
            cp = int(parts[0][2:], 16)
            if parts[1] == "kHanyuPinlu":
                # "xíng(1234) háng(56)": the most frequent, the first one on a tie.
                best, best_count = None, -1
                for item in parts[2].split():
                    m = re.fullmatch(r"(.+)\((\d+)\)", item)
                    if m and int(m.group(2)) > best_count:
                        best, best_count = m.group(1), int(m.group(2))
                if best is not None:
                    pinlu[cp] = best
            elif parts[1] == "kMandarin":
                mandarin[cp] = parts[2].split()[0]
    readings = dict(mandarin)
    readings.update(pinlu)
    return readings, version


def initial(reading):
    """Upper-case first letter of a pinyin reading ("zhāng" -> "Z", "ê" -> "E"), or None."""
    first = unicodedata.normalize("NFD", reading)[:1].lower()
    if "a" <= first <= "z":
        return first.upper()
    return None


def cell_char(lead, trail):
    try:
        text = bytes((lead, trail)).decode("gbk")
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def canonical(ch):
    """A compatibility ideograph's unified ideograph; any other character itself."""
    decomposition = unicodedata.decomposition(ch)
    if re.fullmatch(r"[0-9A-F]{4,6}", decomposition):
        return chr(int(decomposition, 16))
    return ch


def build(readings):
    table = []
    for lead in range(LEAD_FIRST, LEAD_LAST + 1):
        for trail in range(TRAIL_FIRST, TRAIL_LAST + 1):
            letter = None
            ch = cell_char(lead, trail)
            if ch is not None:
                cp = ord(canonical(ch))
                reading = readings.get(cp) or readings.get(ord(ch))
                if reading:
                    letter = initial(reading)
            table.append(letter or NONE)
    assert len(table) == CELLS
    # Rows that the routine handles by their own rules hold no readings.
    for lead in (0xA2, 0xA3, 0xA6):
        row = (lead - LEAD_FIRST) * TRAILS
        assert all(c == NONE for c in table[row:row + TRAILS]), hex(lead)
    return "".join(table)


def render(table, version, source):
    filled = sum(1 for c in table if c != NONE)
    out = []
    out.append("// Generated by tools/gen_pinyin_table.py from %s (Unicode version %s)."
               % (os.path.basename(source), version))
    out.append("// Do not edit: change the script and regenerate; tests/master/tst_pinyin.cpp checks that")
    out.append("// the script reproduces this file byte for byte.")
    out.append("//")
    out.append("// Pinyin initial of every double-byte GBK cell, lead 0x81-0xFE by trail 0x40-0xFE, at")
    out.append("// (lead - 0x81) * 191 + (trail - 0x40); '%s' marks a cell without a reading." % NONE)
    out.append("// %d cells, %d with a reading. One line per lead byte." % (CELLS, filled))
    out.append("static constexpr char kPinyinInitialsByGbkCell[%d + 1] =" % CELLS)
    for lead in range(LEAD_FIRST, LEAD_LAST + 1):
        row = (lead - LEAD_FIRST) * TRAILS
        out.append('    /* %02X */ "%s"' % (lead, table[row:row + TRAILS]))
    out.append("    ;")
    return "\n".join(out) + "\n"


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unihan", help="Unihan_Readings.txt(.bz2) or Unihan.zip")
    parser.add_argument("-o", "--output", default=DEFAULT_OUTPUT, help='output file, "-" for stdout')
    args = parser.parse_args(argv)

    source = args.unihan
    if source is None:
        source = next((p for p in DEFAULT_SOURCES if os.path.exists(p)), None)
        if source is None:
            sys.exit("gen_pinyin_table.py: no Unihan_Readings.txt found; install unicode-data or pass --unihan")

    readings, version = read_unihan(source)
    text = render(build(readings), version, source)
    if args.output == "-":
        sys.stdout.write(text)
    else:
        with open(args.output, "w", encoding="ascii", newline="\n") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
