"""Content of missions, level flow, pause, summaries, mail, options and the
menus: archetypes, the objects every level carries, the main menu's level
buttons and options, and the scenes Level2 and Level3 (larger courts with
harder goals). Called from make_food_court_content.py, whose helpers it uses
(passed as `h`).
"""
import os
import re
import shutil

import depths

MAIL_THRESHOLD = 3
COLLIDER_PANEL, COLLIDER_MENU, COLLIDER_BUTTON = 4, 5, 6
DEPTH_PANEL, DEPTH_ROW, DEPTH_OVERLAY = depths.STAR_PANEL, depths.MISSION_ROW, depths.OVERLAY
BROWN = (0.36, 0.17, 0.04)
CREAM = (1.0, 0.96, 0.85)
# The end-of-level panel, in units of 100 pixels (its art is drawn at that size).
SUMMARY_SCALE = (11.2, 6.4)


# ------------------------------------------------------------ engine pieces
UI_COMPONENTS = {"SystemCallButton", "ToggleActiveButton", "ActivatePopupButton", "PopUpUI", "StarButton",
                 "MailSelectionButton", "MailChangePageButton", "MailDeleteButton", "ContinueButton"}


def ordered(parts):
    """Components as the engine writes them: user-interface ones last."""
    return [p for p in parts if p.name not in UI_COMPONENTS] + [p for p in parts if p.name in UI_COMPONENTS]


def base_button(h, active, default, over, down, inactive=None, sound="SFX/ButtonPress.wav"):
    return [h.B("buttonActive", active), h.S("defaultSpritePath", default), h.S("mouseOverSpritePath", over),
            h.S("mouseDownSpritePath", down), h.S("inactiveSpritePath", inactive or default),
            h.S("audioSourcePath", sound)]


def looks(name):
    return ("UI/%s_Default.png" % name, "UI/%s_Hover.png" % name, "UI/%s_Pressed.png" % name)


def system_call(h, kind, art, param=None, fade=False, active=True, inactive=None):
    fields = base_button(h, active, *art, inactive=inactive) + [h.I("buttonType", kind)]
    if kind == 4:
        fields += [h.S("buttonFnStringParam", param or ""), h.B("fadeOut", fade)]
    return h.E("SystemCallButton", children=fields)


def toggle_fields(h, target, active=True, art=None, closes=""):
    art = art or looks("MenuButton")
    return base_button(h, active, *art) + [h.S("toggleObject", target), h.B("toggleChild_", False),
                                           h.B("toggleParent_", False), h.S("objToDeactivate", closes),
                                           h.I("toggleNumOfLayers", 0)]


def toggle(h, target, active=True, art=None, name="ToggleActiveButton", closes=""):
    return h.E(name, children=toggle_fields(h, target, active, art, closes))


def click_sound(h):
    return h.audio("SFX/ButtonPress.wav", False, False)


def label(h, value, scale=0.26, colour=BROWN, offset=(0, 0), centralise=True):
    return h.text(value, colour, scale, offset, centralise)


def plain(h, name):
    return h.E(name)


def menu_button(h, x, y, depth, caption, call, sx=2.4, sy=0.6, tag=COLLIDER_BUTTON, scale=0.26):
    return [h.transform(x, y, depth, sx, sy), h.sprite("UI/MenuButton_Default.png"), h.collider(tag, sx, sy),
            click_sound(h), call, label(h, caption, scale, BROWN, (0, -4))]


# ----------------------------------------------------------------- archetypes
def archetypes(h):
    out = {}

    def c(*parts):
        return h.components(*ordered(parts))
    # Mission rows.
    out["CheckBox"] = c(h.transform(0, 0, DEPTH_ROW, 0.42, 0.42), h.sprite("Mission/CheckBox.png"))
    out["Tick"] = c(h.transform(0, 0, depths.MISSION_TICK, 0.42, 0.42), h.sprite("Mission/Tick.png"))
    out["GeneralText"] = c(h.transform(0, 0, DEPTH_ROW), label(h, "", 0.24))
    # A burst over the finished star; it clears itself after two seconds.
    out["Firework"] = c(h.transform(0, 0, depths.FIREWORK, 1.2, 1.2), h.sprite("Mission/Firework.png"),
                        h.audio("SFX/Win.wav", False, True), plain(h, "Firework"))
    # Summaries: the panel slides up from below the screen. Its title sits on
    # the art's title band; the panel is wide enough for the next button the
    # summary puts 400 right of its centre.
    for name, caption, sound in (("WinSummary", "All three stars!", "SFX/Win.wav"),
                                 ("LoseSummary", "Out of money!", "SFX/Lose.wav")):
        out[name] = c(h.transform(0, -900, depths.SUMMARY, *SUMMARY_SCALE), h.sprite("Menu/SummaryPanel.png"),
                      h.collider(COLLIDER_PANEL, *SUMMARY_SCALE), label(h, caption, 0.26, CREAM, (0, 272)),
                      h.audio(sound, False, True),
                      h.E("Summary", children=[h.V2("startPos", 0, -900), h.V2("finalPos", 0, 0),
                                               h.F("timeToInterpolate", 0.6)]))
    for name, caption in (("CustomersServed", "Customers served"), ("AverageWT", "Average wait (s)"),
                          ("GrossRev", "Gross revenue ($)")):
        out[name] = c(h.transform(0, 0, depths.SUMMARY_TEXT), label(h, caption, 0.3, BROWN, (0, 0)))
    out["StatReviewText"] = c(h.transform(0, 0, depths.SUMMARY_TEXT), label(h, "0", 0.32, (0.13, 0.45, 0.2)))
    out["NextButton"] = c(*menu_button(h, 0, 0, depths.SUMMARY_BUTTON, "Next", system_call(h, 4, looks("MenuButton"), ""),
                                       tag=COLLIDER_BUTTON + 1))
    # Tall enough that the button the panel puts at (0, -50) lies inside it.
    out["TutorialComplete"] = c(h.transform(0, -900, depths.SUMMARY, 8, 3.4), h.sprite("Menu/TutorialPanel.png"),
                                h.collider(COLLIDER_PANEL, 8, 3.4),
                                label(h, "Tutorial complete!\\n Level 1 is unlocked.", 0.3, BROWN, (0, 45)),
                                h.audio("SFX/Win.wav", False, True),
                                h.E("Summary", children=[h.V2("startPos", 0, -900), h.V2("finalPos", 0, 40),
                                                         h.F("timeToInterpolate", 0.6)]))
    out["TutorialCompleteNextBtn"] = c(*menu_button(h, 0, 0, depths.SUMMARY_BUTTON, "To the menu",
                                                    system_call(h, 4, looks("MenuButton"), "MainMenu"),
                                                    3.0, 0.6, tag=COLLIDER_BUTTON + 1, scale=0.24))
    # Fades between scenes.
    out["ChangeLevelOverlay"] = c(h.transform(0, 0, DEPTH_OVERLAY, 16.5, 9.5),
                                  h.sprite("Menu/Overlay.png", tint=(1, 1, 1, 0)),
                                  h.E("OverlayController", children=[
                                      h.F("fadeInDuration", 0), h.F("showDuration", 0), h.F("fadeOutDuration", 1),
                                      h.S("levelToLoad", ""), h.B("reversed", True)]))
    # The mailbox menu.
    out["MailboxMenuParent"] = c(h.transform(0, 0, depths.MAIL_BACK), plain(h, "MailboxSwitch"))
    out["MailMenuBG"] = c(h.transform(0, 0, depths.MAIL_BACK, 6.6, 8.2), h.sprite("Mail/MailMenu.png"),
                          h.collider(COLLIDER_PANEL, 6.6, 8.2), label(h, "Mail", 0.36, BROWN, (0, 290)))
    out["MailContents"] = c(h.transform(0, 0, depths.MAIL_BACK, 7.6, 6.6), h.sprite("Menu/MissionPanel.png"),
                            h.collider(COLLIDER_PANEL, 7.6, 6.6),
                            label(h, "Pick a letter on the left to read it.", 0.19, BROWN, (0, 0)))
    out["MailCloseBtn"] = c(h.transform(0, 0, depths.MAIL_BUTTON, 0.6, 0.6), h.sprite("UI/CloseButton_Default.png"),
                            h.collider(COLLIDER_MENU, 0.6, 0.6), click_sound(h),
                            toggle(h, "MailboxMenuParent", True, looks("CloseButton")))
    for name, prev in (("MailPrevBtn", True), ("MailNextBtn", False)):
        out[name] = c(h.transform(0, 0, depths.MAIL_BUTTON, 0.55, 0.55), h.sprite("UI/PageButton_Default.png"),
                      h.collider(COLLIDER_MENU, 0.55, 0.55), click_sound(h),
                      h.E("MailChangePageButton", children=base_button(h, True, *looks("PageButton")) +
                          [h.B("prevPage", prev)]))
    out["MailDeleteBtn"] = c(h.transform(0, 0, depths.MAIL_DELETE, 0.55, 0.55), h.sprite("UI/DeleteButton_Default.png"),
                             h.collider(COLLIDER_MENU, 0.55, 0.55), click_sound(h),
                             h.E("MailDeleteButton", children=base_button(h, True, *looks("DeleteButton")) +
                                 [h.I("index", 0)]))
    entry = ("Mail/MailEntry_Default.png", "Mail/MailEntry_Hover.png", "Mail/MailEntry_Selected.png")
    out["MailboxButton2"] = c(h.transform(0, 0, depths.MAIL_ENTRY, 4.6, 0.9), h.sprite(entry[0]), h.collider(COLLIDER_MENU, 4.6, 0.9),
                              click_sound(h), label(h, "", 0.19, BROWN, (30, -6)),
                              h.E("MailSelectionButton", children=toggle_fields(h, "MailContents", True, entry) +
                                  [h.I("type", 0), h.E("msg_id", "0")]))
    out["MuteOverlay"] = c(h.transform(0, 0, 4.5, 0.7, 0.7), h.sprite("UI/MuteOverlay.png", renderable=False))
    return out


# ------------------------------------------------------------- level objects
# The right-hand column: stars, pause and mailbox, a little in from the edge.
STARS_X = 762
STARS_Y = (290, 225, 160)


def add_level_ui(scene, h, scene_name):
    """Stars, mission panels, summaries' hosts, pause, mail and sound: what
    every level carries. The quest system comes after the simulation and the
    stall system it reads at the start."""
    def add(name, parts, parent=0, active=True):
        return scene.add(name, ordered(parts), parent, active)
    T, S, C = h.transform, h.sprite, h.collider
    panels = ("StarOnePanel", "StarTwoPanel", "StarThreePanel")
    titles = ("First star", "Second star", "Third star")
    for i in range(3):
        x, y = STARS_X, STARS_Y[i]
        add("ProgressBarOuter%d" % (i + 1), [T(x - 36, y, depths.STAR_BAR_OUTER, 0.14, 0.56), S("Mission/ProgressBar_Outer.png")])
        add("InnerProgressionBar%d" % (i + 1), [T(x - 36, y, depths.STAR_BAR_INNER, 0.08, 0.48), S("Mission/ProgressBar_Inner.png")])
        art = "Mission/Mission_Star_%s.png" % ("Active" if i == 0 else "Inactive")
        add("Star%d" % (i + 1), [T(x, y, depths.HUD, 0.55, 0.55), S(art), C(COLLIDER_MENU, 0.55, 0.55), click_sound(h),
                                 h.E("StarButton", children=[h.S("objToHover", "StarPopUp%d" % (i + 1))] +
                                     toggle_fields(h, panels[i], i == 0, (art, art, art)))])
        add("StarPopUp%d" % (i + 1), [T(x - 110, y, depths.POPUP, 0.8, 0.45), S("Mission/PopUp.png"),
                                      label(h, "0%", 0.22, BROWN, (0, -8))], active=False)
        add(panels[i], [T(0, 0, DEPTH_PANEL, 9, 5.2), S("Menu/MissionPanel.png"), C(COLLIDER_PANEL, 9, 5.2),
                        label(h, titles[i], 0.32, BROWN, (0, 192))], active=False)
    add("PauseHUDButton", [T(STARS_X, 95, depths.HUD, 0.5, 0.5), S("UI/PauseButton_Default.png"), C(COLLIDER_MENU, 0.5, 0.5),
                           click_sound(h), system_call(h, 0, looks("PauseButton"))])
    # The mailbox beside the pause button, clear of the bin below them.
    add("Mailbox", [T(STARS_X - 60, 95, depths.HUD, 0.5, 0.5), S("Mail/Mailbox_Default.png"), C(COLLIDER_MENU, 0.5, 0.5),
                    click_sound(h), toggle(h, "MailboxMenuParent", True,
                                           ("Mail/Mailbox_Default.png", "Mail/Mailbox_Hover.png",
                                            "Mail/Mailbox_Hover.png"))])
    # The pause menu: each piece is its own pause element (pausing hides the
    # children of pause elements).
    add("PausePanel", [T(0, 0, depths.PAUSE, 6, 6.2), S("Menu/PausePanel.png"), C(COLLIDER_PANEL, 6, 6.2),
                       label(h, "Paused", 0.3, BROWN, (0, 258)), plain(h, "InjectPauseElem")], active=False)
    for y, name, caption, call in ((110, "ResumeButton", "Resume", system_call(h, 0, looks("MenuButton"))),
                                   (0, "RestartButton", "Restart", system_call(h, 4, looks("MenuButton"), scene_name)),
                                   (-110, "MenuReturnButton", "Main menu", system_call(h, 4, looks("MenuButton"), "MainMenu")),
                                   (-220, "PauseQuitButton", "Quit", system_call(h, 1, looks("MenuButton")))):
        add(name, menu_button(h, 0, y, depths.PAUSE_BUTTON, caption, call) + [plain(h, "InjectPauseElem")], active=False)
    add("EscapePause", [plain(h, "EscapePauseBehaviour")])
    add("Cheats", [plain(h, "CheatScript")])
    add("FadeIn", [T(0, 0, DEPTH_OVERLAY, 16.5, 9.5), S("Menu/Overlay.png"), plain(h, "FadeInOverlay")])
    add("MailBoxSystem", [h.E("MailBoxSystem", children=[h.I("threshold", MAIL_THRESHOLD)])])
    add("AudioFeedbackSystem", [T(0, 0, depths.NONE), h.audio("Feedback/Served.wav", False, False), feedback(h)])
    add("QuestSystem", [plain(h, "QuestSystem")])
    if scene_name == "TutorialLevel":
        tutorial_ui(scene, h)


def feedback(h):
    def files(*names):
        return h.VEC("", [h.S("", n) for n in names])
    by_stall = [h.PAIR("", h.E("", "%d" % t), files("Feedback/Served.wav")) for t in (1, 2, 5, 7, 8)]
    by_index = [files("Feedback/Dislike.wav"), files("Feedback/Frustrated.wav"), files("Feedback/Like.wav"),
                files("Feedback/NoSeats.wav"), files("Feedback/NoTime.wav"), files("Feedback/ChooseStall.wav"),
                files("Feedback/Dislike.wav")]
    return h.E("AudioFeedbackSystem", children=[
        h.F("timeToEnablePlayback", 1.5), h.F("randomAdjustmentToTimerSet", 1.5),
        h.PAIR("audioFeedbackPaths", h.VEC("", by_stall), h.VEC("", by_index))])


# ----------------------------------------------------------------- main menu
OPTIONS_Y = -60
MENU_KEEP = ["MenuBackground", "TitleBanner", "Title", "ButtonBoard", "PlayButton", "PlayButtonLabel",
             "CreditsButton", "CreditsButtonLabel", "QuitButton", "QuitButtonLabel", "FullScreenButton",
             "MenuMusic"]


def read_scene(root, name):
    """The objects of a committed scene: (name, parent id, component file)."""
    with open(os.path.join(root, "Scenes", name + ".xml")) as f:
        index = f.read()
    objects = []
    for m in re.finditer(r'<GameObject name="([^"]*)" objectId="(\d+)" parentId="(\d+)"', index):
        with open(os.path.join(root, "Scenes", name, m.group(2) + ".xml")) as f:
            objects.append((m.group(1), int(m.group(3)), f.read()))
    return objects


def write_raw_scene(root, name, objects):
    """objects: (name, parent id, component file text, active)."""
    folder = os.path.join(root, "Scenes", name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    index = "<Scene>\n"
    for i, (obj, parent, body, active) in enumerate(objects, 1):
        index += '    <GameObject name="%s" objectId="%d" parentId="%d" active="%s" layerTag="0"/>\n' % (
            obj, i, parent, "true" if active else "false")
        with open(os.path.join(folder, "%d.xml" % i), "w") as f:
            f.write(body)
    index += "</Scene>\n"
    with open(os.path.join(root, "Scenes", name + ".xml"), "w") as f:
        f.write(index)


def main_menu(h, root):
    kept = [o for o in read_scene(root, "MainMenu") if o[0] in MENU_KEEP]
    # Play starts with the tutorial.
    objects = [(n, p, body.replace("<buttonFnStringParam>Level1<", "<buttonFnStringParam>TutorialLevel<")
                if n == "PlayButton" else body, True) for n, p, body in kept]

    def c(*parts):
        return h.components(*ordered(parts))
    T, S, C = h.transform, h.sprite, h.collider

    def add(name, parts, parent=0, active=True):
        objects.append((name, parent, c(*parts), active))
        return len(objects)

    add("LevelBoard", [T(560, -20, 21, 4.2, 4.6), S("Menu/CreditsPanel.png"),
                       label(h, "Levels", 0.34, BROWN, (0, 160))])
    for n in range(1, 4):
        add("Level%dButton" % n, menu_button(h, 560, 75 - (n - 1) * 110, 20, "Level %d" % n,
                                             system_call(h, 4, looks("MenuButton"), "Level%d" % n, fade=True,
                                                         inactive="UI/MenuButton_Locked.png"), 1.8, 0.6) +
            [h.E("CheckLevelStatus", children=[h.I("levelid", n)]), plain(h, "ChangeLevelOverlay")])
    add("AllLevelsBadge", [T(560, 250, 19, 1.0, 1.0), S("Menu/TrophyBadge.png"), plain(h, "WinConditionChecker")],
        active=False)
    add("OptionsButton", menu_button(h, -560, -330, 20, "Options", None, 2.4, 0.6)[:-2] +
        [toggle(h, "OptionsPanel"), label(h, "Options", 0.26, BROWN, (0, -4))])
    # The options panel: the system first, its scripts after it.
    add("OptionsSystem", [T(0, 0, 1), h.audio("SFX/ButtonPress.wav", False, False), h.E("OptionsSystem", children=[
        h.VEC("audioPaths", [h.S("", p) for p in ("SFX/Cash.wav", "Feedback/Like.wav", "SFX/Win.wav", "SFX/Pop.wav")]),
        h.PAIR("checkBoxSprites", h.VEC("", [h.S("", p) for p in looks("CheckBoxTicked")]),
               h.VEC("", [h.S("", p) for p in looks("CheckBoxEmpty")]))])])
    # The options panel stands below the title banner (its bottom at 205).
    def PT(x, y, *rest):
        return T(x, y + OPTIONS_Y, *rest)
    panel = add("OptionsPanel", [PT(0, 0, 6, 7, 5.2), S("Menu/OptionsPanel.png"), C(COLLIDER_PANEL, 7, 5.2),
                                 label(h, "Options", 0.3, BROWN, (0, 215))], active=False)
    small = 0.7
    add("VolumeLabel", [PT(0, 150, 5), label(h, "Volume", 0.28)], panel, False)
    add("VolumeDownButton", [PT(-230, 80, 5, small, small), S("UI/VolumeDown_Default.png"), C(COLLIDER_BUTTON, small, small),
                             click_sound(h), system_call(h, 8, looks("VolumeDown")),
                             h.E("VolumeOptionScript", children=[h.B("increment", False)])], panel, False)
    add("VolumeBar", [PT(0, 80, 5, 3.0, 1.0), S("UI/VolumeBar.png", columns=6), plain(h, "AudioOptionBars")], panel, False)
    add("VolumeUpButton", [PT(230, 80, 5, small, small), S("UI/VolumeUp_Default.png"), C(COLLIDER_BUTTON, small, small),
                           click_sound(h), system_call(h, 8, looks("VolumeUp")),
                           h.E("VolumeOptionScript", children=[h.B("increment", True)])], panel, False)
    add("MuteButton", [PT(-200, -40, 5, small, small), S("UI/Mute_Default.png"), C(COLLIDER_BUTTON, small, small),
                       click_sound(h), system_call(h, 8, looks("Mute")), plain(h, "MuteButton")], panel, False)
    add("TestSoundButton", [PT(0, -40, 5, small, small), S("UI/TestSound_Default.png"), C(COLLIDER_BUTTON, small, small),
                            system_call(h, 8, looks("TestSound"), None), plain(h, "PlaytestAudioOption")], panel, False)
    add("FullScreenCheckbox", [PT(200, -40, 5, small, small), S("UI/CheckBoxTicked_Default.png"),
                               C(COLLIDER_BUTTON, small, small), click_sound(h),
                               system_call(h, 8, looks("CheckBoxTicked")), plain(h, "FullScreenCheckbox")], panel, False)
    for x, caption in ((-200, "Mute"), (0, "Test"), (200, "Full screen")):
        add("OptionsCaption", [PT(x, -110, 5), label(h, caption, 0.2)], panel, False)
    add("OptionsCloseButton", menu_button(h, 0, -180 + OPTIONS_Y, 5, "Close", toggle(h, "OptionsPanel"), 1.8, 0.6), panel, False)
    write_raw_scene(root, "MainMenu", objects)


# --------------------------------------------------------- the later levels
# Level3's upper floor: a deck in the middle of the court (art centred at
# (0, -100), 620 x 360) over the floor waypoints of columns 3-7 in rows 0-2,
# two stall places on it whose queues stay on its boards, a walk along its
# front and a flight of stairs at each side whose top the second-floor
# controller joins to the floor below.
UPPER_FLOOR = dict(
    art=((0, -100), (6.2, 3.6)),
    covers={(c, r) for c in range(3, 8) for r in (0, 1, 2)},
    waypoints={"StairsTopL": (-282, -60), "up1a": (-160, -166), "up1b": (-50, -166),
               "up2a": (80, -166), "up2b": (190, -166), "StairsTopR": (282, -60)},
    links=[("StairsTopL", "up1a"), ("up1a", "up1b"), ("up1b", "up2a"), ("up2a", "up2b"), ("up2b", "StairsTopR")],
    stalls=[(-105, -40, ("up1a", "up1b"), True), (135, -40, ("up2a", "up2b"), True)],
    stairs=[("StairsTopL", "o2_2"), ("StairsTopR", "o2_8")],
)

# Level3 holds ten stall places: a wall row standing higher (clear of the
# HUD above it) with queues running flat to the right, so that they end
# above the deck; the deck's two; and one in each front corner, queuing
# inwards. Four tables stand beside the deck under the wall row, where the
# customers served there come down, and four along the front between the
# corner stalls: a customer looking for a seat finds one within a few
# waypoints. The floor's top row runs between the wall's queues and the
# side tables.
LEVEL3_LAYOUT = dict(STALL_NODE_Y=270, OS_Y=144, WALL_QUEUE_LEFT=set(), QUEUE_STEP=(28, 0),
                     FLOOR_STALLS=[(-640, -255, False), (640, -255, True)], GRID_Y=[60, -130, -240, -425])

LEVELS = {
    # name: stall places along the wall, seat places, stored stalls and
    # seats, money, goals (money, likes, second money, second likes), losing
    # money, customer flow (cap, cap step, least spawn time, its step,
    # standing a level); Level3 also its layout (above).
    "Level2": dict(stalls=[-660, -410, -160, 90, 340, 590], seats=[(-490, -200), (-210, -200), (210, -200),
                                                                   (490, -200), (-350, -330), (350, -330),
                                                                   (-630, -330), (630, -330)],
                   placed_stalls={2: 3, 3: 4}, placed_seats={}, money=2000, goals=(5000, 2600, 2800, 1400), lose=0,
                   spawn=(28, 5, 2.2, 0.22, 35)),
    "Level3": dict(stalls=[-684, -452, -220, 12, 244, 476],
                   seats=[(-630, -30), (-420, -30), (420, -30), (630, -30), (-285, -345), (-95, -345),
                          (95, -345), (285, -345)],
                   placed_stalls={3: 4, 4: 8}, placed_seats={}, money=1600, goals=(11000, 4500, 3000, 1500), lose=0,
                   spawn=(40, 8, 1.8, 0.18, 25), upper=UPPER_FLOOR,
                   layout=LEVEL3_LAYOUT),
}


def later_levels(h):
    """Level2 and Level3 from the same builder as Level1, with more places,
    fewer stalls stored, more money to start and higher goals."""
    saved = {k: getattr(h, k) for k in ("STALL_NODES_X", "SEAT_NODES", "PLACED_STALLS", "PLACED_SEATS",
                                        "level_stats", "simulation", "spawn_rate", "UPPER_FLOOR")}
    saved.update({k: getattr(h, k) for k in LEVEL3_LAYOUT})
    try:
        for name, p in LEVELS.items():
            for k in LEVEL3_LAYOUT:
                setattr(h, k, p.get("layout", {}).get(k, saved[k]))
            h.STALL_NODES_X = p["stalls"]
            h.SEAT_NODES = p["seats"]
            h.PLACED_STALLS = p["placed_stalls"]
            h.PLACED_SEATS = p["placed_seats"]
            h.UPPER_FLOOR = p.get("upper")
            money, (goal_money, goal_likes, second_money, second_likes), lose = p["money"], p["goals"], p["lose"]

            def stats(money=money):
                return h.E("LevelStatsSystem", children=[
                    h.I("CustomerServed", 0), h.F("AverageWaitingTime", 0), h.F("TotalWaitingTime", 0),
                    h.F("GrossRevenue", 0), h.F("DailyUpkeep", 0), h.F("Likes", 0), h.F("Money", money),
                    h.F("Reputation", 0), h.S("MostPopular", "None"), h.S("MostWanted", "None")])

            def sim(g=(goal_money, goal_likes, second_money, second_likes), lose=lose):
                return h.E("SimulationSystem", children=[
                    h.F("treshold", 0.2), h.I("goalLikes", g[1]), h.I("goalMoney", g[0]), h.I("secondGoalLikes", g[3]),
                    h.I("secondGoalMoney", g[2]), h.I("loseMoney", lose)])

            h.level_stats = stats
            h.simulation = sim
            h.spawn_rate = lambda flow=p["spawn"], base=saved["spawn_rate"]: base(*flow)
            h.level1(name)
    finally:
        for k, v in saved.items():
            setattr(h, k, v)


def write_scenes(h, root):
    later_levels(h)
    tutorial_level(h)
    main_menu(h, root)


# --------------------------------------------------------------- tutorial
TUTORIAL_TEXTS = [
    "Welcome to your food court! Hungry customers are on their way.\\n Click anywhere to begin.",
    "First, a stall. Click the stall button to see what you can build.",
    "Pick the drinks stall and drag it onto an empty stall place.",
    "Well done! Customers will queue at your stall and pay for their food.",
    "Every stall has a menu above it.",
    "Click your drinks stall to open its menu.",
    "Now press the upgrade button: better stalls earn more.",
    "The upgrade is under way. An upgraded stall serves more per sale.",
    "Customers need somewhere to sit.",
    "Click the seat button to see the tables.",
    "Here is $500 to spend. Drag a table onto one of the marked places.",
    "Customers eat at tables, and tables fill up fast at lunch.",
    "You can move stalls and tables. Click anywhere, then try it.",
    "Drag your table to another place.",
    "Nicely done. Where things stand matters to customers.",
    "Some stalls sell better side by side: drinks next to a meal.",
    "Look for pairs of stalls that bring each other customers.",
    "Customers who wait too long lose patience and leave.",
    "Happy customers give likes; likes bring more customers.",
    "Upgrades take a little time: a bar at the stall shows how far it is.",
    "Waiting for the upgrade to finish...",
    "Here is $650. Open the stall button again.",
    "Build the western stall on a free stall place.",
    "Two stalls! Customers can now choose what to eat.",
    "Customers leave trash on the tables.",
    "Drag a piece of trash into a bin to keep the court clean.",
    "Clean tables keep customers happy.",
    "Fires and fights happen too: click them quickly to sort them out.",
    "Sometimes a cash cloud drifts by. Click anywhere and watch the sky.",
    "Click the cash cloud to collect its money!",
    "Lovely! Cash clouds come now and then, so keep an eye out.",
    "Each level has three stars to earn. Finish the third to win.",
    "The statistics button shows how your court is doing: try it.",
    "That is everything! Level 1 waits for you in the menu. Good luck!",
]


# Where the instruction box stands; while the tutorial's cash cloud drifts
# by (it comes with the step that asks for a click on it, within 120 of
# y = 20) the box goes down below its path.
INSTRUCTION_Y = -40
INSTRUCTION_LOW_Y = -345
CASH_CLOUD_STEPS = (29,)
# The click hint sits on the lower edge of the box, to its right.
CLICK_HINT_X = 230
# Above the court's stalls and tables (2), below trouble and clouds (4).
CLICKER_LAYER = 3


def tutorial_ui(scene, h):
    """What the tutorial's steps switch on and off, added to the tutorial
    level; the build row of the other levels becomes two build panels."""
    def add(name, parts, parent=0, active=True):
        return scene.add(name, ordered(parts), parent, active)
    T, S, C = h.transform, h.sprite, h.collider
    index = {obj[0]: i + 1 for i, obj in enumerate(scene.objects)}

    def rewire(name, new_name, parent, x, y, archetype):
        i = index[name] - 1
        _, _, parts, _ = scene.objects[i]
        for p in parts:
            if p.name == "Transform":
                # Over the build panel they now sit on.
                p.children[0] = h.V2("translation", x, y)
                p.children[1] = h.F("zDepth", depths.POPUP_BUTTON)
            if p.name == "SpawnButton":
                p.children = [h.S("toBeSpawned_", archetype), h.V2("spawnLocation_", x, y - 60)]
        scene.objects[i] = (new_name, parent, parts, False)

    stall_panel = add("StallCBParent", [T(420, 20, depths.POPUP, 2.2, 1.1), S("Menu/MissionPanel.png"), C(COLLIDER_PANEL, 2.2, 1.1)],
                      active=False)
    seat_panel = add("SeatsCBParent", [T(420, 20, depths.POPUP, 2.2, 1.1), S("Menu/MissionPanel.png"), C(COLLIDER_PANEL, 2.2, 1.1)],
                     active=False)
    rewire("BuildStall1", "BuildStall01", stall_panel, 390, 20, "Stall01")
    rewire("BuildStall4", "BuildStall04", stall_panel, 450, 20, "Stall04")
    rewire("SeatCB", "SeatCB", seat_panel, 390, 20, "Seat01")
    for t in (2, 3, 5, 6, 7, 8):
        i = index["BuildStall%d" % t] - 1
        name, parent, parts, _ = scene.objects[i]
        scene.objects[i] = (name, parent, parts, False)
    add("StallBuildButton", [T(370, 150, depths.HUD, 0.6, 0.6), S("UI/Build/BuildStall1_Default.png"),
                             C(COLLIDER_MENU, 0.6, 0.6), click_sound(h),
                             toggle(h, "StallCBParent", True, ("UI/Build/BuildStall1_Default.png",
                                                               "UI/Build/BuildStall1_Hover.png",
                                                               "UI/Build/BuildStall1_Hover.png"), closes="SeatsCBParent")])
    add("SeatBuildButton", [T(440, 150, depths.HUD, 0.6, 0.6), S("UI/Build/BuildSeat_Default.png"),
                            C(COLLIDER_MENU, 0.6, 0.6), click_sound(h),
                            toggle(h, "SeatsCBParent", True, ("UI/Build/BuildSeat_Default.png",
                                                              "UI/Build/BuildSeat_Hover.png",
                                                              "UI/Build/BuildSeat_Hover.png"), closes="StallCBParent")])
    # Blockers catch the clicks meant for what a step does not allow yet.
    blockers = [("StallBtnBlocker", 370, 150, 0.66, 0.66, True), ("SeatBtnBlocker", 440, 150, 0.66, 0.66, True),
                ("Stall1Blocker", -250, 218, 10.5, 2.0, False), ("Stall4Blocker", 450, 20, 0.66, 0.66, False),
                ("Stall1SellBtnBlocker", 0, 0, 0.5, 0.5, False), ("Stall1UpgradeBtnBlocker", 0, 0, 0.5, 0.5, False),
                ("Stall4SellBtnBlocker", 0, 0, 0.5, 0.5, False), ("Stall4UpgradeBtnBlocker", 0, 0, 0.5, 0.5, False),
                ("SynergyBtnBlocker", 700, 398, 1.2, 0.6, True), ("StatsBtnBlocker", 545, 398, 0.7, 0.6, True)]
    for name, x, y, sx, sy, on in blockers:
        # The stall blocker stops the placed stalls (same layer, found first)
        # but neither their menus nor a stall being dragged over it.
        tag = 2 if name == "Stall1Blocker" else 8
        # Unseen: they only catch clicks.
        add(name, [T(x, y, depths.BLOCKER, sx, sy), S("Tutorial/Blocker.png", tint=(1, 1, 1, 0)), C(tag, sx, sy)],
            active=on)
    # The clicker takes the clicks of the steps that wait for one. It lies
    # over the court (stalls and tables rest at 2) but under what a step may
    # ask the player to click while it waits: fires, fights, clouds, and the
    # buttons the blockers have let free.
    clicker = add("ContinueClicker", [T(0, 0, depths.CLICKER, 16, 9), S("Tutorial/Blocker.png", tint=(1, 1, 1, 0)),
                                      C(CLICKER_LAYER, 16, 9)])
    add("InstructionArrow", [T(370, 230, depths.ARROW, 0.5, 0.6), S("Tutorial/Arrow.png")], active=False)
    for k, x in enumerate((-480, -263, -46, 171)):
        add("TutorialArrow_%d" % k, [T(x if k not in (1, 2) else (-375, -125)[k - 1], -200 if k not in (1, 2) else 330,
                                       depths.ARROW, 0.5, 0.6), S("Tutorial/Arrow.png")], active=False)
    for n, words in enumerate(TUTORIAL_TEXTS):
        y = INSTRUCTION_LOW_Y if n in CASH_CLOUD_STEPS else INSTRUCTION_Y
        add("Instruction_%d" % n, [T(-60, y, depths.INSTRUCTION, 9.0, 1.5), S("Menu/TutorialPanel.png"),
                                    label(h, words, 0.155, BROWN, (0, 0))], active=(n == 0))
    add("TutorialSystem", [plain(h, "TutorialSystem")])
    # Shown and hidden with the clicker, so every step that waits for a
    # click says so on its box. Added last so that no object changes number.
    add("ContinueHint", [T(CLICK_HINT_X, INSTRUCTION_Y - 75, depths.CLICK_HINT, 3.6, 0.42), S("Menu/TutorialPanel.png"),
                         label(h, "Click anywhere to go on", 0.12, BROWN, (0, -6))], parent=clicker)


def tutorial_archetypes(h, out):
    """The tutorial's own stalls and table, named as its steps look them up."""
    for name, source in (("Stall01", "Stall1"), ("Stall04", "Stall4"), ("Seat01", "Seat1")):
        if source in out:
            out[name] = out[source]
    return out


# The tutorial's first stall is reached at once: customers come often, go
# straight for the stalls with no wish for one that is not built yet, and
# the first night (when they come slowly) falls long after its first steps.
TUTORIAL_LOOK_AROUND = (0, 1)
TUTORIAL_SPAWN = (24, 5, 0.8, 0.05, 60)
TUTORIAL_DAY_LENGTH = 480


def tutorial_level(h):
    saved = {k: getattr(h, k) for k in ("STALL_NODES_X", "SEAT_NODES", "PLACED_STALLS", "PLACED_SEATS",
                                        "level_stats", "simulation", "customer_system", "spawn_rate")}
    saved_day = h.building_content.DAY_LENGTH
    try:
        h.STALL_NODES_X = [-625, -375, -125, 125]
        h.SEAT_NODES = [(-480, -290), (-263, -290), (-46, -290), (171, -290)]
        h.PLACED_STALLS = {}
        h.PLACED_SEATS = {}

        def stats():
            return h.E("LevelStatsSystem", children=[
                h.I("CustomerServed", 0), h.F("AverageWaitingTime", 0), h.F("TotalWaitingTime", 0),
                h.F("GrossRevenue", 0), h.F("DailyUpkeep", 0), h.F("Likes", 0), h.F("Money", 1000),
                h.F("Reputation", 0), h.S("MostPopular", "None"), h.S("MostWanted", "None")])
        # The tutorial ends by opening Level1, not by its stars: goals well
        # beyond what its steps earn keep a win summary off its screen.
        def sim():
            return h.E("SimulationSystem", children=[
                h.F("treshold", 0.2), h.I("goalLikes", 4000), h.I("goalMoney", 5000), h.I("secondGoalLikes", 1000),
                h.I("secondGoalMoney", 1500), h.I("loseMoney", 0)])
        h.level_stats = stats
        h.simulation = sim
        h.customer_system = lambda base=saved["customer_system"]: base(False, TUTORIAL_LOOK_AROUND)
        h.spawn_rate = lambda base=saved["spawn_rate"]: base(*TUTORIAL_SPAWN)
        h.building_content.DAY_LENGTH = TUTORIAL_DAY_LENGTH
        h.level1("TutorialLevel")
    finally:
        for k, v in saved.items():
            setattr(h, k, v)
        h.building_content.DAY_LENGTH = saved_day
