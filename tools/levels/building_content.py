"""The content of building, upgrades, the HUD, day and night and speed, for
make_food_court_content.py: the archetypes of the stall menu, the upgrade
art and bar, the after-image, clouds and cash clouds, the fading of
floating amounts, and in Level1 the upgrade and time-and-weather systems,
the sky, the moon, the build buttons, the speed buttons and the statistics
window. Helpers come from the generator (passed in as `h`)."""
import depths

# Layout (world units, origin at the centre, y up).
BUILD_Y = 398
BUILD_X0, BUILD_STEP = -170, 80
BUILD_SCALE = (0.7, 0.6)
STATS_BUTTON = (545, 398)
SPEED_X = (665, 700, 735)
SPEED_Y = 396
# The marker is a triangle just above the button in effect, at its art's
# own proportions and below the screen's top edge.
SPEED_INDICATOR_Y, SPEED_INDICATOR_SCALE = 421, (0.4, 0.2)
FAST_FORWARD = (700, 352)
SPEED_MULT = (758, 352)
SPAWN_AT = (0, 0)
# The statistics window: where its figures start (room for five digits
# before the panel's edge), and the goal bars' height above the middle and
# their size inside the dark bars of the goals panel.
STATS_FIGURE_X = 100
GOAL_BAR_Y = (9, -81)
GOAL_BAR_SCALE = (3.8, 0.24)

BUTTON_LAYER, MENU_LAYER, CASH_CLOUD_LAYER = 5, 6, 4
SKY_Y = 392
# Seconds of game time in a day; customers come more slowly as night falls.
DAY_LENGTH = 90
MOON_PATH_CENTRE = (0, SKY_Y)
MOON_PATH_RADII = (720, 36)
DEPTH_SKY, DEPTH_MOON = depths.SKY, depths.MOON
DEPTH_MENU, DEPTH_BUTTON = depths.STALL_MENU, depths.STALL_MENU_BUTTON
WHITE = (1, 1, 1)

UPGRADES = {
    # stall type: upgrade cost, upgrades allowed, cost multiplier, benefit multiplier, seconds.
    # Every level shares these archetypes, and Level3's missions can ask for a
    # stall upgraded 9 times; the gentler cost step keeps a ninth upgrade
    # within reach of that level's money.
    t: (150 + 50 * t, 9, 1.2, 1.2, 6) for t in range(1, 9)
}


def base_button(h, active, default, hover="", pressed="", inactive="", sound=""):
    return [h.B("buttonActive", active), h.S("defaultSpritePath", default), h.S("mouseOverSpritePath", hover),
            h.S("mouseDownSpritePath", pressed), h.S("inactiveSpritePath", inactive), h.S("audioSourcePath", sound)]


def toggle_button(h, active, toggle_object="", child=False, parent=False, deactivate="", art=("", "", "")):
    return h.E("ToggleActiveButton", children=base_button(h, active, art[0], art[1], art[1], art[2]) + [
        h.S("toggleObject", toggle_object), h.B("toggleChild_", child), h.B("toggleParent_", parent),
        h.S("objToDeactivate", deactivate), h.I("toggleNumOfLayers", 0)])


def fade(h, dy, seconds):
    return h.E("FadeOutFeedback", children=[h.V2("translation", 0, dy), h.F("timing", seconds)])


def blended(h, sprite_element, night_path):
    """A sprite that blends in its night look."""
    children = [c for c in sprite_element.children if c.name != "blendable"]
    sprite_element.children = children + [h.B("blendable", True), h.S("blendTexturePath", night_path)]
    return sprite_element


# ------------------------------------------------------------- archetypes
def stall_extras(h, t):
    """What every stall carries besides its look: the menu toggle (switched on
    once its menu exists), its upgrades and its day-night fade."""
    cost, count, cost_mult, benefit, seconds = UPGRADES[t]
    return [toggle_button(h, False),
            h.E("UpgradeBehaviour", children=[h.F("upgradeCost", cost), h.I("upgradeCountdown", count),
                                              h.F("upgradeCostMultiplier", cost_mult),
                                              h.F("upgradeBenefitMultiplier", benefit), h.F("upgradeTime", seconds)]),
            h.E("DayNightCycler")]


def day_and_night(h, parts):
    """Parts whose sprite has a night look, with the fade that shows it."""
    return parts + [h.E("DayNightCycler")]


def stall_parts(h, t, parts):
    night_look(h, parts[:2], "Stalls/Stall%d_Band0_Idle_Night.png" % t)
    return parts + stall_extras(h, t) + [indicator(h, "Stalls/Stall%d_Gray.png" % t, parts)]


LEGAL_TINT = (0.6, 1, 0.6, 1)
ILLEGAL_TINT = (1, 0.5, 0.5, 1)


def indicator(h, gray_path, parts):
    """The grey look and the drop tints of a carried object; what it goes back
    to is the Sprite's own day texture and night blend among parts."""
    sprite = next(p for p in parts if p.name == "Sprite")
    field = {c.name: c.text for c in sprite.children}
    return h.E("Indicator", children=[
        h.S("grayscaleTexture", gray_path), h.S("originalTexture", field["texturePath"]),
        h.S("originalBlend", field.get("blendTexturePath", "")),
        h.ARR("legalPlacement", [h.F("", c) for c in LEGAL_TINT]),
        h.ARR("illegalPlacement", [h.F("", c) for c in ILLEGAL_TINT])])


def night_look(h, parts, night_path):
    """Gives the Sprite among parts its night look and adds the day-night fade."""
    for p in parts:
        if p.name == "Sprite":
            blended(h, p, night_path)
    return parts + [h.E("DayNightCycler")]


# The stall menu's parts stand where the upgrade system puts them round the
# stall; their sizes keep them apart: the close button clear of the level
# badge, the likes badge clear of the sell button, the prices clear of both
# buttons.
MENU_BUTTON_SCALE = (0.6, 0.24)
CLOSE_SCALE = 0.26
LEVEL_BADGE_SCALE = (0.56, 0.16)
BADGE_SCALE = (0.64, 0.16)


def menu_text(h, pill, colour=None, scale=BADGE_SCALE):
    # The figure is centred on the badge's part right of its icon.
    return [h.transform(0, 0, DEPTH_MENU, *scale), h.sprite("UI/Menu/%s.png" % pill),
            h.text("0", colour or h.INK, 0.12, (7, -5))]


def archetypes(h):
    out = {}
    c = h.components
    out["UpgradeMenuParent"] = c(h.transform(0, 0, DEPTH_MENU))
    out["UpgradeButton"] = c(h.transform(0, 0, DEPTH_BUTTON, *MENU_BUTTON_SCALE), h.sprite("UI/Menu/Upgrade_Default.png"),
                             h.collider(MENU_LAYER, *MENU_BUTTON_SCALE),
                             h.E("UpgradeButton", children=base_button(
                                 h, True, "UI/Menu/Upgrade_Default.png", "UI/Menu/Upgrade_Hover.png",
                                 "UI/Menu/Upgrade_Hover.png", "UI/Menu/Upgrade_Grey.png", "SFX/Purchase.wav")),
                             h.audio("SFX/Purchase.wav", False, False))
    out["SellButton"] = c(h.transform(0, 0, DEPTH_BUTTON, *MENU_BUTTON_SCALE), h.sprite("UI/Menu/Sell_Default.png"),
                          h.collider(MENU_LAYER, *MENU_BUTTON_SCALE),
                          h.E("SellButton", children=base_button(
                              h, True, "UI/Menu/Sell_Default.png", "UI/Menu/Sell_Hover.png", "UI/Menu/Sell_Hover.png")))
    out["CloseUpgradeMenuButton"] = c(h.transform(0, 0, DEPTH_BUTTON, CLOSE_SCALE, CLOSE_SCALE),
                                      h.sprite("UI/Menu/Close_Default.png"),
                                      h.collider(MENU_LAYER, CLOSE_SCALE, CLOSE_SCALE),
                                      toggle_button(h, True, parent=True,
                                                    art=("UI/Menu/Close_Default.png", "UI/Menu/Close_Hover.png", "")))
    out["StallLevelText"] = c(*menu_text(h, "Pill_Level", scale=LEVEL_BADGE_SCALE))
    out["EarningsText"] = c(*menu_text(h, "Pill_Coin", h.GREEN))
    out["LikesEarningsText"] = c(*menu_text(h, "Pill_Heart", h.GREEN))
    out["UpgradeCostText"] = c(*menu_text(h, "Pill_Price"))
    out["SellCostText"] = c(*menu_text(h, "Pill_Sell", h.RED))
    out["UpgradeFeedback"] = c(h.transform(0, 0, depths.CONSTRUCTION, *h.STALL_SCALE),
                               h.sprite("Stalls/Construction_Start.png", 2, 4, True))
    out["UpgradeBarBacking"] = c(h.transform(0, 0, depths.UPGRADE_BAR_BACK, 1.6, 0.22),
                                 h.sprite("UI/Menu/UpgradeBarBacking.png"))
    out["UpgradeProgressBar"] = c(h.transform(0, 0, depths.UPGRADE_BAR, 1.5, 0.14), h.sprite("UI/Menu/UpgradeBar.png"),
                                  h.E("ProgressBar", children=[h.I("type", 2), h.F("maxBarXScale", 1.5),
                                                               h.F("barHeight", 0.14)]))
    out["UpgradeEffect"] = c(h.transform(0, 0, h.DEPTH_AMOUNT, 2, 2), h.sprite("FX/UpgradeEffect.png", 4, 8, True),
                             fade(h, 30, 0.8))
    out["AfterImage"] = c(h.transform(0, 0, h.DEPTH_PEOPLE), h.sprite("UI/AfterImage.png", tint=(1, 1, 1, 0.45)),
                          h.E("DraggableAfterImage"))
    out["NoStalls"] = c(h.transform(0, 0, h.DEPTH_AMOUNT, 1.5, 0.55), h.sprite("FX/NoStalls.png"),
                        h.audio("SFX/NoMoney.wav", False, True), fade(h, 40, 1.5))
    cloud_fields = [h.V2("minMaxStartPosX", -860, -780), h.V2("minMaxStartPosY", 350, 430), h.V2("minMaxDepth", *depths.CLOUDS),
                    h.V2("minMaxScale", 1.4, 1.9), h.V2("minMaxSpeed", 10, 30), h.V2("minMaxLifeTime", 50, 80),
                    h.F("timeToFade", 2), h.F("lifeTimeOfCashCloud", 18), h.V2("cashCloudBaseStartingPos", -250, 20),
                    h.V2("cashCloudRange", 300, 120), h.V2("cashCloudScale", 2.4, 1.3), h.V2("cashCloudSpeed", 20, 0),
                    h.F("cashCloudMoneyToAdd", 250)]
    out["Cloud"] = c(h.transform(0, 0, depths.CLOUDS[0] + 1, 1, 1), h.sprite("BackgroundArt/Cloud.png", tint=(1, 1, 1, 0)),
                     h.E("CloudMotor", children=cloud_fields))
    out["CashCloud"] = c(h.transform(0, 0, depths.CASH_CLOUD, 2.4, 1.3), h.sprite("BackgroundArt/Cloud_Money.png", tint=(1, 1, 1, 0)),
                         h.collider(CASH_CLOUD_LAYER, 2.4, 1.3), h.E("CloudMotor", children=cloud_fields),
                         h.audio("SFX/Cash.wav", False, False))
    out["CashFlow"] = c(h.transform(0, 0, h.DEPTH_AMOUNT, 2.5, 2), h.sprite("FX/CashFlow.png", 4, 8, True),
                        h.audio("SFX/Cash.wav", False, True), fade(h, -60, 1.0))
    return out


def patch_archetypes(h, out):
    """Floating amounts fade away as they rise (the nightly upkeep, shown at
    the HUD's top edge, sinks instead); customers and stalls fade between
    their day and night looks."""
    for name, dy, seconds in (("CashMoving", 70, 1.2), ("LoseCash", 70, 1.2), ("HeartMoving", 70, 1.2),
                              ("LoseHeart", -50, 1.4), ("MaintenanceLoseCash", -60, 2.0), ("NoMoney", 30, 1.5)):
        if name in out:
            out[name] = out[name].replace("</Components>\n", fade(h, dy, seconds).render(1) + "</Components>\n")
    for name, body in list(out.items()):
        if name.startswith("Customer") and "<blendable>false</blendable>" in body:
            texture = body.split("<texturePath>")[1].split("</texturePath>")[0]
            night = texture.replace(".png", "_Night.png")
            body = body.replace("<blendable>false</blendable>", "<blendable>true</blendable>\n        "
                                "<blendTexturePath>%s</blendTexturePath>" % night, 1)
            out[name] = body.replace("</Components>\n", h.E("DayNightCycler").render(1) + "</Components>\n")
    return out


# --------------------------------------------------------------- Level1
def add_systems(scene, h):
    scene.add("UpgradeSystem", [h.E("UpgradeSystem")])
    scene.add("TimeAndWeatherSystem", [h.E("TimeAndWeatherSystem", children=[
        h.F("timeInDay", DAY_LENGTH), h.I("maxClouds", 3), h.I("maxCashClouds", 1), h.F("giveMoneyInterval", 20),
        h.F("cashCloudThreshold", 300)])])


def add_sky(scene, h):
    scene.add("Sky", night_look(h, [h.transform(0, SKY_Y, DEPTH_SKY, 16, 1.2), h.sprite("BackgroundArt/Sky.png")],
                                "BackgroundArt/Sky_Night.png"))
    # The moon circles the middle of the sky strip, low and wide: it rises at
    # the bottom of its path and never reaches the floor or the signs.
    x, y = MOON_PATH_CENTRE
    major, minor = MOON_PATH_RADII
    path = scene.add("MoonPath", [h.transform(x, y, DEPTH_MOON)])
    scene.add("Moon", night_look(h, [h.transform(x, y - minor, DEPTH_MOON, 0.8, 0.8), h.sprite("BackgroundArt/Clear.png")],
                                 "BackgroundArt/Moon.png") + [h.E("Moon", children=[h.I("majorRadius", major),
                                                                                     h.I("minorRadius", minor)])],
              path)


def build_button(h, name, x, archetype, art):
    return [h.transform(x, BUILD_Y, h.DEPTH_HUD, *BUILD_SCALE), h.sprite("UI/Build/%s_Default.png" % art),
            h.collider(BUTTON_LAYER, *BUILD_SCALE),
            h.E("ActivatePopupButton", children=base_button(
                h, True, "UI/Build/%s_Default.png" % art, "UI/Build/%s_Hover.png" % art, "UI/Build/%s_Hover.png" % art,
                "UI/Build/%s_Grey.png" % art, "SFX/ButtonPress.wav") + [
                h.S("clickPopupArchetypeToSpawn", ""), h.V2("clickPopupLocation", 0, 0),
                h.S("hoverPopupArchetypeToSpawn", ""), h.V2("hoverPopupLocation", 0, 0), h.F("hoverTimeToPopup", 0)]),
            h.audio("SFX/ButtonPress.wav", False, False),
            h.E("SpawnButton", children=[h.S("toBeSpawned_", archetype), h.V2("spawnLocation_", x, BUILD_Y - 60)])]


def add_hud(scene, h):
    for t in range(1, 9):
        scene.add("BuildStall%d" % t, build_button(h, "BuildStall%d" % t, BUILD_X0 + BUILD_STEP * (t - 1),
                                                   "Stall%d" % t, "BuildStall%d" % t))
    scene.add("SeatCB", build_button(h, "SeatCB", BUILD_X0 + BUILD_STEP * 8, "Seat1", "BuildSeat"))

    # Speed: three buttons with the marker over the one in effect, and the
    # fast-forward button that steps through them.
    scene.add("SpeedIndicator", [h.transform(SPEED_X[0], SPEED_INDICATOR_Y, h.DEPTH_HUD, *SPEED_INDICATOR_SCALE),
                                 h.sprite("UI/Speed/SpeedIndicator.png")])
    for k, n in enumerate((1, 2, 4)):
        art = "UI/Speed/Speed%d" % n
        scene.add("Speed%dButton" % n, [
            h.transform(SPEED_X[k], SPEED_Y, h.DEPTH_HUD, 0.33, 0.33), h.sprite(art + "_Default.png"),
            h.collider(BUTTON_LAYER, 0.33, 0.33),
            h.E("SpeedButton", children=base_button(h, True, art + "_Default.png", art + "_Hover.png",
                                                    art + "_Hover.png", "", "SFX/ButtonPress.wav") +
                [h.I("speedButtonType", k)]),
            h.audio("SFX/ButtonPress.wav", False, False)])
    scene.add("SpeedMult", [h.transform(SPEED_MULT[0], SPEED_MULT[1], h.DEPTH_HUD, 0.5, 0.34),
                            h.sprite("UI/Speed/SpeedMult1.png")])
    art = "UI/Speed/FastForward"
    scene.add("FastForwardButton", [
        h.transform(FAST_FORWARD[0], FAST_FORWARD[1], h.DEPTH_HUD, 0.6, 0.5), h.sprite(art + "_Default.png"),
        h.collider(BUTTON_LAYER, 0.6, 0.5),
        h.E("FastForwardButton", children=base_button(h, True, art + "_Default.png", art + "_Hover.png",
                                                      art + "_Hover.png", "", "SFX/ButtonPress.wav") +
            [h.S("mult1_", "UI/Speed/SpeedMult1.png"), h.S("mult2_", "UI/Speed/SpeedMult2.png"),
             h.S("mult3_", "UI/Speed/SpeedMult4.png")]),
        h.audio("SFX/ButtonPress.wav", False, False)])

    # Statistics: a button opens a window with two tabs, the figures and the goals.
    art = "UI/Stats/StatsButton"
    scene.add("StatsButton", [h.transform(STATS_BUTTON[0], STATS_BUTTON[1], h.DEPTH_HUD, 0.6, 0.52),
                              h.sprite(art + "_Default.png"), h.collider(BUTTON_LAYER, 0.6, 0.52),
                              toggle_button(h, True, "StatsWindow", deactivate="GoalsPanel",
                                            art=(art + "_Default.png", art + "_Hover.png", ""))])
    wx, wy = 430, 120
    window = scene.add("StatsWindow", [h.transform(wx, wy, depths.STATS_WINDOW)])
    figures = scene.add("StatsPanel", [h.transform(wx, wy, depths.STATS_WINDOW, 4.6, 3.0), h.sprite("UI/Stats/StatsPanel.png"),
                                       h.E("StatsSetter")], window)
    for k, stat in enumerate((0, 1, 2)):
        scene.add("StatsFigure%d" % k, [h.transform(wx + STATS_FIGURE_X, wy + 38 - 60 * k, depths.STATS_ITEM),
                                        h.text("0", h.INK, 0.26, (0, 0), False),
                                        h.E("StatsDisplay", children=[h.I("statsType", stat)])], figures)
    goals = scene.add("GoalsPanel", [h.transform(wx, wy, depths.STATS_WINDOW, 4.6, 3.0), h.sprite("UI/Stats/GoalsPanel.png")],
                      window)
    # Each fill lies inside the dark bar the panel's art draws for it (400 by
    # 34, 9 above and 81 below the panel's middle).
    for k, (bar, y) in enumerate(((0, wy + GOAL_BAR_Y[0]), (1, wy + GOAL_BAR_Y[1]))):
        scene.add("GoalBar%d" % k, [h.transform(wx, y, depths.STATS_ITEM, *GOAL_BAR_SCALE),
                                    h.sprite("UI/Stats/GoalBar.png"),
                                    h.E("ProgressBar", children=[h.I("type", bar), h.F("maxBarXScale", GOAL_BAR_SCALE[0]),
                                                                 h.F("barHeight", GOAL_BAR_SCALE[1])])], goals)
    for k, (name, on, off) in enumerate((("TabFigures", "StatsPanel", "GoalsPanel"),
                                         ("TabGoals", "GoalsPanel", "StatsPanel"))):
        art = "UI/Stats/Tab%s" % name[3:]
        scene.add(name, [h.transform(wx - 80 + 160 * k, wy + 178, depths.STATS_WINDOW, 1.6, 0.6), h.sprite(art + "_Default.png"),
                         h.collider(MENU_LAYER, 1.6, 0.6),
                         h.E("TwoTabToggleBtn", children=base_button(h, True, art + "_Default.png", art + "_Hover.png",
                                                                     art + "_Hover.png", "") +
                             [h.S("togglerName", on), h.S("toggleeName", off)])], window)


# The statistics window and everything in it start closed.
CLOSED_AT_START = ("StatsWindow", "StatsPanel", "GoalsPanel", "StatsFigure", "GoalBar", "TabFigures", "TabGoals")


def closed_at_start(name):
    return any(name == n or (n in ("StatsFigure", "GoalBar") and name.startswith(n)) for n in CLOSED_AT_START)


INTERFACE_COMPONENTS = ("ToggleActiveButton", "ActivatePopupButton", "SystemCallButton", "PopUpUI", "SpeedButton",
                        "FastForwardButton", "TwoTabToggleBtn", "UpgradeButton", "SellButton")


def is_interface(parts):
    """Whether an object holds an interface component (the engine lists those last)."""
    return any(getattr(p, "name", None) in INTERFACE_COMPONENTS for p in parts)
