#!/usr/bin/python3
"""Checks the OS/2, hhea and FNT header lines of the goldens against what
fontTools (SFNT fonts) and the FNT generator's own field values say, so the
goldens are not merely the tool's output copied.

    /usr/bin/python3 tests/golden/crosscheck.py

Run it after updating goldens; it prints each disagreement and exits 1 if
there is any. Not part of the test suite (it needs fontTools).
"""

import os
import struct
import sys

from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURES = os.path.join(HERE, "..", "fixtures")

OS2 = ["version", "xAvgCharWidth", "usWeightClass", "usWidthClass", "fsType",
       "ySubscriptXSize", "ySubscriptYSize", "ySubscriptXOffset",
       "ySubscriptYOffset", "ySuperscriptXSize", "ySuperscriptYSize",
       "ySuperscriptXOffset", "ySuperscriptYOffset", "yStrikeoutSize",
       "yStrikeoutPosition", "sFamilyClass", "ulUnicodeRange1",
       "ulUnicodeRange2", "ulUnicodeRange3", "ulUnicodeRange4", "fsSelection",
       "usFirstCharIndex", "usLastCharIndex", "sTypoAscender",
       "sTypoDescender", "sTypoLineGap", "usWinAscent", "usWinDescent",
       "ulCodePageRange1", "ulCodePageRange2", "sxHeight", "sCapHeight",
       "usDefaultChar", "usBreakChar", "usMaxContext"]
HHEA = {"Version": "tableVersion", "Ascender": "ascent",
        "Descender": "descent", "Line_Gap": "lineGap",
        "advance_Width_Max": "advanceWidthMax",
        "min_Left_Side_Bearing": "minLeftSideBearing",
        "min_Right_Side_Bearing": "minRightSideBearing",
        "xMax_Extent": "xMaxExtent", "caret_Slope_Rise": "caretSlopeRise",
        "caret_Slope_Run": "caretSlopeRun", "caret_Offset": "caretOffset",
        "metric_Data_Format": "metricDataFormat",
        "number_Of_HMetrics": "numberOfHMetrics"}


def blocks(golden):
    """The field lines of each face block: {label: value}, per face."""
    faces = []
    with open(golden, "rb") as f:
        for raw in f.read().split(b"\n"):
            line = raw.decode("latin-1")
            if line.startswith("File '"):
                faces.append({})
            elif line.startswith("  ") and ": " in line and faces:
                label, _, value = line[2:].partition(": ")
                faces[-1][label] = value
    return faces


def expect(problems, where, label, shown, wanted):
    if shown != str(wanted):
        problems.append(f"{where}: {label} shows {shown!r}, expected {wanted!r}")


def check_sfnt(problems, golden, font_path, face_numbers):
    faces = blocks(golden)
    for block, number in zip(faces, face_numbers):
        font = TTFont(font_path, fontNumber=number) if number is not None \
            else TTFont(font_path)
        where = f"{os.path.basename(golden)} face {number}"
        os2 = font["OS/2"]
        for name in OS2:
            expect(problems, where, name, block.get("pOS2->" + name),
                   getattr(os2, name))
        vendor = os2.achVendID.encode("latin-1").ljust(4, b"\0")[:4]
        expect(problems, where, "achVendID",
               block.get("(unsigned int&)pOS2->achVendID"),
               struct.unpack("<I", vendor)[0])
        hhea = font["hhea"]
        for label, name in HHEA.items():
            value = getattr(hhea, name)
            if name == "tableVersion":
                value = int(value * 65536) if value < 16 else value
            expect(problems, where, label, block.get("pHori->" + label), value)
        expect(problems, where, "num_glyphs", block.get("face->num_glyphs"),
               len(font.getGlyphOrder()))
        expect(problems, where, "units_per_EM", block.get("face->units_per_EM"),
               font["head"].unitsPerEm)


def check_fnt(problems, golden, fnt_path):
    # Field values read straight from the file at their offsets.
    with open(fnt_path, "rb") as f:
        data = f.read()
    block = blocks(golden)[0]
    layout = [("version", "<H", 0), ("file_size", "<L", 2),
              ("file_type", "<H", 66), ("nominal_point_size", "<H", 68),
              ("vertical_resolution", "<H", 70),
              ("horizontal_resolution", "<H", 72), ("ascent", "<H", 74),
              ("internal_leading", "<H", 76), ("external_leading", "<H", 78),
              ("(int)italic", "<B", 80), ("(int)underline", "<B", 81),
              ("(int)strike_out", "<B", 82), ("weight", "<H", 83),
              ("(int)charset", "<B", 85), ("pixel_width", "<H", 86),
              ("pixel_height", "<H", 88), ("(int)pitch_and_family", "<B", 90),
              ("avg_width", "<H", 91), ("max_width", "<H", 93),
              ("(int)first_char", "<B", 95), ("(int)last_char", "<B", 96),
              ("(int)default_char", "<B", 97), ("(int)break_char", "<B", 98),
              ("bytes_per_row", "<H", 99), ("device_offset", "<L", 101),
              ("face_name_offset", "<L", 105), ("bits_pointer", "<L", 109),
              ("bits_offset", "<L", 113), ("(int)reserved", "<B", 117)]
    for name, fmt, offset in layout:
        if name.startswith("(int)"):
            label = "(int)fnt." + name[5:]
        else:
            label = "fnt." + name
        expect(problems, os.path.basename(golden), label, block.get(label),
               struct.unpack_from(fmt, data, offset)[0])
    copyright = data[6:66].split(b"\0")[0].decode("latin-1")
    expect(problems, os.path.basename(golden), "copyright",
           block.get("fnt.copyright", ""), copyright)


def main():
    problems = []
    check_sfnt(problems, os.path.join(HERE, "sample.ttf.txt"),
               os.path.join(FIXTURES, "sample.ttf"), [None])
    check_sfnt(problems, os.path.join(HERE, "cff.otf.txt"),
               os.path.join(FIXTURES, "cff.otf"), [None])
    # Face 1 of the collection is the one that does not open.
    check_sfnt(problems, os.path.join(HERE, "collection.ttc.txt"),
               os.path.join(FIXTURES, "collection.ttc"), [0, 2])
    check_fnt(problems, os.path.join(HERE, "fnt-v2.fnt.txt"),
              os.path.join(FIXTURES, "fnt", "v2.fnt"))
    for problem in problems:
        print(problem)
    print("crosscheck:", "FAILED" if problems else "ok")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
