// The game's asset tree: every scene and archetype loads without a complaint,
// and every texture and sound they name exists with its exact case.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Scenes/SceneManager.h"
#include "Platform/Fake/FakePlatform.h"
#include "StartUp/Configuration.h"
#include "StartUp/Game.h"
#include "StartUp/GameStartUp.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    const fs::path kRoot = KITE_ASSET_ROOT;

    bool EndsWith(const std::string& text, const std::string& tail)
    {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    }

    std::vector<fs::path> XmlFilesUnder(const fs::path& folder)
    {
        std::vector<fs::path> files;
        if (!fs::exists(folder))
            return files;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().extension() == ".xml")
                files.push_back(entry.path());
        return files;
    }

    void CollectTexts(const tinyxml2::XMLElement* element, std::vector<std::string>& texts)
    {
        for (; element; element = element->NextSiblingElement())
        {
            if (element->GetText())
                texts.push_back(element->GetText());
            CollectTexts(element->FirstChildElement(), texts);
        }
    }

    std::vector<std::string> SceneNames()
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(kRoot / "Scenes"))
            if (entry.is_regular_file() && entry.path().extension() == ".xml")
                names.push_back(entry.path().stem().string());
        return names;
    }
}

TEST(AssetTree, TexturesAndSoundsNamedByScenesAndArchetypesExist)
{
    std::vector<fs::path> files = XmlFilesUnder(kRoot / "Scenes");
    std::vector<fs::path> archetypes = XmlFilesUnder(kRoot / "Archetypes");
    files.insert(files.end(), archetypes.begin(), archetypes.end());
    ASSERT_FALSE(files.empty());

    int checked = 0;
    for (const fs::path& file : files)
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile(file.string().c_str()), tinyxml2::XML_SUCCESS) << file;
        std::vector<std::string> texts;
        CollectTexts(document.RootElement(), texts);
        for (const std::string& text : texts)
        {
            fs::path expected;
            if (EndsWith(text, ".png"))
                expected = kRoot / "Sprites" / text;
            else if (EndsWith(text, ".wav") || EndsWith(text, ".ogg"))
                expected = kRoot / "Audio" / (text.rfind("Assets/Audio/", 0) == 0 ? text.substr(13) : text);
            else
                continue;
            ++checked;
            EXPECT_TRUE(fs::is_regular_file(expected)) << file << " names \"" << text << "\"";
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(AssetTree, EverySceneIndexMatchesItsComponentFiles)
{
    for (const std::string& name : SceneNames())
    {
        tinyxml2::XMLDocument document;
        ASSERT_EQ(document.LoadFile((kRoot / "Scenes" / (name + ".xml")).string().c_str()), tinyxml2::XML_SUCCESS);
        const tinyxml2::XMLElement* root = document.RootElement();
        ASSERT_NE(root, nullptr) << name;
        EXPECT_STREQ(root->Name(), "Scene") << name;
        std::set<unsigned> ids;
        std::vector<unsigned> parents;
        for (const tinyxml2::XMLElement* o = root->FirstChildElement("GameObject"); o;
             o = o->NextSiblingElement("GameObject"))
        {
            unsigned id = 0;
            unsigned parent = 0;
            ASSERT_EQ(o->QueryUnsignedAttribute("objectId", &id), tinyxml2::XML_SUCCESS) << name;
            o->QueryUnsignedAttribute("parentId", &parent);
            EXPECT_TRUE(ids.insert(id).second) << name << ": id " << id << " twice";
            parents.push_back(parent);
            EXPECT_TRUE(fs::is_regular_file(kRoot / "Scenes" / name / (std::to_string(id) + ".xml")))
                << name << ": object " << id << " has no component file";
        }
        for (unsigned parent : parents)
            EXPECT_TRUE(parent == 0 || ids.count(parent)) << name << ": parent " << parent << " missing";
    }
}

TEST(AssetTree, EverySceneLoadsWithoutAComplaint)
{
    Platform::FakePlatform fake;
    Platform::Install(&fake);
    auto* engine = new Engine();
    engine->SetAssetPath(kRoot.generic_string() + "/");
    engine->SetLogPath(testing::TempDir() + "asset_tree_log.txt");
    ASSERT_TRUE(AddGameSystems(*engine, Configuration()));
    engine->AddAndInitialiseGame(new Game());
    testing::internal::CaptureStdout();
    engine->Initialise();
    engine->BeginLoop();
    testing::internal::GetCapturedStdout();

    for (const std::string& name : SceneNames())
    {
        testing::internal::CaptureStderr();
        SCENEMNGR->LoadLevel(name);
        engine->Step();
        engine->Step();
        std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(SCENEMNGR->GetCurrentSceneName(), name);
        EXPECT_GT(FACTORY->GetObjects().size() + FACTORY->GetUIObjects().size(), 0u) << name;
        EXPECT_EQ(errors, "") << "scene \"" << name << "\"";
    }

    engine->EndLoop();
    engine->CleanEngine();
    delete engine;
    Platform::Install(nullptr);
}
