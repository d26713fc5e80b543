"""The order in which a level's layers are drawn, for every scene and
archetype the generator writes.

The renderer draws higher depths first, so a lower depth lies on top (at equal
depth the object lower on the screen is drawn last). Each layer below covers
every layer listed before it:

    world       floor, sky, moon, clouds, bins, the court (stalls, tables,
                customers), construction, trash, fires and fights
    feedback    speech bubbles, floating amounts, click effects, a stall or
                table carried by the pointer
    HUD         the figures panel, figures, build, speed, statistics, pause
                and mail buttons, the stars and their bars
    pop-ups     price tags, star percentages, the tutorial's build panels,
                a stall's menu
    tutorial    blockers, instruction boxes, their click hint and arrows
    windows     the statistics window, the star panels and their mission
                rows, the summaries, fireworks, the mailbox
    pause       the pause panel and its buttons
    overlays    the fades between scenes

A window the player opens lies over the tutorial's box and arrows, and the
pause menu over every window. Two depths are the game code's own and are
listed here so that the rest fits round them: a cash cloud is drawn at 70,
and the mailbox puts its panel at 10, its close and page buttons at 9, its
letters at 7.1 and their delete buttons at 7.
"""

# ------------------------------------------------------------------ world
FLOOR = 100
SKY = 96
MOON = 95
UPPER_FLOOR = 95
CLOUDS = (91, 94)
# Waypoints and placement nodes (their sprites show only while editing).
MARKER = 90
CASH_CLOUD = 70
BIN = 30
# Stalls, tables, customers and the after-image of a carried one.
COURT = 20
CONSTRUCTION = 19
TRASH = 18
UPGRADE_BAR_BACK = 18
UPGRADE_BAR = 17
FIRE = 15

# --------------------------------------------------------------- feedback
BUBBLE = 14
# Floating amounts, "no money", "no stalls", upgrade bursts, cash flow.
AMOUNT = 13.5
# Water splashes and fight sparks.
CLICK_EFFECT = 13
# A stall or table carried by the pointer.
DRAGGED = 12.5

# -------------------------------------------------------------------- HUD
HUD_BACK = 12
STAR_BAR_OUTER = 11.96
STAR_BAR_INNER = 11.93
HUD = 11.9

# ---------------------------------------------------------------- pop-ups
POPUP = 11.6
POPUP_BUTTON = 11.55
# A stall's menu: its badges lie over its buttons, so that no figure hides
# behind the sell button.
STALL_MENU_BUTTON = 11.5
STALL_MENU = 11.45
# What a purchase costs rises from the stall through its open menu.
PRICE_PAID = 11.4

# --------------------------------------------------------------- tutorial
CLICKER = 11.35
BLOCKER = 11.3
INSTRUCTION = 11.2
CLICK_HINT = 11.15
ARROW = 11.1

# ---------------------------------------------------------------- windows
STATS_WINDOW = 10.95
STATS_ITEM = 10.9
STAR_PANEL = 10.8
MISSION_ROW = 10.75
MISSION_TICK = 10.7
SUMMARY = 10.5
SUMMARY_TEXT = 10.45
SUMMARY_BUTTON = 10.4
FIREWORK = 10.3
# Set by the mailbox (see above).
MAIL_BACK = 10
MAIL_BUTTON = 9
MAIL_ENTRY = 7.1
MAIL_DELETE = 7

# ------------------------------------------------------------------ pause
PAUSE = 3
PAUSE_BUTTON = 2.9

# --------------------------------------------------------------- overlays
OVERLAY = 1.01

# Objects that draw nothing (systems, music) sit here.
NONE = 1
