#!/usr/bin/env python3
"""Writes the food court's content in the XML the engine itself writes: the
scene Level1 (system objects, HUD texts, the waypoint graph, placement nodes,
two stalls and a table stored on their nodes) and the archetypes the game
instantiates (customers, stalls, the table, link nodes, bubbles, floating
amounts). Its output is committed; run it again after changing a number here.

    python3 tools/levels/make_food_court_content.py
"""
import math
import os
import shutil
import struct
import sys

import trouble_content
import flow_content
import building_content
import depths

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "KiteGame", "Assets")
STALL_TYPES = 8
LOOKS = 5


# ------------------------------------------------------------ XML printing
def ftext(value):
    """A float as the engine writes it: eight significant digits, nine when
    eight do not read back to the same single-precision value."""
    f = struct.unpack("f", struct.pack("f", float(value)))[0]
    text = "%.8g" % f
    if struct.unpack("f", struct.pack("f", float(text)))[0] != f:
        text = "%.9g" % f
    return text


class E:
    """An element: a name, attributes, and either text or children."""

    def __init__(self, name, text=None, children=None, attrs=None):
        self.name, self.text, self.children, self.attrs = name, text, children or [], attrs or []

    def render(self, depth):
        pad = "    " * depth
        attrs = "".join(' %s="%s"' % (k, v) for k, v in self.attrs)
        if self.text is not None:
            return "%s<%s%s>%s</%s>\n" % (pad, self.name, attrs, escape(self.text), self.name)
        if not self.children:
            return "%s<%s%s/>\n" % (pad, self.name, attrs)
        inner = "".join(c.render(depth + 1) for c in self.children)
        return "%s<%s%s>\n%s%s</%s>\n" % (pad, self.name, attrs, inner, pad, self.name)


def escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def F(name, v):
    return E(name, ftext(v))


def I(name, v):
    return E(name, "%d" % v)


def B(name, v):
    return E(name, "true" if v else "false")


def S(name, v):
    return E(name, v)


def V2(name, x, y):
    return E(name, children=[F("x", x), F("y", y)])


def ARR(name, items, entry="arrayElement"):
    return E(name, children=[it.__class__(entry, it.text, it.children, it.attrs) for it in items],
             attrs=[("size", len(items))])


def VEC(name, items):
    return E(name, children=[E("vectorElement", it.text, it.children, it.attrs) for it in items],
             attrs=[("size", len(items))])


def PAIR(name, first, second):
    return E(name, children=[first.__class__("first", first.text, first.children, first.attrs),
                             second.__class__("second", second.text, second.children, second.attrs)])


def components(*elements):
    # The engine writes interface components after the others.
    ordered = sorted(elements, key=lambda e: building_content.is_interface([e]) or e.name in flow_content.UI_COMPONENTS)
    return "<Components>\n" + "".join(e.render(1) for e in ordered) + "</Components>\n"


# ------------------------------------------------------- engine components
def transform(x, y, depth, sx=1.0, sy=1.0):
    return E("Transform", children=[V2("translation", x, y), F("zDepth", depth), V2("scale", sx, sy),
                                    F("rotation", 0)])


def sprite(path, columns=1, framerate=60, animated=False, renderable=True, tint=(1, 1, 1, 1), night=None):
    """A sprite; night names the texture the day-and-night cycle blends in."""
    fields = [S("texturePath", path), I("columns", columns), E("rows", "1"), E("startingRow", "1"),
              F("framerate", framerate), F("speed", 1), B("hasAnimation", animated), B("renderable", renderable),
              B("flippedX", False), ARR("colour", [F("", c) for c in tint]), B("blendable", night is not None)]
    if night:
        fields.append(S("blendTexturePath", night))
    return E("Sprite", children=fields)


def text(value, colour, scale, offset=(0, 0), centralise=True):
    return E("Text", children=[S("Text", value), ARR("colour", [F("", c) for c in colour]), F("scale", scale),
                               B("renderBool", True), V2("offSet", *offset), B("centralise", centralise)])


def collider(tag, ex, ey):
    return E("Collider2D", children=[I("colliderTag", tag), S("shapeName", "AABB"), V2("AABBExtents", ex, ey)])


def audio(path, looping, play_on_start):
    return E("AudioSource", children=[S("audioPath", path), B("looping", looping), B("playOnStart", play_on_start)])


def vertex(label, links, active=True):
    return E("VertexNode", children=[S("Label", label), B("HideSprite", True), B("ActiveNode", active),
                                     VEC("localAdjacencyList",
                                         [PAIR("", S("", l), E("", "%d" % c)) for l, c in links])])


# --------------------------------------------------------- game components
DEPTH_FLOOR, DEPTH_MARKER, DEPTH_PEOPLE, DEPTH_BUBBLE, DEPTH_AMOUNT, DEPTH_HUD = (
    depths.FLOOR, depths.MARKER, depths.COURT, depths.BUBBLE, depths.AMOUNT, depths.HUD)
STALL_SCALE = (2.3, 1.955)
TABLE_SCALE = (1.7, 1.2)
CUSTOMER_SCALE = (0.66, 0.99)
ORIGINAL_LAYER, DRAGGED_LAYER = 2, 3

# Price, daily upkeep and sale earnings (money, likes, reputation), serve and eat
# seconds of each stall type; the table's price. The CSV tables carry the same
# prices and upkeep.
STALLS = [
    ("Drinks", "Iced drinks and kopi", 200, 60, (15, 3, 10), 2.5, 5),
    ("Noodles", "Wanton mee and laksa", 300, 90, (25, 5, 18), 4.0, 9),
    ("Nasi Padang", "Rice with a choice of curries", 450, 135, (35, 6, 25), 4.5, 10),
    ("Western", "Chicken chop and fries", 500, 150, (40, 6, 28), 5.0, 10),
    ("Satay", "Grilled skewers with peanut sauce", 400, 120, (30, 5, 22), 4.0, 8),
    ("Chicken Rice", "Steamed chicken with fragrant rice", 350, 105, (28, 6, 20), 3.5, 9),
    ("Prata", "Crispy flatbread with curry", 250, 75, (20, 4, 14), 3.0, 7),
    ("Dim Sum", "Dumplings in bamboo steamers", 600, 180, (45, 7, 32), 5.0, 11),
]
SEAT_PRICE, SEAT_UPKEEP = 350, 0
# Raise of the fire chance (percent) a sale per stall level. Lower, and a
# court nobody looks after burns too late to be lost (Level3 at 0.03).
FIRE_INCREMENT = 0.05


# Texture pairs are (day, night): the day-and-night cycle blends the second in.
def stall_sprites():
    states = ["Idle", "Serving", "Burnt"]
    return VEC("stallSprites", [
        VEC("", [VEC("", [PAIR("", S("", "Stalls/Stall%d_Band%d_%s.png" % (t, b, s)),
                               S("", "Stalls/Stall%d_Band%d_%s_Night.png" % (t, b, s))) for s in states])
                 for b in range(3)])
        for t in range(1, STALL_TYPES + 1)])


POSES = ["Queue", "Walk", "Eat", "Tray", "Leave"]
POSE_COLUMNS = [2, 4, 4, 4, 4]


def customer_sprites():
    return VEC("customerSprites", [
        VEC("", [PAIR("", S("", "Customers/Customer%02d_%s.png" % (i, p)),
                      S("", "Customers/Customer%02d_%s_Night.png" % (i, p)))
                 for p in POSES])
        for i in range(1, LOOKS + 1)])


def stalls_behaviour(t):
    name, _, price, _, (money, likes, rep), serve, eat = STALLS[t - 1]
    return E("StallsBehaviour", children=[
        E("stallEarningsBasic", children=[F("money", money), F("likes", likes), F("reputation", rep)]),
        F("constructionCost", price), F("earningsMult", 1.25), F("serveTime", serve), F("foodConsumeTime", eat),
        B("busy_", False), I("stallIndex_", t), F("stallPriceModifier", 1), F("stallQualityModifier", 1),
        F("stallRepModifier", 1)])


def stall_components(t, x, y):
    parts = [transform(x, y, DEPTH_PEOPLE, *STALL_SCALE),
             sprite("Stalls/Stall%d_Band0_Idle.png" % t, 2, 3, True),
             collider(ORIGINAL_LAYER, *STALL_SCALE),
             stalls_behaviour(t)]
    return building_content.stall_parts(HELPERS, t, parts)


def seat_components(x, y, occupants=(0, 0, 0, 0)):
    parts = building_content.day_and_night(HELPERS, [
        transform(x, y, DEPTH_PEOPLE, *TABLE_SCALE),
        sprite("Seats/Table.png", night="Seats/Table_Night.png"),
        collider(ORIGINAL_LAYER, *TABLE_SCALE),
        E("SeatsBehaviour", children=[ARR("POArray", [E("", "%d" % o) for o in occupants], "POArrayElement")])])
    return parts + [building_content.indicator(HELPERS, "Seats/Table_Gray.png", parts)]


# ----------------------------------------------------------------- numbers
UPPER_SEAT = (75, 24)
LOWER_SEAT = (75, -28)
STALL_TO_QUEUE = (45, -118)
# A queue runs down and to the side from its first place; a level with two
# rows of stalls (Level3) runs it flatter so that it ends above the row below.
QUEUE_START, QUEUE_STEP = (12, -8), (24, -36)


def level_stats():
    return E("LevelStatsSystem", children=[
        I("CustomerServed", 0), F("AverageWaitingTime", 0), F("TotalWaitingTime", 0), F("GrossRevenue", 0),
        F("DailyUpkeep", 0), F("Likes", 0), F("Money", 1000), F("Reputation", 0), S("MostPopular", "None"),
        S("MostWanted", "None")])


def customer_system(preferences=True, look_around=(1, 2)):
    return E("CustomerSystem", children=[
        I("numArcheCreated", LOOKS), customer_sprites(),
        VEC("customerSpriteCols_", [E("", "%d" % c) for c in POSE_COLUMNS]),
        V2("randomDisplacementRange", 24, 16), I("queueMax", 6), B("preferenceAllowed", preferences),
        I("lookAroundfCountoutMin", look_around[0]), I("lookAroundfCountoutMax", look_around[1]), I("preferenceLookAroundCountoutBuff", 1),
        I("noQueuefCountoutMin", 3), I("noQueuefCountoutMax", 3), F("feedbackOffset", 80), F("tabaoChance", 25),
        F("trashSpawnChance", 30), F("fightChance", 5), F("fightTimeout", 6), V2("fightLocationOffset", 40, 30)])


def simulation():
    return E("SimulationSystem", children=[
        F("treshold", 0.2), I("goalLikes", 1000), I("goalMoney", 1300), I("secondGoalLikes", 550),
        I("secondGoalMoney", 700), I("loseMoney", 0)])


def spawn_rate(cap=24, cap_step=5, spawn_time=2.5, time_step=0.25, per_level=60):
    """Customer flow: the cap and the least time between customers at the
    starting standing level, their steps per level up to level 8, and the
    standing that makes a level."""
    return E("SpawnRateManager", children=[
        F("likesRepWeightage", 0.5), F("rateModifierRate", per_level), F("spawnTimeStep", time_step),
        I("customerCapStep", cap_step), I("startingLevel", 0), I("minLevel", 0), I("maxLevel", 8),
        I("startCustomerCap", cap), F("startMinSpawnTime", spawn_time)])


def stalls_system():
    return E("StallsSystem", children=[
        I("typesOfStalls", STALL_TYPES),
        VEC("stallStatistics", [PAIR("", E("", "0"), E("", "0")) for _ in range(STALL_TYPES)]),
        V2("stallToQueueOffset", *STALL_TO_QUEUE), V2("queueStartOffset", *QUEUE_START), V2("queueToQueueOffset", *QUEUE_STEP),
        V2("queueRandomOffset", 8, 6), F("timeToKickCustomerDuringFight", 4), stall_sprites(),
        PAIR("animationColRow_", E("", "2"), E("", "1")),
        PAIR("startConstruction", S("", "Stalls/Construction_Start.png"), S("", "Stalls/Construction_Start.png")),
        PAIR("endConstruction", S("", "Stalls/Construction_End.png"), S("", "Stalls/Construction_End.png")),
        F("actualDepth", DEPTH_PEOPLE), F("draggingDepth", depths.DRAGGED), B("stallsMovable", True),
        I("originalLayer", ORIGINAL_LAYER), I("draggedLayer", DRAGGED_LAYER)])


def seats_system():
    return E("SeatsSystem", children=[
        V2("upperSeatsOffset", *UPPER_SEAT), V2("lowerSeatsOffset", *LOWER_SEAT), F("seatsCost", SEAT_PRICE),
        F("actualDepth", DEPTH_PEOPLE), F("draggingDepth", depths.DRAGGED), B("seatsMovable", True),
        I("originalLayer", ORIGINAL_LAYER), I("draggedLayer", DRAGGED_LAYER)])


# ----------------------------------------------------------------- archetypes
INK = (0.24, 0.16, 0.1)
GREEN = (0.13, 0.55, 0.25)
RED = (0.82, 0.16, 0.16)


def floating(icon, colour, sound=None, depth=DEPTH_AMOUNT):
    parts = [transform(0, 0, depth, 0.44, 0.44), sprite(icon), text("0", colour, 0.22, (40, -10))]
    if sound:
        parts.append(audio(sound, False, True))
    return components(*parts)


def bubble(icon):
    return components(transform(0, 0, DEPTH_BUBBLE, 0.55, 0.5), sprite(icon))


def link_node(kind):
    return components(transform(0, 0, DEPTH_MARKER, 0.2, 0.2), sprite("UI/Waypoint.png", renderable=False),
                      vertex("", [], active=False),
                      E(kind, children=[E("stallGOindex" if kind == "StallNodesLink" else "seatGOindex", "0")]))


CUSTOMER_STATS = [
    # likesTimeout, startOffLikes, likesMin, likesDecrementStep, walking speed
    (2.5, 10, -3, 1, 95),
    (2.0, 9, -3, 1, 85),
    (2.5, 11, -2, 1, 110),
    (3.0, 10, -4, 1, 70),
    (2.0, 8, -3, 1, 100),
]


def archetypes():
    out = {}
    for i in range(1, LOOKS + 1):
        timeout, start, low, step, speed = CUSTOMER_STATS[i - 1]
        out["Customer%02d" % i] = components(
            transform(0, 0, DEPTH_PEOPLE, *CUSTOMER_SCALE),
            sprite("Customers/Customer%02d_Walk.png" % i, 4, 8, True),
            E("CustomerAIBehaviour", children=[I("customerState", 0), F("startOffLikes", start),
                                               F("likesTimeout", timeout), F("likesMin", low),
                                               F("likesDecrementStep", step), V2("interpolateStep", speed, 0),
                                               I("customerIndex", i - 1)]))
    for t in range(1, STALL_TYPES + 1):
        out["Stall%d" % t] = components(*stall_components(t, 0, 0))
    out["Seat1"] = components(*seat_components(0, 0))
    out["StallLinkNode"] = link_node("StallNodesLink")
    out["SeatLinkNode"] = link_node("SeatNodesLink")
    for kind in ("Like", "Dislike", "Frustrated", "Angry", "NoTime", "NoSeats"):
        out["SpeechBubble" + kind] = bubble("FX/Bubble_%s.png" % kind)
    out["SpeechPreference"] = bubble("FX/Bubble_Preference.png")
    out["CashMoving"] = floating("FX/CashPlus.png", GREEN, "SFX/Cash.wav")
    out["LoseCash"] = floating("FX/CashMinus.png", RED, "SFX/Purchase.wav", depths.PRICE_PAID)
    out["MaintenanceLoseCash"] = floating("FX/Maintenance.png", RED, "SFX/Maintenance.wav")
    out["HeartMoving"] = floating("FX/HeartPlus.png", GREEN)
    out["LoseHeart"] = floating("FX/HeartBroken.png", RED, "Feedback/GiveUp.wav")
    out["NoMoney"] = components(transform(0, 0, DEPTH_AMOUNT, 1.3, 0.55), sprite("FX/NoMoney.png"),
                                audio("SFX/NoMoney.wav", False, True))
    out["PurchaseText"] = components(transform(0, 0, depths.POPUP, 0.3, 0.3), sprite("FX/PriceTag.png"),
                                     text("0", INK, 0.2, (34, -9)))
    out["MaintenanceText"] = components(transform(0, 0, depths.POPUP, 0.3, 0.3), sprite("FX/UpkeepTag.png"),
                                        text("0", INK, 0.2, (34, -9)))
    # What the editor's Create > Add menu makes: a waypoint node (shown while
    # editing, hidden in play once labelled), a square and a circle.
    out["Node"] = components(transform(0, 0, DEPTH_MARKER, 0.2, 0.2), sprite("UI/Waypoint.png"), vertex("", []))
    out["Square"] = components(transform(0, 0, DEPTH_PEOPLE, 1, 1), sprite("Shapes/Square.png"), collider(1, 1, 1))
    out["Circle"] = components(transform(0, 0, DEPTH_PEOPLE, 1, 1), sprite("Shapes/Circle.png"), collider(1, 1, 1))
    out.update(trouble_content.archetypes(sys.modules[__name__]))
    out.update(flow_content.archetypes(sys.modules[__name__]))
    out.update(building_content.archetypes(HELPERS))
    return flow_content.tutorial_archetypes(HELPERS, building_content.patch_archetypes(HELPERS, out))


# ---------------------------------------------------------------- the level
class Scene:
    def __init__(self):
        self.objects = []  # (name, parent id, components, active)

    def add(self, name, parts, parent=0, active=True):
        self.objects.append((name, parent, parts, active))
        return len(self.objects)

    def write(self, name):
        folder = os.path.join(ROOT, "Scenes", name)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        lines = []
        for i, (obj, parent, parts, active) in enumerate(self.objects, 1):
            shown = active and not building_content.closed_at_start(obj)
            line = '    <GameObject name="%s" objectId="%d" parentId="%d" active="%s" layerTag="0"/>\n' % (
                obj, i, parent, "true" if shown else "false")
            # The engine lists objects with interface components after the others.
            lines.append((building_content.is_interface(parts) or
                          any(p.name in flow_content.UI_COMPONENTS for p in parts), i, line))
            with open(os.path.join(folder, "%d.xml" % i), "w") as f:
                f.write(components(*parts))
        index = "<Scene>\n" + "".join(line for _, _, line in sorted(lines))
        index += "</Scene>\n"
        with open(os.path.join(ROOT, "Scenes", name + ".xml"), "w") as f:
            f.write(index)


# Placement rows (world units, origin at the centre, y up). A stall is 230
# wide: the row keeps clear of the star column on the right (from x 719) and
# the screen's left edge, and the tables keep clear of each other.
STALL_NODES_X = [-650, -400, -150, 100, 350, 600]
STALL_NODE_Y = 218
OS_Y = 92
# Wall places whose queue runs to the left; None: the last one only (the
# right of the court is the HUD's column).
WALL_QUEUE_LEFT = None
# Stall places on the floor away from the wall (x, y, queue to the left):
# their side waypoints join the nearest floor waypoints.
FLOOR_STALLS = []
GRID_X = [-700 + 140 * k for k in range(11)]
GRID_Y = [-20, -130, -240, -350]
SEAT_NODES = [(-490, -190), (-210, -190), (210, -190), (490, -190), (-350, -315), (350, -315)]
STARTS = [("start1", -790, -185, [(0, 1), (0, 2)]), ("start2", 790, -185, [(10, 1), (10, 2)]),
          ("start3", 0, -445, [(4, 3), (5, 3), (6, 3)])]
PLACED_STALLS = {1: 1, 4: 2}  # stall node index -> stall type
PLACED_SEATS = {1: "Seat1"}  # seat node index -> seat name
# A raised floor (Level3): its art, the floor waypoints it covers, its own
# waypoints and links, its stall places and the stairs the second-floor
# controller opens once a stall stands up there. None: no upper floor.
UPPER_FLOOR = None


def grid_label(c, r):
    return "o%d_%d" % (r, c)


def under_stall(x, y):
    """Floor waypoints a stall standing at (x, y) covers."""
    hx, hy = STALL_SCALE[0] * 50, STALL_SCALE[1] * 50
    return {(c, r) for c in range(len(GRID_X)) for r in range(len(GRID_Y))
            if abs(GRID_X[c] - x) < hx and abs(GRID_Y[r] - y) < hy}


def wall_queue_left(i):
    return i in WALL_QUEUE_LEFT if WALL_QUEUE_LEFT is not None else i >= len(STALL_NODES_X) - 1


def stall_places():
    """Every stall place: (x, y, its two side waypoints, queue to the left,
    upstairs); the wall row first, then the upper floor, then the floor."""
    out = [(x, STALL_NODE_Y, ("os%da" % (i + 1), "os%db" % (i + 1)), wall_queue_left(i), False)
           for i, x in enumerate(STALL_NODES_X)]
    for place in UPPER_FLOOR["stalls"] if UPPER_FLOOR else []:
        x, y, sides = place[:3]
        out.append((x, y, tuple(sides), place[3] if len(place) > 3 else x < 0, True))
    for k, (x, y, left) in enumerate(FLOOR_STALLS):
        i = len(STALL_NODES_X) + k
        out.append((x, y, ("os%da" % (i + 1), "os%db" % (i + 1)), left, False))
    return out


def grid_cells():
    """Floor waypoints (column, row) not covered by an upper floor."""
    covered = set(UPPER_FLOOR["covers"]) if UPPER_FLOOR else set()
    for x, y, _ in FLOOR_STALLS:
        covered |= under_stall(x, y)
    return [(c, r) for r in range(len(GRID_Y)) for c in range(len(GRID_X)) if (c, r) not in covered]


def build_graph():
    """Waypoints with their undirected links."""
    pos, links = {}, {}

    def node(label, x, y):
        pos[label] = (x, y)
        links[label] = []

    # Every link costs 1, as the links of placed stalls and seats do: with
    # longer costs the two links of a stall's link node (1 each) would be a
    # shortcut between its stall-side waypoints, and customers would walk
    # through the stall.
    def link(a, b):
        links[a].append((b, 1))
        links[b].append((a, 1))

    for label, x, y, _ in STARTS:
        node(label, x, y)
    cells = set(grid_cells())
    for c, r in sorted(cells, key=lambda cr: (cr[1], cr[0])):
        node(grid_label(c, r), GRID_X[c], GRID_Y[r])
    for i, x in enumerate(STALL_NODES_X):
        node("os%da" % (i + 1), x - 55, OS_Y)
        node("os%db" % (i + 1), x + 55, OS_Y)
    # Floor grid: right and down neighbours.
    for r in range(len(GRID_Y)):
        for c in range(len(GRID_X)):
            if (c, r) not in cells:
                continue
            if (c + 1, r) in cells:
                link(grid_label(c, r), grid_label(c + 1, r))
            if (c, r + 1) in cells:
                link(grid_label(c, r), grid_label(c, r + 1))
    # The stall-side row: a chain, each joined to the nearest floor node below.
    row = []
    for i in range(len(STALL_NODES_X)):
        row += ["os%da" % (i + 1), "os%db" % (i + 1)]
    for a, b in zip(row, row[1:]):
        link(a, b)
    for label in row:
        c = min(range(len(GRID_X)), key=lambda k: abs(GRID_X[k] - pos[label][0]))
        # Beside an upper floor the stall-side row leads round it instead.
        if (c, 0) in cells:
            link(label, grid_label(c, 0))
    # Side waypoints of the floor's own stall places, level with their first
    # queue place, each joined to its nearest floor waypoint.
    for k, (x, y, _) in enumerate(FLOOR_STALLS):
        i = len(STALL_NODES_X) + k
        a, b = "os%da" % (i + 1), "os%db" % (i + 1)
        node(a, x - 55, y + STALL_TO_QUEUE[1] - 8)
        node(b, x + 55, y + STALL_TO_QUEUE[1] - 8)
        link(a, b)
        for label in (a, b):
            px, py = pos[label]
            best = min(cells, key=lambda cr: math.hypot(GRID_X[cr[0]] - px, GRID_Y[cr[1]] - py))
            link(label, grid_label(*best))
    if UPPER_FLOOR:
        for label, (x, y) in UPPER_FLOOR["waypoints"].items():
            node(label, x, y)
        for a, b in UPPER_FLOOR["links"]:
            link(a, b)
    # An entrance joins those of its floor waypoints that no stall covers.
    for label, _, _, ends in STARTS:
        for c, r in ends:
            if (c, r) in cells:
                link(label, grid_label(c, r))
    return pos, links


def nearest_grid(x, y):
    best = min(grid_cells(),
               key=lambda cr: math.hypot(GRID_X[cr[0]] - x, GRID_Y[cr[1]] - y))
    return grid_label(*best)


def seat_places(x, y):
    ux, uy = UPPER_SEAT
    lx, ly = LOWER_SEAT
    return [(x - ux, y + uy), (x + ux, y + uy), (x - lx, y + ly), (x + lx, y + ly)]


UPKEEP_X, UPKEEP_UNIT_X = -370, -296
UNIT_INK = (0.5, 0.33, 0.22)


def level1(scene_name="Level1"):
    scene = Scene()
    # Systems first: statistics before everything that reads money; the spawn
    # rate before the simulation, whose first countdown is the minimum spawn
    # time the spawn rate sets; the stall and seat systems before the stalls
    # and seats.
    scene.add("LevelStats", [level_stats()])
    scene.add("CustomerSystem", [customer_system()])
    scene.add("SpawnRateManager", [spawn_rate()])
    scene.add("SimulationSystem", [simulation()])
    scene.add("StallsSystem", [stalls_system()])
    scene.add("SeatsSystem", [seats_system()])
    # Both ways: the controller's links are one-way.
    stairs = [] if not UPPER_FLOOR else [p for a, b in UPPER_FLOOR["stairs"] for p in ((a, b), (b, a))]
    scene.add("SecondFloorController", [E("SecondFloorController", children=[
        VEC("nodesToLink", [PAIR("", S("", a), S("", b)) for a, b in stairs])])])
    trouble_content.add_systems(scene, sys.modules[__name__])
    building_content.add_systems(scene, HELPERS)
    scene.add("Background", building_content.day_and_night(HELPERS, [
        transform(0, 0, DEPTH_FLOOR, 16, 9),
        sprite("BackgroundArt/FoodCourtFloor.png", night="BackgroundArt/FoodCourtFloor_Night.png")]))
    building_content.add_sky(scene, HELPERS)
    if UPPER_FLOOR:
        (x, y), (sx, sy) = UPPER_FLOOR["art"]
        scene.add("UpperFloor", building_content.day_and_night(HELPERS, [
            transform(x, y, depths.UPPER_FLOOR, sx, sy),
            sprite("BackgroundArt/UpperFloor.png", night="BackgroundArt/UpperFloor_Night.png")]))
    scene.add("LevelMusic", [transform(0, 0, depths.NONE), audio("Music/Level.ogg", True, True)])
    # HUD: the panel and its three figures.
    scene.add("HUDPanel", [transform(-510, 406, depths.HUD_BACK, 5.6, 0.72), sprite("HUD/StatsPanel.png")])
    scene.add("MoneyText", [transform(-718, 395, DEPTH_HUD), text("1000", INK, 0.24, (0, 0), False)])
    scene.add("LikesText", [transform(-535, 395, DEPTH_HUD), text("0", INK, 0.24, (0, 0), False)])
    upkeep = sum(STALLS[t - 1][3] for t in PLACED_STALLS.values())
    scene.add("MaintenanceCostText", [transform(UPKEEP_X, 395, DEPTH_HUD), text("%d" % upkeep, INK, 0.24, (0, 0), False)])
    # Room for a four-figure upkeep (a full Level3) before its unit.
    scene.add("UpkeepUnitText", [transform(UPKEEP_UNIT_X, 395, DEPTH_HUD), text("/day", UNIT_INK, 0.14, (0, 0), False)])

    pos, links = build_graph()
    placed = {}  # extra links of waypoints to stored link nodes
    places = stall_places()
    stall_link_labels = {}
    for i, t in PLACED_STALLS.items():
        label = "StallNode%d" % (i + 1)
        stall_link_labels[i] = label
        for os_label in places[i][2]:
            placed.setdefault(os_label, []).append((label, 1))
    seat_link_labels = {}
    for i in PLACED_SEATS:
        x, y = SEAT_NODES[i]
        for k, (px, py) in enumerate(seat_places(x, y)):
            label = "SeatNode%d%d" % (i + 1, k)
            target = nearest_grid(px, py)
            seat_link_labels[(i, k)] = (label, target)
            placed.setdefault(target, []).append((label, 1))

    def waypoint(label):
        x, y = pos[label]
        return [transform(x, y, DEPTH_MARKER, 0.2, 0.2), sprite("UI/Waypoint.png", renderable=False),
                vertex(label, links[label] + placed.get(label, []))]

    for label, _, _, _ in STARTS:
        scene.add(label, waypoint(label))
    for c, r in grid_cells():
        scene.add(grid_label(c, r), waypoint(grid_label(c, r)))
    for i in range(len(STALL_NODES_X) + len(FLOOR_STALLS)):
        for side in "ab":
            scene.add("os%d%s" % (i + 1, side), waypoint("os%d%s" % (i + 1, side)))
    for label in (UPPER_FLOOR["waypoints"] if UPPER_FLOOR else {}):
        scene.add(label, waypoint(label))

    # Stall placement nodes, the stored stalls on them and their link nodes.
    # Customers reach the places upstairs once the stairs open.
    for i, (x, y, sides, queue_left, upstairs) in enumerate(places):
        taken = i in PLACED_STALLS
        parts = [transform(x, y, DEPTH_MARKER, *STALL_SCALE), sprite("UI/StallPlacement.png", renderable=not taken),
                 collider(1, *STALL_SCALE),
                 E("StallPlacementNode", children=[ARR("nodesToBeConnected", [S("", n) for n in sides]),
                                                    B("queueToLeft", queue_left)])]
        node = scene.add("StallNode%d" % (i + 1), parts + ([E("SecondFloorIndicator")] if upstairs else []), 0)
        if taken:
            t = PLACED_STALLS[i]
            stall = scene.add("Stall%d" % t, stall_components(t, x, y), node)
            scene.add("StallLinkNode", [
                transform(x, y, DEPTH_MARKER, 0.2, 0.2), sprite("UI/Waypoint.png", renderable=False),
                vertex(stall_link_labels[i], [(n, 1) for n in sides]),
                E("StallNodesLink", children=[E("stallGOindex", "%d" % stall)])], stall)

    # Seat placement nodes, the stored table and its four link nodes.
    for i, (x, y) in enumerate(SEAT_NODES):
        name = "SeatNode%d" % (i + 1)
        places = seat_places(x, y)
        taken = i in PLACED_SEATS
        node = scene.add(name, [
            transform(x, y, DEPTH_MARKER, *TABLE_SCALE),
            sprite("UI/SeatPlacement.png", renderable=not taken),
            collider(1, *TABLE_SCALE),
            E("SeatPlacementNode", children=[ARR("nodesToBeConnected", [S("", nearest_grid(px, py)) for px, py in places])])])
        if taken:
            seat = scene.add(PLACED_SEATS[i], seat_components(x, y), node)
            for k, (px, py) in enumerate(places):
                label, target = seat_link_labels[(i, k)]
                scene.add("SeatLinkNode", [
                    transform(px, py, DEPTH_MARKER, 0.2, 0.2), sprite("UI/Waypoint.png", renderable=False),
                    vertex(label, [(target, 1)]),
                    E("SeatNodesLink", children=[E("seatGOindex", "%d" % seat)])], seat)

    # Bins by the doors.
    trouble_content.add_bins(scene, sys.modules[__name__])
    building_content.add_hud(scene, HELPERS)
    flow_content.add_level_ui(scene, sys.modules[__name__], scene_name)
    scene.write(scene_name)


def tables():
    with open(os.path.join(ROOT, "StallData", "StallData.csv"), "w", newline="\n") as f:
        f.write("Name,Description,Price,DailyUpkeep\n")
        for name, description, price, upkeep, _, _, _ in STALLS:
            f.write("%s,%s,%d,%d\n" % (name, description, price, upkeep))
    with open(os.path.join(ROOT, "SeatData", "SeatData.csv"), "w", newline="\n") as f:
        f.write("Name,Description,Price,DailyUpkeep\n")
        f.write("Table,A table for four,%d,%d\n" % (SEAT_PRICE, SEAT_UPKEEP))


def main():
    for folder in ("Archetypes", "StallData", "SeatData"):
        os.makedirs(os.path.join(ROOT, folder), exist_ok=True)
    for name, body in archetypes().items():
        with open(os.path.join(ROOT, "Archetypes", name + ".xml"), "w") as f:
            f.write(body)
    tables()
    level1()
    flow_content.write_scenes(sys.modules[__name__], ROOT)


HELPERS = sys.modules[__name__]

if __name__ == "__main__":
    main()
