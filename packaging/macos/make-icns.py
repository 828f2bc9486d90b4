#!/usr/bin/python3
"""Draws the Mac's application icon, Velmor.icns, from packaging/velmor.svg.

Needs GdkPixbuf with its SVG loader (Debian: gir1.2-gdkpixbuf-2.0, librsvg2-common), which the
desktop build already installs. An icns file is a list of PNG images, each with its kind and
length.
"""
import os
import struct

import gi

gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
# 128, 256 and 512 points, each also at twice the pixels.
KINDS = [(b"ic07", 128), (b"ic08", 256), (b"ic09", 512), (b"ic13", 256), (b"ic14", 512),
         (b"ic10", 1024)]


def png(size):
    drawn = GdkPixbuf.Pixbuf.new_from_file_at_size(os.path.join(HERE, "..", "velmor.svg"), size, size)
    ok, data = drawn.save_to_bufferv("png", [], [])
    assert ok
    return bytes(data)


def main():
    entries = b""
    for kind, size in KINDS:
        image = png(size)
        entries += kind + struct.pack(">I", len(image) + 8) + image
    with open(os.path.join(HERE, "Velmor.icns"), "wb") as out:
        out.write(b"icns" + struct.pack(">I", len(entries) + 8) + entries)


if __name__ == "__main__":
    main()
