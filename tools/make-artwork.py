#!/usr/bin/env python3
"""Draws the installer's pictures into ui/art/: baseline JPEGs, the brand icon and the hand cursor.

The results are committed, so builds do not depend on this script; run it (Debian's python3-pil and
fonts-wqy-microhei) only to change the artwork:  tools/make-artwork.py
"""
import os
import struct

from PIL import Image, ImageDraw, ImageFont

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ui", "art")
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

TEAL = (22, 160, 150)
SLATE = (92, 112, 168)
BLUE = (22, 131, 196)
LIGHT_BLUE = (117, 184, 238)
WHITE = (255, 255, 255)


def save_jpeg(image, name):
    image.convert("RGB").save(os.path.join(ART, name), "JPEG", quality=92, progressive=False,
                              optimize=False, subsampling=0)


def button_face(colour, word):
    image = Image.new("RGB", (220, 80), colour)
    draw = ImageDraw.Draw(image)
    shade = tuple(max(c - 40, 0) for c in colour)
    draw.rounded_rectangle((4, 4, 215, 75), radius=14, fill=colour, outline=shade, width=3)
    draw.rounded_rectangle((10, 10, 209, 38), radius=10, fill=tuple(min(c + 30, 255) for c in colour))
    font = ImageFont.truetype(FONT, 34)
    draw.text((110, 41), word, font=font, fill=WHITE, anchor="mm")
    return image


def flame_logo():
    image = Image.new("RGB", (424, 534), BLUE)
    draw = ImageDraw.Draw(image)
    draw.ellipse((62, 150, 362, 450), fill=(30, 100, 170))
    draw.polygon([(212, 40), (330, 300), (300, 420), (212, 480), (124, 420), (94, 300)], fill=WHITE)
    draw.polygon([(212, 200), (270, 340), (212, 440), (154, 340)], fill=LIGHT_BLUE)
    return image


def letter_logo():
    image = Image.new("RGB", (250, 256), LIGHT_BLUE)
    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype(FONT, 120)
    draw.text((125, 100), "M", font=font, fill=WHITE, anchor="mm")
    draw.text((125, 200), "M", font=font, fill=(170, 210, 245), anchor="mm")
    return image


def close_mark(colour):
    image = Image.new("RGB", (27, 22), colour)
    draw = ImageDraw.Draw(image)
    draw.line((8, 5, 18, 15), fill=WHITE, width=2)
    draw.line((18, 5, 8, 15), fill=WHITE, width=2)
    return image


def brand_icon():
    """An icon file with one 48 x 48 image of 32 bits per pixel (BGRA rows bottom-up, AND mask)."""
    size = 48
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle((2, 2, 45, 45), radius=9, fill=BLUE + (255,))
    draw.polygon([(24, 7), (36, 28), (24, 41), (12, 28)], fill=WHITE + (255,))
    pixels = image.load()
    xor = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixels[x, y]
            xor += bytes((b, g, r, a))
    and_mask = bytes(((size + 31) // 32) * 4 * size)  # alpha decides; rows padded to 32 bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    body = header + bytes(xor) + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32,
                                                           len(body), 6 + 16)
    with open(os.path.join(ART, "brand.ico"), "wb") as out:
        out.write(directory + body)


def hand_cursor():
    """A 32 x 32 monochrome cursor file: a pointing hand with its hot spot at the finger tip."""
    shape = [
        "     ##          ",
        "    #..#         ",
        "    #..#         ",
        "    #..#         ",
        "    #..###       ",
        "    #..#..###    ",
        "    #..#..#..##  ",
        " ## #..#..#..#.# ",
        "#..##........#.# ",
        "#...#..........# ",
        " #.............# ",
        "  #............# ",
        "  #...........#  ",
        "   #..........#  ",
        "    #........#   ",
        "    #........#   ",
        "    ##########   ",
    ]
    size = 32
    xor_rows, and_rows = [], []
    for y in range(size):
        row = shape[y] if y < len(shape) else ""
        xor_bits = and_bits = 0
        for x in range(size):
            c = row[x] if x < len(row) else " "
            bit = 1 << (31 - x)
            if c == " ":
                and_bits |= bit          # transparent
            elif c == ".":
                xor_bits |= bit          # white
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    xor = b"".join(reversed(xor_rows))
    and_mask = b"".join(reversed(and_rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(and_mask),
                         0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    body = header + palette + xor + and_mask
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 2, 0, 5, 0,
                                                           len(body), 6 + 16)
    with open(os.path.join(ART, "hand.cur"), "wb") as out:
        out.write(directory + body)


def main():
    os.makedirs(ART, exist_ok=True)
    save_jpeg(button_face(TEAL, "安装"), "install-face.jpg")
    save_jpeg(button_face(SLATE, "安装"), "install-face-hot.jpg")
    save_jpeg(button_face(TEAL, "完成"), "finished.jpg")
    save_jpeg(flame_logo(), "logo.jpg")
    save_jpeg(letter_logo(), "logo-page3.jpg")
    save_jpeg(close_mark((40, 110, 190)), "close.jpg")
    save_jpeg(close_mark((240, 80, 40)), "close-hot.jpg")
    save_jpeg(close_mark((150, 20, 20)), "close-pressed.jpg")
    brand_icon()
    hand_cursor()


if __name__ == "__main__":
    main()
