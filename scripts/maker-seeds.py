#!/usr/bin/env python3
# Writes the fuzz seeds of the Fujifilm, Olympus and Pentax note forms
# (tests/fuzz/seeds/jpg/): small JPEG files, SOI + an Exif APP1 + EOI, whose
# Exif IFD (or IFD0, for a Pentax DNG's private data) holds one maker note
# of each form. Run by hand; the seeds are kept in the repository.
import os
import struct
import sys

out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'fuzz', 'seeds', 'jpg')


def ifd(entries, at, order='<', next_ifd=0):
    """entries: (tag, type, count, bytes); values over 4 bytes go after the table."""
    size = {1: 1, 2: 1, 3: 2, 4: 4, 5: 8, 7: 1, 9: 4, 10: 8, 13: 4}
    table = struct.pack(order + 'H', len(entries))
    data = b''
    data_at = at + 2 + 12 * len(entries) + 4
    for tag, typ, count, value in sorted(entries):
        table += struct.pack(order + 'HHI', tag, typ, count)
        if len(value) <= 4:
            table += value.ljust(4, b'\0')
        else:
            table += struct.pack(order + 'I', data_at + len(data))
            data += value + (b'\0' if len(value) & 1 else b'')
    return table + struct.pack(order + 'I', next_ifd) + data


def jpeg(make, model, note=None, ifd0_extra=()):
    """An Intel TIFF: IFD0 (Make, Model, Exif IFD pointer), the Exif IFD with the note."""
    def ascii(s):
        return s.encode() + b'\0'
    ifd0_entries = [(0x010F, 2, len(ascii(make)), ascii(make)),
                    (0x0110, 2, len(ascii(model)), ascii(model))]
    ifd0_entries += list(ifd0_extra)
    # Lay IFD0 out once to learn its size, then point it at the Exif IFD.
    probe = ifd(ifd0_entries + [(0x8769, 4, 1, b'\0\0\0\0')], 8)
    exif_at = 8 + len(probe)
    exif_at += exif_at & 1
    ifd0 = ifd(ifd0_entries + [(0x8769, 4, 1, struct.pack('<I', exif_at))], 8)
    ifd0 = ifd0.ljust(exif_at - 8, b'\0')
    exif_entries = [(0x9000, 7, 4, b'0230')]
    if note is not None:
        note_at = exif_at + 2 + 12 * 2 + 4
        exif_entries.append((0x927C, 7, len(note(note_at)), note(note_at)))
    tiff = b'II*\0' + struct.pack('<I', 8) + ifd0 + ifd(exif_entries, exif_at)
    app1 = b'Exif\0\0' + tiff
    return b'\xff\xd8\xff\xe1' + struct.pack('>H', len(app1) + 2) + app1 + b'\xff\xd9'


def pentax_ifd(at, order='<'):
    e = [(0x0006, 7, 4, bytes([0x07, 0xD8, 3, 2])), (0x0007, 7, 3, bytes([12, 1, 23])),
         (0x0008, 3, 1, struct.pack(order + 'H', 1)), (0x003F, 1, 2, bytes([3, 17])),
         (0x005D, 7, 4, bytes.fromhex('F426ED8D')), (0x0229, 2, 8, b'4213575\0')]
    return ifd(e, at, order)


seeds = {
    # "AOC\0II": offsets from the TIFF header.
    'pentax-aoc-ii.jpg': jpeg('PENTAX Corporation', 'PENTAX K10D',
                              lambda at: b'AOC\0II' + pentax_ifd(at + 6)),
    # "AOC\0MM" in an Intel file.
    'pentax-aoc-mm.jpg': jpeg('PENTAX Corporation', 'PENTAX K10D',
                              lambda at: b'AOC\0MM' + pentax_ifd(at + 6, '>')),
    # "PENTAX \0MM" under a Ricoh make: offsets from the note's first byte.
    'pentax-ricoh.jpg': jpeg('RICOH IMAGING COMPANY, LTD.', 'PENTAX K-3',
                             lambda at: b'PENTAX \0MM' + pentax_ifd(10, '>')),
    # Fujifilm's X-series tags.
    'fujifilm-x.jpg': jpeg('FUJIFILM', 'X100T', lambda at: b'FUJIFILM' + struct.pack('<I', 12) + ifd(
        [(0x0010, 2, 12, b'FFDT2279452\0'), (0x1401, 3, 1, struct.pack('<H', 0x600)),
         (0x1047, 9, 1, struct.pack('<i', 32)), (0x1050, 3, 1, struct.pack('<H', 1)),
         (0x1438, 3, 1, struct.pack('<H', 1234))], 12)),
    # Olympus' newer form: an IFD-typed Equipment entry, offsets from the note.
    'olympus-new.jpg': jpeg('OLYMPUS CORPORATION', 'E-M5MarkIII', lambda at: b'OLYMPUS\0II\x03\0' + ifd(
        [(0x2010, 13, 1, struct.pack('<I', 12 + 18))], 12) + ifd(
        [(0x0101, 2, 10, b'BHW201234\0'), (0x0201, 1, 6, bytes([0, 0, 1, 0x10, 0, 0]))], 12 + 18)),
}
# A Pentax DNG keeps its note in IFD0's DNGPrivateData.
dng_note = b'PENTAX \0MM' + pentax_ifd(10)
seeds['pentax-dng-private.jpg'] = jpeg('PENTAX', 'PENTAX K-30', None,
                                       [(0xC634, 7, len(dng_note), dng_note)])
os.makedirs(out, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(out, name), 'wb') as f:
        f.write(data)
print(len(seeds), 'seeds in', out)
