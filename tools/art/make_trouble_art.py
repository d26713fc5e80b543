#!/usr/bin/env python3
"""Draws the art of the food court's trouble: trash (and its grey drag look),
flames, a water splash, a fight cloud and the spark a click on it makes.
Same ink and palette as the food court art. Its SVGs are committed; the build
renders them to PNG like every other SVG under tools/art.

    python3 tools/art/make_trouble_art.py
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
INK = "#3d2a1a"
GREY = ('<filter id="grey"><feColorMatrix type="saturate" values="0"/>'
        '<feComponentTransfer><feFuncA type="linear" slope="0.8"/></feComponentTransfer></filter>\n')


def write(rel, width, height, body, defs=""):
    path = os.path.join(HERE, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            % (width, height, width, height))
    if defs:
        text += "<defs>\n" + defs + "</defs>\n"
    text += body + "</svg>\n"
    with open(path, "w") as f:
        f.write(text)


def sheet(cells, cw):
    return "".join('<g transform="translate(%d,0)">\n%s</g>\n' % (k * cw, c) for k, c in enumerate(cells))


def trash():
    """A takeaway box, a crumpled napkin, a cup on its side and spilt sauce."""
    return ((
        '<ellipse cx="60" cy="80" rx="50" ry="9" fill="#000" opacity="0.18"/>'
        '<path d="M22 70 Q30 62 44 66 Q58 60 70 68 Q84 64 96 72 Q80 80 58 78 Q36 80 22 70 Z" fill="#c8553d" opacity="0.8"/>'
        '<path d="M18 44 L62 38 L70 66 L26 74 Z" fill="#f1e3c6" stroke="%s" stroke-width="3"/>'
        '<path d="M18 44 L40 26 L82 22 L62 38 Z" fill="#e6d2a8" stroke="%s" stroke-width="3"/>'
        '<path d="M30 50 Q40 46 50 52" stroke="#b08968" stroke-width="2.5" fill="none"/>'
        '<circle cx="38" cy="58" r="3" fill="#80b918"/><circle cx="50" cy="60" r="2.5" fill="#e76f51"/>'
        '<g transform="rotate(-18 92 54)"><path d="M76 44 L108 44 L104 66 L80 66 Z" fill="#7fd1e8" stroke="%s" stroke-width="3"/>'
        '<rect x="73" y="39" width="38" height="6" rx="2" fill="#ffffff" stroke="%s" stroke-width="2.5"/>'
        '<path d="M98 39 L106 22" stroke="#e63946" stroke-width="3.5" stroke-linecap="round"/></g>'
        '<path d="M62 70 q6 -10 14 -4 q8 -8 12 2 q4 8 -6 10 q-10 4 -20 -8 Z" fill="#ffffff" stroke="%s" stroke-width="2.5"/>'
        '<path d="M68 70 l6 2 M78 68 l4 4" stroke="#adb5bd" stroke-width="2"/>\n') % ((INK,) * 5))


def flame(phase):
    """One frame of a stall fire: three tongues that lean and stretch."""
    out = '<ellipse cx="80" cy="170" rx="60" ry="10" fill="#3d2a1a" opacity="0.35"/>'
    for k, (x, h, w) in enumerate(((48, 95, 34), (80, 130, 44), (112, 100, 34))):
        lean = 10 * math.sin(phase * math.pi / 2 + k * 1.7)
        hh = h * (0.9 + 0.12 * math.sin(phase * math.pi / 2 + k))
        top, base = 172 - hh, 172
        for scale, colour in ((1.0, "#e63946"), (0.72, "#ff9f1c"), (0.42, "#ffe08a")):
            ww, th = w * scale, hh * scale
            t = base - th
            out += ('<path d="M%.1f %.1f Q%.1f %.1f %.1f %.1f Q%.1f %.1f %.1f %.1f Q%.1f %.1f %.1f %.1f Z" '
                    'fill="%s" stroke="%s" stroke-width="%s"/>'
                    % (x - ww / 2, base, x - ww * 0.7, t + th * 0.45, x + lean * scale, t,
                       x + ww * 0.7, t + th * 0.45, x + ww / 2, base, x, base + 6, x - ww / 2, base,
                       colour, INK if scale == 1.0 else "none", "3" if scale == 1.0 else "0"))
    # Sparks drifting up.
    for k in range(3):
        y = 40 + ((phase * 17 + k * 29) % 60)
        x = 40 + ((k * 41 + phase * 13) % 80)
        out += '<circle cx="%.1f" cy="%.1f" r="3" fill="#ffc93c"/>' % (x, y)
    return out + "\n"


def splash(phase):
    """One frame of a water splash: drops flying out, then fading."""
    out = ""
    r = 14 + 16 * phase
    alpha = 1.0 - 0.3 * phase
    out += '<ellipse cx="60" cy="78" rx="%.1f" ry="%.1f" fill="#7fd1e8" opacity="%.2f" stroke="#1d6fa3" stroke-width="2.5"/>' % (
        18 + 10 * phase, 6 + 2 * phase, alpha * 0.8)
    for k in range(7):
        a = math.pi * (0.12 + 0.76 * k / 6)
        x, y = 60 + math.cos(a) * r * 1.6, 70 - math.sin(a) * r * 1.8
        out += ('<path d="M%.1f %.1f q-7 10 0 14 q7 -4 0 -14 Z" fill="#48bfe3" stroke="#1d6fa3" stroke-width="2" opacity="%.2f"/>'
                % (x, y - 7, alpha))
    return out + "\n"


def cloud(phase):
    """One frame of the fight: a dust cloud with fists, a shoe and stars."""
    out = '<ellipse cx="110" cy="150" rx="80" ry="10" fill="#000" opacity="0.18"/>'
    puffs = [(60, 90, 42), (100, 66, 48), (148, 82, 44), (84, 118, 40), (138, 118, 42), (170, 108, 30), (40, 116, 28)]
    for k, (x, y, r) in enumerate(puffs):
        d = 4 * math.sin(phase * math.pi + k)
        out += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#e9e2d0" stroke="%s" stroke-width="3"/>' % (x + d, y - d, r, INK)
    for k, (x, y, r) in enumerate(puffs):
        out += '<circle cx="%.1f" cy="%.1f" r="%.1f" fill="#f6f1e4"/>' % (x, y - 2, r - 6)
    fx = 44 if phase == 0 else 36
    out += ('<g transform="translate(%d,70) rotate(%d)"><rect x="-14" y="-12" width="28" height="24" rx="9" fill="#f4c095" stroke="%s" stroke-width="3"/>'
            '<path d="M-6 -12 L-6 0 M2 -12 L2 0" stroke="%s" stroke-width="2"/></g>' % (fx, -20 if phase == 0 else 10, INK, INK))
    out += ('<g transform="translate(%d,60) rotate(%d)"><rect x="-14" y="-12" width="28" height="24" rx="9" fill="#8d5b3c" stroke="%s" stroke-width="3"/>'
            '<path d="M-6 -12 L-6 0 M2 -12 L2 0" stroke="%s" stroke-width="2"/></g>' % (184 if phase == 0 else 192, 15 if phase == 0 else -25, INK, INK))
    out += ('<path d="M%d 128 l30 0 q6 0 6 8 l-40 0 q-2 -8 4 -8 Z" fill="#264653" stroke="%s" stroke-width="2.5"/>'
            % (150 if phase == 0 else 56, INK))
    for k, (x, y) in enumerate(((100, 40), (64, 48), (150, 44))):
        s = 10 if (k + phase) % 2 == 0 else 7
        pts = " ".join("%.1f,%.1f" % (x + math.cos(a) * (s if i % 2 == 0 else s / 2.4),
                                       y + math.sin(a) * (s if i % 2 == 0 else s / 2.4))
                       for i, a in enumerate(math.pi * j / 5 - math.pi / 2 for j in range(10)))
        out += '<polygon points="%s" fill="#ffc93c" stroke="%s" stroke-width="2"/>' % (pts, INK)
    out += ('<text x="110" y="104" font-family="DejaVu Sans" font-weight="bold" font-size="26" text-anchor="middle" '
            'fill="#e63946" stroke="%s" stroke-width="1">%s</text>' % (INK, "#@!" if phase == 0 else "%&amp;!"))
    return out + "\n"


def spark():
    """The burst a click on the fight cloud makes."""
    pts = " ".join("%.1f,%.1f" % (50 + math.cos(a) * (44 if i % 2 == 0 else 20), 50 + math.sin(a) * (44 if i % 2 == 0 else 20))
                   for i, a in enumerate(math.pi * j / 7 for j in range(14)))
    return ('<polygon points="%s" fill="#ffe08a" stroke="%s" stroke-width="3"/>'
            '<text x="50" y="59" font-family="DejaVu Sans" font-weight="bold" font-size="22" text-anchor="middle" '
            'fill="#e63946">POW</text>\n' % (pts, INK))


def main():
    write("Trouble/Trash.svg", 120, 90, trash())
    write("Trouble/Trash_Gray.svg", 120, 90, '<g filter="url(#grey)">\n' + trash() + "</g>\n", GREY)
    write("Trouble/Flames.svg", 4 * 160, 190, sheet([flame(k) for k in range(4)], 160))
    write("Trouble/WaterSplash.svg", 3 * 120, 100, sheet([splash(k / 2.0) for k in range(3)], 120))
    write("Trouble/FightCloud.svg", 2 * 220, 170, sheet([cloud(k) for k in range(2)], 220))
    write("Trouble/FightSpark.svg", 100, 100, spark())


if __name__ == "__main__":
    main()
