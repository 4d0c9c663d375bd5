#!/usr/bin/env python3
"""Writes the image list's pictures, src/images/icons/000.svg ... 126.svg.

Every picture is drawn on a 16 x 16 grid: 1 px strokes sit on half pixels
and fills on whole pixels, so the pictures stay sharp at 16 px and at 32 px.
One small palette keeps the families apart:

  blue   frequency, files, windows, curves
  green  level, sweep running, checks
  red    stop, delete, limits
  purple markers
  amber  folders, notes, clipboard

Run:  python3 tools/make_icons.py
"""

import os
import sys

K, KF = "#38424e", "#5b6673"          # outline, dark detail
W = "#ffffff"
BL, BD, BLF = "#2f6cc0", "#1d4f96", "#d3e3f8"
GR, GD, GRF = "#2b9a48", "#1c7334", "#cdeed6"
RD, RDD = "#d4382c", "#a5261d"
AM, AMF = "#c98a10", "#fbe3a4"
GY, GYF = "#8a949e", "#e6e9ed"
PU = "#8b3fb0"
LCD = "#6ee08a"

COUNT = 127


def attrs(fill=None, stroke=None, sw=None, cap=None, join=None, extra=""):
    a = ' fill="%s"' % (fill or "none")
    if stroke:
        a += ' stroke="%s"' % stroke
        if sw is not None and sw != 1:
            a += ' stroke-width="%s"' % num(sw)
        if cap:
            a += ' stroke-linecap="%s"' % cap
        if join:
            a += ' stroke-linejoin="%s"' % join
    return a + extra


def num(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return s if s != "-0" else "0"


def rect(x, y, w, h, fill=None, stroke=None, sw=1, rx=0):
    r = ' rx="%s"' % num(rx) if rx else ""
    return '<rect x="%s" y="%s" width="%s" height="%s"%s%s/>' % (
        num(x), num(y), num(w), num(h), r, attrs(fill, stroke, sw))


def path(d, fill=None, stroke=None, sw=1, cap=None, join=None, dash=None):
    extra = ' stroke-dasharray="%s"' % dash if dash else ""
    return '<path d="%s"%s/>' % (d, attrs(fill, stroke, sw, cap, join, extra))


def circle(cx, cy, r, fill=None, stroke=None, sw=1):
    return '<circle cx="%s" cy="%s" r="%s"%s/>' % (
        num(cx), num(cy), num(r), attrs(fill, stroke, sw))


def poly(points, fill=None, stroke=None, sw=1, join=None):
    pts = " ".join("%s,%s" % (num(x), num(y)) for x, y in points)
    return '<polygon points="%s"%s/>' % (pts, attrs(fill, stroke, sw, join=join))


def line(points, stroke, sw=1, cap=None, join="round", dash=None):
    d = "M" + " L".join("%s %s" % (num(x), num(y)) for x, y in points)
    return path(d, None, stroke, sw, cap, join, dash)


def move(dx, dy, parts):
    return '<g transform="translate(%s %s)">%s</g>' % (num(dx), num(dy), "".join(flat(parts)))


def flat(parts):
    out = []
    for p in parts:
        if isinstance(p, (list, tuple)):
            out.extend(flat(p))
        else:
            out.append(p)
    return out


# ---------------------------------------------------------------- pieces

def window(x0, y0, x1, y1, title=BL):
    """A window outline from pixel (x0, y0) to pixel (x1, y1) inclusive."""
    return [rect(x0 + .5, y0 + .5, x1 - x0, y1 - y0, W, K),
            rect(x0 + 1, y0 + 1, x1 - x0 - 1, 2, title)]


def page(x0, y0, x1, y1, ear=3, fill=W):
    """A sheet with a folded corner, pixels (x0, y0) .. (x1, y1)."""
    a, b, c, d = x0 + .5, y0 + .5, x1 + .5, y1 + .5
    return [path("M%s %sH%sL%s %sV%sH%sZ" % (num(a), num(b), num(c - ear), num(c), num(b + ear),
                                            num(d), num(a)), fill, K, join="round"),
            path("M%s %sV%sH%s" % (num(c - ear), num(b), num(b + ear), num(c)), None, K, join="round")]


def text_lines(x0, x1, rows, colour=GY):
    return [path("".join("M%s %sH%s" % (num(x0), num(r + .5), num(x1)) for r in rows),
                 None, colour)]


def floppy_big():
    return [path("M1.5 1.5H12.5L14.5 3.5V14.5H1.5Z", BL, BD, join="round"),
            rect(4, 2, 7, 4, GYF), rect(8, 3, 2, 2, BD),
            rect(3, 9, 10, 5, W), text_lines(4, 12, [10, 12], GY)]


def floppy_small(x, y):
    """A 10 x 10 floppy with its top-left pixel at (x, y)."""
    return move(x, y, [path("M.5 .5H7.5L9.5 2.5V9.5H.5Z", BL, BD, join="round"),
                       rect(2.5 - .5, 1, 5, 2.5, GYF), rect(5, 1, 1.5, 2, BD),
                       rect(2, 6, 6, 3.5, W)])


def setup_badge():
    """A small sheet of sliders: the test setup."""
    return [rect(8.5, 7.5, 6, 7, W, K),
            path("M9 9.5H14M9 12.5H14", None, GY),
            rect(10, 8, 1, 3, K), rect(12, 11, 1, 3, K)]


def folder_open():
    return [path("M1.5 13.5V2.5H5.5L7 4H12.5V7.5", AMF, AM, join="round"),
            path("M1.5 13.5L4 7.5H15.5L13 13.5Z", AMF, AM, join="round")]


def magnifier(cx, cy, r, sw=1.5, handle=2.5):
    d = r * 0.7071
    return [line([(cx + d + .6, cy + d + .6), (15, 15)], K, handle, cap="round"),
            circle(cx, cy, r, W, K, sw)]


def check(x, y, colour=GR, sw=2):
    """A tick whose bounding box starts at (x, y), 7 x 5."""
    return line([(x, y + 2.5), (x + 2.5, y + 5), (x + 7, y)], colour, sw, cap="round")


def axis_freq():
    return [path("M.5 14.5H15.5M2.5 13V14M7.5 13V14M12.5 13V14", None, GY)]


def axis_level():
    return [path("M1.5 .5V15.5M2 2.5H3M2 7.5H3M2 12.5H3", None, GY)]


def tri_right(x, y0, y1):
    h = (y1 - y0) / 2
    return poly([(x, y0), (x + h, y0 + h), (x, y1)], BL)


def tri_left(x, y0, y1):
    h = (y1 - y0) / 2
    return poly([(x, y0), (x - h, y0 + h), (x, y1)], BL)


def tri_up(y, x0, x1):
    h = (x1 - x0) / 2
    return poly([(x0, y), (x0 + h, y - h), (x1, y)], GR)


def tri_down(y, x0, x1):
    h = (x1 - x0) / 2
    return poly([(x0, y), (x0 + h, y + h), (x1, y)], GR)


def marker_flag(x, y):
    """The marker: a purple wedge whose tip touches (x, y)."""
    return poly([(x - 3, y - 4), (x + 3, y - 4), (x, y)], PU, join="round")


def eut(x=0, y=7):
    """The equipment under test: a box with a display and a lamp, 12 x 9."""
    return move(x, y, [rect(.5, .5, 11, 7, GYF, K), rect(2, 2, 5, 3, K), rect(3, 3, 3, 1, LCD),
                       rect(8.5, 2.5, 2, 2, GR), path("M8.5 6.5H10.5M2.5 6.5H6.5", None, GY),
                       rect(1.5, 8, 2, 1, K), rect(8.5, 8, 2, 1, K)])


def grid_table(x0, y0, x1, y1, rows, cols, header=BLF):
    parts = [rect(x0 + .5, y0 + .5, x1 - x0, y1 - y0, W, K),
             rect(x0 + 1, y0 + 1, x1 - x0 - 1, rows[0] - y0 - 1, header)]
    d = "".join("M%s %sH%s" % (num(x0 + 1), num(r + .5), num(x1)) for r in rows)
    d += "".join("M%s %sV%s" % (num(c + .5), num(y0 + 1), num(y1)) for c in cols)
    parts.append(path(d, None, GY))
    return parts


def bubble(x0, y0, x1, y1, tail, fill=AMF):
    """A speech bubble with its tail ending at pixel centre tail."""
    a, b, c, d = x0 + .5, y0 + .5, x1 + .5, y1 + .5
    tx, ty = tail
    t0 = a + 1.5
    return [path("M%s %sH%sV%sH%sL%s %sV%sH%sZ" % (
        num(a), num(b), num(c), num(d), num(t0 + 2.5), num(tx), num(ty), num(d), num(a)),
        fill, AM, join="round")]


def curve_pts():
    return [(2.5, 11.5), (5.5, 6.5), (8.5, 9.5), (11.5, 3.5), (14.5, 7.5)]


def axes():
    return [path("M1.5 .5V14.5H15.5", None, GY)]


def power_symbol(cx, cy, r, colour, sw=1.5):
    return [path("M%s %sA%s %s 0 1 1 %s %s" % (num(cx + r * .62), num(cy - r * .78), num(r), num(r),
                                             num(cx - r * .62), num(cy - r * .78)),
                 None, colour, sw, cap="round"),
            line([(cx, cy - r - 1), (cx, cy)], colour, sw, cap="round")]


def letter(ch, x, y, colour, sw=1.5):
    """Block letters f, L and P on a 4 x 6 cell whose top-left pixel centre is (x, y)."""
    if ch == "f":
        return [line([(x + 3.5, y), (x + 2, y), (x + 1, y + 1), (x + 1, y + 6)], colour, sw),
                line([(x - .5, y + 2.5), (x + 3, y + 2.5)], colour, sw)]
    shapes = {
        "L": [(x, y), (x, y + 6), (x + 4, y + 6)],
        "P": [(x, y + 6), (x, y), (x + 3, y), (x + 4, y + 1), (x + 4, y + 2), (x + 3, y + 3), (x, y + 3)],
    }
    return [line(shapes[ch], colour, sw, join="miter")]


def am_signal(x0, x1, ymid, amp, envelope=True):
    """A carrier, drawn as one stroke per pixel pair, whose amplitude follows
    one period of a slow sine; optionally with the envelope traced in red."""
    import math

    def env(x):
        return amp * (0.6 + 0.4 * math.cos((x - x0) / (x1 - x0) * 3 * math.pi))

    xs = [x0 + i * .5 for i in range(int((x1 - x0) * 2) + 1)]
    top = [(x, ymid - env(x)) for x in xs]
    bottom = [(x, ymid + env(x)) for x in reversed(xs)]
    parts = []
    if envelope:
        parts.append(poly(top + bottom, BLF))
    d = ""
    for x in range(int(x0), int(x1), 2):
        e = max(1.0, round(env(x + .5) * 2) / 2)
        d += "M%s %sV%s" % (num(x + .5), num(ymid - e), num(ymid + e))
    parts.append(path(d, None, BL))
    if envelope:
        parts.append(line(top, RD, 1))
        parts.append(line(bottom, RD, 1))
    return parts


def neutral():
    return [rect(2.5, 2.5, 11, 11, GYF, "#c3c9d0", rx=2), rect(7, 7, 2, 2, "#a7b0b9")]


# ---------------------------------------------------------------- pictures

P = {}

# 0  a task of the checklist
P[0] = [rect(2.5, 2.5, 11, 11, W, K, rx=1.5), check(4.5, 5.5)]

# 1  copy plot bitmap to clipboard
P[1] = [rect(2.5, 2.5, 11, 12, AMF, AM, rx=1), rect(4, 5, 8, 8, W),
        line([(4.5, 11.5), (6.5, 8), (8.5, 10.5), (11.5, 6)], BL, 1.5),
        rect(5.5, 1.5, 5, 2, GYF, K)]

# 6  new window
P[6] = [window(1, 3, 13, 14),
        poly([(12.5, 0), (13.4, 2.6), (16, 3.5), (13.4, 4.4), (12.5, 7), (11.6, 4.4), (9, 3.5), (11.6, 2.6)],
             "#f6c43a", AM, join="round")]

# 7  open: folder
P[7] = folder_open()

# 8  save: floppy disk
P[8] = floppy_big()

# 9  print preview
P[9] = [page(1, 0, 11, 15), text_lines(3, 10, [4, 6, 8]), magnifier(9.5, 10, 3, 1.2, 2.2)]

# 12 zoom, 13 unzoom
P[12] = [magnifier(7, 7, 5.25), rect(4, 6, 6, 2, GR), rect(6, 4, 2, 6, GR)]
P[13] = [magnifier(7, 7, 5.25), rect(4, 6, 6, 2, RD)]

# 14 print
P[14] = [rect(4.5, 1.5, 7, 5, W, K), rect(1.5, 6.5, 13, 6, GYF, K, rx=1),
         rect(3, 9, 10, 1, KF), rect(12, 8, 1.5, 1, GR),
         rect(4.5, 10.5, 7, 4, W, K), path("M6 12.5H10", None, GY)]

# 15 tile one above the other, 16 side by side, 17 cascade
P[15] = [window(1, 1, 14, 6), window(1, 9, 14, 14)]
P[16] = [window(0, 1, 6, 14), window(9, 1, 15, 14)]
P[17] = [window(0, 0, 9, 8), window(3, 3, 12, 11), window(6, 7, 15, 15)]

# 18 cancel: cross
P[18] = [path("M4 4L12 12M12 4L4 12", None, RD, 2.5, cap="round")]

# frequency stepping: blue, pointing along the frequency axis
P[21] = [axis_freq(), rect(3, 1, 2, 11, BL), tri_left(11.5, 1, 12)]
P[23] = [axis_freq(), rect(11, 1, 2, 11, BL), tri_right(4.5, 1, 12)]
P[24] = [axis_freq(), tri_right(5, 1, 12)]
P[26] = [axis_freq(), tri_left(11, 1, 12)]
P[48] = [axis_freq(), tri_left(8, 1, 12), tri_left(13.5, 1, 12)]
P[49] = [axis_freq(), tri_right(2.5, 1, 12), tri_right(8, 1, 12)]
P[50] = [axis_freq(), line([(3, 6.5), (13, 6.5)], GY), circle(2.5, 6.5, 2.5, PU),
         circle(13.5, 6.5, 1.5, W, K), poly([(10.5, 2.5), (6.5, 6.5), (10.5, 10.5)], BL)]
P[51] = [axis_freq(), line([(3, 6.5), (13, 6.5)], GY), circle(2.5, 6.5, 1.5, W, K),
         circle(13.5, 6.5, 2.5, PU), poly([(5.5, 2.5), (9.5, 6.5), (5.5, 10.5)], BL)]
P[52] = [axis_freq(), rect(.5, 1.5, 15, 9, BLF, BL, rx=1), letter("f", 4, 3, BD),
         path("M10.5 3V9", None, K)]

# level stepping: green, pointing along the level axis
P[53] = [axis_level(), tri_down(5, 4, 15)]
P[54] = [axis_level(), tri_up(10.5, 4, 15)]
P[55] = [axis_level(), tri_down(4, 4, 15), rect(4, 11, 11, 2, GR)]
P[56] = [axis_level(), tri_up(12, 4, 15), rect(4, 3, 11, 2, GR)]
P[57] = [axis_level(), tri_down(2.5, 4, 15), tri_down(8, 4, 15)]
P[58] = [axis_level(), tri_up(8, 4, 15), tri_up(13.5, 4, 15)]
P[59] = [axis_level(), rect(3.5, .5, 12, 15, GRF, GR, rx=1), letter("L", 6.5, 3.5, GD),
         path("M12.5 3V13", None, K)]

# 30 save setup and curves, 81 load setup and curves
P[30] = [floppy_big(), setup_badge()]
P[81] = [move(-1, 0, folder_open()), setup_badge()]

# 39 save all curves in all windows, 82 save all curves of the active window
P[39] = [floppy_small(1, 1), floppy_small(3.5, 3.5), floppy_small(6, 6)]
P[82] = [window(0, 1, 11, 10), floppy_small(6, 6)]

# 40 help contents: book, 47 step by step guide: question mark
QMARK = "M5.5 5.5C5.5 3.8 6.6 3 8 3S10.5 3.8 10.5 5.2C10.5 6.8 8 7.2 8 9V9.5"
P[40] = [rect(2.5, 1.5, 11, 13, BL, BD, rx=1), rect(3, 13, 10, 1, W), rect(4, 2, 1, 11, BD),
         move(.7, 0, [path(QMARK, None, W, 1.6, cap="round"), rect(7.9, 10.6, 1.6, 1.6, W)])]
P[47] = [circle(8, 8, 7, BLF, BL), path(QMARK, None, BD, 1.8, cap="round"), rect(7.1, 10.8, 1.8, 1.8, BD)]

# 46 lock
P[46] = [path("M5.5 7.5V5A2.5 2.5 0 0 1 10.5 5V7.5", None, KF, 1.6),
         rect(3.5, 7.5, 9, 7, AMF, AM, rx=1), rect(7, 10, 2, 3, K)]

# markers to peaks: purple marker, dark arrow for the direction
PEAKS = [(0.5, 14.5), (2, 14.5), (4.5, 8), (6.5, 13), (9, 13), (11.5, 10), (13.5, 14.5), (15.5, 14.5)]
ONE_PEAK = [(0.5, 14.5), (4, 14.5), (6, 12), (8, 5.5), (10, 12), (12, 14.5), (15.5, 14.5)]


def arrow(x0, y0, x1, y1):
    """A dark arrow from (x0, y0) to its head at (x1, y1), horizontal or vertical."""
    if y0 == y1:
        s = 1 if x1 > x0 else -1
        return [line([(x0, y0), (x1 - 2 * s, y1)], K, 1.5),
                poly([(x1, y1), (x1 - 3 * s, y1 - 2.5), (x1 - 3 * s, y1 + 2.5)], K)]
    s = 1 if y1 > y0 else -1
    return [line([(x0, y0), (x1, y1 - 2 * s)], K, 1.5),
            poly([(x1, y1), (x1 - 2.5, y1 - 3 * s), (x1 + 2.5, y1 - 3 * s)], K)]


P[60] = [line(ONE_PEAK, BL, 1.2), marker_flag(8, 4.5)]
P[62] = [line(PEAKS, BL, 1.2), marker_flag(4.5, 7), arrow(14.5, 2.5, 7.5, 2.5)]
P[63] = [line(PEAKS, BL, 1.2), marker_flag(11.5, 9), arrow(1.5, 3, 9, 3)]
P[64] = [line(PEAKS, BL, 1.2), marker_flag(4.5, 7), arrow(10.5, 8.5, 10.5, .5)]
P[61] = [line(PEAKS, BL, 1.2), marker_flag(11.5, 9), arrow(11.5, 0, 11.5, 4.5)]
P[102] = [line(ONE_PEAK, BL, 1.2), marker_flag(8, 4.5),
          path("M9.5 7.5V15.5L11.5 13.5L13 16.5L14.5 15.8L13 12.8H15.7Z", W, K, join="round")]

# marker shapes, on a faint curve
MCURVE = line([(0.5, 12.5), (4, 11), (8, 8), (12, 6), (15.5, 5.5)], GY, 1)
P[93] = [MCURVE, path("M4.5 4.5L11.5 11.5M11.5 4.5L4.5 11.5", None, PU, 1.8)]
P[94] = [MCURVE, rect(7, 3, 2, 10, PU), rect(3, 7, 10, 2, PU)]
P[95] = [MCURVE, circle(8, 8, 4.25, None, PU, 1.8)]
P[96] = [MCURVE, rect(3, 3, 10, 2, PU), rect(7, 5, 2, 8, PU)]
P[97] = [MCURVE, poly([(8, 2.8), (13.2, 12.2), (2.8, 12.2)], None, PU, 1.6, join="round")]

# hide markers
P[103] = [line(ONE_PEAK, BL, 1.2), marker_flag(8, 4.5), path("M2 2L14 14", None, RD, 2, cap="round")]
P[104] = [line(PEAKS, BL, 1.2), marker_flag(4.5, 7), marker_flag(11.5, 9),
          path("M2 2L14 14", None, RD, 2, cap="round")]

# marker values in the grid
P[100] = [grid_table(0, 0, 11, 10, [3, 6], [5]), rect(6.5, 6.5, 9, 9, W, PU, rx=1),
          path("M8.5 8.5L13.5 13.5M13.5 8.5L8.5 13.5", None, PU, 1.7, cap="round")]
P[101] = [grid_table(0, 0, 11, 10, [3, 6], [5]), rect(6.5, 6.5, 9, 9, W, PU, rx=1),
          path("M8.5 8.5L11 11.5M13.5 8.5L9.5 14", None, PU, 1.7, cap="round")]

# 70 repaint, 71 hide grid lines, 72 colours and line styles
P[70] = [path("M13.5 8A5.5 5.5 0 1 1 11.9 4.1", None, BL, 1.8),
         poly([(14.5, 1.5), (14.5, 7), (9, 7)], BL)]
P[71] = [rect(1.5, 1.5, 13, 13, W, GY), path("M6 2V14M10.5 2V14M2 6H14M2 10.5H14", None, GY),
         path("M2.5 13.5L13.5 2.5", None, RD, 2, cap="round")]
P[72] = [rect(1, 2, 14, 2, RD), path("M1 8H15", None, GR, 2, dash="3 1.5"),
         path("M1 13H15", None, BL, 2, dash="1.5 1.5")]

# curve points as a line, as spectral lines, as cross tick marks, as a list
P[73] = [axes(), line(curve_pts(), BL, 1.5)]
P[74] = [axes(), path("".join("M%s 14V%s" % (num(x + .5), num(y)) for x, y in
                              [(3, 11), (5, 6), (7, 9), (9, 4), (11, 8), (13, 5)]), None, BL, 1.5)]
P[75] = [axes()] + [path("M%s %sH%sM%s %sV%s" % (num(x - 1.5), num(y), num(x + 1.5), num(x), num(y - 1.5),
                                                 num(y + 1.5)), None, BL, 1.2)
                    for x, y in [(3.5, 11.5), (6.5, 6.5), (9.5, 9.5), (12.5, 3.5)]]
P[76] = [grid_table(0, 1, 15, 14, [4, 7, 10], [6]),
         path("M2 5.5H5M8 5.5H13M2 8.5H4M8 8.5H12M2 11.5H5M8 11.5H13", None, K)]

# 77 frequency scale, 78 level scale
P[77] = [rect(.5, 3.5, 15, 9, BLF, BL),
         path("M2.5 4V9M5 4V7M7.5 4V9M10 4V7M12.5 4V9", None, BD)]
P[78] = [rect(4.5, .5, 7, 15, GRF, GR),
         path("M5 2.5H9.5M5 5H7.5M5 7.5H9.5M5 10H7.5M5 12.5H9.5", None, GD)]

# 79 display of measured values
SEG = {"1": "bc", "2": "abged", "5": "afgcd", "3": "abgcd", "0": "abcdef"}


def digit(ch, x, y):
    segs = {"a": (x, y, 3, 1), "b": (x + 2, y, 1, 3), "c": (x + 2, y + 2, 1, 3), "d": (x, y + 4, 3, 1),
            "e": (x, y + 2, 1, 3), "f": (x, y, 1, 3), "g": (x, y + 2, 3, 1)}
    return [rect(*segs[s], LCD) for s in SEG[ch]]


P[79] = [rect(.5, 3.5, 15, 9, K, K, rx=1.5), digit("1", 1, 6), digit("2", 5, 6), rect(9, 10, 1, 1, LCD),
         digit("5", 11, 6)]

# 80 show checklist
P[80] = [rect(2.5, .5, 11, 15, W, K), check(4, 2.5, GR, 1.4), check(4, 7, GR, 1.4),
         rect(4.5, 11.5, 3, 3, None, GY), path("M9 4.5H12M9 9H12M9 13.5H12", None, GY)]

# 83 plot, 84 plot code into a file
PEN = [path("M15 1.5L13.5 0L8 5.5L9.5 7Z", AMF, AM, join="round"), poly([(8, 5.5), (9.5, 7), (7, 8)], K)]
P[83] = [rect(.5, 4.5, 13, 10, W, K), line([(2, 13), (4, 11.5), (6, 12), (7, 8)], BL, 1.3), PEN]
P[84] = [page(1, 1, 11, 15), path("M3 5.5H8M4 7.5H9M4 9.5H7M3 11.5H9M3 13.5H6", None, KF),
         move(1, 4, PEN)]

# curves: comments, copy, delete, all curves of a window, math
P[86] = [line([(0.5, 14), (3.5, 12.5), (6.5, 13), (10, 10.5), (15.5, 11.5)], BL, 1.5),
         path("M1.5 1.5H11.5V6.5L8.5 9.5H1.5Z", AMF, AM, join="round"),
         path("M8.5 9.5V6.5H11.5", None, AM, join="round"), path("M3 4H9M3 6.5H7", None, AM)]
P[87] = [line([(0.5, 14.5), (3.5, 12), (7, 13), (10.5, 11), (15.5, 13)], BL, 1.5),
         bubble(1, 0, 13, 7, (4.5, 10.5)), path("M3 3.5H11", None, AM),
         circle(4.5, 11.6, 1.6, PU)]
P[88] = [grid_table(0, 0, 12, 12, [3, 7], [5]), bubble(7, 7, 15, 12, (9, 15.5)), path("M9 9.5H13", None, AM)]
P[89] = [line([(0.5, 11), (3.5, 6), (6.5, 8.5), (9.5, 3), (15.5, 6)], BL, 1.5),
         path("M9.5 9.5L14.5 14.5M14.5 9.5L9.5 14.5", None, RD, 2, cap="round")]
P[90] = [rect(.5, .5, 10, 9, W, K), line([(1.5, 8), (4, 4), (6.5, 6.5), (10, 2)], BL, 1.3),
         rect(5.5, 6.5, 10, 9, W, K), line([(6.5, 14), (9, 10), (11.5, 12.5), (15, 8)], BL, 1.3)]
P[91] = [window(0, 1, 15, 14),
         line([(1.5, 12), (5, 8), (9, 10), (14.5, 5.5)], BL, 1.2),
         line([(1.5, 9), (5, 11.5), (9, 6.5), (14.5, 9)], RD, 1.2),
         line([(1.5, 7), (7, 7), (10, 11.5), (14.5, 12)], GR, 1.2)]
P[92] = [line([(0.5, 7), (3.5, 3), (6.5, 5), (9.5, 1.5), (15.5, 4)], BL, 1.5),
         rect(1, 11, 5, 1.5, K), rect(2.75, 9.25, 1.5, 5, K),
         rect(9, 9.5, 5, 1.2, K), rect(9, 12.3, 5, 1.2, K)]

# sweep: run, stop, power
P[105] = [rect(3.5, 3.5, 9, 9, RD, RDD, rx=1)]
P[107] = [rect(2, 2, 3, 12, GR), poly([(6, 2), (13, 8), (6, 14)], GR, GD, join="round")]
P[108] = [poly([(4.5, 2), (12.5, 8), (4.5, 14)], GR, GD, join="round")]
MACRO = [page(0, 0, 10, 13, ear=3), path("M2 4.5H6M2 6.5H8M2 8.5H5M2 10.5H7", None, KF)]
MACRO_BAR = [(7, 7), (9, 7), (9, 16), (7, 16)]
MACRO_START = [(10, 7), (15, 11.5), (10, 16)]
MACRO_RUN = [(8.5, 7), (14.5, 11.5), (8.5, 16)]


def halo(points, fill, stroke=None):
    return [poly(points, W, W, 2, join="round"), poly(points, fill, stroke, join="round")]


P[109] = [MACRO, halo(MACRO_BAR, GR), halo(MACRO_START, GR, GD)]
P[110] = [MACRO, halo(MACRO_RUN, GR, GD)]
P[111] = [circle(8, 8, 7, GYF, K), power_symbol(8, 8.6, 3.8, GD, 1.7)]
P[112] = [circle(8, 8, 7.5, "#f6c43a", AM), circle(8, 8, 5, RD, RDD), power_symbol(8, 8.4, 2.6, W, 1.4)]

# test parameters
P[113] = [am_signal(1, 15, 4.5, 4), rect(2.5, 10.5, 11, 5, GRF, GD, rx=2.5),
          circle(11, 13, 2, GR)]
P[114] = [am_signal(1, 15, 8, 6.5)]
P[115] = [page(1, 0, 12, 14), path("M3 4.5H9M3 6.5H10M3 8.5H7", None, GY),
          poly([(9.5, 12), (8, 16), (10, 15), (11, 16.5), (11.5, 12)], RD),
          poly([(12, 12), (13.5, 16), (12.5, 15.3), (11.5, 16.2), (11, 12)], RDD),
          circle(11, 11, 3, RD, RDD)]
P[116] = [path("M1 5.5C3 -0.5 5 -0.5 6.5 5.5S10 11.5 11.5 5.5S14 1 15 3", None, BL, 1.5),
          path("M2 13.5H14", None, K, 1), poly([(.5, 13.5), (3.5, 11), (3.5, 16)], K),
          poly([(15.5, 13.5), (12.5, 11), (12.5, 16)], K)]
P[117] = [rect(1, 11, 3, 4, GR), rect(5, 8, 3, 7, GR), rect(9, 5, 3, 10, GR), rect(13, 1, 3, 14, GR)]

# equipment under test
EYE = [path("M7.5 3.5Q11.5 -1.5 15.5 3.5Q11.5 8.5 7.5 3.5Z", W, K, join="round"), circle(11.5, 3.5, 1.6, BL)]
P[118] = [eut(0, 6), EYE]
P[119] = [eut(0, 6), check(8.5, .5, GR, 2)]
P[120] = [eut(0, 6), path("M14.5 3.5A3 3 0 1 1 12.6 .7", None, BL, 1.5),
          poly([(15.5, -.5), (15.5, 3), (12, 2)], BL)]

# limit lines
P[121] = [path("M.5 5.5H7.5V2.5H15.5", None, RD, 2),
          line([(0.5, 14), (3.5, 9), (7, 12), (10.5, 7), (15.5, 11)], BL, 1.5)]
P[122] = [path("M.5 5.5H7.5V2.5H15.5", None, RD, 2), letter("P", 5, 8, K, 2)]

NAMED = sorted(P)


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="16" height="16" viewBox="0 0 16 16">%s</svg>\n' % "".join(flat(body)))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "images", "icons")
    os.makedirs(root, exist_ok=True)
    for i in range(COUNT):
        with open(os.path.join(root, "%03d.svg" % i), "w") as f:
            f.write(svg(P.get(i, neutral())))
    print("%d pictures, %d named" % (COUNT, len(NAMED)), file=sys.stderr)


if __name__ == "__main__":
    main()
