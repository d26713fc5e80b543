// Every engine component through its one field listing: written, read back,
// cloned and compared, with values other than the defaults and with the
// conditional keys present and absent.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Core/Audio/AudioListener.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/Waypoints/VertexNode.h"

using namespace KiteFramework;

namespace
{
    // One way of filling a component: a fresh one, the values to give it,
    // listed fields that keep their defaults on purpose, and what a copy must
    // not carry over.
    struct Case
    {
        std::string name;
        std::function<GameComponent*()> make;
        std::function<void(GameComponent&)> fill;
        std::set<std::string> keepsDefault;
        std::function<void(GameComponent&)> checkCopy;
    };

    FieldRef Field(GameComponent& c, const std::string& key)
    {
        for (const FieldRef& f : ListedFields(c))
            if (key == f.key)
                return f;
        ADD_FAILURE() << "no listed field " << key;
        return FieldRef();
    }

    template <typename T>
    void Set(GameComponent& c, const std::string& key, T value)
    {
        FieldRef f = Field(c, key);
        ASSERT_EQ(f.ops, FieldDetail::OpsFor<T>()) << key;
        f.As<T>() = value;
    }

    void FillButton(BaseButton& b)
    {
        b.ButtonActive(true);
        b.SetDefaultPath("UI/Info_Default.png");
        b.SetMouseOverPath("UI/Info_Hover.png");
        b.SetMouseDownPath("UI/Info_Pressed.png");
        b.SetInactivePath("UI/Info_Inactive.png");
        b.SetAudioSourcePath("SFX/Click.wav");
        b.SetClosesOtherPopups(true);
    }

    void FillSprite(Sprite& s, bool blendable)
    {
        s.InGameSet("Stalls/Noodles.png", 4, 2, 12.0f, 1.5f);
        s.SetStartingRow(2);
        s.ToggleRender(true);
        s.SetFlipX(true);
        s.TintSet(1.0f, 0.5f, 0.25f, 0.75f);
        s.SetBlendable(blendable);
        s.SetBlendPath("Stalls/Noodles_Night.png");
        s.SetBlend(0.375f);
        // Also starts the animation.
        s.SetAnimationCount(3);
    }

    template <typename T>
    T& As(GameComponent& c)
    {
        return static_cast<T&>(c);
    }

    std::vector<Case> Cases()
    {
        using Link = VertexNode::Link;
        return {
            {"Transform", [] { return new Transform(); },
             [](GameComponent& c) {
                 auto& t = As<Transform>(c);
                 t.SetTrans(-240.5f, 96.0f);
                 t.SetDepth(12.5f);
                 t.SetScale(1.5f, 2.0f);
                 t.SetRot(30.0f);
             },
             {}, nullptr},
            {"Sprite blendable", [] { return new Sprite(); }, [](GameComponent& c) { FillSprite(As<Sprite>(c), true); },
             {}, nullptr},
            {"Sprite not blendable", [] { return new Sprite(); },
             [](GameComponent& c) { FillSprite(As<Sprite>(c), false); }, {"blendable"},
             [](GameComponent& c) { EXPECT_EQ(As<Sprite>(c).GetBlendPath(), "") << "kept only when blendable"; }},
            {"Text", [] { return new Text(); },
             [](GameComponent& c) {
                 auto& t = As<Text>(c);
                 t.SetText("Noodles & Rice");
                 t.SetColor({0.25f, 0.5f, 1.0f});
                 t.SetScale(0.375f);
                 t.SetRenderBool(false);
                 t.SetOffset(Vector2D(12.0f, -8.0f));
                 t.SetCentralise(false);
             },
             {}, nullptr},
            {"Emitter", [] { return new Emitter(); },
             [](GameComponent& c) {
                 auto& e = As<Emitter>(c);
                 e.SetMaxCount(24);
                 e.SetSize(0.75f);
                 e.SetLifeTime(2.5f);
                 e.SetSpeedRange(0.5f, 3.25f);
                 e.SetEmissionRate(12);
                 e.SetEmitting(false);
                 e.SetTexturePath("Effects/Smoke.png");
                 Set(c, "maxRadius", 4.0f);
                 Set(c, "minRadius", 1.0f);
                 Set(c, "playbackSpeed", 2.0f);
                 Set(c, "colour", std::array<float, 4>{0.5f, 0.5f, 0.5f, 1.0f});
             },
             {}, nullptr},
            {"Collider2D box", [] { return new Collider2D(); },
             [](GameComponent& c) {
                 As<Collider2D>(c).SetColliderTag(3);
                 As<Collider2D>(c).SetExtents(Vector2D(2.5f, 0.75f));
             },
             {"shapeName"}, nullptr},
            {"Collider2D other shape", [] { return new Collider2D(); },
             [](GameComponent& c) {
                 As<Collider2D>(c).SetColliderTag(-2);
                 As<Collider2D>(c).SetShapeName("Circle");
                 As<Collider2D>(c).SetExtents(Vector2D(2.5f, 0.75f));
             },
             {},
             [](GameComponent& c) {
                 EXPECT_EQ(As<Collider2D>(c).GetExtents(), Vector2D()) << "a box size only goes with a box";
             }},
            {"AudioSource", [] { return new AudioSource(); },
             [](GameComponent& c) {
                 auto& a = As<AudioSource>(c);
                 a.setAudioClip("SFX/Sizzle.wav");
                 a.setLoop(true);
                 a.setOnStart(true);
                 a.setAudioTag(5);
                 a.setVolume(0.25f);
             },
             {}, nullptr},
            {"AudioListener", [] { return new AudioListener(); },
             [](GameComponent& c) { Set(c, "listenerNumber", 7); }, {}, nullptr},
            {"VertexNode", [] { return new VertexNode(); },
             [](GameComponent& c) {
                 auto& n = As<VertexNode>(c);
                 n.EditedLabel("StallFront");
                 n.SetHideSprite(false);
                 n.isActive(true);
                 Set(c, "localAdjacencyList", std::vector<Link>{{"Door", 5u}, {"Seat 2", 12u}});
             },
             {}, nullptr},
            {"PopUpUI", [] { return new PopUpUI(); },
             [](GameComponent& c) { As<PopUpUI>(c).SetManualClosing(true); }, {}, nullptr},
            {"ActivatePopupButton", [] { return new ActivatePopupButton(); },
             [](GameComponent& c) {
                 auto& b = As<ActivatePopupButton>(c);
                 FillButton(b);
                 b.SetClickPopup("InfoPanel", Vector2D(150.0f, -75.5f));
                 b.SetHoverPopup("InfoTip", Vector2D(-20.0f, 40.0f), 0.5f);
             },
             {}, nullptr},
            {"SystemCallButton change level", [] { return new SystemCallButton(); },
             [](GameComponent& c) {
                 auto& b = As<SystemCallButton>(c);
                 FillButton(b);
                 b.SetButtonType(SystemCallButton::ChangeLevel);
                 b.SetFnStrParam("Level2");
                 b.SetFadeOut(true);
             },
             {}, nullptr},
            {"SystemCallButton quit", [] { return new SystemCallButton(); },
             [](GameComponent& c) {
                 auto& b = As<SystemCallButton>(c);
                 FillButton(b);
                 b.SetButtonType(SystemCallButton::QuitGame);
                 b.SetFnStrParam("Level2");
             },
             {},
             [](GameComponent& c) {
                 EXPECT_EQ(As<SystemCallButton>(c).GetFnStrParam(), "") << "a scene name only goes with a change of level";
             }},
            {"ToggleActiveButton", [] { return new ToggleActiveButton(); },
             [](GameComponent& c) {
                 auto& b = As<ToggleActiveButton>(c);
                 FillButton(b);
                 b.SetToggleObject("PauseMenu");
                 b.SetToggleChild(true);
                 b.SetToggleParent(true);
                 b.SetObjToDeactivate("Hint");
                 b.SetToggleNumOfLayers(2);
                 // Presses the button once; without an object nothing switches.
                 b.SetForceClose(true);
             },
             {}, nullptr},
        };
    }

    std::vector<std::string> StoredKeys(GameComponent& c)
    {
        std::vector<std::string> keys;
        for (const FieldRef& f : ListedFields(c))
            if (f.stored)
                keys.push_back(f.key);
        return keys;
    }

    std::vector<std::string> ChildNames(const XMLElement* e)
    {
        std::vector<std::string> names;
        for (const XMLElement* child = e->FirstChildElement(); child; child = child->NextSiblingElement())
            names.push_back(child->Name());
        return names;
    }

    // The component's element as the engine writes it.
    std::string Written(const GameComponent& c)
    {
        XMLDocument doc;
        XMLElement* e = doc.NewElement("Component");
        doc.InsertEndChild(e);
        c.XMLSerialise(e, &doc);
        XMLPrinter printer;
        doc.Print(&printer);
        return printer.CStr();
    }

    // Whether the stored fields of a and b are equal; the others are left out.
    bool StoredFieldsEqual(GameComponent& a, GameComponent& b)
    {
        std::vector<FieldRef> left = ListedFields(a);
        std::vector<FieldRef> right = ListedFields(b);
        auto stored = [](std::vector<FieldRef>& fields) {
            std::vector<FieldRef> kept;
            for (const FieldRef& f : fields)
                if (f.stored)
                    kept.push_back(f);
            fields.swap(kept);
        };
        stored(left);
        stored(right);
        if (left.size() != right.size())
            return false;
        for (std::size_t i = 0; i < left.size(); ++i)
            if (std::string(left[i].key) != right[i].key || !left[i].ops->equal(left[i].member, right[i].member))
                return false;
        return true;
    }

    // Gives a listed field another value of its type.
    void Change(const FieldRef& f)
    {
        switch (f.kind)
        {
        case FieldKind::Int:
            f.As<int>() += 1;
            return;
        case FieldKind::Unsigned:
            f.As<unsigned>() += 1;
            return;
        case FieldKind::Float:
            f.As<float>() += 0.5f;
            return;
        case FieldKind::Bool:
            f.As<bool>() = !f.As<bool>();
            return;
        case FieldKind::String:
            f.As<std::string>() += "x";
            return;
        case FieldKind::Vector2D:
            f.As<Vector2D>().x += 1.0f;
            return;
        default:
            break;
        }
        if (f.ops == FieldDetail::OpsFor<std::array<float, 4>>())
            f.As<std::array<float, 4>>()[3] += 0.5f;
        else if (f.ops == FieldDetail::OpsFor<std::array<float, 3>>())
            f.As<std::array<float, 3>>()[1] += 0.5f;
        else if (f.ops == FieldDetail::OpsFor<std::vector<VertexNode::Link>>())
            f.As<std::vector<VertexNode::Link>>().back().second += 1;
        else
            ADD_FAILURE() << "the test cannot change " << f.key;
    }
}

TEST(ComponentListing, EveryEngineComponentIsWrittenReadClonedAndComparedThroughItsListing)
{
    std::set<std::type_index> covered;
    for (const Case& k : Cases())
    {
        SCOPED_TRACE(k.name);
        std::unique_ptr<GameComponent> blank(k.make());
        std::unique_ptr<GameComponent> c(k.make());
        k.fill(*c);
        const GameComponent& filled = *c;
        covered.insert(typeid(filled));

        // Every listed field holds a value other than its default, so a field
        // that a walk skipped would show below.
        for (const FieldRef& f : ListedFields(*c))
        {
            for (const FieldRef& d : ListedFields(*blank))
            {
                if (std::string(d.key) == f.key && !k.keepsDefault.count(f.key))
                {
                    EXPECT_FALSE(f.ops->equal(f.member, d.member)) << f.key << " keeps its default";
                }
            }
        }

        // Write: the stored fields, in listing order, and nothing else.
        XMLDocument doc;
        XMLElement* e = doc.NewElement("Component");
        doc.InsertEndChild(e);
        c->XMLSerialise(e, &doc);
        EXPECT_EQ(ChildNames(e), StoredKeys(*c));

        // Read: the stored fields come back; a setting files never hold
        // keeps its default.
        std::unique_ptr<GameComponent> back(k.make());
        back->XMLUnSerialise(e->FirstChildElement());
        EXPECT_TRUE(StoredFieldsEqual(*back, *c));
        EXPECT_EQ(Written(*back), Written(*c));
        for (const FieldRef& f : ListedFields(*back))
        {
            if (!f.stored)
            {
                EXPECT_TRUE(f.ops->equal(f.member, Field(*blank, f.key).member)) << f.key << " was read from a file";
            }
        }

        // Clone: the same class and type, every listed field.
        std::unique_ptr<GameComponent> clone(c->Clone());
        const GameComponent& cloned = *clone;
        ASSERT_EQ(typeid(cloned), typeid(filled));
        EXPECT_EQ(clone->GetComponentTypeId(), c->GetComponentTypeId());
        if (k.checkCopy)
            k.checkCopy(*clone);
        if (dynamic_cast<VertexNode*>(c.get()))
            // A label names one node: an instance starts as a new node.
            EXPECT_TRUE(ListedFieldsEqual(*clone, *blank));
        else
        {
            EXPECT_TRUE(ListedFieldsEqual(*clone, *c));
            EXPECT_EQ(Written(*clone), Written(*c));
        }

        // Compare: a twin filled alike is equal, and changing any one listed
        // field of it (stored or not) makes it unequal.
        std::unique_ptr<GameComponent> twin(k.make());
        k.fill(*twin);
        EXPECT_TRUE(ListedFieldsEqual(*twin, *c));
        const std::size_t count = ListedFields(*twin).size();
        for (std::size_t i = 0; i < count; ++i)
        {
            std::unique_ptr<GameComponent> changed(k.make());
            k.fill(*changed);
            const FieldRef f = ListedFields(*changed)[i];
            Change(f);
            EXPECT_FALSE(ListedFieldsEqual(*changed, *c)) << "a change of " << f.key << " went unnoticed";
        }
    }
    EXPECT_EQ(covered.size(), 12u) << "every engine component";
}

TEST(ComponentListing, ButtonsReadTheirBaseKeysFirstAndLeaveTheCursorAfterTheirOwn)
{
    ToggleActiveButton source;
    FillButton(source);
    source.SetToggleObject("PauseMenu");
    source.SetToggleNumOfLayers(2);
    XMLDocument doc;
    XMLElement* e = doc.NewElement("ToggleActiveButton");
    doc.InsertEndChild(e);
    source.XMLSerialise(e, &doc);
    // A game button appends a key of its own.
    XMLElement* extra = doc.NewElement("extra");
    extra->SetText(9);
    e->InsertEndChild(extra);

    ToggleActiveButton base;
    XMLElement* cursor = e->FirstChildElement();
    FieldReader baseReader(cursor);
    base.BaseButton::ListFields(baseReader);
    ASSERT_NE(cursor, nullptr);
    EXPECT_STREQ(cursor->Name(), "toggleObject");
    EXPECT_EQ(base.GetDefaultPath(), "UI/Info_Default.png");
    EXPECT_EQ(base.GetToggleObject(), "");

    ToggleActiveButton read;
    cursor = e->FirstChildElement();
    FieldReader reader(cursor);
    read.ListFields(reader);
    ASSERT_NE(cursor, nullptr);
    EXPECT_STREQ(cursor->Name(), "extra");
    EXPECT_TRUE(StoredFieldsEqual(read, source));
    EXPECT_FALSE(read.GetClosesOtherPopups()) << "not a file key";
}
