// Archetype files as the engine writes them: every engine component, read
// from an archetype file and written back as an archetype, gives the file's
// exact bytes, conditional keys present and absent.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioListener.h"
#include "Core/Audio/AudioSource.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Emitter.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Core/UI/PopUpUI.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Core/Waypoints/VertexNode.h"
#include "Support/EngineWorld.h"

#include <tinyxml2.h>

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    // The document with its waypoint components blanked.
    std::string WithoutWaypoints(const std::string& text)
    {
        tinyxml2::XMLDocument doc(true, tinyxml2::PRESERVE_WHITESPACE);
        doc.Parse(text.c_str());
        if (tinyxml2::XMLElement* root = doc.RootElement())
            for (tinyxml2::XMLElement* e = root->FirstChildElement("VertexNode"); e;
                 e = e->NextSiblingElement("VertexNode"))
                e->DeleteChildren();
        tinyxml2::XMLPrinter printer;
        doc.Print(&printer);
        return printer.CStr();
    }

    // Archetypes are listed from the working folder and read from the asset
    // root: both are folders of this process alone.
    class ArchetypeFiles : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            work = folder;
            fs::create_directories(work / "Root/Archetypes");
            AddFactory();
            archetypes = AddSystem(new ArchetypeSystem());
            engine->SetAssetPath((work / "Root").generic_string() + "/");
            RegisterEngineComponents();

            for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(KITE_TEST_DATA) / "Archetypes"))
            {
                fixtures.push_back(entry.path());
                fs::copy_file(entry.path(), work / "Assets/Archetypes" / entry.path().filename());
                fs::copy_file(entry.path(), work / "Root/Archetypes" / entry.path().filename());
            }
            std::sort(fixtures.begin(), fixtures.end());
        }

        // The scratch folder.
        fs::path work;
        std::vector<fs::path> fixtures;
        ArchetypeSystem* archetypes = nullptr;
    };
}

TEST_F(ArchetypeFiles, EveryEngineComponentIsWrittenAsItsFileHoldsIt)
{
    ASSERT_GE(fixtures.size(), 7u);
    testing::internal::CaptureStderr();
    archetypes->LoadAllArchetypes();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    std::vector<ComponentTypeId> seen;
    for (const fs::path& file : fixtures)
    {
        SCOPED_TRACE(file.filename().string());
        const std::string name = file.stem().string();
        GameObject* templ = archetypes->FindArchetype(name);
        ASSERT_NE(templ, nullptr);
        for (GameComponent* c : templ->GetAllComponentsList())
            seen.push_back(c->GetComponentTypeId());

        testing::internal::CaptureStderr();
        EXPECT_TRUE(archetypes->MakeArchetypeAndSerialise(name + "Written", templ));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(KiteTest::ReadFile(work / "Assets/Archetypes" / (name + "Written.xml")), KiteTest::ReadFile(file));

        // A copy of the template, as instances are made, holds the same
        // fields; only a waypoint starts unlabelled, since a label names one
        // node of a scene.
        testing::internal::CaptureStderr();
        ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise(name + "Copy", templ));
        GameObject* copy = archetypes->FindArchetype(name + "Copy");
        ASSERT_NE(copy, nullptr);
        ASSERT_NE(copy, templ);
        EXPECT_TRUE(archetypes->MakeArchetypeAndSerialise(name + "CopyWritten", copy));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(WithoutWaypoints(KiteTest::ReadFile(work / "Assets/Archetypes" / (name + "CopyWritten.xml"))),
                  WithoutWaypoints(KiteTest::ReadFile(file)));
    }
    // The fixtures hold every engine component.
    for (ComponentTypeId t : {CT_Transform, CT_Sprite, CT_Text, CT_Emitter, CT_AudioListener, CT_AudioSource,
                              CT_Collider2D, CT_VertexNode, CT_PopUpUI, CT_ActivatePopupButton, CT_SystemCallButton,
                              CT_ToggleActiveButton})
        EXPECT_NE(std::find(seen.begin(), seen.end(), t), seen.end()) << "type " << static_cast<int>(t);
}
