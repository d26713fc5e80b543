#!/usr/bin/env python3
"""Draws the food court's SVG art: customers, stalls, tables, bubbles, floating
amounts, the floor and the HUD panel. Run it after changing a drawing; its
SVGs are committed and the build renders them to PNG like every other SVG
under tools/art.

    python3 tools/art/make_food_court_art.py
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
INK = "#3d2a1a"


def write(rel, width, height, body, defs="", scale=1.0):
    """One SVG; scale sets the rendered size, the drawing keeps its units."""
    path = os.path.join(HERE, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            % (round(width * scale), round(height * scale), width, height))
    if defs:
        text += "  <defs>\n" + defs + "  </defs>\n"
    text += body + "</svg>\n"
    with open(path, "w") as f:
        f.write(text)


NIGHT_FILTER = ('    <filter id="night" color-interpolation-filters="sRGB"><feColorMatrix type="matrix" '
                'values="0.42 0.05 0.05 0 0.02  0.05 0.45 0.08 0 0.03  0.08 0.1 0.7 0 0.09  0 0 0 1 0"/></filter>\n')


def write_day_and_night(rel, width, height, body, scale=1.0, glow="", defs=""):
    """The day look, and the same drawing by night (rel + "_Night"), which the
    day-and-night cycle blends in; glow is drawn unfiltered over the night."""
    write(rel + ".svg", width, height, body, defs, scale)
    write(rel + "_Night.svg", width, height, '  <g filter="url(#night)">\n' + body + "  </g>\n" + glow,
          defs + NIGHT_FILTER, scale)


def sheet(cells, cw, ch):
    """Lays cells out left to right: column k is the k-th frame."""
    return "".join('  <g transform="translate(%d,0)">\n%s  </g>\n' % (k * cw, c) for k, c in enumerate(cells))


# ---------------------------------------------------------------- food icons
def food(kind, x, y, s=1.0):
    """One dish of a stall type, centred on (x, y), about 40*s wide."""
    g = '    <g transform="translate(%.1f,%.1f) scale(%.2f)">\n' % (x, y, s)
    if kind == 1:  # drinks: cup with lid and straw
        g += ('<path d="M-11 -14 L11 -14 L8 16 L-8 16 Z" fill="#7fd1e8" stroke="%s" stroke-width="2"/>'
              '<rect x="-13" y="-19" width="26" height="6" rx="2" fill="#ffffff" stroke="%s" stroke-width="2"/>'
              '<path d="M3 -19 L8 -32" stroke="#e63946" stroke-width="3" stroke-linecap="round"/>'
              '<rect x="-8" y="-4" width="16" height="7" fill="#ff9f1c"/>' % (INK, INK))
    elif kind == 2:  # noodles: bowl with noodles and chopsticks
        g += ('<path d="M-18 -4 Q0 22 18 -4 Z" fill="#e63946" stroke="%s" stroke-width="2"/>'
              '<path d="M-15 -5 Q-8 -14 -2 -5 Q4 -14 10 -5 Q14 -12 16 -5" fill="#ffe08a" stroke="#d4a017" stroke-width="1.5"/>'
              '<path d="M2 -6 L16 -26 M6 -5 L20 -24" stroke="#8d5b3c" stroke-width="2.5" stroke-linecap="round"/>'
              '<rect x="-6" y="4" width="12" height="3" fill="#ffffff" opacity="0.6"/>' % INK)
    elif kind == 3:  # nasi padang: rice with curries
        g += ('<ellipse cx="0" cy="4" rx="21" ry="9" fill="#ffffff" stroke="%s" stroke-width="2"/>'
              '<ellipse cx="-6" cy="0" rx="9" ry="7" fill="#fffdf5" stroke="#d9d2c0" stroke-width="1"/>'
              '<ellipse cx="8" cy="1" rx="7" ry="4" fill="#e76f51"/>'
              '<ellipse cx="6" cy="6" rx="6" ry="3" fill="#6a994e"/>'
              '<circle cx="-12" cy="6" r="3" fill="#f4a261"/>' % INK)
    elif kind == 4:  # western: steak and fries
        g += ('<ellipse cx="0" cy="4" rx="21" ry="9" fill="#ffffff" stroke="%s" stroke-width="2"/>'
              '<ellipse cx="-4" cy="2" rx="11" ry="6" fill="#8d4a26" stroke="#5a2d12" stroke-width="1.5"/>'
              '<path d="M-8 0 L0 4 M-4 -2 L4 2" stroke="#5a2d12" stroke-width="1"/>'
              '<path d="M8 -2 L11 -12 M11 0 L15 -10 M14 1 L18 -8" stroke="#ffc93c" stroke-width="3" stroke-linecap="round"/>' % INK)
    elif kind == 5:  # satay: skewers
        g += ''.join('<path d="M%d 10 L%d -16" stroke="#b08968" stroke-width="2"/>'
                     '<rect x="%d" y="-12" width="8" height="6" rx="2" fill="#a0522d"/>'
                     '<rect x="%d" y="-4" width="8" height="6" rx="2" fill="#bc6c25"/>'
                     '<rect x="%d" y="4" width="8" height="6" rx="2" fill="#a0522d"/>'
                     % (dx, dx + 4, dx - 4 + 2, dx - 3 + 2, dx - 2 + 2) for dx in (-12, 0, 12))
        g += '<ellipse cx="0" cy="14" rx="20" ry="4" fill="#6c757d" stroke="%s" stroke-width="1.5"/>' % INK
    elif kind == 6:  # chicken rice
        g += ('<ellipse cx="0" cy="4" rx="21" ry="9" fill="#ffffff" stroke="%s" stroke-width="2"/>'
              '<ellipse cx="-6" cy="0" rx="10" ry="7" fill="#fff4cc" stroke="#e0c872" stroke-width="1"/>'
              '<path d="M2 2 L18 -2 L18 5 L2 8 Z" fill="#f6d6a8" stroke="#c99a5b" stroke-width="1"/>'
              '<path d="M6 2 L6 7 M11 1 L11 6 M15 0 L15 5" stroke="#c99a5b" stroke-width="1"/>'
              '<circle cx="-15" cy="5" r="2.5" fill="#80b918"/>' % INK)
    elif kind == 7:  # prata and curry
        g += ('<ellipse cx="-4" cy="3" rx="16" ry="9" fill="#f4c06a" stroke="#b5651d" stroke-width="2"/>'
              '<path d="M-14 1 Q-4 -4 6 1 M-12 6 Q-2 1 8 6" stroke="#d98e3a" stroke-width="1.5" fill="none"/>'
              '<ellipse cx="14" cy="6" rx="7" ry="5" fill="#ffffff" stroke="%s" stroke-width="1.5"/>'
              '<ellipse cx="14" cy="5" rx="5" ry="3" fill="#d35400"/>' % INK)
    elif kind == 8:  # dim sum steamer
        g += ('<rect x="-19" y="-4" width="38" height="16" rx="4" fill="#d4a373" stroke="%s" stroke-width="2"/>'
              '<path d="M-19 2 L19 2" stroke="#a47148" stroke-width="1.5"/>'
              '<path d="M-14 -4 Q-9 -16 -4 -4 Z M-3 -4 Q2 -17 7 -4 Z M8 -4 Q13 -15 17 -4 Z" fill="#fff8ee" stroke="#d9c9b0" stroke-width="1.2"/>' % INK)
    g += '</g>\n'
    return g


# ----------------------------------------------------------------- customers
LOOKS = [
    # skin, hair, hair style, top, bottom, shoes, extra
    dict(skin="#f6c89f", hair="#2b2b2b", style="short", top="#4a90d9", bottom="#33415c", shoes="#222222", extra="tie"),
    dict(skin="#e8b48a", hair="#6b3e26", style="long", top="#e63946", bottom="dress", shoes="#7a1c2b", extra=""),
    dict(skin="#c68c5a", hair="#3b2a1e", style="cap", top="#2a9d8f", bottom="#3a5a8c", shoes="#f1f1f1", extra="cap"),
    dict(skin="#f3d0b0", hair="#b8b8b8", style="bun", top="#9b5de5", bottom="#4a3f55", shoes="#5a3a22", extra="glasses"),
    dict(skin="#8d5524", hair="#1c1c1c", style="curly", top="#f77f00", bottom="#6b4f3a", shoes="#3d2a1a", extra="vest"),
]
CW, CH = 120, 180


def leg(hx, hy, angle, length, colour, shoe, knee=0.0):
    """A leg from the hip swung by angle degrees (positive forward)."""
    a = math.radians(angle)
    kx, ky = hx + math.sin(a) * length * 0.5, hy + math.cos(a) * length * 0.5
    b = math.radians(angle - knee)
    fx, fy = kx + math.sin(b) * length * 0.5, ky + math.cos(b) * length * 0.5
    return ('<path d="M%.1f %.1f L%.1f %.1f L%.1f %.1f" fill="none" stroke="%s" stroke-width="11" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            '<ellipse cx="%.1f" cy="%.1f" rx="9" ry="4.5" fill="%s"/>\n'
            % (hx, hy, kx, ky, fx, fy, colour, fx + 4, fy + 3, shoe))


def arm(sx, sy, angle, length, sleeve, skin, elbow=0.0):
    a = math.radians(angle)
    ex, ey = sx + math.sin(a) * length * 0.5, sy + math.cos(a) * length * 0.5
    b = math.radians(angle + elbow)
    hx, hy = ex + math.sin(b) * length * 0.5, ey + math.cos(b) * length * 0.5
    return ('<path d="M%.1f %.1f L%.1f %.1f L%.1f %.1f" fill="none" stroke="%s" stroke-width="9" '
            'stroke-linecap="round" stroke-linejoin="round"/>'
            '<circle cx="%.1f" cy="%.1f" r="5" fill="%s"/>\n' % (sx, sy, ex, ey, hx, hy, sleeve, hx, hy, skin)), (hx, hy)


def head(look, cx, cy, blink=False, mood="smile"):
    s = look["skin"]
    h = look["hair"]
    out = ""
    style = look["style"]
    if style == "long":
        out += '<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f L%.1f %.1f Z" fill="%s"/>' % (
            cx - 18, cy - 8, cx - 26, cy + 30, cx - 14, cy + 40, cx + 2, cy + 10, h)
    if style == "curly":
        out += "".join('<circle cx="%.1f" cy="%.1f" r="9" fill="%s"/>' % (cx + dx, cy + dy, h)
                       for dx, dy in ((-14, -10), (-6, -17), (5, -18), (14, -12), (-18, 0), (-16, 8)))
    out += '<circle cx="%.1f" cy="%.1f" r="19" fill="%s" stroke="%s" stroke-width="2.5"/>' % (cx, cy, s, INK)
    out += '<circle cx="%.1f" cy="%.1f" r="4" fill="%s" stroke="%s" stroke-width="1.5"/>' % (cx - 8, cy + 2, s, INK)
    if style == "short":
        out += '<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f Q%.1f %.1f %.1f %.1f Z" fill="%s"/>' % (
            cx - 19, cy + 2, cx - 20, cy - 24, cx + 4, cy - 20, cx + 20, cy - 16, cx + 17, cy - 6, h)
    elif style == "long":
        out += '<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f Q%.1f %.1f %.1f %.1f Q%.1f %.1f %.1f %.1f Z" fill="%s"/>' % (
            cx - 19, cy + 8, cx - 22, cy - 22, cx + 2, cy - 21, cx + 20, cy - 18, cx + 19, cy - 4,
            cx + 4, cy - 12, cx - 10, cy - 2, h)
    elif style == "cap":
        out += ('<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f Z" fill="#1b7a6e" stroke="%s" stroke-width="2"/>'
                '<path d="M%.1f %.1f L%.1f %.1f Q%.1f %.1f %.1f %.1f Z" fill="#1b7a6e" stroke="%s" stroke-width="2"/>'
                % (cx - 19, cy - 4, cx - 2, cy - 34, cx + 19, cy - 4, INK,
                   cx + 8, cy - 6, cx + 30, cy - 4, cx + 28, cy - 10, cx + 12, cy - 11, INK))
    elif style == "bun":
        out += ('<circle cx="%.1f" cy="%.1f" r="9" fill="%s" stroke="%s" stroke-width="1.5"/>'
                '<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f Q%.1f %.1f %.1f %.1f Z" fill="%s"/>'
                % (cx - 6, cy - 21, h, INK, cx - 19, cy + 4, cx - 18, cy - 22, cx + 3, cy - 19,
                   cx + 19, cy - 15, cx + 17, cy - 6, h))
    elif style == "curly":
        out += "".join('<circle cx="%.1f" cy="%.1f" r="7" fill="%s"/>' % (cx + dx, cy + dy, h)
                       for dx, dy in ((-12, -14), (-2, -18), (8, -16), (15, -9)))
    ex, ey = cx + 8, cy - 1
    if blink:
        out += '<path d="M%.1f %.1f l6 0" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % (ex - 3, ey, INK)
    else:
        out += '<circle cx="%.1f" cy="%.1f" r="2.6" fill="%s"/>' % (ex, ey, INK)
    if look["extra"] == "glasses":
        out += '<circle cx="%.1f" cy="%.1f" r="6" fill="none" stroke="%s" stroke-width="1.8"/>' % (ex, ey, INK)
        out += '<path d="M%.1f %.1f L%.1f %.1f" stroke="%s" stroke-width="1.8"/>' % (ex - 6, ey, cx - 10, ey - 2, INK)
    out += '<circle cx="%.1f" cy="%.1f" r="3" fill="#ff8fa3" opacity="0.55"/>' % (cx + 7, cy + 8)
    if mood == "smile":
        out += '<path d="M%.1f %.1f q5 5 10 -1" fill="none" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % (cx + 6, cy + 9, INK)
    elif mood == "chew":
        out += '<ellipse cx="%.1f" cy="%.1f" rx="3.5" ry="2.5" fill="%s"/>' % (cx + 11, cy + 11, INK)
    else:
        out += '<path d="M%.1f %.1f l8 0" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % (cx + 7, cy + 11, INK)
    return out + "\n"


def torso(look, top_y, bottom_y):
    x0, x1 = 44, 78
    out = '<rect x="%d" y="%.1f" width="%d" height="%.1f" rx="11" fill="%s" stroke="%s" stroke-width="2.5"/>' % (
        x0, top_y, x1 - x0, bottom_y - top_y, look["top"], INK)
    if look["bottom"] == "dress":
        out += '<path d="M%d %.1f L%d %.1f L%d %.1f L%d %.1f Z" fill="%s" stroke="%s" stroke-width="2.5"/>' % (
            x0, bottom_y - 14, x1, bottom_y - 14, x1 + 8, bottom_y + 16, x0 - 8, bottom_y + 16, look["top"], INK)
    if look["extra"] == "tie":
        out += '<path d="M64 %.1f l-4 6 l4 22 l4 -22 Z" fill="#e63946"/>' % (top_y + 2)
    if look["extra"] == "vest":
        out += '<rect x="48" y="%.1f" width="26" height="%.1f" rx="4" fill="#ffd60a" opacity="0.9"/>' % (
            top_y + 6, bottom_y - top_y - 12)
        out += '<path d="M48 %.1f L74 %.1f" stroke="#e0e0e0" stroke-width="3"/>' % (top_y + 22, top_y + 22)
    if look["extra"] == "cap":
        out += '<rect x="58" y="%.1f" width="12" height="8" rx="2" fill="#ffffff" opacity="0.7"/>' % (top_y + 12)
    return out + "\n"


def legs_colour(look):
    return look["skin"] if look["bottom"] == "dress" else look["bottom"]


def shadow(cx=60, cy=173, rx=26):
    return '<ellipse cx="%d" cy="%d" rx="%d" ry="5" fill="#000" opacity="0.18"/>\n' % (cx, cy, rx)


def walker(look, phase, hold=None, mood="smile"):
    """A walking figure facing right; hold is None, 'tray' or 'bag'."""
    swing = [24, 0, -24, 0][phase]
    bob = [0, -3, 0, -3][phase]
    lc = legs_colour(look)
    out = shadow()
    out += leg(56, 122 + bob, -swing, 50, lc, look["shoes"], knee=8 if swing < 0 else 0)
    if hold != "tray":
        out += arm(58, 82 + bob, swing * 0.8, 40, look["top"], look["skin"])[0]
    out += torso(look, 72 + bob, 126 + bob)
    out += leg(64, 122 + bob, swing, 50, lc, look["shoes"], knee=8 if swing > 0 else 0)
    out += head(look, 62, 46 + bob, mood=mood)
    if hold == "tray":
        # Both hands hold a tray at the waist with a steaming bowl on it.
        a, (hx, hy) = arm(66, 84 + bob, 60, 38, look["top"], look["skin"], elbow=-40)
        tray = ('<rect x="%.1f" y="%.1f" width="48" height="6" rx="2" fill="#8d5b3c" stroke="%s" stroke-width="1.8"/>'
                % (hx - 26, hy - 4, INK))
        tray += ('<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f Z" fill="#ffffff" stroke="%s" stroke-width="2"/>'
                 '<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f" fill="#ffe08a" stroke="#d4a017" stroke-width="1"/>'
                 % (hx - 17, hy - 18, hx - 2, hy + 8, hx + 13, hy - 18, INK,
                    hx - 14, hy - 18, hx - 2, hy - 24, hx + 10, hy - 18))
        tray += ('<path d="M%.1f %.1f q-4 -7 0 -14 M%.1f %.1f q4 -7 0 -14" stroke="#ffffff" stroke-width="2.5" '
                 'fill="none" opacity="0.85"/>' % (hx - 7, hy - 24 - (phase % 2) * 2, hx + 3, hy - 22 - ((phase + 1) % 2) * 2))
        out += tray + a
    elif hold == "bag":
        a, (hx, hy) = arm(66, 84 + bob, -swing * 0.8 + 5, 40, look["top"], look["skin"])
        out += a
        out += ('<path d="M%.1f %.1f L%.1f %.1f L%.1f %.1f L%.1f %.1f Z" fill="#c8a27a" stroke="%s" stroke-width="2"/>'
                '<path d="M%.1f %.1f q8 -10 16 0" fill="none" stroke="%s" stroke-width="2.2"/>'
                '<rect x="%.1f" y="%.1f" width="12" height="8" rx="1.5" fill="#e63946"/>'
                % (hx - 12, hy + 2, hx + 12, hy + 2, hx + 14, hy + 32, hx - 14, hy + 32, INK,
                   hx - 8, hy + 3, INK, hx - 6, hy + 14))
    else:
        out += arm(66, 84 + bob, -swing * 0.8, 40, look["top"], look["skin"])[0]
    return out


def queuer(look, frame):
    lc = legs_colour(look)
    bob = [0, -1][frame]
    out = shadow()
    out += leg(56, 122, 0, 50, lc, look["shoes"])
    out += arm(56, 82 + bob, -6, 40, look["top"], look["skin"])[0]
    out += torso(look, 72 + bob, 126)
    out += leg(64, 122, 3 if frame else 0, 50, lc, look["shoes"])
    out += head(look, 62, 46 + bob, blink=frame == 1, mood="flat")
    # Holding a phone while waiting.
    a, (hx, hy) = arm(66, 84 + bob, 150, 36, look["top"], look["skin"], elbow=-100)
    out += a + '<rect x="%.1f" y="%.1f" width="8" height="13" rx="2" fill="#1d3557"/>' % (hx + 1, hy - 12)
    if frame == 1:
        out += '<rect x="%.1f" y="%.1f" width="5" height="8" fill="#a8dadc"/>' % (hx + 2.5, hy - 10.5)
    return out + "\n"


def eater(look, frame):
    lc = legs_colour(look)
    out = shadow(66, 173, 24)
    # Seated: thighs forward, shins down.
    out += ('<path d="M54 128 L86 130 L88 168" fill="none" stroke="%s" stroke-width="11" stroke-linecap="round" '
            'stroke-linejoin="round"/><ellipse cx="92" cy="171" rx="9" ry="4.5" fill="%s"/>\n' % (lc, look["shoes"]))
    out += torso(look, 76, 132)
    out += ('<path d="M62 128 L92 130 L94 168" fill="none" stroke="%s" stroke-width="11" stroke-linecap="round" '
            'stroke-linejoin="round"/><ellipse cx="98" cy="171" rx="9" ry="4.5" fill="%s"/>\n' % (lc, look["shoes"]))
    out += head(look, 62, 50, blink=frame == 3, mood="chew" if frame in (1, 2) else "smile")
    # Bowl held in front.
    out += ('<path d="M84 104 Q96 120 108 104 Z" fill="#ffffff" stroke="%s" stroke-width="2"/>'
            '<path d="M87 104 Q96 98 105 104" fill="#ffe08a"/>' % INK)
    # Spoon hand travels from the bowl to the mouth.
    hands = [(96, 100), (90, 80), (80, 64), (92, 92)]
    hx, hy = hands[frame]
    out += ('<path d="M66 88 Q%.1f %.1f %.1f %.1f" fill="none" stroke="%s" stroke-width="9" stroke-linecap="round"/>'
            '<circle cx="%.1f" cy="%.1f" r="5" fill="%s"/>'
            '<path d="M%.1f %.1f L%.1f %.1f" stroke="#8d5b3c" stroke-width="2.5" stroke-linecap="round"/>'
            % ((66 + hx) / 2 + 6, (88 + hy) / 2 + 10, hx, hy, look["top"], hx, hy, look["skin"],
               hx, hy, hx + 9, hy - 8))
    if frame == 2:
        out += '<path d="M96 40 l4 -6 M102 46 l6 -3" stroke="#ffb703" stroke-width="2" stroke-linecap="round"/>'
    return out + "\n"


CUSTOMER_SCALE = 0.75


def customers():
    for i, look in enumerate(LOOKS):
        name = "Customers/Customer%02d" % (i + 1)
        poses = [("Queue", [queuer(look, f) for f in range(2)]),
                 ("Walk", [walker(look, f) for f in range(4)]),
                 ("Eat", [eater(look, f) for f in range(4)]),
                 ("Tray", [walker(look, f, "tray") for f in range(4)]),
                 ("Leave", [walker(look, f, "bag") for f in range(4)])]
        for pose, cells in poses:
            write_day_and_night("%s_%s" % (name, pose), CW * len(cells), CH, sheet(cells, CW, CH), CUSTOMER_SCALE)


# -------------------------------------------------------------------- stalls
STALLS = [
    # name, main colour, dark, light
    ("DRINKS", "#1aa6b7", "#0f6b77", "#c9f1f5"),
    ("NOODLES", "#e63946", "#9d1f2a", "#fde2e4"),
    ("NASI PADANG", "#3a9d4f", "#226b33", "#d8f3dc"),
    ("WESTERN", "#3d5a80", "#253a55", "#e0e7f1"),
    ("SATAY", "#f3722c", "#a8460f", "#ffe5d0"),
    ("CHICKEN RICE", "#f9c74f", "#b8860b", "#fff6d6"),
    ("PRATA", "#8e5cc7", "#5a3391", "#ece1fa"),
    ("DIM SUM", "#d35d8c", "#8f2f58", "#fbe0ec"),
]
SW, SH = 400, 340


def awning(x0, x1, y0, y1, colour, striped):
    w = x1 - x0
    out = '<path d="M%d %d L%d %d L%d %d L%d %d Z" fill="%s" stroke="%s" stroke-width="3"/>' % (
        x0 - 8, y1, x1 + 8, y1, x1 - 6, y0, x0 + 6, y0, colour, INK)
    if striped:
        n = 8
        for k in range(0, n, 2):
            a = x0 - 8 + (w + 16) * k / n
            b = x0 - 8 + (w + 16) * (k + 1) / n
            c = x0 + 6 + (w - 12) * (k + 1) / n
            d = x0 + 6 + (w - 12) * k / n
            out += '<path d="M%.1f %d L%.1f %d L%.1f %d L%.1f %d Z" fill="#fffaf0"/>' % (a, y1, b, y1, c, y0, d, y0)
    n = 8
    step = (w + 16) / n
    path = "M%d %d" % (x0 - 8, y1)
    for k in range(n):
        path += " q%.1f 20 %.1f 0" % (step / 2, step)
    out += '<path d="%s" fill="%s" stroke="%s" stroke-width="2.5"/>' % (path, colour, INK)
    if striped:
        for k in range(0, n, 2):
            cx = x0 - 8 + step * (k + 0.5) + step
            out += '<path d="M%.1f %d q%.1f 20 %.1f 0 Z" fill="#fffaf0"/>' % (cx - step / 2, y1 + 1, step / 2, step)
    return out + "\n"


def vendor(colour, serving, frame):
    out = ('<circle cx="200" cy="142" r="22" fill="#f1c27d" stroke="%s" stroke-width="2.5"/>'
           '<path d="M180 128 Q178 100 192 104 Q200 88 210 100 Q226 96 222 120 L222 128 Z" fill="#ffffff" stroke="%s" stroke-width="2.5"/>'
           '<circle cx="193" cy="142" r="2.6" fill="%s"/><circle cx="207" cy="142" r="2.6" fill="%s"/>'
           '<path d="M192 152 Q200 159 208 152" fill="none" stroke="%s" stroke-width="2.2" stroke-linecap="round"/>'
           '<rect x="170" y="164" width="60" height="70" rx="14" fill="#ffffff" stroke="%s" stroke-width="2.5"/>'
           '<rect x="186" y="176" width="28" height="50" rx="4" fill="%s"/>\n'
           % (INK, INK, INK, INK, INK, INK, colour))
    if serving:
        if frame == 0:
            out += '<path d="M226 180 Q246 170 252 150" fill="none" stroke="#ffffff" stroke-width="12" stroke-linecap="round"/>'
            out += '<circle cx="252" cy="148" r="7" fill="#f1c27d"/>'
        else:
            out += '<path d="M226 180 Q250 196 268 196" fill="none" stroke="#ffffff" stroke-width="12" stroke-linecap="round"/>'
            out += '<circle cx="270" cy="196" r="7" fill="#f1c27d"/>'
        out += '<path d="M174 180 Q160 196 166 214" fill="none" stroke="#ffffff" stroke-width="12" stroke-linecap="round"/>'
    else:
        out += '<path d="M226 180 Q236 200 230 214 M174 180 Q164 200 170 214" fill="none" stroke="#ffffff" stroke-width="12" stroke-linecap="round"/>'
    return out + "\n"


def steam(x, y, frame, colour="#ffffff"):
    dy = 6 * frame
    return ('<path d="M%d %d q-8 -10 0 -20 q8 -10 0 -20 M%d %d q-8 -10 0 -20 q8 -10 0 -20" fill="none" '
            'stroke="%s" stroke-width="4" stroke-linecap="round" opacity="0.8"/>\n'
            % (x - 8, y - dy, x + 8, y - 6 + dy, colour))


def stall_cell(t, band, state, frame):
    name, main, dark, light = STALLS[t - 1]
    out = ""
    # Posts and back panel.
    out += '<rect x="30" y="%d" width="340" height="170" fill="%s" stroke="%s" stroke-width="3"/>' % (80, light, INK)
    # Menu board on the back wall.
    out += '<rect x="52" y="104" width="90" height="56" rx="5" fill="#2f3e46" stroke="%s" stroke-width="3"/>' % INK
    out += "".join('<rect x="60" y="%d" width="%d" height="5" rx="2" fill="#f1faee" opacity="0.8"/>' % (114 + 12 * k, 60 - 12 * (k % 2))
                   for k in range(4))
    out += food(t, 310, 134, 1.3)
    out += vendor(main, state == 1, frame)
    out += '<rect x="24" y="70" width="14" height="190" fill="%s" stroke="%s" stroke-width="2.5"/>' % (dark, INK)
    out += '<rect x="362" y="70" width="14" height="190" fill="%s" stroke="%s" stroke-width="2.5"/>' % (dark, INK)
    # Awning and sign by band.
    if band == 0:
        out += awning(30, 370, 46, 86, main, False)
        out += '<rect x="120" y="8" width="160" height="36" rx="6" fill="#8d5b3c" stroke="%s" stroke-width="3"/>' % INK
        out += ('<text x="200" y="33" font-family="DejaVu Sans" font-weight="bold" font-size="%d" fill="#fff3d6" '
                'text-anchor="middle">%s</text>' % (22 if len(name) < 9 else 15, name))
    else:
        out += awning(30, 370, 50, 90, main, True)
        board_fill = "#5a3a22" if band == 1 else dark
        stroke = INK if band == 1 else "#ffd166"
        out += ('<rect x="70" y="2" width="260" height="46" rx="10" fill="%s" stroke="%s" stroke-width="%d"/>'
                % (board_fill, stroke, 3 if band == 1 else 5))
        out += ('<text x="200" y="34" font-family="DejaVu Sans" font-weight="bold" font-size="%d" fill="#fff3d6" '
                'text-anchor="middle">%s</text>' % (26 if len(name) < 9 else 21, name))
        if band == 2:
            bulbs = ["#ffd166", "#ef476f", "#06d6a0", "#118ab2"]
            for k in range(12):
                colour = bulbs[(k + frame) % 4] if state != 2 else "#555555"
                out += '<circle cx="%d" cy="%d" r="5" fill="%s" stroke="%s" stroke-width="1"/>' % (
                    40 + 29 * k, 96 if k % 2 else 100, colour, INK)
            for sx in (84, 316):
                out += ('<path d="M%d 25 l4 -9 l4 9 l9 1 l-7 6 l2 9 l-8 -5 l-8 5 l2 -9 l-7 -6 Z" fill="#ffd166"/>'
                        % (sx - 4, ))
    # Counter.
    out += '<rect x="16" y="226" width="368" height="108" rx="8" fill="%s" stroke="%s" stroke-width="3"/>' % (main, INK)
    out += '<rect x="10" y="218" width="380" height="18" rx="6" fill="%s" stroke="%s" stroke-width="3"/>' % (light, INK)
    out += '<rect x="16" y="236" width="368" height="10" fill="#000" opacity="0.12"/>'
    if band >= 1:
        out += "".join('<rect x="%d" y="256" width="50" height="64" rx="6" fill="%s" opacity="0.35"/>' % (40 + 66 * k, dark)
                       for k in range(5))
    else:
        out += '<rect x="60" y="256" width="280" height="60" rx="6" fill="%s" opacity="0.25"/>' % dark
    # Dishes on the counter.
    spots = [(90, 208), (310, 208)] if band == 0 else ([(70, 208), (150, 208), (310, 208)] if band == 1 else
                                                       [(60, 208), (130, 208), (270, 208), (340, 208)])
    for x, y in spots:
        out += food(t, x, y, 1.0 if band < 2 else 1.1)
    if band == 2:
        out += ('<ellipse cx="200" cy="290" rx="42" ry="26" fill="#fff3d6" stroke="#ffd166" stroke-width="4"/>'
                + food(t, 200, 292, 1.2))
        # Potted plant beside the counter.
        out += ('<rect x="372" y="300" width="24" height="34" rx="3" fill="#bc6c25" stroke="%s" stroke-width="2"/>'
                '<circle cx="384" cy="292" r="14" fill="#52b788" stroke="%s" stroke-width="2"/>' % (INK, INK))
    if state == 1:
        out += steam(110, 190, frame)
        out += steam(290, 190, 1 - frame)
        if frame == 1:
            out += food(t, 282, 192, 1.1)
    if state == 0 and frame == 1:
        # The idle sheet's second frame: the lamp by the awning blinks on.
        out += '<circle cx="352" cy="64" r="6" fill="#ffd166" opacity="0.9"/>'
    if state == 2:
        out += ('<g fill="#1b1b1b" opacity="0.55"><rect x="64" y="0" width="272" height="50" rx="10"/>'
                '<rect x="20" y="46" width="360" height="60"/><rect x="24" y="100" width="352" height="120"/>'
                '<rect x="8" y="216" width="384" height="120" rx="8"/></g>')
        out += ('<path d="M40 230 q30 -30 60 0 q30 -40 70 -4 q40 -34 80 0 q30 -30 60 0" fill="none" '
                'stroke="#111" stroke-width="8" opacity="0.7"/>')
        for k, x in enumerate((100, 200, 300)):
            y = 60 - 12 * ((k + frame) % 2)
            out += ('<g opacity="0.75"><circle cx="%d" cy="%d" r="22" fill="#6c757d"/><circle cx="%d" cy="%d" r="16" fill="#868e96"/>'
                    '<circle cx="%d" cy="%d" r="12" fill="#adb5bd"/></g>' % (x, y, x + 18, y - 18, x - 6, y - 34))
    return out + "\n"


def construction_cell(end, frame):
    out = ""
    out += '<rect x="30" y="80" width="340" height="170" fill="#f1e3c8" stroke="%s" stroke-width="3" stroke-dasharray="14 8"/>' % INK
    for x in (40, 200, 360):
        out += '<rect x="%d" y="40" width="12" height="294" fill="#c49a6c" stroke="%s" stroke-width="2"/>' % (x - 6, INK)
    for y in (70, 170, 270):
        out += '<rect x="20" y="%d" width="360" height="12" fill="#c49a6c" stroke="%s" stroke-width="2"/>' % (y, INK)
    out += '<path d="M46 82 L194 168 M206 82 L354 168 M46 182 L194 268" stroke="#a47148" stroke-width="6"/>'
    # Barrier.
    out += '<rect x="40" y="290" width="320" height="26" rx="4" fill="#ffffff" stroke="%s" stroke-width="2.5"/>' % INK
    out += "".join('<path d="M%d 290 l20 0 l-14 26 l-20 0 Z" fill="#f77f00"/>' % (54 + 40 * k) for k in range(8))
    for x in (30, 370):
        out += ('<path d="M%d 334 l14 -44 l14 44 Z" fill="#f77f00" stroke="%s" stroke-width="2"/>'
                '<rect x="%d" y="310" width="16" height="6" fill="#ffffff"/>' % (x - 14, INK, x - 8))
    if end:
        # The sign stands on top, above the stall's open menu.
        out += ('<rect x="100" y="4" width="200" height="40" rx="8" fill="#2a9d8f" stroke="%s" stroke-width="3"/>'
                '<text x="200" y="32" font-family="DejaVu Sans" font-weight="bold" font-size="22" fill="#ffffff" '
                'text-anchor="middle">OPENING!</text>' % INK)
        out += '<path d="M20 232 Q200 %d 380 232" fill="none" stroke="#e63946" stroke-width="8"/>' % (262 + 6 * frame)
        out += ('<path d="M190 246 l-18 22 l18 -6 l0 0 M210 246 l18 22 l-18 -6" fill="#e63946" stroke="#e63946" '
                'stroke-width="4"/><circle cx="200" cy="%d" r="10" fill="#e63946"/>' % (248 + 3 * frame))
    else:
        out += ('<rect x="90" y="4" width="220" height="40" rx="8" fill="#ffd60a" stroke="%s" stroke-width="3"/>'
                '<text x="200" y="30" font-family="DejaVu Sans" font-weight="bold" font-size="15" fill="%s" '
                'text-anchor="middle">UNDER CONSTRUCTION</text>' % (INK, INK))
        angle = -30 if frame == 0 else 10
        out += ('<g transform="rotate(%d 300 230)"><rect x="296" y="200" width="8" height="40" fill="#8d5b3c"/>'
                '<rect x="284" y="192" width="32" height="14" rx="3" fill="#6c757d" stroke="%s" stroke-width="2"/></g>'
                % (angle, INK))
        if frame == 1:
            out += '<path d="M318 200 l10 -10 M322 212 l14 -2 M316 190 l2 -14" stroke="#ffd166" stroke-width="3"/>'
    return out + "\n"


STALL_SCALE = 0.75


def stall_glow(state):
    """Night lamps of an open stall, over the darkened drawing."""
    if state == 2:
        return ""
    return "".join('  <g transform="translate(%d,0)"><ellipse cx="200" cy="150" rx="150" ry="80" fill="#ffd166" '
                   'opacity="0.22"/><ellipse cx="200" cy="225" rx="185" ry="16" fill="#fff3b0" opacity="0.35"/>'
                   '<circle cx="200" cy="70" r="9" fill="#fff3b0"/></g>\n' % (k * SW) for k in range(2))


def stalls():
    states = ["Idle", "Serving", "Burnt"]
    for t in range(1, 9):
        for band in range(3):
            for s, state in enumerate(states):
                write_day_and_night("Stalls/Stall%d_Band%d_%s" % (t, band, state), SW * 2, SH,
                                    sheet([stall_cell(t, band, s, f) for f in range(2)], SW, SH), STALL_SCALE,
                                    stall_glow(s))
    write("Stalls/Construction_Start.svg", SW * 2, SH, sheet([construction_cell(False, f) for f in range(2)], SW, SH),
          scale=STALL_SCALE)
    write("Stalls/Construction_End.svg", SW * 2, SH, sheet([construction_cell(True, f) for f in range(2)], SW, SH),
          scale=STALL_SCALE)


# -------------------------------------------------------------- tables, bins
def table():
    # 340 x 240: a square table seen from the front, four stools at the places.
    out = ""
    for x, y in ((20, 116), (320, 116), (20, 220), (320, 220)):
        out += ('<ellipse cx="%d" cy="%d" rx="26" ry="9" fill="#000" opacity="0.15"/>'
                '<rect x="%d" y="%d" width="8" height="26" fill="#6b4f3a"/>'
                '<ellipse cx="%d" cy="%d" rx="22" ry="9" fill="#e76f51" stroke="%s" stroke-width="2.5"/>\n'
                % (x, y + 12, x - 4, y - 14, x, y - 16, INK))
    out += '<ellipse cx="170" cy="214" rx="100" ry="16" fill="#000" opacity="0.18"/>'
    out += '<rect x="96" y="120" width="16" height="96" fill="#6b4f3a" stroke="%s" stroke-width="2"/>' % INK
    out += '<rect x="228" y="120" width="16" height="96" fill="#6b4f3a" stroke="%s" stroke-width="2"/>' % INK
    out += '<rect x="60" y="70" width="220" height="60" rx="14" fill="#c08552" stroke="%s" stroke-width="3"/>' % INK
    out += '<rect x="60" y="112" width="220" height="18" rx="6" fill="#8d5b3c" stroke="%s" stroke-width="3"/>' % INK
    out += '<rect x="78" y="80" width="184" height="10" rx="5" fill="#ffffff" opacity="0.25"/>'
    out += ('<rect x="158" y="74" width="24" height="16" rx="3" fill="#ffffff" stroke="%s" stroke-width="1.5"/>'
            '<rect x="163" y="68" width="5" height="8" fill="#e63946"/><rect x="171" y="66" width="5" height="10" fill="#2a9d8f"/>'
            % INK)
    write_day_and_night("Seats/Table", 340, 240, out + "\n")


def bin_art(open_):
    out = '<ellipse cx="60" cy="150" rx="42" ry="8" fill="#000" opacity="0.2"/>'
    out += '<path d="M24 52 L96 52 L88 148 L32 148 Z" fill="#2a9d8f" stroke="%s" stroke-width="3"/>' % INK
    out += "".join('<path d="M%d 62 L%d 140" stroke="#1b6f66" stroke-width="4"/>' % (x, x - (x - 60) // 8)
                   for x in (42, 60, 78))
    out += ('<path d="M48 96 l6 -10 l6 10 l-4 0 l0 12 l-4 0 l0 -12 Z" fill="#ffffff" opacity="0.85"/>'
            '<circle cx="60" cy="112" r="10" fill="none" stroke="#ffffff" stroke-width="3" opacity="0.85"/>')
    if open_:
        out += ('<g transform="rotate(-35 22 46)"><rect x="16" y="36" width="88" height="14" rx="5" fill="#21867a" '
                'stroke="%s" stroke-width="3"/><rect x="50" y="26" width="20" height="10" rx="3" fill="#21867a" '
                'stroke="%s" stroke-width="2.5"/></g>' % (INK, INK))
        out += '<ellipse cx="60" cy="54" rx="34" ry="6" fill="#123f3a"/>'
    else:
        out += ('<rect x="16" y="38" width="88" height="14" rx="5" fill="#21867a" stroke="%s" stroke-width="3"/>'
                '<rect x="50" y="28" width="20" height="10" rx="3" fill="#21867a" stroke="%s" stroke-width="2.5"/>'
                % (INK, INK))
    write("BackgroundArt/Bin_%s.svg" % ("Open" if open_ else "Closed"), 120, 160, out + "\n")


def plant(x, y, s=1.0):
    return ('<g transform="translate(%d,%d) scale(%.2f)"><ellipse cx="0" cy="40" rx="34" ry="8" fill="#000" opacity="0.18"/>'
            '<path d="M-24 0 L24 0 L18 40 L-18 40 Z" fill="#bc6c25" stroke="%s" stroke-width="3"/>'
            '<circle cx="-14" cy="-14" r="18" fill="#40916c"/><circle cx="12" cy="-18" r="20" fill="#52b788"/>'
            '<circle cx="0" cy="-34" r="18" fill="#74c69d"/><circle cx="-2" cy="-10" r="14" fill="#2d6a4f"/></g>\n'
            % (x, y, s, INK))


def floor():
    defs = ('    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#6ec6ff"/>'
            '<stop offset="1" stop-color="#d8f1ff"/></linearGradient>\n'
            '    <pattern id="tiles" width="80" height="80" patternUnits="userSpaceOnUse">'
            '<rect width="80" height="80" fill="#f3e2c3"/><rect width="40" height="40" fill="#e8d0a6"/>'
            '<rect x="40" y="40" width="40" height="40" fill="#e8d0a6"/></pattern>\n'
            '    <pattern id="deck" width="60" height="24" patternUnits="userSpaceOnUse">'
            '<rect width="60" height="24" fill="#d9a86c"/><rect width="60" height="3" fill="#b98550"/>'
            '<rect x="28" y="3" width="3" height="21" fill="#c4935b"/></pattern>\n')
    out = '<rect width="1600" height="900" fill="url(#tiles)"/>\n'
    # Back wall with windows onto the sky and a beam with string lights.
    out += '<rect width="1600" height="118" fill="#fbe3c4"/>\n'
    for k in range(6):
        x = 60 + 260 * k
        out += ('<rect x="%d" y="14" width="200" height="84" rx="8" fill="url(#sky)" stroke="#c98f5f" stroke-width="6"/>'
                '<ellipse cx="%d" cy="44" rx="40" ry="12" fill="#ffffff" opacity="0.9"/>'
                '<rect x="%d" y="14" width="6" height="84" fill="#c98f5f"/>\n' % (x, x + 60 + 40 * (k % 2), x + 97))
    out += '<rect y="112" width="1600" height="14" fill="#5a3a22"/>\n'
    out += '<path d="M0 132 Q400 160 800 132 Q1200 160 1600 132" fill="none" stroke="%s" stroke-width="3"/>\n' % INK
    colours = ["#ffd166", "#ef476f", "#06d6a0", "#118ab2"]
    bulbs = ""
    glow = ""
    for k in range(20):
        x = 40 + 80 * k
        t = (x % 800) / 800.0
        y = 132 + 28 * 4 * t * (1 - t) * 0.5 + 6
        bulbs += '<circle cx="%d" cy="%.1f" r="8" fill="%s"/>' % (x, y, colours[k % 4])
        glow += ('<circle cx="%d" cy="%.1f" r="22" fill="%s" opacity="0.25"/><circle cx="%d" cy="%.1f" r="8" fill="%s"/>'
                 % (x, y, colours[k % 4], x, y, colours[k % 4]))
    out += bulbs + "\n"
    # By night the windows show a dark sky with stars.
    for k in range(6):
        x = 60 + 260 * k
        glow += ('<rect x="%d" y="17" width="194" height="78" rx="6" fill="#14213d"/>'
                 '<rect x="%d" y="17" width="6" height="78" fill="#4a3b5c"/>' % (x + 3, x + 97))
        glow += "".join('<circle cx="%d" cy="%d" r="1.8" fill="#fff6d5"/>' % (x + 15 + (37 * j + 23 * k) % 170,
                                                                          24 + (29 * j + 11 * k) % 64)
                        for j in range(6))
    # The stall deck: a raised wooden platform along the back.
    out += '<rect y="126" width="1600" height="250" fill="url(#deck)"/>\n'
    out += '<rect y="368" width="1600" height="14" fill="#8d5b3c"/><rect y="382" width="1600" height="8" fill="#000" opacity="0.12"/>\n'
    # Entrances: doors at the left and right and a mat at the bottom.
    for x, flip in ((0, 1), (1600, -1)):
        out += ('<g transform="translate(%d,0) scale(%d,1)"><rect x="0" y="540" width="34" height="230" fill="#5a3a22"/>'
                '<rect x="0" y="556" width="22" height="198" fill="#9ad1f5" opacity="0.8"/>'
                '<rect x="38" y="590" width="70" height="130" rx="10" fill="#9d4e3a" stroke="#6b2f22" stroke-width="4"/>'
                '<rect x="48" y="600" width="50" height="110" rx="6" fill="none" stroke="#e9b44c" stroke-width="3"/>'
                '<path d="M62 635 l14 20 l-14 20" fill="none" stroke="#e9b44c" stroke-width="6" stroke-linecap="round"/></g>\n'
                % (x, flip))
    out += ('<rect x="690" y="838" width="220" height="62" rx="10" fill="#9d4e3a" stroke="#6b2f22" stroke-width="4"/>'
            '<rect x="700" y="846" width="200" height="54" rx="6" fill="none" stroke="#e9b44c" stroke-width="3"/>\n')
    out += ('<rect x="650" y="870" width="300" height="30" fill="#5a3a22"/>'
            '<text x="800" y="892" font-family="DejaVu Sans" font-weight="bold" font-size="20" fill="#fff3d6" '
            'text-anchor="middle">ENTRANCE</text>\n')
    # The front plants stand in the corners, clear of the corner tables and
    # stalls of every level.
    out += plant(60, 440) + plant(1540, 440) + plant(38, 862, 0.8) + plant(1562, 862, 0.8)
    write_day_and_night("BackgroundArt/FoodCourtFloor", 1600, 900, out, glow=glow + "\n", defs=defs)


# ------------------------------------------------------------------ markers
def markers():
    # Free places: a light dashed outline, quieter than what stands on them.
    out = ('<rect x="14" y="14" width="372" height="312" rx="26" fill="#ffffff" fill-opacity="0.16" stroke="#ffffff" '
           'stroke-opacity="0.75" stroke-width="7" stroke-dasharray="26 16"/>'
           '<path d="M200 130 L200 210 M160 170 L240 170" stroke="#ffffff" stroke-width="14" stroke-linecap="round" opacity="0.6"/>\n')
    write("UI/StallPlacement.svg", 400, 340, out)
    out = ('<ellipse cx="170" cy="120" rx="156" ry="100" fill="#ffffff" fill-opacity="0.14" stroke="#ffffff" '
           'stroke-opacity="0.7" stroke-width="6" stroke-dasharray="22 14"/>'
           '<path d="M170 92 L170 148 M142 120 L198 120" stroke="#ffffff" stroke-width="11" stroke-linecap="round" opacity="0.6"/>\n')
    write("UI/SeatPlacement.svg", 340, 240, out)
    out = '<circle cx="16" cy="16" r="12" fill="#ff006e" stroke="#ffffff" stroke-width="4"/>\n'
    write("UI/Waypoint.svg", 32, 32, out)


def shapes():
    # The plain square and circle the editor adds as blocks to build with:
    # one world unit wide at scale 1, light enough to take any tint.
    out = '<rect x="3" y="3" width="94" height="94" fill="#f4f4f4" stroke="#8a8a8a" stroke-width="6"/>\n'
    write("Shapes/Square.svg", 100, 100, out)
    out = '<circle cx="50" cy="50" r="47" fill="#f4f4f4" stroke="#8a8a8a" stroke-width="6"/>\n'
    write("Shapes/Circle.svg", 100, 100, out)


# ---------------------------------------------------------------------- HUD
def coin(x, y, r, fill="#ffd166", mark="$"):
    return ('<circle cx="%d" cy="%d" r="%d" fill="%s" stroke="#b5830f" stroke-width="%d"/>'
            '<circle cx="%d" cy="%d" r="%d" fill="none" stroke="#fff3c4" stroke-width="2" opacity="0.8"/>'
            '<text x="%d" y="%d" font-family="DejaVu Sans" font-weight="bold" font-size="%d" fill="#b5830f" '
            'text-anchor="middle">%s</text>' % (x, y, r, fill, max(2, r // 8), x, y, r - 6, x, y + r // 2 - 1,
                                                 int(r * 1.2), mark))


def heart(x, y, s, fill="#ef476f", broken=False):
    out = ('<g transform="translate(%d,%d) scale(%.2f)"><path d="M0 14 C-14 2 -26 -2 -24 -12 C-22 -26 -5 -26 0 -14 '
           'C5 -26 22 -26 24 -12 C26 -2 14 2 0 14 Z" fill="%s" stroke="#7a1c2b" stroke-width="3"/>' % (x, y, s, fill))
    out += '<ellipse cx="-11" cy="-14" rx="6" ry="4" fill="#ffffff" opacity="0.5"/>'
    if broken:
        out += '<path d="M0 -14 L-5 -4 L4 2 L-2 12" fill="none" stroke="#3d2a1a" stroke-width="3.5"/>'
    out += "</g>"
    return out


def wrench(x, y, s):
    return ('<g transform="translate(%d,%d) scale(%.2f) rotate(-45)"><rect x="-4" y="-4" width="8" height="34" rx="3" '
            'fill="#adb5bd" stroke="%s" stroke-width="2.5"/><path d="M-12 -14 A12 12 0 1 0 12 -14 L6 -14 L6 -4 L-6 -4 '
            'L-6 -14 Z" fill="#adb5bd" stroke="%s" stroke-width="2.5"/></g>' % (x, y, s, INK, INK))


def hud():
    # 1000 x 128: money, likes and the daily upkeep; the figures and the upkeep's
    # "/day" are texts of the scene.
    out = ('<rect x="6" y="10" width="988" height="112" rx="30" fill="#a4590f"/>'
           '<rect x="6" y="4" width="988" height="112" rx="30" fill="#fff3d6" stroke="#a4590f" stroke-width="6"/>\n')
    for x in (335, 665):
        out += '<rect x="%d" y="22" width="4" height="76" rx="2" fill="#e8c9a0"/>' % x
    out += coin(60, 60, 32)
    out += heart(390, 62, 1.35)
    out += '<circle cx="720" cy="60" r="32" fill="#dee2e6" stroke="%s" stroke-width="3"/>' % INK + wrench(708, 70, 1.1)
    write("HUD/StatsPanel.svg", 1000, 128, out + "\n")


# ------------------------------------------------------------- FX, bubbles
def bubble(inner, w=120, h=110):
    out = ('<path d="M16 6 H104 Q116 6 116 18 V72 Q116 84 104 84 H66 L50 104 L50 84 H16 Q4 84 4 72 V18 Q4 6 16 6 Z" '
           'fill="#ffffff" stroke="%s" stroke-width="4"/>\n' % INK)
    return out + inner + "\n"


def bubbles():
    write("FX/Bubble_Like.svg", 120, 110, bubble(heart(60, 48, 1.25)))
    write("FX/Bubble_Dislike.svg", 120, 110, bubble(
        '<circle cx="60" cy="45" r="26" fill="#ffd166" stroke="%s" stroke-width="3"/>'
        '<circle cx="51" cy="40" r="3.5" fill="%s"/><circle cx="69" cy="40" r="3.5" fill="%s"/>'
        '<path d="M47 60 Q60 49 73 60" fill="none" stroke="%s" stroke-width="3.5" stroke-linecap="round"/>'
        % (INK, INK, INK, INK)))
    write("FX/Bubble_Frustrated.svg", 120, 110, bubble(
        '<path d="M28 46 q8 -18 16 0 q8 18 16 0 q8 -18 16 0 q8 18 16 0" fill="none" stroke="#e63946" stroke-width="5"/>'
        '<path d="M36 28 l10 8 M84 28 l-10 8" stroke="%s" stroke-width="4" stroke-linecap="round"/>'
        '<path d="M40 66 l40 0" stroke="%s" stroke-width="4" stroke-linecap="round"/>' % (INK, INK)))
    write("FX/Bubble_Angry.svg", 120, 110, bubble(
        '<circle cx="60" cy="46" r="27" fill="#ef476f" stroke="%s" stroke-width="3"/>'
        '<path d="M44 36 l12 5 M76 36 l-12 5" stroke="%s" stroke-width="4" stroke-linecap="round"/>'
        '<circle cx="51" cy="45" r="3.5" fill="%s"/><circle cx="69" cy="45" r="3.5" fill="%s"/>'
        '<path d="M48 62 Q60 52 72 62" fill="none" stroke="%s" stroke-width="4" stroke-linecap="round"/>'
        '<path d="M86 20 q6 -6 0 -12 M94 24 q6 -6 0 -12" fill="none" stroke="#adb5bd" stroke-width="3"/>'
        % (INK, INK, INK, INK, INK)))
    write("FX/Bubble_NoTime.svg", 120, 110, bubble(
        '<circle cx="60" cy="45" r="27" fill="#f1faee" stroke="%s" stroke-width="4"/>'
        '<path d="M60 45 L60 28 M60 45 L73 52" stroke="%s" stroke-width="4" stroke-linecap="round"/>'
        '<path d="M86 22 l8 -8 M90 32 l10 -2" stroke="#e63946" stroke-width="4" stroke-linecap="round"/>' % (INK, INK)))
    write("FX/Bubble_NoSeats.svg", 120, 110, bubble(
        '<rect x="44" y="22" width="8" height="40" fill="#8d5b3c"/><rect x="44" y="44" width="34" height="8" fill="#8d5b3c"/>'
        '<rect x="70" y="44" width="8" height="24" fill="#8d5b3c"/><rect x="44" y="52" width="8" height="16" fill="#8d5b3c"/>'
        '<path d="M34 20 L86 72 M86 20 L34 72" stroke="#e63946" stroke-width="7" stroke-linecap="round"/>'))
    write("FX/Bubble_Trash.svg", 120, 110, bubble(
        '<path d="M44 30 L76 30 L72 70 L48 70 Z" fill="#adb5bd" stroke="%s" stroke-width="3"/>'
        '<rect x="40" y="24" width="40" height="7" rx="3" fill="#6c757d"/>'
        '<path d="M50 18 q-6 -8 0 -14 M62 18 q-6 -8 0 -14 M74 18 q-6 -8 0 -14" fill="none" stroke="#80b918" stroke-width="3"/>'
        % INK))
    write("FX/Bubble_Fire.svg", 120, 110, bubble(
        '<path d="M60 72 C36 72 36 46 50 32 C50 44 58 46 58 46 C56 30 64 22 70 14 C70 30 86 38 82 56 C80 66 72 72 60 72 Z" '
        'fill="#f77f00" stroke="#d62828" stroke-width="3"/><path d="M60 70 C50 70 50 58 58 50 C60 58 68 58 66 66 Z" fill="#ffd166"/>'))
    write("FX/Bubble_Preference.svg", 120, 110, bubble(
        '<text x="60" y="64" font-family="DejaVu Sans" font-weight="bold" font-size="50" fill="#118ab2" '
        'text-anchor="middle">?</text>'))
    for t in range(1, 9):
        write("FX/Bubble_Stall%d.svg" % t, 120, 110, bubble(
            '<circle cx="60" cy="45" r="32" fill="%s" opacity="0.35"/>' % STALLS[t - 1][1] + food(t, 60, 48, 1.35)))


def fx():
    # Floating amounts: the icon sits left of the centre; the number is the object's text.
    write("FX/CashPlus.svg", 100, 100, coin(50, 50, 30) +
          '<path d="M10 20 h18 M19 11 v18" stroke="#2b9348" stroke-width="7" stroke-linecap="round"/>\n')
    # Paid amounts carry their own minus sign in the text.
    write("FX/CashMinus.svg", 100, 100, coin(50, 50, 30, "#f4a3a3") + "\n")
    write("FX/HeartPlus.svg", 100, 100, heart(50, 54, 1.5) +
          '<path d="M10 20 h18 M19 11 v18" stroke="#2b9348" stroke-width="7" stroke-linecap="round"/>\n')
    write("FX/HeartBroken.svg", 100, 100, heart(50, 54, 1.5, "#9d4e5a", broken=True) + "\n")
    write("FX/Maintenance.svg", 100, 100, '<circle cx="50" cy="50" r="32" fill="#dee2e6" stroke="%s" stroke-width="3"/>'
          % INK + wrench(38, 60, 1.2) + '<path d="M8 20 h20" stroke="#d62828" stroke-width="7" stroke-linecap="round"/>\n')
    write("FX/NoMoney.svg", 260, 110,
          '<rect x="6" y="6" width="248" height="98" rx="22" fill="#ffffff" stroke="#d62828" stroke-width="5"/>'
          '<rect x="18" y="30" width="56" height="44" rx="8" fill="#8d5b3c" stroke="%s" stroke-width="3"/>'
          '<rect x="54" y="42" width="24" height="20" rx="5" fill="#b08968" stroke="%s" stroke-width="2"/>'
          '<path d="M30 80 q6 10 0 18 M44 80 q6 10 0 18" fill="none" stroke="#adb5bd" stroke-width="3"/>'
          '<text x="166" y="50" font-family="DejaVu Sans" font-weight="bold" font-size="24" fill="#d62828" '
          'text-anchor="middle">NOT ENOUGH</text>'
          '<text x="166" y="82" font-family="DejaVu Sans" font-weight="bold" font-size="24" fill="#d62828" '
          'text-anchor="middle">MONEY!</text>\n' % (INK, INK))
    write("FX/PriceTag.svg", 60, 60, coin(30, 30, 24) + "\n")
    write("FX/UpkeepTag.svg", 60, 60, '<circle cx="30" cy="30" r="24" fill="#dee2e6" stroke="%s" stroke-width="3"/>'
          % INK + wrench(22, 38, 0.85) + "\n")


if __name__ == "__main__":
    customers()
    stalls()
    table()
    bin_art(False)
    bin_art(True)
    floor()
    markers()
    shapes()
    hud()
    bubbles()
    fx()
