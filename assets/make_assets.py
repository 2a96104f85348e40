#!/usr/bin/env python3
"""Generate Tolvik's bundled images and sounds.

Everything under assets/ (except this script and README.md) is written by
this script: icons, check box and radio glyphs, bitmap-button faces, small
pictures, the History banner, the alarm sound and the Qt resource file that
lists them.  Only the Python standard library is used, and the output is
byte-for-byte reproducible.

Usage:  python3 assets/make_assets.py     (from any folder)
"""

import math
import os
import struct
import zlib

ASSETS_DIR = os.path.dirname(os.path.abspath(__file__))

# Product palette.
FRAME_BLUE = "#0080C0"
BAND_BLUE = "#B0D8F0"
DARK_BLUE = "#0A2367"
BLACK = "#000000"
GREY = "#808080"
WHITE = "#FFFFFF"

# Supporting colours.
LIGHT_GREY = "#E4E4E4"
REMINDER_RED = "#E0301E"
BELL_ORANGE = "#F7931E"
BELL_RED = "#C8321A"


# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

def rgba(colour, alpha=1.0):
    """'#RRGGBB' (or an (r, g, b[, a]) tuple of floats) -> (r, g, b, a) floats."""
    if isinstance(colour, str):
        value = colour.lstrip("#")
        r, g, b = (int(value[i:i + 2], 16) / 255.0 for i in (0, 2, 4))
        return (r, g, b, alpha)
    if len(colour) == 3:
        return (colour[0], colour[1], colour[2], alpha)
    return (colour[0], colour[1], colour[2], colour[3] * alpha)


def mix(c0, c1, t):
    """Linear blend of two colours, t = 0 gives c0, t = 1 gives c1."""
    a, b = rgba(c0), rgba(c1)
    t = min(1.0, max(0.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


def vertical_gradient(y0, y1, top, bottom):
    """Paint that goes from `top` at y0 to `bottom` at y1."""
    span = float(y1 - y0)

    def paint(_x, y):
        return mix(top, bottom, (y - y0) / span)
    return paint


def horizontal_gradient(x0, x1, left, right):
    span = float(x1 - x0)

    def paint(x, _y):
        return mix(left, right, (x - x0) / span)
    return paint


# ---------------------------------------------------------------------------
# Shapes: a point test plus a bounding box, in pixel units
# ---------------------------------------------------------------------------

class Shape:
    def __init__(self, contains, bbox):
        self.contains = contains
        self.bbox = bbox  # (x0, y0, x1, y1)

    def moved(self, dx, dy):
        x0, y0, x1, y1 = self.bbox
        inner = self.contains
        return Shape(lambda x, y: inner(x - dx, y - dy),
                     (x0 + dx, y0 + dy, x1 + dx, y1 + dy))


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def round_rect(x0, y0, x1, y1, radius):
    def contains(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return Shape(contains, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def ring(cx, cy, r_outer, r_inner):
    def contains(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        return r_inner * r_inner < d2 <= r_outer * r_outer
    return Shape(contains, (cx - r_outer, cy - r_outer, cx + r_outer, cy + r_outer))


def polygon(points):
    """Filled polygon (even-odd rule)."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    edges = list(zip(points, points[1:] + points[:1]))

    def contains(x, y):
        inside = False
        for (xa, ya), (xb, yb) in edges:
            if (ya > y) != (yb > y):
                if x < xa + (y - ya) * (xb - xa) / (yb - ya):
                    inside = not inside
        return inside
    return Shape(contains, (min(xs), min(ys), max(xs), max(ys)))


def stroke(points, width):
    """A polyline of the given width with round joins and caps."""
    half = width / 2.0
    segments = list(zip(points, points[1:]))

    def near_segment(x, y, a, b):
        ax, ay = a
        dx, dy = b[0] - ax, b[1] - ay
        length2 = dx * dx + dy * dy
        t = 0.0 if length2 == 0 else ((x - ax) * dx + (y - ay) * dy) / length2
        t = min(1.0, max(0.0, t))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half * half

    def contains(x, y):
        return any(near_segment(x, y, a, b) for a, b in segments)
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(contains, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half))


def union(*shapes):
    boxes = [s.bbox for s in shapes]
    return Shape(lambda x, y: any(s.contains(x, y) for s in shapes),
                 (min(b[0] for b in boxes), min(b[1] for b in boxes),
                  max(b[2] for b in boxes), max(b[3] for b in boxes)))


def intersect(a, b):
    ab, bb = a.bbox, b.bbox
    return Shape(lambda x, y: a.contains(x, y) and b.contains(x, y),
                 (max(ab[0], bb[0]), max(ab[1], bb[1]), min(ab[2], bb[2]), min(ab[3], bb[3])))


def minus(a, b):
    return Shape(lambda x, y: a.contains(x, y) and not b.contains(x, y), a.bbox)


# ---------------------------------------------------------------------------
# Canvas: supersampled RGBA drawing surface
# ---------------------------------------------------------------------------

class Canvas:
    """Premultiplied RGBA surface sampled `ss` x `ss` times per pixel.

    Shapes are tested at every sample centre; averaging the samples when the
    image is read back gives antialiased edges.  Edges on whole pixel
    coordinates stay perfectly crisp.
    """

    def __init__(self, width, height, ss=4, background=None):
        self.width, self.height, self.ss = width, height, ss
        self.sw, self.sh = width * ss, height * ss
        count = self.sw * self.sh
        r, g, b, a = rgba(background) if background else (0.0, 0.0, 0.0, 0.0)
        self.r = [r * a] * count
        self.g = [g * a] * count
        self.b = [b * a] * count
        self.a = [a] * count

    def fill(self, shape, paint, alpha=1.0):
        """Composite `paint` (a colour or a function of x, y) over `shape`."""
        ss = self.ss
        x0, y0, x1, y1 = shape.bbox
        i0 = max(0, int(math.floor(x0 * ss)))
        i1 = min(self.sw, int(math.ceil(x1 * ss)))
        j0 = max(0, int(math.floor(y0 * ss)))
        j1 = min(self.sh, int(math.ceil(y1 * ss)))
        solid = None if callable(paint) else rgba(paint, alpha)
        for j in range(j0, j1):
            y = (j + 0.5) / ss
            row = j * self.sw
            for i in range(i0, i1):
                x = (i + 0.5) / ss
                if not shape.contains(x, y):
                    continue
                cr, cg, cb, ca = solid if solid else rgba(paint(x, y), alpha)
                k = row + i
                keep = 1.0 - ca
                self.r[k] = cr * ca + self.r[k] * keep
                self.g[k] = cg * ca + self.g[k] * keep
                self.b[k] = cb * ca + self.b[k] * keep
                self.a[k] = ca + self.a[k] * keep

    def pixels(self):
        """Rows of (r, g, b, a) byte tuples, samples averaged per pixel."""
        ss, sw = self.ss, self.sw
        n = float(ss * ss)
        rows = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                tr = tg = tb = ta = 0.0
                for j in range(py * ss, py * ss + ss):
                    base = j * sw + px * ss
                    for k in range(base, base + ss):
                        tr += self.r[k]
                        tg += self.g[k]
                        tb += self.b[k]
                        ta += self.a[k]
                row.append(to_bytes(tr / n, tg / n, tb / n, ta / n))
            rows.append(row)
        return rows


def to_byte(v):
    return max(0, min(255, int(v * 255.0 + 0.5)))


def to_bytes(pr, pg, pb, a):
    """Premultiplied floats -> straight-alpha bytes (fully transparent -> 0,0,0,0)."""
    alpha = to_byte(a)
    if alpha == 0:
        return (0, 0, 0, 0)
    return (to_byte(pr / a), to_byte(pg / a), to_byte(pb / a), alpha)


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def output_path(relative):
    path = os.path.join(ASSETS_DIR, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(relative, canvas, with_alpha=True):
    """Write an 8-bit PNG: colour type 6 (RGBA) or 2 (RGB, alpha dropped)."""
    channels = 4 if with_alpha else 3
    raw = bytearray()
    for row in canvas.pixels():
        raw.append(0)  # filter: none
        for pixel in row:
            raw.extend(pixel[:channels])
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8,
                         6 if with_alpha else 2, 0, 0, 0)
    data = (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))
    with open(output_path(relative), "wb") as f:
        f.write(data)
    return relative


def write_wav(relative, frames, rate, channels=2):
    """16-bit PCM WAV with the canonical 44-byte header.

    `frames` is a list of per-frame tuples of samples in -1..1.
    """
    data = bytearray()
    for frame in frames:
        for sample in frame:
            value = int(round(sample * 32767.0))
            data.extend(struct.pack("<h", max(-32768, min(32767, value))))
    block_align = channels * 2
    header = (b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
              + b"fmt " + struct.pack("<IHHIIHH", 16, 1, channels, rate,
                                      rate * block_align, block_align, 16)
              + b"data" + struct.pack("<I", len(data)))
    with open(output_path(relative), "wb") as f:
        f.write(header + data)
    return relative


def write_text(relative, text):
    with open(output_path(relative), "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


# ---------------------------------------------------------------------------
# Program icon: a desk calendar page with a clock and a reminder dot
# ---------------------------------------------------------------------------

def draw_calendar_icon(size):
    """Calendar page drawn on a 48-unit grid and scaled to `size` pixels."""
    k = size / 48.0
    c = Canvas(size, size, ss=8)

    def s(*values):
        return [v * k for v in values]

    page = round_rect(*s(4, 8, 44, 45), 4 * k)
    c.fill(round_rect(*s(5, 9.5, 45.5, 46.5), 4 * k), BLACK, alpha=0.22)   # shadow
    c.fill(page, DARK_BLUE)
    inner = round_rect(*s(5.5, 9.5, 42.5, 43.5), 2.8 * k)
    c.fill(inner, vertical_gradient(*s(20, 43.5), WHITE, "#EAF4FB"))
    band = intersect(inner, rect(*s(0, 0, 48, 19)))
    c.fill(band, vertical_gradient(*s(9.5, 19), "#1A9AD8", FRAME_BLUE))
    c.fill(rect(*s(5.5, 19, 42.5, 20)), DARK_BLUE, alpha=0.35)

    for x in (15, 33):                       # binder rings
        c.fill(ellipse(*s(x, 13.5, 2.6, 1.6)), DARK_BLUE, alpha=0.6)
        c.fill(round_rect(*s(x - 2, 3, x + 2, 14.5), 2 * k),
               horizontal_gradient(*s(x - 2, x + 2), "#3A5AA8", DARK_BLUE))
        c.fill(rect(*s(x - 1, 4.5, x, 12.5)), WHITE, alpha=0.45)

    cx, cy = s(24, 32)                        # clock
    c.fill(ring(cx, cy, 9.5 * k, 7.5 * k), DARK_BLUE)
    for hour in range(0, 12, 3):
        angle = hour * math.pi / 6
        c.fill(circle(cx + 6 * k * math.sin(angle), cy - 6 * k * math.cos(angle), 0.9 * k), GREY)
    c.fill(stroke([(cx, cy - 5.2 * k), (cx, cy), (cx + 3.8 * k, cy + 2.2 * k)], 2.0 * k), DARK_BLUE)
    c.fill(circle(cx, cy, 1.5 * k), DARK_BLUE)

    c.fill(circle(*s(37.5, 39.5, 5.5)), WHITE)  # reminder dot
    c.fill(circle(*s(37.5, 39.5, 4.3)), vertical_gradient(*s(35, 44), "#F25A44", REMINDER_RED))
    c.fill(circle(*s(36.3, 38.2, 1.3)), WHITE, alpha=0.55)
    return c


def draw_tray_icon():
    """16 px version: same motif, snapped to whole pixels so it stays sharp."""
    c = Canvas(16, 16, ss=4)
    c.fill(round_rect(1, 3, 15, 16, 1.2), DARK_BLUE)
    c.fill(rect(2, 4, 14, 15), WHITE)
    c.fill(rect(2, 4, 14, 7), FRAME_BLUE)
    for x in (4, 10):
        c.fill(rect(x, 1, x + 2, 5), DARK_BLUE)
    c.fill(stroke([(7.5, 8.5), (7.5, 11.5), (10, 11.5)], 1.3), DARK_BLUE)
    c.fill(circle(11.5, 12.5, 2.5), WHITE)
    c.fill(circle(11.5, 12.5, 1.9), REMINDER_RED)
    return c


# ---------------------------------------------------------------------------
# Check boxes and radio buttons
# ---------------------------------------------------------------------------

GLYPH_SETS = {"blue": FRAME_BLUE, "black": BLACK}


def draw_check(colour, checked, disabled):
    c = Canvas(13, 13, ss=8)
    ink = GREY if disabled else colour
    c.fill(rect(0, 0, 13, 13), ink)
    c.fill(rect(1, 1, 12, 12), LIGHT_GREY if disabled else WHITE)
    if checked:
        c.fill(stroke([(3.3, 6.4), (5.4, 8.6), (9.8, 3.9)], 1.9), ink)
    return c


def draw_radio(colour, checked):
    c = Canvas(12, 12, ss=8)
    c.fill(circle(6, 6, 6), colour)
    c.fill(circle(6, 6, 5), WHITE)
    if checked:
        c.fill(circle(6, 6, 2.5), colour)
    return c


# ---------------------------------------------------------------------------
# Bitmap-button faces
# ---------------------------------------------------------------------------

BUTTON_STATES = {
    # state: (border, inner ring, face top, face bottom, glyph colour, offset)
    "up": (FRAME_BLUE, None, "#FAFDFF", BAND_BLUE, FRAME_BLUE, 0),
    "down": (DARK_BLUE, None, "#9CCBE8", "#D6EBF8", DARK_BLUE, 1),
    "disabled": ("#A8A8A8", None, "#F6F6F6", "#DEDEDE", "#A8A8A8", 0),
    "focused": (DARK_BLUE, FRAME_BLUE, "#FAFDFF", BAND_BLUE, FRAME_BLUE, 0),
}


def draw_button_face(width, state):
    border, inner_ring, top, bottom, glyph, offset = BUTTON_STATES[state]
    height = 20
    c = Canvas(width, height, ss=4)
    c.fill(round_rect(0, 0, width, height, 2.5), border)
    c.fill(round_rect(1, 1, width - 1, height - 1, 1.5),
           vertical_gradient(1, height - 1, top, bottom))
    if inner_ring:
        c.fill(minus(round_rect(1, 1, width - 1, height - 1, 1.5),
                     rect(2, 2, width - 2, height - 2)), inner_ring, alpha=0.8)
    if state == "down":  # inset shadow along the top and left edges
        c.fill(rect(1, 1, width - 1, 2), DARK_BLUE, alpha=0.25)
        c.fill(rect(1, 2, 2, height - 1), DARK_BLUE, alpha=0.15)
    else:                # soft highlight just under the top border
        c.fill(rect(2, 1, width - 2, 2), WHITE, alpha=0.7)
    d = offset
    c.fill(polygon([(6 + d, 6 + d), (6 + d, 14 + d), (12.5 + d, 10 + d)]), glyph)
    return c


# ---------------------------------------------------------------------------
# Small pictures (15 x 15)
# ---------------------------------------------------------------------------

def draw_records_picture():
    """A small ring-bound notebook with ruled lines."""
    c = Canvas(15, 15, ss=8)
    c.fill(rect(3, 1, 14, 15), DARK_BLUE)
    c.fill(rect(4, 2, 13, 14), WHITE)
    c.fill(rect(4, 2, 6, 14), BAND_BLUE)
    for y in (5, 8, 11):
        c.fill(rect(7, y, 12, y + 1), FRAME_BLUE)
    for y in (3, 6.5, 10):
        c.fill(round_rect(1, y, 5.5, y + 1.6, 0.8), GREY)
    return c


def bell_shape():
    dome = circle(7.5, 6.5, 4.2)
    top = rect(3.3, 2, 11.7, 6.5)
    body = polygon([(3.3, 6.5), (11.7, 6.5), (12.5, 10.5), (2.5, 10.5)])
    rim = round_rect(1.2, 10, 13.8, 12.2, 1.1)
    return union(intersect(dome, top), body, rim)


def bell_inner_shape():
    """The bell body inset by about one pixel, for the coloured fill."""
    dome = circle(7.5, 6.5, 3.2)
    top = rect(4.3, 3, 10.7, 6.5)
    body = polygon([(4.3, 6.5), (10.7, 6.5), (11.4, 10.2), (3.6, 10.2)])
    rim = round_rect(2.2, 10.2, 12.8, 11.3, 0.5)
    return union(intersect(dome, top), body, rim)


def draw_reminder_picture():
    """A small orange bell, clearly different from the notebook."""
    c = Canvas(15, 15, ss=8)
    c.fill(circle(7.5, 1.8, 1.3), BELL_RED)                      # hanger
    c.fill(circle(7.5, 12.7, 1.8), BELL_RED)                     # clapper
    c.fill(bell_shape(), BELL_RED)
    c.fill(bell_inner_shape(), horizontal_gradient(2, 13, "#FFC15E", BELL_ORANGE))
    c.fill(stroke([(5.3, 5.0), (5.0, 8.5)], 1.1), WHITE, alpha=0.7)  # shine
    return c


# ---------------------------------------------------------------------------
# History banner: "Tolvik" in geometric block letters on black
# ---------------------------------------------------------------------------

STEM = 5          # stroke thickness of the letters
CAP_TOP = 5       # top of T, l, k and the i dot
X_TOP = 12        # top of the lowercase letters
BASE = 31         # baseline


def letter_T(x):
    return 18, [rect(x, CAP_TOP, x + 18, CAP_TOP + STEM),
                rect(x + 6.5, CAP_TOP, x + 6.5 + STEM, BASE)]


def letter_o(x):
    w = 17
    outer = round_rect(x, X_TOP, x + w, BASE, 5)
    hole = round_rect(x + STEM, X_TOP + STEM, x + w - STEM, BASE - STEM, 1.5)
    return w, [minus(outer, hole)]


def letter_l(x):
    return STEM, [rect(x, CAP_TOP, x + STEM, BASE)]


def letter_v(x):
    w = 18
    return w, [polygon([(x, X_TOP), (x + 5.6, X_TOP), (x + w / 2, BASE - 7.5),
                        (x + w - 5.6, X_TOP), (x + w, X_TOP),
                        (x + w / 2 + 3.2, BASE), (x + w / 2 - 3.2, BASE)])]


def letter_i(x):
    return STEM, [rect(x, CAP_TOP, x + STEM, CAP_TOP + STEM),
                  rect(x, X_TOP, x + STEM, BASE)]


def letter_k(x):
    w = 16
    mid = (X_TOP + BASE) / 2.0
    return w, [rect(x, CAP_TOP, x + STEM, BASE),
               polygon([(x + STEM - 0.5, mid + 1.5), (x + w - 6, X_TOP), (x + w, X_TOP),
                        (x + STEM + 3.5, mid + 3.5), (x + STEM - 0.5, mid + 6.5)]),
               polygon([(x + STEM + 1, mid), (x + STEM + 5.5, mid - 2),
                        (x + w, BASE), (x + w - 6, BASE)])]


BANNER_WORD = [letter_T, letter_o, letter_l, letter_v, letter_i, letter_k]
LETTER_GAP = 4
KERNING = {1: -3}  # pull the "o" in under the arm of the "T"


def layout_word(x):
    shapes = []
    for index, letter in enumerate(BANNER_WORD):
        x += KERNING.get(index, 0)
        width, parts = letter(x)
        shapes.extend(parts)
        x += width + LETTER_GAP
    return shapes, x - LETTER_GAP


def draw_banner():
    width, height = 471, 36
    c = Canvas(width, height, ss=4, background=BLACK)
    _, word_width = layout_word(0)
    left = round((width - word_width) / 2.0)
    word = union(*layout_word(left)[0])
    right = left + word_width

    mid = (X_TOP + BASE) / 2.0
    for side in (-1, 1):                     # ornament: fading rules and diamonds
        start = left - 12 if side < 0 else right + 12
        end = 14 if side < 0 else width - 14
        lo, hi = min(start, end), max(start, end)
        fade = horizontal_gradient(start, end, rgba(FRAME_BLUE), rgba(FRAME_BLUE, 0.0))
        c.fill(rect(lo, mid - 0.5, hi, mid + 0.5), fade)
        faint = horizontal_gradient(start, end, rgba(FRAME_BLUE, 0.5), rgba(FRAME_BLUE, 0.0))
        for y in (mid - 4, mid + 4):
            c.fill(rect(lo + 10, y - 0.5, hi - 10, y + 0.5), faint)
        dx = start
        c.fill(polygon([(dx - 4, mid), (dx, mid - 4), (dx + 4, mid), (dx, mid + 4)]), FRAME_BLUE)
        c.fill(polygon([(dx - 1.8, mid), (dx, mid - 1.8), (dx + 1.8, mid), (dx, mid + 1.8)]), WHITE)

    c.fill(word.moved(2, 2), DARK_BLUE)       # drop shadow
    c.fill(word, vertical_gradient(CAP_TOP, BASE, WHITE, FRAME_BLUE))
    c.fill(intersect(word, rect(0, BASE - 1, width, BASE)), DARK_BLUE, alpha=0.4)
    return c


# ---------------------------------------------------------------------------
# Alarm sound
# ---------------------------------------------------------------------------

SAMPLE_RATE = 44100
ALARM_FRAMES = 226685            # 906,740 bytes of 16-bit stereo samples
CHIME_PERIOD = 0.6               # seconds between repeats of the two-note chime
CHIME_NOTES = [(0.0, 1318.5), (0.3, 880.0)]    # (offset in the period, Hz)
HARMONICS = [(1.0, 1.0), (2.0, 0.28), (3.0, 0.09), (4.2, 0.04)]  # (ratio, level)
ATTACK = 0.006
DECAY = 0.16                     # time constant of the exponential decay
FADE_OUT = 0.020
PEAK = 0.5


def chime_onsets(duration):
    """Start time and pitch of every note, skipping notes too late to ring out."""
    onsets = []
    start = 0.0
    while start < duration:
        for offset, freq in CHIME_NOTES:
            t = start + offset
            if t + 0.25 < duration:
                onsets.append((t, freq))
        start += CHIME_PERIOD
    return onsets


def note_sample(age, freq):
    if age < 0:
        return 0.0
    envelope = math.exp(-age / DECAY)
    if age < ATTACK:
        envelope *= 0.5 - 0.5 * math.cos(math.pi * age / ATTACK)
    if envelope < 1e-6:
        return 0.0
    tone = 0.0
    for ratio, level in HARMONICS:
        # higher partials die away faster, as on a real chime
        tone += level * math.exp(-age * (ratio - 1.0) * 3.0) * math.sin(2 * math.pi * freq * ratio * age)
    return envelope * tone


def make_alarm():
    duration = ALARM_FRAMES / float(SAMPLE_RATE)
    onsets = chime_onsets(duration)
    mono = []
    for n in range(ALARM_FRAMES):
        t = n / float(SAMPLE_RATE)
        mono.append(sum(note_sample(t - start, freq) for start, freq in onsets
                        if 0.0 <= t - start < 3.0))
    scale = PEAK / max(abs(v) for v in mono)
    fade_frames = int(FADE_OUT * SAMPLE_RATE)
    frames = []
    for n, value in enumerate(mono):
        remaining = ALARM_FRAMES - 1 - n
        if remaining < fade_frames:
            value *= 0.5 - 0.5 * math.cos(math.pi * remaining / fade_frames)
        v = value * scale
        frames.append((v, v))
    return frames


# ---------------------------------------------------------------------------
# Resource file and main
# ---------------------------------------------------------------------------

def write_qrc(files):
    lines = ["<!DOCTYPE RCC>", '<RCC version="1.0">', '<qresource prefix="/">']
    for name in files:
        lines.append('    <file alias="%s">%s</file>' % (name, name))
    lines += ["</qresource>", "</RCC>", ""]
    write_text("assets.qrc", "\n".join(lines))


def main():
    files = []
    files.append(write_png("icons/tolvik.png", draw_calendar_icon(48)))
    files.append(write_png("icons/tolvik32.png", draw_calendar_icon(32)))
    files.append(write_png("icons/tray.png", draw_tray_icon()))

    for name, colour in GLYPH_SETS.items():
        for checked in (False, True):
            for disabled in (False, True):
                path = "glyphs/check_%s_%s%s.png" % (
                    name, "on" if checked else "off", "_disabled" if disabled else "")
                files.append(write_png(path, draw_check(colour, checked, disabled)))
    for name, colour in GLYPH_SETS.items():
        for checked in (False, True):
            path = "glyphs/radio_%s_%s.png" % (name, "on" if checked else "off")
            files.append(write_png(path, draw_radio(colour, checked)))

    for width in (81, 75):
        for state in ("up", "down", "disabled", "focused"):
            path = "buttons/face%d_%s.png" % (width, state)
            files.append(write_png(path, draw_button_face(width, state)))

    records = draw_records_picture()
    files.append(write_png("pictures/image1.png", draw_reminder_picture()))
    files.append(write_png("pictures/image2.png", records))
    files.append(write_png("pictures/image3.png", records))
    files.append(write_png("pictures/banner.png", draw_banner(), with_alpha=False))

    files.append(write_wav("sound/alarm.wav", make_alarm(), SAMPLE_RATE))

    write_qrc(files)
    for name in files:
        print(name)
    print("assets.qrc")


if __name__ == "__main__":
    main()
