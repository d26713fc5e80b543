#!/usr/bin/env python3
"""Draws the grey look a stall or a table shows while the player carries it:
the first frame of its daytime idle art, desaturated, as a single column.
It reads the committed colour SVGs, so run it after the generators that
draw those. Its SVGs are committed and rendered by the build.

    python3 tools/art/make_gray_art.py
"""
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
STALL_TYPES = 8
FILTER = ('<defs><filter id="gray" color-interpolation-filters="sRGB">'
          '<feColorMatrix type="saturate" values="0"/></filter></defs>\n')
HEAD = re.compile(r'<svg [^>]*width="([\d.]+)" height="([\d.]+)" viewBox="0 0 ([\d.]+) ([\d.]+)">')


def first_frame_gray(source, target, columns):
    """Keeps the leftmost of `columns` cells (the view clips the rest)."""
    with open(os.path.join(HERE, source)) as f:
        text = f.read()
    head = HEAD.match(text)
    if not head:
        raise SystemExit("%s: no size and view box on the first line" % source)
    width, height, view_w, view_h = (float(v) for v in head.groups())
    body = text[head.end():text.rindex("</svg>")]
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="%g" height="%g" viewBox="0 0 %g %g">\n%s'
           '<g filter="url(#gray)">%s</g>\n</svg>\n'
           % (width / columns, height, view_w / columns, view_h, FILTER, body))
    with open(os.path.join(HERE, target), "w") as f:
        f.write(svg)


def main():
    for t in range(1, STALL_TYPES + 1):
        first_frame_gray("Stalls/Stall%d_Band0_Idle.svg" % t, "Stalls/Stall%d_Gray.svg" % t, 2)
    first_frame_gray("Seats/Table.svg", "Seats/Table_Gray.svg", 1)


if __name__ == "__main__":
    main()
