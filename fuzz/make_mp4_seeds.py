#!/usr/bin/env python3
"""Writes small hand-built recorder images of the five MP4/MOV telemetry layouts as fuzz seeds.

usage: make_mp4_seeds.py OUTDIR
"""
import os
import struct
import sys


def box(kind, payload=b""):
    return struct.pack(">I", len(payload) + 8) + kind + payload


def box64(kind, payload=b""):
    return struct.pack(">IQ", 1, len(payload) + 16)[:4] + kind + struct.pack(">Q", len(payload) + 16) + payload


def mvhd(timescale, duration, created=3786914120, kind=b"mvhd"):
    p = bytearray(100)
    struct.pack_into(">III", p, 4, created, created, timescale)
    struct.pack_into(">I", p, 16, duration)
    return box(kind, bytes(p))


def hdlr(kind, name):
    return box(b"hdlr", bytes(8) + kind + bytes(12) + bytes([len(name)]) + name)


def entry(kind, w, h):
    p = bytearray(78)
    struct.pack_into(">HH", p, 24, w, h)
    return box(kind, bytes(p))


def trak(handler, name, entries, stco=b""):
    stbl = box(b"stbl", box(b"stsd", struct.pack(">II", 0, 1) + entries) + box(b"stts", bytes(8)) + stco)
    mdia = box(b"mdia", mvhd(1000, 60000, 0, b"mdhd") + hdlr(handler, name) + box(b"minf", stbl))
    return box(b"trak", box(b"tkhd", bytes(84)) + mdia)


def table(kind, offsets, entry_size=4):
    body = b"".join(struct.pack(">I", o) + (struct.pack(">I", 156) if entry_size == 8 else b"") for o in offsets)
    return box(kind, struct.pack(">II", 0, len(offsets)) + body)


def gps_record(y, mo, d, h, mi, s):
    r = bytearray(32)
    r[22:28] = bytes([y, mo, d, h, mi, s])
    r[29] = 1
    return bytes(r)


FTYP = box(b"ftyp", b"isom" + struct.pack(">I", 512) + b"isomiso2avc1mp41")
VIDEO = trak(b"vide", b"VideoHandler", entry(b"avc1", 1920, 1080))
VIDEO_JTD = trak(b"vide", b"JTD_VideoHandler", entry(b"avc1", 1920, 1080))
META = trak(b"meta", b"MetaHandler", box(b"mett", bytes(16)), table(b"stco", [100, 200, 300]))
TITLE = box(b"udta", box(b"\xa9nam", struct.pack(">HH", 20, 0) + b"DashCam Recorder 01" + bytes(8)))

SEEDS = {
    "inline.mp4": FTYP + box(b"skip", b"\x07\x00") + box(b"moov", mvhd(1000, 60000) + VIDEO)
    + box(b"gpsa", struct.pack("<I", 1)) + box(b"gsea", struct.pack("<I", 0x01020805))
    + box(b"gps0", gps_record(0, 0, 0, 0, 0, 0) + gps_record(24, 5, 17, 10, 20, 30))
    + box(b"IDIT", b"2024-05-17 10:20:30") + box(b"gsen", bytes(60)) + box(b"mdat", bytes(32)),
    "inline_in_moov.mp4": FTYP + box(b"IDIT", b"2024-05-17 10:20:30")
    + box(b"moov", mvhd(1000, 60000) + VIDEO + box(b"gps0", gps_record(24, 5, 17, 10, 20, 30))
          + box(b"gsen", bytes(9))) + box(b"skip", b"\x00"),
    "meta88.mp4": FTYP + box(b"free") + box(b"mdat", bytes(64)) + box(b"moov", mvhd(1000, 60000) + META + VIDEO_JTD),
    "meta92.mov": FTYP + box(b"wide") + box(b"mdat", bytes(64)) + box(b"moov", mvhd(600, 59999) + VIDEO + META + TITLE),
    "trailer.mov": FTYP + box(b"wide") + box64(b"mdat", bytes(64))
    + box(b"moov", mvhd(1000, 60000) + VIDEO + box(b"udta", box(b"date", bytes(12))))
    + box(b"name", b"noml") + box(b"gps0", gps_record(24, 5, 17, 10, 20, 30)),
    "gpsindex.mp4": FTYP + box(b"moov", mvhd(1000, 60000) + trak(b"vide", b"VideoHandler", entry(b"hvc1", 2560, 1440))
                               + table(b"gps ", [300, 456], 8)) + box(b"mdat", bytes(64)),
}


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(sys.argv[1], name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
