#!/usr/bin/env python3
"""Draws the status window's two 34 x 31 pictures as XPM pixel art:
SAVE.xpm (a floppy disk) and PRINT.xpm (a printer with its page).
The .xpm files are committed; run this only to remake them."""

W, H = 34, 31

PALETTE = {
    ".": "None",
    "k": "#000000",
    "b": "#203c8c",  # disk body
    "B": "#4a6cc4",  # disk highlight
    "d": "#142659",  # disk shade
    "s": "#c8ccd4",  # metal shutter
    "S": "#ffffff",  # shutter highlight
    "G": "#6c7078",  # shutter slot, printer shade
    "w": "#ffffff",  # label, paper
    "l": "#9db4e0",  # label rules
    "r": "#d03030",  # label stripe
    "p": "#d4d0c8",  # printer body
    "P": "#f4f2ee",  # printer highlight
    "t": "#505050",  # printed text
    "g": "#20c040",  # power light
}


def canvas():
    return [["."] * W for _ in range(H)]


def rect(c, x0, y0, x1, y1, ch):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            c[y][x] = ch


def frame(c, x0, y0, x1, y1, ch="k"):
    for x in range(x0, x1 + 1):
        c[y0][x] = c[y1][x] = ch
    for y in range(y0, y1 + 1):
        c[y][x0] = c[y][x1] = ch


def floppy():
    c = canvas()
    x0, y0, x1, y1 = 1, 0, 32, 30
    rect(c, x0, y0, x1, y1, "b")
    # highlight on the top and left, shade on the bottom and right
    rect(c, x0 + 1, y0 + 1, x1 - 1, y0 + 1, "B")
    rect(c, x0 + 1, y0 + 1, x0 + 1, y1 - 1, "B")
    rect(c, x0 + 1, y1 - 1, x1 - 1, y1 - 1, "d")
    rect(c, x1 - 1, y0 + 1, x1 - 1, y1 - 1, "d")
    frame(c, x0, y0, x1, y1)
    # the cut top-right corner
    for i in range(4):
        for j in range(4 - i):
            c[y0 + i][x1 - j] = "."
        c[y0 + i][x1 - (3 - i)] = "k"
    # metal shutter with its slot
    rect(c, 8, 0, 24, 11, "s")
    rect(c, 9, 1, 23, 1, "S")
    frame(c, 8, 0, 24, 11)
    rect(c, 18, 2, 21, 9, "G")
    frame(c, 18, 2, 21, 9)
    # label with a red stripe and ruled lines
    rect(c, 5, 15, 28, 29, "w")
    rect(c, 6, 16, 27, 17, "r")
    for y in (20, 23, 26):
        rect(c, 7, y, 26, y, "l")
    frame(c, 5, 15, 28, 30)
    # write-protect hole
    rect(c, 3, 25, 4, 27, "k")
    return c


def printer():
    c = canvas()
    # the sheet going in at the back
    rect(c, 8, 0, 25, 10, "w")
    frame(c, 8, 0, 25, 10)
    for y in (3, 5, 7):
        rect(c, 11, y, 22 if y != 7 else 18, y, "t")
    # the body, rounded corners
    rect(c, 1, 10, 32, 24, "p")
    rect(c, 2, 11, 31, 11, "P")
    rect(c, 2, 11, 2, 23, "P")
    rect(c, 2, 21, 31, 23, "G")
    frame(c, 1, 10, 32, 24)
    for x, y in ((1, 10), (32, 10), (1, 24), (32, 24)):
        c[y][x] = "."
    # paper slot and power light
    rect(c, 6, 15, 27, 16, "k")
    rect(c, 27, 18, 29, 19, "g")
    # the printed page coming out at the front
    rect(c, 6, 20, 27, 30, "w")
    frame(c, 6, 20, 27, 30)
    for y in (23, 25, 27):
        rect(c, 9, y, 24 if y != 27 else 19, y, "t")
    return c


def write_xpm(name, c):
    used = sorted({ch for row in c for ch in row})
    lines = [f'"{W} {H} {len(used)} 1",']
    lines += [f'"{ch} c {PALETTE[ch]}",' for ch in used]
    lines += [f'"{"".join(row)}",' for row in c]
    lines[-1] = lines[-1].rstrip(",")
    with open(f"{name}.xpm", "w") as f:
        f.write("/* XPM */\n")
        f.write(f"static const char* {name}[] = {{\n")
        f.write("\n".join(lines))
        f.write("\n};\n")


write_xpm("SAVE", floppy())
write_xpm("PRINT", printer())
