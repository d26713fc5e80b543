// Every registered component type's inspector, the engine's and the game's,
// drawn with its nodes open, alone and in the editor's inspector panel.
#include "GameEditor/GameEditorWorld.h"

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Objects/ComponentCreator.h"

using namespace KiteTest;

namespace
{
    class Sweep : public GameEditorWorld
    {
    protected:
        // One object per registered type, holding that type's component.
        std::vector<GameObject*> MakeOnePerType()
        {
            std::vector<GameObject*> objects;
            for (const auto& entry : factory->GetCreators())
            {
                GameObject* o = factory->CreateEmptyComposition();
                o->setName(entry.second.first);
                if (entry.first != CT_Transform)
                    o->AddComponent(CT_Transform);
                GameComponent* c = entry.second.second->Create();
                EXPECT_TRUE(o->AddComponent(c)) << entry.second.first;
                o->Initialise();
                objects.push_back(o);
            }
            return objects;
        }

        void DrawAll(const std::vector<GameObject*>& objects, bool openNested)
        {
            std::vector<GameComponent*> components;
            for (GameObject* o : objects)
                for (GameComponent* c : o->GetAllComponentsList())
                    components.push_back(c);
            DrawPanels("Sweep", components, openNested);
        }
    };
}

TEST_F(Sweep, EveryRegisteredTypeDrawsItsInspectorOpen)
{
    const std::vector<GameObject*> objects = MakeOnePerType();
    ASSERT_GE(objects.size(), 12u);
    testing::internal::CaptureStdout();
    DrawAll(objects, true);
    DrawAll(objects, false);
    DrawAll(objects, false);
    testing::internal::GetCapturedStdout();
    // Nothing asked for removal, nothing removed.
    EXPECT_EQ(InspectorRemovals::Pending(), 0u);
    for (GameObject* o : objects)
        EXPECT_EQ(o->GetAllComponentsList().size(), o->getName() == "Transform" ? 1u : 2u) << o->getName();
}

TEST_F(Sweep, TheEditorsPanelsDrawEveryTypeForTwoFrames)
{
    const std::vector<GameObject*> objects = MakeOnePerType();
    testing::internal::CaptureStdout();
    for (GameObject* o : objects)
    {
        editor->SetInspecting(o);
        Frame();
        Frame();
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(factory->GetObjects().size() + factory->GetUIObjects().size(), objects.size());
}
