#!/usr/bin/env python3
"""Writes the fuzz seeds of the phones' maker notes into tests/fuzz/seeds/jpg:
small JPEG files (SOI, an Exif APP1 segment, EOI) whose Exif IFD holds one
note of each form: Apple (with a RunTime property list that holds itself),
Samsung's second layout, Huawei, Motorola, DJI and a note that is text."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "jpg")


def ifd(entries, at, order):
    """entries: (tag, type, count, bytes); offsets count from `at`'s base."""
    head = struct.pack(order + "H", len(entries))
    data_at = at + 2 + 12 * len(entries) + 4
    table, data = b"", b""
    for tag, typ, count, value in entries:
        if len(value) <= 4:
            table += struct.pack(order + "HHI", tag, typ, count) + value.ljust(4, b"\0")
        else:
            table += struct.pack(order + "HHII", tag, typ, count, data_at + len(data))
            data += value + (b"\0" if len(value) % 2 else b"")
    return head + table + b"\0\0\0\0" + data


def runtime_plist():
    objs = [bytes([0xD4, 1, 2, 3, 4, 5, 6, 7, 0]), b"\x55flags", b"\x55value", b"\x59timescale",
            b"\x55epoch", b"\x10\x01", b"\x13" + (39772089846958).to_bytes(8, "big"),
            b"\x12" + (10**9).to_bytes(4, "big"), b"\x10\x00"]
    out, table = b"bplist00", b""
    for o in objs:
        table += bytes([len(out)])
        out += o
    at = len(out)
    return out + table + b"\0" * 6 + b"\1\1" + (9).to_bytes(8, "big") + (0).to_bytes(8, "big") + at.to_bytes(8, "big")


def jpeg(make, note, order=">"):
    mark = b"MM" if order == ">" else b"II"
    # IFD0 at 8: Make and the Exif IFD pointer; the Exif IFD holds the note.
    make_bytes = make.encode() + b"\0"
    ifd0_size = 2 + 12 * 2 + 4
    make_at = 8 + ifd0_size
    exif_at = make_at + len(make_bytes) + (len(make_bytes) % 2)
    ifd0 = struct.pack(order + "H", 2)
    if len(make_bytes) <= 4:  # a short Make lies in its entry
        ifd0 += struct.pack(order + "HHI", 0x010F, 2, len(make_bytes)) + make_bytes.ljust(4, b"\0")
    else:
        ifd0 += struct.pack(order + "HHII", 0x010F, 2, len(make_bytes), make_at)
    ifd0 += struct.pack(order + "HHII", 0x8769, 4, 1, exif_at) + b"\0\0\0\0"
    note_at = exif_at + 2 + 12 + 4
    exif = struct.pack(order + "H", 1) + struct.pack(order + "HHII", 0x927C, 7, len(note), note_at) + b"\0\0\0\0"
    tiff = mark + struct.pack(order + "HI", 42, 8) + ifd0 + make_bytes.ljust(exif_at - make_at, b"\0") + exif + note
    app1 = b"Exif\0\0" + tiff
    return b"\xFF\xD8\xFF\xE1" + struct.pack(">H", len(app1) + 2) + app1 + b"\xFF\xD9", note_at


def apple():
    body = ifd([(0x0001, 9, 1, struct.pack(">i", 14)), (0x0003, 7, 0, b""),
                (0x0008, 10, 3, struct.pack(">6i", -1213, 1871, 107, 47259, -2443, 3257)),
                (0x0017, 16, 1, struct.pack(">Q", 1112709120)),
                (0x002E, 9, 1, struct.pack(">i", 6))], 14, ">")
    plist = runtime_plist()
    # The RunTime entry (second) points at the list appended after the IFD.
    note = b"Apple iOS\0\0\x01MM" + body
    at = len(note)
    entry = 14 + 2 + 12
    note = note[:entry] + struct.pack(">HHII", 0x0003, 7, len(plist), at) + note[entry + 12:] + plist
    return jpeg("Apple", note)[0]


def main():
    seeds = {
        "apple_note.jpg": apple(),
        "samsung_type2_note.jpg": jpeg("samsung", ifd([(0x0001, 7, 4, b"0100"), (0x0002, 4, 1, struct.pack("<I", 0x12000)),
                                                       (0xA002, 2, 9, b"R58M1234\0")], 0, "<"), "<")[0],
        "motorola_note.jpg": jpeg("motorola", b"MOT\0\1\1\1\1" + ifd([(0x5500, 2, 13, b"LPH23.116-18\0")], 8, ">"))[0],
        "huawei_note.jpg": jpeg("HUAWEI", b"HUAWEI\0\0II*\0\x08\0\0\0" + ifd([(0x0001, 4, 1, struct.pack("<I", 7))], 8, "<"))[0],
        "dji_note.jpg": jpeg("DJI", ifd([(0x0001, 2, 4, b"DJI\0"), (0x0003, 11, 1, struct.pack(">f", 1.5))], 0, ">"))[0],
        "text_note.jpg": jpeg("vivo", b"vivo X60 mode=night hdr=1\0\0\0")[0],
    }
    # Samsung and DJI offsets count from the TIFF header: rebuild them there.
    for name, make, entries, order in [
        ("samsung_type2_note.jpg", "samsung", [(0x0001, 7, 4, b"0100"), (0x0002, 4, 1, struct.pack("<I", 0x12000)),
                                               (0xA002, 2, 9, b"R58M1234\0")], "<"),
        ("dji_note.jpg", "DJI", [(0x0001, 2, 4, b"DJI\0"), (0x0003, 11, 1, struct.pack(">f", 1.5)),
                                 (0x0009, 11, 1, struct.pack(">f", -90.0))], ">")]:
        _, note_at = jpeg(make, ifd(entries, 0, order), order)
        seeds[name] = jpeg(make, ifd(entries, note_at, order), order)[0]
    for name, data in seeds.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
