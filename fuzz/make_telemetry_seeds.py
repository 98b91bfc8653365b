#!/usr/bin/env python3
"""Writes hand-built seeds for the AVI, record-decoder and trailer fuzz targets.

usage: make_telemetry_seeds.py OUTDIR   (makes OUTDIR/avi, OUTDIR/decoders, OUTDIR/trailer)
"""
import os
import struct
import sys


def gps0_record(lat=2503.1234, lon=12130.1234, flags=1, date=(24, 5, 17, 10, 20, 30), speed=40):
    return struct.pack("<ddiH6BBBH", lat, lon, 0, speed, *date, 45, flags, 0)


def samples(*xyz):
    return b"".join(struct.pack("<hhh", *s) for s in xyz)


def fix(record, valid_at, hour_at, lat_at, day_at, heading_at):
    record[valid_at] = 1
    for i, v in enumerate((10, 20, 30)):
        record[hour_at + 4 * i] = v
    struct.pack_into("<6i", record, lat_at, 250312340, 100000, 121301234, 10000, 10, 1)
    for i, v in enumerate((17, 5, 24)):
        record[day_at + 4 * i] = v
    record[heading_at] = 45


def record88():
    r = bytearray(88)
    struct.pack_into("<Hhhh", r, 6, 1, 10, -20, 64)
    fix(r, 32, 16, 36, 68, 80)
    return bytes(r)


def record92(kind=10):
    r = bytearray(92)
    struct.pack_into("<H", r, 4, kind)
    struct.pack_into("<Hhhh", r, 10, 1, 10, -20, 64)
    fix(r, 20, 24, 40, 72, 84)
    return bytes(r)


def record156(count=3, body_size=140):
    header = bytearray(16)
    struct.pack_into("<I", header, 12, body_size)
    body = bytearray(140)
    struct.pack_into("<HH", body, 4, 10, count)
    for k in range(5):
        struct.pack_into("<Hhhh", body, 12 + 12 * k, k % 2, k, -k, 2 * k)
    fix(body, 68, 72, 88, 120, 132)
    return bytes(header + body)


def box(kind, payload):
    return struct.pack(">I", len(payload) + 8) + kind + payload


def trailer(mark=b"noml"):
    name = bytearray(40)
    name[32:36] = mark
    t = box(b"name", bytes(name)) + box(b"gpsa", b"\x01\0\0\0")
    t += box(b"gps0", gps0_record() + gps0_record(flags=0) + gps0_record(date=(23, 12, 31, 20, 0, 0)))
    t += box(b"gsea", bytes(20)) + box(b"gsen", samples((1, 2, 3), (-128, 0, 5)))
    return t


def chunk(cid, data):
    return cid + struct.pack("<I", len(data)) + data


def lst(kind, content, adjust=0):
    return b"LIST" + struct.pack("<I", len(content) + 4 + adjust) + kind + content


def avi(telemetry, mark=b"JTDD", height=240, movi_adjust=0):
    avih = bytearray(56)
    struct.pack_into("<I", avih, 0, 33333)
    struct.pack_into("<I", avih, 16, 90)
    avih[40:44] = mark
    strh = bytearray(56)
    strh[0:8] = b"vidsMJPG"
    strf = struct.pack("<Iii", 40, 320, height) + bytes(28)
    hdrl = chunk(b"avih", bytes(avih)) + lst(b"strl", chunk(b"strh", bytes(strh)) + chunk(b"strf", strf))
    hdrl += chunk(b"JUNK", bytes(12))
    body = b"AVI " + lst(b"hdrl", hdrl) + telemetry
    body += lst(b"movi", chunk(b"00dc", b"\x55" * 64), movi_adjust) + chunk(b"idx1", bytes(16))
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    out = sys.argv[1]
    seeds = {"avi": {}, "decoders": {}, "trailer": {}}
    telemetry = chunk(b"gpsa", b"\x01\0\0\0") + chunk(b"gsea", b"\x0a\x08\0\0")
    telemetry += chunk(b"gps0", gps0_record() + gps0_record(flags=0)) + chunk(b"gsen", samples((1, 2, 3)))
    telemetry += chunk(b"IDIT", b"2023-11-05 08:09:10\0")
    seeds["avi"]["full"] = avi(telemetry)
    seeds["avi"]["odd_gps0"] = avi(chunk(b"gps0", gps0_record() * 3 + b"gpsa") + b"\x04\0\0\0\x05\0\0\0")
    seeds["avi"]["no_mark"] = avi(telemetry, mark=b"XXXX")
    seeds["avi"]["top_down"] = avi(b"", height=-1080)
    seeds["avi"]["cut_movi"] = avi(telemetry, movi_adjust=4000)
    seeds["avi"]["long_idit"] = avi(chunk(b"IDIT", b"2023-11-05 08:09:10" + b"x" * 200))
    seeds["decoders"]["r88"] = b"\x00" + record88()
    seeds["decoders"]["r92"] = b"\x01" + record92()
    seeds["decoders"]["r92_bad_type"] = b"\x01" + record92(9)
    seeds["decoders"]["r156"] = b"\x02" + record156()
    seeds["decoders"]["r156_many"] = b"\x02" + record156(7)
    seeds["decoders"]["trailer_record"] = b"\x03" + gps0_record()
    seeds["decoders"]["zone"] = b"\x04" + struct.pack("<dd", 40.7, -74.0) + bytes((24, 1, 1, 2, 0, 0))
    table = struct.pack("<4i", 16, 16 + 88, -5, 100000)
    seeds["decoders"]["file88"] = b"\x80" + table + record88() + record88()[:60]
    seeds["decoders"]["file92"] = b"\x81" + table + record92() + record92(9)
    seeds["decoders"]["file156"] = b"\x82" + struct.pack("<4i", 16, 172, 0, 1) + record156() + record156()[:150]
    seeds["trailer"]["marked"] = trailer()
    seeds["trailer"]["unmarked"] = trailer(b"nomx")
    for kind, files in seeds.items():
        os.makedirs(os.path.join(out, kind), exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(out, kind, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
