#!/usr/bin/env python3
"""Marks a Windows program to be run from the swap file when it stands on a removable or a network
drive: the loader copies the whole image at start, so no later page of it is read from the disc,
which may be slow or gone by then (IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP, _NET_RUN_FROM_SWAP). The
header's checksum is made again to match.

    run_from_swap.py PROGRAM.exe
"""
import struct
import sys

RUN_FROM_SWAP = 0x0400 | 0x0800


def checksum(image):
    """The PE checksum of an image whose checksum field is zero: its 16-bit words summed with the
    carries folded back, plus the file's length."""
    total = 0
    for (word,) in struct.iter_unpack("<H", image + b"\0" * (len(image) % 2)):
        total += word
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(image)


def main(path):
    image = bytearray(open(path, "rb").read())
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[:2] != b"MZ" or image[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: not a Windows program")
    characteristics = pe + 4 + 18  # in the file header, after the signature
    flags = struct.unpack_from("<H", image, characteristics)[0]
    struct.pack_into("<H", image, characteristics, flags | RUN_FROM_SWAP)
    field = pe + 4 + 20 + 64  # the optional header's CheckSum
    struct.pack_into("<I", image, field, 0)
    struct.pack_into("<I", image, field, checksum(bytes(image)))
    with open(path, "r+b") as f:
        f.write(image)


if __name__ == "__main__":
    main(*sys.argv[1:])
