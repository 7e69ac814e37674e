#!/usr/bin/env python3
"""Writes Vintrel's picture resources: the brand clip and the application icon.

    python3 vintrel/res/make_assets.py            # rewrites brand.avi and vintrel.ico here

The output depends on nothing but this script, so running it again gives the
same bytes; both files are committed beside it.

brand.avi: 20 uncompressed 8-bit frames of 67 x 89 pixels at 200 ms a frame,
a loop of four seconds. A round badge with a "V" whose signal waves travel
outwards, and a data line underneath on which a pulse runs from left to right.

vintrel.ico: a 32 x 32 picture of the same badge, 32 bits a pixel.
"""

import math
import os
import struct

WIDTH, HEIGHT = 67, 89
FRAMES = 20
FRAME_US = 200_000

# The palette: dialog grey first, so the clip sits on the page without a frame.
PALETTE = [
    (240, 240, 240),  # 0 background
    (16, 48, 112),    # 1 badge
    (255, 255, 255),  # 2 letter
    (64, 112, 192),   # 3 badge rim
    (0, 160, 96),     # 4 wave, bright
    (120, 200, 160),  # 5 wave, fading
    (190, 224, 205),  # 6 wave, faint
    (96, 96, 96),     # 7 data line
    (255, 176, 0),    # 8 pulse
    (255, 220, 140),  # 9 pulse trail
]

CX, CY, RADIUS = 33, 33, 21  # the badge


def letter_v(x, y, cx, cy, scale):
    """True inside a "V" centred on (cx, cy) whose arms are about scale/3 thick."""
    top, bottom = cy - scale * 0.55, cy + scale * 0.55
    if y < top or y > bottom:
        return False
    t = (y - top) / (bottom - top)        # 0 at the top, 1 at the point
    half = scale * 0.55 * (1.0 - t)       # distance of each arm from the middle
    thick = scale * 0.18
    return abs(abs(x - cx) - half) <= thick


def badge_pixel(x, y):
    d = math.hypot(x - CX, y - CY)
    if d > RADIUS + 0.5:
        return None
    if d > RADIUS - 2:
        return 3
    return 2 if letter_v(x, y, CX, CY - 1, RADIUS * 1.1) else 1


def frame(n):
    pixels = bytearray(WIDTH * HEIGHT)
    phase = n / FRAMES
    for y in range(HEIGHT):
        for x in range(WIDTH):
            colour = 0
            badge = badge_pixel(x, y)
            if badge is not None:
                colour = badge
            else:
                # Three waves leave the badge and travel outwards, one after the other.
                d = math.hypot(x - CX, y - CY)
                for k in range(3):
                    r = RADIUS + 3 + ((phase + k / 3.0) % 1.0) * 8
                    if abs(d - r) < 0.6 and y < CY + 8:
                        fade = (phase + k / 3.0) % 1.0
                        colour = 4 if fade < 0.4 else 5 if fade < 0.75 else 6
            pixels[y * WIDTH + x] = colour
    # The data line with its pulse.
    line_y = 72
    for x in range(4, WIDTH - 4):
        pixels[line_y * WIDTH + x] = 7
        pixels[(line_y + 1) * WIDTH + x] = 7
    pulse_x = 4 + round(phase * (WIDTH - 9))
    for x in range(max(4, pulse_x - 8), pulse_x):
        for y in (line_y, line_y + 1):
            pixels[y * WIDTH + x] = 9
    for y in range(line_y - 3, line_y + 5):
        for x in range(pulse_x - 3, pulse_x + 4):
            if 0 <= x < WIDTH and math.hypot(x - pulse_x, y - line_y - 0.5) <= 3.2:
                pixels[y * WIDTH + x] = 8
    # Ticks under the line: the two B-channels and the D-channel.
    for i, tx in enumerate((17, 33, 49)):
        lit = (n // 5) % 4 == i
        for y in range(78, 84 if i < 2 else 81):
            for x in range(tx - 1, tx + 2):
                pixels[y * WIDTH + x] = 4 if lit else 7
    return bytes(pixels)


def chunk(tag, body):
    data = tag + struct.pack("<I", len(body)) + body
    return data + (b"\0" if len(body) & 1 else b"")


def lst(kind, body):
    return chunk(b"LIST", kind + body)


def write_avi(path):
    stride = (WIDTH + 3) & ~3
    frame_size = stride * HEIGHT
    avih = struct.pack("<14I", FRAME_US, 0, 0, 0x10, FRAMES, 0, 1, frame_size, WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = b"vids" + struct.pack("<IIHHIIIIIIIIhhhh", 0, 0, 0, 0, 0, FRAME_US, 1_000_000, 0, FRAMES,
                                 frame_size, 0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)
    strf = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, frame_size, 0, 0, len(PALETTE), 0)
    strf += b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    hdrl = lst(b"hdrl", chunk(b"avih", avih) + lst(b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi = bytearray(b"movi")
    index = bytearray()
    for n in range(FRAMES):
        pixels = frame(n)
        rows = bytearray()
        for y in range(HEIGHT - 1, -1, -1):  # bottom-up
            rows += pixels[y * WIDTH:(y + 1) * WIDTH] + bytes(stride - WIDTH)
        index += b"00db" + struct.pack("<III", 0x10, len(movi), frame_size)
        movi += chunk(b"00db", bytes(rows))
    body = b"AVI " + hdrl + chunk(b"LIST", bytes(movi)) + chunk(b"idx1", bytes(index))
    with open(path, "wb") as f:
        f.write(chunk(b"RIFF", body))


def write_icon(path):
    size = 32
    scale = size / (2 * RADIUS + 4)
    pixels = bytearray()
    for y in range(size - 1, -1, -1):  # bottom-up
        for x in range(size):
            # Sample the badge at the icon's scale.
            bx = CX + (x + 0.5 - size / 2) / scale
            by = CY + (y + 0.5 - size / 2) / scale
            colour = badge_pixel(round(bx), round(by))
            if colour is None:
                pixels += bytes((0, 0, 0, 0))
            else:
                r, g, b = PALETTE[colour]
                pixels += bytes((b, g, r, 255))
    mask = bytes(size * 4)  # every pixel taken from the colour bits and their alpha
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + bytes(pixels) + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_avi(os.path.join(here, "brand.avi"))
    write_icon(os.path.join(here, "vintrel.ico"))


if __name__ == "__main__":
    main()
