"""The food court's trouble, for make_food_court_content.py: the archetypes
of trash, fire, fights and their feedback, the fire, trash and synergy
systems of Level1 and its bins. Each function takes the generator module `h`
for its XML helpers and numbers."""
import depths

# Collider tags: tables and stalls rest at 2, so lying trash is above them
# and dragged trash above everything it can be dropped on.
TRASH_LAYER, TRASH_DRAGGED_LAYER, TROUBLE_LAYER, BIN_LAYER = 3, 6, 4, 1
DEPTH_TRASH, DEPTH_FIRE, DEPTH_BIN, DEPTH_EFFECT = depths.TRASH, depths.FIRE, depths.BIN, depths.CLICK_EFFECT

SYNERGIES = [
    ("Nasi Pandang - Western", "Zero - sum - game", 3, 4),
    ("Noodles - Dim Sum", "Happiness", 2, 8),
    ("Western - Drinks", "Double happiness", 4, 1),
    ("Chicken Rice - Nasi Padang", "Compromised", 6, 3),
    ("Dim Sum - Nasi Padang", "Affliction", 8, 3),
    ("Prata - Noodles", "Zero - sum - game", 7, 2),
]


def archetypes(h):
    E, F, I, S, V2, ARR = h.E, h.F, h.I, h.S, h.V2, h.ARR
    out = {}
    out["Trash"] = h.components(
        h.transform(0, 0, DEPTH_TRASH, 0.6, 0.45), h.sprite("Trouble/Trash.png"),
        h.collider(TRASH_LAYER, 0.6, 0.45), h.audio("SFX/Trash.wav", False, False),
        E("Indicator", children=[S("grayscaleTexture", "Trouble/Trash_Gray.png"),
                                 S("originalTexture", "Trouble/Trash.png"), S("originalBlend", "Trouble/Trash.png"),
                                 ARR("legalPlacement", [F("", c) for c in (0.6, 1, 0.6, 1)]),
                                 ARR("illegalPlacement", [F("", c) for c in (1, 0.55, 0.55, 1)])]),
        E("Trash", children=[V2("originalPosition", 0, 0), F("likesToAdd", 2)]))
    out["Fire"] = h.components(
        h.transform(0, 0, DEPTH_FIRE, 1.4, 1.66), h.sprite("Trouble/Flames.png", 4, 10, True),
        h.collider(TROUBLE_LAYER, 1.4, 1.66), h.audio("SFX/Fire.wav", True, True),
        # Each click takes a quarter of the flames away, a step seen at a
        # glance however they flicker.
        E("FireResolver", children=[I("targetClickCount", 3), F("finalScale", 0.35)]))
    out["WaterFeedback"] = h.components(
        h.transform(0, 0, DEPTH_EFFECT, 1.1, 0.92), h.sprite("Trouble/WaterSplash.png", 3, 12, True),
        h.audio("SFX/Water.wav", False, True),
        # Big and long enough to be seen over the flames after every click,
        # and gone before the next few; a splash per click would pile up.
        E("FadeOutFeedback", children=[V2("translation", 0, 0), F("timing", 1.2)]))
    out["FightCloud"] = h.components(
        h.transform(0, 0, DEPTH_FIRE, 1.6, 1.24), h.sprite("Trouble/FightCloud.png", 2, 6, True),
        h.collider(TROUBLE_LAYER, 1.6, 1.24), h.audio("SFX/Scuffle.wav", False, True),
        E("FightResolver", children=[I("targetClickCount", 4), F("finalScale", 0.8)]))
    out["FightClickFeedback"] = h.components(
        h.transform(0, 0, DEPTH_EFFECT, 0.5, 0.5), h.sprite("Trouble/FightSpark.png"),
        h.audio("SFX/Punch.wav", False, True),
        E("FadeOutFeedback", children=[V2("translation", 0, 20), F("timing", 0.5)]))
    out["SpeechBubbleTrash"] = h.bubble("FX/Bubble_Trash.png")
    out["SpeechBubbleFire"] = h.bubble("FX/Bubble_Fire.png")
    return out


def synergy_system(h):
    rows = []
    for name, effect, a, b in SYNERGIES:
        rows += [h.S("SynergyName", name), h.S("SynergyEffect", effect), h.I("Stall1Index", a),
                 h.I("Stall2Index", b), h.I("Stall2Type", 1)]
    return h.E("StallsSynergySystem", children=rows)


def fire_controller(h, base_chance=0.5):
    """The fire chance grows by FIRE_INCREMENT a sale per stall level."""
    F = h.F
    return h.E("FireController", children=[
        F("baseChance", base_chance), F("chanceIncrement", h.FIRE_INCREMENT), F("likesToDecrement", 1),
        F("speedMultiplier", 1.8), F("fireAffectOtherStallsTimer", 25),
        F("fireCauseWidespreadPanicTimeoutInitial", 40)])


def add_systems(scene, h):
    """After the stall and seat systems: the synergies must stand before the
    stored stalls register."""
    scene.add("StallsSynergySystem", [synergy_system(h)])
    scene.add("FireController", [fire_controller(h)])
    scene.add("TrashController", [h.E("TrashController", children=[
        h.I("originalLayer", TRASH_LAYER), h.I("draggedLayer", TRASH_DRAGGED_LAYER)])])


BIN_Y = 30


def add_bins(scene, h):
    for name, x in (("Bin", 760), ("Bin2", -760)):
        scene.add(name, [
            h.transform(x, BIN_Y, DEPTH_BIN, 0.6, 0.8), h.sprite("BackgroundArt/Bin_Closed.png"),
            h.collider(BIN_LAYER, 0.6, 0.8),
            h.E("TrashBin", children=[h.S("binDefaultSprite", "BackgroundArt/Bin_Closed.png"),
                                      h.S("binOpenSprite", "BackgroundArt/Bin_Open.png")])])
