#!/usr/bin/env python3
"""Draws the art of building and the level's sky: build buttons (with their
grey look when the money does not cover them), the stall menu and its
buttons, the upgrade bar and sparkle, the after-image hint, clouds and cash
clouds, the moon and the night sky, the speed buttons and the statistics
panel with its tabs. Its SVGs are committed and rendered by the build.

    python3 tools/art/make_building_art.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_food_court_art as base  # noqa: E402

INK = base.INK
write = base.write
GREY_FILTER = ('    <filter id="grey" color-interpolation-filters="sRGB"><feColorMatrix type="matrix" '
               'values="0.3 0.45 0.15 0 0.08  0.3 0.45 0.15 0 0.08  0.3 0.45 0.15 0 0.08  0 0 0 0.85 0"/></filter>\n')


def card(inner, w, h, fill="#fff3d6", edge="#a4590f", lift=6):
    return ('<rect x="4" y="%d" width="%d" height="%d" rx="18" fill="%s"/>'
            '<rect x="4" y="4" width="%d" height="%d" rx="18" fill="%s" stroke="%s" stroke-width="5"/>\n%s\n'
            % (4 + lift, w - 8, h - 8 - lift, edge, w - 8, h - 8 - lift, fill, edge, inner))


def button_set(rel, w, h, inner, fill="#fff3d6", hover="#ffe8a3", edge="#a4590f", grey=True):
    """Default, hover and (when asked) grey looks of one button."""
    write(rel + "_Default.svg", w, h, card(inner, w, h, fill, edge))
    write(rel + "_Hover.svg", w, h, card(inner, w, h, hover, edge))
    if grey:
        write(rel + "_Grey.svg", w, h, '  <g filter="url(#grey)">\n' + card(inner, w, h, fill, edge) + "  </g>\n",
              GREY_FILTER)


def build_buttons():
    for t in range(1, 9):
        colour = base.STALLS[t - 1][1]
        inner = ('<rect x="16" y="14" width="108" height="14" rx="6" fill="%s"/>' % colour +
                 base.food(t, 70, 70, 1.6))
        button_set("UI/Build/BuildStall%d" % t, 140, 120, inner)
    table = ('<ellipse cx="70" cy="64" rx="46" ry="24" fill="#c68b59" stroke="%s" stroke-width="4"/>'
             '<rect x="62" y="72" width="16" height="28" fill="#8d5b3c"/>'
             '<circle cx="22" cy="64" r="11" fill="#e76f51"/><circle cx="118" cy="64" r="11" fill="#e76f51"/>' % INK)
    button_set("UI/Build/BuildSeat", 140, 120, table)


def menu():
    # The stall menu: a card above the stall with room for level, earnings,
    # likes, the upgrade and sell buttons and their prices.
    out = card('<text x="30" y="52" font-family="DejaVu Sans" font-weight="bold" font-size="26" fill="%s">Lv</text>'
               % INK + base.coin(120, 92, 14) + base.heart(122, 126, 0.55), 220, 200)
    write("UI/Menu/UpgradeMenu.svg", 220, 200, out)
    # The upgrade and sell buttons are wide and low, as the menu shows them
    # between its badges; their icons sit in the middle of the face.
    arrow = ('<g transform="translate(75 27) scale(0.75) translate(-50 -39)"><path d="M40 62 L40 40 L28 40 L50 16 '
             'L72 40 L60 40 L60 62 Z" fill="#2b9348" stroke="%s" stroke-width="3"/></g>' % INK)
    button_set("UI/Menu/Upgrade", 150, 60, arrow, "#d8f3dc", "#b7e4c7", "#2b9348")
    sell = ('<g transform="translate(75 27) scale(0.75) translate(-60 -38)">' + base.coin(50, 38, 20) +
            '<path d="M76 24 L90 38 L76 52" fill="none" stroke="#d62828" stroke-width="5"/></g>')
    button_set("UI/Menu/Sell", 150, 60, sell, "#ffe5e5", "#ffc9c9", "#d62828", grey=False)
    cross = '<path d="M18 18 L42 42 M42 18 L18 42" stroke="#ffffff" stroke-width="7" stroke-linecap="round"/>'
    button_set("UI/Menu/Close", 60, 60, cross, "#e63946", "#ff6b6b", "#9d0208", grey=False)
    write("UI/Menu/UpgradeBarBacking.svg", 200, 30,
          '<rect x="2" y="2" width="196" height="26" rx="12" fill="#3d2a1a" stroke="#fff3d6" stroke-width="3"/>\n')
    write("UI/Menu/UpgradeBar.svg", 200, 30, '<rect x="0" y="0" width="200" height="30" rx="10" fill="#80b918"/>'
          '<rect x="0" y="3" width="200" height="8" rx="4" fill="#ffffff" opacity="0.35"/>\n')


def pills():
    """Badges behind the menu's figures: an icon on the left, the figure is the object's text."""
    def pill(rel, icon, fill, edge):
        write(rel, 180, 56, '<rect x="3" y="3" width="174" height="50" rx="25" fill="%s" stroke="%s" stroke-width="4"/>'
              % (fill, edge) + icon + "\n")
    pill("UI/Menu/Pill_Level.svg", '<text x="30" y="38" font-family="DejaVu Sans" font-weight="bold" font-size="24" '
         'fill="%s" text-anchor="middle">Lv</text>' % INK, "#fff3d6", "#a4590f")
    pill("UI/Menu/Pill_Coin.svg", base.coin(28, 28, 18), "#fff3d6", "#a4590f")
    pill("UI/Menu/Pill_Heart.svg", base.heart(28, 30, 0.75), "#fff3d6", "#a4590f")
    pill("UI/Menu/Pill_Price.svg", base.coin(28, 28, 18), "#d8f3dc", "#2b9348")
    pill("UI/Menu/Pill_Sell.svg", base.coin(28, 28, 18), "#ffe5e5", "#d62828")


def sparkle_cell(k):
    out = ""
    r = 20 + k * 22
    for i in range(8):
        import math
        a = i * math.pi / 4 + k * 0.2
        x, y = 100 + math.cos(a) * r, 100 + math.sin(a) * r
        out += ('<path d="M%.0f %.0f l6 -14 l6 14 l14 6 l-14 6 l-6 14 l-6 -14 l-14 -6 Z" fill="#ffd166" '
                'stroke="#f77f00" stroke-width="2" opacity="%.2f"/>' % (x - 6, y - 6, 1.0 - k * 0.2))
    return "  " + out + "\n"


def effects():
    write("FX/UpgradeEffect.svg", 800, 200, base.sheet([sparkle_cell(k) for k in range(4)], 200, 200))
    coins = lambda k: "  " + "".join(base.coin(40 + 60 * i, 30 + 40 * k + (i % 2) * 20, 18) for i in range(4)) + "\n"
    write("FX/CashFlow.svg", 1000, 200, base.sheet([coins(k) for k in range(4)], 250, 200))
    write("FX/NoStalls.svg", 300, 110, card(
        '<text x="150" y="62" font-family="DejaVu Sans" font-weight="bold" font-size="30" fill="#d62828" '
        'text-anchor="middle">Build a stall first</text>', 300, 110, "#ffffff", "#d62828"))
    write("UI/AfterImage.svg", 40, 40, '<rect x="0" y="0" width="40" height="40" fill="#ffffff" opacity="0.5"/>\n')


def cloud_shape(fill, edge, extra=""):
    return ('<g fill="%s" stroke="%s" stroke-width="6"><circle cx="90" cy="100" r="50"/><circle cx="160" cy="70" r="62"/>'
            '<circle cx="235" cy="100" r="48"/><rect x="70" y="100" width="190" height="50" rx="25"/></g>'
            '<g fill="%s"><circle cx="90" cy="100" r="46"/><circle cx="160" cy="70" r="58"/><circle cx="235" cy="100" r="44"/>'
            '<rect x="74" y="100" width="182" height="46" rx="23"/></g>%s\n' % (fill, edge, fill, extra))


def sky():
    # Ordinary clouds are scaled evenly: a square sheet keeps their shape.
    write("BackgroundArt/Cloud.svg", 320, 320, '<g transform="translate(0,75)">' + cloud_shape("#ffffff", "#dbe9f4") + "</g>\n")
    money = base.coin(130, 100, 26) + base.coin(190, 96, 26)
    write("BackgroundArt/Cloud_Money.svg", 320, 170, cloud_shape("#fff7d1", "#f4c430", money))
    write("BackgroundArt/Cloud_Money_Hover.svg", 320, 170, cloud_shape("#fff0a8", "#ff9f1c", money))
    write("BackgroundArt/Clear.svg", 8, 8, "")
    write("BackgroundArt/Moon.svg", 120, 120, '<circle cx="60" cy="60" r="50" fill="#fff3c4" stroke="#e9c46a" '
          'stroke-width="5"/><circle cx="42" cy="48" r="9" fill="#f1e2a4"/><circle cx="72" cy="76" r="12" '
          'fill="#f1e2a4"/>\n')
    # The skylight band above the stalls: blue by day, starry by night.
    write("BackgroundArt/Sky.svg", 1600, 120, '<rect width="1600" height="120" fill="#8ecae6"/>'
          '<rect y="100" width="1600" height="20" fill="#a4590f"/>\n')
    stars = "".join('<circle cx="%d" cy="%d" r="%d" fill="#ffffff"/>' % ((i * 197) % 1600, 12 + (i * 53) % 80, 2 + i % 2)
                    for i in range(40))
    write("BackgroundArt/Sky_Night.svg", 1600, 120, '<rect width="1600" height="120" fill="#14213d"/>' + stars +
          '<rect y="100" width="1600" height="20" fill="#5c3208"/>\n')


def speed():
    for n, label in ((1, "1x"), (2, "2x"), (4, "4x")):
        text = ('<text x="30" y="40" font-family="DejaVu Sans" font-weight="bold" font-size="24" fill="%s" '
                'text-anchor="middle">%s</text>' % (INK, label))
        button_set("UI/Speed/Speed%d" % n, 60, 60, text, grey=False)
        # On a dark plate: clouds pass behind it.
        write("UI/Speed/SpeedMult%d.svg" % n, 60, 40, '<rect x="3" y="3" width="54" height="34" rx="10" fill="%s" '
              'opacity="0.85"/><text x="30" y="30" font-family="DejaVu Sans" font-weight="bold" font-size="28" '
              'fill="#ffd166" text-anchor="middle">x%d</text>\n' % (INK, n))
    write("UI/Speed/SpeedIndicator.svg", 40, 20, '<path d="M4 16 L20 2 L36 16 Z" fill="#ffd166" stroke="%s" '
          'stroke-width="3"/>\n' % INK)
    ff = '<path d="M18 16 L36 30 L18 44 Z M36 16 L54 30 L36 44 Z" fill="#118ab2" stroke="%s" stroke-width="3"/>' % INK
    button_set("UI/Speed/FastForward", 72, 60, ff, grey=False)


def stats_panel():
    out = card("", 460, 300)
    for i, (y, label) in enumerate(((110, "Customers served"), (170, "Gross revenue"), (230, "Average wait (s)"))):
        out += ('<text x="30" y="%d" font-family="DejaVu Sans" font-size="26" fill="%s">%s</text>' % (y, INK, label))
    write("UI/Stats/StatsPanel.svg", 460, 300, out)
    out = card('<text x="30" y="110" font-family="DejaVu Sans" font-size="26" fill="%s">Money goal</text>'
               '<text x="30" y="200" font-family="DejaVu Sans" font-size="26" fill="%s">Likes goal</text>'
               '<rect x="30" y="124" width="400" height="34" rx="12" fill="#3d2a1a"/>'
               '<rect x="30" y="214" width="400" height="34" rx="12" fill="#3d2a1a"/>' % (INK, INK), 460, 300)
    write("UI/Stats/GoalsPanel.svg", 460, 300, out)
    for name, label in (("Figures", "Figures"), ("Goals", "Goals")):
        text = ('<text x="80" y="38" font-family="DejaVu Sans" font-weight="bold" font-size="22" fill="%s" '
                'text-anchor="middle">%s</text>' % (INK, label))
        button_set("UI/Stats/Tab%s" % name, 160, 60, text, grey=False)
    chart = ('<rect x="18" y="34" width="10" height="14" fill="#118ab2"/><rect x="32" y="24" width="10" height="24" '
             'fill="#2b9348"/><rect x="46" y="14" width="10" height="34" fill="#e63946"/>')
    button_set("UI/Stats/StatsButton", 74, 64, chart, grey=False)
    write("UI/Stats/GoalBar.svg", 200, 30, '<rect width="200" height="30" rx="10" fill="#ffd166"/>\n')


def main():
    build_buttons()
    menu()
    pills()
    effects()
    sky()
    speed()
    stats_panel()


if __name__ == "__main__":
    main()
