#!/usr/bin/env python3
"""Draws the art of the later levels' courts: the raised upper floor of
Level3 (a wooden deck on pillars with a rail along the back and a flight of
stairs down each side), by day and by night. Its SVGs are committed and
rendered by the build.

    python3 tools/art/make_level_art.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_food_court_art as base  # noqa: E402

INK = base.INK

# Size in pixels; one world unit is one pixel (the level scales it by 6.2 x 3.6).
# The boards run deep enough to hold the queues of the deck's stalls.
WIDTH, HEIGHT = 620, 360
TOP, FRONT, FACE = 22, 310, 40  # deck surface from TOP to FRONT, then its front face
LEFT, RIGHT = 60, 560


def stairs(flip):
    """A flight from the deck's side down to the floor; flip mirrors it."""
    out = '<g transform="translate(%d,0) scale(%d,1)">' % (0 if flip == 1 else WIDTH, flip)
    steps = 7
    for k in range(steps):
        y = 130 + k * 24
        out += ('<rect x="2" y="%d" width="%d" height="24" fill="#d9a86c" stroke="#8d5b3c" stroke-width="3"/>'
                '<rect x="2" y="%d" width="%d" height="5" fill="#b98550"/>' % (y, LEFT + 2, y + 19, LEFT + 2))
    out += ('<rect x="0" y="118" width="8" height="182" rx="3" fill="#8d5b3c"/>'
            '<path d="M4 118 L4 296" stroke="%s" stroke-width="2"/></g>\n' % INK)
    return out


def upper_floor():
    defs = ('    <pattern id="boards" width="60" height="24" patternUnits="userSpaceOnUse">'
            '<rect width="60" height="24" fill="#e2b47a"/><rect width="60" height="3" fill="#c08a52"/>'
            '<rect x="28" y="3" width="3" height="21" fill="#cd9a62"/></pattern>\n')
    out = ""
    # Shadow on the floor below the deck.
    out += '<rect x="%d" y="%d" width="%d" height="14" rx="7" fill="#000" opacity="0.16"/>\n' % (
        LEFT + 6, FRONT + FACE - 4, RIGHT - LEFT - 12)
    # The deck surface and its front face on pillars.
    out += ('<rect x="%d" y="%d" width="%d" height="%d" fill="url(#boards)" stroke="#8d5b3c" stroke-width="4"/>\n'
            % (LEFT, TOP, RIGHT - LEFT, FRONT - TOP))
    out += ('<rect x="%d" y="%d" width="%d" height="%d" fill="#9d6a43" stroke="#5a3a22" stroke-width="4"/>\n'
            % (LEFT, FRONT, RIGHT - LEFT, FACE))
    for k in range(6):
        x = LEFT + 18 + k * (RIGHT - LEFT - 50) // 5
        out += '<rect x="%d" y="%d" width="14" height="%d" fill="#7a4d2e"/>' % (x, FRONT + 4, FACE - 8)
    out += '\n<rect x="%d" y="%d" width="%d" height="6" fill="#ffd166"/>\n' % (LEFT, FRONT - 3, RIGHT - LEFT)
    # Rail along the back and down the sides as far as the stairs.
    out += '<rect x="%d" y="%d" width="%d" height="8" rx="4" fill="#5a3a22"/>\n' % (LEFT - 4, TOP - 20, RIGHT - LEFT + 8)
    for k in range(21):
        out += '<rect x="%d" y="%d" width="5" height="22" fill="#7a4d2e"/>' % (LEFT + k * (RIGHT - LEFT - 5) // 20, TOP - 16)
    out += "\n"
    for x in (LEFT - 4, RIGHT - 4):
        out += '<rect x="%d" y="%d" width="8" height="%d" rx="4" fill="#5a3a22"/>' % (x, TOP - 20, 112)
    out += "\n" + stairs(1) + stairs(-1)
    # A sign on the front face.
    out += ('<rect x="%d" y="%d" width="150" height="30" rx="8" fill="#fff3d6" stroke="%s" stroke-width="3"/>'
            '<text x="%d" y="%d" font-family="DejaVu Sans" font-weight="bold" font-size="17" fill="%s" '
            'text-anchor="middle">UPPER FLOOR</text>\n' % (WIDTH // 2 - 75, FRONT + 5, INK, WIDTH // 2, FRONT + 26, INK))
    glow = ('<rect x="%d" y="%d" width="%d" height="6" fill="#ffd166"/>\n' % (LEFT, FRONT - 3, RIGHT - LEFT))
    base.write_day_and_night("BackgroundArt/UpperFloor", WIDTH, HEIGHT, out, glow=glow, defs=defs)


def main():
    upper_floor()


if __name__ == "__main__":
    main()
