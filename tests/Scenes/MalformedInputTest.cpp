// Scene, component and archetype files that are broken in every way we know
// of: each problem gives one line naming the file, the item is skipped or
// defaulted, and loading goes on.
#include "Objects/TestWorld.h"

using namespace KiteTest;
namespace fs = std::filesystem;

using Malformed = World;

namespace
{
    bool Has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }
}

TEST_F(Malformed, UnreadableSceneGivesAnEmptySceneAndStillFinishesTheLoad)
{
    for (const std::string text : {"", "not xml at all <<<", "<Level><GameObject objectId=\"1\"/></Level>"})
    {
        WriteFile(SceneFolder() + ".xml", text);
        Make("old");
        recorder->ids.clear();
        testing::internal::CaptureStderr();
        Load(scene);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(Has(err, "Scene \"" + scene + "\"")) << err;
        EXPECT_TRUE(factory->GetObjects().empty());
        EXPECT_EQ(recorder->ids, (std::vector<int>{MsgID::ClearScene, MsgID::SceneLoaded}));
        EXPECT_EQ(scenes->GetCurrentSceneName(), scene);
    }
    testing::internal::CaptureStderr();
    Load("../../outside");
    EXPECT_TRUE(Has(testing::internal::GetCapturedStderr(), "not a usable scene name"));
}

TEST_F(Malformed, BadObjectElementsAreDefaultedOrDropped)
{
    WriteFile(SceneFolder() + ".xml",
              "<Scene>\n"
              "<GameObject name=\"plain\" objectId=\"1\"/>\n"
              "<GameObject name=\"duplicate\" objectId=\"1\"/>\n"
              "<GameObject name=\"noid\"/>\n"
              "<Folder name=\"stray\" objectId=\"2\"/>\n"
              "<GameObject name=\"badid\" objectId=\"x\"/>\n"
              "<GameObject name=\"negative\" objectId=\" -1\"/>\n"
              "<GameObject name=\"orphan\" objectId=\"7\" parentId=\"99\" active=\"maybe\" layerTag=\"z\"/>\n"
              "<GameObject name=\"child\" objectId=\"3\" parentId=\"7\" active=\"false\" layerTag=\"4\"/>\n"
              "<GameObject name=\"self\" objectId=\"4\" parentId=\"4\"/>\n"
              "</Scene>\n");
    testing::internal::CaptureStderr();
    Load(scene);
    std::string err = testing::internal::GetCapturedStderr();

    const std::string where = "Scene \"" + scene + "\"";
    EXPECT_TRUE(Has(err, where + ": object 1 \"duplicate\": duplicate objectId; object dropped")) << err;
    EXPECT_TRUE(Has(err, where + ": object \"noid\": no objectId")) << err;
    EXPECT_TRUE(Has(err, where + ": object \"badid\": objectId is not a positive number")) << err;
    EXPECT_TRUE(Has(err, where + ": object \"negative\": objectId is not a positive number")) << err;
    EXPECT_TRUE(Has(err, where + ": unexpected element \"Folder\" skipped")) << err;
    EXPECT_TRUE(Has(err, "\"active\" is not true or false")) << err;
    EXPECT_TRUE(Has(err, "no parent with id 99")) << err;
    EXPECT_TRUE(Has(err, "would make a cycle")) << err;
    EXPECT_TRUE(Has(err, where + ": object 1: cannot read")) << err;

    EXPECT_EQ(factory->FindObjectWithId(1)->getName(), "plain");
    EXPECT_TRUE(factory->FindObjectWithId(1)->isActive());
    GameObject* orphan = factory->FindObjectWithId(7);
    ASSERT_NE(orphan, nullptr);
    EXPECT_TRUE(orphan->isActive());
    EXPECT_EQ(orphan->GetLayerTag(), 0);
    EXPECT_EQ(orphan->GetParent(), nullptr);
    GameObject* child = factory->FindObjectWithId(3);
    EXPECT_EQ(child->GetParent(), orphan);
    EXPECT_EQ(child->GetLayerTag(), 4);
    EXPECT_FALSE(child->isActive());
    EXPECT_EQ(factory->FindObjectWithId(4)->GetParent(), nullptr);
    // Stored ids stay; objects without one are numbered after the highest.
    EXPECT_EQ(factory->FindObjByName("noid")->GetId(), 8u);
    EXPECT_EQ(factory->FindObjByName("badid")->GetId(), 9u);
    EXPECT_EQ(factory->FindObjByName("negative")->GetId(), 10u);
    EXPECT_EQ(Make("next")->GetId(), 11u);

    // Destroying in a scene with gaps keeps every object reachable.
    factory->FindObjectWithId(1)->Destroy();
    factory->Update();
    EXPECT_EQ(factory->FindObjByName("next")->GetId(), 1u);
    EXPECT_EQ(factory->GetObjects().size(), 7u);
    for (const auto& entry : factory->GetObjects())
        EXPECT_EQ(entry.first, entry.second->GetId());
    EXPECT_EQ(Make("after")->GetId(), 11u);
}

TEST_F(Malformed, BadComponentFilesAreReadAsFarAsTheyMakeSense)
{
    WriteFile(SceneFolder() + ".xml",
              "<Scene><GameObject name=\"a\" objectId=\"1\"/><GameObject name=\"b\" objectId=\"2\"/>"
              "<GameObject name=\"c\" objectId=\"3\"/></Scene>");
    WriteFile(SceneFolder() + "/1.xml",
              "<Components>\n"
              "<Transform><translation><x>abc</x><y>2</y></translation><zDepth></zDepth></Transform>\n"
              "<Spirte><x>1</x></Spirte>\n"
              "<Shapes><count>12</count><amount>-5</amount><ratio>many</ratio><flag>1</flag><label/>"
              "<offset/><tint><a>0.5</a></tint><colour size=\"9\"><arrayElement>1</arrayElement></colour>"
              "<numbers size=\"5\"><vectorElement>3</vectorElement><vectorElement>x</vectorElement></numbers>"
              "<paths><vectorElement>lost</vectorElement></paths></Shapes>\n"
              "<Transform><translation><x>9</x></translation></Transform>\n"
              "<Panel/>\n"
              "</Components>\n");
    WriteFile(SceneFolder() + "/2.xml", "<Stuff><Transform/></Stuff>");
    testing::internal::CaptureStderr();
    Load(scene);
    std::string err = testing::internal::GetCapturedStderr();

    const std::string where = "Scene \"" + scene + "\"";
    EXPECT_TRUE(Has(err, where + ": object 1: unknown component \"Spirte\"")) << err;
    EXPECT_TRUE(Has(err, where + ": object 1: second \"Transform\" component ignored")) << err;
    EXPECT_TRUE(Has(err, where + ": object 2: \"")) << err;
    EXPECT_TRUE(Has(err, "has no \"Components\" root")) << err;
    EXPECT_TRUE(Has(err, where + ": object 3: cannot read")) << err;

    GameObject* a = factory->FindObjectWithId(1);
    ASSERT_NE(a, nullptr);
    Transform* t = a->GetComponent<Transform>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->GetTransVec(), Vector2D(0.0f, 2.0f));
    EXPECT_EQ(t->GetDepth(), 1.0f);
    EXPECT_EQ(t->GetScaleVec(), Vector2D(1.0f, 1.0f));
    Shapes* s = a->GetComponent<Shapes>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->count, 12);
    EXPECT_EQ(s->amount, 0u);
    EXPECT_EQ(s->ratio, 0.0f);
    EXPECT_TRUE(s->flag);
    EXPECT_EQ(s->tint.a, 0.5f);
    EXPECT_EQ(s->colour[0], 1.0f);
    EXPECT_EQ(s->numbers.size(), 2u);
    EXPECT_TRUE(s->paths.empty());
    EXPECT_TRUE(s->groups.empty());
    EXPECT_NE(a->GetComponent<Panel>(), nullptr);
    EXPECT_EQ(factory->GetUIObjects().count(1u), 1u);
    EXPECT_TRUE(factory->FindObjectWithId(2)->GetComponentList().empty());
}

TEST_F(Malformed, NumbersThatAreNotFiniteOrNotNumbersAreReportedWithFileLineAndKey)
{
    WriteFile(SceneFolder() + ".xml", "<Scene><GameObject name=\"a\" objectId=\"1\"/></Scene>");
    WriteFile(SceneFolder() + "/1.xml",
              "<Components>\n"
              "<Transform><translation><x>nan</x><y>inf</y></translation>\n"
              "<zDepth>-infinity</zDepth><scale><x>2</x><y>3</y></scale></Transform>\n"
              "<Shapes><count>twelve</count><amount>-5</amount><ratio>0.5</ratio></Shapes>\n"
              "</Components>\n");
    testing::internal::CaptureStderr();
    Load(scene);
    const std::string err = testing::internal::GetCapturedStderr();

    const std::string file = SceneFolder() + "/1.xml";
    EXPECT_TRUE(Has(err, file + " line 2: \"translation.x\" = \"nan\" is not a usable number; kept 0")) << err;
    EXPECT_TRUE(Has(err, file + " line 2: \"translation.y\" = \"inf\"")) << err;
    EXPECT_TRUE(Has(err, file + " line 3: \"zDepth\" = \"-infinity\" is not a usable number; kept 1")) << err;
    EXPECT_TRUE(Has(err, file + " line 4: \"count\" = \"twelve\"")) << err;
    EXPECT_TRUE(Has(err, file + " line 4: \"amount\" = \"-5\"")) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 5) << err;

    Transform* t = factory->FindObjectWithId(1)->GetComponent<Transform>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->GetTransVec(), Vector2D(0.0f, 0.0f));
    EXPECT_EQ(t->GetDepth(), 1.0f);
    EXPECT_EQ(t->GetScaleVec(), Vector2D(2.0f, 3.0f));
    Shapes* s = factory->FindObjectWithId(1)->GetComponent<Shapes>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ratio, 0.5f);
}

TEST_F(Malformed, ComponentThatThrowsWhileReadingIsSkipped)
{
    class Fragile : public GameComponent
    {
    public:
        Fragile() : GameComponent(CT_Other) {}
        void XMLUnSerialise(XMLElement*) override { throw std::invalid_argument("stof"); }
    };
    factory->AddComponentCreator(CT_Other, "Fragile", new ComponentCreatorType<Fragile>(CT_Other));
    WriteFile(SceneFolder() + ".xml", "<Scene><GameObject name=\"a\" objectId=\"1\"/></Scene>");
    WriteFile(SceneFolder() + "/1.xml", "<Components><Fragile><v>x</v></Fragile><Transform/></Components>");
    testing::internal::CaptureStderr();
    Load(scene);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Has(err, "component \"Fragile\" could not be read: stof")) << err;
    GameObject* a = factory->FindObjectWithId(1);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->HasComponent(CT_Other));
    EXPECT_TRUE(a->HasComponent(CT_Transform));
}

TEST_F(Malformed, ObjectThatFailsToStartDoesNotStopTheScene)
{
    class Touchy : public GameComponent
    {
    public:
        Touchy() : GameComponent(CT_Other) {}
        void Initialise() override { throw std::out_of_range("label already exists"); }
    };
    class Grumpy : public Script
    {
    public:
        Grumpy() : Script(static_cast<ComponentTypeId>(44)) {}
        GameComponent* Clone() const override { return new Grumpy(*this); }
        void OnStart() override { throw std::out_of_range("no such node"); }
    };
    factory->AddComponentCreator(CT_Other, "Touchy", new ComponentCreatorType<Touchy>(CT_Other));
    factory->AddComponentCreator(static_cast<ComponentTypeId>(44), "Grumpy",
                                 new ComponentCreatorType<Grumpy>(static_cast<ComponentTypeId>(44)));
    WriteFile(SceneFolder() + ".xml",
              "<Scene><GameObject name=\"a\" objectId=\"1\"/><GameObject name=\"b\" objectId=\"2\"/>"
              "<GameObject name=\"c\" objectId=\"3\"/></Scene>");
    WriteFile(SceneFolder() + "/1.xml", "<Components><Touchy/></Components>");
    WriteFile(SceneFolder() + "/2.xml", "<Components><Probe/></Components>");
    WriteFile(SceneFolder() + "/3.xml", "<Components><Grumpy/></Components>");
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    engine->SetTimeFactor(0.0f);
    testing::internal::CaptureStderr();
    Load(scene);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Has(err, "Object 1 \"a\": could not be initialised: label already exists")) << err;
    EXPECT_TRUE(Has(err, "starting the scene failed: no such node")) << err;
    EXPECT_EQ(factory->FindObjectWithId(2)->GetComponent<Probe>()->initialised, 1);
    EXPECT_EQ(engine->GetTimeFactor(), 1.0f);
}

TEST_F(Malformed, NewObjectsAfterTheLargestPossibleIdStillGetUsableIds)
{
    WriteFile(SceneFolder() + ".xml",
              "<Scene><GameObject name=\"first\" objectId=\"1\"/>"
              "<GameObject name=\"last\" objectId=\"4294967295\"/></Scene>");
    testing::internal::CaptureStderr();
    Load(scene);
    testing::internal::GetCapturedStderr();
    GameObject* a = Make("a");
    GameObject* b = Make("b");
    EXPECT_EQ(a->GetId(), 2u);
    EXPECT_EQ(b->GetId(), 3u);
    EXPECT_EQ(factory->FindObjectWithId(a->GetId()), a);
    a->Destroy();
    factory->Update();
    EXPECT_EQ(factory->FindObjByName("a"), nullptr);
    EXPECT_NE(factory->FindObjByName("last"), nullptr);
}
