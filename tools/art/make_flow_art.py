#!/usr/bin/env python3
"""Draws the art of missions, summaries, pause, mail and options in the
style of the menus: warm wooden boards, rounded orange buttons, brown ink.
Its SVGs are committed; the build renders them like every SVG here.

    python3 tools/art/make_flow_art.py
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
INK = "#3d2a1a"
WOOD = "#7a4a2a"


def write(rel, width, height, body, defs=""):
    path = os.path.join(HERE, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            % (width, height, width, height))
    if defs:
        text += "  <defs>\n" + defs + "  </defs>\n"
    text += body + "</svg>\n"
    with open(path, "w") as f:
        f.write(text)


def gradient(name, top, bottom):
    return ('    <linearGradient id="%s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="%s"/>'
            '<stop offset="1" stop-color="%s"/></linearGradient>\n' % (name, top, bottom))


def board(rel, w, h, title_band=False):
    """A cream board in a wooden frame, like the credits panel."""
    body = ('  <rect x="14" y="22" width="%d" height="%d" rx="36" fill="#000000" opacity="0.25"/>\n'
            '  <rect x="6" y="6" width="%d" height="%d" rx="36" fill="%s"/>\n'
            '  <rect x="28" y="28" width="%d" height="%d" rx="24" fill="url(#board)"/>\n'
            '  <rect x="28" y="28" width="%d" height="%d" rx="24" fill="none" stroke="#e0b070" '
            'stroke-width="5" stroke-dasharray="16 10"/>\n'
            % (w - 20, h - 28, w - 20, h - 28, WOOD, w - 64, h - 72, w - 64, h - 72))
    if title_band:
        body += ('  <rect x="%d" y="10" width="%d" height="54" rx="20" fill="#e8743b" stroke="%s" stroke-width="4"/>\n'
                 % (w // 4, w // 2, WOOD))
    write(rel, w, h, body, gradient("board", "#fff6e0", "#f5dfb3"))


def button(rel, top, bottom, edge, icon="", w=120, h=120):
    body = ('  <rect x="8" y="14" width="%d" height="%d" rx="24" fill="%s"/>\n'
            '  <rect x="8" y="8" width="%d" height="%d" rx="24" fill="url(#face)" stroke="%s" stroke-width="4"/>\n'
            '  <rect x="22" y="16" width="%d" height="16" rx="8" fill="#ffffff" opacity="0.35"/>\n'
            % (w - 16, h - 22, edge, w - 16, h - 22, edge, w - 44)) + icon
    write(rel, w, h, body, gradient("face", top, bottom))


def three_looks(name, icon, w=120, h=120, colours=(("#ffd97a", "#f4a52a", "#a4590f"),
                                                    ("#ffe9a8", "#f7b84a", "#a4590f"),
                                                    ("#f4a52a", "#d4861a", "#7a420a"))):
    for look, (top, bottom, edge) in zip(("Default", "Hover", "Pressed"), colours):
        button("UI/%s_%s.svg" % (name, look), top, bottom, edge, icon, w, h)


def star_path(cx, cy, outer, inner):
    pts = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        a = math.pi / 2 + i * math.pi / 5
        pts.append("%.1f,%.1f" % (cx + r * math.cos(a), cy - r * math.sin(a)))
    return " ".join(pts)


def stars():
    looks = {"Inactive": ("#c9bfae", "#8f8574"), "Active": ("#ffe066", "#e89a1c"),
             "Completed": ("#ffd23f", "#f08a00")}
    for name, (fill, edge) in looks.items():
        body = ('  <circle cx="64" cy="68" r="56" fill="#000000" opacity="0.2"/>\n'
                '  <circle cx="64" cy="62" r="56" fill="%s" stroke="%s" stroke-width="6"/>\n'
                '  <polygon points="%s" fill="%s" stroke="%s" stroke-width="5" stroke-linejoin="round"/>\n'
                % ("#fff3d6" if name != "Inactive" else "#e6e0d6", WOOD, star_path(64, 64, 44, 19), fill, edge))
        if name == "Completed":
            body += '  <path d="M44 66 L58 80 L86 48" fill="none" stroke="#2f8a3a" stroke-width="10" stroke-linecap="round" stroke-linejoin="round"/>\n'
        write("Mission/Mission_Star_%s.svg" % name, 128, 128, body)
    # The bar behind a star's progress and its filling.
    write("Mission/ProgressBar_Outer.svg", 40, 200,
          '  <rect x="4" y="4" width="32" height="192" rx="14" fill="#fff3d6" stroke="%s" stroke-width="6"/>\n' % WOOD)
    write("Mission/ProgressBar_Inner.svg", 24, 180,
          '  <rect x="0" y="0" width="24" height="180" rx="10" fill="url(#fill)"/>\n',
          '    <linearGradient id="fill" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#7fd36b"/>'
          '<stop offset="1" stop-color="#3aa04a"/></linearGradient>\n')
    write("Mission/PopUp.svg", 160, 80,
          '  <rect x="4" y="4" width="152" height="62" rx="18" fill="#fff3d6" stroke="%s" stroke-width="5"/>\n'
          '  <polygon points="70,64 90,64 80,78" fill="%s"/>\n' % (WOOD, WOOD))
    write("Mission/CheckBox.svg", 64, 64,
          '  <rect x="6" y="6" width="52" height="52" rx="10" fill="#ffffff" stroke="%s" stroke-width="6"/>\n' % WOOD)
    write("Mission/Tick.svg", 64, 64,
          '  <path d="M12 34 L28 50 L56 12" fill="none" stroke="#2f8a3a" stroke-width="11" '
          'stroke-linecap="round" stroke-linejoin="round"/>\n')
    sparks = ""
    for i in range(12):
        a = i * math.pi / 6
        colour = ["#ff5a5a", "#ffd23f", "#5fb8e8", "#7fd36b"][i % 4]
        sparks += ('  <line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="%s" stroke-width="8" stroke-linecap="round"/>\n'
                   % (64 + 18 * math.cos(a), 64 + 18 * math.sin(a), 64 + 56 * math.cos(a), 64 + 56 * math.sin(a), colour))
    write("Mission/Firework.svg", 128, 128, sparks + '  <circle cx="64" cy="64" r="10" fill="#fff3d6"/>\n')


def panels():
    board("Menu/SummaryPanel.svg", 1120, 640, True)
    board("Menu/PausePanel.svg", 600, 620, True)
    board("Menu/MissionPanel.svg", 900, 520)
    board("Menu/OptionsPanel.svg", 700, 560, True)
    board("Menu/TutorialPanel.svg", 800, 260)
    board("Mail/MailMenu.svg", 1200, 820)
    write("Menu/Overlay.svg", 16, 16, '  <rect width="16" height="16" fill="#1a120b"/>\n')
    write("Menu/LockBadge.svg", 96, 96,
          '  <rect x="22" y="42" width="52" height="42" rx="8" fill="#8f8574" stroke="%s" stroke-width="5"/>\n'
          '  <path d="M32 44 V30 a16 16 0 0 1 32 0 V44" fill="none" stroke="%s" stroke-width="7"/>\n' % (INK, INK))
    write("Menu/TrophyBadge.svg", 160, 160,
          '  <path d="M40 30 H120 V60 a40 40 0 0 1 -80 0 Z" fill="#ffd23f" stroke="%s" stroke-width="6"/>\n'
          '  <rect x="70" y="98" width="20" height="24" fill="#f08a00"/>\n'
          '  <rect x="48" y="120" width="64" height="18" rx="6" fill="%s"/>\n'
          '  <polygon points="%s" fill="#fff3d6"/>\n' % (WOOD, WOOD, star_path(80, 58, 20, 9)))


def arrow(direction):
    if direction == "right":
        return '  <path d="M44 34 L82 60 L44 86" fill="none" stroke="#ffffff" stroke-width="12" stroke-linecap="round" stroke-linejoin="round"/>\n'
    return '  <path d="M34 74 L60 44 L86 74" fill="none" stroke="#ffffff" stroke-width="12" stroke-linecap="round" stroke-linejoin="round"/>\n'


def buttons():
    button("UI/MenuButton_Locked.svg", "#e6e0d6", "#b8ae9c", "#7a705e",
           '  <rect x="34" y="14" width="332" height="22" rx="11" fill="#ffffff" opacity="0.25"/>\n', 400, 100)
    three_looks("NextButton", arrow("right"))
    three_looks("PageButton", arrow("up"))
    three_looks("PauseButton", '  <rect x="40" y="34" width="14" height="50" rx="5" fill="#ffffff"/>'
                               '<rect x="66" y="34" width="14" height="50" rx="5" fill="#ffffff"/>\n')
    cross = ('  <path d="M40 38 L80 78 M80 38 L40 78" stroke="#ffffff" stroke-width="12" stroke-linecap="round"/>\n')
    three_looks("CloseButton", cross, colours=(("#ff8a7a", "#e0503c", "#8a2414"), ("#ffa99c", "#ea6a55", "#8a2414"),
                                               ("#e0503c", "#c03a28", "#6a1a0c")))
    bin_icon = ('  <rect x="40" y="44" width="40" height="44" rx="6" fill="#ffffff"/>'
                '<rect x="34" y="34" width="52" height="8" rx="4" fill="#ffffff"/>\n')
    three_looks("DeleteButton", bin_icon, colours=(("#ff8a7a", "#e0503c", "#8a2414"), ("#ffa99c", "#ea6a55", "#8a2414"),
                                                   ("#e0503c", "#c03a28", "#6a1a0c")))
    plus = '  <path d="M60 36 V84 M36 60 H84" stroke="#ffffff" stroke-width="13" stroke-linecap="round"/>\n'
    minus = '  <path d="M36 60 H84" stroke="#ffffff" stroke-width="13" stroke-linecap="round"/>\n'
    three_looks("VolumeUp", plus)
    three_looks("VolumeDown", minus)
    speaker = ('  <path d="M34 50 H48 L66 34 V86 L48 70 H34 Z" fill="#ffffff"/>'
               '<path d="M74 46 a18 18 0 0 1 0 28" fill="none" stroke="#ffffff" stroke-width="7" stroke-linecap="round"/>\n')
    three_looks("Mute", speaker, colours=(("#5fb8e8", "#2f7fb8", "#1d4f75"), ("#86ccf0", "#4a95c9", "#1d4f75"),
                                          ("#2f7fb8", "#22689c", "#143a58")))
    three_looks("TestSound", '  <path d="M50 32 V76 a12 10 0 1 1 -8 -9 V44 L82 36 V70 a12 10 0 1 1 -8 -9 V30 Z" fill="#ffffff"/>\n',
                colours=(("#5fb8e8", "#2f7fb8", "#1d4f75"), ("#86ccf0", "#4a95c9", "#1d4f75"),
                         ("#2f7fb8", "#22689c", "#143a58")))
    write("UI/MuteOverlay.svg", 120, 120,
          '  <path d="M24 24 L96 96" stroke="#e0503c" stroke-width="14" stroke-linecap="round"/>\n'
          '  <circle cx="60" cy="60" r="46" fill="none" stroke="#e0503c" stroke-width="10"/>\n')
    # The full-screen check box: ticked and unticked, three looks each.
    for state, mark in (("Ticked", '  <path d="M30 62 L52 84 L92 34" fill="none" stroke="#2f8a3a" stroke-width="13" '
                                   'stroke-linecap="round" stroke-linejoin="round"/>\n'), ("Empty", "")):
        three_looks("CheckBox%s" % state, '  <rect x="24" y="22" width="72" height="72" rx="12" fill="#ffffff"/>\n' + mark)
    # The volume bar: six columns, 0 to 5 filled steps.
    cols = ""
    for c in range(6):
        ox = c * 300
        cols += '  <rect x="%d" y="20" width="280" height="60" rx="20" fill="#fff3d6" stroke="%s" stroke-width="5"/>\n' % (ox + 10, WOOD)
        for k in range(5):
            fill = "#f4a52a" if k < c else "#e6dccb"
            cols += '  <rect x="%d" y="%d" width="40" height="%d" rx="6" fill="%s"/>\n' % (
                ox + 30 + k * 52, 66 - 8 * (k + 1), 8 * (k + 1) + 4, fill)
    write("UI/VolumeBar.svg", 1800, 100, cols)
    # The mailbox on the HUD and the entries of its list.
    write("Mail/Mailbox_Default.svg", 120, 120,
          '  <rect x="14" y="34" width="92" height="62" rx="10" fill="#fff3d6" stroke="%s" stroke-width="6"/>\n'
          '  <path d="M14 40 L60 72 L106 40" fill="none" stroke="%s" stroke-width="6" stroke-linejoin="round"/>\n' % (WOOD, WOOD))
    write("Mail/Mailbox_Hover.svg", 120, 120,
          '  <rect x="14" y="34" width="92" height="62" rx="10" fill="#ffe9a8" stroke="%s" stroke-width="6"/>\n'
          '  <path d="M14 40 L60 72 L106 40" fill="none" stroke="%s" stroke-width="6" stroke-linejoin="round"/>\n' % (WOOD, WOOD))
    for look, fill in (("Default", "#fff3d6"), ("Hover", "#ffe9a8"), ("Selected", "#f7b84a")):
        write("Mail/MailEntry_%s.svg" % look, 460, 90,
              '  <rect x="4" y="4" width="452" height="82" rx="16" fill="%s" stroke="%s" stroke-width="5"/>\n'
              '  <rect x="20" y="22" width="60" height="44" rx="6" fill="#ffffff" stroke="%s" stroke-width="4"/>\n'
              '  <path d="M20 26 L50 48 L80 26" fill="none" stroke="%s" stroke-width="4"/>\n' % (fill, WOOD, WOOD, WOOD))


def tutorial():
    write("Tutorial/Arrow.svg", 100, 140,
          '  <path d="M50 132 L10 80 H34 V8 H66 V80 H90 Z" fill="#e8743b" stroke="%s" stroke-width="6" stroke-linejoin="round"/>\n' % WOOD)
    write("Tutorial/Blocker.svg", 16, 16, '  <rect width="16" height="16" fill="#1a120b" opacity="0.35"/>\n')


def main():
    stars()
    panels()
    buttons()
    tutorial()


if __name__ == "__main__":
    main()
