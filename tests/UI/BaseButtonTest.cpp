// The button base: texture states, the press sound, inactive objects and
// buttons, and the file form shared by every button kind.
#include "UI/UITestWorld.h"

#include "Core/Objects/FieldList.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

using namespace UITest;
using Buttons = UIWorld;

namespace
{
    std::vector<std::string> Keys(tinyxml2::XMLElement* element)
    {
        std::vector<std::string> names;
        for (auto* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
            names.push_back(child->Name());
        return names;
    }

    const std::vector<std::string> kButtonKeys = {"buttonActive",        "defaultSpritePath",  "mouseOverSpritePath",
                                                  "mouseDownSpritePath", "inactiveSpritePath", "audioSourcePath"};

    std::vector<std::string> With(std::vector<std::string> keys, const std::vector<std::string>& more)
    {
        keys.insert(keys.end(), more.begin(), more.end());
        return keys;
    }
}

TEST_F(Buttons, TexturesFollowTheMouseAndAPressPlaysTheSound)
{
    auto* b = MakeButton<SystemCallButton>("Play");
    EXPECT_EQ(Texture(b), "start.png") << "a loaded button keeps its sprite's texture until the mouse comes";
    Send(b, MsgID::MouseEnter);
    EXPECT_EQ(Texture(b), "over.png");
    Send(b, MsgID::MouseOver);
    EXPECT_EQ(Texture(b), "over.png");
    EXPECT_EQ(Plays(), 0);
    Send(b, MsgID::MouseDown);
    EXPECT_EQ(Texture(b), "down.png");
    EXPECT_EQ(Plays(), 1);
    Send(b, MsgID::MouseUp);
    EXPECT_EQ(Texture(b), "over.png");
    Send(b, MsgID::MouseExit);
    EXPECT_EQ(Texture(b), "default.png");
    EXPECT_EQ(Plays(), 1);

    // Switching off shows the inactive art; switching on again the default.
    b->ButtonActive(false);
    EXPECT_EQ(Texture(b), "inactive.png");
    b->ButtonActive(true);
    EXPECT_EQ(Texture(b), "default.png");
    Send(b, MsgID::MouseEnter);
    b->ButtonActive(true);
    EXPECT_EQ(Texture(b), "over.png") << "an unchanged state must not reset the texture";
}

TEST_F(Buttons, AnInactiveButtonKeepsItsTextureButStillSoundsWhenPressed)
{
    auto* b = MakeButton<SystemCallButton>("Locked");
    b->ButtonActive(false);
    for (auto id : {MsgID::MouseEnter, MsgID::MouseDown, MsgID::MouseUp, MsgID::MouseExit})
        Send(b, id);
    EXPECT_EQ(Texture(b), "inactive.png");
    EXPECT_EQ(Plays(), 1);
}

TEST_F(Buttons, ButtonsOfInactiveObjectsIgnoreEveryMouseMessage)
{
    auto* b = MakeButton<SystemCallButton>("Hidden");
    b->SetButtonType(SystemCallButton::ChangeLevel);
    b->SetFnStrParam("Credits");
    b->GetOwner()->setActive(false);
    for (auto id : {MsgID::MouseEnter, MsgID::MouseOver, MsgID::MouseDown, MsgID::MouseUp, MsgID::MouseExit})
        Send(b, id);
    EXPECT_EQ(Texture(b), "start.png");
    EXPECT_EQ(Plays(), 0);
    EXPECT_FALSE(b->GetMouseUpTriggered());
    EXPECT_FALSE(scenes->IsLoadPending());

    // The same holds when the parent is what was switched off.
    auto* child = MakeButton<SystemCallButton>("Child");
    GameObject* panel = Make("Panel");
    child->GetOwner()->AddParent(panel);
    panel->setActive(false);
    Send(child, MsgID::MouseDown);
    EXPECT_EQ(Plays(), 0);
}

TEST_F(Buttons, ButtonsWithoutSpriteOrSoundStillWork)
{
    auto* silent = MakeButton<SystemCallButton>("Silent", true, false);
    Send(silent, MsgID::MouseDown);
    EXPECT_EQ(Texture(silent), "down.png");
    EXPECT_EQ(Plays(), 0);

    auto* bare = MakeButton<SystemCallButton>("Bare", false, true);
    Send(bare, MsgID::MouseEnter);
    Send(bare, MsgID::MouseDown);
    EXPECT_EQ(Plays(), 1);

    // A sound source removed after initialisation is not played (nor touched).
    auto* edited = MakeButton<SystemCallButton>("Edited");
    edited->GetOwner()->RemoveComponent(CT_AudioSource);
    edited->GetOwner()->RemoveComponent(CT_Sprite);
    Send(edited, MsgID::MouseDown);
    edited->ButtonActive(false);
    EXPECT_EQ(Plays(), 1);
}

TEST_F(Buttons, ButtonKindsWriteTheBaseKeysFirstAndReadThemBack)
{
    tinyxml2::XMLDocument doc;

    SystemCallButton call;
    call.ButtonActive(true);
    call.SetDefaultPath("UI/Play.png");
    call.SetMouseOverPath("UI/PlayHover.png");
    call.SetMouseDownPath("UI/PlayDown.png");
    call.SetInactivePath("UI/PlayOff.png");
    call.SetAudioSourcePath("SFX/ButtonPress.wav");
    call.SetButtonType(SystemCallButton::QuitGame);
    call.SetFnStrParam("ignored");
    auto* e = doc.NewElement("SystemCallButton");
    call.XMLSerialise(e, &doc);
    EXPECT_EQ(Keys(e), With(kButtonKeys, {"buttonType"})) << "only a change of level stores its scene";

    call.SetButtonType(SystemCallButton::ChangeLevel);
    call.SetFnStrParam("TutorialLevel");
    call.SetFadeOut(true);
    e = doc.NewElement("SystemCallButton");
    call.XMLSerialise(e, &doc);
    EXPECT_EQ(Keys(e), With(kButtonKeys, {"buttonType", "buttonFnStringParam", "fadeOut"}));
    SystemCallButton read;
    read.XMLUnSerialise(e->FirstChildElement());
    EXPECT_TRUE(read.ButtonActive());
    EXPECT_EQ(read.GetInactivePath(), "UI/PlayOff.png");
    EXPECT_EQ(read.GetAudioSourcePath(), "SFX/ButtonPress.wav");
    EXPECT_EQ(read.GetButtonType(), 4u);
    EXPECT_EQ(read.GetFnStrParam(), "TutorialLevel");
    EXPECT_TRUE(read.GetFadeOut());

    ToggleActiveButton toggle;
    toggle.SetToggleObject("Options");
    toggle.SetToggleParent(true);
    toggle.SetObjToDeactivate("Mail");
    toggle.SetToggleNumOfLayers(2);
    e = doc.NewElement("ToggleActiveButton");
    toggle.XMLSerialise(e, &doc);
    EXPECT_EQ(Keys(e), With(kButtonKeys, {"toggleObject", "toggleChild_", "toggleParent_", "objToDeactivate",
                                          "toggleNumOfLayers"}));
    // A subclass's own key follows; the cursor read must stop right before it.
    e->InsertEndChild(doc.NewElement("extra"))->ToElement()->SetText("7");
    ToggleActiveButton toggleRead;
    XMLElement* cursor = e->FirstChildElement();
    FieldReader reader(cursor);
    toggleRead.ListFields(reader);
    ASSERT_NE(cursor, nullptr);
    EXPECT_STREQ(cursor->Name(), "extra");
    EXPECT_EQ(toggleRead.GetToggleObject(), "Options");
    EXPECT_TRUE(toggleRead.GetToggleParent());
    EXPECT_FALSE(toggleRead.GetToggleChild());
    EXPECT_EQ(toggleRead.GetObjToDeactivate(), "Mail");
    EXPECT_EQ(toggleRead.GetToggleNumOfLayers(), 2);

    ActivatePopupButton popup;
    popup.SetClickPopup("InfoPanel", Vector2D(10.5f, -20.0f));
    popup.SetHoverPopup("Tooltip", Vector2D(0.0f, 80.0f), 0.75f);
    e = doc.NewElement("ActivatePopupButton");
    popup.XMLSerialise(e, &doc);
    EXPECT_EQ(Keys(e), With(kButtonKeys, {"clickPopupArchetypeToSpawn", "clickPopupLocation",
                                          "hoverPopupArchetypeToSpawn", "hoverPopupLocation", "hoverTimeToPopup"}));
    ActivatePopupButton popupRead;
    popupRead.XMLUnSerialise(e->FirstChildElement());
    EXPECT_EQ(popupRead.GetClickPopupArchetype(), "InfoPanel");
    EXPECT_EQ(popupRead.GetClickPopupLocation().x, 10.5f);
    EXPECT_EQ(popupRead.GetClickPopupLocation().y, -20.0f);
    EXPECT_EQ(popupRead.GetHoverPopupArchetype(), "Tooltip");
    EXPECT_EQ(popupRead.GetHoverPopupLocation().y, 80.0f);
    EXPECT_EQ(popupRead.GetHoverTimeToPopup(), 0.75f);

    PopUpUI panel;
    panel.SetManualClosing(true);
    e = doc.NewElement("PopUpUI");
    panel.XMLSerialise(e, &doc);
    EXPECT_EQ(Keys(e), std::vector<std::string>{"manualClosing"});
    PopUpUI panelRead;
    panelRead.XMLUnSerialise(e->FirstChildElement());
    EXPECT_TRUE(panelRead.GetManualClosing());
}

TEST_F(Buttons, ShortOrBrokenButtonElementsReadWhatTheyHave)
{
    tinyxml2::XMLDocument doc;
    doc.Parse("<SystemCallButton><buttonActive>1</buttonActive><defaultSpritePath>a.png</defaultSpritePath>"
              "</SystemCallButton>");
    SystemCallButton shortOne;
    shortOne.XMLUnSerialise(doc.FirstChildElement()->FirstChildElement());
    EXPECT_TRUE(shortOne.ButtonActive());
    EXPECT_EQ(shortOne.GetDefaultPath(), "a.png");
    EXPECT_EQ(shortOne.GetButtonType(), static_cast<unsigned>(SystemCallButton::Invalid));

    // A negative type must not wrap into a huge number that names some call.
    tinyxml2::XMLDocument negative;
    negative.Parse("<B><a>1</a><b/><c/><d/><e/><f/><buttonType>-4</buttonType></B>");
    SystemCallButton wrapped;
    wrapped.XMLUnSerialise(negative.FirstChildElement()->FirstChildElement());
    EXPECT_EQ(wrapped.GetButtonType(), static_cast<unsigned>(SystemCallButton::Invalid));

    SystemCallButton empty;
    empty.XMLUnSerialise(nullptr);
    EXPECT_FALSE(empty.ButtonActive());
}
