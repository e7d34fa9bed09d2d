#!/usr/bin/python3
"""Makes the RS-232 protocol help: the English and Chinese documents
(rs232-english.rtf, rs232-chinese.rtf, in the rich-text label's subset),
the ten packet-table pictures (rs232-table-NN.jpg) and Rs232HelpLayout.h,
which places the pictures so that each falls in the gap its document leaves.

Run it from anywhere after changing a text or a table; it rewrites its
outputs beside itself. It needs python3-pil and the DejaVu fonts
(fonts-dejavu-core).

The document is laid out line by line: each line is a paragraph of a known
height in the label's renderer (the LINE_HEIGHTS below, in pixels, measured
for these font sizes). The text before each picture stands MARGIN pixels
above it: its first line gets the space before it that puts it there.
"""

import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONTS = "/usr/share/fonts/truetype/dejavu/"

# --- layout ------------------------------------------------------------------

LABEL_TOP = 8  # the label's top in the window; it draws 1 pixel inside
LABEL_HEIGHT = 1400  # text beyond it is cut off
WIDTH = 630
MARGIN = 8  # between a picture and the text above or below it
AFTER = 4  # space after every line
TWIPS = 15  # twips a pixel
MAX_PICTURE = 100  # the height of a packet picture when its gap allows
PARAMETERS_PICTURE = 150  # the communication parameters
# The English window's picture tops; the Chinese window's follow from its
# taller lines.
ENGLISH_TOPS = [72, 208, 363, 508, 648, 792, 940, 1145, 1294, 1427]
# (title, heading, body) line heights of the renderer.
LINE_HEIGHTS = {"english": (19, 13, 12), "chinese": (22, 15, 14)}
SIZES = (28, 20, 18)  # half points: title, heading, body

# --- the tables ----------------------------------------------------------------

# Column widths: the row names, bytes 1 to 9.
COLUMNS = [62, 44, 44, 64, 58, 90, 90, 90, 44, 44]
FRAME = ["7B", "7D", "ID", None, None, None, None, "7D", "7B"]
FRAME_MEANING = ["Start", "Start", "Device\n1 to 254", "Command", None, None, None, "End", "End"]

# command, caption, data values, data meanings
PACKETS = [
    ("41-4A", "Packet layout of commands 0x41 to 0x4A", ["Data1", "Data2", "Data3"],
     ["Data 1", "Data 2", "Data 3"]),
    ("41", "0x41  Polarity", ["00 / 01", "00 to 07", "00 / 01"],
     ["Input 0\nOutput 1", "Channel\n0 to 7", "Direction\n+ 0   - 1"]),
    ("42", "0x42  Mute", ["00 / 01", "00 to 07", "00 / 01"],
     ["Input 0\nOutput 1", "Channel\n0 to 7", "Mute\nNo 0   Yes 1"]),
    ("43", "0x43  Preset recall", ["00 / 01", "00 to 1E", "30"],
     ["Factory 0\nUser 1", "Preset\n0 to 30", "Fixed\n0x30"]),
    ("44", "0x44  Volume", ["00 to 07", "HI-VOL", "LO-VOL"],
     ["Channel\n0 to 7", "Volume\nhigh byte", "Volume\nlow byte"]),
    ("45", "0x45  Volume", ["00 to 07", "HI-VOL", "LO-VOL"],
     ["Channel\n0 to 7", "Volume\nhigh byte", "Volume\nlow byte"]),
    ("48", "0x48", ["00 / 01", "00 to 07", "30"], ["Input 0\nOutput 1", "Channel\n0 to 7", "Fixed\n0x30"]),
    ("49", "0x49", ["00 / 01", "00 to 07", "30"], ["Input 0\nOutput 1", "Channel\n0 to 7", "Fixed\n0x30"]),
    ("4A", "0x4A", ["30", "30", "30"], ["Fixed\n0x30", "Fixed\n0x30", "Fixed\n0x30"]),
]
PARAMETERS = [("Baud rate", "115200"), ("Data bits", "8"), ("Parity", "None"), ("Stop bits", "1"),
              ("Between packets", "at least 20 ms"), ("Device address", "1 (as delivered)")]

NAVY = (0, 51, 153)
HEAD = (222, 230, 246)
GRID = (90, 100, 130)


def font(size, bold=False):
    return ImageFont.truetype(FONTS + ("DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"), size)


def centred(draw, box, text, face, fill=(0, 0, 0)):
    left, top, right, bottom = box
    lines = text.split("\n")
    heights = [face.getbbox("Ag")[3] for _ in lines]
    y = top + (bottom - top - sum(heights) - 2 * (len(lines) - 1)) // 2
    for line, h in zip(lines, heights):
        w = draw.textlength(line, font=face)
        draw.text((left + (right - left - w) / 2, y), line, font=face, fill=fill)
        y += h + 2


def caption_bar(draw, text, height):
    draw.rectangle([0, 0, WIDTH - 1, height - 1], fill=NAVY)
    draw.text((8, (height - 14) // 2), text, font=font(12, True), fill=(255, 255, 255))


def packet_picture(command, caption, values, meanings, height):
    image = Image.new("RGB", (WIDTH, height), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    bar = 20
    caption_bar(draw, caption, bar)
    rest = height - bar
    rows = [bar, bar + rest * 27 // 100, bar + rest * 55 // 100, height - 1]
    cells = [
        ("Byte", [str(n) for n in range(1, 10)]),
        ("Value", [v if v else (command if i == 3 else values[i - 4]) for i, v in enumerate(FRAME)]),
        ("Meaning", [m if m else meanings[i - 4] for i, m in enumerate(FRAME_MEANING)]),
    ]
    x_edges = [0]
    for w in COLUMNS:
        x_edges.append(x_edges[-1] + w)
    x_edges[-1] = WIDTH - 1
    for r, (name, texts) in enumerate(cells):
        top, bottom = rows[r], rows[r + 1]
        draw.rectangle([0, top, x_edges[1], bottom], fill=HEAD)
        if r == 0:
            draw.rectangle([x_edges[1], top, WIDTH - 1, bottom], fill=HEAD)
        face = font(11, r < 2) if r < 2 else font(10)
        centred(draw, (0, top, x_edges[1], bottom), name, font(11, True), NAVY)
        for c, text in enumerate(texts):
            data = 4 <= c <= 6
            colour = NAVY if data and r == 1 else (0, 0, 0)
            centred(draw, (x_edges[c + 1], top, x_edges[c + 2], bottom), text, face, colour)
    for y in rows:
        draw.line([0, y, WIDTH - 1, y], fill=GRID)
    for x in x_edges:
        draw.line([x, rows[0], x, height - 1], fill=GRID)
    return image


def parameters_picture(height):
    image = Image.new("RGB", (WIDTH, height), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    bar = 20
    caption_bar(draw, "Communication parameters", bar)
    row = (height - 1 - bar) / len(PARAMETERS)
    split = 220
    for i, (name, value) in enumerate(PARAMETERS):
        top, bottom = bar + round(i * row), bar + round((i + 1) * row)
        draw.rectangle([0, top, split, bottom], fill=HEAD)
        draw.text((10, top + (bottom - top - 13) // 2), name, font=font(11, True), fill=NAVY)
        draw.text((split + 10, top + (bottom - top - 13) // 2), value, font=font(11), fill=(0, 0, 0))
        draw.line([0, bottom, WIDTH - 1, bottom], fill=GRID)
    for x in (0, split, WIDTH - 1):
        draw.line([x, bar, x, height - 1], fill=GRID)
    return image


# --- the documents ---------------------------------------------------------------

EXAMPLE = "7B 7D 01 {} 7D 7B"

# Each block is the text before one picture: (kind, text) lines.
ENGLISH = [
    [("title", "RS-232 Control Protocol"),
     ("body", "Besides the editor, an external controller can drive the unit through its RS-232 port with short"),
     ("body", "packets of nine bytes. Every packet has the layout below; all values are hexadecimal bytes.")],
    [("heading", "Polarity (0x41)"),
     ("body", "Example: output channel 3 set to - on the unit with address 1:   " + EXAMPLE.format("41 01 02 01"))],
    [("heading", "Mute (0x42)"),
     ("body", "Example: input channel 1 muted on the unit with address 1:   " + EXAMPLE.format("42 00 00 01"))],
    [("heading", "Preset recall (0x43)"),
     ("body", "Example: user preset 5 recalled on the unit with address 1:   " + EXAMPLE.format("43 01 05 30"))],
    [("heading", "Volume (0x44)"),
     ("body", "HI-VOL and LO-VOL are the high and the low byte of the volume value for the channel.")],
    [("heading", "Volume (0x45)"),
     ("body", "The data are those of 0x44: the channel, then the volume value as HI-VOL and LO-VOL.")],
    [("heading", "Command 0x48"),
     ("body", "The data are the side (input or output) and the channel; the third data byte is always 0x30.")],
    [("heading", "Command 0x49"),
     ("body", "The data are the side (input or output) and the channel; the third data byte is always 0x30.")],
    [("heading", "Command 0x4A"),
     ("body", "All three data bytes are 0x30.")],
    [("heading", "Communication settings"),
     ("body", "Set the controller's port as below and leave at least 20 ms between two packets.")],
]

CHINESE = [
    [("title", "RS-232 通讯协议"),
     ("body", "除本编辑软件外，外部控制器也可经本机的 RS-232 口用九字节的短数据包控制本机。"),
     ("body", "每个数据包的格式如下，所有数值均为十六进制字节。")],
    [("heading", "极性（0x41）"),
     ("body", "例：地址为 1 的设备，输出通道 3 设为反相（-）：   " + EXAMPLE.format("41 01 02 01"))],
    [("heading", "静音（0x42）"),
     ("body", "例：地址为 1 的设备，输入通道 1 静音：   " + EXAMPLE.format("42 00 00 01"))],
    [("heading", "调用预设（0x43）"),
     ("body", "例：地址为 1 的设备，调用用户预设 5：   " + EXAMPLE.format("43 01 05 30"))],
    [("heading", "音量（0x44）"),
     ("body", "HI-VOL 与 LO-VOL 分别为该通道音量值的高字节和低字节。")],
    [("heading", "音量（0x45）"),
     ("body", "数据与 0x44 相同：先是通道，然后是音量值的 HI-VOL 和 LO-VOL。")],
    [("heading", "命令 0x48"),
     ("body", "数据为输入或输出及通道号，第三个数据字节固定为 0x30。")],
    [("heading", "命令 0x49"),
     ("body", "数据为输入或输出及通道号，第三个数据字节固定为 0x30。")],
    [("heading", "命令 0x4A"),
     ("body", "三个数据字节均固定为 0x30。")],
    [("heading", "通讯参数"),
     ("body", "请按下表设置控制器的串口，两个数据包之间至少间隔 20 毫秒。")],
]

KINDS = {"title": 0, "heading": 1, "body": 2}


def rtf_text(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 128:
            out.append(ch)
        else:
            out.append("\\u%d?" % (code if code < 32768 else code - 65536))
    return "".join(out)


def block_height(block, heights):
    return sum(heights[KINDS[kind]] + AFTER for kind, _ in block)


def text_start(block, picture_top, heights):
    """Where the English text before a picture starts: just above the
    picture, unless that puts it beyond the label's end."""
    start = picture_top - MARGIN - block_height(block, heights) + AFTER
    return min(start, LABEL_TOP + LABEL_HEIGHT - block_height(block, heights) + AFTER)


def picture_heights():
    heights = LINE_HEIGHTS["english"]
    out = []
    for k in range(9):
        gap = text_start(ENGLISH[k + 1], ENGLISH_TOPS[k + 1], heights) - MARGIN - ENGLISH_TOPS[k]
        assert gap >= 60, "picture %d has no room" % (k + 1)
        out.append(min(MAX_PICTURE, gap))
    out.append(PARAMETERS_PICTURE)
    return out


def document(blocks, language, pictures):
    """The RTF text and the picture tops (window coordinates)."""
    heights = LINE_HEIGHTS[language]
    chinese = language == "chinese"
    head = "{\\rtf1\\ansi\\ansicpg%d\\deff0" % (936 if chinese else 1252)
    fonts = ("{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}{\\f1\\fswiss\\fcharset0 Tahoma;}}" if chinese
             else "{\\fonttbl{\\f0\\fswiss\\fcharset0 Tahoma;}}")
    colours = "{\\colortbl ;\\red0\\green51\\blue153;}"
    parts = [head, fonts, colours, "\n"]
    y = LABEL_TOP + 1  # where the renderer's next line starts, in the window
    tops = []
    for k, block in enumerate(blocks):
        before = 0
        if k > 0:
            # The text stands just above its picture (the English tops are
            # fixed); the Chinese pictures follow their text.
            below = tops[-1] + pictures[k - 1] + MARGIN
            want = below if chinese else text_start(block, ENGLISH_TOPS[k], heights)
            assert want >= below and want >= y, "block %d of %s overlaps picture %d" % (k, language, k)
            before, y = want - y, want
        for i, (kind, text) in enumerate(block):
            size = SIZES[KINDS[kind]]
            bold = "\\b" if kind != "body" else "\\b0"
            colour = "\\cf1" if kind != "body" else "\\cf0"
            space = "\\sb%d" % (before * TWIPS) if i == 0 and before else ""
            parts.append("\\pard%s\\sa%d\\f0\\fs%d%s%s %s\\par\n" % (space, AFTER * TWIPS, size, bold, colour,
                                                                   rtf_text(text)))
            y += heights[KINDS[kind]] + AFTER
        top = ENGLISH_TOPS[k] if not chinese else y + MARGIN - AFTER
        assert top >= y + MARGIN - AFTER, "picture %d of %s covers its text" % (k + 1, language)
        tops.append(top)
    parts.append("}\n")
    return "".join(parts), tops


def main():
    pictures = picture_heights()
    for n, height in enumerate(pictures, 1):
        image = packet_picture(*PACKETS[n - 1], height) if n <= len(PACKETS) else parameters_picture(height)
        image.save(os.path.join(HERE, "rs232-table-%02d.jpg" % n), quality=90)
    layout = []
    for name, blocks in (("english", ENGLISH), ("chinese", CHINESE)):
        text, tops = document(blocks, name, pictures)
        with open(os.path.join(HERE, "rs232-%s.rtf" % name), "w", encoding="ascii") as f:
            f.write(text)
        layout.append((name, tops))
    with open(os.path.join(HERE, "Rs232HelpLayout.h"), "w") as f:
        f.write("#pragma once\n// Made by make_rs232_help.py with the documents and pictures beside it; run\n"
                "// the script, do not edit.\n\n#include <array>\n\nnamespace korvan::help {\n\n")
        f.write("inline constexpr int Rs232LabelTop = %d;\n" % LABEL_TOP)
        f.write("inline constexpr int Rs232PictureCount = %d;\n" % len(pictures))
        f.write("inline constexpr std::array<int, %d> Rs232PictureHeights = {%s};\n"
                % (len(pictures), ", ".join(map(str, pictures))))
        for name, tops in layout:
            f.write("inline constexpr std::array<int, %d> Rs232%sTops = {%s};\n"
                    % (len(tops), name.capitalize(), ", ".join(map(str, tops))))
        f.write("\n} // namespace korvan::help\n")


if __name__ == "__main__":
    main()
