#!/usr/bin/env python3
"""Redraws the About picture and the application icon with ImageMagick; run it from anywhere."""

import pathlib
import struct
import subprocess

HERE = pathlib.Path(__file__).resolve().parent
ICON_SIZES = (16, 32, 48, 64, 128, 256)
SIN_PHI = 0.6  # the start speed: the red axes turn clockwise by asin(0.6)
COS_PHI = 0.8


def convert(*args):
    return subprocess.run(["convert", *map(str, args)], check=True, capture_output=True).stdout


def draw_about_picture(path):
    """A small space-time diagram: grey circles, black upright axes, red tilted axes."""
    ox, oy = 97, 140
    circles = [f"circle {ox},{oy} {ox},{oy - r}" for r in (36, 72, 108)]
    red_time = f"line {ox - SIN_PHI * 110:.0f},{oy + COS_PHI * 110:.0f} {ox + SIN_PHI * 110:.0f},{oy - COS_PHI * 110:.0f}"
    red_space = f"line {ox - COS_PHI * 105:.0f},{oy - SIN_PHI * 105:.0f} {ox + COS_PHI * 105:.0f},{oy + SIN_PHI * 105:.0f}"
    args = ["-size", "194x251", "xc:white", "-fill", "none", "-stroke", "#b4b4b4", "-strokewidth", 1]
    for c in circles:
        args += ["-draw", c]
    args += ["-stroke", "black", "-strokewidth", 2, "-draw", f"line {ox},12 {ox},240", "-draw", f"line 6,{oy} 188,{oy}"]
    args += ["-stroke", "#d00000", "-draw", red_time, "-draw", red_space]
    args += ["-stroke", "none", "-fill", "black", "-pointsize", 11, "-draw", f"text {ox + 5},22 'Time'",
             "-draw", f"text 156,{oy - 5} 'Space'"]
    convert(*args, "-strip", "-quality", 90, path)


def draw_icon(size, path):
    """The mark: a white tile with one grey circle, the black upright axes and the red tilted ones."""
    k = size / 256

    def pt(x, y):
        return f"{x * k:.1f},{y * k:.1f}"

    line = max(1, round(size / 20))
    r = 96
    args = ["-size", f"{size}x{size}", "xc:none",
            "-fill", "white", "-stroke", "#303030", "-strokewidth", f"{max(1, 6 * k):.1f}",
            "-draw", f"roundrectangle {pt(8, 8)} {pt(247, 247)} {40 * k:.1f},{40 * k:.1f}"]
    if size >= 32:
        args += ["-fill", "none", "-stroke", "#a0a0a0", "-strokewidth", f"{max(1, 8 * k):.1f}",
                 "-draw", f"circle {pt(128, 128)} {pt(128, 58)}"]
    args += ["-stroke", "black", "-strokewidth", line,
             "-draw", f"line {pt(128, 30)} {pt(128, 226)}", "-draw", f"line {pt(30, 128)} {pt(226, 128)}",
             "-stroke", "#d00000",
             "-draw", f"line {pt(128 - SIN_PHI * r, 128 + COS_PHI * r)} {pt(128 + SIN_PHI * r, 128 - COS_PHI * r)}",
             "-draw", f"line {pt(128 - COS_PHI * r, 128 - SIN_PHI * r)} {pt(128 + COS_PHI * r, 128 + SIN_PHI * r)}"]
    convert(*args, "-strip", "-define", "png:exclude-chunk=date,time", f"PNG32:{path}")


def rgba(path, colours=None):
    extra = ["-colors", colours, "+dither"] if colours else []
    return convert(path, *extra, "-depth", 8, "rgba:-")


def and_mask(pixels, size):
    """One bit per pixel, set where the icon is transparent; rows bottom-up, padded to 4 bytes."""
    stride = (size + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if pixels[(y * size + x) * 4 + 3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def dib(size, bits, pixel_rows, palette=b""):
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, 0, 0, 0,
                         len(palette) // 4 if bits == 8 else 0, 0)
    return header + palette + pixel_rows


def dib_8bit(png, size):
    pixels = rgba(png, 250)
    palette, index = [], {}
    rows = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixels[(y * size + x) * 4:(y * size + x) * 4 + 4]
            colour = (r, g, b) if a >= 128 else (0, 0, 0)
            if colour not in index:
                index[colour] = len(palette)
                palette.append(colour)
            rows.append(index[colour])
        rows += bytes(-size % 4)
    assert len(palette) <= 256, "too many colours for 8 bits per pixel"
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    table += bytes(4 * (256 - len(palette)))
    return dib(size, 8, bytes(rows), table) + and_mask(pixels, size)


def dib_32bit(png, size):
    pixels = rgba(png)
    rows = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixels[(y * size + x) * 4:(y * size + x) * 4 + 4]
            rows += bytes((b, g, r, a))
    return dib(size, 32, bytes(rows)) + and_mask(pixels, size)


def write_ico(path, pngs):
    """Seven images: 48, 32, 16 at 8 bits per pixel, then 256 (as PNG), 48, 32, 16 at 32 bits."""
    images = [(s, 8, dib_8bit(pngs[s], s)) for s in (48, 32, 16)]
    images.append((256, 32, pngs[256].read_bytes()))
    images += [(s, 32, dib_32bit(pngs[s], s)) for s in (48, 32, 16)]
    offset = 6 + 16 * len(images)
    directory, data = b"", b""
    for size, bits, blob in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(blob), offset + len(data))
        data += blob
    path.write_bytes(struct.pack("<HHH", 0, 1, len(images)) + directory + data)


def main():
    draw_about_picture(HERE / "Vumo2020.jpg")
    icons = HERE / "icons"
    icons.mkdir(exist_ok=True)
    pngs = {}
    for size in ICON_SIZES:
        pngs[size] = icons / f"tovalin-diagram-{size}.png"
        draw_icon(size, pngs[size])
    write_ico(HERE / "tovalin-diagram.ico", pngs)


if __name__ == "__main__":
    main()
