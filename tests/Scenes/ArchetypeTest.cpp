// Archetypes: loading templates from their files, writing them, and
// Instantiate.
#include "Objects/TestWorld.h"

#include "Core/Objects/ObjectHandle.h"

using namespace KiteTest;
namespace fs = std::filesystem;

namespace
{
    // Each file is put in both asset trees (the working folder's and the
    // program's); the first that has an archetype folder is the one used.
    class Archetypes : public World
    {
    protected:
        void Put(const std::string& name, const std::string& text)
        {
            names.push_back(name);
            WriteFile("Assets/Archetypes/" + name + ".xml", text);
            WriteFile(engine->GetAssetPath() + "Archetypes/" + name + ".xml", text);
        }

        void TearDown() override
        {
            std::error_code ec;
            for (const std::string& name : names)
            {
                fs::remove("Assets/Archetypes/" + name + ".xml", ec);
                fs::remove(engine->GetAssetPath() + "Archetypes/" + name + ".xml", ec);
            }
            World::TearDown();
        }

        std::string Name(const std::string& base) const { return base + scene; }

        std::vector<std::string> names;
    };
}

TEST_F(Archetypes, EachFileBecomesANamedTemplate)
{
    const std::string cloud = Name("Cloud");
    Put(cloud, "<Components><Transform><translation><x>1</x><y>2</y></translation></Transform>"
               "<Probe><speed>3</speed></Probe></Components>");
    const std::string broken = Name("Broken");
    Put(broken, "<Things/>");
    testing::internal::CaptureStderr();
    archetypes->LoadAllArchetypes();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Archetype \"" + broken + "\": "), std::string::npos) << err;

    GameObject* t = archetypes->FindArchetype(cloud);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->getName(), cloud);
    EXPECT_EQ(t->GetId(), 0u);
    EXPECT_EQ(t->GetComponent<Probe>()->speed, 3.0f);
    EXPECT_EQ(t->GetComponent<Probe>()->initialised, 0);
    EXPECT_TRUE(factory->GetObjects().empty());
    ASSERT_NE(archetypes->FindArchetype(broken), nullptr);

    // Destroy never reaches a template.
    testing::internal::CaptureStderr();
    t->Destroy();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(factory->GetDestroyQueueSize(), 0u);
}

TEST_F(Archetypes, InstantiateNumbersInitialisesAndStartsTheClone)
{
    const std::string cloud = Name("Cloud");
    Put(cloud, "<Components><Transform/><Probe/></Components>");
    archetypes->LoadAllArchetypes();
    Make("existing");
    engine->SetEngineStatus(ES_GAMEPLAYING, false);

    GameObject* o = Instantiate(cloud, Vector2D(30.0f, -40.0f), 15.0f);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->GetId(), 2u);
    EXPECT_TRUE(o->isActive());
    EXPECT_EQ(factory->FindObjectWithId(2), o);
    Probe* p = o->GetComponent<Probe>();
    EXPECT_EQ(p->initialised, 1);
    EXPECT_EQ(p->started, 1);
    EXPECT_EQ(logic->GetScriptCount(), 1u);
    EXPECT_EQ(o->GetComponent<Transform>()->GetTransVec(), Vector2D(30.0f, -40.0f));
    EXPECT_EQ(o->GetComponent<Transform>()->GetRotation(), 15.0f);
    EXPECT_EQ(archetypes->FindArchetype(cloud)->GetComponent<Probe>()->initialised, 0);

    testing::internal::CaptureStderr();
    EXPECT_EQ(Instantiate("NoSuchArchetype", Vector2D(), 0.0f), nullptr);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("unknown archetype \"NoSuchArchetype\""), std::string::npos);
    EXPECT_EQ(factory->GetCounter(), 2u);
}

TEST_F(Archetypes, SavingUnderALoadedNameKeepsTheLoadedTemplate)
{
    const std::string stall = Name("Stall");
    Put(stall, "<Components><Probe><speed>1</speed></Probe></Components>");
    archetypes->LoadAllArchetypes();

    GameObject* o = Make("edited");
    Probe* p = new Probe();
    p->speed = 9.0f;
    o->AddComponent(p);
    ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise(stall, o));
    std::string file = ReadFile("Assets/Archetypes/" + stall + ".xml");
    EXPECT_NE(file.find("<speed>9</speed>"), std::string::npos) << file;
    EXPECT_EQ(file.find("Mesh"), std::string::npos);
    EXPECT_EQ(archetypes->FindArchetype(stall)->GetComponent<Probe>()->speed, 1.0f);

    // A new name becomes a template at once, owning its own components.
    const std::string fresh = Name("Fresh");
    names.push_back(fresh);
    ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise(fresh, o));
    GameObject* t = archetypes->FindArchetype(fresh);
    ASSERT_NE(t, nullptr);
    EXPECT_NE(t->GetComponent<Probe>(), p);
    EXPECT_EQ(t->GetComponent<Probe>()->speed, 9.0f);
}

namespace
{
    // Stands in for Graphics at shutdown: it owns the shared mesh and frees
    // it when deleted, which CleanEngine does before the archetype system.
    class MeshOwner : public System
    {
    public:
        MeshOwner() : System(ST_Graphics), mesh(new SharedQuad()) {}
        ~MeshOwner() override { delete mesh; }
        SharedQuad* mesh;
    };
}

TEST_F(Archetypes, TemplatesOutliveTheSharedMeshAtShutdown)
{
    auto* graphics = new MeshOwner();
    engine->AddSystem(graphics);
    GameObject* o = Make("quad");
    o->AddComponent(graphics->mesh);
    const std::string name = Name("Quad");
    names.push_back(name);
    ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise(name, o));
    EXPECT_EQ(archetypes->FindArchetype(name)->GetComponentList().size(), 2u);

    SharedQuad::deletions = 0;
    engine->EndLoop();
    // The mesh is freed before the templates are deleted; none of them may
    // touch or free it again.
    engine->CleanEngine();
    EXPECT_EQ(SharedQuad::deletions, 1);
}

TEST_F(Archetypes, HandlesResolveTemplatesUntilTheSystemDeletesThem)
{
    const std::string cloud = Name("Cloud");
    Put(cloud, "<Components><Transform/><Probe/></Components>");
    archetypes->LoadAllArchetypes();
    GameObject* t = archetypes->FindArchetype(cloud);
    ASSERT_NE(t, nullptr);
    // A template is in none of the factory's maps, yet its handle resolves.
    const ObjectHandle templateHandle(t);
    EXPECT_EQ(templateHandle.Get(), t);
    EXPECT_NE(templateHandle.Get<Probe>(), nullptr);

    GameObject* o = Instantiate(cloud, Vector2D(), 0.0f);
    ASSERT_NE(o, nullptr);
    const ObjectHandle cloneHandle(o);
    EXPECT_NE(cloneHandle, templateHandle);
    EXPECT_EQ(cloneHandle.Get(), o);

    engine->EndLoop();
    engine->CleanEngine();
    EXPECT_EQ(templateHandle.Get(), nullptr);
    EXPECT_EQ(cloneHandle.Get(), nullptr);
}

TEST_F(World, ArchetypesAreListedReadAndSavedInTheSameTree)
{
    // A working folder without an asset tree: only the program's has them.
    const fs::path base = fs::path(testing::TempDir()) / ("kite_archetype_tree_" + std::to_string(getpid()));
    fs::remove_all(base);
    fs::create_directories(base / "work");
    const fs::path previous = fs::current_path();
    fs::current_path(base / "work");
    engine->SetAssetPath((base / "program").generic_string() + "/");
    WriteFile((base / "program" / "Archetypes" / "Cloud.xml").string(),
              "<Components><Probe><speed>4</speed></Probe></Components>");
    // Files below the folder are not archetypes.
    WriteFile((base / "program" / "Archetypes" / "Old" / "Stale.xml").string(), "<Components/>");

    archetypes->LoadAllArchetypes();
    GameObject* cloud = archetypes->FindArchetype("Cloud");
    ASSERT_NE(cloud, nullptr);
    EXPECT_EQ(cloud->GetComponent<Probe>()->speed, 4.0f);
    EXPECT_EQ(archetypes->FindArchetype("Old/Stale"), nullptr);

    GameObject* o = Make("edited");
    o->AddComponent(new Probe());
    EXPECT_TRUE(archetypes->MakeArchetypeAndSerialise("Saved", o));
    EXPECT_TRUE(fs::exists(base / "program" / "Archetypes" / "Saved.xml"));
    EXPECT_FALSE(fs::exists(base / "work" / "Assets"));

    fs::current_path(previous);
    fs::remove_all(base);
}
