#!/usr/bin/python3
"""Makes the main window's button faces and small pictures as PNG files
beside this script.

Each bitmap-button style has an up face and a down face of the size its
buttons have on the form, so that a button draws its face unstretched and a
button that is down looks plainly different from one that is up: the up face
is a raised dark bar, the down face a sunken one with a lit strip along its
bottom. Corners are drawn in the buttons' transparent colour (olive) so the
panel behind shows through. delay-marker.png is the Delay page's marker icon,
drawn on olive as well: an image takes its bottom-left pixel as see-through.

thumb-*.png are the faders' caps (normal, under the mouse, pressed), drawn
across a vertical fader's track: a dark cap with a lit line at its middle
that marks the value. Their corners are transparent.

base-*.png are the window's background pictures behind the pages. They are
stretched over their images, which grow with the window, so each is a
narrow strip whose colour changes only along the direction that keeps its
size on the form (the left pictures change from top to bottom, the right
ones from left to right).

Run it from anywhere after changing a style; it rewrites its outputs. It
needs python3-pil.
"""

import os

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))

# The colour bitmap buttons leave undrawn.
KEY = (128, 128, 0)

# name: (width, height, lit strip colour of the down face)
STYLES = {
    "page": (36, 32, (60, 230, 60)),
    "band": (24, 22, (255, 200, 40)),
    "toggle": (70, 22, (255, 140, 40)),
    "toggle-narrow": (56, 22, (255, 140, 40)),
    "route": (40, 24, (60, 200, 255)),
    "wide": (60, 30, (60, 230, 60)),
    "link": (60, 32, (60, 230, 60)),
}


def blend(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def face(width, height, down, lit):
    image = Image.new("RGB", (width, height), KEY)
    draw = ImageDraw.Draw(image)
    top, bottom = ((40, 40, 40), (24, 24, 24)) if down else ((112, 112, 112), (58, 58, 58))
    for y in range(1, height - 1):
        draw.line([(1, y), (width - 2, y)], fill=blend(top, bottom, y / max(1, height - 3)))
    edge = (8, 8, 8)
    draw.line([(1, 0), (width - 2, 0)], fill=edge)
    draw.line([(1, height - 1), (width - 2, height - 1)], fill=edge)
    draw.line([(0, 1), (0, height - 2)], fill=edge)
    draw.line([(width - 1, 1), (width - 1, height - 2)], fill=edge)
    if down:
        # Sunken: shadow along the top and left, the lit strip at the bottom.
        draw.line([(1, 1), (width - 2, 1)], fill=(0, 0, 0))
        draw.line([(1, 1), (1, height - 2)], fill=(0, 0, 0))
        draw.rectangle([(3, height - 4), (width - 4, height - 3)], fill=lit)
    else:
        # Raised: highlight along the top and left, shade along the bottom.
        draw.line([(1, 1), (width - 2, 1)], fill=(160, 160, 160))
        draw.line([(1, 1), (1, height - 2)], fill=(136, 136, 136))
        draw.line([(1, height - 2), (width - 2, height - 2)], fill=(36, 36, 36))
        draw.line([(width - 2, 1), (width - 2, height - 2)], fill=(44, 44, 44))
    return image


def delay_marker():
    # A loudspeaker sounding to the right; the rest is see-through.
    image = Image.new("RGB", (30, 30), KEY)
    draw = ImageDraw.Draw(image)
    draw.rectangle([(5, 11), (11, 18)], fill=(200, 200, 200))
    draw.polygon([(11, 11), (19, 4), (19, 25), (11, 18)], fill=(150, 150, 150))
    for r, shade in ((5, (255, 200, 40)), (9, (200, 150, 30))):
        draw.arc([(19 - r, 15 - r), (19 + r, 15 + r)], -45, 45, fill=shade, width=2)
    return image


def thumb(state):
    # 22 across the track, 11 along it; the rest see-through (alpha).
    width, height = 22, 11
    image = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    body = {"normal": ((150, 150, 150), (70, 70, 70)),
            "hot": ((185, 185, 185), (95, 95, 95)),
            "down": ((110, 110, 110), (50, 50, 50))}[state]
    for y in range(1, height - 1):
        draw.line([(1, y), (width - 2, y)], fill=blend(body[0], body[1], y / (height - 3)) + (255,))
    edge = (12, 12, 12, 255)
    draw.line([(1, 0), (width - 2, 0)], fill=edge)
    draw.line([(1, height - 1), (width - 2, height - 1)], fill=edge)
    draw.line([(0, 1), (0, height - 2)], fill=edge)
    draw.line([(width - 1, 1), (width - 1, height - 2)], fill=edge)
    mark = (255, 200, 40, 255) if state == "down" else (245, 245, 245, 255)
    draw.line([(3, height // 2), (width - 4, height // 2)], fill=mark)
    return image


def base(width, height, start, end, across):
    # A plain shade from `start` to `end`: down the strip, or across it.
    image = Image.new("RGB", (width, height))
    draw = ImageDraw.Draw(image)
    steps = width if across else height
    for i in range(steps):
        colour = blend(start, end, i / max(1, steps - 1))
        if across:
            draw.line([(i, 0), (i, height - 1)], fill=colour)
        else:
            draw.line([(0, i), (width - 1, i)], fill=colour)
    return image


# name: (width, height, start colour, end colour, shaded across)
BASES = {
    # Behind the curve groups and behind the parameter groups: the page
    # colour, a little lighter at the top.
    "base-left-up": (8, 256, (84, 84, 84), (66, 66, 66), False),
    "base-left-down": (8, 256, (76, 76, 76), (52, 52, 52), False),
    # The right edge darkens outwards.
    "base-right-up": (35, 8, (70, 70, 70), (34, 34, 34), True),
    "base-right-down": (35, 8, (64, 64, 64), (30, 30, 30), True),
    # Behind each output column of the routing page: lighter under its
    # title, darkening down its four input rows.
    "base-matrix-column": (8, 269, (66, 66, 66), (38, 38, 38), False),
}


def main():
    for name, (width, height, lit) in STYLES.items():
        face(width, height, False, lit).save(os.path.join(HERE, f"{name}-up.png"), optimize=True)
        face(width, height, True, lit).save(os.path.join(HERE, f"{name}-down.png"), optimize=True)
    delay_marker().save(os.path.join(HERE, "delay-marker.png"), optimize=True)
    for state in ("normal", "hot", "down"):
        thumb(state).save(os.path.join(HERE, f"thumb-{state}.png"), optimize=True)
    for name, (width, height, start, end, across) in BASES.items():
        base(width, height, start, end, across).save(os.path.join(HERE, f"{name}.png"), optimize=True)


if __name__ == "__main__":
    main()
