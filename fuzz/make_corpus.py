#!/usr/bin/python3
"""Writes the damaged-font inputs of fuzz/corpus.

    /usr/bin/python3 fuzz/make_corpus.py

Every output is derived deterministically (no clock, fixed random seeds), so
running it again rewrites the same bytes.  Needs Debian's python3-fonttools
for the variable font.  Three families of inputs:

  * hand-packed Windows bitmap fonts -- a bare FNT and an NE-format FON with
    two FNT resources -- and variants of them with one header field set to
    an awkward value (the glyph range inverted, the face name offset past the
    end, a resource table that claims more fonts than it holds, a resource
    size shift larger than FreeType allows);
  * a two-glyph TrueType variable font (one weight axis, two named
    instances, a gvar delta), so variation tables are fuzzed and replayed;
  * damaged copies of it and of the small fonts in tests/fixtures: truncated at a few
    points, with seeded bit flips, and (for sfnt files) with the table
    directory or a collection header patched to claim too much.

Inputs that fuzzing finds are added beside these by hand, named by the
SHA-1 of their bytes (see the Fuzzing section of README.md); this script
leaves files it did not write alone.
"""

import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")
FIXTURES = os.path.join(HERE, os.pardir, "tests", "fixtures")
BINARY_SUFFIXES = (".ttf", ".otf", ".ttc", ".otc", ".fnt", ".fon", ".pcf", ".bdf", ".pfb", ".pfa", ".woff")


def fnt(version=0x300, first_char=0x41, last_char=0x42, height=8, face_name=b"Tiny\0", patch=None):
    """A raster FNT resource: header, glyph table, 1-bit bitmaps, face name."""
    header_size = 148 if version == 0x300 else 118
    chars = last_char - first_char + 2  # the table holds one extra sentinel entry
    entry_size = 6 if version == 0x300 else 4
    table_size = max(chars, 0) * entry_size
    bits_offset = header_size + table_size
    bitmap_size = height  # one byte wide, `height` rows, shared by every glyph
    face_offset = bits_offset + bitmap_size
    file_size = face_offset + len(face_name)

    fields = dict(version=version, file_size=file_size, face_name_offset=face_offset,
                  first_char=first_char, last_char=last_char, pixel_height=height,
                  bits_offset=bits_offset)
    if patch:
        fields.update(patch)

    head = struct.pack("<HI60s", fields["version"], fields["file_size"], b"(c) nobody")
    head += struct.pack("<HHHHHHH", 0, 10, 96, 96, height - 1, 0, 0)  # type .. external_leading
    head += struct.pack("<BBBHB", 0, 0, 0, 400, 0)  # italic, underline, strike_out, weight, charset
    head += struct.pack("<HHBHH", 0, fields["pixel_height"], 0x31, 5, 5)  # width, height, pitch/family, avg, max
    head += struct.pack("<BBBBH", fields["first_char"] & 0xFF, fields["last_char"] & 0xFF, 0, 0, 1)
    head += struct.pack("<IIIIB", 0, fields["face_name_offset"], 0, fields["bits_offset"], 0)
    if version == 0x300:
        head += struct.pack("<IHHHI16s", 0x10, 0, 5, 0, 0, b"")
    assert len(head) == header_size

    table = b""
    for _ in range(max(chars, 0)):
        if version == 0x300:
            table += struct.pack("<HI", 5, bits_offset)
        else:
            table += struct.pack("<HH", 5, bits_offset)
    bitmap = bytes([0x60, 0x90, 0x90, 0xF0, 0x90, 0x90, 0x90, 0x00])[:height].ljust(height, b"\0")
    return head + table + bitmap + face_name


def fon(resources, claimed=None, size_shift=4):
    """An NE executable whose resource table lists `resources` as RT_FONT."""
    mz = bytearray(64)
    mz[0:2] = b"MZ"
    ne_offset = 64
    struct.pack_into("<I", mz, 0x3C, ne_offset)

    ne = bytearray(64)
    ne[0:2] = b"NE"
    ne[2:4] = bytes([5, 10])
    resource_table = len(ne)  # relative to the NE header
    count = len(resources) if claimed is None else claimed
    table = struct.pack("<H", size_shift)
    table += struct.pack("<HHI", 0x8008, count, 0)
    entries_size = 12 * len(resources)
    tail = struct.pack("<H", 0)  # end of the type list
    names = b"\0"  # empty resident-name table
    data_start = ne_offset + len(ne) + len(table) + entries_size + len(tail) + len(names)
    unit = 1 << min(size_shift, 15)
    data_start = (data_start + unit - 1) // unit * unit

    entries = b""
    blobs = b""
    position = data_start
    for index, resource in enumerate(resources):
        padded = resource + bytes((-len(resource)) % unit)
        entries += struct.pack("<HHHHHH", position // unit, len(padded) // unit, 0x1C30, 0x8001 + index, 0, 0)
        blobs += padded
        position += len(padded)

    struct.pack_into("<HH", ne, 0x24, resource_table, resource_table + len(table) + entries_size + len(tail))
    out = bytes(mz) + bytes(ne) + table + entries + tail + names
    out += bytes(data_start - len(out))
    return out + blobs


def variable_font():
    """Two glyphs, a weight axis from 100 to 900 and one glyph delta."""
    import io
    from fontTools.fontBuilder import FontBuilder
    from fontTools.pens.ttGlyphPen import TTGlyphPen
    from fontTools.ttLib.tables._g_v_a_r import TupleVariation

    def box(right):
        pen = TTGlyphPen(None)
        pen.moveTo((100, 0))
        pen.lineTo((100, 700))
        pen.lineTo((right, 700))
        pen.lineTo((right, 0))
        pen.closePath()
        return pen.glyph()

    builder = FontBuilder(1000, isTTF=True)
    builder.font.recalcTimestamp = False
    builder.setupGlyphOrder([".notdef", "A"])
    builder.setupCharacterMap({0x41: "A"})
    builder.setupGlyf({".notdef": box(400), "A": box(500)})
    builder.setupHorizontalMetrics({".notdef": (500, 100), "A": (600, 100)})
    builder.setupHorizontalHeader(ascent=800, descent=-200)
    builder.setupNameTable({"familyName": "Vary", "styleName": "Regular"})
    builder.setupOS2(sTypoAscender=800, usWinAscent=800, usWinDescent=200)
    builder.setupPost()
    builder.setupHead(created=0, modified=0)
    builder.setupFvar(axes=[("wght", 100, 400, 900, "Weight")],
                      instances=[dict(location=dict(wght=100), stylename="Thin"),
                                 dict(location=dict(wght=900), stylename="Black")])
    deltas = [(0, 0), (0, 0), (200, 0), (200, 0)] + [(0, 0)] * 4  # 4 points + phantoms
    builder.setupGvar({"A": [TupleVariation({"wght": (0, 1.0, 1.0)}, deltas)]})
    out = io.BytesIO()
    builder.save(out)
    return out.getvalue()


def truncations(data):
    points = sorted({12, len(data) // 2, len(data) - 1} - {0, len(data)})
    return [(f"cut{point}", data[:point]) for point in points if 0 < point < len(data)]


def bit_flips(name, data, variants=2, flips=6):
    out = []
    for variant in range(variants):
        rng = random.Random(f"{name}:{variant}")
        damaged = bytearray(data)
        for _ in range(flips):
            position = rng.randrange(len(damaged))
            damaged[position] ^= 1 << rng.randrange(8)
        out.append((f"flip{variant}", bytes(damaged)))
    return out


def sfnt_patches(data):
    """Tables that claim more than the file holds."""
    out = []
    tag = data[:4]
    if tag == b"ttcf" and len(data) >= 12:
        huge = bytearray(data)
        struct.pack_into(">I", huge, 8, 0x7FFFFFFF)  # number of fonts
        out.append(("fontcount", bytes(huge)))
        return out
    if tag not in (b"\0\1\0\0", b"OTTO", b"true") or len(data) < 12:
        return out
    num_tables = struct.unpack_from(">H", data, 4)[0]
    many = bytearray(data)
    struct.pack_into(">H", many, 4, 0xFFFF)
    out.append(("numtables", bytes(many)))
    for index in range(num_tables):
        record = 12 + 16 * index
        if record + 16 > len(data):
            break
        table_tag = data[record:record + 4]
        if table_tag in (b"OS/2", b"hhea", b"cmap", b"name"):
            long_table = bytearray(data)
            struct.pack_into(">I", long_table, record + 12, 0x00FFFFFF)  # length
            out.append((f"{table_tag.decode().replace('/', '')}-long", bytes(long_table)))
            far_table = bytearray(data)
            struct.pack_into(">I", far_table, record + 8, len(data) - 2)  # offset
            out.append((f"{table_tag.decode().replace('/', '')}-far", bytes(far_table)))
    return out


def write(name, data):
    with open(os.path.join(CORPUS, name), "wb") as out:
        out.write(data)


def main():
    os.makedirs(CORPUS, exist_ok=True)

    bare = fnt()
    write("fnt-v3.fnt", bare)
    write("fnt-v2.fnt", fnt(version=0x200))
    write("fnt-inverted-range.fnt", fnt(first_char=0x42, last_char=0x41))
    write("fnt-name-past-end.fnt", fnt(patch={"face_name_offset": 0xFFFF0}))
    write("fnt-zero-height.fnt", fnt(patch={"pixel_height": 0}))
    write("fnt-short-file-size.fnt", fnt(patch={"file_size": 20}))
    write("fnt-unterminated-name.fnt", fnt(face_name=b"NoEnd"))

    pair = [fnt(), fnt(version=0x200, face_name=b"Second\0")]
    write("fon-two-faces.fon", fon(pair))
    write("fon-claims-many.fon", fon(pair, claimed=0xFFFF))
    write("fon-claims-none.fon", fon(pair, claimed=0))
    # The shift field alone is patched: laying the file out in 128 KiB
    # units would make it needlessly large.
    shifted = bytearray(fon(pair))
    struct.pack_into("<H", shifted, 64 + 64, 17)
    write("fon-shift-17.fon", bytes(shifted))
    write("fon-second-bad.fon", fon([fnt(), fnt(patch={"version": 0x100})]))

    vary = variable_font()
    write("vary.ttf", vary)

    sources = [("vary.ttf", vary)]
    if os.path.isdir(FIXTURES):
        for directory, subdirectories, files in os.walk(FIXTURES):
            subdirectories.sort()
            for entry in sorted(files):
                path = os.path.join(directory, entry)
                # Small files only: the corpus is replayed in every test run.
                if entry.endswith(BINARY_SUFFIXES) and os.path.getsize(path) <= 16384:
                    with open(path, "rb") as source:
                        sources.append((entry, source.read()))
    sources += [("fon-two-faces.fon", fon(pair))]

    for entry, data in sources:
        stem, suffix = os.path.splitext(entry)
        variants = truncations(data) + bit_flips(entry, data) + sfnt_patches(data)
        for label, damaged in variants:
            write(f"{stem}-{label}{suffix}", damaged)


if __name__ == "__main__":
    main()
