// Every text the game shows fits the sprite or panel it sits on, measured as
// the renderer lays it out at 1600 by 900: in every shipped scene with its
// panels open, on every archetype as shipped, and with the longest figures
// and names the game puts on them at run time (a stall's menu at every
// level, the mailbox's titles and letters, the statistics, the summaries,
// the tutorial's boxes). Two texts on one panel do not run into each other,
// and nothing of a text's own panel is drawn over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Assets/ShippedGame.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Graphics/TextureDecoder.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "HUD/TextFit.h"
#include "Mail/MailBoxSystem.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    struct Box
    {
        float left = 0.0f, right = 0.0f, bottom = 0.0f, top = 0.0f;
        bool Contains(float x, float y) const { return x >= left && x <= right && y >= bottom && y <= top; }
        bool Overlaps(const Box& o) const
        {
            return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
        }
    };

    Box SpriteBox(const GameObject* o)
    {
        const Transform* t = o->GetComponent<Transform>();
        const Vector2D at = t->GetTransVec();
        const Vector2D half = t->GetScaleVec() * 50.0f;
        return Box{at.x - half.x, at.x + half.x, at.y - half.y, at.y + half.y};
    }

    // The box the glyphs of a text cover.
    bool TextBox(const Text& text, Box& out)
    {
        const Transform* t = text.GetOwner()->GetComponent<Transform>();
        std::vector<GlyphQuad> quads;
        GRAPHICS->LayoutText(text.String(), t->GetTransVec().x, t->GetTransVec().y, text.Scale(), text.GetOffset(),
                             text.GetCentralise(), quads);
        if (quads.empty())
            return false;
        out = Box{quads[0].left, quads[0].right, quads[0].bottom, quads[0].top};
        for (const GlyphQuad& q : quads)
        {
            out.left = std::min(out.left, q.left);
            out.right = std::max(out.right, q.right);
            out.bottom = std::min(out.bottom, q.bottom);
            out.top = std::max(out.top, q.top);
        }
        return true;
    }

    constexpr float WordGap = 8.0f;
    // Between a text and an icon of the art it sits on.
    constexpr float IconGap = 4.0f;

    // A panel's picture, decoded once per test program.
    const DecodedImage* Picture(const std::string& texturePath)
    {
        static std::map<std::string, std::unique_ptr<DecodedImage>> pictures;
        auto found = pictures.find(texturePath);
        if (found == pictures.end())
        {
            auto image = std::make_unique<DecodedImage>(
                TextureDecoder::Decode((fs::path(KITE_ASSET_ROOT) / "Sprites" / texturePath).string()));
            found = pictures.emplace(texturePath, std::move(image)).first;
        }
        const DecodedImage* image = found->second.get();
        return image->pixels && image->channels >= 3 ? image : nullptr;
    }

    // Whether the panel's art in the strip an icon's gap wide before a text
    // is plain: no icon of the panel comes closer to the text than that.
    bool ClearBefore(const GameObject* panel, const Box& glyphs)
    {
        const Sprite* sprite = panel->GetComponent<Sprite>();
        if (!sprite || sprite->GetColumn() != 1 || sprite->GetRow() != 1 || sprite->GetFlipXconst())
            return true;
        const DecodedImage* image = Picture(sprite->GetTexturePath());
        if (!image)
            return true;
        const Box box = SpriteBox(panel);
        // Rows run from the bottom, as the decoder gives them.
        const auto pixel = [&](float x, float y) {
            const int px = std::clamp(static_cast<int>((x - box.left) / (box.right - box.left) * image->width), 0,
                                      image->width - 1);
            const int py = std::clamp(static_cast<int>((y - box.bottom) / (box.top - box.bottom) * image->height), 0,
                                      image->height - 1);
            return image->pixels + (static_cast<std::size_t>(py) * image->width + px) * image->channels;
        };
        // Each row of the strip against the art just before it, so that a
        // shaded button reads as plain; sampled a pixel of the screen apart.
        for (float y = glyphs.bottom; y <= glyphs.top; y += 1.0f)
        {
            const unsigned char* fill = pixel(glyphs.left - IconGap - 1.0f, y);
            for (float x = glyphs.left - IconGap; x < glyphs.left; x += 1.0f)
            {
                const unsigned char* at = pixel(x, y);
                for (int c = 0; c < 3; ++c)
                    if (std::abs(at[c] - fill[c]) > 40)
                        return false;
            }
        }
        return true;
    }

    const GameObject* Root(const GameObject* o)
    {
        while (o->GetParent())
            o = o->GetParent();
        return o;
    }

    bool Shown(const GameObject* o)
    {
        const Sprite* s = o ? o->GetComponent<Sprite>() : nullptr;
        return s && o->isActive() && s->IsRenderable() && s->GetAlpha() > 0.05f && o->GetComponent<Transform>();
    }

    struct Shown_
    {
        const Text* text;
        Box glyphs;
        const GameObject* box;  // what it sits on; none: the screen
    };

    class TextFits : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(game.Start(Scenes()));
            GENRANDNUM::Seed(5);
        }
        void TearDown() override { game.Stop(); }

        static std::vector<std::string> Scenes()
        {
            std::vector<std::string> out;
            for (const auto& entry : fs::directory_iterator(fs::path(KITE_ASSET_ROOT) / "Scenes"))
                if (entry.path().extension() == ".xml" && entry.path().stem() != "tmp")
                    out.push_back(entry.path().stem().string());
            std::sort(out.begin(), out.end());
            return out;
        }

        GameObject* Named(const std::string& name) const { return FACTORY->FindObjByName(name); }

        static void ShowAll(GameObject* o)
        {
            if (!o)
                return;
            o->setActive(true);
            for (GameObject* child : o->GetChildren())
                ShowAll(child);
        }

        void Frames(int n)
        {
            for (int i = 0; i < n; ++i)
                game.GameEngine().Step();
        }

        std::vector<const GameObject*> ShownSprites() const
        {
            std::vector<const GameObject*> out;
            for (const auto* objects : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
                for (const auto& entry : *objects)
                    if (Shown(entry.second))
                        out.push_back(entry.second);
            return out;
        }

        // The sprite a text sits on: its own, or an ancestor's, holding the
        // point the text is centred on; else the smallest shown sprite
        // under that point that is drawn before it; else none (the screen).
        static const GameObject* BoxOf(const Text& text, const std::vector<const GameObject*>& sprites)
        {
            const GameObject* owner = text.GetOwner();
            const Transform* t = owner->GetComponent<Transform>();
            const Vector2D anchor = t->GetTransVec() + text.GetOffset();
            // A text beside its own icon (a floating amount) sits on nothing.
            if (Shown(owner) && !SpriteBox(owner).Contains(anchor.x, anchor.y))
                return nullptr;
            for (const GameObject* o = owner; o; o = o->GetParent())
                if (Shown(o) && SpriteBox(o).Contains(anchor.x, anchor.y))
                    return o;
            const GameObject* best = nullptr;
            float bestArea = 0.0f;
            for (const GameObject* o : sprites)
            {
                const Box b = SpriteBox(o);
                const float area = (b.right - b.left) * (b.top - b.bottom);
                if (!b.Contains(anchor.x, anchor.y) || o->GetComponent<Transform>()->GetDepth() < t->GetDepth())
                    continue;
                if (!best || area < bestArea)
                {
                    best = o;
                    bestArea = area;
                }
            }
            // The floor is no box: a text over it only has to stay on the screen.
            return best && bestArea < 1600.0f * 900.0f * 0.5f ? best : nullptr;
        }

        // Every fault of the texts shown now.
        std::vector<std::string> Faults(const std::string& where) const
        {
            const std::vector<const GameObject*> sprites = ShownSprites();
            std::vector<Shown_> texts;
            for (const auto* objects : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
                for (const auto& entry : *objects)
                {
                    const GameObject* o = entry.second;
                    const Text* text = o ? o->GetComponent<Text>() : nullptr;
                    Box glyphs;
                    if (!text || !o->isActive() || !text->GetRenderBool() || !o->GetComponent<Transform>() ||
                        !TextBox(*text, glyphs))
                        continue;
                    texts.push_back(Shown_{text, glyphs, BoxOf(*text, sprites)});
                }
            std::vector<std::string> faults;
            const auto name = [](const Shown_& s) {
                return "\"" + s.text->String() + "\" (" + s.text->GetOwner()->getName() + ")";
            };
            for (const Shown_& s : texts)
            {
                Box box{-800.0f, 800.0f, -450.0f, 450.0f};
                std::string boxName = "the screen";
                if (s.box)
                {
                    // Art keeps a frame round its edge, wider on wider art.
                    box = SpriteBox(s.box);
                    const float side = (box.right - box.left) * 0.04f;
                    const float inset = std::min(6.0f, (box.top - box.bottom) * 0.1f);
                    box = Box{box.left + side, box.right - side, box.bottom + inset, box.top - inset};
                    boxName = s.box->getName();
                }
                if (s.glyphs.left < box.left || s.glyphs.right > box.right || s.glyphs.bottom < box.bottom ||
                    s.glyphs.top > box.top)
                    faults.push_back(where + ": " + name(s) + " runs past " + boxName);
                // Words on one panel keep at least a narrow gap between them.
                const Box spaced{s.glyphs.left - WordGap, s.glyphs.right + WordGap, s.glyphs.bottom, s.glyphs.top};
                for (const Shown_& other : texts)
                    if (&other < &s && other.box == s.box && s.box && other.glyphs.Overlaps(spaced))
                        faults.push_back(where + ": " + name(s) + " runs into " + name(other));
                // A figure laid out from its left edge follows an icon.
                if (s.box && !s.text->GetCentralise() && !ClearBefore(s.box, s.glyphs))
                    faults.push_back(where + ": " + name(s) + " touches the art of " + boxName + " before it");
                // Nothing of its own panel is drawn over it (other panels
                // may well cover it while they are open).
                for (const GameObject* o : sprites)
                {
                    if (o == s.box || o == s.text->GetOwner() || !s.box || Root(o) != Root(s.text->GetOwner()))
                        continue;
                    const Sprite* sprite = o->GetComponent<Sprite>();
                    if (SpriteBox(o).Overlaps(s.glyphs) && RenderOrderCompare(s.text, sprite))
                        faults.push_back(where + ": " + name(s) + " is covered by " + o->getName());
                }
            }
            return faults;
        }

        void Check(const std::string& where)
        {
            const std::vector<std::string> faults = Faults(where);
            std::string lines;
            for (std::size_t i = 0; i < faults.size() && i < 10; ++i)
                lines += faults[i] + "\n";
            EXPECT_TRUE(faults.empty()) << faults.size() << " texts do not fit\n" << lines;
        }

        KiteTest::ShippedGame game;
    };

    const char* const Levels[] = {"TutorialLevel", "Level1", "Level2", "Level3"};
}

TEST_F(TextFits, EveryShippedSceneWithItsPanelsOpen)
{
    for (const std::string& scene : Scenes())
    {
        ASSERT_EQ(game.Load(scene), "") << scene;
        // The fade at the start clears.
        Frames(40);
        Check(scene);
        if (scene == "MainMenu")
        {
            ShowAll(Named("OptionsPanel"));
            Check("the options panel");
        }
        if (!Named("PausePanel"))
            continue;
        for (const char* panel : {"StarOnePanel", "StarTwoPanel", "StarThreePanel"})
        {
            ShowAll(Named(panel));
            Check(scene + ", " + panel);
            Named(panel)->setActive(false);
        }
        for (const char* name : {"PausePanel", "ResumeButton", "RestartButton", "MenuReturnButton", "PauseQuitButton"})
            ShowAll(Named(name));
        Check(scene + ", paused");
    }
}

TEST_F(TextFits, TheTutorialsBoxesAndLastPanel)
{
    ASSERT_EQ(game.Load("TutorialLevel"), "");
    Frames(40);
    for (int n = 0; n < 34; ++n)
    {
        GameObject* box = Named("Instruction_" + std::to_string(n));
        ASSERT_NE(box, nullptr);
        box->setActive(true);
        Check("instruction " + std::to_string(n));
        box->setActive(false);
    }
    ASSERT_NE(Instantiate("TutorialComplete", Vector2D(), 0.0f), nullptr);
    Frames(60);
    Check("the tutorial's last panel");
}

TEST_F(TextFits, FiguresAndNamesTheGamePutsOnItsPanels)
{
    for (const char* level : Levels)
    {
        ASSERT_EQ(game.Load(level), "");
        Frames(40);
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        ASSERT_NE(stats, nullptr);
        // The dearest stall at every level of its menu, with money to spare.
        GameObject* node = Named("StallNode1");
        ASSERT_NE(node, nullptr);
        GameObject* stall = Instantiate("Stall8", node->GetComponent<Transform>()->GetTransVec(), 0.0f);
        ASSERT_NE(stall, nullptr);
        UpgradeBehaviour* upgrade = stall->GetComponent<UpgradeBehaviour>();
        UpgradeSystem::Instance()->OpenUpgradeMenu(upgrade);
        for (GameObject* child : stall->GetChildren())
            ShowAll(child);
        upgrade->UpdateTexts();
        for (int step = 0; step <= 9; ++step)
        {
            Check(std::string(level) + ", a stall's menu at level " + std::to_string(step + 1));
            stats->SetMoney(1.0e7f);
            upgrade->upgrading = false;
            upgrade->StartUpgrade();
        }
        stall->Destroy();
        Frames(1);

        // A full court's upkeep (four figures) before its "/day".
        stats->SetMoney(1.0e7f);
        std::vector<GameObject*> bought;
        for (int k = 0; k < 30 && StallsSystem::Instance()->GetTotalUpkeep() < 1000.0f; ++k)
        {
            bought.push_back(Instantiate("Stall8", Vector2D(0.0f, -2000.0f), 0.0f));
            ASSERT_NE(bought.back(), nullptr);
            Frames(1);
            ASSERT_TRUE(StallsSystem::Instance()->AddStall(bought.back()->GetComponent<StallsBehaviour>()));
        }
        ASSERT_GE(StallsSystem::Instance()->GetTotalUpkeep(), 1000.0f);
        Check(std::string(level) + ", a four-figure upkeep");
        for (GameObject* o : bought)
            o->Destroy();
        Frames(1);

        // Large figures on the statistics window.
        stats->CustomerServed = 104900;
        stats->GrossRevenue = 9999999.0f;
        stats->AverageWaitingTime = 123.456f;
        ShowAll(Named("StatsWindow"));
        Named("GoalsPanel")->setActive(false);
        Frames(2);
        Check(std::string(level) + ", the statistics' figures");
        Named("StatsPanel")->setActive(false);
        Named("GoalsPanel")->setActive(true);
        Frames(2);
        Check(std::string(level) + ", the statistics' goals");
        Named("StatsWindow")->setActive(false);

        // A letter of every kind, and the longest letter of each opened.
        MailBoxSystem* mail = MailBoxSystem::Instance();
        ASSERT_NE(mail, nullptr);
        for (int type = 1; type <= 15; ++type)
            for (int k = 0; k < mail->threshold; ++k)
                mail->AddMail(type);
        ShowAll(Named("MailboxMenuParent"));
        mail->ShowFirstPage();
        Check(std::string(level) + ", the mailbox");
        for (int type = 1; type <= 15; ++type)
        {
            const std::vector<std::string>& letters = mail->GetLetters(type);
            int longest = 0;
            for (std::size_t i = 0; i < letters.size(); ++i)
                if (letters[i].size() > letters[static_cast<std::size_t>(longest)].size())
                    longest = static_cast<int>(i);
            if (letters.empty())
                continue;
            mail->ShowMail(type, longest, nullptr);
            Check(std::string(level) + ", letter of type " + std::to_string(type));
        }
        Named("MailboxMenuParent")->setActive(false);
    }
}

TEST_F(TextFits, TheSummariesAsTheySlideIn)
{
    for (const char* summary : {"WinSummary", "LoseSummary"})
    {
        ASSERT_EQ(game.Load("Level1"), "");
        LevelStatsSystem::Instance()->CustomerServed = 1049;
        LevelStatsSystem::Instance()->GrossRevenue = 99999.0f;
        ASSERT_NE(Instantiate(summary, Vector2D(), 0.0f), nullptr);
        Frames(60);
        Check(summary);
    }
}

TEST_F(TextFits, EveryArchetypeAsShipped)
{
    ASSERT_EQ(game.Load("Level1"), "");
    Frames(40);
    for (const auto& entry : fs::directory_iterator(fs::path(KITE_ASSET_ROOT) / "Archetypes"))
    {
        const std::string name = entry.path().stem().string();
        GameObject* o = Instantiate(name, Vector2D(0.0f, -200.0f), 0.0f);
        if (!o || !o->GetComponent<Text>())
        {
            if (o)
                o->Destroy();
            continue;
        }
        const Text* text = o->GetComponent<Text>();
        Box glyphs;
        if (Shown(o) && TextBox(*text, glyphs))
        {
            const Vector2D anchor = o->GetComponent<Transform>()->GetTransVec() + text->GetOffset();
            Box box = SpriteBox(o);
            // A text on its own sprite fits it; one beside it (a floating
            // amount) only has to stay on the screen.
            if (box.Contains(anchor.x, anchor.y))
                EXPECT_TRUE(glyphs.left >= box.left && glyphs.right <= box.right && glyphs.bottom >= box.bottom &&
                            glyphs.top <= box.top)
                    << name << ": \"" << text->String() << "\" runs past its sprite";
        }
        o->Destroy();
        Frames(1);
    }
}

TEST_F(TextFits, LongNamesAreCutWithAnEllipsisAndLongFiguresShrink)
{
    const std::string name = "A wish for chicken rice with extra chilli and a cold drink on the side";
    const float width = 300.0f;
    const std::string cut = KiteFramework::TextFit::Ellipsis(name, 0.2f, width);
    EXPECT_LE(KiteFramework::TextFit::Width(cut, 0.2f), width);
    EXPECT_GT(KiteFramework::TextFit::Width(cut, 0.2f), width * 0.8f) << "no more is cut than needed: " << cut;
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_EQ(name.rfind(cut.substr(0, cut.size() - 3), 0), 0u) << "the head of the name is kept";
    EXPECT_EQ(KiteFramework::TextFit::Ellipsis("Nowhere to sit", 0.2f, width), "Nowhere to sit");

    const float scale = KiteFramework::TextFit::Scale("9999999", 0.26f, 80.0f);
    EXPECT_LT(scale, 0.26f);
    EXPECT_NEAR(KiteFramework::TextFit::Width("9999999", scale), 80.0f, 1.0f);
    EXPECT_EQ(KiteFramework::TextFit::Scale("12", 0.26f, 80.0f), 0.26f) << "a figure that fits keeps its size";
}
